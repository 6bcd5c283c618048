// frmInfo: the program and its version.
#pragma once

#include "base/DialogBase.h"

class frmInfo : public DialogBase {
public:
    frmInfo() : DialogBase("frmInfo") {}

protected:
    void OnInit() override;
};
