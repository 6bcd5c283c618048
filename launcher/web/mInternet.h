// Reading a whole web resource as text over the system's internet client library.
#pragma once

#include <windows.h>
#include <string>

#include "base/mError.h"

// The library's receive timeouts are not honoured everywhere (Wine ignores them), so a server
// that accepts and never answers would block forever: ReadUrl keeps its own deadline.
inline constexpr DWORD READ_URL_DEADLINE_MS = 15000;
// An update answer is a few lines; anything longer is no answer to trust or keep reading.
inline constexpr size_t READ_URL_SIZE_CAP = 64 * 1024;

// The resource at the address, converted from the system's ANSI code page. Raises 20000 when
// the library or the address cannot be opened, when no complete answer arrives before the
// deadline, or when the answer grows beyond the size cap.
std::string ReadUrl(const std::string& address, DWORD accessType, DWORD deadlineMs = READ_URL_DEADLINE_MS);
// A failure ReadUrl raised, told in the launcher's language (on the windows' thread only: the
// language files are read); any other error as it is.
AppError InLauncherLanguage(const AppError& error);
