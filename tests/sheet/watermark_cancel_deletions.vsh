# Deleting user watermarks in the list editor takes effect at once: Cancel
# of the editor and of the watermark dialog keeps the deletions, while the
# watermark block stays as it was.
page options
set WatermarkOn 1
set WatermarkIndex 9
set WatermarkName "Seal"
set WatermarkList[0].Name "Logo"
set WatermarkList[0].File "C:\\logo.bmp"
set WatermarkList[2].Name "Seal"
set WatermarkList[2].File "C:\\seal.bmp"
click 1082
expect selected 2025 9
click 1082
expect dialog 2402
select 2414 "Logo"
click 2412
expect count 2414 1
cancel
expect dialog 2403
expect count 2025 9
expect selected 2025 8
cancel
expect dialog 1003
expect field WatermarkList[0].Name ""
expect field WatermarkList[2].Name "Seal"
expect field WatermarkIndex 9
