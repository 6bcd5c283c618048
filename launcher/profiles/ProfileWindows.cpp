// The profile windows in force.
#include "profiles/ProfileWindows.h"

#include "base/mError.h"

namespace {
ProfileWindows* g_profileWindows = nullptr;
} // namespace

ProfileWindows& ProfileWindowsInForce()
{
    if (!g_profileWindows) RaiseRuntimeError(RTE_OBJECT_NOT_SET);
    return *g_profileWindows;
}

void SetProfileWindows(ProfileWindows* windows)
{
    g_profileWindows = windows;
}
