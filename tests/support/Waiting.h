// How long a test waits for what it expects, and the one way it waits.
#pragma once

#include <windows.h>
#include <functional>

// The longest a test waits for something it expects: a program's window, a file another program
// writes, an answer. A cold Wine prefix on a busy two-core machine takes many seconds to start
// a program; the limit is only reached when the awaited thing never comes.
inline constexpr DWORD EVENT_WAIT_MS = 60000;
// Polls the condition, handling this thread's messages in between, until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD ms = EVENT_WAIT_MS);
