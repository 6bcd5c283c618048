// The windows the profile model opens (choosing, naming, confirming the start, saving), behind
// one seam so that the model includes no window. The launcher installs its dialogs at start-up.
#pragma once

#include <windows.h>
#include <memory>
#include <vector>

class Profile;

class ProfileWindows {
public:
    virtual ~ProfileWindows() = default;
    // frmLoadProfile: the profile the user picks; nothing when the user cancels.
    virtual std::shared_ptr<Profile> ShowLoadProfileDialog(HWND owner) = 0;
    // frmEditProfile for a new profile, which it fills in; false when the user cancels.
    virtual bool ShowNewProfileDialog(HWND owner, Profile& profile) = 0;
    // frmStartingVekora: whether the user lets the game start with the profile.
    virtual bool ShowStartVekoraDialog(HWND owner, const Profile& profile) = 0;
    // frmSave: the user chooses which of the offered profiles are written.
    virtual void ShowSaveDialog(HWND owner, const std::vector<std::shared_ptr<Profile>>& offered) = 0;
};

// The windows installed; without any, "Object variable ... not set" (91).
ProfileWindows& ProfileWindowsInForce();
void SetProfileWindows(ProfileWindows* windows);
