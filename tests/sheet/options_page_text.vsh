# The option text (edit 1068, OptionText): the leading run of allowed
# characters is kept in the edit and the record, everything from the first
# other character on is dropped.
page options
expect enabled 1068 0
click 1067
expect field OptionTextOn 1
expect enabled 1068 1
type 1068 "ab cd"
expect text 1068 "ab"
expect field OptionText "ab"
clear 1068
expect field OptionText ""
type 1068 "ab,cd"
expect text 1068 "ab"
expect field OptionText "ab"
clear 1068
type 1068 "a\\b"
expect field OptionText "a"
clear 1068
type 1068 "x~y"
expect field OptionText "x"
clear 1068
type 1068 "ab当前"
expect text 1068 "ab"
expect field OptionText "ab"
# Sixteen allowed characters stay as typed; the edit takes no more.
clear 1068
type 1068 "A1b2C3d4E5f6G7h8"
expect text 1068 "A1b2C3d4E5f6G7h8"
expect field OptionText "A1b2C3d4E5f6G7h8"
type 1068 "Z"
expect field OptionText "A1b2C3d4E5f6G7h8"
clear 1068
type 1068 "!#$%&'()*+-./:;<"
expect field OptionText "!#$%&'()*+-./:;<"
# Unchecking 1067 disables the edit and keeps the text.
click 1067
expect field OptionTextOn 0
expect enabled 1068 0
expect field OptionText "!#$%&'()*+-./:;<"
