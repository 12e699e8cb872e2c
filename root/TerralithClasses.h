#pragma once
// Registers every class of the library into the component registry: the
// root, the tools object and each subsystem's classes.  The root's creation
// calls it, so a host that made a root can create any registered class by its
// program identifier; a host that only wants CreateObject calls it first.
// Never fails; calling it again changes nothing.
void RegisterTerralithClasses();
