// Language-file lookups.
#include "translation/cTranslate.h"

#include "core/Application.h"
#include "core/mError.h"
#include "core/mFunctions.h"
#include "core/mIni.h"
#include "core/mVB6.h"

std::unique_ptr<cTranslate> g_cTranslate;

std::string cTranslate::TranslateEx(const std::string& section, const std::string& id, const std::string& p1,
                                    const std::string& p2) const
{
    try {
        const std::string language = g_cApp->Options().Language();
        std::string text = ReadFromIni(g_cApp->GetLanguageFile(language), section, id, "");
        if (TrimWhiteSpace(text).empty()) {
            text = ReadFromIni(g_cApp->GetLanguageFile("EN"), section, id, NO_TEXT_AVAILABLE);
        }
        text = ReplaceText(text, "%P1%", p1);
        text = ReplaceText(text, "%P2%", p2);
        return ReplaceText(text, "\\n", "\r\n");
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
