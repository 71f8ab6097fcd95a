// The handle table: typed lookups, and numbers that stay small however many
// objects come and go.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/kernel/handles.h"

namespace {

using velko::platform::HandleKind;
using velko::platform::HandleTable;

struct FakeBitmap {
  static constexpr HandleKind kHandleKind = HandleKind::Bitmap;
  int id = 0;
};
struct FakeBrush {
  static constexpr HandleKind kHandleKind = HandleKind::Brush;
};

TEST(KernelHandles, LookupAnswersOnlyForTheRightKind) {
  HandleTable table;
  const HANDLE bitmap = table.Add(std::make_shared<FakeBitmap>(FakeBitmap{7}));
  ASSERT_NE(bitmap, 0u);
  ASSERT_NE(table.Get<FakeBitmap>(bitmap), nullptr);
  EXPECT_EQ(table.Get<FakeBitmap>(bitmap)->id, 7);
  EXPECT_EQ(table.Get<FakeBrush>(bitmap), nullptr);  // a foreign handle is "no such object"
  EXPECT_EQ(table.Get<FakeBitmap>(0), nullptr);
  EXPECT_EQ(table.Get<FakeBitmap>(bitmap + 1000), nullptr);
  EXPECT_EQ(table.KindOf(bitmap), HandleKind::Bitmap);
  EXPECT_TRUE(table.Remove(bitmap));
  EXPECT_FALSE(table.Remove(bitmap));
  EXPECT_EQ(table.Get<FakeBitmap>(bitmap), nullptr);
  EXPECT_EQ(table.size(), 0u);
}

TEST(KernelHandles, SharedObjectOutlivesItsHandle) {
  HandleTable table;
  const HANDLE h = table.Add(std::make_shared<FakeBitmap>(FakeBitmap{3}));
  std::shared_ptr<FakeBitmap> kept = table.Share<FakeBitmap>(h);
  table.Remove(h);
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->id, 3);
}

// Device contexts come and go on every paint; the numbers they take must be
// handed out again, or a long session would push handles past 16 bits, which
// some of the driver's 16-bit messages cannot carry.
TEST(KernelHandles, NumbersStaySmallUnderChurn) {
  HandleTable table;
  const HANDLE kept = table.Add(std::make_shared<FakeBrush>());
  HANDLE highest = kept;
  for (int i = 0; i < 200000; ++i) {
    const HANDLE h = table.Add(std::make_shared<FakeBitmap>());
    highest = std::max(highest, h);
    table.Remove(h);
  }
  EXPECT_LT(highest, 0x10000u);
  EXPECT_NE(table.Get<FakeBrush>(kept), nullptr);
  EXPECT_EQ(table.size(), 1u);
}

TEST(KernelHandles, LowestFreeNumberIsReusedFirst) {
  HandleTable table;
  std::vector<HANDLE> handles;
  for (int i = 0; i < 4; ++i) handles.push_back(table.Add(std::make_shared<FakeBitmap>()));
  table.Remove(handles[2]);
  table.Remove(handles[1]);
  EXPECT_EQ(table.Add(std::make_shared<FakeBrush>()), handles[1]);
  EXPECT_EQ(table.Add(std::make_shared<FakeBrush>()), handles[2]);
}

}  // namespace
