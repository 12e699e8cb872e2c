#pragma once
// Registers the tools library's creatable classes under their program
// identifiers, so that CreateObject("cvTools2.cvStrings") and its kind work.
// Idempotent; a host or test calls it once before creating by name.
void RegisterToolsLibrary();
