// The main window's look in English and German: its size, the row of tabs, the pages inside
// the tab area, every text from the language file, and no text clipped, no controls overlapping.
#include "mainwindow/MainWindowTest.h"

#include "AppVersion.h"
#include "base/ControlHost.h"
#include "mainwindow/MainLayout.h"

namespace {
struct TextBinding {
    int Id;
    const char* TextId;
};
const TextBinding WINDOW_TEXTS[] = {
    {IDC_CKFREEPLAY, "CHK_FREEPLAY"},
    {IDC_LBLFREEPLAYMODE_DESC, "LBL_FREEPLAY_DESC"},
    {IDC_CKLOGMESSAGES, "CHK_LOG"},
    {IDC_LBLLOGMSG, "LBL_LOG_DESC"},
    {IDC_CMDLOGFILE, "BTN_DISPLAY_LOGFILE"},
    {IDC_CMDLOGFILE2, "BTN_DISPLAY_LOGFILE"},
    {IDC_LBLVEKOPATH, "LBL_VEKOPATH"},
    {IDC_LBLGRAPHICPAK, "LBL_GRAPHICPAK_LIST"},
    {IDC_LBLGRAPHICPAKINFO, "LBL_GRAPHICPAK_LIST_INFO"},
    {IDC_LBLSCENARIOS, "LBL_SCENARIO_LIST"},
    {IDC_LBLSCENARIOINFO, "LBL_SCENARIO_LIST_INFO"},
    {IDC_FRMRESOLUTION, "LBL_RESOLUTION_FRAME"},
    {IDC_LBLRESOLUTION_WARNING, "LBL_RESOLUTION_WARNING"},
    {IDC_OPRESOLUTION0, "OP_STANDARD_RESOLUTION"},
    {IDC_OPRESOLUTION1, "OP_USERDEFINED_RESOLUTION"},
    {IDC_LBLWIDTH_HEIGTH, "LBL_RESOLUTION_WIDTH_HEIGTH"},
    {IDC_FRMSCREENREFRESH, "LBL_SCREEN_REFRESH"},
    {IDC_FRMOPENLOGFILE, "LBL_LOGFILE_FRAME"},
    {IDC_FRMOPENVEKOFOLDER, "LBL_VEKOFOLDER_FRAME"},
    {IDC_LBLOPENLOGFILEDESC, "LBL_LOGFILE_FRAME_TEXT"},
    {IDC_LBLOPENVEKOFOLDER, "LBL_VEKOFOLDER_FRAME_TEXT"},
    {IDC_CMDOPENVEKODIR, "BTN_OPEN_VEKOFOLDER"},
    {IDC_CMDSTART, "BTN_START_VEKORA"},
};
const TextBinding MENU_TEXTS[] = {
    {IDM_FILE, "MNU_FILE"},
    {IDM_FILE_SAVE, "MNU_FILE_SAVE"},
    {IDM_FILE_QUIT, "MNU_FILE_QUIT"},
    {IDM_FILE_PROFILES, "MNU_PROFILES"},
    {IDM_PROFILE_NEW, "MNU_PROFILES_NEW"},
    {IDM_PROFILE_EDIT, "MNU_PROFILES_EDIT"},
    {IDM_EDIT, "MNU_EDIT"},
    {IDM_EDIT_COPYCMDLINE, "MNU_EDIT_COPYCMDLINE"},
    {IDM_EXTRA, "MNU_EXTRA"},
    {IDM_EXTRA_CREATESHORTCUT, "MNU_EXTRA_CREATESHORTCUT"},
    {IDM_OPTIONS_LANG, "MNU_EXTRA_LANGUAGE"},
    {IDM_EXTRA_OPTIONS, "MNU_EXTRA_OPTIONS"},
    {IDM_EXTRA_UPDATE, "MNU_EXTRA_INTERNETUPDATE"},
    {IDM_HELP_WEBPAGE, "MNU_HELP_HOMEPAGE"},
    {IDM_HELP_FEEDBACK, "MNU_HELP_FEEDBACK"},
    {IDM_HELP_ABOUT, "MNU_HELP_ABOUT"},
};
const char* const TAB_TEXTS[] = {"TAB_GAMESETTINGS", "TAB_SCENARIO", "TAB_DISPLAY", "TAB_REFRESH", "TAB_EXTRA"};


bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const RECT& a, const RECT& b)
{
    RECT common = {};
    return IntersectRect(&common, &a, &b) != FALSE;
}

