// End to end: the launcher's Accessories menu starts the real Lingobench beside it, which lists
// the launcher's language files.
#include "mainwindow/MainWindowTest.h"

#include <algorithm>

#include "base/ScopedWin.h"
#include "langeditor/frmLingobench_res.h"
#include "support/WindowDriver.h"

namespace {

// Lingobench's window, started from the test's folder.
HWND WaitForLingobench(const std::string& folder)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindProgramWindow("Lingobench", folder)) != nullptr; });
    return found;
}

std::vector<std::string> ListTexts(HWND list)
{
    std::vector<std::string> texts;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // The list belongs to another program: its text crosses over as wide characters.
        wchar_t text[MAX_PATH] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        char narrow[MAX_PATH] = {};
        WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof(narrow), nullptr, nullptr);
        texts.push_back(narrow);
    }
    std::sort(texts.begin(), texts.end());
    return texts;
}

} // namespace

class LanguageEditorStart : public MainWindowTest {};

TEST_F(LanguageEditorStart, TheAccessoriesMenuStartsLingobenchOnTheLaunchersLanguageFiles)
{
    const std::string tools = m_folder->Path() + "tools\\";
    CreateDirectoryA(tools.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((TestProgramDir() + "Lingobench.exe").c_str(), (tools + "Lingobench.exe").c_str(), FALSE));
    WriteSettings();
    OpenWindow();

    SystemServices* fake = SetSystemServices(nullptr); // the real shell starts the real program
    Menu(IDM_EXTRA_ACCESSORIES_LINGOBENCH);
    SetSystemServices(fake);

    HWND lingobench = WaitForLingobench(m_folder->Path());
    ASSERT_NE(lingobench, nullptr) << "Lingobench's main window did not appear";
    DWORD processId = 0;
    GetWindowThreadProcessId(lingobench, &processId);
    ScopedHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
    EXPECT_EQ(ListTexts(GetDlgItem(lingobench, IDC_LB_LANG)),
              (std::vector<std::string>{"LNG_DE.ini\t100%", "LNG_EN.ini\t100%"}));

    PostMessageA(lingobench, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.Get(), EVENT_WAIT_MS), WAIT_OBJECT_0) << "Lingobench ends when its window closes";
}
