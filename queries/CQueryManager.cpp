#include "queries/CQueryManager.h"

#include "core/Neighbours.h"

Ref<IQueryManager> NewQueryManager() { return New<CQueryManager>(); }
