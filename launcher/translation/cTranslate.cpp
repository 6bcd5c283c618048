// Language-file lookups.
#include "translation/cTranslate.h"

#include "core/Application.h"
#include "core/mError.h"
#include "core/mFunctions.h"
#include "core/mIni.h"
#include "core/mVB6.h"

std::unique_ptr<cTranslate> g_cTranslate;

namespace {
TextRequestObserver g_textRequestObserver;
} // namespace

TextRequestObserver SetTextRequestObserver(TextRequestObserver observer)
{
    TextRequestObserver previous = std::move(g_textRequestObserver);
    g_textRequestObserver = std::move(observer);
    return previous;
}

std::string FillInText(const std::string& text, const std::string& p1, const std::string& p2)
{
    // Line breaks are taken from the language text only: parameters are mostly paths, and a
    // folder such as C:\Games\new must not be shown broken across two lines.
    std::string result = ReplaceText(text, "\\n", "\r\n");
    result = ReplaceText(result, "%P1%", p1);
    return ReplaceText(result, "%P2%", p2);
}

std::string cTranslate::TranslateEx(const std::string& section, const std::string& id, const std::string& p1,
                                    const std::string& p2) const
{
    try {
        if (g_textRequestObserver) g_textRequestObserver(section, id);
        if (!g_cApp) RaiseRuntimeError(RTE_OBJECT_NOT_SET);
        const std::string language = g_cApp->Options().Language();
        std::string text = ReadFromIni(g_cApp->GetLanguageFile(language), section, id, "");
        if (TrimWhiteSpace(text).empty()) {
            text = ReadFromIni(g_cApp->GetLanguageFile("EN"), section, id, NO_TEXT_AVAILABLE);
        }
        return FillInText(text, p1, p2);
    } catch (...) {
        PassError("cTranslate.TranslateEx");
    }
}

std::string cTranslate::TranslateBool_YesNo(bool value) const
{
    try {
        return TranslateEx("GLOBAL", value ? "BTN_Yes" : "BTN_No", "", "");
    } catch (...) {
        PassError("cTranslate.TranslateBool_YesNo");
    }
}
