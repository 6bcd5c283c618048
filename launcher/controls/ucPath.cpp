// ucPath: the path field, its text box and its OLE drop target.
#include "controls/ucPath.h"

#include <cstring>
#include <optional>

#include "base/ControlHost.h"
#include "base/DialogBase.h"
#include "base/ScopedWin.h"
#include "base/ShellFunctions.h"
#include "base/mError.h"

namespace {
bool Offers(IDataObject* data, CLIPFORMAT format)
{
    FORMATETC request = {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return data->QueryGetData(&request) == S_OK;
}

bool OffersText(IDataObject* data)
{
    return Offers(data, CF_TEXT) || Offers(data, CF_UNICODETEXT);
}

// The plain text of the data; wide text is converted to the program's code page here.
std::optional<std::string> DroppedText(IDataObject* data)
{
    ScopedStgMedium medium;
    if (medium.Get(data, CF_TEXT)) {
        ScopedGlobalLock lock(medium.Global());
        if (!lock.Data()) return std::nullopt;
        const char* text = static_cast<const char*>(lock.Data());
        return std::string(text, strnlen(text, lock.Size()));
    }
    if (!medium.Get(data, CF_UNICODETEXT)) return std::nullopt;
    ScopedGlobalLock lock(medium.Global());
    if (!lock.Data()) return std::nullopt;
    const wchar_t* wide = static_cast<const wchar_t*>(lock.Data());
    int length = static_cast<int>(wcsnlen(wide, lock.Size() / sizeof(wchar_t)));
    if (length == 0) return std::string();
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, text.data(), bytes, nullptr, nullptr);
    return text;
}

// The number of entries of the data's file list (0 without one), and its first entry.
UINT DroppedFiles(IDataObject* data, std::string* first)
{
    ScopedStgMedium medium;
    if (!medium.Get(data, CF_HDROP)) return 0;
    HDROP drop = static_cast<HDROP>(medium.Global());
    UINT count = ShellDll::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    if (count >= 1 && first) {
        UINT length = ShellDll::DragQueryFileA(drop, 0, nullptr, 0);
        std::string path(length + 1, '\0');
        ShellDll::DragQueryFileA(drop, 0, path.data(), length + 1);
        path.resize(length);
        *first = path;
    }
    return count;
}
} // namespace

std::string GetPathFromClipboard(IDataObject* data)
{
    std::string path;
    ShowErrors("ucPath.GetPathFromClipboard", [&] {
        if (!data) return;
        if (std::optional<std::string> text = DroppedText(data)) path = *text;
        else if (DroppedFiles(data, &path) != 1) path.clear();
    });
    return path;
}

bool HasDroppablePath(IDataObject* data) noexcept
{
    if (!data) return false;
    try {
        return OffersText(data) || DroppedFiles(data, nullptr) == 1;
    } catch (...) {
        return false; // a file list the shell cannot read for us is nothing to drop
    }
}

DWORD DragEffectFor(IDataObject* data, DWORD allowedEffects) noexcept
{
    if ((allowedEffects & DROPEFFECT_COPY) && HasDroppablePath(data)) return DROPEFFECT_COPY;
    return DROPEFFECT_NONE;
}

