// The icon a program's file carries, read from the file as the shell reads it.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

// The widths in the program's first icon group (resource 1), in pixels; empty without one.
inline std::vector<int> ProgramIconWidths(const std::string& exePath)
{
    std::vector<int> widths;
    HMODULE module = LoadLibraryExA(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return widths;
    if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */)) {
        const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
        // The group: reserved, type and count (three WORDs), then 14 bytes per image, width first.
        const WORD count = bytes ? *reinterpret_cast<const WORD*>(bytes + 4) : 0;
        for (WORD i = 0; i < count; ++i) {
            const BYTE width = bytes[6 + 14 * i];
            widths.push_back(width == 0 ? 256 : width);
        }
    }
    FreeLibrary(module);
    return widths;
}

// Whether the window shows an icon of its own in its title bar and in its task-bar button: set
// on the window or carried by its class, in both sizes.
inline bool HasOwnIcons(HWND window)
{
    const auto has = [window](WPARAM kind, int classIndex) {
        return SendMessageA(window, WM_GETICON, kind, 0) != 0 || GetClassLongPtrA(window, classIndex) != 0;
    };
    return has(ICON_BIG, GCLP_HICON) && has(ICON_SMALL, GCLP_HICONSM);
}
