// Entry of Lingobench's test program: common controls and its program title, as Lingobench has them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "base/SystemServices.h"
#include "support/TestFiles.h"

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    SetProgramTitle("Lingobench");
    UseRunTemporaryFolder();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
