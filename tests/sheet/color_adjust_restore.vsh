# Restore default on the color adjustment page takes the whole default
# block, the sample included, and shows it; on the density page it takes
# the default density block. Nothing reaches the record before OK.
page color
click 1056
click 1041
select 2004 3
select 2117 3
scroll 2039 pagedown
page 1
click 2060
scroll 2047 pagedown
ok
expect field Sample 3
expect field BaseColor 4
expect field Bright 5
expect field Gannma 1
expect field Black 5
click 1041
expect selected 2004 3
click 2014
expect selected 2004 0
expect selected 2117 1
expect text 2031 "0"
expect field Sample 3
page 1
expect checked 2060 1
click 2014
expect checked 2060 0
expect text 2034 "0"
expect enabled 2047 0
ok
expect field Sample 0
expect field BaseColor 1
expect field Bright 0
expect field Gannma 0
expect field Black 0
# Restore default, then Cancel: the record keeps its values.
click 1041
select 2004 1
ok
expect field Sample 1
click 1041
click 2014
expect selected 2004 0
cancel
expect field Sample 1
