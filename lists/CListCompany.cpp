#include "lists/CListCompany.h"

#include "core/ErrorHandler.h"
#include "lists/ListFill.h"
#include "lists/TreeFill.h"
#include "platform/ado/Recordset.h"

using namespace listfill;

void CListCompany::PopulateOperatorStatusList(const Ref<IListControl>& ctl) {
    EndHere(*this, "CListCompany.IListCompany_PopulateOperatorStatusList", ERR_ARGS(), [&] {
        ctl->Clear();
        for (const char* item : {"Operator", "Non-Operator", "Participant"}) ctl->AddItem(item);
    });
}

void CListCompany::PopulateSearchOptionsList(const Ref<IListControl>& ctl) {
    EndHere(*this, "CListCompany.IListCompany_PopulateSearchOptionsList", ERR_ARGS(), [&] {
        ctl->Clear();
        for (const char* item : {"Overlapping", "Non-Overlapping", "All"}) ctl->AddItem(item);
    });
}

void CListCompany::PopulateCompanyTree(const Ref<ITreeView>& ctlTree) {
    EndHere(*this, "CListCompany.IListCompany_PopulateCompanyTree(ctlTree)", ERR_ARGS(NameOf(ctlTree)), [&] {
        TreeFill tree(ctlTree);
        tree.Nodes().Clear();
        Ref<ADODB::Recordset> rs = Open(Template("SQL_COMPANY_LOOKUP"));
        const ADODB::Field parentCode = rs->Fields("Parent_Code");
        const ADODB::Field companyCode = rs->Fields("Company_Code");
        const ADODB::Field companyName = rs->Fields("Company_Name");
        // The parent of the rows before; consecutive subsidiaries of one
        // parent reuse its node without looking it up again.
        std::string lastParent;
        Ref<ITreeNode> parent;
        for (; !rs->Eof(); rs->MoveNext()) {
            const std::string sParent = Text(parentCode);
            const std::string sCode = Text(companyCode);
            const std::string sName = Text(companyName);
            if (sParent == "0") {
                tree.TopOnce("P_" + sCode, sName);
                continue;
            }
            // A company under several parents, or twice under one, stands at
            // each place: its first node is "S_" & code, the next ones
            // "S1_" & code, "S2_" & code, ...
            std::string key = "S_" + sCode;
            if (sParent != lastParent) {
                parent = tree.Node("P_" + sParent);
                lastParent = sParent;
            }
            for (int32_t n = 1; tree.Exists(key); ++n) key = "S" + CStr(Variant(n)) + "_" + sCode;
            tree.AddChild(parent, key, sName);
        }
        rs->Close();
    });
}
