// The launcher's profile windows for the model's seam: each follows load, InitDialog, show
// modal, read the results, unload.
#pragma once

#include "profiles/ProfileWindows.h"

ProfileWindows& ProfileDialogs();
