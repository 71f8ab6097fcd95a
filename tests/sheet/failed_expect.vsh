# A check that does not hold names its line and both values; an action on
# a control that is not there says so; the run goes on and exits 1.
#! exit 1
#! stderr failed_expect.vsh:9: `expect field Copies 2` failed: expected 2, got 1
#! stderr failed_expect.vsh:10: `expect checked 1016 1` failed: expected 1, got 0
#! stderr failed_expect.vsh:11: `click 9999` could not be done: no control 9999
#! stderr failed_expect.vsh:12: `expect text 9999 "x"` failed: no control 9999 on page 1001 (expected "x")
#! stderr failed_expect.vsh:14: `expect dialog 1001` failed: expected 1001, got 1002
expect field Copies 2
expect checked 1016 1
click 9999
expect text 9999 "x"
page color
expect dialog 1001
expect field Copies 1
#! stderr velko: sheet:
