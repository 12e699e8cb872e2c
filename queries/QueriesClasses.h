#pragma once
// Registers the query classes into the component registry: the description
// renderer and the company entry as creatable; the query manager and the
// query as known but not creatable (a host reaches them through the root).
// Never fails.
void RegisterQueriesClasses();
