// Base of the dialog windows: owns the HWND made from a dialog template and routes messages
// to virtual handlers. OK and Cancel are the buttons IDOK and IDCANCEL; Enter, Escape and the
// title-bar close reach OnOk, OnCancel and OnClose. Callers follow one protocol:
//   frmX dialog; dialog.Load(owner); dialog.InitDialog(...); dialog.ShowModal();
//   read the results (dialog.Cancel(), ...); dialog.Unload();
#pragma once

#include <windows.h>
#include <functional>
#include <string>

class DialogBase {
public:
    explicit DialogBase(const char* templateName);
    virtual ~DialogBase();
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    // Creates the (still hidden) window from its template; OnInit runs inside.
    void Load(HWND owner = nullptr);
    // Shows the window and runs a modal loop, the owner disabled, until EndModal is called
    // (or the window unloads). Every way out goes through one closing path: the owner is
    // enabled and activated again before the window hides or goes.
    void ShowModal();
    void ShowModeless();
    // Destroys the window (handing its owner back first when it is still modal).
    void Unload();
    // Leaves the modal loop (or, shown modeless, just hides the window) without destroying it;
    // the way a window closes itself: its caller reads the results and unloads it.
    void EndModal();

    HWND Hwnd() const { return m_hwnd; }
    bool IsLoaded() const { return m_hwnd != nullptr; }
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
    // The text of one of the window's controls.
    std::string GetItemText(int id) const;
    void SetItemText(int id, const std::string& text) const;
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked) const;
    void SetCaption(const std::string& text) const;
    // Offers a message for the window (its own or a control's) to the window before the dialog
    // manager sees it; true when the window took it.
    static bool PreTranslate(HWND window, const MSG& msg);

protected:
    virtual void OnInit() {}
    // Whether the dialog manager puts the focus on the first control when the window is made.
    // A window shown right after its creation need not: its activation puts it there, and a
    // focus set while the window is still hidden activates it once more for nothing.
    virtual bool FocusAtCreation() const { return true; }
    // Every command but IDOK and IDCANCEL.
    virtual void OnCommand(int id, int code, HWND control) {}
    // The answer goes to the sender through DWLP_MSGRESULT.
    virtual LRESULT OnNotify(NMHDR* header) { return 0; }
    // The OK button or Enter; ends the modal loop unless overridden.
    virtual void OnOk() { EndModal(); }
    // The Cancel button or Escape; ends the modal loop unless overridden.
    virtual void OnCancel() { EndModal(); }
    // Title-bar close and Alt+F4: counts as Cancel unless overridden.
    virtual void OnClose() { OnCancel(); }
    // Keys the dialog manager would use otherwise, such as a tabbed window's Ctrl+Tab. The
    // message loop passes only keyboard messages.
    virtual bool OnPreTranslateMessage(const MSG& msg) { return false; }
    virtual void OnDestroy() {}
    // Any other message; return true when handled (result in result).
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) { return false; }
    // Name used when an unexpected failure escapes a handler.
    virtual std::string WindowName() const { return m_templateName; }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // The one closing path of a modal window: its owner enabled and active again, itself hidden.
    void HandBackOwner();

    std::string m_templateName;
    HWND m_hwnd = nullptr;
    bool m_modal = false;
    HWND m_disabledOwner = nullptr; // disabled by ShowModal, until handed back
};

// The message loop of a modeless top-level window, with dialog keyboard handling.
int RunMessageLoop();
// Work that RunMessageLoop does a short step at a time whenever no message waits, so that
// input and painting always come first; a step returns whether more remains. Steps catch
// their own errors.
void RunWhenIdle(std::function<bool()> step);
// Does all the idle work now: for a caller that runs no message loop of this base.
void FinishIdleWork();
