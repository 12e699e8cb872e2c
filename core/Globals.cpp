#include "core/Globals.h"

#include "core/CTools.h"
#include "interfaces/IDataManager.h"
#include "interfaces/_cvDataManager.h"

namespace {

// One struct so that the order of release at thread exit is ours, not the
// order in which the thread happened to first touch each reference.
struct ModuleData {
    Ref<IDataManager> dataManager;
    Ref<_cvDataManager> dataManagerObject;
    Ref<CTools> tools;

    ~ModuleData() { Release(); }
    void Release() {
        dataManager.Reset();
        dataManagerObject.Reset();
        tools.Reset();
    }
};

ModuleData& Data() {
    thread_local ModuleData data;
    return data;
}

}  // namespace

const Ref<IDataManager>& gDataManager() { return Data().dataManager; }
const Ref<_cvDataManager>& gDataManagerObject() { return Data().dataManagerObject; }

Ref<CTools> gTools() {
    auto& data = Data();
    if (!data.tools) data.tools = New<CTools>();
    return data.tools;
}

void SetRootReferences(const Ref<IDataManager>& root, const Ref<_cvDataManager>& rootObject) {
    auto& data = Data();
    // Hold the new root before dropping the old one, so that the old root's
    // release never runs while neither is in place.
    Ref<IDataManager> previous = data.dataManager;
    Ref<_cvDataManager> previousObject = data.dataManagerObject;
    data.dataManager = root;
    data.dataManagerObject = rootObject;
    previous.Reset();
    previousObject.Reset();
}

void ReleaseModuleData() {
    // Move the references out first: a release that reads the module data
    // (the root closing its connection) finds it already empty, not half gone.
    auto& data = Data();
    Ref<IDataManager> root = std::move(data.dataManager);
    Ref<_cvDataManager> rootObject = std::move(data.dataManagerObject);
    data.dataManager = Ref<IDataManager>();
    data.dataManagerObject = Ref<_cvDataManager>();
    root.Reset();
    rootObject.Reset();
    data.tools.Reset();
}
