// The launcher context in force.
#include "settings/LauncherContext.h"

#include "base/mError.h"

namespace {
LauncherContext* g_context = nullptr;
} // namespace

LauncherContext& Context()
{
    if (!g_context) RaiseRuntimeError(RTE_OBJECT_NOT_SET);
    return *g_context;
}

void SetLauncherContext(LauncherContext* context)
{
    g_context = context;
}
