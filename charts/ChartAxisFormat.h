#pragma once
// Carries one axis definition over to the matching axis ("X", "Y", "Y2") of
// the host's chart control: fonts of the labels and of the title, the label
// number format, numbering method, tick spacing, and the title with the unit
// the axis's values are shown in.  A working routine of the chart's drawing.
#include "interfaces/ChartControls.h"
#include "interfaces/IChart.h"

// Raises what it meets (an axis without a label, a name the control does not
// know, a failing units component) where it stands; the settings made before
// stay on the chart axis.
void FormatAxis(const Ref<IChartControl>& chChart, const Ref<IChartAxis>& oAxis);
