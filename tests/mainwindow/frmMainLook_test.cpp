// The main window's look in English and German: its size, the row of tabs, the pages inside
// the tab area, every text from the language file, and no text clipped, no controls overlapping.
#include "mainwindow/MainWindowTest.h"

#include <algorithm>

#include "AppVersion.h"
#include "base/ControlHost.h"
#include "mainwindow/MainLayout.h"
#include "support/ProgramIcons.h"

namespace {
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
    ExpectWindowTexts(ConfigDir() + "LNG_" + GetParam() + ".ini");
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

// Ctrl+Tab and Ctrl+PgDn go to the next page, with Shift or Ctrl+PgUp to the one before, round
// the ends, from wherever the focus is in the window; the keys without Ctrl stay the dialog's.
TEST_F(MainWindowKeyboard, ControlTabAndPageKeysSwitchThePages)
{
    WriteSettings();
    OpenWindow();
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const auto press = [&](UINT key, bool control, bool shift, HWND target) {
        keys[VK_CONTROL] = control ? 0x80 : 0;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        const MSG msg = {target, WM_KEYDOWN, key, 0, 0, {}};
        return DialogBase::PreTranslate(Form().Hwnd(), msg);
    };
    const struct { UINT Key; bool Shift; int Page; } steps[] = {
        {VK_TAB, false, 1}, {VK_NEXT, false, 2}, {VK_TAB, true, 1}, {VK_PRIOR, false, 0}, {VK_PRIOR, false, 4},
        {VK_TAB, false, 0},
    };
    for (const auto& step : steps) {
        EXPECT_TRUE(press(step.Key, true, step.Shift, Ctl(IDC_CKFREEPLAY))) << step.Key;
        EXPECT_EQ(Form().ActiveTab(), step.Page) << step.Key << " shift " << step.Shift;
        EXPECT_EQ(GetFocus(), Form().Tab(step.Page).Hwnd());
    }
    EXPECT_FALSE(press(VK_TAB, false, false, Ctl(IDC_CMDSTART)));
    EXPECT_FALSE(press(VK_NEXT, false, false, Ctl(IDC_CMDSTART)));
    EXPECT_EQ(Form().ActiveTab(), 0);
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

using MainWindowIcon = MainWindowTest;

// The launcher's own icon: in the program file the shell shows (and a shortcut to it takes by
// default), in small and large sizes, and in the main window's title bar.
TEST_F(MainWindowIcon, TheProgramAndItsWindowCarryTheirOwnIcon)
{
    const std::vector<int> widths = ProgramIconWidths(TestProgramDir() + "Vekolaunch.exe");
    for (int size : {16, 32}) EXPECT_NE(std::find(widths.begin(), widths.end(), size), widths.end()) << size;
    WriteSettings();
    OpenWindow();
    EXPECT_TRUE(HasOwnIcons(Form().Hwnd()));
}
