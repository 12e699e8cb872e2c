#pragma once
// The criteria of a well query (set root "WellDetail" below the query's "Well" element).
#include "interfaces/ICriteria.h"

class IWell : public virtual IShoreStatusCriteria {};
