// The options window: what it shows, what OK, Cancel and the title-bar close do to the
// application's options, the editor chooser and a file dropped on the locked editor field.
#include <gtest/gtest.h>

#include "base/mIni.h"
#include "core/Application.h"
#include "dialogs/frmOptions.h"
#include "dialogs/frmOptions_res.h"
#include "support/BoundTexts.h"
#include "support/TestDataObject.h"
#include "support/TestEnvironment.h"
#include "translation/cTranslate.h"

class OptionsWindow : public AppFixture {
protected:
    void Open(const std::string& editor, bool confirm, const std::string& language = "EN")
    {
        WriteIni("[OPTIONS]\r\nLANGUAGE=" + language + "\r\nEDITORPATH=" + editor + "\r\nSTARTVEKORADIALOG=" +
                 (confirm ? "1" : "0") + "\r\n");
        RestartApplication();
        g_cApp->Options().LoadData();
        dialog.Load();
        dialog.InitDialog();
        dialog.ShowModeless();
    }
    bool Ticked() { return IsDlgButtonChecked(dialog.Hwnd(), IDC_OPTIONS_CKSAFETYPROMPT) == BST_CHECKED; }
    std::string Field() { return dialog.EditorPathField().Text(); }

    frmOptions dialog;
};

TEST_F(OptionsWindow, ShowsTheOptionsAndItsTexts)
{
    Open("C:\\Tools\\edit.exe", true);
    EXPECT_EQ(Field(), "C:\\Tools\\edit.exe");
    EXPECT_TRUE(Ticked());
    const cTranslate& t = *g_cTranslate;
    EXPECT_EQ(WindowText(dialog.Hwnd()), t.TranslateEx("OPTIONS_DIALOG", "DIALOG_CAPTION"));
    EXPECT_EQ(ItemText(dialog.Hwnd(), IDC_OPTIONS_LBLEDITOR), t.TranslateEx("OPTIONS_DIALOG", "LBL_EDITOR") + ":");
    ExpectBoundTexts(frmOptions::TEXTS, ConfigDir() + "LNG_EN.ini",
                     [&](int id) { return ItemText(dialog.Hwnd(), id); });
    EXPECT_TRUE(dialog.EditorPathField().Locked()) << "the path is chosen, never typed";
}

TEST_F(OptionsWindow, GermanTexts)
{
    Open("", false, "DE");
    EXPECT_FALSE(Ticked());
    const std::string german = ConfigDir() + "LNG_DE.ini";
    EXPECT_EQ(WindowText(dialog.Hwnd()), ReadFromIni(german, "OPTIONS_DIALOG", "DIALOG_CAPTION", ""));
    EXPECT_EQ(ItemText(dialog.Hwnd(), IDC_OPTIONS_LBLEDITOR), ReadFromIni(german, "OPTIONS_DIALOG", "LBL_EDITOR", "") + ":");
    ExpectBoundTexts(frmOptions::TEXTS, german, [&](int id) { return ItemText(dialog.Hwnd(), id); });
}

TEST_F(OptionsWindow, OkStoresTheChosenEditorAndTheConfirmation)
{
    Open("", true);
    m_sys->OpenFileAnswers.push_back(std::string("C:\\Tools\\notepad2.exe"));
    ClickButton(dialog.Hwnd(), IDC_OPTIONS_CMDEDITORPATH);
    EXPECT_EQ(Field(), "C:\\Tools\\notepad2.exe");
    ClickButton(dialog.Hwnd(), IDC_OPTIONS_CKSAFETYPROMPT);
    EXPECT_TRUE(g_cApp->Options().EditorPath().empty()) << "nothing is stored before OK";
    ClickButton(dialog.Hwnd(), IDOK);
    EXPECT_EQ(g_cApp->Options().EditorPath(), "C:\\Tools\\notepad2.exe");
    EXPECT_FALSE(g_cApp->Options().ShowStartVekoraDialog());
    EXPECT_FALSE(IsWindowVisible(dialog.Hwnd())) << "the window has closed";
    EXPECT_EQ(ReadFromIni(IniPath(), "OPTIONS", "EDITORPATH", ""), "") << "the settings file waits for the launcher's end";
}

