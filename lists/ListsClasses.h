#pragma once
// Registers the list classes into the component registry as creatable, and
// the lists root as known but not creatable (a host reaches it through the
// root).  Never fails.
void RegisterListsClasses();
