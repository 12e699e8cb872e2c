// A minimal host: creates the root, hands it a settings file, opens the
// database and prints the version and data release.  Exit status 0 only when
// every step worked.
#include <terralith/Terralith.h>

#include <iostream>

namespace {
// Status and progress are of no interest here; the root needs someone to send them to.
class QuietCallBack final : public IParentCallBack {
public:
    void Call(const Ref<ICallBackClient2>&, const Variant&) override {}
};
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: consumer SETTINGS.xml\n";
        return 2;
    }
    try {
        Ref<cvDataManager> root = cvDataManager::Create();
        Ref<ISettings2> settings = CreateObjectAs<ISettings2>("cvSettings.Settings");
        if (!settings->Load(argv[1])) {
            std::cerr << "cannot load " << argv[1] << "\n";
            return 1;
        }
        root->Settings(settings);
        root->RegisterCallBack(New<QuietCallBack>());
        root->OpenDatabase();
        if (root->ErrorNumber() != 0) {
            std::cerr << root->ErrorDescription() << "\n";
            return 1;
        }
        std::cout << "Terralith " << root->VersionString() << ", data release " << root->DataRelease()
                  << "\n";
        return 0;
    } catch (const Error& e) {
        std::cerr << e.Description() << "\n";
        return 1;
    }
}
