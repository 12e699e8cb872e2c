#include "lists/CListBlock.h"

#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "lists/ListFill.h"
#include "lists/TreeFill.h"
#include "platform/ado/Recordset.h"
#include "platform/toolslib/cvControlHandlers.h"

using namespace listfill;

namespace {

// The relinquished area status is never offered: a relinquished area cannot be
// chosen as a criterion.  The code is compared exactly.
bool SkipRelinquished(const ADODB::Field& code, const ADODB::Field&) {
    return code.IsNull() || code.AsText() == "RELINQ";
}

// Adds a row through the control handler, as every list of this class does.
void AddListItem(const Ref<IListControl>& ctl, const std::string& sText, int32_t lItemData) {
    gTools()->Controls()->ListHandler()->AddListItem(ctl, sText, lItemData);
}

}  // namespace

// ---------------------------------------------------------------- look-ups

std::string CListBlock::LicenceAreaStatusCode(int32_t lID) {
    return licenceAreaStatuses_.CodeFor("CListBlock.IListBlock_LicenceAreaStatusCode(lID)", lID);
}

std::string CListBlock::LicenceAreaStatusDescription(int32_t lID) {
    return licenceAreaStatuses_.DescriptionFor("CListBlock.IListBlock_LicenceAreaStatusDescription(lID)",
                                               lID);
}

std::string CListBlock::LicenceStatusCode(int32_t lID) {
    return licenceStatuses_.CodeFor("CListBlock.IListBlock_LicenceStatusCode(lID)", lID);
}

std::string CListBlock::LicenceStatusDescription(int32_t lID) {
    return licenceStatuses_.DescriptionFor("CListBlock.IListBlock_LicenceStatusDescription(lID)", lID);
}

// ---------------------------------------------------------------- coded look-up lists

void CListBlock::PopulateLicenceStatusList(const Ref<IListControl>& ctl) {
    EndHere(*this, "CListBlock.IListBlock_PopulateLicenceStatusList(ctl.Name)", ERR_ARGS(NameOf(ctl)), [&] {
        FillLookupList(licenceStatuses_, ctl,
                       {.statement = [] { return LookupStatement("LICESTAT"); }, .skip = SkipNone});
    });
}

void CListBlock::PopulateLicenceAreaStatusList(const Ref<IListControl>& ctl) {
    EndHere(*this, "CListBlock.IListBlock_PopulateLicenceAreaStatusList(ctl.Name)", ERR_ARGS(NameOf(ctl)),
            [&] {
                FillLookupList(
                    licenceAreaStatuses_, ctl,
                    {.statement = [] { return LookupStatement("AREASTAT"); }, .skip = SkipRelinquished});
            });
}

// ---------------------------------------------------------------- block location tree

Ref<ADODB::Recordset> CListBlock::GetBlocksInSectors(const std::string& sSectorCodes,
                                                     bool bReturnRelinquished) {
    return PassOn("CListBlock.GetBlocksInSectors(sSectorCodes, bReturnRelinquished)",
                  ERR_ARGS(sSectorCodes, bReturnRelinquished), [&] {
                      const char* key =
                          bReturnRelinquished ? "SQL_ALL_BLOCK_IN_SECTORS" : "SQL_NONRELINQ_BLOCK_IN_SECTORS";
                      return Open(SectorStatement(key, sSectorCodes));
                  });
}

void CListBlock::PopulateBlockLocationTree(const Ref<ITreeView>& tvTree, const std::string& sSelectedSectors,
                                           bool bReturnRelinquished) {
    PassOn(
        "CListBlock.IListBlock_PopulateBlockLocationTree(tvTree.Name, sSelectedSectors, bReturnRelinquished)",
        ERR_ARGS(NameOf(tvTree), sSelectedSectors, bReturnRelinquished), [&] {
            WindowFreeze freeze(tvTree);
            Ref<ADODB::Recordset> rs = GetBlocksInSectors(sSelectedSectors, bReturnRelinquished);
            TreeFill tree(tvTree);
            tree.AddRoot("ROOT", "All");
            const ADODB::Field block = rs->Fields("Block");
            const ADODB::Field basin = rs->Fields("Basin_Name");
            const ADODB::Field code = rs->Fields("Block_Code");
            const ADODB::Field reference = rs->Fields("Block_Reference");
            const ADODB::Field quadrant = rs->Fields("Quadrant");
            const ADODB::Field subBlock = rs->Fields("Sub_Block");
            for (; !rs->Eof(); rs->MoveNext()) {
                if (block.IsNull()) {
                    // A licence area without a block number hangs below its basin.
                    const std::string name = Text(basin);
                    Ref<ITreeNode> parent = tree.ChildOnce("ROOT", "PB_" + name, name);
                    tree.AddChild(parent, "BR_" + Text(code), Text(reference));
                    continue;
                }
                const std::string q = Text(quadrant);
                const std::string whole = q + "/" + Text(block);
                tree.ChildOnce("ROOT", "Q_" + q, q);
                Ref<ITreeNode> node = tree.ChildOnce("Q_" + q, "B_" + whole, whole);
                // The block node answers for the first of its part-blocks.
                const Variant tag = node->Tag();
                if (tag.IsEmpty() || (tag.IsString() && tag.StringRef().empty()))
                    node->SetTag(Variant(Text(code)));
                if (!subBlock.IsNull()) tree.AddChild(node, "BR_" + Text(code), whole + Text(subBlock));
            }
            rs->Close();
        });
}

