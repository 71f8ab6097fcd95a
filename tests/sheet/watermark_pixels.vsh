# The watermark preview as the dialog shows it, read from the whole dialog
# (pixel coordinates of its client area). The frame 2029 lies at 24,42 to
# 165,268; the preview draws inside it, 2 pixels in from its edge. DRAFT's
# small picture is 66 x 22 with its first ink 4 pixels in; the large one is
# 132 x 44 with its first ink 8 pixels in.
page options
set WatermarkOn 1
set WatermarkIndex 3
set WatermarkPosition 1
set WatermarkSize 4
set WatermarkOutline 0
# Red at density 8 is pure red; black at density 0 is the light gray.
set WatermarkColor 1
set WatermarkDensity 8
click 1082
expect pixel 0 28 46 255 0 0
# The frame itself shows the same pixels at its own coordinates.
expect pixel 2029 4 4 255 0 0
expect pixel 2029 3 4 255 255 255
shot 2029 "watermark_preview.png"
expect pixel 0 27 46 255 255 255
expect pixel 0 28 45 255 255 255
cancel
set WatermarkColor 0
set WatermarkDensity 0
click 1082
expect pixel 0 28 46 192 192 192
# Density 4 in green: v = (8 - 4) * 24 = 96.
select 2024 2
trackbar 2026 4
expect pixel 0 28 46 96 255 96
# Size 4 shows the small picture at its own size: its last ink column is
# 61 pixels in.
expect pixel 0 85 46 96 255 96
expect pixel 0 86 46 255 255 255
expect pixel 0 34 52 255 255 255
# Size 8 shows the large picture at 1.22474: the first ink (8, 8) lands
# at 9.8, so the pixel 10 in is whole ink and 8 in is still white.
trackbar 2027 8
expect pixel 0 34 52 96 255 96
expect pixel 0 32 52 255 255 255
expect pixel 0 28 46 255 255 255
trackbar 2027 4
# The seven positions of the small picture: its top-left ink pixel, and
# the white pixel left of it. Center: (94 - 33, 155 - 11).
select 2023 0
expect pixel 0 65 148 96 255 96
expect pixel 0 64 148 255 255 255
# Top center: x = 94 - 33.
select 2023 2
expect pixel 0 65 46 96 255 96
expect pixel 0 64 46 255 255 255
# Top right: x = 165 - 66.
select 2023 3
expect pixel 0 103 46 96 255 96
expect pixel 0 102 46 255 255 255
# Bottom left: y = 268 - 22.
select 2023 4
expect pixel 0 28 250 96 255 96
expect pixel 0 28 249 255 255 255
# Bottom center.
select 2023 5
expect pixel 0 65 250 96 255 96
expect pixel 0 64 250 255 255 255
# Bottom right.
select 2023 6
expect pixel 0 103 250 96 255 96
expect pixel 0 102 250 255 255 255
# The frame's 2-pixel edge keeps the dialog face: nothing is drawn there.
expect pixel 0 25 43 192 192 192
shot 0 "watermark_dialog.png"
cancel
expect field WatermarkPosition 1
