#pragma once
// Small database files for the ADO tests, written with the engine's C API
// into a temporary folder.
#include <string>

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "support/TempDir.h"

// Creates (or extends) the database file `name` in `dir` by running `sql`;
// returns its path.
std::string MakeDatabase(const TempDir& dir, const std::string& name, const std::string& sql);

// A connection opened the way the library opens its own: read-only, SQLite.
Ref<ADODB::Connection> OpenReadOnly(const std::string& path);

// A static read-only record set of `sql` on `cn`.
Ref<ADODB::Recordset> Query(const Ref<ADODB::Connection>& cn, const std::string& sql);

// The number of the Error that opening `sql` raises, 0 when none.
int32_t QueryError(const Ref<ADODB::Connection>& cn, const std::string& sql,
                   std::string* description = nullptr);
