#include "lists/CLists.h"

#include "core/Neighbours.h"

Ref<IDataLists> NewLists() { return New<CLists>(); }