// The COM object OLE calls while something is dragged over the text box. It lives as long as
// OLE or the field holds a reference; the field cuts the link back to itself when it goes.
class ucPath::PathDropTarget final : public IDropTarget {
public:
    explicit PathDropTarget(ucPath* owner) : m_owner(owner) {}
    void Detach() { m_owner = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (!object) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
            *object = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_refs)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG refs = InterlockedDecrement(&m_refs);
        if (refs == 0) delete this;
        return static_cast<ULONG>(refs);
    }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override
    {
        if (!effect) return E_INVALIDARG;
        m_droppable = m_owner && HasDroppablePath(data);
        *effect = m_owner ? m_owner->txtPath_OLEDragOver(data, *effect) : DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override
    {
        if (!effect) return E_INVALIDARG;
        // The data was judged once on entering; only the allowed effects can change.
        bool takes = m_owner && m_owner->TakesDrops() && m_droppable;
        *effect = takes && (*effect & DROPEFFECT_COPY) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        m_droppable = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override
    {
        if (!effect) return E_INVALIDARG;
        m_droppable = false;
        *effect = m_owner ? m_owner->txtPath_OLEDragDrop(data, *effect) : DROPEFFECT_NONE;
        return S_OK;
    }

private:
    LONG m_refs = 1;
    ucPath* m_owner;
    bool m_droppable = false;
};

ucPath::ucPath() : m_dropTarget(new PathDropTarget(this)) {}

ucPath::~ucPath()
{
    if (m_hwnd) DestroyWindow(m_hwnd); // revokes the drop target while the object still exists
    m_dropTarget->Detach();
    m_dropTarget->Release();
}

bool ucPath::Create(HWND parent, int id, const RECT& rect, DWORD style)
{
    // The text box covers the whole field: without its area the field has nothing to paint.
    return BaseWindow::Create(parent, id, rect, style | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

IDropTarget* ucPath::DropTarget() const
{
    return m_dropTarget;
}

std::string ucPath::Text() const
{
    return m_txtPath ? WindowText(m_txtPath) : std::string();
}

void ucPath::SetText(const std::string& text)
{
    PassErrors("ucPath.Text", [&] {
        if (!m_txtPath || Text() == text) return;
        SetWindowTextA(m_txtPath, text.c_str()); // the text box reports the change (EN_CHANGE)
    });
}

void ucPath::SetBackColor(COLORREF color)
{
    m_backColor = color;
    m_backBrush.Reset(CreateSolidBrush(color));
    if (m_txtPath) InvalidateRect(m_txtPath, nullptr, TRUE);
}

bool ucPath::Enabled() const
{
    return m_txtPath && IsWindowEnabled(m_txtPath);
}

void ucPath::SetEnabled(bool enabled)
{
    EnableWindow(m_hwnd, enabled); // WM_ENABLE passes it on to the text box
}

void ucPath::SetLocked(bool locked)
{
    m_locked = locked;
    if (m_txtPath) SendMessageA(m_txtPath, EM_SETREADONLY, locked, 0);
}

bool ucPath::TakesDrops() const
{
    return m_hwnd && IsWindowEnabled(m_hwnd) && IsWindowEnabled(m_txtPath);
}

void ucPath::UserControl_Create()
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    m_txtPath = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                0, 0, client.right, client.bottom, m_hwnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_UCPATH_TXTPATH)),
                                GetModuleHandleA(nullptr), nullptr);
    SendMessageA(m_txtPath, WM_SETFONT, reinterpret_cast<WPARAM>(WindowFont(GetParent(m_hwnd))), FALSE);
    SetBackColor(m_backColor);
    SetLocked(m_locked);
    if (!m_registerWhenIdle) return RegisterDropTarget();
    m_textBoxAlive = std::make_shared<char>();
    RunWhenIdle([this, alive = std::weak_ptr<char>(m_textBoxAlive)] {
        if (!alive.expired()) RegisterDropTarget();
        return false;
    });
}

void ucPath::RegisterDropTarget()
{
    // Fails without OLE on this thread; the field then works without drops.
    if (m_txtPath && !m_registered) m_registered = SUCCEEDED(RegisterDragDrop(m_txtPath, m_dropTarget));
}

void ucPath::UserControl_Resize(int width, int height)
{
    ShowErrors("ucPath.UserControl_Resize", [&] { if (m_txtPath) MoveWindow(m_txtPath, 0, 0, width, height, TRUE); });
}

void ucPath::UserControl_Destroy()
{
    if (m_registered) RevokeDragDrop(m_txtPath);
    m_registered = false;
    m_textBoxAlive.reset();
    m_txtPath = nullptr; // its notifications while it goes are no longer passed on
}

DWORD ucPath::txtPath_OLEDragOver(IDataObject* data, DWORD allowedEffects)
{
    DWORD effect = DROPEFFECT_NONE;
    ShowErrors("ucPath.txtPath_OLEDragOver", [&] { if (TakesDrops()) effect = DragEffectFor(data, allowedEffects); });
    return effect;
}

// Only data the drag-over step accepted is taken; anything else leaves the text alone.
DWORD ucPath::txtPath_OLEDragDrop(IDataObject* data, DWORD allowedEffects)
{
    DWORD effect = DROPEFFECT_NONE;
    ShowErrors("ucPath.txtPath_OLEDragDrop", [&] {
        if (!TakesDrops() || !HasDroppablePath(data)) return;
        SetText(GetPathFromClipboard(data));
        if (allowedEffects & DROPEFFECT_COPY) effect = DROPEFFECT_COPY;
    });
    return effect;
}

LRESULT ucPath::OnTextBoxColor(HDC dc)
{
    SetBkColor(dc, m_backColor);
    SetTextColor(dc, GetSysColor(Enabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    return reinterpret_cast<LRESULT>(m_backBrush.Get());
}

LRESULT ucPath::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: UserControl_Create(); return 0;
    case WM_DESTROY: UserControl_Destroy(); return 0;
    case WM_SIZE: UserControl_Resize(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_SETFOCUS: if (m_txtPath) SetFocus(m_txtPath); return 0;
    case WM_ENABLE: if (m_txtPath) EnableWindow(m_txtPath, static_cast<BOOL>(wParam)); return 0;
    case WM_COMMAND: // the text box's notifications go on to the host as the field's own
        if (m_txtPath && reinterpret_cast<HWND>(lParam) == m_txtPath) NotifyHost(m_hwnd, HIWORD(wParam));
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == m_txtPath) return OnTextBoxColor(reinterpret_cast<HDC>(wParam));
        return DefaultProc(msg, wParam, lParam);
    case WM_SETTEXT:
        if (!m_txtPath) return DefaultProc(msg, wParam, lParam);
        SetText(lParam ? reinterpret_cast<const char*>(lParam) : "");
        return TRUE;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_SETFONT:
    case WM_GETFONT:
        if (!m_txtPath) return DefaultProc(msg, wParam, lParam);
        return SendMessageA(m_txtPath, msg, wParam, lParam);
    default: return DefaultProc(msg, wParam, lParam);
    }
}