// ---------------------------------------------------------------- licence lists

void CListBlock::PopulateLicenceTypeTree(const Ref<ITreeView>& ctl) {
    EndHere(*this, "CListBlock.IListBlock_PopulateLicenceTypeTree(ctl.Name)", ERR_ARGS(NameOf(ctl)), [&] {
        Ref<ADODB::Recordset> rs = Open(Template("SQL_LICENCE_TYPES"));
        TreeFill tree(ctl);
        const ADODB::Field type = rs->Fields("LICENCE_TYPE_CODE");
        const ADODB::Field typeDesc = rs->Fields("Licence_Type_Desc");
        const ADODB::Field subType = rs->Fields("Licence_Sub_Type_Code");
        const ADODB::Field subTypeDesc = rs->Fields("Licence_Sub_Type_Desc");
        for (; !rs->Eof(); rs->MoveNext()) {
            // The keys are what the block criteria take apart at "_" again.
            const std::string key = Text(type);
            Ref<ITreeNode> node = tree.TopOnce(key, Text(typeDesc));
            node->SetExpanded(true);
            if (!subTypeDesc.IsNull()) tree.AddChild(node, key + "_" + Part(subType), Text(subTypeDesc));
        }
        rs->Close();
    });
}

void CListBlock::PopulateLicenceReferenceList(const Ref<IListControl>& ctl,
                                              const std::string& sSelectedSectors) {
    EndHere(*this, "CListBlock.IListBlock_PopulateLicenceReferenceList(ctl.Name, sSelectedSectors)",
            ERR_ARGS(NameOf(ctl), sSelectedSectors), [&] {
                Ref<ADODB::Recordset> rs =
                    Open(SectorStatement("SQL_LICENCE_REFERENCE_IN_SECTORS", sSelectedSectors));
                // Emptied only once the statement runs: a failed statement keeps the old rows.
                ctl->Clear();
                const ADODB::Field reference = rs->Fields("Licence_Reference");
                for (; !rs->Eof(); rs->MoveNext()) AddListItem(ctl, Text(reference), -1);
                rs->Close();
            });
}

void CListBlock::PopulateAwardRoundLists(const Ref<IListControl>& ctlNumber, const Ref<IListControl>& ctlDate,
                                         const Ref<IListControl>& ctlDescriptor,
                                         const std::string& sSelectedSectors) {
    EndHere(*this,
            "CListBlock.IListBlock_PopulateAwardRoundLists(ctlNumber.Name, ctlDate.Name, ctlDescriptor.Name, "
            "sSelectedSectors)",
            ERR_ARGS(NameOf(ctlNumber), NameOf(ctlDate), NameOf(ctlDescriptor), sSelectedSectors),
            [&] { FillAwardRoundLists(*ctlNumber, *ctlDate, *ctlDescriptor, sSelectedSectors, ""); });
}

void CListBlock::PopulateBasinList(const Ref<IListControl>& ctl) {
    PassOn("CListBlock.IListBlock_PopulateBasinList(ctl.Name)", ERR_ARGS(NameOf(ctl)),
           [&] { AddListItem(ctl, "Data", 1); });
}

// ---------------------------------------------------------------- data-type choices

void CListBlock::PopulateDatesList(const Ref<IDataTypeChooser>& ctl) {
    PassOn("CListBlock.IListBlock_PopulateDatesList(ctl)", ERR_ARGS(NameOf(ctl)), [&] {
        ctl->AddDataType("Award Date", "Issue_Date");
        ctl->AddDataType("Expiry Date (Initial)", "First_Round");
        ctl->AddDataType("Expiry Date (Final)", "Final_Expiry");
    });
}
