# A stored ICM mode with fast printing: radio 1104, the color description
# available; the color description dialog opens and OK keeps its choice.
# A positive base color is kept at page start.
set ColorMode 5
set PrintMode 1
set BaseColor 4
page color
expect checked 1104 1
expect checked 1101 0
expect enabled 1051 1
expect field BaseColor 4
click 1051
expect dialog 2404
cancel
expect dialog 1002
expect field PrintMode 1
click 1055
expect field PrintMode 0
expect enabled 1051 0
