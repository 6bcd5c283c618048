// One page of the main window (picPage(k)): a child window from its own template that lies
// inside the tab area, takes the area's colour and hands every command to the main window.
#pragma once

#include <windows.h>
#include <string>

#include "core/DialogBase.h"
#include "core/ScopedWin.h"

class frmMainPage : public DialogBase {
public:
    explicit frmMainPage(int index);

    COLORREF BackColor() const { return m_backColor; }
    void SetBackColor(COLORREF color);

protected:
    void OnInit() override;
    // The controls of a page belong to the main window: their commands go there.
    void OnCommand(int id, int code, HWND control) override;
    // A page cannot be closed on its own.
    void OnClose() override {}
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    int m_index;
    COLORREF m_backColor = GetSysColor(COLOR_BTNFACE);
    ScopedGdiObj<HBRUSH> m_backBrush;
};
