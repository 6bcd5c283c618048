// The main window's value rules: numbers, corrections, checks and its command line.
#include "mainwindow/MainWindowRules.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/mFunctions.h"
#include "base/mVB6.h"

namespace {

// A number in decimal without leading blank; -0 is written as 0.
std::string NumberText(double wholeNumber)
{
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), "%.0f", wholeNumber);
    std::string text = buffer;
    return text == "-0" ? "0" : text;
}

constexpr PreviewScreen PREDEFINED_SCREENS[MAIN_LIST_ENTRIES] = {
    {640, 480, false}, {800, 600, false}, {1024, 768, false}, {1280, 1024, false}, {0, 0, true},
};
} // namespace

bool IsNumericText(const std::string& text)
{
    return NumericValue(text).has_value();
}

bool IsStorableResolutionText(const std::string& text)
{
    const std::optional<double> value = NumericValue(text);
    if (!value) return false;
    // A fractional part would be rounded by the profile but cut by the window's command line;
    // a value beyond 16 bits cannot be stored at all.
    if (std::floor(*value) != *value) return false;
    return *value >= -32768.0 && *value <= 32767.0;
}

std::string GameFolderOf(const std::string& vekoraPath)
{
    const std::string folder = ExtractPath(vekoraPath);
    return folder.empty() ? "" : SetTrailingBackslash(folder, true);
}

std::string BuildCmdLineParameters(const MainWindowInput& input)
{
    std::string s;
    if (input.LogMessages) s += " -log ";
    if (input.UsePreDefinedResolution) {
        if (input.ResolutionIndex >= 0) s += "-res " + std::to_string(input.ResolutionIndex + 1) + " ";
    } else {
        const std::optional<double> width = NumericValue(input.Width);
        const std::optional<double> height = NumericValue(input.Height);
        if (width && height) {
            s += "-screensize " + NumberText(std::floor(*width)) + "x" + NumberText(std::floor(*height)) + " ";
        }
    }
    if (input.Freeplay) s += "-freeplay ";
    if (input.RefreshIndex >= 0) s += "-refresh " + std::to_string(input.RefreshIndex + 1) + " ";
    if (!input.Scenario.empty()) s += "-scenario " + input.Scenario + " ";
    if (!input.GraphicPak.empty()) s += "-graphicpack " + input.GraphicPak;
    return s;
}

InputCorrection CorrectResolutionTexts(std::string& width, std::string& height)
{
    InputCorrection result;
    const std::optional<double> h = NumericValue(height);
    if (h && std::floor(*h) < MIN_USER_HEIGHT) {
        height = std::to_string(MIN_USER_HEIGHT);
        result.HeightRaised = true;
    }
    const std::optional<double> w = NumericValue(width);
    if (w && std::floor(*w) < MIN_USER_WIDTH) {
        width = std::to_string(MIN_USER_WIDTH);
        result.WidthRaised = true;
    }
    return result;
}

std::optional<InputProblem> FindInputProblem(const MainWindowInput& input, GamePathRule gamePath)
{
    const std::string folder = GameFolderOf(input.VekoraPath);
    // Without a game path there is no folder to name, and scenario and pak have nothing to lie in.
    if (folder.empty()) {
        if (gamePath == GamePathRule::Required) return InputProblem{"ERR_VekoraFolderNotDefined", ""};
    } else {
        if (!input.Scenario.empty() && !FolderExists(folder + input.Scenario)) {
            return InputProblem{"ERR_PathNotFound", folder + input.Scenario};
        }
        if (!input.GraphicPak.empty() && !FileExists(folder + input.GraphicPak)) {
            return InputProblem{"ERR_PathNotFound", folder + input.GraphicPak};
        }
        if (!FolderExists(folder)) return InputProblem{"ERR_FileNotFound", folder};
    }
    if (!IsStorableResolutionText(input.Height)) return InputProblem{"ERR_InvalidUserDefinedResolution", ""};
    if (!IsStorableResolutionText(input.Width)) return InputProblem{"ERR_InvalidUserDefinedResolution", ""};
    return std::nullopt;
}

std::string QuotedWhenBlank(const std::string& path)
{
    return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

std::string CopyableCommandLine(const std::string& vekoraPath, const std::string& parameters)
{
    return TrimWhiteSpace(QuotedWhenBlank(TrimWhiteSpace(vekoraPath)) + " " + TrimLeftWhiteSpace(parameters));
}

bool KeepResolutionKey(int keyAscii)
{
    return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == 8;
}

std::optional<PreviewScreen> PreviewScreenForIndex(int listIndex)
{
    if (listIndex < 0 || listIndex >= MAIN_LIST_ENTRIES) return std::nullopt;
    return PREDEFINED_SCREENS[listIndex];
}

int ResolutionIndexForValue(int value)
{
    return value >= 1 && value <= MAIN_LIST_ENTRIES ? value - 1 : 0;
}

int RefreshIndexForValue(int value)
{
    return value >= 1 && value <= MAIN_LIST_ENTRIES ? value - 1 : -1;
}
