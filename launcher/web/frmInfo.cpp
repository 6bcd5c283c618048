// The About window.
#include "web/frmInfo.h"

#include <commctrl.h>

#include "base/ControlHost.h"
#include "base/ProgramVersion.h"
#include "base/mError.h"
#include "core/AppConstants.h"
#include "core/Application.h"
#include "translation/cTranslate.h"
#include "web/frmInfo_res.h"

namespace {
constexpr const char* WRITTEN_IN = "2026";
constexpr const char* AUTHOR_NAME = "Tomas Berger";

const char* const TAB_TEXT_IDS[] = {"TAB_INFO", "TAB_CREDITS"};

// A link's text: the whole text is the one link.
std::string LinkText(const std::string& text)
{
    return "<a>" + text + "</a>";
}
} // namespace

frmInfo::frmInfo() : DialogBase("frmInfo")
{
    // The web and mail addresses are link controls.
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LINK_CLASS};
    InitCommonControlsEx(&controls);
}

HWND frmInfo::Control(int id) const
{
    if (HWND own = Item(id)) return own;
    return m_pages.FindControl(id);
}

void frmInfo::OnInit()
{
    ShowErrors("frmInfo.Form_Load", [&] {
        HWND hwnd = Hwnd();
        const int textHeight = FontLineHeight(hwnd);
        const int tabHeight = TabHeightForText(textHeight);
        // The tabs' lowest pixel row lies on the area's upper border, as in the main window.
        const RECT area = PlaceholderRect(hwnd, IDC_INFO_SHAPE1);
        DestroyWindow(Item(IDC_INFO_SHAPE1));
        const int dpi = GetDeviceCaps(ScopedGetDC(nullptr), LOGPIXELSX);
        m_pages.Create(hwnd, {{"Info", "frmInfoPage0"}, {"Credits", "frmInfoPage1"}},
                       PageSetPlace{POINT{area.left, area.top - tabHeight + 1}, tabHeight, area, dpi, IDC_INFO_TAB0,
                                    IDC_INFO_SHAPE1, IDC_INFO_PAGE0});
        PlaceAtPlaceholder(m_HLine1, m_pages.Page(0).Hwnd(), IDC_INFO_HLINE1);

        m_logoFont = DerivedFont(WindowFont(hwnd), {.Bold = true, .HeightTimes = 2});
        SendMessageA(Item(IDC_INFO_IMAGE1), WM_SETFONT, reinterpret_cast<WPARAM>(m_logoFont.Get()), FALSE);

        TranslateDialog();
        ucTab1_Click(0);
    });
}

void frmInfo::OnCommand(int id, int code, HWND control)
{
    if (const int tab = m_pages.ClickedTab(id, code); tab >= 0) return ucTab1_Click(tab);
}

LRESULT frmInfo::OnNotify(NMHDR* header)
{
    if (header->code != NM_CLICK && header->code != NM_RETURN) return 0;
    switch (header->idFrom) {
    case IDC_INFO_LBLWEBPAGE: lblWebpage_Click(); break;
    case IDC_INFO_LBLEMAIL: lblEMail_Click(); break;
    default: break;
    }
    return 0;
}

std::string frmInfo::TranslateDialogItem(const std::string& id, const std::string& p1, const std::string& p2)
{
    return PassErrors("frmInfo.TranslateDialogItem", [&] { return g_cTranslate->TranslateEx("INFO_DIALOG", id, p1, p2); });
}

void frmInfo::TranslateDialog()
{
    PassErrors("frmInfo.TranslateDialog", [&] {
        SetCaption(TranslateDialogItem("DIALOG_CAPTION"));
        auto set = [&](int id, const std::string& text) { SetWindowTextA(Control(id), text.c_str()); };
        set(IDC_INFO_LBLWRITTENBY, TranslateDialogItem("LBL_WRITTEN_BY", WRITTEN_IN, AUTHOR_NAME));
        ApplyTextBindings(TEXTS, set);
        // The language files hold these two without their colon.
        set(IDC_INFO_LBLWEBPAGE_INFO, TranslateDialogItem("LBL_WEBPAGE") + ":");
        set(IDC_INFO_LBLEMAIL_INFO, TranslateDialogItem("LBL_EMAIL") + ":");
        set(IDC_INFO_LBLVERSION, g_cTranslate->TranslateEx("GLOBAL", "VERSION") + " " + VersionText(RunningProgramVersion()));
        set(IDC_INFO_LBLEMAIL, LinkText(VEKOLAUNCH_CONTACT_MAIL));
        set(IDC_INFO_LBLWEBPAGE, LinkText(VEKOLAUNCH_WEB_HOST));
        for (int i = 0; i < m_pages.Count(); ++i) m_pages.SetCaption(i, TranslateDialogItem(TAB_TEXT_IDS[i]));
        m_pages.LayoutTabs();
    });
}

void frmInfo::ucTab1_Click(int index)
{
    ShowErrors("frmInfo.ucTab1_Click", [&] {
        for (int i = 0; i < m_pages.Count(); ++i) m_pages.Tab(i).SetIsActive(i == index);
        ActivatePage(index + 1);
    });
}

void frmInfo::ActivatePage(int pageNumber)
{
    PassErrors("frmInfo.ActivatePage", [&] { m_pages.ShowPage(pageNumber - 1); });
}

void frmInfo::lblWebpage_Click()
{
    ShowErrors("frmInfo.lblWebpage_Click", [&] { Application::ShowVekolaunchWebpage(Hwnd()); });
}

void frmInfo::lblEMail_Click()
{
    ShowErrors("frmInfo.lblEMail_Click", [&] { Application::ContactAuthor(Hwnd()); });
}

void frmInfo::cmdClose_Click()
{
    EndModal();
}
