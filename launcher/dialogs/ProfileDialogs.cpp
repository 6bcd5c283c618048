// The profile windows behind the model's seam.
#include "dialogs/ProfileDialogs.h"

#include "dialogs/frmEditProfile.h"
#include "dialogs/frmLoadProfile.h"
#include "dialogs/frmSave.h"
#include "dialogs/frmStartingVekora.h"
#include "profiles/Profile.h"

namespace {
class Dialogs : public ProfileWindows {
public:
    std::shared_ptr<Profile> ShowLoadProfileDialog(HWND owner) override
    {
        frmLoadProfile dialog;
        dialog.Load(owner);
        dialog.InitDialog();
        dialog.ShowModal();
        std::shared_ptr<Profile> chosen = dialog.Cancel() ? nullptr : dialog.SelectedProfile();
        dialog.Unload();
        return chosen;
    }

    bool ShowNewProfileDialog(HWND owner, Profile& profile) override
    {
        frmEditProfile dialog;
        dialog.Load(owner);
        dialog.InitDialog(frmEditProfile::MODE_NEW, profile);
        dialog.ShowModal();
        const bool taken = !dialog.Cancel();
        dialog.Unload();
        return taken;
    }

    bool ShowStartVekoraDialog(HWND owner, const Profile& profile) override
    {
        frmStartingVekora dialog;
        dialog.Load(owner);
        dialog.InitDialog(profile);
        dialog.ShowModal();
        const bool start = !dialog.Cancel();
        dialog.Unload();
        return start;
    }

    void ShowSaveDialog(HWND owner, const std::vector<std::shared_ptr<Profile>>& offered) override
    {
        frmSave dialog;
        dialog.Load(owner);
        dialog.InitDialog(offered);
        dialog.ShowModal();
        dialog.Unload();
    }
};

Dialogs g_dialogs;
} // namespace

ProfileWindows& ProfileDialogs()
{
    return g_dialogs;
}
