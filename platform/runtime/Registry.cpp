#include "Registry.h"

#include <map>
#include <mutex>

#include "Error.h"
#include "Text.h"

namespace {

// Shared by every thread: classes are registered once, at start-up, and
// created from any thread.
struct ClassTable {
    std::mutex lock;
    std::map<std::string, ObjectFactory> factories;  // folded identifier -> factory
};

ClassTable& Table() {
    static ClassTable table;
    return table;
}

}  // namespace

void RegisterClass(const std::string& sProgID, ObjectFactory factory) {
    if (sProgID.empty() || !factory) Raise(rt::kInvalidCall, "RegisterClass", "A class needs a program identifier and a factory");
    ClassTable& t = Table();
    std::lock_guard<std::mutex> guard(t.lock);
    t.factories[LCase(sProgID)] = std::move(factory);
}

bool IsClassRegistered(const std::string& sProgID) {
    ClassTable& t = Table();
    std::lock_guard<std::mutex> guard(t.lock);
    return t.factories.count(LCase(sProgID)) != 0;
}

Ref<Object> CreateObject(const std::string& sProgID) {
    ObjectFactory factory;
    {
        ClassTable& t = Table();
        std::lock_guard<std::mutex> guard(t.lock);
        auto it = t.factories.find(LCase(sProgID));
        if (it != t.factories.end()) factory = it->second;
    }
    // The factory runs outside the lock: a constructor may create objects too.
    std::shared_ptr<Object> made = factory ? factory() : nullptr;
    if (!made)
        Raise(rt::kCantCreateObject, "CreateObject",
              RuntimeErrorText(rt::kCantCreateObject) + ": \"" + sProgID + "\"");
    return Ref<Object>(std::move(made));
}
