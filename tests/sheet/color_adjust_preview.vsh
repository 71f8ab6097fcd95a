# The preview follows the sliders: a skin pixel of the sample (children) and
# the cyan end of the swatch's first row, at the default settings and at
# saturation +10; restore default and a new run show the defaults again.
page color
click 1056
click 1041
expect pixel 2071 60 80 243 190 164
expect pixel 2118 10 5 136 254 217
scroll 2040 pagedown
scroll 2040 pagedown
expect text 2032 "10"
expect pixel 2071 60 80 252 173 124      # more vivid skin
expect pixel 2118 10 5 36 253 202        # purer cyan
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
