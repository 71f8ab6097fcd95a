# The settings summary on the main page, rewritten each time the page is
# shown and after the print mode dialog: ordinary color modes, the custom
# mode with its entry name and base color, the switches, and values the
# tables have no text for.
expect text 1201 "色彩模式"
expect text 1202 "："
expect text 1203 "文档"
expect text 1204 "打印模式"
expect text 1206 "普通"
expect text 1207 "黑色生成"
expect text 1209 "开"
expect text 1210 "平滑"
expect text 1212 "开"
expect text 1213 "省墨"
expect text 1214 "："
expect text 1215 "关"
expect text 1216 ""
expect text 1224 ""

# Photo in fine mode, switches changed elsewhere: shown when the page is
# shown again.
set ColorMode 1
set PrintMode 2
set BlackGeneration 0
set TonerSave 1
page options
page main
expect text 1203 "照片"
expect text 1206 "精确"
expect text 1209 "关"
expect text 1215 "开"
expect text 1216 ""

# Custom color mode: the entry name, or "当前设置" when it is empty, and
# the base color row push the others down by one row.
set ColorMode 4
set ChosenEntryName ""
set BaseColor 2
page options
page main
expect text 1203 "当前设置"
expect text 1204 "基础色彩"
expect text 1205 "："
expect text 1206 "文档"
expect text 1207 "打印模式"
expect text 1209 "精确"
expect text 1216 "省墨"
expect text 1218 "开"
expect text 1219 ""
set ChosenEntryName "Dusk"
set BaseColor 3
page options
page main
expect text 1203 "Dusk"
expect text 1206 "照片"

# Back to an ordinary mode: the rows left over from the custom mode go.
set ColorMode 6
page options
page main
expect text 1203 "无色彩调节"
expect text 1204 "打印模式"
expect text 1216 ""
expect text 1218 ""

# The print mode dialog's OK refreshes at once; Cancel leaves it.
click 1022
click 2005
ok
expect text 1206 "快速"
click 1022
click 1042
cancel
expect text 1206 "快速"

# Values without a text: an empty value, a nonzero switch reads as on, an
# unknown base color as the first one.
set ColorMode 9
set PrintMode 5
set Smoothing 3
page options
page main
expect text 1201 "色彩模式"
expect text 1203 ""
expect text 1206 ""
expect text 1212 "开"
set ColorMode 4
set BaseColor 0
page options
page main
expect text 1206 "普通"
