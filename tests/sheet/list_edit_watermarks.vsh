# The list-edit dialog on the user watermarks, opened from the watermark
# dialog's button 1082: the file must be at least four characters without
# its trailing blanks and end in ".bmp" or ".rle" in any letter case; a
# browsed path longer than 64 characters is refused; the names are unique
# without regard to case; slots stay in place and a freed slot is filled
# first; the added name is chosen in the watermark list.
page options
click 1082
expect dialog 2403
click 2030
click 1082
expect dialog 2402
expect visible 2415 1
expect visible 2416 1
expect visible 2417 1
expect visible 2132 0
help 2416
expect help 2416 524693
type 2413 "Logo"
expect enabled 2129 0
type 2416 "a.b"
expect enabled 2129 1
click 2129
answer ok
expect message "文件名称太短，无法包含扩展名"
expect dialog 2402
clear 2416
type 2416 "logo.bmp "
click 2129
answer ok
expect message "只接受 .bmp 和 .rle 文件"
clear 2416
type 2416 "logo.gif"
click 2129
answer ok
expect message "只接受 .bmp 和 .rle 文件"
clear 2416
type 2416 "C:\\PICS\\LOGO.BMP"
click 2129
expect dialog 2403
expect field WatermarkList[0].Name "Logo"
expect field WatermarkList[0].File "C:\\PICS\\LOGO.BMP"
expect selected 2025 8
# A file chosen by browsing; a path over 64 characters stays out.
click 1082
expect count 2414 1
type 2413 "Mark"
click 2417
browse "C:\\PICTURES\\A-RATHER-LONG-FOLDER-NAME\\ANOTHER-LONG-FOLDER\\MARK1.RLE"
answer ok
expect message "文件路径不能超过64个字符"
expect text 2416 ""
click 2417
browse "C:\\MARK.rLe"
expect text 2416 "C:\\MARK.rLe"
click 2129
expect dialog 2403
expect field WatermarkList[1].Name "Mark"
expect field WatermarkList[1].File "C:\\MARK.rLe"
# The same name in capitals is refused.
click 1082
type 2413 "LOGO"
type 2416 "other.bmp"
click 2129
answer ok
expect message "名称已经存在"
expect dialog 2402
# Delete the first slot: the second stays where it is, the next addition
# fills the first.
select 2414 "Logo"
click 2412
expect count 2414 1
expect selected 2414 0
expect field WatermarkList[0].Name ""
expect field WatermarkList[0].File ""
expect field WatermarkList[1].Name "Mark"
clear 2413
type 2413 "New"
clear 2416
type 2416 "new.RLE"
click 2129
expect dialog 2403
expect field WatermarkList[0].Name "New"
expect field WatermarkList[0].File "new.RLE"
expect field WatermarkList[1].Name "Mark"
expect field WatermarkList[2].Name ""
# Cancel of the watermark dialog does not take the list back.
cancel
expect dialog 1003
expect field WatermarkList[0].Name "New"
ok
