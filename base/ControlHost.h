// What custom controls and the windows hosting them share: reading a window's text, telling
// the host of an event or asking it for an answer, and taking a template placeholder's place.
#pragma once

#include <windows.h>
#include <string>
#include <utility>

#include "base/ScopedWin.h"

// The whole text of a window or control.
std::string WindowText(HWND hwnd);
// Whether the window is of the class named (compared as the system does, ignoring case).
bool IsWindowOfClass(HWND hwnd, const char* className);
// A dialog from a template: of the system's dialog class or of one made from it (a main window
// with its own icon); it answers WM_NOTIFY through DWLP_MSGRESULT.
bool IsDialogWindow(HWND hwnd);

// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window, HWND parent);

// The font the window draws its text with; the default GUI font where it names none.
HFONT WindowFont(HWND hwnd);
// The line height of the font the window draws its text with.
int FontLineHeight(HWND hwnd);

// How a derived font differs from the one it is made from.
struct FontChange {
    bool Bold = false;
    bool Underline = false;
    int HeightTimes = 1;
};
// A font of its own made from the given one with the change, as headings and links use.
//   m_headingFont = DerivedFont(WindowFont(Hwnd()), {.Bold = true});
ScopedGdiObj<HFONT> DerivedFont(HFONT font, const FontChange& change);

// The brush the control's parent paints behind its static texts with, for a control that
// paints its own background; the button face where the parent gives none.
HBRUSH ParentBackground(HWND control, HDC dc);

// Tells the control's parent of a plain event: WM_COMMAND with the control's ID and the code in
// the high word, the control's window in lParam; the host answers nothing.
void NotifyHost(HWND control, WORD code);
// Asks the control's parent through WM_NOTIFY (a step the host may veto, for instance): fills in
// the header's sender fields and code, and returns the host's answer. A dialog answers in its
// DWLP_MSGRESULT, any other window with the message's result. The header may begin a larger
// structure that carries more.
LRESULT AskHost(HWND control, UINT code, NMHDR& header);

// The rectangle of a dialog template's placeholder control in the dialog's client coordinates;
// a missing placeholder raises "Object variable ... not set" (91).
RECT PlaceholderRect(HWND dialog, int id);
// Puts the control at the placeholder's place in the tab order and destroys the placeholder.
void ReplacePlaceholder(HWND dialog, int id, HWND control);

// Creates a custom control where a placeholder control of a dialog template stands: the same
// place, size, ID and position in the tab order; the placeholder goes. The further arguments
// are those the control's Create takes after the rectangle.
//   PlaceAtPlaceholder(m_hLine1, Hwnd(), IDC_EP_HLINE1);
template <typename Control, typename... CreateArgs>
bool PlaceAtPlaceholder(Control& control, HWND dialog, int id, CreateArgs&&... args)
{
    const RECT rect = PlaceholderRect(dialog, id);
    if (!control.Create(dialog, id, rect, std::forward<CreateArgs>(args)...)) return false;
    ReplacePlaceholder(dialog, id, control.Hwnd());
    return true;
}
