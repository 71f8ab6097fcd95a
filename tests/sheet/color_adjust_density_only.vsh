# Outside the custom color mode the color adjustment sheet offers the density
# page alone; its OK writes the density block and leaves the color block as
# it was, its Cancel writes nothing.
page color
expect field ColorMode 0
click 1041
expect dialog 2406
expect checked 2060 0
expect enabled 2047 0
expect enabled 2051 0
expect enabled 2056 1
click 2060
expect enabled 2047 1
expect enabled 2049 1
scroll 2047 pagedown
expect text 2034 "5"
scroll 2051 lineup
expect text 2048 "-1"
ok
expect dialog 1002
expect field Gannma 1
expect field Black 5
expect field Yellow -1
expect field BaseColor 1
expect field Sample 0
# Cancel after changes: the record keeps what the last OK wrote.
click 1041
expect dialog 2406
expect text 2034 "5"
scroll 2047 pageup
scroll 2047 pageup
expect text 2034 "-5"
click 2060
cancel
expect dialog 1002
expect field Gannma 1
expect field Black 5
# The same in the photo mode.
click 1053
click 1041
expect dialog 2406
expect checked 2060 1
ok
expect field ColorMode 1
