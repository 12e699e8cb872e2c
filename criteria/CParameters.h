#pragma once
// A query's bundle of criteria: the five criteria sets, each bound to its
// element below the query's "Parameters" element, answered for together
// where the query asks whether anything changed and what the XML reads.
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/ICriteria.h"
#include "interfaces/IParameters.h"
#include "interfaces/ISettingsObject2.h"

class CGeneral;

class CParameters final : public IParameters, public ISettingsObject2, public ShowsErrors<ErrDisplay::C> {
public:
    CParameters();

    // IParameters
    Ref<IGeneral> General() override { return general_; }
    Ref<IBlock> Block() override { return block_; }
    Ref<IField> Field() override { return field_; }
    Ref<IWell> Well() override { return well_; }
    Ref<ITransport> Transport() override { return transport_; }
    // True when any set reports a change; every set is asked.
    bool Modified() override;
    // Handed to every set (each ignores it while the active query is read-only).
    void SetModified(bool bModified) override;
    // The markup of the whole query document the container is bound into.
    std::string ParamXML() override;

    // ISettingsObject2: binds the five sets to "General", "Block", "Field",
    // "Well" and "Transport" below the element handed in.  When one of them is
    // missing it shows &H8004183C naming it and binds nothing.
    void Settings(const Ref<ISettings2>& oSettings) override;

    // A general set a caller may park here; the container itself never
    // sets or reads it.
    Ref<CGeneral> General2() const { return general2_; }
    void SetGeneral2(const Ref<CGeneral>& oGeneral) { general2_ = oGeneral; }

    std::string TypeName() const override { return "CParameters"; }

private:
    Ref<ISettings2> settings_;
    Ref<IGeneral> general_;
    Ref<IBlock> block_;
    Ref<IField> field_;
    Ref<IWell> well_;
    Ref<ITransport> transport_;
    Ref<CGeneral> general2_;
};
