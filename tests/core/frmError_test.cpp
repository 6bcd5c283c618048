// The error report window: report text, pages and tabs, copy and mail through the seams.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "base/ControlHost.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "core/AppConstants.h"
#include "core/Application.h"
#include "dialogs/frmError.h"
#include "dialogs/frmError_res.h"
#include "support/BoundTexts.h"
#include "support/TestEnvironment.h"
#include "translation/cTranslate.h"

namespace {
// The report as the user must see it, written out line by line.
std::string ExpectedReport(const std::string& description, const std::string& source, const std::string& number,
                           const std::string& iniPath, const std::string& version, const std::string& path)
{
    return "Vekolaunch-Version: 0.0.24\r\n"
           "\r\n"
           "Description:\r\n" +
           description + "\r\n" +
           "\r\n"
           "Err.-Number: " + number + "\r\n" +
           "\r\n"
           "Err.-Source: \r\n" +
           source + "\r\n" +
           "\r\n"
           "App-Path: " + SetTrailingBackslash(TestProgramDir(), false) + "\r\n" +
           "Cur.Path: " + GetCurrentDir() + "\r\n" +
           "Ini.Path: " + iniPath + "\r\n" +
           "\r\n"
           "Vekora-Version: " + version + "\r\n" +
           "Vekora-Path: " + path;
}

bool Shown(HWND dialog, int id)
{
    return IsWindowVisible(FindControl(dialog, id)) != FALSE;
}

POINT ClientPos(HWND dialog, int id)
{
    const RECT rect = RectInParent(FindControl(dialog, id), dialog);
    return {rect.left, rect.top};
}

std::string TabText(HWND tabs, int index)
{
    char text[64] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(tabs, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return text;
}
} // namespace

TEST(ErrorReportText, WithoutApplicationObject)
{
    // An error in Main before the application object exists.
    ASSERT_EQ(g_cApp, nullptr);
    frmError form;
    form.Load();
    form.InitDialog("Overflow", "mMain.Main\r\nVekolaunch", 6);
    EXPECT_EQ(ItemText(form.Hwnd(), IDC_ERR_REPORT),
              ExpectedReport("Overflow", "mMain.Main\r\nVekolaunch", "6 (6)", "(g_cApp not defined)",
                             "(g_cApp not defined)", "(g_cApp not defined)"));
    EXPECT_EQ(ItemText(form.Hwnd(), IDC_ERR_DESC), "Overflow");
}

class ErrorReport : public AppFixture {};

TEST_F(ErrorReport, WithoutActiveProfile)
{
    EXPECT_EQ(frmError::BuildReport("abbrev", "Application.GetLanguageAbbrev\r\n", -2147201497),
              ExpectedReport("abbrev", "Application.GetLanguageAbbrev\r\n", "-2147201497 (20007)", IniPath(),
                             "(g_cApp.ActiveProfile not defined)", "(g_cApp.ActiveProfile not defined)"));
}

TEST_F(ErrorReport, WithTheActiveProfilesGame)
{
    ASSERT_TRUE(g_cApp->LoadData());
    g_cApp->ActiveProfile()->SetVekoraPath(DemoGamePath());
    EXPECT_EQ(frmError::BuildReport("d", "s", 20001),
              ExpectedReport("d", "s", "20001 (20001)", IniPath(), "Vekora 3.1 Demo", DemoGamePath()));
}

class ErrorWindow : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        form.Load();
        form.InitDialog("Something failed.", "frmTest.cmdGo_Click\r\nVekolaunch", 11);
        form.ShowModeless();
        dialog = form.Hwnd();
    }
    void TearDown() override
    {
        form.Unload();
        AppFixture::TearDown();
    }
    void SelectTabByUser(int index)
    {
        HWND tabs = GetDlgItem(dialog, IDC_ERR_TABSTRIP);
        SendMessageA(tabs, TCM_SETCURSEL, index, 0);
        NMHDR header = {tabs, IDC_ERR_TABSTRIP, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageA(dialog, WM_NOTIFY, IDC_ERR_TABSTRIP, reinterpret_cast<LPARAM>(&header));
    }
    void ExpectPage(int page)
    {
        EXPECT_EQ(form.ActivePage(), page);
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_ERR_TABSTRIP, TCM_GETCURSEL, 0, 0), page - 1);
        for (int id : {IDC_ERR_LABEL1, IDC_ERR_DESC, IDC_ERR_CONTACT, IDC_ERR_DETAILS})
            EXPECT_EQ(Shown(dialog, id), page == 1) << id;
        for (int id : {IDC_ERR_NOTE, IDC_ERR_REPORT, IDC_ERR_COPY, IDC_ERR_MAIL})
            EXPECT_EQ(Shown(dialog, id), page == 2) << id;
        EXPECT_TRUE(Shown(dialog, IDOK));
    }

    frmError form;
    HWND dialog = nullptr;
};

