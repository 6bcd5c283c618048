// The upload window.
#include "langeditor/frmUpload.h"

#include "base/ControlHost.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "langeditor/frmUpload_res.h"

void frmUpload::OnInit()
{
    SetItemText(IDC_UP_LINK, UPLOAD_PAGE_ADDRESS);
    // The address is underlined as a link is.
    m_linkFont = DerivedFont(WindowFont(Hwnd()), {.Underline = true});
    SendMessageA(Item(IDC_UP_LINK), WM_SETFONT, reinterpret_cast<WPARAM>(m_linkFont.Get()), FALSE);
}

void frmUpload::InitDialog(const std::string& strTranslationFilesDir)
{
    SetItemText(IDC_UP_FOLDER, strTranslationFilesDir);
}

void frmUpload::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_UP_OPEN: cmdBrowse_Click(); break;
    case IDC_UP_LINK: if (code == STN_CLICKED) lblUploadDir_Click(); break;
    }
}

bool frmUpload::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    if (msg == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == Item(IDC_UP_LINK)) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(0, 0, 255));
        SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    if (msg == WM_SETCURSOR && reinterpret_cast<HWND>(wParam) == Item(IDC_UP_LINK)) {
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        SetWindowLongPtrA(Hwnd(), DWLP_MSGRESULT, TRUE);
        result = TRUE;
        return true;
    }
    return false;
}

void frmUpload::cmdBrowse_Click()
{
    ShowErrors("frmUpload.cmdBrowse_Click", [&] {
        const std::string folder = GetItemText(IDC_UP_FOLDER);
        ExecuteFile(Hwnd(), folder, "open", "", folder, SW_SHOWNORMAL);
    });
}

void frmUpload::lblUploadDir_Click()
{
    ShowErrors("frmUpload.lblUploadDir_Click",
               [&] { ExecuteFile(Hwnd(), GetItemText(IDC_UP_LINK), "open", "", "", SW_SHOWNORMAL); });
}

void frmUpload::Command1_Click()
{
    EndModal();
}
