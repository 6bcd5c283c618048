// System libraries loaded on first use: the function when it is there, an error that names
// what is missing when it is not.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include "base/SystemLibrary.h"
#include "base/mError.h"
#include "support/TestEnvironment.h"

TEST(SystemLibrary, GivesTheFunctionOrNamesTheMissingLibraryOrFunction)
{
    EXPECT_EQ(SystemFunction<decltype(&CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError")(), 0u);

    const struct {
        const char* Library;
        const char* Function;
        int32_t Number;
        std::string Description;
    } cases[] = {
        {"vekora_nowhere.dll", "Open", 48, "Error in loading DLL vekora_nowhere.dll"},
        {"comdlg32.dll", "NoSuchFunctionA", 453, "Can't find DLL entry point NoSuchFunctionA in comdlg32.dll"},
    };
    for (const auto& c : cases) {
        const AppError e = ErrorOf([&] { SystemFunctionAddress(c.Library, c.Function); });
        EXPECT_EQ(e.Number, c.Number) << c.Library;
        EXPECT_EQ(e.Description, c.Description);
        EXPECT_NE(e.Source.find("SystemFunctionAddress"), std::string::npos) << e.Source;
    }
}
