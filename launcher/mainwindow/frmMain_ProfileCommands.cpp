// The main window's commands that copy, rename and delete the active profile.
#include "mainwindow/frmMain.h"

#include "base/SystemServices.h"
#include "base/mError.h"
#include "core/Application.h"
#include "dialogs/frmEditProfile.h"
#include "profiles/Profile.h"
#include "core/ProfileChanges.h"
#include "translation/cTranslate.h"

bool frmMain::AskProfileName(int16_t mode, Profile& profile, std::string& newName)
{
    return PassErrors("frmMain.AskProfileName", [&] {
        frmEditProfile dialog;
        dialog.Load(Hwnd());
        dialog.InitDialog(mode, profile);
        dialog.ShowModal();
        const bool taken = !dialog.Cancel();
        newName = dialog.NewProfileName();
        dialog.Unload();
        return taken;
    });
}

void frmMain::mnuProfile_Duplicate_Click()
{
    ShowErrors("frmMain.mnuProfile_Duplicate_Click", [&] {
        RefreshProfileData(); // the copy gets the input too, and the original keeps it
        auto copy = std::make_shared<Profile>(*g_cApp->ActiveProfile());
        std::string name;
        if (!AskProfileName(frmEditProfile::MODE_DUPLICATE, *copy, name)) return;
        AddDuplicateProfile(g_cApp->Profiles(), copy);
        LoadData(copy);
    });
}

void frmMain::mnuProfile_Rename_Click()
{
    ShowErrors("frmMain.mnuProfile_Rename_Click", [&] {
        RefreshProfileData(); // unsaved input stays with the profile under its new name
        const std::shared_ptr<Profile> active = g_cApp->ActiveProfile();
        std::string name;
        if (!AskProfileName(frmEditProfile::MODE_RENAME, *active, name)) return;
        RenameProfile(g_cApp->Profiles(), *active, name);
        LoadData(active);
    });
}

void frmMain::mnuProfile_Delete_Click()
{
    ShowErrors("frmMain.mnuProfile_Delete_Click", [&] {
        const std::shared_ptr<Profile> active = g_cApp->ActiveProfile();
        if (g_cApp->Profiles().Count() < 2) return;
        const std::string question =
            g_cTranslate->TranslateEx("MAIN_DIALOG", "MSG_DeleteProfileQuestion", active->ProfileCaption());
        if (Sys().MsgBox(Hwnd(), question, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) return;
        LoadData(DeleteProfile(g_cApp->Profiles(), active->ProfileName()));
    });
}
