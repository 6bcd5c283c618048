// The update check at start-up and its notice.
#include "web/UpdateNotice.h"

#include <wininet.h>
#include <memory>
#include <thread>

#include "base/ProgramVersion.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "core/Application.h"
#include "shell/ShellStart.h"
#include "web/frmUpdateNotice.h"
#include "web/mInternet.h"

namespace {
constexpr const char* RECEIVER_CLASS = "VekolaunchUpdateReceiver";
constexpr UINT WM_UPDATE_CHECKED = WM_APP + 1; // lParam: a Found, or 0 when there is nothing to tell
constexpr UINT_PTR RETRY_TIMER = 1;
constexpr UINT RETRY_MS = 500;

struct Found {
    HWND Owner;
    std::string Identity;
    std::string Description;
    std::string Page;
};
std::unique_ptr<Found> g_found; // the update waiting for its notice

void ShowNotice(const Found& found)
{
    frmUpdateNotice notice;
    notice.Load(found.Owner);
    notice.InitDialog(found.Description);
    notice.ShowModal();
    const frmUpdateNotice::Answer answer = notice.Result();
    notice.Unload();
    if (answer == frmUpdateNotice::Answer::OpenPage) OpenWithShell(found.Owner, found.Page);
    if (answer == frmUpdateNotice::Answer::SkipVersion) g_cApp->Options().SetSkippedUpdate(found.Identity);
}

// A notice over another modal window would give the main window back its input too early.
void ShowWhenOwnerTakesInput(HWND receiver)
{
    if (!g_found || !IsWindow(g_found->Owner) || !g_cApp) {
        DestroyWindow(receiver);
        return;
    }
    if (!IsWindowEnabled(g_found->Owner)) {
        SetTimer(receiver, RETRY_TIMER, RETRY_MS, nullptr);
        return;
    }
    const std::unique_ptr<Found> found = std::move(g_found);
    DestroyWindow(receiver);
    ShowErrors("mUpdateNotice.ShowNotice", [&] { ShowNotice(*found); });
}

LRESULT CALLBACK ReceiverProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_UPDATE_CHECKED:
        g_found.reset(reinterpret_cast<Found*>(lParam));
        ShowWhenOwnerTakesInput(hwnd);
        return 0;
    case WM_TIMER:
        KillTimer(hwnd, RETRY_TIMER);
        ShowWhenOwnerTakesInput(hwnd);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

HWND CreateReceiver()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ReceiverProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = RECEIVER_CLASS;
    RegisterClassA(&windowClass); // a second registration fails harmlessly
    return CreateWindowExA(0, RECEIVER_CLASS, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

// On the worker thread: nothing but the read and the answer's rules; the window thread shows.
void Check(HWND receiver, HWND owner, std::string host, std::string address, std::string skipped)
{
    Found* found = nullptr;
    try {
        const UpdateAnswer answer = ReadUpdateAnswer(ReadUrl(address, INTERNET_OPEN_TYPE_PRECONFIG), host);
        if (IsUpdateToAnnounce(answer, skipped))
            found = new Found{owner, UpdateIdentity(answer), answer.Description, answer.PageAddress};
    } catch (...) {
        // A failed check says nothing: the user did not ask for this one.
    }
    if (!PostMessageA(receiver, WM_UPDATE_CHECKED, 0, reinterpret_cast<LPARAM>(found))) delete found;
}
} // namespace

std::string UpdateIdentity(const UpdateAnswer& answer)
{
    const std::string firstLine = TrimWhiteSpace(answer.Description.substr(0, answer.Description.find('\r')));
    return firstLine.empty() ? answer.PageAddress : firstLine;
}

bool IsUpdateToAnnounce(const UpdateAnswer& answer, const std::string& skippedUpdate)
{
    if (!answer.UpdateFound || answer.PageAddress.empty()) return false;
    return UpdateIdentity(answer) != skippedUpdate;
}

void StartQuietUpdateCheck(HWND owner)
{
    PassErrors("mUpdateNotice.StartQuietUpdateCheck", [&] {
        if (!g_cApp->Options().CheckForUpdates()) return;
        HWND receiver = CreateReceiver();
        if (!receiver) return;
        const std::string host = UpdateHost();
        std::thread(Check, receiver, owner, host, UpdateFileAddress(host, RunningProgramVersion()),
                    g_cApp->Options().SkippedUpdate())
            .detach();
    });
}
