// Internet reads on a worker thread, so that the caller's deadline holds even when the
// library itself would wait for a silent server without end.
#include "web/mInternet.h"

#include <wininet.h>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "LauncherErrors.h"
#include "base/ScopedWin.h"
#include "base/SystemLibrary.h"
#include "base/mError.h"
#include "translation/cTranslate.h"

namespace {

// Why a fetch failed: its language-file ID and its English text. ReadUrl raises the English;
// it runs on worker threads too, which must not read language files while the window's thread
// may release them.
struct FetchFailure {
    const char* Id;
    const char* English;
};
constexpr FetchFailure NO_CONNECTION{"ERR_NO_CONNECTION", "No internet connection or website not found"};
constexpr FetchFailure CONNECTION_BROKEN{"ERR_CONNECTION_BROKEN", "The connection to the website broke off"};
constexpr FetchFailure ANSWER_TOO_LONG{"ERR_ANSWER_TOO_LONG", "The answer of the website is too long"};
constexpr FetchFailure NO_INTERNET{"ERR_NO_INTERNET", "No internet"};
constexpr FetchFailure NO_ANSWER{"ERR_NO_ANSWER", "The website did not answer in time"};
constexpr FetchFailure FAILURES[] = {NO_CONNECTION, CONNECTION_BROKEN, ANSWER_TOO_LONG, NO_INTERNET, NO_ANSWER};

AppError UpdateErrorText(const FetchFailure& failure)
{
    return AppError(ERR_UPDATE_CHECK, failure.English);
}

constexpr const char* AGENT_NAME = "Vekolaunch Internet Update";
constexpr DWORD CHUNK_SIZE = 2048;

// The internet library's functions, loaded with it on the first read. The caller resolves them,
// so that a library that cannot be loaded is its error, not one of the worker thread's.
struct InternetFunctions {
    decltype(&InternetOpenA) Open;
    decltype(&InternetOpenUrlA) OpenUrl;
    decltype(&InternetReadFile) ReadFile;
};

const InternetFunctions& Internet()
{
    static const InternetFunctions functions = PassErrors("mInternet.Internet", [] {
        return InternetFunctions{SystemFunction<decltype(&InternetOpenA)>("wininet.dll", "InternetOpenA"),
                                 SystemFunction<decltype(&InternetOpenUrlA)>("wininet.dll", "InternetOpenUrlA"),
                                 SystemFunction<decltype(&InternetReadFile)>("wininet.dll", "InternetReadFile")};
    });
    return functions;
}

// What the worker and the waiting caller share. Whoever leaves last frees it. The worker alone
// opens and closes its internet handles: a handle closed under it would have its number given
// to the next search, and the worker's own close would then end that search's read.
struct Fetch {
    std::mutex Lock;
    std::condition_variable Finished;
    bool Done = false;
    bool Abandoned = false;         // the caller gave up waiting
    std::string Text;
    std::optional<FetchFailure> Error;
};

// Reads the whole resource or tells why not.
std::optional<FetchFailure> ReadResource(HINTERNET session, const std::string& address, Fetch& fetch, std::string& text)
{
    ScopedInternetHandle url(Internet().OpenUrl(session, address.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0));
    if (!url) return NO_CONNECTION;
    std::optional<FetchFailure> error;
    char chunk[CHUNK_SIZE];
    for (;;) {
        DWORD got = 0;
        if (!Internet().ReadFile(url.Get(), chunk, CHUNK_SIZE, &got)) {
            error = CONNECTION_BROKEN;
            break;
        }
        if (got == 0) break;
        if (text.size() + got > READ_URL_SIZE_CAP) {
            error = ANSWER_TOO_LONG;
            break;
        }
        text.append(chunk, got);
        std::lock_guard<std::mutex> lock(fetch.Lock);
        if (fetch.Abandoned) break;
    }
    return error;
}

void RunFetch(std::shared_ptr<Fetch> fetch, std::string address, DWORD accessType)
{
    std::string text;
    std::optional<FetchFailure> error;
    ScopedInternetHandle session(Internet().Open(AGENT_NAME, accessType, nullptr, nullptr, 0));
    if (!session) {
        error = NO_INTERNET;
    } else {
        bool abandoned = false;
        {
            std::lock_guard<std::mutex> lock(fetch->Lock);
            abandoned = fetch->Abandoned;
        }
        if (!abandoned) error = ReadResource(session.Get(), address, *fetch, text);
    }
    session.Reset();
    std::lock_guard<std::mutex> lock(fetch->Lock);
    fetch->Text = std::move(text);
    fetch->Error = std::move(error);
    fetch->Done = true;
    fetch->Finished.notify_all();
}

} // namespace

AppError InLauncherLanguage(const AppError& error)
{
    if (error.Number != ERR_UPDATE_CHECK || !g_cTranslate) return error;
    for (const FetchFailure& failure : FAILURES) {
        if (error.Description != failure.English) continue;
        AppError translated = error;
        translated.Description = g_cTranslate->TranslateWithFallback("UPDATE_DIALOG", failure.Id, failure.English);
        return translated;
    }
    return error;
}

std::string ReadUrl(const std::string& address, DWORD accessType, DWORD deadlineMs)
{
    Internet(); // loaded here, where its failure can be reported
    auto fetch = std::make_shared<Fetch>();
    std::thread(RunFetch, fetch, address, accessType).detach();

    std::unique_lock<std::mutex> lock(fetch->Lock);
    if (fetch->Finished.wait_for(lock, std::chrono::milliseconds(deadlineMs), [&] { return fetch->Done; })) {
        if (fetch->Error) throw UpdateErrorText(*fetch->Error);
        return std::move(fetch->Text);
    }
    // The worker stops at its next chunk, or once the server lets go of a blocking call, and
    // closes its own handles then; nobody waits for it.
    fetch->Abandoned = true;
    throw UpdateErrorText(NO_ANSWER);
}
