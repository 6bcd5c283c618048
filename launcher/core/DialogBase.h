// Base of the launcher's dialog windows: owns the HWND made from a dialog template and
// routes messages to virtual handlers. Callers follow the protocol Load, InitDialog,
// ShowModal, read the results, then let the object go.
#pragma once

#include <windows.h>
#include <string>

class DialogBase {
public:
    explicit DialogBase(const char* templateName);
    virtual ~DialogBase();
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    // Creates the (still hidden) window from its template; OnInit runs inside.
    void Load(HWND owner = nullptr);
    // Shows the window and runs a modal loop, the owner disabled, until the window unloads
    // or EndModal is called.
    void ShowModal();
    void ShowModeless();
    // Destroys the window; ends a modal loop.
    void Unload();
    // Leaves the modal loop and hides the window without destroying it.
    void EndModal();

    HWND Hwnd() const { return m_hwnd; }
    bool IsLoaded() const { return m_hwnd != nullptr; }
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
    std::string GetItemText(int id) const;
    void SetItemText(int id, const std::string& text) const;
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked) const;
    void SetCaption(const std::string& text) const;

protected:
    virtual void OnInit() {}
    virtual void OnCommand(int id, int code, HWND control) {}
    virtual LRESULT OnNotify(NMHDR* header) { return 0; }
    // Title-bar close, Alt+F4 and Escape. Unloads unless overridden.
    virtual void OnClose() { Unload(); }
    virtual void OnDestroy() {}
    // Any other message; return true when handled (result in result).
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) { return false; }
    // Name used when an unexpected failure escapes a handler.
    virtual std::string WindowName() const { return m_templateName; }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    std::string m_templateName;
    HWND m_hwnd = nullptr;
    bool m_modal = false;
};

// The message loop of a modeless top-level window, with dialog keyboard handling.
int RunMessageLoop();
