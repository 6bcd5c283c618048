// The profile window.
#include "dialogs/frmEditProfile.h"

#include "base/ControlHost.h"
#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "core/Application.h"
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
        m_newProfileName.clear();
        if (m_mode == MODE_NEW) {
            SetItemText(IDC_EP_NAME, "");
            SetItemText(IDC_EP_DESCRIPTION, "");
        } else if (AsksForName()) {
            // The old name to change from, ready to be typed over.
            SetItemText(IDC_EP_NAME, profile.ProfileCaption());
            SetItemText(IDC_EP_DESCRIPTION, profile.ProfileDescription());
            if (m_mode == MODE_RENAME) SendDlgItemMessageA(Hwnd(), IDC_EP_DESCRIPTION, EM_SETREADONLY, TRUE, 0);
            SendMessageA(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_EP_NAME)), TRUE);
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
        const char* caption = m_mode == MODE_NEW         ? "DIALOG_CAPTION1"
                              : m_mode == MODE_DUPLICATE ? "DIALOG_CAPTION3"
                              : m_mode == MODE_RENAME    ? "DIALOG_CAPTION4"
                                                         : "DIALOG_CAPTION2";
        SetCaption(TranslateDialogItem(caption));
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

void frmEditProfile::TellAbout(int fieldId, const std::string& text) const
{
    Sys().MsgBox(Hwnd(), text, MB_OK);
    // The next keystrokes belong in the field the message is about.
    SendMessageA(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(fieldId)), TRUE);
}

bool frmEditProfile::CheckInput() const
{
    return PassErrors("frmEditProfile.CheckInput", [&] {
        // In edit mode the name is locked and not taken from the field.
        if (AsksForName()) {
            const std::string name = GetItemText(IDC_EP_NAME);
            if (name.empty()) {
                TellAbout(IDC_EP_NAME, TranslateDialogItem("MSG_PROFILE_NAME_MISSED"));
                return false;
            }
            if (!IsValidProfileName(name)) {
                TellAbout(IDC_EP_NAME, g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_ProfileNameInvalid", name, ""));
                return false;
            }
            // A name in use, also the profile's own in another case: its section would be the same.
            if (g_cApp && g_cApp->Profiles().DoesProfileExist("profile_" + TakenName(name))) {
                TellAbout(IDC_EP_NAME,
                          g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_ProfileNameNotUnique", TakenName(name), ""));
                return false;
            }
        }
        // A rename keeps the description as it is, even an empty one from the file.
        if (m_mode != MODE_RENAME && GetItemText(IDC_EP_DESCRIPTION).empty()) {
            TellAbout(IDC_EP_DESCRIPTION, TranslateDialogItem("MSG_PROFILE_DESCRIPTION_MISSED"));
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
        // A rename happens in the collection and the settings file, not here.
        if (AsksForName()) m_newProfileName = "profile_" + TakenName(GetItemText(IDC_EP_NAME));
        if (m_mode == MODE_NEW || m_mode == MODE_DUPLICATE) m_profile->SetProfileName(m_newProfileName);
        if (m_mode != MODE_RENAME) m_profile->SetProfileDescription(GetItemText(IDC_EP_DESCRIPTION));
        m_cancel = false;
        EndModal();
    });
}

void frmEditProfile::cmdCancel_Click()
{
    EndModal();
}
