#pragma once
// A field chooser on a stand-in root whose lists hand out a catalogue the
// tests build: the nine result grids, each offering the same columns.
//
//   NAME  pinned first (Mandatory 1)     PIN3  pinned at position 3
//   LAST  pinned last (Mandatory -1)     A B C D E  free
//   RES   free, unit category Total_Reserves (default unit MMboe)
//   DEPTH free, unit category Depth (default unit m)
//   AR1 AR2  free annual-row columns
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fieldchooser/CFieldDetail.h"
#include "fieldchooser/CSelectedFields.h"
#include "interfaces/ResultGrids.h"
#include "platform/runtime/cvCollection.h"
#include "support/FakeLists.h"
#include "support/FakeRootFixture.h"

class ChooserFixture : public FakeRootFixture {
protected:
    struct Column {
        const char* name;
        int32_t mandatory = 0;
        const char* category = "";
        bool annualRow = false;
    };

    static const std::vector<Column>& StandardColumns() {
        static const std::vector<Column> columns = {
            {"NAME", 1},
            {"A"},
            {"B"},
            {"C"},
            {"D"},
            {"E"},
            {"RES", 0, "Total_Reserves"},
            {"DEPTH", 0, "Depth"},
            {"PIN3", 3},
            {"LAST", -1},
            {"AR1", 0, "", true},
            {"AR2", 0, "", true},
        };
        return columns;
    }

    static Ref<cvCollection> GridCollection(const std::vector<Column>& columns, const std::string& asset,
                                            const std::string& grid) {
        Ref<cvCollection> fields = gTools()->NewCollection();
        for (const Column& c : columns) {
            auto detail = New<CFieldDetail>();
            detail->SetFieldName(c.name);
            detail->SetDisplayName(std::string("Column ") + c.name);
            detail->SetAssetType(asset);
            detail->SetGridType(grid);
            detail->SetCategory(c.category);
            detail->SetMandatory(c.mandatory);
            detail->SetSequence(c.mandatory);
            detail->SetAnnualRow(c.annualRow);
            fields->Add(Variant(Ref<IDisplayField>(detail)), c.name);
        }
        Ref<cvCollection> entry = gTools()->NewCollection();
        entry->Add(Variant(fields), "FIELDS");
        entry->Add(Variant(gTools()->NewCollection()), "INDICES");
        return entry;
    }

    // A root whose lists give the standard catalogue, and a chooser on it.
    Ref<CSelectedFields> MakeChooser() {
        MakeRoot();
        lists = New<FakeLists>();
        catalogue = gTools()->NewCollection();
        for (const auto& g : terralith::kResultGrids) {
            if (!catalogue->Exists(g.assetType))
                catalogue->Add(Variant(gTools()->NewCollection()), g.assetType);
            catalogue->Item(Variant(g.assetType))
                .ToObject<cvCollection>()
                ->Add(Variant(GridCollection(StandardColumns(), g.assetType, g.gridType)), g.gridType);
        }
        lists->SetAvailableFields(catalogue);
        root->SetLists(lists);
        chooser = New<CSelectedFields>();
        return chooser;
    }

    Ref<IDisplayField> F(const std::string& name, const std::string& asset = "Field",
                         const std::string& grid = "Assets") {
        return catalogue->Item(Variant(asset))
            .ToObject<cvCollection>()
            ->Item(Variant(grid))
            .ToObject<cvCollection>()
            ->Item(Variant("FIELDS"))
            .ToObject<cvCollection>()
            ->Item(Variant(name))
            .ToObject<IDisplayField>();
    }

    // The grid's columns by position; "<hole>" where a position has no entry,
    // and a field whose Sequence is not its position is marked "name@seq".
    std::vector<std::string> Columns(const std::string& asset = "Field", const std::string& grid = "Assets") {
        Ref<cvCollection> index = chooser->Index(asset, grid, "FIELD_SEQUENCE_INDEX");
        std::vector<std::string> out;
        for (int32_t p = 1; p <= index->Count(); ++p) {
            const std::string key = "I_" + Dec(p);
            if (!index->Exists(key)) {
                out.push_back("<hole>");
                continue;
            }
            const std::string name = CStr(index->Item(Variant(key)));
            const int32_t seq = F(name, asset, grid)->Sequence();
            out.push_back(seq == p ? name : name + "@" + Dec(seq));
        }
        return out;
    }

    static std::string Dec(int32_t n) { return CStr(Variant(n)); }

    // Adds the columns in turn.
    void Choose(const std::vector<std::string>& names, const std::string& asset = "Field",
                const std::string& grid = "Assets") {
        for (const std::string& n : names) ASSERT_GT(chooser->AddFieldToSeqIndex(asset, grid, n), 0) << n;
    }

    // A layout document with the given "Fields" content for one grid and
    // empty ones for the other eight.
    static std::string Layout(const std::string& asset, const std::string& grid, const std::string& fields,
                              const std::string& extra = "") {
        std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<GridLayouts>\n  <AssetTypes>\n";
        std::string open;
        for (const auto& g : terralith::kResultGrids) {
            if (open != g.assetType) {
                if (!open.empty()) xml += "      </Grids>\n    </" + open + ">\n";
                open = g.assetType;
                xml += "    <" + open + ">\n      <Grids>\n";
            }
            const bool here = asset == g.assetType && grid == g.gridType;
            xml += std::string("        <") + g.gridType + "><Fields>" + (here ? fields : "") + "</Fields>" +
                   (here ? extra : "") + "</" + g.gridType + ">\n";
        }
        xml += "      </Grids>\n    </" + open + ">\n  </AssetTypes>\n</GridLayouts>\n";
        return xml;
    }
    static std::string FieldElement(const std::string& id, const std::string& seq,
                                    const std::string& width = "", const std::string& unit = "") {
        return "<Field ID=\"" + id + "\" UnitID=\"" + unit + "\" Seq=\"" + seq + "\" ColumnWidth=\"" + width +
               "\"/>";
    }

    // Messages shown with the title, in order.
    std::vector<std::string> Shown(const std::string& title) const {
        std::vector<std::string> out;
        for (const auto& m : messages)
            if (m.title == title) out.push_back(m.text);
        return out;
    }

    Ref<FakeLists> lists;
    Ref<cvCollection> catalogue;
    Ref<CSelectedFields> chooser;
};
