# A stored chosen name that fills its 20 bytes without a terminator: the
# page reads no further than the field, nothing matches, item 0 stays.
#! before --save @WORK@/start.rec
#! patch @WORK@/start.rec 100 4
#! patch @WORK@/start.rec 104 1296647501
#! patch @WORK@/start.rec 108 1296647501
#! patch @WORK@/start.rec 112 1296647501
#! patch @WORK@/start.rec 116 1296647501
#! patch @WORK@/start.rec 120 1296647501
#! patch @WORK@/start.rec 124 1
#! args --settings @WORK@/start.rec
page color
expect checked 1056 1
expect selected 1057 0
expect enabled 1045 1
select 1057 0
expect field ChosenEntryName "当前设置"
