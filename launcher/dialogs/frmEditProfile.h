// frmEditProfile: name and description of a new profile (mode 1) or of a duplicate (mode 3),
// the new name of a profile (mode 4), or the description of an existing one (any other mode).
#pragma once

#include <cstdint>
#include <string>

#include "base/DialogBase.h"
#include "controls/HLine.h"
#include "dialogs/frmEditProfile_res.h"
#include "translation/TextBinding.h"

class Profile;

class frmEditProfile : public DialogBase {
public:
    static constexpr int16_t MODE_NEW = 1;
    static constexpr int16_t MODE_EDIT = 2;
    static constexpr int16_t MODE_DUPLICATE = 3; // the profile is the copy, named and described on OK
    static constexpr int16_t MODE_RENAME = 4;    // the profile is left alone; see NewProfileName

    frmEditProfile() : DialogBase("frmEditProfile") {}
    // The profile is the caller's; the window fills it in on OK.
    void InitDialog(int16_t mode, Profile& profile);
    // False only after a successful OK.
    bool Cancel() const { return m_cancel; }
    // The section name the typed name gives ("profile_" + the name), after OK.
    const std::string& NewProfileName() const { return m_newProfileName; }
    // True when the input can be taken; otherwise tells the user why not.
    bool CheckInput() const;

    // Whether a typed name survives a save and reload of the settings file: not only blanks,
    // and none of ";" (the save list's separator), "[" or "]" (section brackets).
    static bool IsValidProfileName(const std::string& name);
    // The name as the profile gets it: without blanks at its end.
    static std::string TakenName(const std::string& typed);
    // The controls whose texts the language file gives as they stand.
    static constexpr TextBinding TEXTS[] = {
        {IDC_EP_LBLNAME, "EDIT_PROFILE_DIALOG", "LBL_NAME"},
        {IDC_EP_LBLDESC, "EDIT_PROFILE_DIALOG", "LBL_DESCRIPTION"},
        {IDOK, "GLOBAL", "BTN_OK"},
        {IDCANCEL, "GLOBAL", "BTN_CANCEL"},
    };

protected:
    void OnInit() override;
    void OnOk() override { cmdOk_Click(); }
    void OnCancel() override { cmdCancel_Click(); }

private:
    void TranslateDialog() const;
    static std::string TranslateDialogItem(const std::string& id, const std::string& p1 = "");
    void cmdOk_Click();
    void cmdCancel_Click();
    bool AsksForName() const { return m_mode == MODE_NEW || m_mode == MODE_DUPLICATE || m_mode == MODE_RENAME; }
    // A message about a field's input; then the focus goes to that field, its text selected.
    void TellAbout(int fieldId, const std::string& text) const;

    HLine m_hLine1;
    Profile* m_profile = nullptr;
    int16_t m_mode = MODE_EDIT;
    bool m_cancel = true;
    std::string m_newProfileName;
};
