// A tour of every window of the launcher and Lingobench on a freshly staged install, driven from
// outside as a player clicks through them: the first start (game path asked for), the main
// window's five pages in English and German, the start confirmation, the shortcut wizard, the
// update window (against the host in VEKOLAUNCH_UPDATE_HOST), the About window, the save window
// on closing, the error report (shown by the tour itself), then Lingobench's windows. Each
// window is captured from the screen into <output folder>\NN-name.bmp. It is run by `make demo`, not by the tests. With DE the launcher's
// windows after the main window's pages are shown in German.
// Usage: demo_tour.exe <output folder> [EN|DE]
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "acceptance/StagedInstall.h"
#include "base/mError.h"
#include "core/Application.h"
#include "dialogs/frmEditProfile_res.h"
#include "dialogs/frmError.h"
#include "dialogs/frmOptions_res.h"
#include "dialogs/frmSave_res.h"
#include "dialogs/frmStartingVekora_res.h"
#include "langeditor/frmEditLang_res.h"
#include "langeditor/frmInfo_res.h"
#include "langeditor/frmLingobench_res.h"
#include "langeditor/frmNewLanguage_res.h"
#include "langeditor/frmTest_res.h"
#include "langeditor/frmUpload_res.h"
#include "mMain.h"
#include "mainwindow/frmMain_res.h"
#include "shortcuts/frmCreateVekoraShortcut_New_res.h"
#include "web/frmInfo_res.h"
#include "web/frmUpdate_res.h"

namespace {

// Every window the tour passes, each language's pages counted: a tour that saves fewer has lost
// a window on the way, even where nothing reported it missing.
constexpr int SHOTS_EXPECTED = 38;

std::string g_output;
std::string g_language = "EN"; // the launcher's language after the main window's pages
int g_shot = 0;
int g_failures = 0;

void Fail(const std::string& what)
{
    std::printf("MISSING: %s\n", what.c_str());
    ++g_failures;
}

// Lets the window's program handle what was posted to it and paint.
void Settle(HWND window)
{
    for (int i = 0; i < 3; ++i) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, EVENT_WAIT_MS, &result);
        Sleep(150);
    }
}

bool WriteBitmap(const std::string& path, HBITMAP bitmap, int width, int height)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::string pixels(static_cast<size_t>(stride) * height, '\0');
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&header, sizeof(header), 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    return std::fclose(out) == 0;
}

