#pragma once
// The colour a chart group or a stacked series is drawn in: taken in turn
// from the chart's series colours (the manifest's), starting again at the
// first after the last, so that a chart with more queries or stacked rows
// than the manifest has colours still draws every one; and from a palette of
// the charts' own when the manifest gives no colours at all.
#include <cstdint>

#include "platform/runtime/cvCollection.h"

// The colour number (red + 256 * green + 65536 * blue) for the 1-based
// position: item ((lPosition - 1) mod Count) + 1 of oColours, or of the
// default palette when oColours is Nothing or empty.  Raises 5 for a position
// below 1, 13 for a colour item that is no number.
int32_t ChartSeriesColour(const Ref<cvCollection>& oColours, int32_t lPosition);
