#pragma once
// The module-level references every class reaches the root and the tools
// object through.  Each thread that uses the library has its own set: a root
// created on a thread replaces the one an earlier creation left there, and
// nothing else clears them, so they hold the root until they are replaced or
// the thread's module data is released.
#include "platform/runtime/Object.h"

class IDataManager;
class _cvDataManager;
class CTools;

// The root as IDataManager (Nothing before a root was created on this thread).
const Ref<IDataManager>& gDataManager();
// The root as its default interface, for Connection, Cancelled, the status
// and progress members and QueryDescriptionTree.
const Ref<_cvDataManager>& gDataManagerObject();
// The tools object, created by whichever class reads it first.
Ref<CTools> gTools();

// Set by the root's creation (and by a test's stand-in root): both references
// name the same object.
void SetRootReferences(const Ref<IDataManager>& root, const Ref<_cvDataManager>& rootObject);

// Releases this thread's module data: the root references first (so the root's
// release can still reach the tools object), then the tools object.  Tests use
// it to start from a clean thread.
void ReleaseModuleData();
