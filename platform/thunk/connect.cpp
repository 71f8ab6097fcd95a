// Connecting the two halves of a thunk, switching into 32-bit execution, and
// calling a 32-bit entry by position for the 16-bit side.
#include <cstring>
#include <memory>
#include <string_view>

#include "platform/kernel/kernel.h"
#include "platform/thunk/thunk.h"

namespace velko::platform {
namespace {

// One connected pair of halves, known to the 16-bit data by its handle.
struct ThunkLink {
  static constexpr HandleKind kHandleKind = HandleKind::ThunkLink;
  const ThunkHeader32* data32 = nullptr;
  ThunkHeader16* data16 = nullptr;
  HINSTANCE instance32 = 0;
  std::string dll16;
};

std::string& ConnectFailure() {
  static std::string& failure = *new std::string;
  return failure;
}

thread_local int thunkedDepth = 0;

// The parts of 32-bit data of any entry count, read from its header: the
// count follows from the offset between the data name and the entry table.
struct View32 {
  const ThunkHeader32* header;
  std::size_t entries;

  const std::byte* EntryTable() const {
    return reinterpret_cast<const std::byte*>(header) + sizeof(ThunkHeader32);
  }
  const char* DataName() const {
    return reinterpret_cast<const char*>(EntryTable() + entries * sizeof(DWORD));
  }
  std::string_view DataNameText() const {
    return std::string_view(DataName(), strnlen(DataName(), kThunkDataNameBytes));
  }
  DWORD Entry(std::size_t i) const {
    DWORD value;
    std::memcpy(&value, EntryTable() + i * sizeof(DWORD), sizeof value);
    return value;
  }
  ThunkTarget32 Target(std::size_t i) const {
    ThunkTarget32 target;
    std::memcpy(&target, DataName() + kThunkDataNameBytes + i * sizeof(ThunkTarget32),
                sizeof target);
    return target;
  }
};

bool HasTags(const char (&protocol)[4], const char (&library)[4]) {
  return std::memcmp(protocol, kThunkProtocolTag, 4) == 0 &&
         std::memcmp(library, kThunkLibraryTag, 4) == 0;
}

std::optional<View32> Read32(const ThunkHeader32* header) {
  if (!header || !HasTags(header->Protocol, header->Library)) return std::nullopt;
  const int32_t offset = header->EntryTableOffset;
  if (offset >= 0 || -offset % static_cast<int32_t>(sizeof(DWORD)) != 0) return std::nullopt;
  return View32{header, static_cast<std::size_t>(-offset) / sizeof(DWORD)};
}

const ThunkEntry16* Entries16(const ThunkHeader16& data16) {
  return reinterpret_cast<const ThunkEntry16*>(&data16 + 1);
}

// Why the two halves cannot be connected, or empty when they can.
std::string Mismatch(const View32& half32, std::string_view data16Name,
                     const ThunkHeader16& half16) {
  if (half32.DataNameText() != data16Name) {
    return "the 32-bit thunk data names \"" + std::string(half32.DataNameText()) + "\", not \"" +
           std::string(data16Name) + "\"";
  }
  if (!HasTags(half16.Protocol, half16.Library)) return "the 16-bit thunk data has wrong tags";
  if (half16.Checksum != half32.header->Checksum) {
    return "the halves come from different thunk scripts (checksums differ)";
  }
  if (half16.EntryCount != half32.entries) return "the halves have different entry counts";
  return {};
}

BOOL Fail(std::string why) {
  ConnectFailure() = std::move(why);
  return FALSE;
}

BOOL Connect(const ThunkHeader32* header32, std::string_view data16Name, LPCSTR dll16,
             HINSTANCE instance32) {
  const auto half32 = Read32(header32);
  if (!half32) return Fail("the 32-bit thunk data is not laid out as a thunk");
  const HMODULE module16 = GetModuleHandleA(dll16);
  if (!module16) return Fail(std::string("the 16-bit library ") + dll16 + " is not loaded");
  auto* half16 =
      static_cast<ThunkHeader16*>(GetProcAddress(module16, std::string(data16Name).c_str()));
  if (!half16) {
    return Fail(std::string(dll16) + " exports no \"" + std::string(data16Name) + "\"");
  }
  if (auto why = Mismatch(*half32, data16Name, *half16); !why.empty()) return Fail(std::move(why));

  Handles().Remove(half16->Link);  // a stale link of an earlier connection
  auto link = std::make_shared<ThunkLink>(ThunkLink{header32, half16, instance32, dll16});
  half16->Link = Handles().Add(std::move(link));
  ConnectFailure().clear();
  return TRUE;
}

void Disconnect(const ThunkHeader32* header32, std::string_view data16Name, LPCSTR dll16) {
  const HMODULE module16 = GetModuleHandleA(dll16);
  auto* half16 =
      module16
          ? static_cast<ThunkHeader16*>(GetProcAddress(module16, std::string(data16Name).c_str()))
          : nullptr;
  if (!half16) return;
  const ThunkLink* link = Handles().Get<ThunkLink>(half16->Link);
  if (!link || link->data32 != header32) return;
  Handles().Remove(half16->Link);
  half16->Link = 0;
}

}  // namespace

std::optional<DWORD> CallThunk16(ThunkHeader16& data16, WORD entry,
                                 std::span<const DWORD> arguments) {
  const ThunkLink* link = Handles().Get<ThunkLink>(data16.Link);
  if (!link || link->data16 != &data16 || entry >= data16.EntryCount) return std::nullopt;
  const auto half32 = Read32(link->data32);
  if (!half32) return std::nullopt;
  const ThunkEntry16 described = Entries16(data16)[entry];
  if (arguments.size() * sizeof(DWORD) != described.ArgumentBytes) return std::nullopt;
  const DWORD number = half32->Entry(entry);
  if (number >= half32->entries) return std::nullopt;
  const ThunkTarget32 target = half32->Target(number);
  if (!target) return std::nullopt;

  const DWORD result = target(arguments.data());
  switch (described.Result) {
    case ThunkResult::Bool16:
      return result != 0 ? TRUE : FALSE;  // a plain cut to 16 bits would lose 0x00010000
    case ThunkResult::None:
      break;
  }
  return 0;
}

const ThunkHeader32* LinkedThunkData32(const ThunkHeader16& data16) {
  const ThunkLink* link = Handles().Get<ThunkLink>(data16.Link);
  return link && link->data16 == &data16 ? link->data32 : nullptr;
}

std::string LastThunkConnectFailure() { return ConnectFailure(); }

int ThunkedCallDepth() { return thunkedDepth; }

}  // namespace velko::platform

BOOL ThunkConnect32(const void* thunkData32, LPCSTR data16Name, LPCSTR dll16, LPCSTR dll32,
                    HINSTANCE instance32, DWORD reason) {
  using namespace velko::platform;
  if (!thunkData32 || !data16Name || !dll16) {
    return Fail("ThunkConnect32 got no thunk data or names");
  }
  const auto* header32 = static_cast<const ThunkHeader32*>(thunkData32);
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      if (Connect(header32, data16Name, dll16, instance32)) return TRUE;
      return Fail(std::string(dll32 ? dll32 : "the 32-bit library") +
                  " cannot connect: " + LastThunkConnectFailure());
    case DLL_PROCESS_DETACH:
      Disconnect(header32, data16Name, dll16);
      return TRUE;
    default:
      return TRUE;
  }
}

void K32Thk1632Prolog() { ++velko::platform::thunkedDepth; }

void K32Thk1632Epilog() {
  if (velko::platform::thunkedDepth > 0) --velko::platform::thunkedDepth;
}
