// Functions of the system libraries that only some actions need (the internet library, the
// common dialogs): the library is loaded when one of its functions is first called, so a start
// that never needs it does not pay for loading it and everything it loads in turn.
#pragma once

#include <windows.h>

// The address of functionName in the system library dllName, loaded on first use and kept for
// the rest of the run. Raises run-time error 48 (the library cannot be loaded) or 453 (it lacks
// the function), each naming what is missing.
FARPROC SystemFunctionAddress(const char* dllName, const char* functionName);

// The same, typed: SystemFunction<decltype(&InternetOpenA)>("wininet.dll", "InternetOpenA").
template <typename Function>
Function SystemFunction(const char* dllName, const char* functionName)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemFunctionAddress(dllName, functionName)));
}
