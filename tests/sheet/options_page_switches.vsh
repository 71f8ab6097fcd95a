# The switches: each writes its field at once, toner saving disables 1081
# without changing Option1081, and every box shows its field when the page
# is shown again (1102 and 1073 included).
page options
expect checked 1069 1
click 1069
expect field Smoothing 0
click 1081
expect field Option1081 1
click 1070
expect field TonerSave 1
expect enabled 1081 0
expect checked 1081 1
expect field Option1081 1
click 1070
expect field TonerSave 0
expect enabled 1081 1
expect field Option1081 1
click 1080
expect field Option1080 1
click 1102
expect field Option1102 1
click 1071
expect field Option1071 1
click 1073
expect field Option1073 1
expect checked 1226 0
click 1226
expect field Option1226Inverted 0
click 1226
expect field Option1226Inverted 1
click 1072
expect field Option1072Inverted 0
# Toner saving stored on: 1081 disabled at the next showing.
set TonerSave 1
set Option1102 0
set Option1073 0
page version
page options
expect checked 1070 1
expect enabled 1081 0
expect checked 1081 1
expect checked 1102 0
expect checked 1073 0
set Option1102 1
set Option1073 1
page version
page options
expect checked 1102 1
expect checked 1073 1
expect checked 1080 1
expect checked 1071 1
expect checked 1069 0