// The window as it is on the screen (with whatever lies above it) into the next numbered file.
void Shot(HWND window, const std::string& name)
{
    if (!window) {
        Fail(name);
        return;
    }
    Settle(window);
    RECT rect = {};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    char number[8];
    std::snprintf(number, sizeof(number), "%02d-", ++g_shot);
    const std::string path = g_output + number + name + ".bmp";
    if (!WriteBitmap(path, bitmap, width, height)) Fail("writing " + path);
    else std::printf("%s: \"%s\" %dx%d\n", path.c_str(), TextOf(window).c_str(), width, height);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

std::function<bool(HWND)> Having(int id)
{
    return [id](HWND window) { return Control(window, id) != nullptr; };
}

void PressTab(HWND tab)
{
    SendMessageA(tab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageA(tab, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
}

const char* const PAGE_NAMES[] = {"game", "scenario", "display", "refresh", "extras"};

void ShotPages(HWND main, const std::string& language)
{
    for (int page = 0; page < 5; ++page) {
        HWND tab = Control(main, IDC_MAIN_TAB0 + page);
        if (!tab) {
            Fail("tab " + std::to_string(page));
            continue;
        }
        PressTab(tab);
        Shot(main, "main-" + language + "-" + PAGE_NAMES[page]);
    }
    PressTab(Control(main, IDC_MAIN_TAB0));
}

bool SpeaksLanguage(HWND main, const std::string& abbrev)
{
    return TextOf(Control(main, IDC_CMDSTART)) == LanguageText(abbrev, "MAIN_DIALOG", "BTN_START_VEKORA");
}

bool ChooseLanguage(HWND main, const std::string& abbrev)
{
    for (int entry = 0; entry <= IDM_LANG_ITEM_LAST - IDM_LANG_ITEM_FIRST && entry < 10; ++entry) {
        if (CommandHandled(main, IDM_LANG_ITEM_FIRST + entry) && SpeaksLanguage(main, abbrev)) return true;
    }
    return false;
}

// The wizard's Next button: its navigation bar's default button.
HWND NextButton(HWND wizard)
{
    HWND nav = Control(wizard, IDC_CS_NAV);
    for (HWND child = GetWindow(nav, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) return child;
    }
    return nullptr;
}

void Next(HWND wizard)
{
    HWND next = NextButton(wizard);
    PostMessageA(GetParent(next), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(next), BN_CLICKED), reinterpret_cast<LPARAM>(next));
    Settle(wizard);
}

// Closes a window and waits until it is gone.
void CloseAndWait(HWND window)
{
    if (!window) return;
    Close(window);
    WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

void LauncherTour(const StagedInstall& install)
{
    DrivenProgram launcher(install.LauncherDir() + "Vekolaunch.exe", install.LauncherDir(),
                           {{"VEKORA_RECORD", install.StartRecordPath()}});
    // First start: no settings file, so the launcher asks where the game is.
    HWND ask = launcher.WaitForWindowTitled(LanguageText("EN", "SELECT_VEKORAFOLDER_DIALOG", "DIALOG_CAPTION"));
    Shot(ask, "first-start-game-path");
    if (!ask) return;
    Type(ask, FILE_NAME_FIELD, install.GamePath());
    Click(ask, IDOK);
    HWND main = launcher.WaitForMainWindow();
    if (!main) return Fail("main window");

    ShotPages(main, "en");
    if (ChooseLanguage(main, "DE")) ShotPages(main, "de");
    else Fail("German main window");
    if (g_language != "DE" && !ChooseLanguage(main, "EN")) Fail("English main window again");

    Click(main, IDC_CMDSTART);
    HWND confirm = launcher.WaitForWindow(Having(IDC_SV_DONTSHOW));
    Shot(confirm, "start-confirmation");
    if (confirm) {
        Click(confirm, IDOK);
        WaitUntil([&] { return !install.TakeStartRecord().empty(); });
    }

    Command(main, IDM_EXTRA_CREATESHORTCUT);
    HWND wizard = launcher.WaitForWindow(Having(IDC_CS_NAV));
    if (wizard) {
        Shot(wizard, "shortcut-1-welcome");
        Next(wizard);
        Shot(wizard, "shortcut-2-settings");
        Next(wizard);
        Click(wizard, IDC_CS_OPDEST3);
        Settle(wizard);
        Shot(wizard, "shortcut-3-destination");
        Next(wizard);
        Type(wizard, IDC_CS_TXTDESTFOLDER, install.LauncherDir());
        Shot(wizard, "shortcut-4-folder");
        Next(wizard);
        Shot(wizard, "shortcut-5-name");
        Next(wizard); // "Create": the shortcut is written and reported
        Shot(launcher.WaitForMessageBox(), "shortcut-created");
        launcher.AnswerMessageBoxesUntil(IDOK, [&] { return IsWindowVisible(Control(wizard, IDC_CS_CKCREATEFURTHERSHORTCUT)) != FALSE; });
        Shot(wizard, "shortcut-6-finished");
        Next(wizard);
        if (IsWindow(wizard) && IsWindowVisible(wizard)) CloseAndWait(wizard);
    } else {
        Fail("shortcut wizard");
    }

    Command(main, IDM_EXTRA_UPDATE);
    HWND update = launcher.WaitForWindow(Having(IDC_UPDATE_CMDSEARCHUPDATES));
    Shot(update, "update-1-ask");
    if (update) {
        Click(update, IDC_UPDATE_CMDSEARCHUPDATES);
        WaitUntil([&] { return IsWindowVisible(Control(update, IDC_UPDATE_LBLUPDATEINFO)) != FALSE; });
        for (HWND box : launcher.Windows())
            if (IsMessageBox(box)) Shot(box, "update-message");
        Shot(update, "update-2-answer");
        launcher.AnswerMessageBoxesUntil(IDOK, [&] { return launcher.WaitForMessageBox(0) == nullptr; });
        Click(update, IDCANCEL);
        WaitUntil([&] { return !IsWindow(update) || !IsWindowVisible(update); });
        if (IsWindow(update) && IsWindowVisible(update)) CloseAndWait(update);
    }

    Command(main, IDM_HELP_ABOUT);
    HWND about = launcher.WaitForWindow(Having(IDC_INFO_LBLVERSION));
    Shot(about, "about");
    if (about) {
        PressTab(Control(about, IDC_INFO_TAB0 + 1));
        Shot(about, "about-credits");
        CloseAndWait(about);
    }

    Command(main, IDM_EXTRA_OPTIONS);
    HWND options = launcher.WaitForWindow(Having(IDC_OPTIONS_CKCHECKFORUPDATES));
    Shot(options, "options");
    if (options) CloseAndWait(options);

    // A copy of the profile, a taken name refused in the window, then the copy deleted again.
    Command(main, IDM_PROFILE_DUPLICATE);
    HWND duplicate = launcher.WaitForWindow(Having(IDC_EP_NAME));
    Shot(duplicate, "profile-duplicate");
    if (duplicate) {
        Click(duplicate, IDOK);
        Shot(launcher.WaitForMessageBox(), "profile-name-taken");
        launcher.AnswerMessageBoxesUntil(IDOK, [&] { return launcher.WaitForMessageBox(0) == nullptr; });
        Type(duplicate, IDC_EP_NAME, "Copy");
        Click(duplicate, IDOK);
        WaitUntil([&] { return !IsWindow(duplicate) || !IsWindowVisible(duplicate); });
    }
    Command(main, IDM_PROFILE_RENAME);
    HWND rename = launcher.WaitForWindow(Having(IDC_EP_NAME));
    Shot(rename, "profile-rename");
    if (rename) CloseAndWait(rename);
    Command(main, IDM_PROFILE_DELETE);
    Shot(launcher.WaitForMessageBox(), "profile-delete-question");
    launcher.AnswerMessageBoxesUntil(IDYES, [&] { return launcher.WaitForMessageBox(0) == nullptr; });

    // Closing offers to save the game path chosen at the first start.
    Close(main);
    HWND question = launcher.WaitForMessageBox();
    Shot(question, "close-question");
    if (question) Command(question, IDYES);
    HWND save = launcher.WaitForWindow(Having(IDC_SAVE_PROFILES));
    Shot(save, "save");
    if (save) Click(save, IDOK);
    if (!launcher.WaitForExit()) Fail("launcher exit");
}

// The error report, which a tour of working windows never meets: shown in the tour's own
// process, in the tour's language, with a failure as the launcher reports one.
void ErrorReportTour(const StagedInstall& install)
{
    CreatePublicObjects(install.LauncherDir());
    g_cApp->Options().SetLanguage(g_language);
    frmError report;
    report.Load();
    report.InitDialog(RuntimeErrorDescription(RTE_PATH_ACCESS), "frmMain.cmdStart_Click\r\nVekolaunch", RTE_PATH_ACCESS);
    report.ShowModeless();
    // Nothing pumps this process's messages: the window is painted here, before the picture.
    SetForegroundWindow(report.Hwnd());
    RedrawWindow(report.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Shot(report.Hwnd(), "error-report");
    report.Unload();
}

std::string ListText(HWND list, int index)
{
    char text[512] = {};
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (length > 0 && length < static_cast<LRESULT>(sizeof(text))) SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

void LingobenchTour(const StagedInstall& install)
{
    const std::string tools = install.LauncherDir() + "tools\\";
    DrivenProgram bench(tools + "Lingobench.exe", tools);
    HWND main = bench.WaitForWindow(Having(IDC_LB_LANG));
    if (!main) return Fail("Lingobench main window");
    // The German file: the entry that is not the English reference.
    HWND languages = Control(main, IDC_LB_LANG);
    int german = 0;
    const int count = static_cast<int>(SendMessageA(languages, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (ListText(languages, i).find("DE") != std::string::npos || ListText(languages, i).find("Deutsch") != std::string::npos) german = i;
    SelectListItem(main, IDC_LB_LANG, german);
    Shot(main, "lingobench-main");

    Click(main, IDC_LB_EDIT);
    HWND edit = bench.WaitForWindow(Having(IDC_EL_LIST));
    if (edit) {
        Shot(edit, "lingobench-edit-list");
        SelectListItem(edit, IDC_EL_LIST, 1);
        Shot(edit, "lingobench-edit-entry");
        Click(edit, IDC_EL_TEST);
        HWND test = bench.WaitForWindow(Having(IDC_TS_TEXT));
        Shot(test, "lingobench-test");
        CloseAndWait(test);
        Close(edit);
        bench.AnswerMessageBoxesUntil(IDNO, [&] { return !IsWindow(edit) || !IsWindowVisible(edit); });
    } else {
        Fail("Lingobench editing window");
    }

    Click(main, IDC_LB_NEW);
    HWND fresh = bench.WaitForWindow(Having(IDC_NL_ABBREV));
    Shot(fresh, "lingobench-new-language");
    if (fresh) Click(fresh, IDCANCEL), WaitUntil([&] { return !IsWindow(fresh) || !IsWindowVisible(fresh); });

    Click(main, IDC_LB_UPLOAD);
    HWND upload = bench.WaitForWindow(Having(IDC_UP_FOLDER));
    Shot(upload, "lingobench-upload");
    CloseAndWait(upload);

    Command(main, IDM_LB_HELP_INFO);
    HWND info = bench.WaitForWindow(Having(IDC_IN_VERSION));
    Shot(info, "lingobench-info");
    CloseAndWait(info);

    Close(main);
    bench.WaitForExit();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || (argc > 2 && std::string(argv[2]) != "EN" && std::string(argv[2]) != "DE")) {
        std::fprintf(stderr, "usage: %s <output folder> [EN|DE]\n", argv[0]);
        return 2;
    }
    if (argc > 2) g_language = argv[2];
    UseRunTemporaryFolder();
    g_output = argv[1];
    if (g_output.back() != '\\') g_output += '\\';
    std::filesystem::create_directories(g_output);
    {
        StagedInstall install;
        LauncherTour(install);
        ErrorReportTour(install);
        LingobenchTour(install);
    }
    std::printf("%d windows captured of %d expected, %d missing\n", g_shot, SHOTS_EXPECTED, g_failures);
    return g_failures == 0 && g_shot == SHOTS_EXPECTED ? 0 : 1;
}
