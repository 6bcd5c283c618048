// The update notice.
#include "web/frmUpdateNotice.h"

#include "base/mError.h"
#include "translation/cTranslate.h"

void frmUpdateNotice::InitDialog(const std::string& description)
{
    PassErrors("frmUpdateNotice.InitDialog", [&] {
        m_answer = Answer::RemindLater;
        SetItemText(IDC_UN_LBLVERSION, description);
        TranslateDialog();
    });
}

void frmUpdateNotice::TranslateDialog() const
{
    PassErrors("frmUpdateNotice.TranslateDialog", [&] {
        SetCaption(g_cTranslate->TranslateEx("UPDATE_NOTICE", "DIALOG_CAPTION"));
        ApplyTextBindings(TEXTS, [&](int id, const std::string& text) { SetItemText(id, text); });
    });
}

void frmUpdateNotice::OnCommand(int id, int code, HWND control)
{
    if (code != BN_CLICKED) return;
    switch (id) {
    case IDC_UN_CMDOPENPAGE: cmdOpenPage_Click(); break;
    case IDC_UN_CMDREMINDLATER: cmdRemindLater_Click(); break;
    case IDC_UN_CMDSKIPVERSION: cmdSkipVersion_Click(); break;
    default: break;
    }
}

void frmUpdateNotice::Answered(Answer answer)
{
    m_answer = answer;
    EndModal();
}
