#pragma once
// The Jet expression functions the library's statements call, registered on
// each connection so that the engine evaluates them in place.  IIf is the
// engine's own; IsNull is rewritten by the translator.
struct sqlite3;

namespace ADODB {

// Registers JetConcat, Nz, Val, Left, Right, Mid, Len, UCase, LCase, InStr,
// Year, Month, Day, CLng, CDbl, CStr, Format and Now on `db`.
void RegisterJetFunctions(sqlite3* db);

}  // namespace ADODB
