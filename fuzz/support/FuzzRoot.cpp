#include "support/FuzzRoot.h"

#include <filesystem>
#include <fstream>
#include <memory>

#include "core/CTools.h"
#include "core/Globals.h"
#include "interfaces/IQueryManager.h"
#include "platform/runtime/Error.h"
#include "platform/ui/UiServices.h"
#include "support/FuzzCheck.h"

namespace fuzz {

namespace {

void WriteText(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) Fail("cannot write " + path);
}

// Settings with what the root and the query manager read when they are made:
// the data folder, the units (none) and the default query file's name.
std::string SettingsXml(const std::string& folder) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<Terralith>\n"
           "  <Options>\n"
           "    <Paths><DataFolder>" +
           folder + "</DataFolder><UserDataFolder>" + folder +
           "User/</UserDataFolder></Paths>\n"
           "    <Files><CoreDatabase>Terralith.db</CoreDatabase><i18N></i18N></Files>\n"
           "    <DefaultQueryFile>Default.xml</DefaultQueryFile>\n"
           "  </Options>\n"
           "  <Units/>\n"
           "  <QueryManager><Query><Options><DefaultQueryFile>Default.xml</DefaultQueryFile></Options>"
           "</Query></QueryManager>\n"
           "</Terralith>\n";
}

// A new query: the empty criteria sections of the five sets.
const char* const kDefaultQuery =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Query><Options><AssetType>Field</AssetType><GrossNet>Gross</GrossNet></Options>"
    "<Parameters><General><CompanyDetail/><LocationDetail/></General><Block><BlockDetail/></Block>"
    "<Field><FieldDetail/></Field><Well><WellDetail/></Well><Transport><TransportDetail/></Transport>"
    "</Parameters></Query>\n";

class CountingErrorWindow final : public ui::ErrorWindowPresenter {
public:
    explicit CountingErrorWindow(FuzzRoot& owner) : owner_(owner) {}
    void Show(const std::string&, const std::string& text) override {
        ++owner_.shownErrors;
        owner_.lastShown = text;
    }
    void SetText(const std::string& text) override { owner_.lastShown = text; }
    void Activate() override {}
    void MakeTopmost() override {}
    void Hide() override {}

private:
    FuzzRoot& owner_;
};

}  // namespace

FuzzRoot& FuzzRoot::Get() {
    // Never destroyed: the library's per-thread data may outlive statics.
    static FuzzRoot* made = [] {
        auto* r = new FuzzRoot;
        r->dataFolder = TempFolder() + "data/";
        WriteText(r->dataFolder + "Default/Default.xml", kDefaultQuery);
        std::filesystem::create_directories(r->dataFolder + kAssetIndexFolder);
        const std::string settingsFile = r->dataFolder + "Terralith.settings.xml";
        WriteText(settingsFile, SettingsXml(r->dataFolder));

        ui::SetMessageBoxHandler([r](const std::string& text, int32_t style, const std::string&) {
            ++r->shownErrors;
            r->lastShown = text;
            return ui::DefaultAnswer(style);
        });
        ui::SetErrorWindowPresenter(std::make_shared<CountingErrorWindow>(*r));

        try {
            r->root = cvDataManager::Create();
            Ref<ISettings2> settings = gTools()->NewSettingsObject();
            if (!settings->Load(settingsFile)) Fail("cannot load the settings " + settingsFile);
            r->root->Settings(settings);
            // The routines that change a query ask whether the active one is read-only.
            r->root->Queries()->Query("-1");
        } catch (const Error& e) {
            Fail("cannot make the root: " + e.Description());
        }
        if (r->shownErrors) Fail("making the root showed an error", r->lastShown);
        return r;
    }();
    return *made;
}

}  // namespace fuzz
