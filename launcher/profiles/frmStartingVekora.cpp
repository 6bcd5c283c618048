// The start confirmation window.
#include "profiles/frmStartingVekora.h"

void frmStartingVekora::InitDialog(const Profile&) {}
