// The path field: text, Change, Locked, and drops of files, folders and text through its
// registered OLE drop target, fed with real data objects.
#include <gtest/gtest.h>

#include <shlobj.h>
#include <string>
#include <vector>

#include "controls/ControlTestHost.h"
#include "base/DialogBase.h"
#include "controls/ucPath.h"
#include "support/TestDataObject.h"
#include "support/TestEnvironment.h"

using controls_test::Canvas;
using controls_test::HostWindow;

namespace {
constexpr int PATH_ID = 4300;
constexpr DWORD ALL_EFFECTS = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
} // namespace

TEST(PathFromDropData, TakesTextFirstThenASingleFileOrFolder)
{
    struct Case {
        const char* name;
        TestDataObject* data;
        std::string expected;
    };
    const Case cases[] = {
        {"one file", TestDataObject::New()->Files({"C:\\Games\\Vekora\\vekora.exe"}), "C:\\Games\\Vekora\\vekora.exe"},
        {"one folder", TestDataObject::New()->Files({"C:\\Games\\Vekora"}), "C:\\Games\\Vekora"},
        {"two files", TestDataObject::New()->Files({"C:\\a.exe", "C:\\b.exe"}), ""},
        {"wide file list", TestDataObject::New()->WideFiles({L"C:\\Spiele\\vekora.exe"}), "C:\\Spiele\\vekora.exe"},
        {"text", TestDataObject::New()->Text("D:\\Vekora\\vekora.exe -log"), "D:\\Vekora\\vekora.exe -log"},
        {"text before files", TestDataObject::New()->Text("typed")->Files({"C:\\a.exe"}), "typed"},
        {"wide text", TestDataObject::New()->WideText(L"C:\\Vekora"), "C:\\Vekora"},
        {"empty text", TestDataObject::New()->Text(""), ""},
        {"nothing usable", TestDataObject::New()->With(CF_BITMAP, "x", 1), ""},
    };
    for (const Case& c : cases) {
        Data data(c.data);
        EXPECT_EQ(GetPathFromClipboard(data.Get()), c.expected) << c.name;
    }
    EXPECT_EQ(GetPathFromClipboard(nullptr), "");
}

TEST(PathFromDropData, DragOverSignalsCopyOnlyForAPath)
{
    Data file(TestDataObject::New()->Files({"C:\\a.exe"}));
    Data text(TestDataObject::New()->Text("abc"));
    Data two(TestDataObject::New()->Files({"C:\\a.exe", "C:\\b.exe"}));
    Data other(TestDataObject::New()->With(CF_BITMAP, "x", 1));
    EXPECT_EQ(DragEffectFor(file.Get(), ALL_EFFECTS), DWORD(DROPEFFECT_COPY));
    EXPECT_EQ(DragEffectFor(text.Get(), DROPEFFECT_COPY | DROPEFFECT_MOVE), DWORD(DROPEFFECT_COPY));
    EXPECT_EQ(DragEffectFor(two.Get(), ALL_EFFECTS), DWORD(DROPEFFECT_NONE));
    EXPECT_EQ(DragEffectFor(other.Get(), ALL_EFFECTS), DWORD(DROPEFFECT_NONE));
    EXPECT_EQ(DragEffectFor(file.Get(), DROPEFFECT_MOVE), DWORD(DROPEFFECT_NONE)); // copy not allowed
}

class PathField : public testing::Test {
protected:
    HostWindow host;
    ucPath field;
    void SetUp() override
    {
        ASSERT_TRUE(field.Create(host.Hwnd(), PATH_ID, RECT{10, 10, 260, 32}));
        host.Notifications.clear();
    }
    // The changes the field reported to its host.
    int Changes() const { return host.Count(PATH_ID, UCPATH_CHANGE); }

    // Drags the data onto the field as OLE does; returns the effects of entering and dropping.
    std::pair<DWORD, DWORD> DragAndDrop(IDataObject* data)
    {
        IDropTarget* target = field.DropTarget();
        POINTL point = {20, 20};
        DWORD enter = ALL_EFFECTS;
        EXPECT_EQ(target->DragEnter(data, MK_LBUTTON, point, &enter), S_OK);
        DWORD over = ALL_EFFECTS;
        EXPECT_EQ(target->DragOver(MK_LBUTTON, point, &over), S_OK);
        EXPECT_EQ(over, enter);
        DWORD drop = ALL_EFFECTS;
        EXPECT_EQ(target->Drop(data, 0, point, &drop), S_OK);
        return {enter, drop};
    }
    int ChangeNotifications() const { return host.Count(PATH_ID, UCPATH_CHANGE); }
};

