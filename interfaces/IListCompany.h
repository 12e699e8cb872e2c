#pragma once
// The company list: companies and their groups for the host's company criteria screens.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class IListCompany : public virtual Object {};
