// The shell's functions the programs call (shell32.dll), reached through SystemFunction: the
// shell library, among the largest of the system, is loaded the first time one of them is
// called instead of at every start (the first screen needs none of them). Each raises what
// SystemFunction raises when the library or the function is missing.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "base/SystemLibrary.h"

namespace ShellDll {
namespace Detail {
template <typename Function>
Function Get(const char* name)
{
    return SystemFunction<Function>("shell32.dll", name);
}
} // namespace Detail

inline UINT DragQueryFileA(HDROP drop, UINT file, LPSTR name, UINT size)
{
    static const auto function = Detail::Get<decltype(&::DragQueryFileA)>("DragQueryFileA");
    return function(drop, file, name, size);
}

inline HRESULT SHGetSpecialFolderLocation(HWND owner, int folder, PIDLIST_ABSOLUTE* items)
{
    static const auto function = Detail::Get<decltype(&::SHGetSpecialFolderLocation)>("SHGetSpecialFolderLocation");
    return function(owner, folder, items);
}

inline BOOL SHGetPathFromIDListA(PCIDLIST_ABSOLUTE items, LPSTR path)
{
    static const auto function = Detail::Get<decltype(&::SHGetPathFromIDListA)>("SHGetPathFromIDListA");
    return function(items, path);
}

inline PIDLIST_ABSOLUTE SHBrowseForFolderA(LPBROWSEINFOA info)
{
    static const auto function = Detail::Get<decltype(&::SHBrowseForFolderA)>("SHBrowseForFolderA");
    return function(info);
}

inline DWORD_PTR SHGetFileInfoA(LPCSTR path, DWORD attributes, SHFILEINFOA* info, UINT size, UINT flags)
{
    static const auto function = Detail::Get<decltype(&::SHGetFileInfoA)>("SHGetFileInfoA");
    return function(path, attributes, info, size, flags);
}

inline HRESULT SHGetStockIconInfo(SHSTOCKICONID id, UINT flags, SHSTOCKICONINFO* info)
{
    static const auto function = Detail::Get<decltype(&::SHGetStockIconInfo)>("SHGetStockIconInfo");
    return function(id, flags, info);
}

inline HINSTANCE ShellExecuteA(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR folder, INT show)
{
    static const auto function = Detail::Get<decltype(&::ShellExecuteA)>("ShellExecuteA");
    return function(owner, operation, file, parameters, folder, show);
}
} // namespace ShellDll
