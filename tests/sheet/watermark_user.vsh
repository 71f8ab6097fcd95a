# Choosing a user watermark disables color, density and outline and fills
# WatermarkFile from the list; a built-in text empties it again and enables
# them. "COPY" and "FILE COPY" count as built-in texts. A stored index that
# no longer exists falls back to "CONFIDENTIAL".
page options
set WatermarkOn 1
set WatermarkList[0].Name "Logo"
set WatermarkList[0].File "C:\\Marks\\logo.bmp"
set WatermarkList[4].Name "Seal"
set WatermarkList[4].File "C:\\Marks\\seal.rle"
click 1082
expect count 2025 10
select 2025 "Seal"
expect enabled 2024 0
expect enabled 2135 0
expect enabled 2026 0
expect enabled 2137 0
expect enabled 1103 0
expect enabled 2027 1
expect enabled 2023 1
ok
expect field WatermarkIndex 9
expect field WatermarkName "Seal"
expect field WatermarkFile "C:\\Marks\\seal.rle"
click 1082
expect selected 2025 9
expect enabled 2024 0
select 2025 "COPY"
expect enabled 2024 1
expect enabled 2026 1
expect enabled 1103 1
ok
expect field WatermarkIndex 6
expect field WatermarkName "COPY"
expect field WatermarkFile ""
set WatermarkIndex 12
click 1082
expect selected 2025 0
ok
expect field WatermarkIndex 0
expect field WatermarkName "CONFIDENTIAL"
