// frmUpload: where the translations lie and the page where they are handed in.
#pragma once

#include "base/DialogBase.h"
#include "base/ScopedWin.h"

class frmUpload : public DialogBase {
public:
    frmUpload() : DialogBase("frmUpload") {}
    void InitDialog(const std::string& strTranslationFilesDir);

protected:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnOk() override { Command1_Click(); }
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void cmdBrowse_Click();
    void lblUploadDir_Click();
    void Command1_Click();

    ScopedGdiObj<HFONT> m_linkFont;
};

// The page where translators hand in their language files.
inline constexpr const char* UPLOAD_PAGE_ADDRESS = "https://vekolaunch.example.org/translations/upload";
