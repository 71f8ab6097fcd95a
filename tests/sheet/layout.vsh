# The page layout dialog from the main page's button 1021: order pictures
# by orientation, a click changing only its own group's pictures, the
# border switch and its shape, Cancel leaving the record, OK storing the
# block and redrawing the main page's arrangement icon, restore default,
# help.
click 1021
expect dialog 2408
expect icon 2015 2261
expect icon 2016 2242
expect icon 2017 2248
expect icon 2018 2250
expect icon 2019 2252
expect icon 2020 2254
expect checked 2021 0
expect enabled 2022 0
expect enabled 2105 0
expect count 2022 2
expect item 2022 0 "矩形"
expect item 2022 1 "四角"
expect selected 2022 0
# A 2-up click: only the 2-up pictures change.
click 2016
expect icon 2015 2241
expect icon 2016 2262
expect icon 2017 2248
expect icon 2020 2254
# A 4-up click: only the 4-up pictures change.
click 2020
expect icon 2017 2249
expect icon 2020 2255
expect icon 2015 2241
expect icon 2016 2262
click 2021
expect enabled 2022 1
expect enabled 2105 1
select 2022 1
cancel
expect dialog 1001
expect field TwoUpOrder 0
expect field FourUpOrder 0
expect field PrintBorder 0
expect field BorderShape 0
# Opened again: the record's choices, not the cancelled ones.
click 1021
expect icon 2015 2261
expect icon 2020 2254
expect checked 2021 0
click 2016
click 2018
click 2021
select 2022 1
# Off again: the shape stays chosen but cannot be changed.
click 2021
expect enabled 2022 0
expect selected 2022 1
click 2021
ok
expect dialog 1001
expect field TwoUpOrder 1
expect field FourUpOrder 1
expect field PrintBorder 1
expect field BorderShape 1
# Two pages per sheet on the main page show the stored 2-up order.
select 1019 1
expect icon 1025 2240
# Landscape: the 4-up pictures change set, the 2-up ones do not.
click 1018
click 1021
expect icon 2015 2241
expect icon 2016 2262
expect icon 2017 2227
expect icon 2018 2258
expect icon 2019 2229
expect icon 2020 2230
# Restore default shows the defaults; Cancel keeps the record.
click 2014
expect icon 2016 2242
expect icon 2015 2261
expect icon 2017 2256
expect icon 2018 2228
expect checked 2021 0
expect enabled 2022 0
expect selected 2022 0
cancel
expect field TwoUpOrder 1
expect field PrintBorder 1
# Restore default and OK: the defaults stored, the main page's icon
# redrawn for 2-up order 0.
click 1017
expect icon 1025 2240
click 1021
click 2014
ok
expect field TwoUpOrder 0
expect field FourUpOrder 0
expect field PrintBorder 0
expect field BorderShape 0
expect icon 1025 2239
click 1021
help 2017
expect help 2017 524593
help 2021
expect help 2021 524594
help 2014
expect help 2014 524596
help 2
expect help 2 524584
cancel
