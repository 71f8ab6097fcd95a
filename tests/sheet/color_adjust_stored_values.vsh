# Values out of range in the record: sliders and their labels show them
# clamped, lists show no selection for codes outside them, and all of them
# stay stored through OK until a scroll or a choice replaces them. (The
# fields are set once the color page has started, which raises a base color
# of 0 to photo.)
page color
click 1056
set Bright 15
set CyanRed -40
set BaseColor 0
set Sample 7
set Black 12
set Gannma 1
click 1041
expect dialog 2405
expect text 2031 "10"
expect text 2035 "-10"
expect selected 2117 -1
expect selected 2004 -1
page 1
expect text 2034 "10"
ok
expect dialog 1002
expect field Bright 15
expect field CyanRed -40
expect field BaseColor 0
expect field Sample 7
expect field Black 12
# A scroll that ends where the bar shows replaces the stored value.
click 1041
scroll 2039 endscroll
expect text 2031 "10"
scroll 2044 linedown
expect text 2035 "-9"
select 2117 1
page 1
scroll 2047 endscroll
ok
expect field Bright 10
expect field CyanRed -9
expect field BaseColor 1
expect field Sample 7
expect field Black 10
