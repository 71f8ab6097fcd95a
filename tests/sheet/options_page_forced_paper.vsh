# Paper codes 8 (A3) and 257 force 1072 on and lock it in color modes;
# A4 (9) does not. The codes are set while the sheet is open, so the main
# page's mapping of unknown codes does not touch them.
page options
expect field PaperSize 9
expect field Option1072Inverted 1
expect checked 1072 0
expect enabled 1072 1
# A3.
set PaperSize 8
page version
page options
expect field Option1072Inverted 0
expect checked 1072 1
expect enabled 1072 0
# Back on A4 the switch is free again and keeps the forced value.
set PaperSize 9
page version
page options
expect enabled 1072 1
expect checked 1072 1
click 1072
expect field Option1072Inverted 1
# 257, a code the paper list does not offer.
set PaperSize 257
page version
page options
expect field Option1072Inverted 0
expect checked 1072 1
expect enabled 1072 0
# Graphics mode is a color mode too; monochrome frees the switch.
set ColorMode 3
page version
page options
expect enabled 1072 1
