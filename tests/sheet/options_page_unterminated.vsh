# A stored option text that fills its 20 bytes without a terminator: the
# edit gets the field's 20 bytes and no more, and the text filter leaves
# the record 18 characters and the terminator.
#! before --save @WORK@/start.rec
#! patch @WORK@/start.rec 212 1094795585
#! patch @WORK@/start.rec 216 1094795585
#! patch @WORK@/start.rec 220 1094795585
#! patch @WORK@/start.rec 224 1094795585
#! patch @WORK@/start.rec 228 1094795585
#! patch @WORK@/start.rec 208 1
#! args --settings @WORK@/start.rec
page options
expect text 1068 "AAAAAAAAAAAAAAAAAAAA"
expect field OptionText "AAAAAAAAAAAAAAAAAA"
expect enabled 1068 1
