# Fine printing chosen in the main page's print mode dialog: the main page
# applies the 1072 rule to the record, the options page shows the switch
# checked and locked; back on normal printing the switch is free and keeps
# the forced value.
page options
expect checked 1072 0
expect enabled 1072 1
page main
click 1022
expect dialog 2409
click 2006
ok
expect field PrintMode 2
expect field Option1072Inverted 0
page options
expect checked 1072 1
expect enabled 1072 0
page main
click 1022
click 1042
ok
expect field PrintMode 0
page options
expect enabled 1072 1
expect checked 1072 1
click 1072
expect field Option1072Inverted 1
