#pragma once
// Every user-interface service of this thread at once.
#include "platform/ui/Clipboard.h"
#include "platform/ui/ComputerName.h"
#include "platform/ui/DoEvents.h"
#include "platform/ui/ErrorWindow.h"
#include "platform/ui/MousePointer.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/NetworkName.h"
#include "platform/ui/WindowUpdate.h"

namespace ui {

// Removes every hook the host installed and empties the clipboard and the
// pointer, so each test starts from what a fresh thread sees.
void ResetUiServices();

}  // namespace ui