TEST_F(ErrorWindow, ShowsTheFixedEnglishTextsAndTheReport)
{
    EXPECT_EQ(WindowText(dialog), "Error");
    HWND tabs = GetDlgItem(dialog, IDC_ERR_TABSTRIP);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(TabText(tabs, 0), "General");
    EXPECT_EQ(TabText(tabs, 1), "Contact author");
    EXPECT_EQ(ItemText(dialog, IDC_ERR_LABEL1), "An error occured.");
    EXPECT_EQ(ItemText(dialog, IDC_ERR_DESC), "Something failed.");
    EXPECT_EQ(ItemText(dialog, IDC_ERR_CONTACT), "Contact author");
    EXPECT_EQ(ItemText(dialog, IDC_ERR_DETAILS), "Details &");
    EXPECT_EQ(ItemText(dialog, IDC_ERR_NOTE),
              std::string("Please send an E-Mail with the following text to ") + VEKOLAUNCH_CONTACT_MAIL);
    EXPECT_EQ(ItemText(dialog, IDC_ERR_COPY), "Copy text to clipboard");
    EXPECT_EQ(ItemText(dialog, IDC_ERR_MAIL), "Write E-Mail");
    EXPECT_EQ(ItemText(dialog, IDOK), "&Close");
    EXPECT_EQ(ItemText(dialog, IDC_ERR_REPORT),
              ExpectedReport("Something failed.", "frmTest.cmdGo_Click\r\nVekolaunch", "11 (11)", IniPath(),
                             "(g_cApp.ActiveProfile not defined)", "(g_cApp.ActiveProfile not defined)"));
    ExpectPage(1);
}

// In the launcher's language, and in English where no language engine is left to ask.
TEST_F(ErrorWindow, TextsInGermanAndWithoutLanguageEngine)
{
    const struct { bool Engine; const char* Caption; const char* FirstTab; } cases[] = {
        {true, "Fehler", "Allgemein"}, {false, "Error", "General"}};
    g_cApp->Options().SetLanguage("DE");
    for (const auto& c : cases) {
        std::unique_ptr<cTranslate> engine;
        if (!c.Engine) engine = std::move(g_cTranslate);
        frmError german;
        german.Load();
        german.InitDialog("d", "s", 11);
        HWND hwnd = german.Hwnd();
        EXPECT_EQ(WindowText(hwnd), c.Caption);
        EXPECT_EQ(TabText(GetDlgItem(hwnd, IDC_ERR_TABSTRIP), 0), c.FirstTab);
        const auto shown = [&](int id) { return WindowText(german.Control(id)); };
        if (c.Engine) {
            ExpectBoundTexts(frmError::TEXTS, g_cApp->GetLanguageFile("DE"), shown);
        } else {
            for (const TextBinding& text : frmError::TEXTS) EXPECT_EQ(shown(text.ControlId), text.English);
        }
        german.Unload();
        if (engine) g_cTranslate = std::move(engine);
    }
}

// The dialog manager turns a control's left and width into pixels apart, each rounded: at 150%
// (2.25 pixels a unit) a button ending at the page's edge in dialog units ended a pixel beyond it.
TEST_F(ErrorWindow, PageControlsEndInsideTheirPageAtEveryScaling)
{
    for (int id : {IDC_ERR_DESC, IDC_ERR_NOTE}) {
        HWND page = GetParent(form.Control(id));
        RECT unit = {0, 0, 4, 8};
        MapDialogRect(page, &unit); // the pixels of 4 horizontal units: the font's base width
        RECT client = {};
        GetClientRect(page, &client);
        const int pageUnits = MulDiv(client.right, 4, unit.right);
        for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            RECT r = RectInParent(child, page);
            const int left = MulDiv(r.left, 4, unit.right);
            const int width = MulDiv(r.right - r.left, 4, unit.right);
            for (int base : {6, 7, 8, 9, 10, 12}) { // 100% to 200%
                EXPECT_LE(MulDiv(left, base, 4) + MulDiv(width, base, 4), MulDiv(pageUnits, base, 4))
                    << "control " << GetDlgCtrlID(child) << " at base width " << base;
            }
        }
    }
}

