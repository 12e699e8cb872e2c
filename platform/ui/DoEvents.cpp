#include "DoEvents.h"

#include "ThreadHook.h"

namespace ui {
namespace {
using Hook = ThreadHook<DoEventsHook, struct DoEventsTag>;
}

DoEventsHook SetDoEventsHook(DoEventsHook hook) { return Hook::Set(std::move(hook)); }

void DoEvents() {
    if (Hook::Get()) Hook::Get()();
}

}  // namespace ui
