# The list-edit dialog on the user color entries, opened from the color
# page's button 1045: add takes the record's blocks and ends with the name
# chosen, a name listed in another letter case is refused, delete keeps the
# dialog open and empties the name in "Velko.ini", modify moves the entry
# to the first free section.
#! before --save @WORK@/start.rec
#! patch @WORK@/start.rec 152 -4
#! patch @WORK@/start.rec 176 1
#! patch @WORK@/start.rec 180 -7
#! args --settings @WORK@/start.rec
page color
expect ini UserEnt9 UserEntName ""
click 1056
click 1045
expect dialog 2402
expect visible 2415 0
expect visible 2416 0
expect visible 2417 0
expect visible 2132 1
expect count 2414 0
expect enabled 2129 0
expect enabled 2412 0
expect enabled 2132 0
help 2132
expect help 2132 524645
type 2413 "abc"
expect enabled 2129 1
click 2129
expect dialog 1002
expect field ChosenEntryName "abc"
expect selected 1057 1
expect ini UserEnt0 UserEntName "abc"
expect ini UserEnt0 Bright "-4"
expect ini UserEnt0 Gannma "1"
expect ini UserEnt0 Black "-7"
# Another letter case is the same name.
select 1057 0
click 1045
expect count 2414 1
type 2413 "ABC"
click 2129
answer ok
expect message "名称已经存在"
expect dialog 2402
expect count 2414 1
clear 2413
type 2413 "def"
click 2129
expect dialog 1002
expect field ChosenEntryName "def"
expect ini UserEnt1 UserEntName "def"
expect count 1057 3
# Delete: the dialog stays, the next name moves up and is selected; the
# section keeps its values.
select 1057 0
click 1045
select 2414 "abc"
expect enabled 2132 1
click 2412
expect dialog 2402
expect count 2414 1
expect selected 2414 0
expect item 2414 0 "def"
expect ini UserEnt0 UserEntName ""
expect ini UserEnt0 Bright "-4"
# Modify: section 0 is free now, so "def" moves there from section 1.
click 2132
expect dialog 1002
expect field ChosenEntryName "def"
expect ini UserEnt0 UserEntName "def"
expect ini UserEnt1 UserEntName ""
expect count 1057 2
expect item 1057 1 "def"
# Close: OK, nothing chosen, the list rebuilt with item 0 selected.
select 1057 0
click 1045
click 2130
expect dialog 1002
expect selected 1057 0
ok
