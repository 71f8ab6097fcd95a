# The tray option group: check box 1079 enables the radios, the label and
# the tray list; values outside their ranges show the first choice and stay
# in the record until the user picks.
page options
expect count 1077 2
expect item 1077 0 "第一进纸盒"
expect item 1077 1 "第二进纸盒"
expect checked 1079 0
expect enabled 1074 0
expect enabled 1077 0
click 1079
expect field TrayOption 1
expect enabled 1074 1
expect enabled 1075 1
expect enabled 1076 1
expect enabled 1078 1
expect enabled 1077 1
click 1076
expect field TrayOptionChoice 2
select 1077 1
expect field TrayOptionTray 1
# Unchecking disables the group and keeps its values.
click 1079
expect field TrayOption 0
expect enabled 1074 0
expect enabled 1075 0
expect enabled 1076 0
expect enabled 1078 0
expect enabled 1077 0
expect field TrayOptionChoice 2
expect field TrayOptionTray 1
page version
page options
expect checked 1076 1
expect checked 1074 0
expect selected 1077 1
# A choice of 1 checks 1075; anything but 1 and 2 checks 1074.
set TrayOptionChoice 1
page version
page options
expect checked 1075 1
expect checked 1074 0
expect checked 1076 0
set TrayOptionChoice 7
set TrayOptionTray 5
page version
page options
expect checked 1074 1
expect checked 1075 0
expect checked 1076 0
expect selected 1077 0
expect field TrayOptionChoice 7
expect field TrayOptionTray 5
set TrayOptionChoice -1
set TrayOptionTray -3
page version
page options
expect checked 1074 1
expect selected 1077 0
expect field TrayOptionTray -3
