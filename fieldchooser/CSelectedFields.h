#pragma once
// The field chooser: for every asset type and grid the user's choice of
// columns, their order and a year range.  It keeps no copies: the choice
// lives in index collections inside the field catalogue of the lists root,
// which it takes when it is made, and a column's position, unit and width in
// the catalogue's own field descriptions.  The root makes it as the last step
// of opening the database.
//
// The grid layout file holds, per grid, one "Field" element per chosen column
// (attributes ID, UnitID, Seq, ColumnWidth) below
// "GridLayouts/AssetTypes/<asset>/Grids/<grid>/Fields", and an optional
// "YearRange" element beside it.  The document is held in the user's language
// and written back whole, so whatever else a file holds survives a save.
// Loading a grid:
// - an element whose ID the grid's catalogue does not hold is skipped, and so
//   is a second element naming a field already read;
// - a pinned field (Mandatory n) takes position n, or the n-th from the end
//   for a negative n, whatever its "Seq" says (where pins meet in a short
//   grid, those counted from the end win); a free field that stood there
//   moves behind it instead of being dropped; a free field whose "Seq" names
//   the position of an earlier free field gets no column;
// - a pinned column the grid already shows stays when the file does not list
//   it, since pinned columns cannot be removed;
// - a "Seq" below 1, beyond the number of elements or not a number puts the
//   column at the end; the columns then close up to positions 1 to Count;
// - a "ColumnWidth" that is not a whole number from 0 reads as 0;
// - an empty "UnitID" of a field with a unit category is filled with the
//   category's default unit; an unknown unit is reported in a warning box and
//   the default unit is used.
// A grid is read whole before its columns are replaced, and a file that is
// missing, not well-formed or not a layout document changes nothing.  A grid
// that could not be loaded is written back on saving exactly as the file
// holds it, until the user changes its columns.
#include <set>
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IFieldChooser.h"

class cvCollection;
class ISettings2;

class CSelectedFields final : public IFieldChooser, public ShowsErrors<ErrDisplay::G> {
public:
    // Takes the catalogue from the root's lists, which builds it when it does
    // not exist yet; a failure is shown and leaves the chooser without one.
    CSelectedFields();

    int32_t NextIndex(const std::string& sAssetType, const std::string& sGridType) override;
    void SetLayoutFile(const std::string& sFile) override;
    Ref<IDisplayField> Field(const std::string& sAssetType, const std::string& sGridType,
                             const std::string& sFieldID) override;
    Ref<cvCollection> Fields(const std::string& sAssetType, const std::string& sGridType) override;
    Ref<cvCollection> ActiveFields(const std::string& sAssetType, const std::string& sGridType) override;
    Ref<cvCollection> Index(const std::string& sAssetType, const std::string& sGridType,
                            const std::string& sIndex) override;
    void SetAnnualFromYear(const std::string& sAssetType, const std::string& sGridType,
                           const std::string& sYear) override;
    std::string AnnualFromYear(const std::string& sAssetType, const std::string& sGridType) override;
    void SetAnnualToYear(const std::string& sAssetType, const std::string& sGridType,
                         const std::string& sYear) override;
    std::string AnnualToYear(const std::string& sAssetType, const std::string& sGridType) override;
    void SetAllYears(const std::string& sAssetType, const std::string& sGridType, int32_t lValue) override;
    int32_t AllYears(const std::string& sAssetType, const std::string& sGridType) override;
    bool RemoveFieldFromSeqIndex(const std::string& sAssetType, const std::string& sGridType,
                                 int32_t lSeq) override;
    int32_t AddFieldToSeqIndex(const std::string& sAssetType, const std::string& sGridType,
                               const std::string& sFieldID) override;
    void Save(const std::string& sFile) override;
    int32_t MoveUp(const std::string& sAssetType, const std::string& sGridType,
                   const std::string& sFieldID) override;
    int32_t MoveDown(const std::string& sAssetType, const std::string& sGridType,
                     const std::string& sFieldID) override;
    void ClearAll(const std::string& sAssetType, const std::string& sGridType) override;

    // The path last given to SetLayoutFile ("" until then).
    const std::string& LayoutFileName() const { return layoutFile_; }

    std::string TypeName() const override { return "CSelectedFields"; }

private:
    // Look-ups that raise what the collections raise (5 for an unknown key,
    // 91 without a catalogue); the members above add their own handling.
    Ref<cvCollection> GridOf(const std::string& sAssetType, const std::string& sGridType) const;
    Ref<cvCollection> FieldsOf(const std::string& sAssetType, const std::string& sGridType) const;
    Ref<IDisplayField> FieldOf(const std::string& sAssetType, const std::string& sGridType,
                               const std::string& sFieldID) const;
    Ref<cvCollection> IndexOf(const std::string& sAssetType, const std::string& sGridType,
                              const std::string& sIndex) const;
    Ref<cvCollection> SeqIndex(const std::string& sAssetType, const std::string& sGridType) const;
    // The field whose key the index holds at position lPos.
    Ref<IDisplayField> FieldAt(const std::string& sAssetType, const std::string& sGridType,
                               const Ref<cvCollection>& index, int32_t lPos) const;
    // The chosen fields in column order, each once; raises on a gap.
    Ref<cvCollection> ActiveList(const std::string& sAssetType, const std::string& sGridType) const;
    // The position the index holds sFieldID at (the later one when twice), 0 when it holds none.
    int32_t PositionOf(const Ref<cvCollection>& index, const std::string& sFieldID) const;

    void BuildFieldSeq(const std::string& sAssetType, const std::string& sGridType);
    // Removes the free column at lSeq; False when there is none or it is pinned.
    bool RemoveAt(const std::string& sAssetType, const std::string& sGridType, int32_t lSeq, bool bTell);
    int32_t Move(const std::string& sAssetType, const std::string& sGridType, const std::string& sFieldID,
                 int32_t lStep);

    std::string YearRangePath(const std::string& sAssetType, const std::string& sGridType,
                              const std::string& sAttribute) const;
    void WriteYearRange(const std::string& sAssetType, const std::string& sGridType,
                        const std::string& sAttribute, const std::string& sValue);
    std::string ReadYearRange(const std::string& sAssetType, const std::string& sGridType,
                              const std::string& sAttribute) const;

    void LoadLayout();
    void LoadLayoutSettings(const std::string& sAssetType, const std::string& sGridType);
    void SaveLayoutSettings(const std::string& sAssetType, const std::string& sGridType);
    // The user changed the grid: from now on it is saved from its columns.
    void Touched(const std::string& sAssetType, const std::string& sGridType);

    Ref<cvCollection> catalogue_;
    Ref<ISettings2> layout_;
    std::string layoutFile_;
    // Grids ("Field/Annual") the last load did not reach: the document keeps
    // what the file says for them.
    std::set<std::string> notLoaded_;
};
