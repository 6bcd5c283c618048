// The open-file dialog: what it hands the system and what it makes of the answer.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>
#include <cstring>

#include "base/mError.h"
#include "core/mCommonDialog.h"
#include "support/TestEnvironment.h"

namespace {

// Keeps the raw dialog record and can answer with a buffer of its own (multiple selection).
class DialogRecorder : public FakeSystemServices {
public:
    std::string RawFilter; // up to and including the closing double zero
    std::string InitialFile;
    DWORD MaxFile = 0, MaxFileTitle = 0, FilterIndexIn = 0;
    std::string InitialDir;
    HWND Owner = nullptr;
    std::string RawAnswer; // written into the file buffer as it is, when set
    DWORD AddFlags = 0;
    DWORD ChosenFilterIndex = 0;

    bool RunOpenFileDialog(OPENFILENAMEA& ofn) override
    {
        RawFilter.clear();
        if (const char* p = ofn.lpstrFilter) {
            size_t n = 0;
            while (!(p[n] == '\0' && p[n + 1] == '\0')) ++n;
            RawFilter.assign(p, n + 2);
        }
        InitialFile = ofn.lpstrFile;
        MaxFile = ofn.nMaxFile;
        MaxFileTitle = ofn.nMaxFileTitle;
        FilterIndexIn = ofn.nFilterIndex;
        InitialDir = ofn.lpstrInitialDir ? ofn.lpstrInitialDir : "";
        Owner = ofn.hwndOwner;
        if (RawAnswer.empty()) {
            if (!FakeSystemServices::RunOpenFileDialog(ofn)) return false;
        } else {
            OpenFileCalls.push_back({InitialFile, "", "", "", ofn.Flags, InitialDir, ofn.nFilterIndex, ofn.hwndOwner});
            memcpy(ofn.lpstrFile, RawAnswer.data(), RawAnswer.size());
            strcpy(ofn.lpstrFileTitle, "");
        }
        ofn.Flags |= AddFlags;
        if (ChosenFilterIndex) ofn.nFilterIndex = ChosenFilterIndex;
        return true;
    }
};

OpenFileDialogArgs ExecutableArgs()
{
    OpenFileDialogArgs args;
    args.FileName = "C:\\Games\\vekora.exe";
    args.Filter = "Programs (*.exe)|*.exe|All files (*.*)|*.*";
    args.FilterIndex = 1;
    args.InitialDir = "C:\\Games";
    args.Title = "Where is Vekora?";
    args.DefaultExt = ".exe";
    args.FileMustExist = true;
    args.HideReadOnly = true;
    return args;
}

} // namespace

TEST(ShowOpenFileDialog, HandsTheSystemFlagsFilterAndBuffers)
{
    DialogRecorder sys;
    sys.OpenFileAnswers.push_back("C:\\Games\\Vekora\\vekora.exe");
    OpenFileDialogArgs args = ExecutableArgs();
    args.Owner = reinterpret_cast<HWND>(0x1234);
    ShowOpenFileDialog(args);

    ASSERT_EQ(sys.OpenFileCalls.size(), 1u);
    EXPECT_EQ(sys.OpenFileCalls[0].Flags, static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY));
    EXPECT_EQ(sys.OpenFileCalls[0].Title, "Where is Vekora?");
    EXPECT_EQ(sys.OpenFileCalls[0].DefExt, "exe");
    EXPECT_EQ(sys.RawFilter, std::string("Programs (*.exe)\0*.exe\0All files (*.*)\0*.*\0\0", 44));
    EXPECT_EQ(sys.InitialFile, "C:\\Games\\vekora.exe");
    EXPECT_EQ(sys.MaxFile, 260u);
    EXPECT_EQ(sys.MaxFileTitle, 260u);
    EXPECT_EQ(sys.FilterIndexIn, 1u);
    EXPECT_EQ(sys.InitialDir, "C:\\Games");
    EXPECT_EQ(sys.Owner, reinterpret_cast<HWND>(0x1234));
}

TEST(ShowOpenFileDialog, EveryFlagFromItsArgument)
{
    DialogRecorder sys;
    sys.OpenFileAnswers.push_back("C:\\a.txt");
    OpenFileDialogArgs args;
    args.AllowMultiSelect = true;
    args.ReadOnlyChecked = true;
    ShowOpenFileDialog(args);
    ASSERT_EQ(sys.OpenFileCalls.size(), 1u);
    EXPECT_EQ(sys.OpenFileCalls[0].Flags, static_cast<DWORD>(OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_READONLY));
    EXPECT_EQ(sys.MaxFile, 8192u);
    EXPECT_EQ(sys.MaxFileTitle, 8192u);
    EXPECT_EQ(sys.Owner, nullptr);
}