TEST_F(OptionsWindow, OkWithoutChangesWritesTheSameValues)
{
    Open("C:\\Tools\\edit.exe", false);
    ClickButton(dialog.Hwnd(), IDOK);
    EXPECT_EQ(g_cApp->Options().EditorPath(), "C:\\Tools\\edit.exe");
    EXPECT_FALSE(g_cApp->Options().ShowStartVekoraDialog());
    EXPECT_FALSE(g_cApp->Options().DataChanged());
}

TEST_F(OptionsWindow, EmptyEditorPathIsStoredEmpty)
{
    Open("C:\\Tools\\edit.exe", true);
    dialog.EditorPathField().SetText("");
    ClickButton(dialog.Hwnd(), IDOK);
    EXPECT_EQ(g_cApp->Options().EditorPath(), "");
}

TEST_F(OptionsWindow, CancelAfterChoosingAnEditorChangesNothing)
{
    Open("C:\\Tools\\edit.exe", true);
    m_sys->OpenFileAnswers.push_back(std::string("C:\\Other\\editor.exe"));
    ClickButton(dialog.Hwnd(), IDC_OPTIONS_CMDEDITORPATH);
    ClickButton(dialog.Hwnd(), IDC_OPTIONS_CKSAFETYPROMPT);
    ClickButton(dialog.Hwnd(), IDCANCEL);
    EXPECT_FALSE(IsWindowVisible(dialog.Hwnd())) << "the window has closed";
    EXPECT_EQ(g_cApp->Options().EditorPath(), "C:\\Tools\\edit.exe");
    EXPECT_TRUE(g_cApp->Options().ShowStartVekoraDialog());
}

TEST_F(OptionsWindow, TitleBarCloseStoresNothing)
{
    Open("C:\\Tools\\edit.exe", true);
    ClickButton(dialog.Hwnd(), IDC_OPTIONS_CKSAFETYPROMPT);
    SendMessageA(dialog.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(dialog.Hwnd())) << "the window has closed";
    EXPECT_TRUE(g_cApp->Options().ShowStartVekoraDialog());
}

TEST_F(OptionsWindow, CancelledChooserKeepsThePathAndStartsFromIt)
{
    TempFolder tools;
    const std::string editor = tools.Path() + "edit.exe";
    WriteTextFile(editor, "MZ");
    Open(editor, true);
    m_sys->OpenFileAnswers.push_back(std::nullopt);
    ClickButton(dialog.Hwnd(), IDC_OPTIONS_CMDEDITORPATH);
    ASSERT_EQ(m_sys->OpenFileCalls.size(), 1u);
    EXPECT_EQ(m_sys->OpenFileCalls[0].InitialFile, editor);
    EXPECT_EQ(Field(), editor);
}

TEST_F(OptionsWindow, DroppedFileReplacesTheLockedText)
{
    Open("C:\\Tools\\edit.exe", true);
    SendMessageA(dialog.EditorPathField().TextBox(), WM_CHAR, 'x', 1);
    EXPECT_EQ(Field(), "C:\\Tools\\edit.exe") << "typing is refused";
    Data data(TestDataObject::New()->Files({"C:\\Editors\\dropped.exe"}));
    IDropTarget* target = dialog.EditorPathField().DropTarget();
    ASSERT_NE(target, nullptr);
    DWORD effect = DROPEFFECT_COPY;
    POINTL point = {0, 0};
    ASSERT_EQ(target->DragEnter(data.Get(), 0, point, &effect), S_OK);
    effect = DROPEFFECT_COPY;
    ASSERT_EQ(target->Drop(data.Get(), 0, point, &effect), S_OK);
    EXPECT_EQ(Field(), "C:\\Editors\\dropped.exe");
    ClickButton(dialog.Hwnd(), IDOK);
    EXPECT_EQ(g_cApp->Options().EditorPath(), "C:\\Editors\\dropped.exe");
}