TEST_F(PathField, StartsEmptyWithTheDesignDefaults)
{
    EXPECT_EQ(field.Text(), "");
    EXPECT_TRUE(field.Enabled());
    EXPECT_FALSE(field.Locked());
    EXPECT_FALSE(field.AcceptFiles());
    EXPECT_FALSE(field.AcceptFolders());
    EXPECT_EQ(field.BackColor(), RGB(255, 255, 255));
    EXPECT_EQ(field.BorderStyle(), 1);
    EXPECT_EQ(Changes(), 0);
}

TEST_F(PathField, KeyboardReachesTheTextBox)
{
    EXPECT_EQ(GetNextDlgTabItem(host.Hwnd(), nullptr, FALSE), field.TextBox());
    ShowWindow(host.Hwnd(), SW_SHOW);
    SetFocus(field.Hwnd());
    EXPECT_EQ(GetFocus(), field.TextBox());
    EXPECT_EQ(host.Count(PATH_ID, UCPATH_SETFOCUS), 1);
}

TEST_F(PathField, TextBoxIsARegisteredDropTarget)
{
    // OLE refuses a second registration for a window that already has a target.
    EXPECT_EQ(RegisterDragDrop(field.TextBox(), field.DropTarget()), DRAGDROP_E_ALREADYREGISTERED);
}

TEST(PathFieldWhenIdle, TheDropTargetIsRegisteredOnceIdleAndNotAfterTheFieldWent)
{
    HostWindow host;
    ucPath later;
    later.RegisterDropTargetWhenIdle();
    ASSERT_TRUE(later.Create(host.Hwnd(), PATH_ID, RECT{10, 10, 260, 32}));
    ucPath gone;
    gone.RegisterDropTargetWhenIdle();
    ASSERT_TRUE(gone.Create(host.Hwnd(), PATH_ID + 1, RECT{10, 40, 260, 62}));
    DestroyWindow(gone.Hwnd());
    // Not yet registered: a registration of our own is taken (and given back).
    ASSERT_EQ(RegisterDragDrop(later.TextBox(), later.DropTarget()), S_OK);
    RevokeDragDrop(later.TextBox());
    FinishIdleWork();
    EXPECT_EQ(RegisterDragDrop(later.TextBox(), later.DropTarget()), DRAGDROP_E_ALREADYREGISTERED);
}

TEST_F(PathField, DroppingOneFilePutsItsPathInAndRaisesChangeOnce)
{
    field.SetText("C:\\old\\vekora.exe");
    host.Notifications.clear();
    host.Notifications.clear();
    Data data(TestDataObject::New()->Files({"C:\\Games\\Vekora\\vekora.exe"}));
    auto [enter, drop] = DragAndDrop(data.Get());
    EXPECT_EQ(enter, DWORD(DROPEFFECT_COPY));
    EXPECT_EQ(drop, DWORD(DROPEFFECT_COPY));
    EXPECT_EQ(field.Text(), "C:\\Games\\Vekora\\vekora.exe");
    EXPECT_EQ(Changes(), 1);
    EXPECT_EQ(ChangeNotifications(), 1);
}

TEST_F(PathField, DroppingAFolderOrTextPutsItInUnchanged)
{
    TempFolder folder;
    std::string path = folder.Path().substr(0, folder.Path().size() - 1);
    Data dir(TestDataObject::New()->Files({path}));
    DragAndDrop(dir.Get());
    EXPECT_EQ(field.Text(), path);

    Data text(TestDataObject::New()->Text("  D:\\Vekora\\vekora.exe "));
    DragAndDrop(text.Get());
    EXPECT_EQ(field.Text(), "  D:\\Vekora\\vekora.exe ");
    EXPECT_EQ(Changes(), 2);
}

