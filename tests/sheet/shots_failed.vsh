# Pixel checks that do not hold, and a picture that cannot be written, are
# reported with their line, what was expected and what was found.
#! exit 1
#! stderr shots_failed.vsh:9: `expect pixel 1024 12 1 255 0 0` failed: expected 255 0 0, got 0 48 192
#! stderr shots_failed.vsh:10: `expect pixel 1024 500 1 0 0 0` failed: the pixel 500,1 lies outside its
#! stderr shots_failed.vsh:11: `expect pixel 4242 0 0 0 0 0` failed: no control 4242 on page 1001
#! stderr shots_failed.vsh:12: `shot 1024 "no/such/folder/x.png"` failed: cannot write no/such/folder/x.png
#! absent no/such/folder/x.png
expect pixel 1024 12 1 255 0 0
expect pixel 1024 500 1 0 0 0
expect pixel 4242 0 0 0 0 0
shot 1024 "no/such/folder/x.png"