std::string ClassOf(HWND hwnd)
{
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    return name;
}

bool IsGroupBox(HWND hwnd)
{
    return ClassOf(hwnd) == "Button" && (GetWindowLongPtrA(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The size the control's text needs with its font, wrapped at width when wrap is set.
SIZE TextSize(HWND control, const std::string& text, int width, bool wrap)
{
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT rect = {0, 0, width, 0};
    DrawTextA(dc, text.c_str(), -1, &rect, DT_CALCRECT | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return SIZE{rect.right, rect.bottom};
}

// Why the control's text does not fit, or "" when it does.
std::string TextProblem(HWND control)
{
    const std::string text = WindowText(control);
    if (text.empty()) return "";
    RECT client = {};
    GetClientRect(control, &client);
    const int width = client.right, height = client.bottom;
    const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    const std::string name = ClassOf(control);
    SIZE need = {};
    int room = width;
    if (name == "Static") {
        need = TextSize(control, text, width, true);
    } else if (name == "Button") {
        const LONG type = style & BS_TYPEMASK;
        if (type == BS_GROUPBOX) {
            need = TextSize(control, text, 0, false);
            room = width - 16;
            need.cy = 0;
        } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
            need = TextSize(control, text, 0, false);
            room = width - 8;
        } else {
            room = width - GetSystemMetrics(SM_CXMENUCHECK) - 4;
            need = TextSize(control, text, room, (style & BS_MULTILINE) != 0);
        }
    } else {
        return "";
    }
    if (need.cx > room || need.cy > height) {
        return "'" + text + "' needs " + std::to_string(need.cx) + "x" + std::to_string(need.cy) + ", has " +
               std::to_string(room) + "x" + std::to_string(height);
    }
    return "";
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetWindowLongPtrA(child, GWL_STYLE) & WS_VISIBLE) children.push_back(child);
    }
    return children;
}
} // namespace

class MainWindowLook : public MainWindowTest, public testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        WriteSettings("SCENARIO=scenarios\\Alpine Valley\r\nGRAPICPAK=winter.pak\r\n", "", GetParam());
        OpenWindow();
    }
};

INSTANTIATE_TEST_SUITE_P(Languages, MainWindowLook, testing::Values("EN", "DE"));

TEST_P(MainWindowLook, OuterSizeIsFixedInTwipsForTheScreen)
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    RECT window = {};
    GetWindowRect(Form().Hwnd(), &window);
    EXPECT_EQ(window.right - window.left, TwipsToPixels(MAIN_WINDOW_WIDTH_TWIPS, dpi));
    EXPECT_EQ(window.bottom - window.top, TwipsToPixels(MAIN_WINDOW_HEIGHT_TWIPS, dpi));
    EXPECT_EQ(WindowText(Form().Hwnd()), "Vekolaunch");
}

TEST_P(MainWindowLook, TabsStandInARowOnTheTabArea)
{
    const RECT area = RectInParent(Form().TabArea().Hwnd(), Form().Hwnd());
    RECT client = {};
    GetClientRect(Form().Hwnd(), &client);
    for (int i = 0; i < frmMain::TAB_COUNT; ++i) {
        const RECT tab = RectInParent(Form().Tab(i).Hwnd(), Form().Hwnd());
        EXPECT_EQ(tab.bottom, area.top + 1) << "tab " << i << " stands on the area's border";
        EXPECT_EQ(tab.right - tab.left, Form().Tab(i).LabelWidth() + 16) << "tab " << i;
        if (i > 0) {
            EXPECT_EQ(tab.left, RectInParent(Form().Tab(i - 1).Hwnd(), Form().Hwnd()).right + 1) << "tab " << i;
        }
    }
    EXPECT_LE(RectInParent(Form().Tab(frmMain::TAB_COUNT - 1).Hwnd(), Form().Hwnd()).right, area.right)
        << "the row fits above the area";
    EXPECT_TRUE(Inside(area, client));
}

