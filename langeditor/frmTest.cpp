// The test window.
#include "langeditor/frmTest.h"

#include "base/SystemServices.h"
#include "base/mError.h"
#include "langeditor/frmTest_res.h"

void frmTest::InitDialog(const std::string& testText)
{
    PassErrors("frmTest.InitDialog", [&] {
        HMENU menu = GetMenu(Hwnd());
        ModifyMenuA(menu, IDM_TEST_TEST, MF_BYCOMMAND | MF_STRING, IDM_TEST_TEST, testText.c_str());
        DrawMenuBar(Hwnd());
        SetItemText(IDC_TS_TEXT, testText);
        SetItemText(IDC_TS_BUTTON, testText);
        SetItemText(IDC_TS_CHECK, testText);
    });
}

void frmTest::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_TS_BUTTON: cmdTest_Click(); break;
    }
}

void frmTest::cmdTest_Click()
{
    if (Sys().MsgBox(Hwnd(), "Would you like to close this dialog?", MB_YESNO) == IDYES) EndModal();
}