TEST_F(PathField, SeveralFilesAreRefusedAndLeaveTheText)
{
    field.SetText("C:\\keep.exe");
    host.Notifications.clear();
    Data data(TestDataObject::New()->Files({"C:\\a.exe", "C:\\b.exe"}));
    auto [enter, drop] = DragAndDrop(data.Get());
    EXPECT_EQ(enter, DWORD(DROPEFFECT_NONE));
    EXPECT_EQ(drop, DWORD(DROPEFFECT_NONE));
    EXPECT_EQ(field.Text(), "C:\\keep.exe");
    EXPECT_EQ(Changes(), 0);
}

TEST_F(PathField, LockedFieldTakesDropsAndProgramTextButNoTyping)
{
    field.SetLocked(true);
    field.SetBackColor(GetSysColor(COLOR_BTNFACE));
    SendMessageA(field.TextBox(), WM_CHAR, 'x', 0);
    EXPECT_EQ(field.Text(), "");
    EXPECT_EQ(Changes(), 0);

    Data data(TestDataObject::New()->Files({"C:\\Tools\\editor.exe"}));
    auto [enter, drop] = DragAndDrop(data.Get());
    EXPECT_EQ(enter, DWORD(DROPEFFECT_COPY));
    EXPECT_EQ(field.Text(), "C:\\Tools\\editor.exe");
    field.SetText("C:\\other.exe");
    EXPECT_EQ(field.Text(), "C:\\other.exe");
    EXPECT_EQ(Changes(), 2);
}

TEST_F(PathField, DisabledFieldTakesNoDrop)
{
    field.SetEnabled(false);
    EXPECT_FALSE(field.Enabled());
    EXPECT_FALSE(IsWindowEnabled(field.TextBox()));
    Data data(TestDataObject::New()->Files({"C:\\a.exe"}));
    auto [enter, drop] = DragAndDrop(data.Get());
    EXPECT_EQ(enter, DWORD(DROPEFFECT_NONE));
    EXPECT_EQ(drop, DWORD(DROPEFFECT_NONE));
    EXPECT_EQ(field.Text(), "");
    field.SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(field.TextBox()));
}

TEST_F(PathField, TypingAndWindowTextRaiseChange)
{
    SendMessageA(field.TextBox(), WM_CHAR, 'C', 0);
    SendMessageA(field.TextBox(), WM_CHAR, ':', 0);
    EXPECT_EQ(field.Text(), "C:");
    EXPECT_EQ(Changes(), 2);
    EXPECT_EQ(ChangeNotifications(), 2);
    EXPECT_EQ(host.Notifications.back().From, field.Hwnd());

    // The field answers to the window-text calls a dialog uses for its items.
    SetDlgItemTextA(host.Hwnd(), PATH_ID, "C:\\Vekora\\vekora.exe");
    EXPECT_EQ(field.Text(), "C:\\Vekora\\vekora.exe");
    EXPECT_EQ(ItemText(host.Hwnd(), PATH_ID), "C:\\Vekora\\vekora.exe");
    EXPECT_EQ(Changes(), 3);
    SetDlgItemTextA(host.Hwnd(), PATH_ID, "C:\\Vekora\\vekora.exe"); // the same text: no change
    field.SetText("C:\\Vekora\\vekora.exe");
    EXPECT_EQ(Changes(), 3);
}

TEST_F(PathField, HostReadingTheFieldAtTheChangeSeesTheNewText)
{
    std::string seen;
    host.WhileNotified = [&](const controls_test::Notification& n) {
        if (n.Code == UCPATH_CHANGE) seen = field.Text();
    };
    field.SetText("E:\\x.exe");
    EXPECT_EQ(seen, "E:\\x.exe");
}

TEST_F(PathField, TextBoxFillsTheFieldAndShowsTheBackColour)
{
    SetWindowPos(field.Hwnd(), nullptr, 0, 0, 300, 40, SWP_NOMOVE | SWP_NOZORDER);
    RECT box;
    GetWindowRect(field.TextBox(), &box);
    EXPECT_EQ(box.right - box.left, 300);
    EXPECT_EQ(box.bottom - box.top, 40);

    field.SetBackColor(RGB(224, 224, 224));
    Canvas canvas(field.TextBox());
    EXPECT_EQ(canvas.Pixel(canvas.Width() - 4, canvas.Height() / 2), RGB(224, 224, 224));
}
