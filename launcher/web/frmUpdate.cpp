// The update window.
#include "web/frmUpdate.h"

#include "base/ControlHost.h"
#include "base/ProgramVersion.h"
#include "base/mError.h"
#include "shell/ShellStart.h"
#include "web/UpdateCheck.h"
#include "web/frmUpdate_res.h"
#include "web/mInternet.h"

namespace {
// The system's configured connection and proxy settings.
constexpr DWORD ACCESS_PRECONFIG = 0;

// The hourglass for as long as a search runs, the default pointer again however it ends.
class Hourglass {
public:
    explicit Hourglass(bool& searching) : m_searching(searching)
    {
        m_searching = true;
        SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    }
    ~Hourglass()
    {
        m_searching = false;
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

private:
    bool& m_searching;
};
} // namespace

void frmUpdate::OnInit()
{
    ShowErrors("frmUpdate.Form_Load", [&] {
        HWND hwnd = Hwnd();
        PlaceAtPlaceholder(m_HLine1, hwnd, IDC_UPDATE_HLINE1);
        PlaceAtPlaceholder(m_HLine2, hwnd, IDC_UPDATE_HLINE2);
        m_stepPlace = PlaceholderRect(hwnd, IDC_UPDATE_STEPS);
        DestroyWindow(Item(IDC_UPDATE_STEPS));
        m_picStep.Create(hwnd, {"frmUpdateStep0", "frmUpdateStep1"}, IDC_UPDATE_STEP0);

        m_headingFont = DerivedFont(WindowFont(hwnd), {.Bold = true});
        SendMessageA(Item(IDC_UPDATE_LABEL1), WM_SETFONT, reinterpret_cast<WPARAM>(m_headingFont.Get()), FALSE);
        ShowStep(0);
    });
}

void frmUpdate::InitDialog()
{
    PassErrors("frmUpdate.InitDialog", [&] {
        SetCaption(g_cTranslate->TranslateWithFallback("UPDATE_DIALOG", "DIALOG_CAPTION", "Internet update"));
        ApplyTextBindings(TEXTS, [&](int id, const std::string& text) { SetWindowTextA(Control(id), text.c_str()); });
    });
}

HWND frmUpdate::Control(int id) const
{
    if (HWND own = Item(id)) return own;
    return m_picStep.FindControl(id);
}

void frmUpdate::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_UPDATE_CMDSEARCHUPDATES: if (code == BN_CLICKED) cmdSearchUpdates_Click(); break;
    case IDC_UPDATE_CMDOPENUPDATEPAGE: if (code == BN_CLICKED) cmdOpenUpdatePage_Click(); break;
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
    m_picStep.Show(step, m_stepPlace, GetSysColor(COLOR_BTNFACE));
    // Each step has its own Next button in the button row.
    const int next = step == 0 ? IDC_UPDATE_CMDSEARCHUPDATES : IDC_UPDATE_CMDOPENUPDATEPAGE;
    ShowWindow(Item(IDC_UPDATE_CMDSEARCHUPDATES), step == 0 ? SW_SHOW : SW_HIDE);
    ShowWindow(Item(IDC_UPDATE_CMDOPENUPDATEPAGE), step == 1 ? SW_SHOW : SW_HIDE);
    SendMessageA(Hwnd(), DM_SETDEFID, next, 0);
}

void frmUpdate::SearchUpdates()
{
    PassErrors("frmUpdate.SearchUpdates", [&] {
        const Hourglass hourglass(m_searching);
        const std::string host = UpdateHost();
        std::string text;
        try {
            text = ReadUrl(UpdateFileAddress(host, RunningProgramVersion()), ACCESS_PRECONFIG);
        } catch (const AppError& error) {
            throw InLauncherLanguage(error);
        }
        const UpdateAnswer answer = ReadUpdateAnswer(text, host);
        SetWindowTextA(Control(IDC_UPDATE_LBLUPDATEINFO), answer.Description.c_str());
        // An update whose page does not lie on the web site is not offered.
        const bool offer = answer.UpdateFound && !answer.PageAddress.empty();
        m_updatePage = offer ? answer.PageAddress : "";
        EnableWindow(Item(IDC_UPDATE_CMDOPENUPDATEPAGE), offer);
        ShowWindow(Control(IDC_UPDATE_LBLOPENUPDATEPAGE), offer ? SW_SHOW : SW_HIDE);
    });
}

void frmUpdate::cmdSearchUpdates_Click()
{
    ShowErrors("frmUpdate.cmdSearchUpdates_Click", [&] {
        SearchUpdates();
        ShowStep(1);
        // The Next button that had the focus is gone with step 1.
        HWND open = Item(IDC_UPDATE_CMDOPENUPDATEPAGE);
        SendMessageA(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(IsWindowEnabled(open) ? open : Item(IDCANCEL)), TRUE);
    });
}

void frmUpdate::cmdOpenUpdatePage_Click()
{
    ShowErrors("frmUpdate.cmdOpenUpdatePage_Click", [&] {
        if (!m_updatePage.empty()) OpenWithShell(Hwnd(), m_updatePage);
    });
}

void frmUpdate::Command1_Click()
{
    EndModal();
}
