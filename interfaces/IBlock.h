#pragma once
// The criteria of a block query (set root "BlockDetail" below the query's "Block" element).
#include "interfaces/ICriteria.h"

class IBlock : public virtual IShoreStatusCriteria {};
