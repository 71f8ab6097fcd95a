# --defaults replaces the default record only: the current record stays the
# driver's own defaults.
#! before --save @WORK@/defaults.rec
#! patch @WORK@/defaults.rec 52 3
#! args --defaults @WORK@/defaults.rec --save @WORK@/current.rec
#! before --save @WORK@/driver.rec
#! same @WORK@/current.rec @WORK@/driver.rec
expect field Copies 1
