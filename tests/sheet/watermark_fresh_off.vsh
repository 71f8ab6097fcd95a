# A fresh watermark dialog with the watermark off: only the check box, OK,
# Cancel and Restore Default can be used. Checking the box enables the rest
# for a built-in text; Cancel stores nothing.
page options
set WatermarkOn 0
set WatermarkIndex 2
click 1082
expect dialog 2403
expect checked 2030 0
expect enabled 2030 1
expect enabled 1 1
expect enabled 2 1
expect enabled 2014 1
expect enabled 2419 0
expect enabled 2025 0
expect enabled 1082 0
expect enabled 2133 0
expect enabled 2023 0
expect enabled 2135 0
expect enabled 2024 0
expect enabled 2137 0
expect enabled 2026 0
expect enabled 2139 0
expect enabled 2141 0
expect enabled 2143 0
expect enabled 2027 0
expect enabled 2145 0
expect enabled 2147 0
expect enabled 1103 0
expect selected 2025 2
click 2030
expect enabled 2025 1
expect enabled 1082 1
expect enabled 2023 1
expect enabled 2024 1
expect enabled 2026 1
expect enabled 2027 1
expect enabled 1103 1
cancel
expect dialog 1003
expect field WatermarkOn 0
click 1082
click 2030
ok
expect field WatermarkOn 1
expect field WatermarkName "TOP SECRET"
