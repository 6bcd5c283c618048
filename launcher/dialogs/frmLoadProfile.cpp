// The load-profile window.
#include "dialogs/frmLoadProfile.h"

#include "base/ControlHost.h"
#include "base/SystemServices.h"
#include "base/mError.h"
#include "dialogs/frmLoadProfile_res.h"
#include "profiles/Profile.h"

void frmLoadProfile::OnInit()
{
    PlaceAtPlaceholder(m_ucProfiles1, Hwnd(), IDC_LP_PROFILES);
}

void frmLoadProfile::InitDialog()
{
    PassErrors("frmLoadProfile.InitDialog", [&] {
        m_cancel = true;
        TranslateDialog();
        m_ucProfiles1.InitControl(false);
        m_ucProfiles1.SetMultiSelect(false);
    });
}

void frmLoadProfile::TranslateDialog() const
{
    PassErrors("frmLoadProfile.TranslateDialog", [&] {
        SetCaption(TranslateDialogItem("DIALOG_CAPTION", "Load Profile"));
        ApplyTextBindings(TEXTS, [&](int id, const std::string& text) { SetItemText(id, text); });
    });
}

std::string frmLoadProfile::TranslateDialogItem(const std::string& id, const std::string& english)
{
    return PassErrors("frmLoadProfile.TranslateDialogItem", [&] {
        return g_cTranslate->TranslateWithFallback("LOAD_PROFILE_DIALOG", id, english);
    });
}

std::shared_ptr<Profile> frmLoadProfile::SelectedProfile() const
{
    return PassErrors("frmLoadProfile.SelectedProfile", [&] { return m_ucProfiles1.SelectedProfile(); });
}

void frmLoadProfile::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_LP_HELP: cmdHelp_Click(); break;
    }
}

void frmLoadProfile::cmdOk_Click()
{
    m_cancel = false;
    EndModal();
}

void frmLoadProfile::cmdCancel_Click()
{
    EndModal();
}

void frmLoadProfile::cmdHelp_Click()
{
    ShowErrors("frmLoadProfile.cmdHelp_Click", [&] {
        Sys().MsgBox(Hwnd(),
                     TranslateDialogItem("MSG_HELP", "If you don't know what to do, select the Standard-Profile "
                                                     "and then click on the ok-button."),
                     MB_ICONINFORMATION | MB_OK);
    });
}
