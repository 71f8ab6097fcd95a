// The class library subset the system's dialogs are written against, over
// our own platform: the application object, windows and dialogs with their
// message dispatch and data exchange, property sheets and pages, the
// open-file dialog, strings, control wrappers, device contexts and GDI
// objects. Include this one header.
#pragma once

#include "platform/win32.h"
#include "platform/user/user.h"

#include "platform/afx/app.h"
#include "platform/afx/byte_string.h"
#include "platform/afx/controls.h"
#include "platform/afx/data_exchange.h"
#include "platform/afx/device_context.h"
#include "platform/afx/dialog.h"
#include "platform/afx/file_dialog.h"
#include "platform/afx/gdi_objects.h"
#include "platform/afx/geometry.h"
#include "platform/afx/property_sheet.h"
#include "platform/afx/window.h"
