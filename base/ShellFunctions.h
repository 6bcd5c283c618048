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
// One wrapper per function, named as the system names it: the address is looked up once, on
// the first call; the arguments meet the function's own parameter types there.
#define VEKO_SHELL_FUNCTION(name)                                                                 \
    inline decltype(&::name) name##Address()                                                      \
    {                                                                                             \
        static const auto function = SystemFunction<decltype(&::name)>("shell32.dll", #name);     \
        return function;                                                                          \
    }                                                                                             \
    template <typename... Args>                                                                   \
    auto name(Args... args)                                                                       \
    {                                                                                             \
        return name##Address()(args...);                                                          \
    }

VEKO_SHELL_FUNCTION(DragQueryFileA)
VEKO_SHELL_FUNCTION(SHGetSpecialFolderLocation)
VEKO_SHELL_FUNCTION(SHGetPathFromIDListA)
VEKO_SHELL_FUNCTION(SHBrowseForFolderA)
VEKO_SHELL_FUNCTION(SHGetFileInfoA)
VEKO_SHELL_FUNCTION(SHGetStockIconInfo)
VEKO_SHELL_FUNCTION(ShellExecuteA)

#undef VEKO_SHELL_FUNCTION
} // namespace ShellDll
