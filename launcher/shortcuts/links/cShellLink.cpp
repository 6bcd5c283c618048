// The shell link object behind the wizard's shortcuts.
#include "shortcuts/links/cShellLink.h"

#include <windows.h>
#include <shlobj.h>

#include "base/ScopedWin.h"
#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "translation/cTranslate.h"

namespace {
std::string SystemMessage(HRESULT result)
{
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<char*>(&buffer), 0,
                                        nullptr);
    std::string text = length && buffer ? std::string(buffer, length) : "";
    if (buffer) LocalFree(buffer);
    text = TrimWhiteSpace(text);
    if (text.empty()) {
        char code[16];
        wsprintfA(code, "0x%08lX", static_cast<unsigned long>(result));
        text = code;
    }
    return text;
}

std::wstring WideText(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? length : 1, L'\0');
    if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return wide;
}
} // namespace

bool cShellLink::CreateShellLink(const std::string& LnkFile, const std::string& ExeFile, const std::string& WorkDir,
                                 const std::string& ExeArgs, const std::string& IconFile, int IconIdx, int ShowCmd)
{
    m_failureText.clear();
    try {
        if (LnkFile.empty() || ExeFile.empty()) return false;
        if (FileExists(LnkFile)) {
            const std::string question =
                g_cTranslate->TranslateEx("CREATE_SHORTCUT_DIALOG_NEW", "MSG_SHORTCUT_EXISTS", LnkFile, "");
            if (Sys().MsgBox(nullptr, question, MB_YESNO | MB_ICONQUESTION) != IDYES) return false;
        }
        return WriteLink(LnkFile, ExeFile, WorkDir, ExeArgs, IconFile, IconIdx, ShowCmd);
    } catch (...) {
        m_failureText = CurrentError().Description;
        return false;
    }
}

bool cShellLink::WriteLink(const std::string& LnkFile, const std::string& ExeFile, const std::string& WorkDir,
                           const std::string& ExeArgs, const std::string& IconFile, int IconIdx, int ShowCmd)
{
    ScopedComPtr<IShellLinkA> link;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(&link));
    if (FAILED(result)) {
        Fail(LnkFile, result);
        return false;
    }
    ScopedComPtr<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (FAILED(result)) {
        Fail(LnkFile, result);
        return false;
    }

    // The setters only fill the object in memory; what counts is whether the file was saved.
    link->SetPath(ExeFile.c_str());
    if (!WorkDir.empty()) link->SetWorkingDirectory(WorkDir.c_str());
    if (!ExeArgs.empty()) link->SetArguments(ExeArgs.c_str());
    if (!IconFile.empty()) link->SetIconLocation(IconFile.c_str(), IconIdx);
    link->SetDescription(SHELL_LINK_DESCRIPTION);
    link->SetShowCmd(ShowCmd);
    link->Resolve(nullptr, SLR_UPDATE);
    result = file->Save(WideText(LnkFile).c_str(), FALSE);
    if (FAILED(result)) {
        Fail(LnkFile, result);
        return false;
    }
    return true;
}

void cShellLink::Fail(const std::string& LnkFile, HRESULT result)
{
    m_failureText =
        g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_ShortcutNotWritten", LnkFile, SystemMessage(result));
}
