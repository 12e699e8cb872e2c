#include "criteria/CParameters.h"

#include <vector>

#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "core/SettingsElement.h"
#include "criteria/CBlock.h"
#include "criteria/CField.h"
#include "criteria/CGeneral.h"
#include "criteria/CTransport.h"
#include "criteria/CWell.h"
#include "platform/xml/kqXML.h"
#include "platform/xml/kqXMLNode.h"

CParameters::CParameters() {
    PassOn("CParameters.Class_Initialize()", ERR_ARGS(), [&] {
        settings_ = gTools()->NewSettingsObject();
        general_ = New<CGeneral>();
        block_ = New<CBlock>();
        field_ = New<CField>();
        well_ = New<CWell>();
        transport_ = New<CTransport>();
    });
}

bool CParameters::Modified() {
    // No short cut: every set is asked.
    bool modified = general_->Modified();
    modified = block_->Modified() || modified;
    modified = field_->Modified() || modified;
    modified = well_->Modified() || modified;
    modified = transport_->Modified() || modified;
    return modified;
}

void CParameters::SetModified(bool bModified) {
    general_->SetModified(bModified);
    block_->SetModified(bModified);
    field_->SetModified(bModified);
    well_->SetModified(bModified);
    transport_->SetModified(bModified);
}

std::string CParameters::ParamXML() { return settings_->XMLObject()->DocumentNode()->xml(); }

void CParameters::Settings(const Ref<ISettings2>& oSettings) {
    EndHere(*this, "CParameters.ISettingsObject2_Settings(oSettings)", ERR_ARGS(oSettings), [&] {
        const std::pair<const char*, Ref<ISettingsObject2>> sets[] = {
            {"General", Cast<ISettingsObject2>(general_)},     {"Block", Cast<ISettingsObject2>(block_)},
            {"Field", Cast<ISettingsObject2>(field_)},         {"Well", Cast<ISettingsObject2>(well_)},
            {"Transport", Cast<ISettingsObject2>(transport_)},
        };
        // Every element is found before anything is bound: a query file that
        // lacks one leaves the container and all five sets on the query they
        // had, never some on the new file and some on the old.
        Ref<ISettings2> candidate = gTools()->NewSettingsObject();
        candidate->Attach(oSettings);
        std::vector<Ref<ISettings2>> elements;
        for (const auto& set : sets) elements.push_back(RequiredElement(*candidate, set.first));
        settings_ = candidate;
        for (size_t i = 0; i < elements.size(); ++i) sets[i].second->Settings(elements[i]);
    });
}
