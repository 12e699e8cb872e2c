#include "DoEvents.h"

#include "ThreadHook.h"

namespace ui {
namespace {
using Hook = ThreadHook<DoEventsHook, struct DoEventsTag>;
using GiveUpHook = ThreadHook<GiveUpWaitingHook, struct GiveUpWaitingTag>;
}  // namespace

DoEventsHook SetDoEventsHook(DoEventsHook hook) { return Hook::Set(std::move(hook)); }

void DoEvents() {
    if (Hook::Get()) Hook::Get()();
}

GiveUpWaitingHook SetGiveUpWaitingHook(GiveUpWaitingHook hook) { return GiveUpHook::Set(std::move(hook)); }

bool GiveUpWaiting() { return GiveUpHook::Get() && GiveUpHook::Get()(); }

}  // namespace ui
