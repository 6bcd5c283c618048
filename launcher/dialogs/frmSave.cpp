// The save window.
#include "dialogs/frmSave.h"

void frmSave::InitDialog() {}
