#include "UiServices.h"

namespace ui {

void ResetUiServices() {
    SetMessageBoxHandler({});
    ResetErrorWindow();
    Clipboard::Reset();
    ResetMousePointer();
    SetDoEventsHook({});
    SetNetworkNameResolver({});
    SetWindowUpdateHook({});
}

}  // namespace ui
