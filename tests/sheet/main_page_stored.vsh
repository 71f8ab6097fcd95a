# The main page over stored values its lists do not have. The current
# record: paper code 5 (none), output 532 (A3's B5), tray 99, media 42,
# orientation 0, four pages per sheet, 5000 copies, MainTextOn 7, a short
# text with a comma and no NUL in its 12 bytes, color mode 12, print mode -1.
# The default record, brought in by restore-all: Letter with output 999,
# pages per sheet -3, orientation 3, copies -7, two-up order 5.
#! before --save @WORK@/odd.rec
#! patch @WORK@/odd.rec 0 5
#! patch @WORK@/odd.rec 24 532
#! patch @WORK@/odd.rec 28 99
#! patch @WORK@/odd.rec 32 42
#! patch @WORK@/odd.rec 36 0
#! patch @WORK@/odd.rec 40 2
#! patch @WORK@/odd.rec 48 -1
#! patch @WORK@/odd.rec 52 5000
#! patch @WORK@/odd.rec 56 7
#! patch @WORK@/odd.rec 60 0x432C4241
#! patch @WORK@/odd.rec 64 0x575A5958
#! patch @WORK@/odd.rec 68 0x54535251
#! patch @WORK@/odd.rec 100 12
#! before --save @WORK@/odd_defaults.rec
#! patch @WORK@/odd_defaults.rec 0 1
#! patch @WORK@/odd_defaults.rec 24 999
#! patch @WORK@/odd_defaults.rec 36 3
#! patch @WORK@/odd_defaults.rec 40 -3
#! patch @WORK@/odd_defaults.rec 52 -7
#! patch @WORK@/odd_defaults.rec 84 5
#! args --settings @WORK@/odd.rec --defaults @WORK@/odd_defaults.rec

# Paper and output codes not in their tables select the first item and are
# rewritten; 532 is A3's B5, so one page per sheet at 61%.
expect selected 1010 0
expect field PaperSize 8
expect selected 1011 1
expect field OutputSize 532
expect count 1019 1
expect field PagesPerSheet 0
expect text 1026 "61%"
# Tray and media show their first item and keep their codes.
expect selected 1012 0
expect field PaperTray 99
expect selected 1013 0
expect field MediaType 42
# Any orientation but 1 shows as landscape.
expect checked 1017 0
expect checked 1018 1
expect icon 1025 2238
expect field Orientation 0
# Copies above 999 become 999 when the page is shown.
expect text 1014 "999"
expect field Copies 999
# The short text: four characters at most, then its allowed run.
expect checked 1016 1
expect enabled 1064 1
expect text 1064 "AB"
expect field MainText "AB"
# The summary leaves values it has no text for empty.
expect text 1201 "色彩模式"
expect text 1203 ""
expect text 1204 "打印模式"
expect text 1206 ""

# The user's choices still store their codes.
select 1012 "自动选择"
expect field PaperTray 7
select 1013 "标签"
expect field MediaType 2
click 1017
expect field Orientation 1
expect icon 1025 2001
select 1011 "依照纸张尺寸"
expect count 1019 2
select 1019 1
expect text 1026 "50%"
expect icon 1025 2239

# A page order the layout dialog never writes shows order 0.
set TwoUpOrder 3
click 1017
expect icon 1025 2239
set TwoUpOrder 1
click 1017
expect icon 1025 2240

# Restore-all brings the odd default record: Letter with an unknown output
# is Letter on A4 (97%), negative pages per sheet is one page, orientation
# 3 is landscape, negative copies become 1 when the page is shown again.
page version
click 1086
page main
expect selected 1010 7
expect field PaperSize 1
expect selected 1011 0
expect field OutputSize 540
expect text 1026 "97%"
expect count 1019 1
expect selected 1019 0
expect field PagesPerSheet 0
expect checked 1018 1
expect icon 1025 2238
expect text 1014 "1"
expect field Copies 1
expect text 1203 "文档"
expect text 1206 "普通"
