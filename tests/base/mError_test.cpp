// The error convention: numbers, the source chain, C++ failures as run-time errors, and the
// three ways ShowError shows an error.
#include <functional>
#include <new>
#include <stdexcept>

#include <gtest/gtest.h>

#include "LauncherErrors.h"
#include "base/mError.h"
#include "support/TestEnvironment.h"

namespace {
// A click handler with two procedures below it, the inner one failing with `fail`.
std::function<void()> g_fail;

int InnerProc()
{
    return PassErrors("mTest.InnerProc", [] {
        g_fail();
        return 7;
    });
}

int OuterProc()
{
    return PassErrors("cTest.OuterProc", [] { return InnerProc() * 6; });
}

int g_clickResult = 0;

bool cmdGo_Click()
{
    return ShowErrors("frmTest.cmdGo_Click", [] { g_clickResult = OuterProc(); });
}

} // namespace

TEST(ErrorNumbers, ProgramErrorsCarryTheObjectErrorBase)
{
    AppError e = ErrorOf([] { RaiseError(ERR_LANGUAGE_ABBREV, "why"); });
    EXPECT_EQ(e.Number, -2147201497);
    EXPECT_EQ(GetErrorNumber(e.Number), 20007);
    EXPECT_EQ(e.Description, "why");
    EXPECT_EQ(e.Source, "");
    EXPECT_EQ(OBJECT_ERROR_BASE, -2147221504);
    EXPECT_EQ(GetErrorNumber(OBJECT_ERROR_BASE | ERR_INI_WRITE), 1);
    EXPECT_EQ(GetErrorNumber(OBJECT_ERROR_BASE | ERR_INI_READ), 2);
    EXPECT_EQ(GetErrorNumber(OBJECT_ERROR_BASE | ERR_INI_WRITE_FAILED), 3);
}

TEST(ErrorNumbers, PlainAndRunTimeErrorsKeepTheirNumber)
{
    AppError e = ErrorOf([] { RaisePlainError(ERR_INPUT_CHECK, "check"); });
    EXPECT_EQ(e.Number, 20006);
    EXPECT_EQ(GetErrorNumber(e.Number), 20006);
    e = ErrorOf([] { RaiseRuntimeError(RTE_DIVISION_BY_ZERO); });
    EXPECT_EQ(e.Number, 11);
    EXPECT_EQ(GetErrorNumber(e.Number), 11);
    EXPECT_EQ(e.Description, "Division by zero");
    EXPECT_EQ(e.Source, "Vekolaunch");
}

TEST(ErrorNumbers, CppFailuresBecomeRunTimeErrors)
{
    struct Case { std::function<void()> Throw; int32_t Number; std::string Description; };
    const Case cases[] = {
        {[] { throw std::overflow_error("x"); }, 6, "Overflow"},
        {[] { throw std::bad_alloc(); }, 7, "Out of memory"},
        {[] { throw std::out_of_range("x"); }, 9, "Subscript out of range"},
        {[] { throw std::domain_error("x"); }, 11, "Division by zero"},
        {[] { throw std::invalid_argument("x"); }, 13, "Type mismatch"},
        {[] { (void)std::stoi("not a number"); }, 13, "Type mismatch"},
        {[] { throw std::runtime_error("boom"); }, 51, "Internal error (boom)"},
        {[] { throw 42; }, 51, "Internal error"},
    };
    for (const Case& c : cases) {
        AppError e = ErrorOf(c.Throw);
        EXPECT_EQ(e.Number, c.Number) << c.Description;
        EXPECT_EQ(e.Description, c.Description);
        EXPECT_EQ(e.Source, "Vekolaunch");
    }
}

TEST(ErrorChain, PassErrorPrependsTheNameAndKeepsEverythingElse)
{
    AppError e = ErrorOf([] {
        try {
            AppError original(OBJECT_ERROR_BASE | 2, "Invalid value", "origin");
            throw original;
        } catch (...) {
            PassError("mIni.ReadFromIni");
        }
    });
    EXPECT_EQ(e.Number, OBJECT_ERROR_BASE | 2);
    EXPECT_EQ(e.Description, "Invalid value");
    EXPECT_EQ(e.Source, "mIni.ReadFromIni\r\norigin");
}

class ShowErrorTest : public testing::Test {
protected:
    FakeSystemServices sys;
};

