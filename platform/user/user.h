// USER32, COMCTL32 and COMDLG32 as the system uses them: windows and
// messages, the standard controls, dialogs, property sheets, message boxes,
// context help, the open-file dialog, and the input sources that play the
// user's part.
#pragma once

#include "platform/user/common_dialogs.h"
#include "platform/user/control_messages.h"
#include "platform/user/dialog.h"
#include "platform/user/input.h"
#include "platform/user/messages.h"
#include "platform/user/paint.h"
#include "platform/user/propsheet.h"
#include "platform/user/styles.h"
#include "platform/user/text.h"
#include "platform/user/user_types.h"
#include "platform/user/window.h"
