// The launcher's main window.
#pragma once

#include <memory>

#include "core/DialogBase.h"

class Profile;

class frmMain : public DialogBase {
public:
    frmMain() : DialogBase("frmMain") {}

    void InitDialog();
    void LoadData(const std::shared_ptr<Profile>& profile);

protected:
    void OnClose() override;
    void OnDestroy() override;

private:
    void Form_Unload();
    std::shared_ptr<Profile> m_profile;
};
