# The custom paper size dialog from the main page's paper list (item 12):
# Cancel still choosing the custom size, a typed width clamped when left,
# units switched back and forth, OK storing the unit and sizes and
# rewriting the list's item, the feed direction, help.
expect field PaperSize 9
select 1010 12
expect dialog 2407
expect text 2066 "210.0"
expect text 2009 "297.0"
expect text 2124 "mm"
expect text 2062 "(100.0 - 215.9mm)"
expect text 2065 "(210.0 - 297.0mm)"
expect checked 2068 1
expect visible 2126 1
expect visible 2112 1
expect visible 2128 0
expect visible 2114 0
expect icon 2126 2219
expect icon 2128 2220
expect text 2112 "短边方向"
expect text 2114 "长边方向"
cancel
expect dialog 1001
expect field PaperSize 256
expect selected 1010 12
expect count 1010 13
expect item 1010 12 "Custom Size(210.0 x 297.0 mm)"
expect field CustomWidth 210
# Typing 250 in the width and leaving shows 215.9; letters are cut.
select 1010 12
clear 2066
type 2066 "250"
expect text 2066 "250"
leave 2066
expect text 2066 "215.9"
clear 2009
type 2009 "12x"
leave 2009
expect text 2009 "210.0"
expect visible 2128 1
expect visible 2114 1
expect visible 2126 0
# Inches and back: the same figures.
click 2069
expect text 2066 "8.50"
expect text 2009 "8.27"
expect text 2124 "inch"
expect text 2122 "inch"
expect text 2062 "(3.94 - 8.50inch)"
expect text 2065 "(8.27 - 11.69inch)"
click 2068
expect text 2066 "215.9"
expect text 2009 "210.0"
click 2069
click 2068
expect text 2066 "215.9"
expect text 2009 "210.0"
# The arrows step within the limits.
scroll 2120 lineup
expect text 2066 "215.9"
scroll 2003 lineup
expect text 2009 "210.1"
help 2066
expect help 2066 524579
help 2003
expect help 2003 524580
help 2069
expect help 2069 524581
help 2128
expect help 2128 524582
click 2069
ok
expect dialog 1001
expect field CustomUnit 1
expect field CustomWidth 8.5
expect field CustomHeight 8.27
expect selected 1010 12
expect item 1010 12 "Custom Size(8.50 x 8.27 in)"
# Cancel after changes: the record stays, the paper stays custom.
select 1010 0
expect field PaperSize 8
select 1010 12
expect checked 2069 1
expect text 2066 "8.50"
clear 2066
type 2066 "4"
leave 2066
expect text 2066 "4.00"
cancel
expect field PaperSize 256
expect field CustomUnit 1
expect field CustomWidth 8.5
expect item 1010 12 "Custom Size(8.50 x 8.27 in)"
