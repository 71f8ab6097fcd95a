# User color entries on the color page: an entry added through the editor
# is selected and its values come back into the record; item 0 stands for
# the record's own values; a name the list still shows after its entry was
# deleted (editor cancelled) changes no values.
set Bright 5
set Cyan 2
page color
expect count 1057 1
click 1056
expect enabled 1045 1
click 1045
expect dialog 2402
type 2413 "Mine"
click 2129
expect dialog 1002
expect count 1057 2
expect item 1057 1 "Mine"
expect selected 1057 1
expect field ChosenEntryName "Mine"
expect enabled 1045 0
expect ini UserEnt0 UserEntName "Mine"
# Item 0: the record's values stay, the editor is offered.
select 1057 0
expect field ChosenEntryName "当前设置"
expect enabled 1045 1
set Bright -3
set Cyan 0
select 1057 "Mine"
expect field Bright 5
expect field Cyan 2
expect field ChosenEntryName "Mine"
expect enabled 1045 0
# Another mode and back to custom: the selected entry is applied again.
click 1052
expect enabled 1057 0
set Bright 1
click 1056
expect field Bright 5
# The editor closed without a choice: the list rebuilt, item 0 selected.
select 1057 0
click 1045
click 2130
expect dialog 1002
expect selected 1057 0
expect count 1057 2
expect enabled 1045 1
# Deleted, then the editor cancelled: the stale name stays in the list and
# choosing it keeps the record's values.
click 1045
select 2414 "Mine"
click 2412
cancel
expect dialog 1002
expect count 1057 2
set Bright -7
select 1057 1
expect field ChosenEntryName "Mine"
expect field Bright -7
expect enabled 1045 0
