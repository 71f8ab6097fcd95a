# Restore-all on the version page refills the color page: mode radios, the
# option group, black generation and the list, from the default record.
page color
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
