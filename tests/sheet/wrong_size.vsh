# A settings file of the wrong size is refused as bad usage.
#! exit 2
#! zeros @WORK@/short.rec 100
#! args --settings @WORK@/short.rec
#! stderr short.rec: a settings record is 3376 bytes, this file has 100
expect field Copies 1
