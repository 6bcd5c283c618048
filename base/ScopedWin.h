// Tiny scoped owners of Win32 handles, GDI objects and COM pointers.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <wininet.h>
#include <utility>

#include "base/SystemLibrary.h"

// Owns a kernel handle (file, mutex, process) and closes it once.
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE h = nullptr) : m_h(h) {}
    ~ScopedHandle() { Reset(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    HANDLE Get() const { return m_h; }
    bool IsValid() const { return m_h != nullptr && m_h != INVALID_HANDLE_VALUE; }
    void Reset(HANDLE h = nullptr)
    {
        if (IsValid()) CloseHandle(m_h);
        m_h = h;
    }

private:
    HANDLE m_h;
};

// Owns a find handle from FindFirstFile.
class ScopedFindHandle {
public:
    explicit ScopedFindHandle(HANDLE h) : m_h(h) {}
    ~ScopedFindHandle() { if (IsValid()) FindClose(m_h); }
    ScopedFindHandle(const ScopedFindHandle&) = delete;
    ScopedFindHandle& operator=(const ScopedFindHandle&) = delete;
    bool IsValid() const { return m_h != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_h; }

private:
    HANDLE m_h;
};

// Owns a GDI object (pen, brush, font, bitmap).
template <typename T>
class ScopedGdiObj {
public:
    explicit ScopedGdiObj(T obj = nullptr) : m_obj(obj) {}
    ~ScopedGdiObj() { if (m_obj) DeleteObject(m_obj); }
    ScopedGdiObj(const ScopedGdiObj&) = delete;
    ScopedGdiObj& operator=(const ScopedGdiObj&) = delete;
    ScopedGdiObj(ScopedGdiObj&& other) noexcept : m_obj(std::exchange(other.m_obj, nullptr)) {}
    ScopedGdiObj& operator=(ScopedGdiObj&& other) noexcept
    {
        if (this != &other) Reset(std::exchange(other.m_obj, nullptr));
        return *this;
    }
    T Get() const { return m_obj; }
    void Reset(T obj = nullptr)
    {
        if (m_obj) DeleteObject(m_obj);
        m_obj = obj;
    }

private:
    T m_obj;
};

// Selects a GDI object into a DC and restores the previous one.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ obj) : m_dc(dc), m_old(SelectObject(dc, obj)) {}
    ~ScopedSelectObject() { SelectObject(m_dc, m_old); }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// A window DC from GetDC, released on scope exit.
class ScopedGetDC {
public:
    explicit ScopedGetDC(HWND hwnd) : m_hwnd(hwnd), m_dc(GetDC(hwnd)) {}
    ~ScopedGetDC() { if (m_dc) ReleaseDC(m_hwnd, m_dc); }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    operator HDC() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

// The paint DC of a WM_PAINT: BeginPaint here, EndPaint on scope exit.
class ScopedPaint {
public:
    explicit ScopedPaint(HWND hwnd) : m_hwnd(hwnd), m_dc(BeginPaint(hwnd, &m_ps)) {}
    ~ScopedPaint() { EndPaint(m_hwnd, &m_ps); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;
    operator HDC() const { return m_dc; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_ps = {};
    HDC m_dc;
};

// A memory DC from CreateCompatibleDC.
class ScopedMemDC {
public:
    explicit ScopedMemDC(HDC compatible) : m_dc(CreateCompatibleDC(compatible)) {}
    ~ScopedMemDC() { if (m_dc) DeleteDC(m_dc); }
    ScopedMemDC(const ScopedMemDC&) = delete;
    ScopedMemDC& operator=(const ScopedMemDC&) = delete;
    operator HDC() const { return m_dc; }

private:
    HDC m_dc;
};

// A COM interface pointer, released on scope exit.
template <typename T>
class ScopedComPtr {
public:
    ScopedComPtr() = default;
    ~ScopedComPtr() { Reset(); }
    ScopedComPtr(const ScopedComPtr&) = delete;
    ScopedComPtr& operator=(const ScopedComPtr&) = delete;
    T* Get() const { return m_ptr; }
    T* operator->() const { return m_ptr; }
    T** operator&() { Reset(); return &m_ptr; }
    explicit operator bool() const { return m_ptr != nullptr; }
    void Reset()
    {
        if (m_ptr) m_ptr->Release();
        m_ptr = nullptr;
    }

private:
    T* m_ptr = nullptr;
};

// Memory from the shell allocator (item ID lists), freed with CoTaskMemFree.
template <typename T>
class ScopedCoMem {
public:
    explicit ScopedCoMem(T* p = nullptr) : m_p(p) {}
    ~ScopedCoMem() { if (m_p) CoTaskMemFree(m_p); }
    ScopedCoMem(const ScopedCoMem&) = delete;
    ScopedCoMem& operator=(const ScopedCoMem&) = delete;
    T* Get() const { return m_p; }
    T** operator&() { return &m_p; }

private:
    T* m_p;
};

// Global memory that has not been handed over to the clipboard yet.
class ScopedHGlobal {
public:
    explicit ScopedHGlobal(HGLOBAL h) : m_h(h) {}
    ~ScopedHGlobal() { if (m_h) GlobalFree(m_h); }
    ScopedHGlobal(const ScopedHGlobal&) = delete;
    ScopedHGlobal& operator=(const ScopedHGlobal&) = delete;
    HGLOBAL Get() const { return m_h; }
    HGLOBAL Release() { return std::exchange(m_h, nullptr); }

private:
    HGLOBAL m_h;
};

// A menu not (or no longer) attached to a window; a window destroys its own menu bar itself.
class ScopedMenu {
public:
    explicit ScopedMenu(HMENU menu = nullptr) : m_menu(menu) {}
    ~ScopedMenu() { Reset(); }
    ScopedMenu(const ScopedMenu&) = delete;
    ScopedMenu& operator=(const ScopedMenu&) = delete;
    HMENU Get() const { return m_menu; }
    void Reset(HMENU menu = nullptr)
    {
        if (m_menu) DestroyMenu(m_menu);
        m_menu = menu;
    }
    HMENU Release() { return std::exchange(m_menu, nullptr); }

private:
    HMENU m_menu;
};

// Global memory locked for access, unlocked on scope exit.
class ScopedGlobalLock {
public:
    explicit ScopedGlobalLock(HGLOBAL h) : m_h(h), m_p(h ? GlobalLock(h) : nullptr) {}
    ~ScopedGlobalLock() { if (m_p) GlobalUnlock(m_h); }
    ScopedGlobalLock(const ScopedGlobalLock&) = delete;
    ScopedGlobalLock& operator=(const ScopedGlobalLock&) = delete;
    void* Data() const { return m_p; }
    size_t Size() const { return m_h ? GlobalSize(m_h) : 0; }

private:
    HGLOBAL m_h;
    void* m_p;
};

// A storage medium from IDataObject::GetData, released on scope exit.
class ScopedStgMedium {
public:
    ScopedStgMedium() = default;
    ~ScopedStgMedium() { Reset(); }
    ScopedStgMedium(const ScopedStgMedium&) = delete;
    ScopedStgMedium& operator=(const ScopedStgMedium&) = delete;
    // Asks the data for the format in global memory; false (and nothing held) when it has none.
    bool Get(IDataObject* data, CLIPFORMAT format)
    {
        Reset();
        FORMATETC request = {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        if (FAILED(data->GetData(&request, &m_medium))) {
            m_medium = {};
            return false;
        }
        m_valid = true;
        if (m_medium.tymed == TYMED_HGLOBAL) return true;
        Reset();
        return false;
    }
    HGLOBAL Global() const { return m_valid ? m_medium.hGlobal : nullptr; }
    void Reset()
    {
        if (m_valid) ReleaseStgMedium(&m_medium);
        m_medium = {};
        m_valid = false;
    }

private:
    STGMEDIUM m_medium = {};
    bool m_valid = false;
};

// An internet handle (session, connection, request) from WinINet, closed on scope exit.
class ScopedInternetHandle {
public:
    explicit ScopedInternetHandle(HINTERNET h = nullptr) : m_h(h) {}
    ~ScopedInternetHandle() { Reset(); }
    ScopedInternetHandle(const ScopedInternetHandle&) = delete;
    ScopedInternetHandle& operator=(const ScopedInternetHandle&) = delete;
    HINTERNET Get() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }
    void Reset(HINTERNET h = nullptr)
    {
        if (m_h) {
            // The internet library is loaded on first use; a handle to close means it is loaded,
            // so the lookup finds it and raises nothing.
            static const auto close = SystemFunction<decltype(&InternetCloseHandle)>("wininet.dll", "InternetCloseHandle");
            close(m_h);
        }
        m_h = h;
    }

private:
    HINTERNET m_h;
};
