// The profile window.
#include "dialogs/frmEditProfile.h"

#include "base/ControlHost.h"
#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "dialogs/frmEditProfile_res.h"
#include "profiles/Profile.h"
#include "translation/cTranslate.h"

void frmEditProfile::OnInit()
{
    PlaceAtPlaceholder(m_hLine1, Hwnd(), IDC_EP_HLINE1);
}

void frmEditProfile::InitDialog(int16_t mode, Profile& profile)
{
    PassErrors("frmEditProfile.InitDialog", [&] {
        m_mode = mode;
        m_profile = &profile;
        m_cancel = true;
        if (m_mode == MODE_NEW) {
            SetItemText(IDC_EP_NAME, "");
            SetItemText(IDC_EP_DESCRIPTION, "");
        } else {
            // A read-only edit field gets the button-face background by itself.
            SetItemText(IDC_EP_NAME, profile.ProfileCaption());
            SendDlgItemMessageA(Hwnd(), IDC_EP_NAME, EM_SETREADONLY, TRUE, 0);
            SetItemText(IDC_EP_DESCRIPTION, profile.ProfileDescription());
            // Only the description can be changed: start there.
            SendMessageA(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_EP_DESCRIPTION)), TRUE);
        }
        TranslateDialog();
    });
}

void frmEditProfile::TranslateDialog() const
{
    PassErrors("frmEditProfile.TranslateDialog", [&] {
        SetCaption(TranslateDialogItem(m_mode == MODE_NEW ? "DIALOG_CAPTION1" : "DIALOG_CAPTION2"));
        ApplyTextBindings(TEXTS, [&](int id, const std::string& text) { SetItemText(id, text); });
    });
}

std::string frmEditProfile::TranslateDialogItem(const std::string& id, const std::string& p1)
{
    return PassErrors("frmEditProfile.TranslateDialogItem", [&] {
        return g_cTranslate->TranslateEx("EDIT_PROFILE_DIALOG", id, p1, "");
    });
}

bool frmEditProfile::IsValidProfileName(const std::string& name)
{
    if (name.find_first_of(";[]") != std::string::npos) return false;
    return name.find_first_not_of(" \t") != std::string::npos;
}

std::string frmEditProfile::TakenName(const std::string& typed)
{
    // The private-profile routines drop blanks at the end of a section name, so the profile
    // would not be found under its name after a reload.
    return TrimCharacters(typed, " \t", TrimEnds::Right);
}

bool frmEditProfile::CheckInput() const
{
    return PassErrors("frmEditProfile.CheckInput", [&] {
        // In edit mode the name is locked and not taken from the field.
        if (m_mode == MODE_NEW) {
            const std::string name = GetItemText(IDC_EP_NAME);
            if (name.empty()) {
                Sys().MsgBox(Hwnd(), TranslateDialogItem("MSG_PROFILE_NAME_MISSED"), MB_OK);
                return false;
            }
            if (!IsValidProfileName(name)) {
                Sys().MsgBox(Hwnd(), g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_ProfileNameInvalid", name, ""),
                             MB_OK);
                return false;
            }
        }
        if (GetItemText(IDC_EP_DESCRIPTION).empty()) {
            Sys().MsgBox(Hwnd(), TranslateDialogItem("MSG_PROFILE_DESCRIPTION_MISSED"), MB_OK);
            return false;
        }
        return true;
    });
}

void frmEditProfile::cmdOk_Click()
{
    ShowErrors("frmEditProfile.cmdOk_Click", [&] {
        if (!m_profile) RaiseRuntimeError(RTE_OBJECT_NOT_SET);
        if (!CheckInput()) return;
        // In edit mode the internal name stays exactly as it is; only the description changes.
        if (m_mode == MODE_NEW) m_profile->SetProfileName("profile_" + TakenName(GetItemText(IDC_EP_NAME)));
        m_profile->SetProfileDescription(GetItemText(IDC_EP_DESCRIPTION));
        m_cancel = false;
        EndModal();
    });
}

void frmEditProfile::cmdCancel_Click()
{
    EndModal();
}
