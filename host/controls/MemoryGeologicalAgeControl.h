#pragma once
// An in-memory geological-age control: the three code lists it was last
// given and a tree of eras, periods and formations.  It keeps the very
// collections it is given, so the host sees what the library built.
#include <memory>
#include <string>

#include "MemoryTreeView.h"
#include "interfaces/HostControls.h"

class MemoryGeologicalAgeControl final : public IGeologicalAgeControl {
public:
    explicit MemoryGeologicalAgeControl(std::string sName = "GeologicalAge1");

    std::string Name() override { return name_; }
    Ref<cvCollection> Eras() override { return eras_; }
    void SetEras(const Ref<cvCollection>& oEras) override { eras_ = oEras; }
    Ref<cvCollection> Periods() override { return periods_; }
    void SetPeriods(const Ref<cvCollection>& oPeriods) override { periods_ = oPeriods; }
    Ref<cvCollection> Formations() override { return formations_; }
    void SetFormations(const Ref<cvCollection>& oFormations) override { formations_ = oFormations; }
    Ref<ITreeNodes> Nodes() override { return tree_->Nodes(); }

    // The tree inside the control, for printing and inspection.
    MemoryTreeView& Tree() { return *tree_; }

private:
    std::string name_;
    Ref<cvCollection> eras_;
    Ref<cvCollection> periods_;
    Ref<cvCollection> formations_;
    std::shared_ptr<MemoryTreeView> tree_;
};
