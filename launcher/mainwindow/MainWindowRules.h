// The main window's value rules without the window: what its controls hold, how that input is
// corrected and checked, and the command line the window builds from it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/mVB6.h"

// The input of the main window's profile controls, as the window reads them.
struct MainWindowInput {
    std::string VekoraPath;             // txtVekoraPath
    bool LogMessages = false;           // ckLogMessages ticked
    bool Freeplay = false;              // ckFreeplay ticked
    bool UsePreDefinedResolution = true; // opResolution(0) selected
    int ResolutionIndex = -1;           // list index of lstResolution, -1 for none
    std::string Width;                  // txtRes_Width
    std::string Height;                 // txtRes_Height
    std::string Scenario;               // txtScenario
    std::string GraphicPak;             // txtGraphicPack
    int RefreshIndex = -1;              // list index of lstRefresh, -1 for none
};

// Lower limits of a user-defined resolution.
constexpr int MIN_USER_WIDTH = 640;
constexpr int MIN_USER_HEIGHT = 400;
// Both lists hold exactly this many entries.
constexpr int MAIN_LIST_ENTRIES = 5;

bool IsNumericText(const std::string& text);
// A numeric text that the profile can store as it is: a whole number in the 16-bit range.
bool IsStorableResolutionText(const std::string& text);

// The game folder of an executable path: its folder part with a trailing backslash; "" stays "".
std::string GameFolderOf(const std::string& vekoraPath);

// The window's own command line (not trimmed); the profile's builder gives the same text,
// trimmed, for the same values.
std::string BuildCmdLineParameters(const MainWindowInput& input);

// What CorrectInput changed: the texts are raised to the lower limits in place.
struct InputCorrection {
    bool HeightRaised = false;
    bool WidthRaised = false;
};
InputCorrection CorrectResolutionTexts(std::string& width, std::string& height);

// The first failed input check: the message ID of ERROR_MESSAGES and its %P1%.
struct InputProblem {
    std::string MessageId;
    std::string P1;
};
// A profile may be left without a game path (the game cannot start, so starting checks it);
// it cannot be started or saved that way.
enum class GamePathRule { Required, MayBeMissing };
std::optional<InputProblem> FindInputProblem(const MainWindowInput& input,
                                             GamePathRule gamePath = GamePathRule::Required);

// A path as a command prompt or a program that splits its arguments at blanks takes it.
std::string QuotedWhenBlank(const std::string& path);
// The game's path and its parameters as one line to paste into a command prompt.
std::string CopyableCommandLine(const std::string& vekoraPath, const std::string& parameters);

// The key filter of the width and height fields: digits and Backspace pass.
bool KeepResolutionKey(int keyAscii);

// The screen a predefined resolution stands for, as the preview draws it.
struct PreviewScreen {
    int16_t Width;
    int16_t Height;
    bool Windowed;
};
std::optional<PreviewScreen> PreviewScreenForIndex(int listIndex);

// List index that shows a stored list value (1 to 5). A predefined resolution the list cannot
// show falls back to the first entry; a refresh value it cannot show leaves no selection, which
// writes back 0 (no refresh parameter).
int ResolutionIndexForValue(int value);
int RefreshIndexForValue(int value);
