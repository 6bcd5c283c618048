// Update-file address and line rules.
#include "web/UpdateCheck.h"

#include <cstdlib>
#include <vector>

#include "base/mFunctions.h"
#include "base/mVB6.h"
#include "core/AppConstants.h"

namespace {

constexpr const char* UPDATE_FOLDER = "/down/veko_launch/updates/";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A host name or address with an optional port: nothing that could add a path or a user.
bool IsHostWithPort(const std::string& text)
{
    const size_t colon = text.find(':');
    const std::string host = text.substr(0, colon);
    if (host.empty()) return false;
    for (char c : host)
        if (!IsDigit(c) && !(c >= 'a' && c <= 'z') && !(c >= 'A' && c <= 'Z') && c != '.' && c != '-') return false;
    if (colon == std::string::npos) return true;
    const std::string port = text.substr(colon + 1);
    if (port.empty() || port.size() > 5) return false;
    for (char c : port)
        if (!IsDigit(c)) return false;
    return true;
}

} // namespace

std::string UpdateHost()
{
    const char* mirror = std::getenv("VEKOLAUNCH_UPDATE_HOST");
    if (mirror && IsHostWithPort(mirror)) return mirror;
    return VEKOLAUNCH_WEB_HOST;
}

std::string UpdateFileName(const ProgramVersion& version)
{
    return "update-" + std::to_string(version.Major) + "-" + std::to_string(version.Minor) + "-" +
           std::to_string(version.Revision) + ".txt";
}

std::string UpdateFileAddress(const std::string& host, const ProgramVersion& version)
{
    return "http://" + host + UPDATE_FOLDER + UpdateFileName(version);
}

std::string UpdatePageAddress(const std::string& host, const std::string& path)
{
    if (path.empty() || path[0] != '/' || path.find("//") != std::string::npos) return "";
    for (char c : path) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u <= ' ' || u == 0x7F || c == '@' || c == '\\') return "";
    }
    return "http://" + host + path;
}

UpdateAnswer ReadUpdateAnswer(const std::string& text, const std::string& host)
{
    UpdateAnswer answer;
    if (text.empty()) return answer;
    const std::vector<std::string> lines = SplitText(text, "\n");
    // Only blanks count around "true": a CR left by CR LF line ends spoils it on purpose.
    const std::string first = lines.empty() ? "" : LowerCase(lines[0]);
    answer.UpdateFound = Trim(first) == "true";
    // A file of one line has an empty second line: no page, but no failure either.
    if (lines.size() > 1) answer.PageAddress = UpdatePageAddress(host, TrimWhiteSpace(lines[1]));
    for (size_t i = 2; i < lines.size(); ++i) answer.Description += TrimWhiteSpace(lines[i]) + "\r\n";
    return answer;
}
