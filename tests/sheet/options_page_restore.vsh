# Restore-all on the version page refills the options page at once, 1102
# and 1073 included, and the page shown again agrees with the record.
page options
click 1069
click 1102
click 1073
click 1079
click 1067
type 1068 "Velko"
page version
click 1086
expect field Smoothing 1
expect field Option1102 0
expect field OptionText ""
page options
expect checked 1069 1
expect checked 1102 0
expect checked 1073 0
expect checked 1079 0
expect enabled 1074 0
expect checked 1067 0
expect text 1068 ""
expect enabled 1068 0
