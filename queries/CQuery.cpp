#include "queries/CQuery.h"

#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "core/SettingsElement.h"
#include "criteria/CParameters.h"
#include "interfaces/IDataManager.h"
#include "interfaces/IParameters.h"
#include "interfaces/_cvDataManager.h"
#include "platform/ado/Recordset.h"
#include "platform/i18n/i18N.h"
#include "platform/toolslib/cvWindows.h"
#include "platform/ui/MsgBox.h"
#include "platform/xml/cvSettings.h"
#include "platform/xml/kqXML.h"
#include "platform/xml/kqXMLNode.h"
#include "queries/CQueryRenderer.h"

namespace {
// The markup of the whole document a settings object stands in.
std::string WholeXml(const Ref<ISettings2>& oSettings) {
    return oSettings->XMLObject()->DocumentNode()->xml();
}

// The sets the parameters container binds, each to its element of
// "Query/Parameters".
constexpr const char* kCriteriaSets[] = {"General", "Block", "Field", "Well", "Transport"};
}  // namespace

CQuery::CQuery() {
    PassOn("CQuery.Class_Initialize", ERR_ARGS(), [&] {
        Ref<CTools> tools = gTools();
        settings_ = tools->NewSettingsObject();
        document_ = tools->NewSettingsObject();
        parameters_ = New<CParameters>();
        renderer_ = New<CQueryRenderer>();
        renderer_->SetQueryDescription(document_);
        id_ = tools->Windows()->NewID();
    });
}

CQuery::~CQuery() {
    // Release never fails outward.
    for (auto& rs : recordsets_) {
        try {
            if (rs && rs->State() == 1) rs->Close();
        } catch (...) {
        }
        rs.Reset();
    }
}

void CQuery::Settings(const Ref<ISettings2>& oSettings) {
    PassOn("CQuery.ISettingsObject2_Settings(oSettings)", ERR_ARGS(oSettings), [&] {
        settings_->Attach(oSettings);
        // DataFolder ends in a separator.
        Load(gDataManager()->DataFolder() + "Default/" +
             settings_->GetValue("Options/DefaultQueryFile").ToString());
    });
}

void CQuery::Load(const std::string& sFile) {
    PassOn("CQuery.IQuery_Load(sFile)", ERR_ARGS(sFile), [&] {
        // Everything the file must hold is found in a document of its own
        // before anything of the query is switched: a file that cannot be
        // read, holds no "Parameters" or lacks one of the five sets leaves
        // the query, its options and its criteria sets on the document they
        // had, instead of splitting them between two files.  The error names
        // the query file, the one the user has to mend, not the host's
        // settings file.
        Ref<ISettings2> loaded = gTools()->NewSettingsObject();
        bool read = loaded->Load(sFile);
        if (read) loaded->LoadXML(gTools()->i18N()->ToUserLanguage(WholeXml(loaded), sFile));
        // A file that could not be read leaves the document empty, so the
        // element is missing from it as from a file without criteria; the
        // message then also says why the file could not be read.
        Ref<ISettings2> parameters = RequiredElement(*loaded, "Query/Parameters", "Parameters", sFile,
                                                     read ? "" : LoadProblemOf(loaded));
        Ref<ISettings2> sets = gTools()->NewSettingsObject();
        sets->Attach(parameters);
        for (const char* set : kCriteriaSets) RequiredElement(*sets, set, set, sFile);
        document_ = loaded;
        renderer_->SetQueryDescription(document_);
        Cast<ISettingsObject2>(parameters_)->Settings(parameters);
    });
}

void CQuery::Save(const std::string& sFile) {
    SaveFile(sFile, ExistingFile::Replace, [] { return true; });
}

void CQuery::SaveFile(const std::string& sFile, ExistingFile existing, const std::function<bool()>& goOn) {
    EndHere(*this, "CQuery.IQuery_Save", ERR_ARGS(sFile), [&] {
        PendingFile file(sFile, Cast<cvSettings>(StoredForm(sFile))->SavedText(sFile), "cvSettings",
                         existing);
        if (goOn()) file.Publish();
    });
}

// The query as a file holds it.  The settings document writes beside the
// target and renames, so a failed save leaves the earlier file whole.
Ref<ISettings2> CQuery::StoredForm(const std::string& sFile) {
    Ref<ISettings2> stored = gTools()->NewSettingsObject();
    stored->LoadXML(gTools()->i18N()->ToStoredForm(parameters_->ParamXML(), sFile));
    return stored;
}

std::string CQuery::QueryType() {
    Variant type = document_->GetValue(kAssetTypePath);
    if (type.IsNull()) {
        document_->SetValue(kAssetTypePath, Variant("Block"));
        type = document_->GetValue(kAssetTypePath);
    }
    return type.ToString();
}

void CQuery::SetQueryType(const std::string& sType) { document_->SetValue(kAssetTypePath, Variant(sType)); }

std::string CQuery::GrossNet() {
    Variant grossNet = document_->GetValue(kGrossNetPath);
    return grossNet.IsNull() ? "Gross" : grossNet.ToString();
}

void CQuery::SetGrossNet(const std::string& sGrossNet) {
    document_->SetValue(kGrossNetPath, Variant(sGrossNet));
}

void CQuery::BuildDescriptionTree() {
    PassOn("CQuery.IQuery_BuildDescriptionTree()", ERR_ARGS(), [&] {
        renderer_->SetDescriptionTree(gDataManagerObject()->QueryDescriptionTree());
        renderer_->RenderDescriptionTree();
    });
}

void CQuery::Clear() {
    PassOn("CQuery.IQuery_Clear()", ERR_ARGS(),
           [&] { gTools()->Windows()->ShowMessage("N/A", ui::vbCritical); });
}
