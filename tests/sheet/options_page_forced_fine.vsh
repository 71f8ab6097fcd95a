# Switch 1072 under fine printing: forced on and locked in every color mode
# but monochrome, free and as stored in monochrome, forced again when a
# color mode comes back. The rule runs at every showing of the page.
#! before --save @WORK@/start.rec
#! patch @WORK@/start.rec 48 2
#! patch @WORK@/start.rec 100 1
#! args --settings @WORK@/start.rec
expect field PrintMode 2
expect field Option1072Inverted 1
page options
expect field Option1072Inverted 0
expect checked 1072 1
expect enabled 1072 0
# Monochrome leaves the switch free, showing what is stored.
page color
click 1055
page options
expect enabled 1072 1
expect checked 1072 1
click 1072
expect field Option1072Inverted 1
page version
page options
expect checked 1072 0
expect enabled 1072 1
# A color mode again: forced on at the next showing.
page color
click 1052
expect field Option1072Inverted 1
page options
expect field Option1072Inverted 0
expect checked 1072 1
expect enabled 1072 0
