#pragma once

#include "win/UniqueHandle.h"

// The mark of a running copy: a named mutex, created owned, held until the
// process ends.
inline constexpr char SingleInstanceMutexName[] = "Unique mutex name is the only thing I can imagine and You CAN NOT!";

// Creates the mark. `alreadyRunning` tells whether another copy holds it. A
// mark that cannot be created leaves this copy unprotected, not stopped.
UniqueKernelHandle MarkThisInstance(bool& alreadyRunning);

// A second start's whole work: restores the running copy's application window
// and brings its main window to the front. Looks at no result.
void HandOverToRunningCopy();
