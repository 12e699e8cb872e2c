#pragma once
// The criteria of a transport query (set root "TransportDetail" below the query's
// "Transport" element).
#include "interfaces/ICriteria.h"

class ITransport : public virtual IShoreStatusCriteria {};
