# The color adjustment sheet from 1041: Cancel changes nothing on the
# page; OK shows item 0 and the chosen name follows it, so the next page
# start does not copy the entry's stored values over the adjustment.
set Bright 4
page color
click 1056
click 1045
type 2413 "Warm"
click 2129
expect selected 1057 1
expect field ChosenEntryName "Warm"
click 1041
cancel
expect dialog 1002
expect selected 1057 1
expect field ChosenEntryName "Warm"
expect enabled 1045 0
click 1041
ok
expect dialog 1002
expect selected 1057 0
expect enabled 1045 1
expect field ChosenEntryName "当前设置"
expect field Bright 4
