// The start confirmation window.
#pragma once

#include "core/DialogBase.h"

class Profile;

class frmStartingVekora : public DialogBase {
public:
    frmStartingVekora() : DialogBase("frmStartingVekora") {}
    void InitDialog(const Profile& profile);
    bool Cancel() const { return m_cancel; }

private:
    bool m_cancel = true;
};
