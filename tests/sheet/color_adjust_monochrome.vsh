# In the monochrome mode the density page can change the black row only,
# and only while density adjustment is on.
page color
click 1055
expect field ColorMode 3
click 1041
expect dialog 2406
expect enabled 2047 0
expect enabled 2049 0
click 2060
expect checked 2060 1
expect enabled 2047 1
expect enabled 2119 1
expect enabled 2034 1
expect enabled 2049 0
expect enabled 2050 0
expect enabled 2051 0
expect enabled 2121 0
expect enabled 2043 0
expect enabled 2081 1
expect enabled 2057 1
scroll 2047 linedown
ok
expect field Gannma 1
expect field Black 1
# Restore default keeps the color rows locked.
click 1041
expect enabled 2047 1
expect enabled 2049 0
click 2014
expect enabled 2047 0
expect enabled 2049 0
click 2060
expect enabled 2051 0
cancel
expect field Gannma 1
# Leaving monochrome frees the rows again.
click 1052
click 1041
expect enabled 2049 1
cancel
