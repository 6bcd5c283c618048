// ucPath: a one-line path field that also takes a file, folder or text dropped on it (OLE).
#pragma once

#include <windows.h>
#include <ole2.h>
#include <memory>
#include <string>

#include "base/BaseWindow.h"
#include "base/ScopedWin.h"

// The inner text box's control ID inside the field.
constexpr int IDC_UCPATH_TXTPATH = 4001;

// The field forwards every notification of its inner text box to its parent as
// WM_COMMAND(MAKEWPARAM(field ID, code), field window), so a host handles it like an edit box:
constexpr WORD UCPATH_CHANGE = EN_CHANGE;       // the text changed (typing, program, drop)
constexpr WORD UCPATH_SETFOCUS = EN_SETFOCUS;
constexpr WORD UCPATH_KILLFOCUS = EN_KILLFOCUS;

// Default background of the text box (white).
constexpr COLORREF UCPATH_DEFAULT_BACK = RGB(255, 255, 255);

// The path carried by a drag-and-drop data object: its plain text if it has any, else the one
// entry of a file list with exactly one entry; "" otherwise (also for a list of several).
std::string GetPathFromClipboard(IDataObject* data);
// Whether a drop of that data would give the field a text: plain text or a one-entry file list.
bool HasDroppablePath(IDataObject* data) noexcept;
// The effect to signal while that data is dragged over the field, from the effects the source
// allows: copy for a droppable path (when allowed), none for anything else.
DWORD DragEffectFor(IDataObject* data, DWORD allowedEffects) noexcept;

// Usage: PlaceAtPlaceholder(field, hwndDialog, IDC_VEKORAPATH) (or field.Create(parent, id, rect));
// then field.Text(), field.SetText(...), field.SetLocked(true); a change reaches the host as
// WM_COMMAND(UCPATH_CHANGE). WM_SETTEXT, WM_GETTEXT and WM_SETFONT sent to the field go to its text box, so
// SetDlgItemText/GetDlgItemText on the field's ID work as on an edit box. The field is a drop
// target from creation on (OLE must be initialised on the thread), or, after
// RegisterDropTargetWhenIdle, from the moment the program first waits for input. A locked field cannot be
// typed into but still takes drops and text set by the program; a disabled one takes nothing.
class ucPath : public BaseWindow<ucPath> {
public:
    ucPath();
    ~ucPath() override;
    static const char* ClassName() { return "Vekolaunch_ucPath"; }

    bool Create(HWND parent, int id, const RECT& rect, DWORD style = WS_CHILD | WS_VISIBLE);

    // The text box's text. Writing the same text again is no change and raises nothing.
    std::string Text() const;
    void SetText(const std::string& text);
    COLORREF BackColor() const { return m_backColor; }
    void SetBackColor(COLORREF color);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Locked() const { return m_locked; }
    void SetLocked(bool locked);
    // 1: a fixed single border (the text box's sunken edge).
    int BorderStyle() const { return 1; }
    // Kept for the host; drops are not filtered by them.
    bool AcceptFiles() const { return m_acceptFiles; }
    void SetAcceptFiles(bool accept) { m_acceptFiles = accept; }
    bool AcceptFolders() const { return m_acceptFolders; }
    void SetAcceptFolders(bool accept) { m_acceptFolders = accept; }

    // Registering with OLE is the costliest part of the field's creation: a window that opens
    // with the field has it done once it is shown and waits for input, long before any drag
    // can reach it. Before Create.
    void RegisterDropTargetWhenIdle() { m_registerWhenIdle = true; }

    HWND TextBox() const { return m_txtPath; }
    // The drop target registered for the text box (not add-ref'ed).
    IDropTarget* DropTarget() const;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    class PathDropTarget;
    friend class PathDropTarget;

    void UserControl_Create();
    void UserControl_Resize(int width, int height);
    void UserControl_Destroy();
    DWORD txtPath_OLEDragOver(IDataObject* data, DWORD allowedEffects);
    DWORD txtPath_OLEDragDrop(IDataObject* data, DWORD allowedEffects);
    bool TakesDrops() const;
    void RegisterDropTarget();
    LRESULT OnTextBoxColor(HDC dc);

    HWND m_txtPath = nullptr;
    PathDropTarget* m_dropTarget = nullptr; // one reference held here
    bool m_registered = false;
    bool m_registerWhenIdle = false;
    std::shared_ptr<char> m_textBoxAlive; // for the registration that waits for the idle time
    ScopedGdiObj<HBRUSH> m_backBrush;
    COLORREF m_backColor = UCPATH_DEFAULT_BACK;
    bool m_locked = false;
    bool m_acceptFiles = false;
    bool m_acceptFolders = false;
};
