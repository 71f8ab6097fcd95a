# Restore-all on the version page refills the color page: mode radios, the
# option group, black generation, the list and the logo, from the default
# record.
page color
click 1055
expect pixel 1024 12 1 128 128 128
page version
click 1086
page color
expect checked 1052 1
expect checked 1055 0
expect pixel 1024 12 1 0 48 192
click 1056
click 1049
click 1043
click 1050
page version
click 1086
expect field ColorMode 0
page color
expect checked 1052 1
expect checked 1056 0
expect enabled 1057 0
expect enabled 1045 0
expect checked 1049 0
expect enabled 1042 0
expect checked 1042 1
expect checked 1043 0
expect checked 1050 1
expect selected 1057 0
