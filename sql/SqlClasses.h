#pragma once
// Registers the statement builder into the component registry as creatable
// ("cvDataManager.CSQLBuilder").  Never fails; calling it again changes
// nothing.
void RegisterSqlClasses();
