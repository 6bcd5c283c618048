// frmUpdate: asks the project web site whether a newer launcher exists, in two steps (go
// online and press Next; the answer and the way to the update page). Its texts are English
// whatever the launcher's language.
#pragma once

#include <string>

#include "controls/HLine.h"
#include "core/DialogBase.h"
#include "core/ScopedWin.h"

class frmUpdate : public DialogBase {
public:
    frmUpdate() : DialogBase("frmUpdate") {}
    void InitDialog();

    // The page the open-page button opens; "" unless the last search offered an update.
    const std::string& UpdatePage() const { return m_updatePage; }

protected:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void ShowStep(int step);
    void SearchUpdates();
    void cmdSearchUpdates_Click();
    void cmdOpenUpdatePage_Click();
    void Command1_Click();

    std::string m_updatePage;
    bool m_searching = false;
    HLine m_HLine1, m_HLine2;
    ScopedGdiObj<HFONT> m_headingFont;
};
