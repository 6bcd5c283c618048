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

#include "base/ScopedWin.h"
#include "base/mError.h"
#include "translation/cTranslate.h"

namespace {

// Why a fetch failed, as the language file names it. The worker only notes it: it may outlive
// the language engine, so the caller's thread looks the text up.
struct FetchFailure {
    const char* Id;
    const char* English;
};

// The update window's text of a failure, English where the language file is older than it.
AppError UpdateErrorText(const FetchFailure& failure)
{
    return AppError(ERR_UPDATE_CHECK,
                    g_cTranslate ? g_cTranslate->TranslateWithFallback("UPDATE_DIALOG", failure.Id, failure.English)
                                 : std::string(failure.English));
}

constexpr const char* AGENT_NAME = "Vekolaunch Internet Update";
constexpr DWORD CHUNK_SIZE = 2048;

// What the worker and the waiting caller share. Whoever leaves last frees it.
struct Fetch {
    std::mutex Lock;
    std::condition_variable Finished;
    bool Done = false;
    bool Abandoned = false;         // the caller gave up waiting
    HINTERNET Session = nullptr;    // open while the worker uses it; closing it cancels the worker
    std::string Text;
    std::optional<FetchFailure> Error;
};

// Reads the whole resource or tells why not.
std::optional<FetchFailure> ReadResource(HINTERNET session, const std::string& address, Fetch& fetch, std::string& text)
{
    ScopedInternetHandle url(InternetOpenUrlA(session, address.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0));
    if (!url) return FetchFailure{"ERR_NO_CONNECTION", "No internet connection or website not found"};
    std::optional<FetchFailure> error;
    char chunk[CHUNK_SIZE];
    for (;;) {
        DWORD got = 0;
        if (!InternetReadFile(url.Get(), chunk, CHUNK_SIZE, &got)) {
            error = FetchFailure{"ERR_CONNECTION_BROKEN", "The connection to the website broke off"};
            break;
        }
        if (got == 0) break;
        if (text.size() + got > READ_URL_SIZE_CAP) {
            error = FetchFailure{"ERR_ANSWER_TOO_LONG", "The answer of the website is too long"};
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
    HINTERNET session = InternetOpenA(AGENT_NAME, accessType, nullptr, nullptr, 0);
    if (!session) {
        error = FetchFailure{"ERR_NO_INTERNET", "No internet"};
    } else {
        bool abandoned = false;
        {
            std::lock_guard<std::mutex> lock(fetch->Lock);
            fetch->Session = session;
            abandoned = fetch->Abandoned;
        }
        if (!abandoned) error = ReadResource(session, address, *fetch, text);
    }
    std::lock_guard<std::mutex> lock(fetch->Lock);
    // A caller that gave up has closed the session already.
    ScopedInternetHandle stillOpen(std::exchange(fetch->Session, nullptr));
    fetch->Text = std::move(text);
    fetch->Error = std::move(error);
    fetch->Done = true;
    fetch->Finished.notify_all();
}

} // namespace

std::string ReadUrl(const std::string& address, DWORD accessType, DWORD deadlineMs)
{
    auto fetch = std::make_shared<Fetch>();
    std::thread(RunFetch, fetch, address, accessType).detach();

    ScopedInternetHandle cancel;
    {
        std::unique_lock<std::mutex> lock(fetch->Lock);
        if (fetch->Finished.wait_for(lock, std::chrono::milliseconds(deadlineMs), [&] { return fetch->Done; })) {
            if (fetch->Error) throw UpdateErrorText(*fetch->Error);
            return std::move(fetch->Text);
        }
        fetch->Abandoned = true;
        cancel.Reset(std::exchange(fetch->Session, nullptr));
    }
    // Closing the session is the library's way to cancel a blocking call; where it does not,
    // the worker ends by itself once the server lets go, and nobody waits for it.
    cancel.Reset();
    throw UpdateErrorText({"ERR_NO_ANSWER", "The website did not answer in time"});
}
