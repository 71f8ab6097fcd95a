// The 32-bit sides of the two thunk entries and their targets.
#include "bridge/thunk_entries.h"

#include <array>

#include "color/color_table.h"
#include "platform/afx/app.h"
#include "platform/kernel/kernel.h"
#include "platform/thunk/thunk.h"
#include "ui/pages/page_procedures.h"

namespace velko::bridge {
namespace {

using PageProcedure = int32_t (*)(const FlatPageMessage*, SettingsRecord*, SettingsRecord*);

struct PageRoute {
  int32_t pageId;
  PageProcedure procedure;
};

constexpr std::array<PageRoute, 4> kPageRoutes{{
    {kMainPageId, MainPropPage},
    {kColorPageId, ColorPropPage},
    {kOptionsPageId, OptPropPage},
    {kVersionPageId, VerPropPage},
}};

// Maps a far pointer to a record of `bytes` bytes. A far pointer whose
// segment cannot hold the record counts as mapping to nothing; its segment
// stays fixed all the same, so that releasing the call's far pointers stays
// balanced.
void* MapRecord(DWORD farPointer, std::size_t bytes) {
  void* flat = MapSLFix(farPointer);
  return flat && platform::SegmentBytesFrom(farPointer) >= bytes ? flat : nullptr;
}

template <class T>
T* MapRecord(DWORD farPointer) {
  return static_cast<T*>(MapRecord(farPointer, sizeof(T)));
}

// The class library's state for a call: the program's module, its command
// line, no previous instance, show state 0.
bool InitialiseApplicationState() {
  return AfxWinInit(GetModuleHandleA(nullptr), 0, GetCommandLineA(), 0) != FALSE;
}

}  // namespace

DWORD MakeRdtEntry(const DWORD* arguments) {
  const auto* block = MapRecord<const ColorAdjustBlock>(arguments[0]);
  auto* table = static_cast<uint8_t*>(MapRecord(arguments[1], color::kColorTableBytes));
  K32Thk1632Prolog();
  ThunkMakeRdt(block, table);
  K32Thk1632Epilog();
  UnMapSLFixArray(2, arguments);
  return 0;
}

DWORD PageCallEntry(const DWORD* arguments) {
  const DWORD messageFar = arguments[0];
  const DWORD currentFar = arguments[1];
  const DWORD defaultsFar = arguments[2];

  // The page procedures work on this copy; nothing goes back to the record.
  FlatPageMessage local{};
  DWORD lParamFar = 0;
  if (messageFar != 0) {
    if (const auto* record = MapRecord<const PageMessage>(messageFar)) {
      local = FlatCopyOf(*record);
      lParamFar = record->LParamFar;
      local.LParamFar = MapSLFix(lParamFar);
    }
  }
  auto* current = MapRecord<SettingsRecord>(currentFar);
  auto* defaults = MapRecord<SettingsRecord>(defaultsFar);

  K32Thk1632Prolog();
  const int32_t result = ThunkPageCall(&local, current, defaults);
  K32Thk1632Epilog();

  const DWORD mapped[] = {messageFar, lParamFar, defaultsFar, currentFar};
  UnMapSLFixArray(4, mapped);
  return static_cast<DWORD>(result);
}

int32_t ThunkPageCall(FlatPageMessage* message, SettingsRecord* current, SettingsRecord* defaults) {
  if (!InitialiseApplicationState()) return 0;
  // The 16-bit driver never sends these without its records; a record that
  // could not be mapped reaches no page rather than a null pointer.
  if (!message || !current || !defaults) return 0;
  if (message->LParamFar != nullptr) message->LParam = reinterpret_cast<LPARAM>(message->LParamFar);
  for (const PageRoute& route : kPageRoutes) {
    if (route.pageId == message->PageId) return route.procedure(message, current, defaults);
  }
  return 0;
}

void ThunkMakeRdt(const ColorAdjustBlock* block, uint8_t* table) {
  if (!InitialiseApplicationState()) return;
  if (!block || !table) return;
  MakeRdt(block, table);
}

}  // namespace velko::bridge
