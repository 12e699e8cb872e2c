#include "queries/CQueryRenderer.h"

#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "core/StoredValues.h"
#include "platform/toolslib/cvControlHandlers.h"
#include "platform/ui/WindowUpdate.h"

namespace {
constexpr const char* kRoot = "Query";
constexpr const char* kCompanyDetail = "Query.General.CompanyDetail";
constexpr const char* kLocationDetail = "Query.General.LocationDetail";
constexpr const char* kCompanies = "Query.General.CompanyDetail.Companies";
constexpr const char* kSubsidiaries = "Query.General.CompanyDetail.Subsiduaries";
constexpr const char* kRegions = "Query.General.LocationDetail.Regions";
constexpr const char* kCompanyDetailXml = "Query/Parameters/General/CompanyDetail/";

constexpr int32_t RGB(int32_t r, int32_t g, int32_t b) { return r + 256 * g + 65536 * b; }
constexpr int32_t kGrey = RGB(100, 100, 100);
constexpr int32_t kWhite = RGB(255, 255, 255);
}  // namespace

void CQueryRenderer::RenderDescriptionTree() {
    if (!tree_) return;
    EndHere(*this, "CQueryRenderer.RenderDescriptionTree()", ERR_ARGS(), [&] {
        // No redrawing while nodes are removed and added.
        ui::LockWindowUpdate(tree_->hWnd());
        Base();
        Companies();
        Location();
        Ref<ITreeNode> root = tree_->Nodes()->Item(kRoot);
        root->SetForeColor(kGrey);
        root->SetBackColor(kWhite);
        gTools()->Controls()->TreeHandler()->ColourBranch(root, kGrey, kWhite);
    });
    ui::LockWindowUpdate(0);
}

bool CQueryRenderer::Exists(const std::string& sKey) {
    return gTools()->Controls()->TreeHandler()->NodeExists(tree_, sKey);
}

void CQueryRenderer::Base() {
    PassOn("CQueryRenderer.Base()", ERR_ARGS(), [&] {
        Ref<ITreeNodes> nodes = tree_->Nodes();
        Ref<ITreeNode> root = Exists(kRoot) ? nodes->Item(kRoot) : nodes->Add("", tvwLast, kRoot, "Query");
        if (!Exists(kCompanyDetail)) nodes->Add(kRoot, tvwChild, kCompanyDetail, "Company Selection");
        if (!Exists(kLocationDetail)) nodes->Add(kRoot, tvwChild, kLocationDetail, "Location");
        root->SetExpanded(true);
    });
}

void CQueryRenderer::Companies() {
    PassOn("CQueryRenderer.Companies()", ERR_ARGS(), [&] {
        Ref<ITreeNodes> nodes = tree_->Nodes();
        nodes->Item(kCompanyDetail)->SetExpanded(true);
        // A query without the element leaves the branch as an earlier
        // rendering left it.
        if (!query_->Select("/Query/Parameters/General/CompanyDetail/Companies")) return;
        Ref<ISettings2> companies = query_->Node();
        if (Exists(kCompanies)) nodes->Remove(kCompanies);
        int32_t count = companies->ChildCount();
        if (count > 0) {
            nodes->Add(kCompanyDetail, tvwChild, kCompanies, "Companies")->SetExpanded(true);
            for (int32_t i = 0; i < count; ++i) {
                companies->EnterChild(i);
                std::string id = companies->Attribute("ID");
                std::string shortName = companies->Attribute("ShortName");
                nodes->Add(kCompanies, tvwChild, "C_" + id, shortName);
                companies->LeaveChild();
            }
        }

        if (Exists(kSubsidiaries)) nodes->Remove(kSubsidiaries);
        // Read as the company criteria read it, so that a value that is no
        // flag is refused here with the words a run of the query uses.
        Variant subsidiaries = query_->GetValue(std::string(kCompanyDetailXml) + "Subsiduaries");
        if (!subsidiaries.IsNull() && FlagOf("CompanyDetail/Subsiduaries", subsidiaries.ToString()))
            nodes->Add(kCompanyDetail, tvwChild, kSubsidiaries, "Include Subsidiaries");

        OptionBranch("OperatorStatus", "Query.General.CompanyDetail.OperatorStatus", "Operator Status",
                     "Query.General.CompanyDetail.OperatorStatus.Status");
        OptionBranch("SearchOptions", "Query.General.CompanyDetail.SearchOptions", "Search Options",
                     "Query.General.CompanyDetail.SearchOptions.Options");
        OptionBranch("Netting", "Query.General.CompanyDetail.Netting", "Netting",
                     "Query.General.CompanyDetail.Netting.Value");
    });
}

void CQueryRenderer::OptionBranch(const std::string& sPath, const std::string& sKey, const std::string& sText,
                                  const std::string& sValueKey) {
    Ref<ITreeNodes> nodes = tree_->Nodes();
    if (Exists(sKey)) nodes->Remove(sKey);
    Variant value = query_->GetValue(kCompanyDetailXml + sPath);
    if (value.IsNull()) return;
    nodes->Add(kCompanyDetail, tvwChild, sKey, sText)->SetExpanded(true);
    nodes->Add(sKey, tvwChild, sValueKey, value.ToString());
}

std::string CQueryRenderer::ReuseOrAdd(const std::string& sParent, const std::string& sKey,
                                       const std::string& sText) {
    Ref<ITreeNodes> nodes = tree_->Nodes();
    // Found anywhere in the tree, the node is taken as it is, wherever it stands.
    Ref<ITreeNode> node = Exists(sKey) ? nodes->Item(sKey) : nodes->Add(sParent, tvwChild, sKey, sText);
    node->SetExpanded(true);
    return sKey;
}

void CQueryRenderer::Location() {
    PassOn("CQueryRenderer.Location()", ERR_ARGS(), [&] {
        Ref<ITreeNodes> nodes = tree_->Nodes();
        nodes->Item(kLocationDetail)->SetExpanded(true);
        if (!query_->Select("/Query/Parameters/General/LocationDetail/Sectors")) return;
        Ref<ISettings2> sectors = query_->Node();
        if (Exists(kRegions)) nodes->Remove(kRegions);
        int32_t count = sectors->ChildCount();
        if (count == 0) return;
        nodes->Add(kLocationDetail, tvwChild, kRegions, "Regions")->SetExpanded(true);
        for (int32_t i = 0; i < count; ++i) {
            sectors->EnterChild(i);
            const std::string region = sectors->Attribute("RegionName");
            std::string country = sectors->Attribute("CountryName");
            // A country chosen as a whole is stored by its code alone: it shows
            // as that country, straight under the regions and with no sector,
            // rather than as blank region, country and sector nodes.
            if (country.empty()) country = sectors->Attribute("CountryCode");
            const std::string sector = sectors->Attribute("SectorCode");
            std::string parent = kRegions;
            if (!region.empty()) parent = ReuseOrAdd(parent, "REG_" + region, region);
            if (!country.empty()) parent = ReuseOrAdd(parent, "COU_" + country, country);
            if (!sector.empty()) ReuseOrAdd(parent, "SEC_" + sector, sectors->Attribute("SectorName"));
            sectors->LeaveChild();
        }
    });
}