TEST_P(MainWindowLook, EachTabShowsItsPageInsideTheArea)
{
    const RECT area = RectInParent(Form().TabArea().Hwnd(), Form().Hwnd());
    HDC screen = GetDC(nullptr);
    const RECT expected = PageRectInArea(area, GetDeviceCaps(screen, LOGPIXELSX));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(Form().ActiveTab(), 0) << "the first tab after set-up";
    for (int k = 0; k < frmMain::TAB_COUNT; ++k) {
        HWND tab = Form().Tab(k).Hwnd(); // a mouse click on the tab
        SendMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        SendMessageA(tab, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        EXPECT_EQ(Form().ActiveTab(), k);
        for (int i = 0; i < frmMain::TAB_COUNT; ++i) {
            EXPECT_EQ(Form().Tab(i).IsActive(), i == k);
            EXPECT_EQ(Shown(Form().Page(i).Hwnd()), i == k) << "page " << i << " with tab " << k;
        }
        const RECT page = RectInParent(Form().Page(k).Hwnd(), Form().Hwnd());
        EXPECT_TRUE(EqualRect(&page, &expected)) << "page " << k;
        EXPECT_EQ(Form().Page(k).BackColor(), Form().TabArea().BackColor());
    }
}

TEST_P(MainWindowLook, NoTextIsClippedAndNoControlsOverlap)
{
    for (int k = 0; k < frmMain::TAB_COUNT; ++k) {
        Form().ucTab1_Click(k);
        HWND page = Form().Page(k).Hwnd();
        RECT pageClient = {};
        GetClientRect(page, &pageClient);
        const std::vector<HWND> children = Children(page);
        for (HWND child : children) {
            const RECT rect = RectInParent(child, page);
            EXPECT_TRUE(Inside(rect, pageClient)) << "control " << GetDlgCtrlID(child) << " on page " << k;
            EXPECT_EQ(TextProblem(child), "") << "control " << GetDlgCtrlID(child) << " on page " << k;
        }
        for (size_t a = 0; a < children.size(); ++a) {
            for (size_t b = a + 1; b < children.size(); ++b) {
                const RECT ra = RectInParent(children[a], page), rb = RectInParent(children[b], page);
                const bool groupA = IsGroupBox(children[a]), groupB = IsGroupBox(children[b]);
                const bool fine = !Overlap(ra, rb) || (groupA && !groupB && Inside(rb, ra)) ||
                                  (groupB && !groupA && Inside(ra, rb));
                EXPECT_TRUE(fine) << "controls " << GetDlgCtrlID(children[a]) << " and " << GetDlgCtrlID(children[b])
                                  << " on page " << k;
            }
        }
    }
    for (int id : {IDC_LSTRESOLUTION, IDC_LSTREFRESH}) {
        HWND list = Ctl(id);
        RECT client = {};
        GetClientRect(list, &client);
        const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        EXPECT_LE(count * SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), client.bottom) << "all entries without scrolling";
        for (int i = 0; i < count; ++i) {
            char text[256] = {};
            SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            EXPECT_LE(TextSize(list, text, 0, false).cx, client.right - 2) << text;
        }
    }
    const RECT client = [&] { RECT r = {}; GetClientRect(Form().Hwnd(), &r); return r; }();
    for (int id : {IDC_CMDSTART, IDC_LBLVERSION}) {
        EXPECT_TRUE(Inside(RectInParent(Ctl(id), Form().Hwnd()), client)) << id;
        EXPECT_EQ(TextProblem(Ctl(id)), "") << id;
    }
    EXPECT_FALSE(Overlap(RectInParent(Ctl(IDC_CMDSTART), Form().Hwnd()), RectInParent(Ctl(IDC_LBLVERSION), Form().Hwnd())));
    EXPECT_FALSE(Overlap(RectInParent(Ctl(IDC_CMDSTART), Form().Hwnd()), RectInParent(Form().TabArea().Hwnd(), Form().Hwnd())));
}

