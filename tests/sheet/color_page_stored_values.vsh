# Stored values outside their ranges at page start: the mode shows the
# "no color adjustment" radio, the option choice its first radio, an
# unknown chosen name leaves item 0 selected; the record keeps every value
# until the user changes it; the slider shows its nearest end. A base color
# never set becomes photo (3).
#! stdout "id":1044,"class":"msctls_trackbar32","text":"","enabled":true,"visible":true,"position":1}
set ColorMode 9
set ColorOption 1
set ColorOptionChoice 5
set ColorOptionLevel 7
set BaseColor -2
set ChosenEntryName "Nobody"
page color
expect checked 1101 1
expect checked 1052 0
expect checked 1055 0
expect field ColorMode 9
expect checked 1042 1
expect checked 1043 0
expect field ColorOptionChoice 5
expect field ColorOptionLevel 7
dump 1044
expect field BaseColor 3
expect selected 1057 0
expect enabled 1057 0
expect enabled 1041 1
expect enabled 1051 0
click 1056
expect enabled 1045 1
