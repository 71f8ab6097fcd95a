# The main page over the driver's default record (A4 as paper, automatic
# tray, plain paper, portrait, one page, one copy): what it shows, then the
# user's paths: paper and output with their scale and pages per sheet,
# orientation and page order icons, tray and media, switch 1020, copies,
# the short text, the custom size, the layout and print mode dialogs, and
# restore-all from the version page.
expect dialog 1001
expect count 1010 13
expect selected 1010 1
expect item 1010 12 "Custom Size(210.0 x 297.0 mm)"
expect count 1011 3
expect selected 1011 2
expect item 1011 2 "依照纸张尺寸"
expect count 1012 3
expect selected 1012 2
expect count 1013 5
expect selected 1013 0
expect checked 1017 1
expect checked 1018 0
expect count 1019 3
expect selected 1019 0
expect text 1026 "100%"
expect icon 1025 2001
expect text 1014 "1"
expect visible 1015 1
expect checked 1016 0
expect enabled 1064 0
expect text 1201 "色彩模式"
expect text 1203 "文档"
expect text 1206 "普通"

# Four pages on A4, then A3: as paper allows two at most, so the choice
# goes back to one page; output B5 leaves only one page, at 61%.
select 1019 2
expect field PagesPerSheet 2
expect text 1026 "50%"
expect icon 1025 2221
select 1010 "A3 297 x 420 mm"
expect field PaperSize 8
expect selected 1011 2
expect field OutputSize 548
expect count 1019 2
expect field PagesPerSheet 0
expect selected 1019 0
expect text 1026 "71%"
select 1019 1
expect text 1026 "50%"
select 1011 "B5"
expect field OutputSize 532
expect count 1019 1
expect item 1019 0 "单页"
expect field PagesPerSheet 0
expect text 1026 "61%"
select 1011 "A4"
expect field OutputSize 519
expect text 1026 "71%"

# Letter printed on A4 shrinks to 97%; Letter offers one page only.
select 1010 "Letter 8.5 x 11 in"
expect field PaperSize 1
expect count 1011 3
expect item 1011 1 "Letter"
expect text 1026 "100%"
select 1011 "A4"
expect field OutputSize 540
expect text 1026 "97%"
expect count 1019 1
select 1010 "Executive 7.25 x 10.5 in"
expect count 1011 2
expect selected 1011 1
expect field OutputSize 548
expect text 1026 "100%"

# Orientation and page order pick the arrangement icon.
select 1010 "A4 210 x 297 mm"
select 1019 1
expect icon 1025 2239
click 1018
expect field Orientation 2
expect icon 1025 2224
select 1019 2
expect icon 1025 2257
set FourUpOrder 3
click 1018
expect icon 1025 2247
click 1017
expect field Orientation 1
expect icon 1025 2244
set FourUpOrder 0

# Tray and media store their codes.
select 1012 "第二进纸盒"
expect field PaperTray 2
select 1012 "第一进纸盒"
expect field PaperTray 1

# Checking 1020 takes film back to plain paper but leaves thick paper; the
# user can still pick film afterwards.
select 1013 "胶片"
expect field MediaType 1
click 1020
expect checked 1020 1
expect field Option1020 1
expect field MediaType 0
expect selected 1013 0
click 1020
expect field Option1020 0
select 1013 "厚纸"
click 1020
expect field MediaType 3
expect selected 1013 3
select 1013 "胶片"
expect field MediaType 1
expect field Option1020 1

# Copies: empty, negative and non-numeric texts become 1; three digits at
# most; the arrows step within 1 to 999 and the value is stored when the
# page is left.
clear 1014
type 1014 "5"
leave 1014
expect field Copies 5
clear 1014
leave 1014
expect text 1014 "1"
expect field Copies 1
clear 1014
type 1014 "-5"
leave 1014
expect text 1014 "1"
clear 1014
type 1014 "12"
leave 1014
clear 1014
type 1014 "x7"
leave 1014
expect text 1014 "1"
expect field Copies 1
clear 1014
type 1014 "4242"
leave 1014
expect text 1014 "424"
expect field Copies 424
clear 1014
type 1014 "999"
leave 1014
scroll 1015 lineup
expect text 1014 "999"
scroll 1015 linedown
expect text 1014 "998"
expect field Copies 999
page options
page main
expect field Copies 998

# The short text keeps its leading run of allowed characters.
click 1016
expect field MainTextOn 1
expect enabled 1064 1
type 1064 "ab,cd"
expect text 1064 "ab"
expect field MainText "ab"
clear 1064
type 1064 "Q~x"
expect text 1064 "Q"
clear 1064
type 1064 "!{9}"
expect field MainText "!{9}"
click 1016
expect field MainTextOn 0
expect enabled 1064 0
expect field MainText "!{9}"

# The custom size: Cancel still makes it the paper; OK rewrites its item.
select 1010 12
expect dialog 2407
cancel
expect dialog 1001
expect field PaperSize 256
expect selected 1010 12
expect count 1011 1
expect field OutputSize 548
expect count 1019 1
expect text 1026 "100%"
select 1010 "A5 148 x 210 mm"
select 1010 12
expect dialog 2407
ok
expect dialog 1001
expect selected 1010 12
expect count 1010 13
expect field PaperSize 256

# The layout dialog: Cancel leaves the icon, OK with another four-up order
# shows it.
select 1010 "A4 210 x 297 mm"
select 1019 2
expect icon 1025 2221
click 1021
expect dialog 2408
click 2020
cancel
expect icon 1025 2221
click 1021
click 2019
ok
expect field FourUpOrder 2
expect icon 1025 2243

# Print mode: OK refreshes the summary and, in fine mode, clears
# Option1072Inverted; normal mode on A4 leaves it.
expect field Option1072Inverted 1
click 1022
expect dialog 2409
click 1042
ok
expect field Option1072Inverted 1
click 1022
click 2006
ok
expect field PrintMode 2
expect field Option1072Inverted 0
expect text 1206 "精确"
click 1022
click 2006
cancel
expect text 1206 "精确"

# Restore-all on the version page refills the main page at once.
page version
click 1086
page main
expect field PaperSize 9
expect selected 1010 1
expect selected 1019 0
expect count 1019 3
expect checked 1017 1
expect icon 1025 2001
expect text 1026 "100%"
expect selected 1013 0
expect selected 1012 2
expect text 1014 "1"
expect text 1064 ""
expect enabled 1064 0
expect text 1206 "普通"
