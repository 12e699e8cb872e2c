#pragma once
// The criteria of a field query (set root "FieldDetail" below the query's "Field" element).
#include "interfaces/ICriteria.h"

class IField : public virtual IShoreStatusCriteria {};
