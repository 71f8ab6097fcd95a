# Monochrome with fine printing on A3: nothing forces 1072, which shows the
# stored value and stays usable.
#! before --save @WORK@/start.rec
#! patch @WORK@/start.rec 48 2
#! patch @WORK@/start.rec 100 3
#! args --settings @WORK@/start.rec
page options
expect field Option1072Inverted 1
expect checked 1072 0
expect enabled 1072 1
click 1072
expect field Option1072Inverted 0
click 1072
expect field Option1072Inverted 1
set PaperSize 8
page version
page options
expect field Option1072Inverted 1
expect enabled 1072 1
