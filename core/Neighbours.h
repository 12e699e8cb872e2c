#pragma once
// The objects of other subsystems that the root creates.  Each is defined by
// its own subsystem, so the core knows them only by their interfaces.
#include "platform/runtime/Object.h"

class IDataLists;
class IQueryManager;
class IChartEngine;
class IFieldChooser;

Ref<IDataLists> NewLists();              // a new CLists
Ref<IQueryManager> NewQueryManager();    // a new CQueryManager
Ref<IChartEngine> NewChartEngine();      // a new CChartEngine
Ref<IFieldChooser> NewSelectedFields();  // a new CSelectedFields