TEST(ShowOpenFileDialog, ChosenFileComesBack)
{
    DialogRecorder sys;
    sys.OpenFileAnswers.push_back("C:\\Games\\Vekora\\vekora.exe");
    sys.AddFlags = OFN_READONLY;
    sys.ChosenFilterIndex = 2;
    OpenFileDialogArgs args = ExecutableArgs();
    EXPECT_EQ(ShowOpenFileDialog(args), "C:\\Games\\Vekora\\vekora.exe");
    EXPECT_EQ(args.FileName, "C:\\Games\\Vekora\\vekora.exe");
    EXPECT_EQ(args.FileTitle, "vekora.exe");
    EXPECT_EQ(args.FilterIndex, 2);
    EXPECT_EQ(args.Filter, "All files (*.*)|*.*");
    EXPECT_TRUE(args.ReadOnlyChecked);
    EXPECT_EQ(args.Flags, static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_READONLY));
}

TEST(ShowOpenFileDialog, MultipleSelectionKeepsTheZeroSeparatedList)
{
    DialogRecorder sys;
    sys.RawAnswer = std::string("C:\\Games\0a.pak\0b.pak\0\0", 23);
    OpenFileDialogArgs args;
    args.AllowMultiSelect = true;
    args.Filter = "Paks|*.pak";
    EXPECT_EQ(ShowOpenFileDialog(args), std::string("C:\\Games\0a.pak\0b.pak", 20));
    EXPECT_EQ(args.FileName, std::string("C:\\Games\0a.pak\0b.pak", 20));
    EXPECT_EQ(args.Filter, "Paks|*.pak");
}

TEST(ShowOpenFileDialog, CancelResetsAndRaisesOnlyWhenAsked)
{
    DialogRecorder sys;
    sys.OpenFileAnswers.push_back(std::nullopt);
    OpenFileDialogArgs args = ExecutableArgs();
    EXPECT_EQ(ShowOpenFileDialog(args), "");
    EXPECT_EQ(args.FileName, "");
    EXPECT_EQ(args.FileTitle, "");
    EXPECT_EQ(args.Filter, "");
    EXPECT_EQ(args.FilterIndex, -1);
    EXPECT_EQ(args.Flags, 0u);

    sys.OpenFileAnswers.push_back(std::nullopt);
    args = ExecutableArgs();
    args.RaiseOnCancel = true;
    try {
        ShowOpenFileDialog(args);
        ADD_FAILURE() << "cancel did not raise";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number, 20004);
        EXPECT_EQ(e.Description, "The action has been canceled");
    }
    EXPECT_EQ(args.FileName, "");
    EXPECT_EQ(args.FilterIndex, -1);
}

TEST(ShowOpenFileDialog, DialogErrorNamesItsCode)
{
    DialogRecorder sys;
    sys.OpenFileAnswers.push_back(std::nullopt);
    sys.OpenFileErrorCode = FNERR_BUFFERTOOSMALL;
    OpenFileDialogArgs args = ExecutableArgs();
    try {
        ShowOpenFileDialog(args);
        ADD_FAILURE() << "the dialog error did not raise";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number, 20005);
        EXPECT_EQ(e.Description, "An error happened (ID: 12291)");
    }
    EXPECT_EQ(args.FileName, "");
    EXPECT_EQ(args.Filter, "");
    EXPECT_EQ(args.FilterIndex, -1);
    EXPECT_EQ(args.Flags, 0u);
}

TEST(ShowOpenFileDialog, AfterACancelTheNextDialogStillOpens)
{
    // A cancel leaves the filter index at -1; handing that on must not confuse the system.
    DialogRecorder sys;
    sys.OpenFileAnswers.push_back("C:\\x.exe");
    OpenFileDialogArgs args = ExecutableArgs();
    args.FilterIndex = -1;
    ShowOpenFileDialog(args);
    EXPECT_EQ(sys.FilterIndexIn, 0u);
}

TEST(ShowOpenFileDialog, RealDialogCancelled)
{
    OpenFileDialogArgs args = ExecutableArgs();
    args.InitialDir = "";
    std::string chosen = "unchanged";
    const bool shown = WhileModal([&] { chosen = ShowOpenFileDialog(args); },
                                  [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_TRUE(shown);
    EXPECT_EQ(chosen, "");
    EXPECT_EQ(args.FilterIndex, -1);
}
