#pragma once
// The query a render is for, while the render runs on this thread.
//
// A render asks the criteria sets questions that some of them answer with
// look-ups of their own (a field query's annual figures are read from its
// gross or its net table).  Those look-ups follow the query being rendered,
// not whichever query the host has made active meanwhile, so a query renders
// the same whether it is active or not.  And a look-up that would show its
// own failure and answer empty lets the failure reach the render instead:
// going on with the empty answer would widen or empty the query without a
// word, where the render refuses it and says why once.
#include "platform/runtime/Object.h"

class IQuery;

// Marks the render of a query from its construction to its destruction;
// a render within a render counts for its own duration.  Never fails.
class RenderScope {
public:
    explicit RenderScope(const Ref<IQuery>& oQuery);
    ~RenderScope();
    RenderScope(const RenderScope&) = delete;
    RenderScope& operator=(const RenderScope&) = delete;

private:
    friend Ref<IQuery> QueryInUse();
    Ref<IQuery> query_;
    RenderScope* outer_;
};

// True while a render runs on this thread.  Never fails.
bool RenderInProgress();
// The query whose settings (gross or net) a look-up follows: the query being
// rendered, else the active one (Queries.Query("-1")).  Raises what the
// query manager raises.
Ref<IQuery> QueryInUse();
