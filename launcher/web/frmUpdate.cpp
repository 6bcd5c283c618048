// The update window.
#include "web/frmUpdate.h"

#include "core/mError.h"
#include "core/mFunctions.h"
#include "web/UpdateCheck.h"
#include "web/frmUpdate_res.h"
#include "web/mInternet.h"

namespace {
// The system's configured connection and proxy settings.
constexpr DWORD ACCESS_PRECONFIG = 0;

// The open-page label is not among them: the search decides whether it shows.
const int STEP_CONTROLS[2][3] = {
    {IDC_UPDATE_LABEL2, IDC_UPDATE_LABEL3, IDC_UPDATE_CMDSEARCHUPDATES},
    {IDC_UPDATE_LABEL4, IDC_UPDATE_LBLUPDATEINFO, IDC_UPDATE_CMDOPENUPDATEPAGE},
};
} // namespace

void frmUpdate::OnInit()
{
    try {
        m_HLine1.ReplaceControl(Hwnd(), IDC_UPDATE_HLINE1);
        m_HLine2.ReplaceControl(Hwnd(), IDC_UPDATE_HLINE2);
        LOGFONTA font = {};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Hwnd(), WM_GETFONT, 0, 0)), sizeof(font), &font);
        font.lfWeight = FW_BOLD;
        m_headingFont.Reset(CreateFontIndirectA(&font));
        SendMessageA(Item(IDC_UPDATE_LABEL1), WM_SETFONT, reinterpret_cast<WPARAM>(m_headingFont.Get()), FALSE);
        ShowStep(0);
    } catch (...) {
        ShowError("frmUpdate.Form_Load");
    }
}

void frmUpdate::InitDialog()
{
}

void frmUpdate::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_UPDATE_CMDSEARCHUPDATES: if (code == BN_CLICKED) cmdSearchUpdates_Click(); break;
    case IDC_UPDATE_CMDOPENUPDATEPAGE: if (code == BN_CLICKED) cmdOpenUpdatePage_Click(); break;
    case IDCANCEL: Command1_Click(); break;
    default: break;
    }
}

bool frmUpdate::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    if (msg != WM_SETCURSOR || !m_searching) return false;
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    SetWindowLongPtrA(Hwnd(), DWLP_MSGRESULT, TRUE);
    result = TRUE;
    return true;
}

void frmUpdate::ShowStep(int step)
{
    for (int shown = 0; shown < 2; ++shown)
        for (int id : STEP_CONTROLS[shown])
            ShowWindow(Item(id), shown == step ? SW_SHOW : SW_HIDE);
    const int next = step == 0 ? IDC_UPDATE_CMDSEARCHUPDATES : IDC_UPDATE_CMDOPENUPDATEPAGE;
    SendMessageA(Hwnd(), DM_SETDEFID, next, 0);
}

void frmUpdate::SearchUpdates()
{
    try {
        m_searching = true;
        SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        const std::string host = UpdateHost();
        const std::string text = ReadUrl(UpdateFileAddress(host, RunningProgramVersion()), ACCESS_PRECONFIG);
        const UpdateAnswer answer = ReadUpdateAnswer(text, host);
        SetItemText(IDC_UPDATE_LBLUPDATEINFO, answer.Description);
        // An update whose page does not lie on the web site is not offered.
        const bool offer = answer.UpdateFound && !answer.PageAddress.empty();
        m_updatePage = offer ? answer.PageAddress : "";
        EnableWindow(Item(IDC_UPDATE_CMDOPENUPDATEPAGE), offer);
        ShowWindow(Item(IDC_UPDATE_LBLOPENUPDATEPAGE), offer ? SW_SHOW : SW_HIDE);
        m_searching = false;
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    } catch (...) {
        m_searching = false;
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        PassError("frmUpdate.SearchUpdates");
    }
}

void frmUpdate::cmdSearchUpdates_Click()
{
    try {
        SearchUpdates();
        ShowStep(1);
        // The Next button that had the focus is gone with step 1.
        HWND open = Item(IDC_UPDATE_CMDOPENUPDATEPAGE);
        SendMessageA(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(IsWindowEnabled(open) ? open : Item(IDCANCEL)), TRUE);
    } catch (...) {
        ShowError("frmUpdate.cmdSearchUpdates_Click");
    }
}

void frmUpdate::cmdOpenUpdatePage_Click()
{
    try {
        if (!m_updatePage.empty()) ExecuteFile(Hwnd(), m_updatePage, "open", "", "", SW_SHOWNORMAL);
    } catch (...) {
        ShowError("frmUpdate.cmdOpenUpdatePage_Click");
    }
}

void frmUpdate::Command1_Click()
{
    Unload();
}
