# A "Velko.ini" of binary zeros holds no entries: the color page writes a
# new file of ten empty sections, the entry editor starts empty, and an
# added entry goes into the first section.
#! before --save @WORK@/start.rec
#! zeros @WORK@/drive_c/WINDOWS/SYSTEM/Velko.ini 4096
page color
expect count 1057 1
expect ini UserEnt0 UserEntName ""
expect ini UserEnt9 UserEntName ""
expect ini UserEnt9 Yellow "0"
click 1056
click 1045
expect dialog 2402
expect count 2414 0
type 2413 "new"
click 2129
expect dialog 1002
expect ini UserEnt0 UserEntName "new"
expect ini UserEnt1 UserEntName ""
expect item 1057 1 "new"
ok
