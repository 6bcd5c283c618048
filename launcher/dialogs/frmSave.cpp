// The save window.
#include "dialogs/frmSave.h"

#include "base/ControlHost.h"
#include "base/mError.h"
#include "core/Application.h"
#include "dialogs/frmSave_res.h"
#include "translation/cTranslate.h"

void frmSave::OnInit()
{
    PlaceAtPlaceholder(m_ucProfiles1, Hwnd(), IDC_SAVE_PROFILES);
}

void frmSave::InitDialog(const std::vector<std::shared_ptr<Profile>>& offered)
{
    PassErrors("frmSave.InitDialog", [&] {
        TranslateDialog();
        m_ucProfiles1.InitControl(offered);
        m_ucProfiles1.SetMultiSelect(true);
        m_ucProfiles1.SelectAllProfiles();
    });
}

void frmSave::TranslateDialog() const
{
    PassErrors("frmSave.TranslateDialog", [&] {
        SetCaption(TranslateDialogItem("DIALOG_CAPTION"));
        ApplyTextBindings(TEXTS, [&](int id, const std::string& text) { SetItemText(id, text); });
    });
}

std::string frmSave::TranslateDialogItem(const std::string& id)
{
    return PassErrors("frmSave.TranslateDialogItem", [&] {
        return g_cTranslate->TranslateEx("SAVE_DIALOG", id, "", "");
    });
}

void frmSave::Command1_Click()
{
    ShowErrors("frmSave.Command1_Click", [&] {
        const std::string list = m_ucProfiles1.GetSelectedItems();
        g_cApp->SaveDataEx(list);
        EndModal();
    });
}

void frmSave::Command2_Click()
{
    EndModal();
}
