# The option group (1049 with 1042 to 1048) and black generation: each
# control writes its field at once; a disabled group keeps its values.
page color
expect checked 1049 0
expect enabled 1042 0
expect enabled 1044 0
expect checked 1042 1
click 1049
expect field ColorOption 1
expect enabled 1042 1
expect enabled 1043 1
expect enabled 1044 1
expect enabled 1046 1
expect enabled 1047 1
expect enabled 1048 1
click 1043
expect field ColorOptionChoice 1
trackbar 1044 1
expect field ColorOptionLevel 1
click 1049
expect field ColorOption 0
expect enabled 1042 0
expect enabled 1043 0
expect enabled 1044 0
expect enabled 1046 0
expect enabled 1047 0
expect enabled 1048 0
expect field ColorOptionChoice 1
expect field ColorOptionLevel 1
click 1049
click 1042
expect field ColorOptionChoice 0
trackbar 1044 0
expect field ColorOptionLevel 0
expect checked 1050 1
click 1050
expect field BlackGeneration 0
click 1050
expect field BlackGeneration 1
