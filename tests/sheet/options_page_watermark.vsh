# Button 1082 opens the watermark dialog over the record's watermark block;
# Cancel leaves the block alone, OK stores what the dialog set.
page options
click 1082
expect dialog 2403
click 2030
cancel
expect dialog 1003
expect field WatermarkOn 0
click 1082
expect dialog 2403
expect checked 2030 0
click 2030
ok
expect dialog 1003
expect field WatermarkOn 1
click 1082
expect checked 2030 1
cancel
