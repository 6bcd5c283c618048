// ucWizard_TitleArea: a wizard's white header with the step's bold title, a description line
// and, on a grey band below, the task line.
#pragma once

#include <windows.h>
#include <string>

#include "base/BaseWindow.h"
#include "base/ScopedWin.h"

class ucWizard_TitleArea : public BaseWindow<ucWizard_TitleArea> {
public:
    static const char* ClassName() { return "Vekolaunch_ucWizard_TitleArea"; }

    // Takes the top of the place it is given, in its own height.
    bool Create(HWND parent, int id, const RECT& rect);
    static int FixedHeight(int dpi);

    void SetTexts(const std::string& strTitle, const std::string& strDesc, const std::string& strTask);
    const std::string& StepTitle() const { return m_step; }
    const std::string& StepDesc() const { return m_stepDesc; }
    const std::string& StepTask() const { return m_stepTask; }

    // Where the three texts are drawn, in the control's client coordinates.
    struct Layout {
        RECT Step, StepDesc, StepTask, Band, Line;
    };
    static Layout LayoutFor(int width, int dpi);
    // Where a description of that drawn height goes: its one-line place when it fits there,
    // else as many lines as it needs between the step's title and the band.
    static RECT DescriptionRect(const Layout& layout, int lineHeight, int textHeight);

protected:
    PaintStyle Painting() const override { return PaintStyle::Buffered; }
    void Paint(HDC dc) override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void UserControl_Resize(WINDOWPOS* pos);

    std::string m_step, m_stepDesc, m_stepTask;
    HFONT m_font = nullptr; // the host's
    ScopedGdiObj<HFONT> m_boldFont;
    int m_dpi = 96;
};
