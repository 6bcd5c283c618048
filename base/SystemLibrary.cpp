// Functions of system libraries loaded on first use.
#include "base/SystemLibrary.h"

#include <string>

#include "base/mError.h"
#include "base/SystemServices.h"

FARPROC SystemFunctionAddress(const char* dllName, const char* functionName)
{
    return PassErrors("SystemFunctionAddress", [&] {
        // Loaded from the system folder only, never from the program's or the current folder.
        HMODULE library = GetModuleHandleA(dllName);
        if (!library) library = LoadLibraryExA(dllName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (!library && GetLastError() == ERROR_INVALID_PARAMETER) {
            // A Windows 7 without the update that brought the search flags refuses them: the
            // full path into the system folder keeps the same rule.
            char system[MAX_PATH] = {};
            const UINT length = GetSystemDirectoryA(system, MAX_PATH);
            if (length > 0 && length < MAX_PATH) library = LoadLibraryA((std::string(system) + "\\" + dllName).c_str());
        }
        if (!library) {
            throw AppError(RTE_DLL_LOAD, RuntimeErrorDescription(RTE_DLL_LOAD) + " " + dllName, ProgramTitle());
        }
        const FARPROC address = GetProcAddress(library, functionName);
        if (!address) {
            throw AppError(RTE_DLL_ENTRY,
                           RuntimeErrorDescription(RTE_DLL_ENTRY) + " " + functionName + " in " + dllName,
                           ProgramTitle());
        }
        return address;
    });
}
