# Every malformed line is reported with its number, and nothing runs: no
# record is written.
#! exit 2
#! args --save @WORK@/never.rec
#! absent @WORK@/never.rec
#! stderr malformed.vsh:12: click: expected a control id (0 to 65535), found the end of the line
#! stderr malformed.vsh:13: unknown statement tap
#! stderr malformed.vsh:14: a text is missing its closing "
#! stderr malformed.vsh:15: expect field: the settings record has no field Brightness
#! stderr malformed.vsh:16: page: expected main, color, options, version or a tab index, found colour
#! stderr malformed.vsh has 5 malformed lines; nothing was run
click
tap 1016
type 1064 "AB
expect field Brightness 0
page colour
page color
