// The About window: its texts in both languages, the tab row, the pages and the two links.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <cstdint>

#include "base/mIni.h"
#include "core/AppConstants.h"
#include "core/Application.h"
#include "support/BoundTexts.h"
#include "support/TestEnvironment.h"
#include "translation/cTranslate.h"
#include "web/frmInfo.h"
#include "web/frmInfo_res.h"

namespace {

bool Visible(HWND hwnd)
{
    return (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

// The colour the window paints at a point of its client area when msg (WM_ERASEBKGND or
// WM_PRINTCLIENT) hands it a bitmap that starts black.
COLORREF PaintedAt(HWND hwnd, UINT msg, POINT at)
{
    RECT client = {};
    GetClientRect(hwnd, &client);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = CreateCompatibleDC(nullptr);
    uint32_t* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(hwnd, msg, reinterpret_cast<WPARAM>(dc), msg == WM_PRINTCLIENT ? PRF_CLIENT : 0);
    GdiFlush();
    const uint32_t value = bits[static_cast<size_t>(at.y) * client.right + at.x];
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

class InfoWindow : public AppFixture {
protected:
    void Open(const std::string& language)
    {
        WriteIni("[OPTIONS]\r\nLANGUAGE=" + language + "\r\n");
        RestartApplication();
        g_cApp->Options().LoadData();
        dialog = std::make_unique<frmInfo>();
        dialog->Load();
    }
    std::string Text(int id) const { return WindowText(dialog->Control(id)); }
    bool PageShown(int index) const { return Visible(dialog->Pages().Page(index).Hwnd()); }
    void ClickTab(int index) const
    {
        HWND tab = dialog->Pages().Tab(index).Hwnd();
        SendMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        SendMessageA(tab, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    }
    // A link reacts to Enter as to a click.
    void PressLink(int id) const
    {
        HWND link = dialog->Control(id);
        SetFocus(link);
        SendMessageA(link, WM_KEYDOWN, VK_RETURN, 0);
    }

    std::unique_ptr<frmInfo> dialog;
};

} // namespace

TEST_F(InfoWindow, TextsComeFromTheChosenLanguageAndTheVersionFromTheResource)
{
    for (const char* language : {"EN", "DE"}) {
        Open(language);
        const std::string file = ConfigDir() + "LNG_" + language + ".ini";
        EXPECT_EQ(WindowText(dialog->Hwnd()), ReadFromIni(file, "INFO_DIALOG", "DIALOG_CAPTION", "")) << language;
        EXPECT_EQ(Text(IDC_INFO_LBLEMAIL_INFO), ReadFromIni(file, "INFO_DIALOG", "LBL_EMAIL", "") + ":") << language;
        ExpectBoundTexts(frmInfo::TEXTS, file, [&](int id) { return Text(id); });
        EXPECT_EQ(dialog->Pages().Tab(1).Caption(), ReadFromIni(file, "INFO_DIALOG", "TAB_CREDITS", "")) << language;
        EXPECT_EQ(Text(IDC_INFO_LBLVERSION), "Version 0.0.24") << language;
        EXPECT_EQ(Text(IDC_INFO_LBLWEBPAGE), std::string("<a>") + VEKOLAUNCH_WEB_HOST + "</a>") << language;
    }
}

TEST_F(InfoWindow, AlwaysOpensOnTheFirstTab)
{
    Open("EN");
    ClickTab(1);
    ASSERT_TRUE(PageShown(1));
    // Close ends the modal loop; the caller unloads.
    PostMessageA(dialog->Control(IDCANCEL), BM_CLICK, 0, 0);
    dialog->ShowModal();
    EXPECT_FALSE(IsWindowVisible(dialog->Hwnd()));
    Open("EN");
    EXPECT_TRUE(dialog->Pages().Tab(0).IsActive());
    EXPECT_TRUE(PageShown(0));
    EXPECT_FALSE(PageShown(1));
}

TEST_F(InfoWindow, LinksOpenTheWebPageAndAMailToTheAuthor)
{
    Open("EN");
    ShowWindow(dialog->Hwnd(), SW_SHOW);
    PressLink(IDC_INFO_LBLWEBPAGE);
    PressLink(IDC_INFO_LBLEMAIL);
    ASSERT_EQ(m_sys->ShellCalls.size(), 2u);
    EXPECT_EQ(m_sys->ShellCalls[0].File, VEKOLAUNCH_WEB_ADDRESS);
    EXPECT_EQ(m_sys->ShellCalls[1].File, std::string("mailto:") + VEKOLAUNCH_CONTACT_MAIL);
}

// Wine's link control deletes the brush its parent answers WM_CTLCOLORSTATIC with; once the
// links have painted, the page and its labels must still fill with the area's grey.
TEST_F(InfoWindow, InfoPageKeepsItsGreyOnceItsLinksHavePainted)
{
    Open("EN");
    ShowWindow(dialog->Hwnd(), SW_SHOW);
    RedrawWindow(dialog->Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const COLORREF grey = dialog->Pages().Area().BackColor();
    HWND page = dialog->Pages().Page(0).Hwnd();
    RECT client = {};
    GetClientRect(page, &client);
    EXPECT_EQ(PaintedAt(page, WM_ERASEBKGND, POINT{client.right - 1, client.bottom - 1}), grey) << "the page";
    HWND label = dialog->Control(IDC_INFO_LBLEMAIL_INFO);
    GetClientRect(label, &client);
    EXPECT_EQ(PaintedAt(label, WM_PRINTCLIENT, POINT{client.right - 1, client.bottom / 2}), grey) << "the E-mail label";
}
