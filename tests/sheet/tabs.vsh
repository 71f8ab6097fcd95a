# Tab changes: each page is created on first use and shows its own template;
# going back finds the page as it was left.
expect dialog 1001
click 1020
page color
expect dialog 1002
expect visible 1052 1
page options
expect dialog 1003
page version
expect dialog 1004
expect enabled 1086 1
page main
expect dialog 1001
expect checked 1020 1
page 2
expect dialog 1003
ok
expect dialog none
