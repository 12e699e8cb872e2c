#pragma once
// The location list: regions, countries, sectors and basins for the host's location
// criteria screens.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class IListLocation : public virtual Object {};
