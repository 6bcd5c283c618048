// The wizard's header.
#include "shortcuts/ucWizard_TitleArea.h"

#include <algorithm>

#include "base/ControlHost.h"
#include "base/mError.h"
#include "base/mFunctions.h"

namespace {
// In twips, as the window's design.
constexpr int TITLE_HEIGHT = 1290;
constexpr int STEP_LEFT = 240;
constexpr int STEP_TOP = 150;
constexpr int TEXT_LINE = 240;
constexpr int DESC_LEFT = 480;
constexpr int DESC_TOP = 420;
constexpr int BAND_TOP = 750;
constexpr int TASK_LEFT = 480;
constexpr int TASK_TOP = 810;
constexpr int TASK_WIDTH = 6600; // two lines of text on the band
constexpr int LINE_LEFT = 120;
} // namespace

bool ucWizard_TitleArea::Create(HWND parent, int id, const RECT& rect)
{
    {
        ScopedGetDC screen(nullptr);
        m_dpi = GetDeviceCaps(screen, LOGPIXELSY);
    }
    m_font = WindowFont(parent);
    m_boldFont = DerivedFont(m_font, {.Bold = true});
    RECT own = rect;
    own.bottom = own.top + FixedHeight(m_dpi);
    return BaseWindow::Create(parent, id, own);
}

int ucWizard_TitleArea::FixedHeight(int dpi)
{
    return TwipsToPixels(TITLE_HEIGHT, dpi);
}

ucWizard_TitleArea::Layout ucWizard_TitleArea::LayoutFor(int width, int dpi)
{
    auto px = [dpi](int twips) { return TwipsToPixels(twips, dpi); };
    Layout layout;
    layout.Step = {px(STEP_LEFT), px(STEP_TOP), width, px(STEP_TOP + TEXT_LINE)};
    layout.StepDesc = {px(DESC_LEFT), px(DESC_TOP), width, px(DESC_TOP + TEXT_LINE)};
    layout.Band = {0, px(BAND_TOP), width, px(TITLE_HEIGHT)};
    layout.StepTask = {px(TASK_LEFT), px(TASK_TOP), px(TASK_LEFT + TASK_WIDTH), px(TITLE_HEIGHT) - 2};
    // The line ends as far from the right edge as it starts from the left.
    layout.Line = {px(LINE_LEFT), px(BAND_TOP) - 1, width - px(LINE_LEFT), px(BAND_TOP)};
    return layout;
}

RECT ucWizard_TitleArea::DescriptionRect(const Layout& layout, int lineHeight, int textHeight)
{
    if (textHeight <= layout.StepDesc.bottom - layout.StepDesc.top) return layout.StepDesc;
    RECT rect = layout.StepDesc;
    rect.bottom = layout.Band.top;
    rect.top = std::max<LONG>(layout.Step.top + lineHeight, rect.bottom - textHeight);
    return rect;
}

void ucWizard_TitleArea::SetTexts(const std::string& strTitle, const std::string& strDesc, const std::string& strTask)
{
    m_step = strTitle;
    m_stepDesc = strDesc;
    m_stepTask = strTask;
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

void ucWizard_TitleArea::Paint(HDC dc)
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    const Layout layout = LayoutFor(client.right, m_dpi);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FillRect(dc, &layout.Band, GetSysColorBrush(COLOR_BTNFACE));
    FillRect(dc, &layout.Line, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    auto draw = [dc](const std::string& text, RECT rect, HFONT font, UINT format) {
        ScopedSelectObject select(dc, font);
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_NOPREFIX);
    };
    draw(m_step, layout.Step, m_boldFont.Get(), DT_SINGLELINE | DT_END_ELLIPSIS);
    RECT desc = layout.StepDesc;
    int lineHeight = 0;
    {
        ScopedSelectObject select(dc, m_font);
        TEXTMETRICA metrics = {};
        GetTextMetricsA(dc, &metrics);
        lineHeight = metrics.tmHeight;
        DrawTextA(dc, m_stepDesc.c_str(), static_cast<int>(m_stepDesc.size()), &desc,
                  DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    }
    // A description too long for its line takes a second one instead of losing its end.
    draw(m_stepDesc, DescriptionRect(layout, lineHeight, desc.bottom - desc.top), m_font, DT_WORDBREAK | DT_END_ELLIPSIS);
    draw(m_stepTask, layout.StepTask, m_font, DT_WORDBREAK | DT_END_ELLIPSIS);
}

void ucWizard_TitleArea::UserControl_Resize(WINDOWPOS* pos)
{
    ShowErrors("ucWizard_TitleArea.UserControl_Resize", [&] {
        if (!(pos->flags & SWP_NOSIZE)) pos->cy = FixedHeight(m_dpi);
    });
}

LRESULT ucWizard_TitleArea::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_WINDOWPOSCHANGING: UserControl_Resize(reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
    case WM_SIZE: InvalidateRect(m_hwnd, nullptr, FALSE); return 0;
    default: return DefaultProc(msg, wParam, lParam);
    }
}