TEST_F(ErrorWindow, BothPagesSitAt300By600TwipsInsideTheTabStrip)
{
    HDC dc = GetDC(dialog);
    const POINT origin = {MulDiv(300, GetDeviceCaps(dc, LOGPIXELSX), 1440),
                          MulDiv(600, GetDeviceCaps(dc, LOGPIXELSY), 1440)};
    ReleaseDC(dialog, dc);
    for (int firstControl : {IDC_ERR_ICON, IDC_ERR_NOTE}) {
        POINT p = ClientPos(dialog, firstControl);
        EXPECT_EQ(p.x, origin.x);
        EXPECT_EQ(p.y, origin.y);
    }
    // Every page control lies inside the tab strip's display area, clear of the tabs.
    HWND tabs = GetDlgItem(dialog, IDC_ERR_TABSTRIP);
    RECT area;
    GetWindowRect(tabs, &area);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (int id : {IDC_ERR_ICON, IDC_ERR_LABEL1, IDC_ERR_DESC, IDC_ERR_CONTACT, IDC_ERR_DETAILS, IDC_ERR_NOTE,
                   IDC_ERR_REPORT, IDC_ERR_COPY, IDC_ERR_MAIL}) {
        RECT r;
        GetWindowRect(FindControl(dialog, id), &r);
        EXPECT_TRUE(r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom)
            << id;
    }
    // The close button sits below the tab strip.
    RECT close, strip;
    GetWindowRect(GetDlgItem(dialog, IDOK), &close);
    GetWindowRect(tabs, &strip);
    EXPECT_GE(close.top, strip.bottom);
}

TEST_F(ErrorWindow, TabsSwitchThePages)
{
    SelectTabByUser(1);
    ExpectPage(2);
    SelectTabByUser(0);
    ExpectPage(1);
}

TEST_F(ErrorWindow, DetailsAndContactOpenTheContactPageAtTheMailButton)
{
    for (int button : {IDC_ERR_DETAILS, IDC_ERR_CONTACT}) {
        form.ActivatePage(1);
        SetFocus(GetDlgItem(dialog, IDOK));
        ClickButton(dialog, button);
        ExpectPage(2);
        EXPECT_EQ(FocusIn(dialog), FindControl(dialog, IDC_ERR_MAIL)) << button;
    }
}

TEST_F(ErrorWindow, CopyPutsTheReportOnTheClipboard)
{
    ClickButton(dialog, IDC_ERR_DETAILS);
    ClickButton(dialog, IDC_ERR_COPY);
    ASSERT_EQ(m_sys->ClipboardTexts.size(), 1u);
    EXPECT_EQ(m_sys->ClipboardTexts[0], ItemText(dialog, IDC_ERR_REPORT));
    EXPECT_EQ(m_sys->ClipboardTexts[0].rfind("Vekolaunch-Version: 0.0.24\r\n", 0), 0u);
}

TEST_F(ErrorWindow, WriteEMailOpensAMailToTheAuthor)
{
    ClickButton(dialog, IDC_ERR_DETAILS);
    ClickButton(dialog, IDC_ERR_MAIL);
    ASSERT_EQ(m_sys->ShellCalls.size(), 1u);
    EXPECT_EQ(m_sys->ShellCalls[0].Operation, "open");
    EXPECT_EQ(m_sys->ShellCalls[0].File, std::string("mailto:") + VEKOLAUNCH_CONTACT_MAIL);
    EXPECT_EQ(m_sys->ShellCalls[0].Parameters, "");
    EXPECT_EQ(m_sys->ShellCalls[0].Directory, "");
    EXPECT_EQ(m_sys->ShellCalls[0].Show, SW_SHOWNORMAL);
    EXPECT_TRUE(form.IsLoaded());
}

TEST_F(ErrorWindow, CloseAndEscapeCloseTheWindow)
{
    ClickButton(dialog, IDOK);
    EXPECT_FALSE(IsWindowVisible(dialog));

    frmError second;
    second.Load();
    second.InitDialog("x", "y", 5);
    second.ShowModeless();
    SendMessageA(second.Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindowVisible(second.Hwnd()));
}

TEST_F(ErrorWindow, ShowReportRunsModallyUntilClosed)
{
    std::string caption, description;
    const bool seen = WhileModal([] { frmError::ShowReport("modal failure", "src", 13); },
                                 [&](HWND shown) {
                                     caption = WindowText(shown);
                                     description = ItemText(shown, IDC_ERR_DESC);
                                     ClickButton(shown, IDOK);
                                 });
    EXPECT_TRUE(seen);
    EXPECT_EQ(caption, "Error");
    EXPECT_EQ(description, "modal failure");
}
