// VelkoUI's string table: the captions and warnings the dialogs load by id.
#include <gtest/gtest.h>

#include <string>

#include "tests/resources/gb2312_text.h"
#include "ui/resources/velko_ui_resources.h"

namespace velko::res {
namespace {

using testing::Gb;

struct StringCase {
  int id;
  const char* text;  // nullptr: the wording is ours, it only has to be there
};

const StringCase kStrings[] = {
    {5002, "编辑"},          // list edit caption, color entries
    {5003, "编辑"},          // list edit caption, watermarks
    {5004, "色彩调节"},      // color adjustment sheet caption
    {5208, "名称已经存在"},  // duplicate name warning
    {5207, nullptr},         // browsed path longer than 64 characters
    {5209, nullptr},         // file text too short for an extension
    {5210, nullptr},         // only .bmp and .rle files
};

TEST(ResourceUiStrings, EveryStringTheDialogsLoad) {
  for (const StringCase& s : kStrings) {
    const ResString* r = VelkoUiResources().String(s.id);
    ASSERT_NE(r, nullptr) << s.id;
    if (s.text)
      EXPECT_EQ(std::string(r->text), Gb(s.text)) << s.id;
    else
      EXPECT_GT(std::string(r->text).size(), 4u) << s.id;
  }
  EXPECT_EQ(std::string(VelkoUiResources().String(5208)->text), "\xC3\xFB\xB3\xC6\xD2\xD1\xBE\xAD\xB4\xE6\xD4\xDA");
}

TEST(ResourceUiStrings, ExtensionWarningNamesBothExtensions) {
  const std::string text = VelkoUiResources().String(5210)->text;
  EXPECT_NE(text.find(".bmp"), std::string::npos);
  EXPECT_NE(text.find(".rle"), std::string::npos);
  EXPECT_NE(std::string(VelkoUiResources().String(5207)->text).find("64"), std::string::npos);
}

TEST(ResourceUiStrings, MissingIdIsNotFound) { EXPECT_EQ(VelkoUiResources().String(5999), nullptr); }

}  // namespace
}  // namespace velko::res
