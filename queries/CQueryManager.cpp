#include "queries/CQueryManager.h"

#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "core/SettingsElement.h"
#include "core/mTL5ErrorCodes.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/cvCollection.h"
#include "platform/toolslib/cvWindows.h"
#include "platform/ui/MsgBox.h"
#include "queries/CQuery.h"

CQueryManager::CQueryManager() {
    PassOn("CQueryManager.Class_Initialize()", ERR_ARGS(), [&] {
        settings_ = gTools()->NewSettingsObject();
        queries_ = gTools()->NewCollection();
        ids_.assign(kInitialSlots, "");
    });
}

std::string CQueryManager::Slot(int32_t lPosition) const {
    if (lPosition < 0 || static_cast<size_t>(lPosition) >= ids_.size()) return "";
    return ids_[static_cast<size_t>(lPosition)];
}

void CQueryManager::Settings(const Ref<ISettings2>& oSettings) { settings_->Attach(oSettings); }

Ref<IQuery> CQueryManager::Query(const std::string& Index) {
    return EndHere(*this, "CQueryManager.IQueryManager_Query(Index)", ERR_ARGS(Index), [&] {
        std::string key = Index;
        if (IsNumericText(Index)) {
            int32_t position = Variant(Index).ToLong();
            if (position == -1) {
                if (Slot(current_).empty()) {
                    if (Slot(last_).empty())
                        New();
                    else
                        current_ = last_;
                }
            } else {
                current_ = position;
            }
            key = Slot(current_);
        }
        Check(queries_->Exists(key), ERR_GENERAL, "Query does not exists: %0", Variant(Index));
        return queries_->Item(Variant(key)).ToObject<IQuery>();
    });
}

Ref<IQuery> CQueryManager::Find(const std::string& sID) {
    return PassOn("CQueryManager.IQueryManager_Find(sID)", ERR_ARGS(sID), [&] {
        if (!queries_->Exists(sID)) return Ref<IQuery>();
        return queries_->Item(Variant(sID)).ToObject<IQuery>();
    });
}

void CQueryManager::New() {
    PassOn("CQueryManager.IQueryManager_New()", ERR_ARGS(), [&] {
        current_ = last_ + 1;
        // The slot must lie below the upper bound; after a Clear the position
        // can be far beyond it.
        while (static_cast<size_t>(current_) + 1 >= ids_.size()) ids_.resize(ids_.size() + kGrowth);
        auto query = ::New<CQuery>();
        query->Settings(RequiredElement(*settings_, "Query"));
        query->BuildDescriptionTree();
        queries_->Add(Variant(Ref<IQuery>(query)), query->ID());
        ids_[static_cast<size_t>(current_)] = query->ID();
        last_ = current_;
    });
}

void CQueryManager::Load(const std::string& sFileName) {
    PassOn("CQueryManager.IQueryManager_Load(sFileName)", ERR_ARGS(sFileName), [&] {
        New();
        queries_->Item(Variant(Slot(current_))).ToObject<IQuery>()->Load(sFileName);
    });
}

void CQueryManager::Delete(const std::string&) {
    gTools()->Windows()->ShowMessage("Not Implemented", ui::vbOKOnly);
}

void CQueryManager::MoveTo(int32_t lPosition) {
    current_ = lPosition;
    Query("-1")->BuildDescriptionTree();
}

void CQueryManager::MoveFirst() {
    PassOn("CQueryManager.IQueryManager_MoveFirst()", ERR_ARGS(), [&] { MoveTo(first_); });
}

void CQueryManager::MoveLast() {
    PassOn("CQueryManager.IQueryManager_MoveLast()", ERR_ARGS(), [&] { MoveTo(last_); });
}

// One step towards the last or the first query, never past them.
void CQueryManager::MoveNext() {
    PassOn("CQueryManager.IQueryManager_MoveNext()", ERR_ARGS(),
           [&] { MoveTo(current_ >= last_ ? last_ : current_ + 1); });
}

void CQueryManager::MovePrevious() {
    PassOn("CQueryManager.IQueryManager_MovePrevious()", ERR_ARGS(),
           [&] { MoveTo(current_ <= first_ ? first_ : current_ - 1); });
}

void CQueryManager::Clear() {
    PassOn("CQueryManager.IQueryManager_Clear()", ERR_ARGS(), [&] {
        queries_->Clear();
        ids_.assign(kInitialSlots, "");
    });
}