TEST_F(ShowErrorTest, WithoutAFailureTheBodiesRunToTheirEndAndHandTheirResultsOn)
{
    g_fail = [] {};
    g_clickResult = 0;
    EXPECT_TRUE(cmdGo_Click());
    EXPECT_EQ(g_clickResult, 42);
    EXPECT_TRUE(sys.ErrorReports.empty());
}

TEST_F(ShowErrorTest, ChainThreeDeepListsHandlerThenInnerProceduresThenOrigin)
{
    g_fail = [] { RaiseRuntimeError(RTE_DIVISION_BY_ZERO); };
    g_clickResult = 0;
    EXPECT_FALSE(cmdGo_Click());
    EXPECT_EQ(g_clickResult, 0) << "the rest of the handler does not run";
    ASSERT_EQ(sys.ErrorReports.size(), 1u);
    EXPECT_EQ(sys.ErrorReports[0].Source, "frmTest.cmdGo_Click\r\ncTest.OuterProc\r\nmTest.InnerProc\r\nVekolaunch");
    EXPECT_EQ(sys.ErrorReports[0].Number, 11);
    EXPECT_EQ(sys.ErrorReports[0].Description, "Division by zero");

    g_fail = [] { RaiseError(ERR_LANGUAGE_ABBREV, "abbrev"); }; // a program error is born without a source
    cmdGo_Click();
    ASSERT_EQ(sys.ErrorReports.size(), 2u);
    EXPECT_EQ(sys.ErrorReports[1].Source, "frmTest.cmdGo_Click\r\ncTest.OuterProc\r\nmTest.InnerProc\r\n");
    EXPECT_EQ(sys.ErrorReports[1].Number, -2147201497);
    EXPECT_TRUE(sys.MessageBoxes.empty());
}

TEST_F(ShowErrorTest, CancellationIsAnInformationBoxOrNothing)
{
    g_fail = [] { RaisePlainError(ERR_CANCELED, "The action has been canceled"); };
    cmdGo_Click();
    ASSERT_EQ(sys.MessageBoxes.size(), 1u);
    EXPECT_EQ(sys.MessageBoxes[0].Text, "The action has been canceled");
    EXPECT_EQ(sys.MessageBoxes[0].Type, static_cast<UINT>(MB_ICONINFORMATION | MB_OK));

    g_fail = [] { RaisePlainError(ERR_CANCELED, ""); };
    cmdGo_Click();
    EXPECT_EQ(sys.MessageBoxes.size(), 1u);
    EXPECT_TRUE(sys.ErrorReports.empty());
}

TEST_F(ShowErrorTest, InputCheckIsAnExclamationBox)
{
    g_fail = [] { RaisePlainError(ERR_INPUT_CHECK, "Width\r\nmissing"); };
    cmdGo_Click();
    ASSERT_EQ(sys.MessageBoxes.size(), 1u);
    EXPECT_EQ(sys.MessageBoxes[0].Text, "Width\r\nmissing");
    EXPECT_EQ(sys.MessageBoxes[0].Type, static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
    EXPECT_TRUE(sys.ErrorReports.empty());
}

TEST_F(ShowErrorTest, TheSameNumbersWithTheBaseGoToTheReport)
{
    for (int32_t n : {ERR_CANCELED, ERR_INPUT_CHECK}) {
        g_fail = [n] { RaiseError(n, "based"); };
        cmdGo_Click();
    }
    EXPECT_EQ(sys.ErrorReports.size(), 2u);
    EXPECT_TRUE(sys.MessageBoxes.empty());
}

TEST_F(ShowErrorTest, AReportThatCannotBeShownFallsBackToAMessageBox)
{
    struct FailingReport : FakeSystemServices {
        void ShowErrorReport(const std::string&, const std::string&, int32_t) override
        {
            RaiseRuntimeError(RTE_OUT_OF_MEMORY);
        }
    } failing;
    g_fail = [] { RaiseRuntimeError(RTE_OVERFLOW); };
    cmdGo_Click();
    ASSERT_EQ(failing.MessageBoxes.size(), 1u);
    EXPECT_EQ(failing.MessageBoxes[0].Text, "Overflow");
    EXPECT_EQ(failing.MessageBoxes[0].Type, static_cast<UINT>(MB_ICONERROR | MB_OK));
}
