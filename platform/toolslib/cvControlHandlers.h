#pragma once
// The control-handler component of the tools library: helpers that drive the
// host's tree views and list boxes.
#include "cvListHandler.h"
#include "cvTreeHandler.h"

class cvControlHandlers : public virtual Object {
public:
    static constexpr const char* kProgID = "cvTools2.cvControlHandlers";

    // The same helper objects on every call.
    Ref<cvTreeHandler> TreeHandler();
    Ref<cvListHandler> ListHandler();

private:
    Ref<cvTreeHandler> tree_;
    Ref<cvListHandler> list_;
};
