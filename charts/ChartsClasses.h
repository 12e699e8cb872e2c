#pragma once
// Registers the chart model classes and the chart manifest into the
// component registry as creatable.  The engine stays internal: the root
// makes the one engine.  Never fails.
void RegisterChartsClasses();
