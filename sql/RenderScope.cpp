#include "sql/RenderScope.h"

#include "core/Globals.h"
#include "interfaces/IDataManager.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"

namespace {
// The innermost render of this thread; a render belongs to one thread.
thread_local RenderScope* tCurrent = nullptr;
}  // namespace

RenderScope::RenderScope(const Ref<IQuery>& oQuery) : query_(oQuery), outer_(tCurrent) { tCurrent = this; }

RenderScope::~RenderScope() { tCurrent = outer_; }

bool RenderInProgress() { return tCurrent != nullptr; }

Ref<IQuery> QueryInUse() {
    if (tCurrent) return tCurrent->query_;
    return gDataManager()->Queries()->Query("-1");
}
