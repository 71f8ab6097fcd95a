# A record file given with --settings is the one the pages get, and --save
# writes it back byte for byte after OK.
#! before --save @WORK@/start.rec
#! patch @WORK@/start.rec 52 7
#! patch @WORK@/start.rec 152 -4
#! patch @WORK@/start.rec 272 3
#! args --settings @WORK@/start.rec --save @WORK@/saved.rec
#! same @WORK@/start.rec @WORK@/saved.rec
expect field Copies 7
expect field Bright -4
expect field WatermarkIndex 3
page color
page main
ok
expect field Copies 7
