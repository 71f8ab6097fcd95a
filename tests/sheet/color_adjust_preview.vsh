# The preview follows the sliders: a skin pixel of the sample (children) and
# the cyan end of the swatch's first row, at the default settings and at
# saturation +10; restore default and a new run show the defaults again.
# The shots of both states land in the test's working folder, for a person
# to look at.
page color
click 1056
click 1041
expect pixel 2071 60 80 243 190 164
expect pixel 2118 10 5 136 254 217
shot 0 "color_adjust_default.png"
shot 2071 "color_adjust_sample_default.png"
scroll 2040 pagedown
scroll 2040 pagedown
expect text 2032 "10"
expect pixel 2071 60 80 252 173 124      # more vivid skin
expect pixel 2118 10 5 36 253 202        # purer cyan
shot 0 "color_adjust_saturation10.png"
shot 2071 "color_adjust_sample_saturation10.png"
# An event that moves nothing keeps the picture.
scroll 2040 linedown
expect pixel 2071 60 80 252 173 124
click 2014
expect text 2032 "0"
expect pixel 2071 60 80 243 190 164
scroll 2040 thumbposition 10
expect pixel 2118 10 5 36 253 202
cancel
expect field Fullness 0
# The next run builds its preview from the record again.
click 1041
expect pixel 2071 60 80 243 190 164
expect pixel 2118 10 5 136 254 217
cancel
