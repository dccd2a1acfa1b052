#pragma once
// Every change the program makes to a file passes one of these points first. Normally nothing happens
// there; a test installs a hook to make the n-th change fail as the system would (EIO, ENOSPC), to tear
// a write in two, or to end the process at that point, and then checks that the books survive it.

#include <string>

namespace tellmark::platform {

enum class Change { Write, Truncate, Sync, Create, Rename, Remove };

// What the hook decides for one change.
inline constexpr int kProceed = 0;
// Any positive value: the change fails with that errno and leaves the file as it was.
// The write goes halfway, then fails with EIO (a write torn by a crash or a failing disk).
inline constexpr int kTearWrite = -1;

using FaultHook = int (*)(Change change, const std::string& path);

// nullptr removes the hook.
void setFaultHook(FaultHook hook);
// kProceed, an errno, or kTearWrite (only ever for writes).
int faultAt(Change change, const std::string& path);

}  // namespace tellmark::platform
