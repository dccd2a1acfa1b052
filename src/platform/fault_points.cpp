#include "platform/fault_points.h"

namespace tellmark::platform {

namespace {
FaultHook g_hook = nullptr;
}

void setFaultHook(FaultHook hook) { g_hook = hook; }

int faultAt(Change change, const std::string& path) {
    if (g_hook == nullptr) return kProceed;
    const int decision = g_hook(change, path);
    if (decision == kTearWrite && change != Change::Write) return 5;  // EIO
    return decision;
}

}  // namespace tellmark::platform
