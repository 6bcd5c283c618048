// frmEditLang: works through the texts of the English file and stores their translations.
#pragma once

#include <optional>
#include <vector>

#include "base/DialogBase.h"
#include "base/ScopedWin.h"
#include "langeditor/EditedFile.h"
#include "langeditor/WordList.h"

class frmEditLang : public DialogBase {
public:
    frmEditLang() : DialogBase("frmEditLang") {}
    // Opens strFile against the English file beside it; false (after telling the user) when
    // the English file cannot be read, as there is then nothing to translate.
    bool InitDialog(const std::string& strFile);

protected:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    // Enter belongs to the translation box; the window has no default button.
    void OnOk() override {}
    void OnCancel() override { Form_Unload(); }

private:
    bool BuildWordList();
    void lstID_Click();
    void cmdSave_Click();
    void cmdTest_Click();
    void ckOnlyNotTranslated_Click();
    void txtTranslation_Change();
    void txtSection_Change();
    void txtTranslation_Escape();
    void cmdNextUntranslated_Click();
    void Form_Unload();

    // Stores the entry on show by the save rule; raises when the write fails, and only a
    // write that went through (or one the user declined) counts as saved.
    void SaveTranslation();
    void ShowEntry(int index);
    void CheckTranslation();
    void ShowEditArea(bool visible);
    void ShowUntranslatedCount();
    void AddTooltip(int id, const char* text);
    int TextWidth(int id) const;

    std::optional<EditedFile> m_file;
    std::vector<WordListEntry> m_words;
    bool m_blnChanged = false;
    bool m_blnEditArea = false;
    int m_shownIndex = -1; // the list entry whose texts the edit area shows
    ScopedGdiObj<HFONT> m_headingFont;
};
