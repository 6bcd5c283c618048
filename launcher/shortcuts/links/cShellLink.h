// cShellLink: writes one shell link file through the shell's own link object.
#pragma once

#include <windows.h>
#include <string>

class cShellLink {
public:
    // True when the link file has been written. False when nothing was written: a link path or
    // target left empty, the user keeping an existing link, or the shell failing to write it
    // (FailureText then says why).
    bool CreateShellLink(const std::string& LnkFile, const std::string& ExeFile, const std::string& WorkDir,
                         const std::string& ExeArgs, const std::string& IconFile, int IconIdx, int ShowCmd);
    // Why the last call wrote nothing; "" when there is nothing to tell the user.
    const std::string& FailureText() const { return m_failureText; }

private:
    bool WriteLink(const std::string& LnkFile, const std::string& ExeFile, const std::string& WorkDir,
                   const std::string& ExeArgs, const std::string& IconFile, int IconIdx, int ShowCmd);
    void Fail(const std::string& LnkFile, HRESULT result);

    std::string m_failureText;
};

// Every link the launcher writes carries this comment.
inline constexpr const char* SHELL_LINK_DESCRIPTION = "ShellLink Sample";
