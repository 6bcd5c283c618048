// frmUpdateNotice: tells of an update found at start-up; open its page, hear of it at the next
// start again, or never again.
#pragma once

#include <string>

#include "base/DialogBase.h"
#include "translation/TextBinding.h"
#include "web/frmUpdateNotice_res.h"

class frmUpdateNotice : public DialogBase {
public:
    enum class Answer { RemindLater, OpenPage, SkipVersion };

    frmUpdateNotice() : DialogBase("frmUpdateNotice") {}
    // What the update file says about the update.
    void InitDialog(const std::string& description);
    // RemindLater unless the user chose otherwise (closing the window is "later").
    Answer Result() const { return m_answer; }
    static constexpr TextBinding TEXTS[] = {
        {IDC_UN_LBLINFO, "UPDATE_NOTICE", "LBL_INFO"},
        {IDC_UN_CMDOPENPAGE, "UPDATE_NOTICE", "BTN_OPEN_PAGE"},
        {IDC_UN_CMDREMINDLATER, "UPDATE_NOTICE", "BTN_REMIND_LATER"},
        {IDC_UN_CMDSKIPVERSION, "UPDATE_NOTICE", "BTN_SKIP_VERSION"},
    };

protected:
    void OnCommand(int id, int code, HWND control) override;
    void OnOk() override { cmdOpenPage_Click(); }
    void OnCancel() override { cmdRemindLater_Click(); }

private:
    void TranslateDialog() const;
    void Answered(Answer answer);
    void cmdOpenPage_Click() { Answered(Answer::OpenPage); }
    void cmdRemindLater_Click() { Answered(Answer::RemindLater); }
    void cmdSkipVersion_Click() { Answered(Answer::SkipVersion); }

    Answer m_answer = Answer::RemindLater;
};
