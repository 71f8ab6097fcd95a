# The print mode dialog from the main page's button 1022: the stored mode
# checked, a click kept until OK, Cancel leaving the record, fine making the
# main page clear Option1072Inverted, monochrome withholding fast, help.
expect field PrintMode 0
expect field Option1072Inverted 1
click 1022
expect dialog 2409
expect checked 1042 1
expect checked 2005 0
expect checked 2006 0
expect enabled 2005 1
expect text 2005 "快速"
click 2006
ok
expect dialog 1001
expect field PrintMode 2
expect field Option1072Inverted 0
# Cancel after a click leaves the record.
click 1022
expect checked 2006 1
click 2005
expect checked 2005 1
cancel
expect dialog 1001
expect field PrintMode 2
# Monochrome: fast is withheld, a stored fast opens as normal; Cancel keeps
# it, OK stores normal.
set PrintMode 1
set ColorMode 3
click 1022
expect enabled 2005 0
expect checked 2005 0
expect checked 1042 1
cancel
expect field PrintMode 1
click 1022
ok
expect field PrintMode 0
# An unknown stored mode opens as normal and is kept unless a radio is
# clicked.
set ColorMode 0
set PrintMode 7
click 1022
expect checked 1042 1
expect enabled 2005 1
ok
expect field PrintMode 7
click 1022
help 2005
expect help 2005 524597
help 2006
expect help 2006 524597
help 1
expect help 1 524583
help 2
expect help 2 524584
click 2005
ok
expect field PrintMode 1