TEST_P(MainWindowLook, EveryTextComesFromTheLanguageFile)
{
    for (const TextBinding& text : WINDOW_TEXTS) {
        EXPECT_EQ(Text(text.Id), Translated("MAIN_DIALOG", text.TextId)) << text.TextId;
        EXPECT_EQ(Text(text.Id).find("NO TEXT"), std::string::npos) << text.TextId;
    }
    for (int i = 0; i < frmMain::TAB_COUNT; ++i) {
        EXPECT_EQ(Form().Tab(i).Caption(), Translated("MAIN_DIALOG", TAB_TEXTS[i]));
    }
    for (const TextBinding& text : MENU_TEXTS) {
        EXPECT_EQ(MenuText(text.Id), Translated("MAIN_DIALOG", text.TextId)) << text.TextId;
    }
    EXPECT_EQ(MenuText(IDM_HELP), "&?");
    for (int i = 0; i < 5; ++i) {
        char entry[256] = {};
        SendMessageA(Ctl(IDC_LSTRESOLUTION), LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry));
        EXPECT_EQ(std::string(entry), Translated("MAIN_DIALOG", "LST_RESOLUTION_" + std::to_string(i + 1)));
        SendMessageA(Ctl(IDC_LSTREFRESH), LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry));
        EXPECT_EQ(std::string(entry), Translated("MAIN_DIALOG", "LST_REFRESH_" + std::to_string(i + 1)));
    }
    EXPECT_EQ(Text(IDC_LABEL16), "x");
    EXPECT_EQ(Text(IDC_LBLVERSION), "Vekolaunch " + std::to_string(VEKOLAUNCH_VER_MAJOR) + "." +
                                        std::to_string(VEKOLAUNCH_VER_MINOR) + "." +
                                        std::to_string(VEKOLAUNCH_VER_REVISION) + " " + Translated("GLOBAL", "WITH") +
                                        " Vekora 3.1 Demo");
}

// The page cannot hold the picture's natural 640 x 480 size, but every larger screen and the
// windowed drawing must be seen whole, and the preview must not shrink below what it has now.
TEST_P(MainWindowLook, PreviewShowsEveryLargerScreenWhole)
{
    Form().ucTab1_Click(frmMain::TAB_DISPLAY);
    RECT client = {};
    GetClientRect(Form().Preview().Hwnd(), &client);
    EXPECT_GE(client.right, MulDiv(PREVIEW_PICTURE_WIDTH, 85, 100));
    EXPECT_GE(client.bottom, MulDiv(PREVIEW_PICTURE_HEIGHT, 80, 100));
    for (int entry = 1; entry < 5; ++entry) {
        SelectListEntry(IDC_LSTRESOLUTION, entry);
        ASSERT_TRUE(Form().Preview().Layout().has_value());
        const PreviewLayout& layout = *Form().Preview().Layout();
        EXPECT_TRUE(Inside(layout.Image1.Pixels(), client)) << "entry " << entry;
        if (layout.ShapesVisible) {
            EXPECT_TRUE(Inside(layout.Shape1.Pixels(), client)) << "title bar";
            EXPECT_TRUE(Inside(layout.Shape2.Pixels(), client)) << "frame";
        }
    }
}

using MainWindowKeyboard = MainWindowTest;

// Without a mouse the pages are reached through the tabs: Tab moves onto them, Space opens one.
TEST_F(MainWindowKeyboard, TabKeyReachesTheTabsAndSpaceOpensTheirPage)
{
    WriteSettings();
    OpenWindow();
    HWND form = Form().Hwnd();
    HWND item = Ctl(IDC_CMDSTART);
    for (int i = 0; i < frmMain::TAB_COUNT; ++i) {
        item = GetNextDlgTabItem(form, item, FALSE);
        EXPECT_EQ(item, Form().Tab(i).Hwnd()) << "tab " << i;
    }
    item = GetNextDlgTabItem(form, item, FALSE);
    EXPECT_TRUE(IsChild(Form().Page(0).Hwnd(), item)) << "after the tabs the shown page's controls";

    SendMessageA(Form().Tab(frmMain::TAB_DISPLAY).Hwnd(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(Form().ActiveTab(), frmMain::TAB_DISPLAY);
    for (int i = 0; i < frmMain::TAB_COUNT; ++i) EXPECT_EQ(Shown(Form().Page(i).Hwnd()), i == frmMain::TAB_DISPLAY);
    item = GetNextDlgTabItem(form, Form().Tab(frmMain::TAB_COUNT - 1).Hwnd(), FALSE);
    EXPECT_TRUE(IsChild(Form().Page(frmMain::TAB_DISPLAY).Hwnd(), item)) << "the Display page's controls follow";
}
