#pragma once
// Registers the statement builder and the renderer into the component
// registry as creatable ("cvDataManager.CSQLBuilder",
// "cvDataManager.CSQLRenderer").  Never fails; calling it again changes
// nothing.
void RegisterSqlClasses();
