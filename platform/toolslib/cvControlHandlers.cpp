#include "cvControlHandlers.h"

Ref<cvTreeHandler> cvControlHandlers::TreeHandler() {
    if (!tree_) tree_ = New<cvTreeHandler>();
    return tree_;
}

Ref<cvListHandler> cvControlHandlers::ListHandler() {
    if (!list_) list_ = New<cvListHandler>();
    return list_;
}
