# Cancel ends the sheet and leaves the record as it was when it opened.
#! args --save @WORK@/after.rec
#! before --save @WORK@/before.rec
#! same @WORK@/before.rec @WORK@/after.rec
page color
click 1050
cancel
expect dialog none
expect field Copies 1
