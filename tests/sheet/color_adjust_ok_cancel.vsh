# The custom color mode: the sheet opens on the color adjustment page; OK
# writes both blocks, Cancel after many moves writes nothing, and a new run
# starts from what the record holds.
page color
click 1056
click 1041
expect dialog 2405
expect selected 2004 0
expect selected 2117 1
expect text 2031 "0"
scroll 2039 linedown
scroll 2040 pagedown
scroll 2042 thumbposition -7
scroll 2044 pageup
scroll 2045 lineup
scroll 2046 pagedown
expect text 2031 "1"
expect text 2032 "5"
expect text 2033 "-7"
expect text 2035 "-5"
expect text 2036 "-1"
expect text 2037 "5"
select 2117 0
select 2004 2
page 1
expect dialog 2406
click 2060
scroll 2049 pagedown
ok
expect dialog 1002
expect field Bright 1
expect field Fullness 5
expect field Contrast -7
expect field CyanRed -5
expect field MagentaGreen -1
expect field YellowBlue 5
expect field BaseColor 3
expect field Sample 2
expect field Gannma 1
expect field Cyan 5
# A new run shows the stored values; Cancel drops every move.
click 1041
expect dialog 2405
expect selected 2004 2
expect selected 2117 0
expect text 2033 "-7"
scroll 2039 pagedown
scroll 2040 pageup
select 2117 3
select 2004 0
page 1
scroll 2049 pageup
cancel
expect dialog 1002
expect field Bright 1
expect field Fullness 5
expect field BaseColor 3
expect field Sample 2
expect field Cyan 5
# Context help of the adjustment page.
click 1041
help 2040
expect help 2040 524631
help 2118
expect help 2118 0
page 1
help 2060
expect help 2060 524640
cancel
