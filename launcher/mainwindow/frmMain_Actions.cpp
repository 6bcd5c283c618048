// The main window's buttons: starting the game, choosing it, its log file and its folder.
#include "mainwindow/frmMain.h"

#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "core/Application.h"
#include "core/Prompts.h"
#include "shell/ShellStart.h"
#include "mainwindow/GameFolderLists.h"
#include "mainwindow/MainWindowRules.h"
#include "mainwindow/frmMain_res.h"
#include "profiles/Profile.h"
#include "translation/cTranslate.h"

void frmMain::cmdStart_Click()
{
    ShowErrors("frmMain.cmdStart_Click", [&] {
        RefreshProfileData();
        g_cApp->ActiveProfile()->StartVekora(Hwnd());
    });
}

void frmMain::cmdLogfile_Click()
{
    ShowErrors("frmMain.cmdLogfile_Click", [&] {
        Options& options = g_cApp->Options();
        if (options.EditorPath().empty()) {
            if (Sys().MsgBox(Hwnd(), TranslateDialogItem("MSG_SelectTextEditor"), MB_YESNO | MB_ICONQUESTION) == IDYES) {
                options.SetEditorPath(AskForEditor(Hwnd(), ""));
            }
        }
        if (options.EditorPath().empty()) return;
        const std::string folder = GameFolderOf(g_cApp->ActiveProfile()->VekoraPath());
        const std::string logFile = folder + "veko.log";
        // Without a game folder there is no log file to look for.
        if (!folder.empty() && FileExists(logFile)) {
            OpenWithShell(Hwnd(), options.EditorPath(), QuotedWhenBlank(logFile));
        } else {
            Sys().MsgBox(Hwnd(), g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_VekoraLogfileNotFound"),
                         MB_OK | MB_ICONINFORMATION);
        }
    });
}

void frmMain::cmdLogfile2_Click()
{
    cmdLogfile_Click();
}

void frmMain::cmdOpenVekoDir_Click()
{
    ShowErrors("frmMain.cmdOpenVekoDir_Click", [&] {
        const std::string folder = GameFolderOf(g_cApp->ActiveProfile()->VekoraPath());
        if (FolderExists(folder)) {
            OpenWithShell(Hwnd(), folder);
        } else {
            Sys().MsgBox(Hwnd(), g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_PathNotFound", folder), MB_OK);
        }
    });
}

void frmMain::cmdSelectVekoPath_Click()
{
    ShowErrors("frmMain.cmdSelectVekoPath_Click", [&] {
        const std::string path = AskForVekoPath(Hwnd(), m_txtVekoraPath.Text());
        if (path.empty()) return;
        m_txtVekoraPath.SetText(path);
        RefreshProfileData();
        LoadData(g_cApp->ActiveProfile());
    });
}
