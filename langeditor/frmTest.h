// frmTest: a translation as the launcher's menu entries, labels, buttons and check boxes show it.
#pragma once

#include "base/DialogBase.h"

class frmTest : public DialogBase {
public:
    frmTest() : DialogBase("frmTest") {}
    // The text becomes the caption of all four controls.
    void InitDialog(const std::string& testText);

protected:
    void OnCommand(int id, int code, HWND control) override;
    // Enter: the window has no default button.
    void OnOk() override {}

private:
    void cmdTest_Click();
};
