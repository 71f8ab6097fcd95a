# The color modes: what each enables, the list's fixed first item, and
# monochrome turning fast printing into normal (and nothing else touching
# the print mode).
page color
expect checked 1052 1
expect icon 1058 2231
expect icon 1062 2235
expect enabled 1041 1
expect enabled 1057 0
expect enabled 1045 0
expect enabled 1051 0
expect count 1057 1
expect item 1057 0 "当前设置"
expect selected 1057 0
expect pixel 1024 12 1 0 48 192
# ICM offers the color description, custom the list and the editor.
click 1104
expect field ColorMode 5
expect enabled 1051 1
expect enabled 1057 0
click 1056
expect field ColorMode 4
expect enabled 1051 0
expect enabled 1057 1
expect enabled 1045 1
expect enabled 1041 1
select 1057 0
expect field ChosenEntryName "当前设置"
expect enabled 1045 1
click 1101
expect field ColorMode 6
expect enabled 1057 0
expect enabled 1045 0
click 1053
expect field ColorMode 1
click 1054
expect field ColorMode 2
# Monochrome: fast becomes normal; normal and fine stay.
set PrintMode 1
click 1055
expect field ColorMode 3
expect field PrintMode 0
# The logo turns gray in monochrome and back to color with any other mode.
expect pixel 1024 12 1 128 128 128
click 1052
expect pixel 1024 12 1 0 48 192
set PrintMode 2
click 1055
expect field PrintMode 2
set PrintMode 0
click 1052
click 1055
expect field PrintMode 0
# Other modes leave fast printing alone.
set PrintMode 1
click 1053
click 1056
click 1104
click 1101
click 1054
click 1052
expect field PrintMode 1
expect field ColorMode 0
