// The save window: which profiles are written to the settings file.
#pragma once

#include "core/DialogBase.h"

class frmSave : public DialogBase {
public:
    frmSave() : DialogBase("frmSave") {}
    void InitDialog();
};
