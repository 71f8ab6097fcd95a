// What checks and dumps read from a control, through the messages the
// controls answer: their text, check state, items, selection, position and
// the icon resource they show.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/win32_types.h"

namespace velko::script {

enum class ControlClass : uint8_t { Button, Edit, ComboBox, ListBox, ScrollBar, Static, Trackbar, UpDown, Dialog, Other };

ControlClass ClassOf(HWND control);
// The class for people: "BUTTON", "COMBOBOX", "msctls_trackbar32" ...
std::string ClassName(HWND control);

bool IsList(ControlClass c);

// The items of a combo box or list box (GB2312), and its selection (-1:
// none).
std::vector<std::string> ListItems(HWND list);
int ListSelection(HWND list);

// The icon resource a static (STM_SETICON) or a button (BM_SETIMAGE) shows;
// 0 when it shows none or one that was not loaded from a resource.
int ShownIconResource(HWND control);

// The position of a scroll bar, trackbar or up-down control.
std::optional<int> ControlPosition(HWND control);

// Everything above that applies to the control, texts in UTF-8.
nlohmann::ordered_json ControlToJson(HWND control);

}  // namespace velko::script
