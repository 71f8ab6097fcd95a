# The host's templates: auto check boxes toggle, auto radio buttons check
# themselves and clear their group, statics keep their template text.
expect checked 1016 0
click 1016
expect checked 1016 1
click 1016
expect checked 1016 0
click 1018
expect checked 1018 1
expect checked 1017 0
click 1017
expect checked 1017 1
expect checked 1018 0
expect text 1016 "附加文字:"
page color
click 1053
expect checked 1053 1
expect checked 1052 0
# The default record has black generation and smoothing on, so a click
# clears them.
click 1050
expect checked 1050 0
page options
click 1069
expect checked 1069 0
expect text 1082 "水印..."
page version
expect text 1086 "恢复全部默认值"
