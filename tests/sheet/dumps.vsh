# dump writes one JSON object a line on stdout, texts in UTF-8.
#! stdout {"line":6,"control":{"id":1016,"class":"BUTTON","text":"附加文字:","enabled":true,"visible":true,"checked":1,"icon":0}}
#! stdout {"line":7,"record":{"PaperSize":9,"CustomUnit":0,"CustomWidth":210.0,
#! stdout "ChosenEntryName":"当前设置"
click 1016
dump 1016
dump record
