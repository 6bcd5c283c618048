// The wizard's navigation bar.
#include "shortcuts/ucWizard_Nav.h"

#include "base/ControlHost.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "translation/cTranslate.h"

namespace {
constexpr int IDC_NAV_CANCEL = 101;
constexpr int IDC_NAV_BACK = 102;
constexpr int IDC_NAV_NEXT = 103;

// In twips, as the window's design.
constexpr int NAV_HEIGHT = 525;
constexpr int BUTTON_HEIGHT = 375;
constexpr int BUTTON_WIDTH = 1215;
constexpr int BUTTON_GAP = 90;    // between Cancel and the Back/Next pair
constexpr int RIGHT_MARGIN = 120; // between Next and the bar's right edge

UINT NotificationCode(WizardNavEvent event)
{
    switch (event) {
    case WizardNavEvent::BackClicked: return WIZNAV_BACKCLICKED;
    case WizardNavEvent::NextClicked: return WIZNAV_NEXTCLICKED;
    case WizardNavEvent::CancelClicked: return WIZNAV_CANCELCLICKED;
    case WizardNavEvent::ShowPage: return WIZNAV_SHOWPAGE;
    case WizardNavEvent::LeavePage: return WIZNAV_LEAVEPAGE;
    }
    return 0;
}
} // namespace

bool ucWizard_Nav::Create(HWND parent, int id, const RECT& rect)
{
    {
        ScopedGetDC screen(nullptr);
        m_dpi = GetDeviceCaps(screen, LOGPIXELSY);
    }
    if (!BaseWindow::Create(parent, id, rect, WS_CHILD | WS_VISIBLE, WS_EX_CONTROLPARENT)) return false;
    const HFONT font = WindowFont(parent);
    auto button = [&](int buttonId, const char* caption, DWORD style) {
        HWND hwnd = CreateWindowExA(0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0, 0, 0, 0, m_hwnd,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttonId)), GetModuleHandleA(nullptr),
                                    nullptr);
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return hwnd;
    };
    m_cmdCancel = button(IDC_NAV_CANCEL, "Cancel", BS_PUSHBUTTON);
    m_cmdBack = button(IDC_NAV_BACK, "< Back", BS_PUSHBUTTON);
    m_cmdNext = button(IDC_NAV_NEXT, "Next >", BS_DEFPUSHBUTTON);
    // The bar keeps its own height, at the bottom of the place it was given.
    const int height = FixedHeight(m_dpi);
    SetWindowPos(m_hwnd, nullptr, rect.left, rect.bottom - height, rect.right - rect.left, height, SWP_NOZORDER);
    LayoutButtons();
    return true;
}

int ucWizard_Nav::FixedHeight(int dpi)
{
    return TwipsToPixels(NAV_HEIGHT, dpi);
}

void ucWizard_Nav::Translate()
{
    PassErrors("ucWizard_Nav.Translate", [&] {
        SetWindowTextA(m_cmdCancel, g_cTranslate->TranslateEx("GLOBAL", "BTN_CANCEL").c_str());
        SetWindowTextA(m_cmdBack, ("< " + g_cTranslate->TranslateEx("GLOBAL", "BTN_BACK")).c_str());
        SetWindowTextA(m_cmdNext, (g_cTranslate->TranslateEx("GLOBAL", "BTN_NEXT") + " >").c_str());
    });
}

std::string ucWizard_Nav::NextButtonCaption() const
{
    return WindowText(m_cmdNext);
}

void ucWizard_Nav::SetNextButtonCaption(const std::string& caption)
{
    SetWindowTextA(m_cmdNext, caption.c_str());
}

std::string ucWizard_Nav::CancelButtonCaption() const
{
    return WindowText(m_cmdCancel);
}

void ucWizard_Nav::SetCancelButtonCaption(const std::string& caption)
{
    SetWindowTextA(m_cmdCancel, caption.c_str());
}

bool ucWizard_Nav::NextButtonEnabled() const
{
    return IsWindowEnabled(m_cmdNext) != FALSE;
}

void ucWizard_Nav::SetNextButtonEnabled(bool enabled)
{
    EnableWindow(m_cmdNext, enabled);
}

void ucWizard_Nav::PressNext()
{
    if (NextButtonEnabled()) m_nav.cmdNext_Click();
}

void ucWizard_Nav::PressCancel()
{
    m_nav.cmdCancel_Click();
}

bool ucWizard_Nav::RaiseEvent(WizardNavEvent event, int pageNo)
{
    NMWIZARDNAV info = {};
    info.PageNo = pageNo;
    return AskHost(m_hwnd, NotificationCode(event), info.hdr) != 0;
}

void ucWizard_Nav::SetNavButtons(bool backEnabled, bool nextEnabled)
{
    // A button that goes grey while it has the focus would leave the keyboard nowhere.
    HWND focus = GetFocus();
    EnableWindow(m_cmdBack, backEnabled);
    EnableWindow(m_cmdNext, nextEnabled);
    if ((focus == m_cmdBack && !backEnabled) || (focus == m_cmdNext && !nextEnabled)) {
        SetFocus(nextEnabled ? m_cmdNext : m_cmdCancel);
    }
}

void ucWizard_Nav::Paint(HDC dc)
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    RECT line1 = {0, 0, client.right, 1};
    FillRect(dc, &line1, GetSysColorBrush(COLOR_BTNSHADOW));
    RECT line2 = {0, 1, client.right, 2};
    FillRect(dc, &line2, GetSysColorBrush(COLOR_3DHIGHLIGHT));
}

void ucWizard_Nav::LayoutButtons() const
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int width = TwipsToPixels(BUTTON_WIDTH, m_dpi);
    const int height = TwipsToPixels(BUTTON_HEIGHT, m_dpi);
    const int gap = TwipsToPixels(BUTTON_GAP, m_dpi);
    // The group keeps its right edge at the bar's right edge.
    const int groupWidth = 3 * width + gap + TwipsToPixels(RIGHT_MARGIN, m_dpi);
    const int left = client.right - groupWidth;
    const int top = 2 + (client.bottom - 2 - height) / 2;
    MoveWindow(m_cmdCancel, left, top, width, height, TRUE);
    MoveWindow(m_cmdBack, left + width + gap, top, width, height, TRUE);
    MoveWindow(m_cmdNext, left + 2 * width + gap, top, width, height, TRUE);
}

void ucWizard_Nav::UserControl_Resize(WINDOWPOS* pos)
{
    ShowErrors("ucWizard_Nav.UserControl_Resize", [&] {
        if (!(pos->flags & SWP_NOSIZE)) pos->cy = FixedHeight(m_dpi);
    });
}

void ucWizard_Nav::OnCommand(int id, int code)
{
    if (code != BN_CLICKED) return;
    switch (id) {
    case IDC_NAV_CANCEL: m_nav.cmdCancel_Click(); break;
    case IDC_NAV_BACK: m_nav.cmdBack_Click(); break;
    case IDC_NAV_NEXT: m_nav.cmdNext_Click(); break;
    default: break;
    }
}

LRESULT ucWizard_Nav::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_WINDOWPOSCHANGING: UserControl_Resize(reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
    case WM_SIZE: LayoutButtons(); InvalidateRect(m_hwnd, nullptr, FALSE); return 0;
    default: return DefaultProc(msg, wParam, lParam);
    }
}
