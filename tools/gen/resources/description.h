// A module's resource description (a .res.json file, UTF-8): its reading,
// checking and conversion into the compiled form that velko_rc emits.
//
// Format:
//   { "module": "VelkoUI",
//     "dialogs": [ { "id": 2407, "caption": "...", "font": ["宋体", 8],
//                    "size": [200, 130], "style": ["WS_POPUP", ...],
//                    "controls": [ { "id": 2200, "class": "STATIC", "text": "...",
//                                    "style": ["SS_LEFT"], "rect": [x, y, cx, cy],
//                                    "hidden": false, "icon": 2219 } ] } ],
//     "strings": [ { "id": 5208, "text": "..." } ],
//     "bitmaps": [ { "id": 2163, "draw": "wordmark", ...generator's parameters } ],
//     "icons":   [ { "id": 2001, "draw": "sheet", ... } ] }
// Controls are WS_CHILD and, unless "hidden", WS_VISIBLE; dialogs get
// DS_SETFONT. Rectangles are dialog units.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace velko::resgen {

// A fault of the description, with where it is ("dialogs[3] (2404), control 2113: ...").
class DescriptionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Control {
  int id = 0;
  std::string cls;
  std::string text;       // GB2312
  std::string text_utf8;  // for the generated source's comments
  uint32_t style = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  int image = 0;
};

struct Dialog {
  int id = 0;
  std::string caption, caption_utf8;
  std::string font, font_utf8;
  int point_size = 0;
  uint32_t style = 0;
  int cx = 0, cy = 0;
  std::vector<Control> controls;
};

struct StringEntry {
  int id = 0;
  std::string text, text_utf8;
};

enum class ImageKind { Bitmap, Icon };

struct Image {
  int id = 0;
  ImageKind kind = ImageKind::Bitmap;
  int width = 0, height = 0, bits = 0;
  std::string what;  // generator and parameters, for the generated source's comments
  std::vector<uint8_t> bmp;
};

struct Module {
  std::string name;
  std::vector<Dialog> dialogs;
  std::vector<StringEntry> strings;
  std::vector<Image> images;
};

// Reads and checks a parsed description; throws DescriptionError.
Module CompileDescription(const nlohmann::json& doc);

}  // namespace velko::resgen
