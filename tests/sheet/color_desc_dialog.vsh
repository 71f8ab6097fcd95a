# The color description dialog from the ICM mode: the stored intent shown,
# a click kept until OK, restore default with Cancel and with OK, help.
page color
click 1104
click 1051
expect dialog 2404
expect checked 2113 1
expect checked 2116 0
click 2116
expect checked 2113 0
ok
expect dialog 1002
expect field ColorDescription 3
click 1051
expect checked 2116 1
click 2115
cancel
expect field ColorDescription 3
click 1051
click 2014
expect checked 2113 1
expect checked 2116 0
cancel
expect field ColorDescription 3
click 1051
click 2014
ok
expect field ColorDescription 1
click 1051
help 2115
expect help 2115 524627
help 2014
expect help 2014 524596
help 1
expect help 1 524583
cancel
