// Path, file, shell and trimming routines shared by the whole program.
#pragma once

#include <windows.h>
#include <string>
#include <string_view>

std::string SetTrailingBackslash(const std::string& path, bool add);
std::string CutAtNull(const std::string& text);
// ShellExecuteA; true when the shell's result is greater than 32.
bool ExecuteFile(HWND owner, const std::string& file, const std::string& operation, const std::string& parameters,
                 const std::string& directory, int showMode, INT_PTR* shellResult = nullptr);
std::string ExtractPath(const std::string& filePath);
// The part after the last backslash: the file's name without its folder.
std::string ExtractFileName(const std::string& filePath);
// 1-based position of the last occurrence starting at or before start (0 = from the end); 0 if none.
int FindLast(const std::string& text, const std::string& search, int start = 0);
// A directory listing finds the path (hidden and system entries too) and it is a file / a
// folder; "" is neither. Wildcards would match other entries: pass plain paths.
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// The one trim routine: the text without the leading, trailing or both characters that belong
// to the set.
enum class TrimEnds { Left, Right, Both };
std::string TrimCharacters(const std::string& text, std::string_view characters, TrimEnds ends = TrimEnds::Both);
// Blanks only, as Basic's Trim: tabs, CR and LF stay.
std::string Trim(const std::string& text, TrimEnds ends = TrimEnds::Both);
// Trimming removes blanks, CR and LF; a tab stays unless the caller counts it as white space
// too, as Lingobench does for a translation.
enum class TabIs { Kept, WhiteSpace };
std::string TrimLeftWhiteSpace(const std::string& text);
std::string TrimRightWhiteSpace(const std::string& text);
std::string TrimWhiteSpace(const std::string& text, TabIs tab = TabIs::Kept);
// The shell's folder browser; "" when the user cancels.
std::string BrowseForFolder(HWND owner, const std::string& title, int rootFolder);
// Creates every missing folder of a path that ends with "\", outermost first. A path that is
// no folder yet and lacks the closing "\" raises 75 before anything is created.
void CreateFolderPath(const std::string& path);
std::string GetWindowsDir();
// Every byte of a file; raises 75 when it cannot be opened.
std::string ReadWholeFile(const std::string& path);
// The folder of the running program, as the system reports it (no trailing backslash added).
std::string GetAppPath();
std::string GetCurrentDir();
// A window length in twips (1440 to the inch) as pixels at the screen's dots per inch.
int TwipsToPixels(int twips, int dpi);
// A length given for 96 dots per inch, at the screen's resolution.
int ScaleForDpi(int pixelsAt96, int dpi);
// Upper and lower case in the system's code page.
std::string UpperCase(std::string text);
std::string LowerCase(std::string text);
