// Dialog base: template loading, message routing and a modal loop of its own.
#include "base/DialogBase.h"

#include <deque>

#include "base/ControlHost.h"
#include "base/NonClientPaint.h"
#include "base/StartupTrace.h"
#include "base/SystemServices.h"
#include "base/mError.h"

namespace {
std::deque<std::function<bool()>> g_idleWork;

// The window property that marks a dialog of this base and leads to its object.
constexpr const char* OWN_DIALOG_PROPERTY = "DialogBase";
} // namespace

DialogBase::DialogBase(const char* templateName) : m_templateName(templateName) {}

DialogBase::~DialogBase()
{
    if (m_hwnd) {
        RemovePropA(m_hwnd, OWN_DIALOG_PROPERTY);
        HandBackOwner();
        SetWindowLongPtrA(m_hwnd, DWLP_USER, 0);
        DestroyWindow(m_hwnd);
    }
}

void DialogBase::Load(HWND owner)
{
    if (m_hwnd) return;
    CreateDialogParamA(GetModuleHandleA(nullptr), m_templateName.c_str(), owner, DialogProc,
                       reinterpret_cast<LPARAM>(this));
    // A template that cannot be made into a window is a fault of the program, not of memory.
    if (!m_hwnd) {
        throw AppError(RTE_INTERNAL, RuntimeErrorDescription(RTE_INTERNAL) + " (the window " + m_templateName +
                                         " could not be created: " + std::to_string(GetLastError()) + ")",
                       ProgramTitle());
    }
}

void DialogBase::ShowModal()
{
    if (!m_hwnd) return;
    HWND owner = GetWindow(m_hwnd, GW_OWNER);
    if (owner && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        m_disabledOwner = owner;
    }
    ShowWindow(m_hwnd, SW_SHOW);
    // Activated at once, not when the window system gets round to it: activation puts the
    // focus on the control the dialog chose, and the user types there from the first key.
    SetActiveWindow(m_hwnd);
    m_modal = true;
    MSG msg;
    while (m_modal && m_hwnd) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // hand the quit on to the outer loop
            break;
        }
        if (m_hwnd && IsDialogMessageA(m_hwnd, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    m_modal = false;
    HandBackOwner();
}

void DialogBase::HandBackOwner()
{
    // The owner takes input and the activation again before this window hides or goes: a
    // window that goes while its owner is still disabled leaves the system to activate some
    // other program's window.
    HWND owner = m_disabledOwner;
    m_disabledOwner = nullptr;
    if (owner) {
        EnableWindow(owner, TRUE);
        if (m_hwnd && GetActiveWindow() == m_hwnd) SetActiveWindow(owner);
    }
    if (m_hwnd) ShowWindow(m_hwnd, SW_HIDE);
}

void DialogBase::ShowModeless()
{
    if (m_hwnd) ShowWindow(m_hwnd, SW_SHOW);
}

void DialogBase::Unload()
{
    if (!m_hwnd) return;
    m_modal = false;
    HandBackOwner();
    DestroyWindow(m_hwnd);
}

void DialogBase::EndModal()
{
    // A modal loop hands the owner back itself once it ends.
    if (m_modal) m_modal = false;
    else if (m_hwnd) ShowWindow(m_hwnd, SW_HIDE);
}

std::string DialogBase::GetItemText(int id) const
{
    return WindowText(Item(id));
}

void DialogBase::SetItemText(int id, const std::string& text) const
{
    SetDlgItemTextA(m_hwnd, id, text.c_str());
}

bool DialogBase::IsChecked(int id) const
{
    return IsDlgButtonChecked(m_hwnd, id) == BST_CHECKED;
}

void DialogBase::SetChecked(int id, bool checked) const
{
    CheckDlgButton(m_hwnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void DialogBase::SetCaption(const std::string& text) const
{
    SetWindowTextA(m_hwnd, text.c_str());
}

bool DialogBase::PreTranslate(HWND window, const MSG& msg)
{
    auto* self = static_cast<DialogBase*>(GetPropA(window, OWN_DIALOG_PROPERTY));
    if (!self) return false;
    try {
        return self->OnPreTranslateMessage(msg);
    } catch (...) {
        ShowError(self->WindowName() + ".PreTranslateMessage");
        return true;
    }
}

INT_PTR CALLBACK DialogBase::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DialogBase* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<DialogBase*>(lParam);
        self->m_hwnd = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        // Other dialogs (message boxes, the system's file dialogs) use DWLP_USER as they like.
        SetPropA(hwnd, OWN_DIALOG_PROPERTY, self);
    } else {
        self = reinterpret_cast<DialogBase*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    // No failure may leave a window procedure: report what the handlers did not.
    try {
        return self->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        ShowError(self->WindowName() + ".WindowProc");
        return FALSE;
    }
}

INT_PTR DialogBase::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnInit();
        return FocusAtCreation() ? TRUE : FALSE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const bool clicked = HIWORD(wParam) == BN_CLICKED;
        if (id == IDOK && clicked) OnOk();
        else if (id == IDCANCEL && clicked) OnCancel();
        else OnCommand(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return TRUE;
    }
    case WM_NOTIFY: {
        LRESULT result = OnNotify(reinterpret_cast<NMHDR*>(lParam));
        SetWindowLongPtrA(m_hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_CLOSE:
        OnClose();
        return TRUE;
    case WM_NCPAINT: // a page has no frame to draw
        if (!HasNoNonClientArea(m_hwnd)) return FALSE;
        SetWindowLongPtrA(m_hwnd, DWLP_MSGRESULT, 0);
        return TRUE;
    case WM_DESTROY: {
        // Destroyed from outside while modal: the owner still gets its input back first.
        HandBackOwner();
        INT_PTR result = 0;
        return OnMessage(msg, wParam, lParam, result) ? result : FALSE;
    }
    case WM_NCDESTROY:
        OnDestroy();
        RemovePropA(m_hwnd, OWN_DIALOG_PROPERTY);
        SetWindowLongPtrA(m_hwnd, DWLP_USER, 0);
        m_hwnd = nullptr;
        m_modal = false;
        return FALSE;
    default: {
        INT_PTR result = 0;
        if (OnMessage(msg, wParam, lParam, result)) return result;
        return FALSE;
    }
    }
}

void RunWhenIdle(std::function<bool()> step)
{
    g_idleWork.push_back(std::move(step));
}

namespace {
void RunIdleStep()
{
    if (!g_idleWork.front()()) g_idleWork.pop_front();
}
} // namespace

void FinishIdleWork()
{
    while (!g_idleWork.empty()) RunIdleStep();
}

int RunMessageLoop()
{
    MSG msg;
    bool painted = false;
    bool idle = false;
    // The start ends with the first paint and the first moment with nothing to do.
    const auto markIdle = [&] {
        if (!painted || idle) return;
        idle = true;
        MarkStartup("idle");
    };
    for (;;) {
        // Nothing waits, not even a message already looked at: the one check that also tells
        // the system the program is ready for input (WaitForInputIdle).
        if (!g_idleWork.empty() &&
            MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_TIMEOUT) {
            markIdle();
            RunIdleStep();
            continue;
        }
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
        HWND active = GetActiveWindow();
        const bool key = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
        if (!active || (!(key && DialogBase::PreTranslate(active, msg)) && !IsDialogMessageA(active, &msg))) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (!painted && msg.message == WM_PAINT) {
            painted = true;
            MarkStartup("painted");
        }
        if (painted && !idle && IsStartupTraced() && GetQueueStatus(QS_ALLINPUT) == 0) markIdle();
    }
    return static_cast<int>(msg.wParam);
}
