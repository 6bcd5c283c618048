// Language-file lookups.
#include "translation/cTranslate.h"

#include "base/mError.h"
#include "base/mFunctions.h"
#include "base/mIni.h"
#include "base/mVB6.h"
#include "settings/LauncherContext.h"
#include "settings/Options.h"

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
    // One pass over the language text: whatever a parameter brings in is the user's (mostly a
    // path) and is never searched again, so a folder named "%P2%" or C:\Games\new stays as it is.
    struct Marker {
        const char* mark;
        const std::string& insert;
    };
    static const std::string lineBreak = "\r\n";
    const Marker markers[] = {{"%P1%", p1}, {"%P2%", p2}, {"\\n", lineBreak}};
    std::string result;
    result.reserve(text.size() + p1.size() + p2.size());
    for (size_t pos = 0; pos < text.size();) {
        bool replaced = false;
        for (const Marker& m : markers) {
            const size_t length = std::char_traits<char>::length(m.mark);
            if (text.compare(pos, length, m.mark) == 0) {
                result += m.insert;
                pos += length;
                replaced = true;
                break;
            }
        }
        if (!replaced) result += text[pos++];
    }
    return result;
}

namespace {
std::string LanguageText(const std::string& section, const std::string& id, const std::string& missing)
{
    if (g_textRequestObserver) g_textRequestObserver(section, id);
    const LauncherContext& context = Context();
    const std::string language = context.CurrentOptions().Language();
    std::string text = ReadFromIni(context.GetLanguageFile(language), section, id, "");
    if (TrimWhiteSpace(text).empty()) text = ReadFromIni(context.GetLanguageFile("EN"), section, id, missing);
    return text;
}
} // namespace

std::string cTranslate::TranslateEx(const std::string& section, const std::string& id, const std::string& p1,
                                    const std::string& p2) const
{
    return PassErrors("cTranslate.TranslateEx",
                      [&] { return FillInText(LanguageText(section, id, NO_TEXT_AVAILABLE), p1, p2); });
}

std::string cTranslate::TranslateWithFallback(const std::string& section, const std::string& id,
                                              const std::string& english, const std::string& p1,
                                              const std::string& p2) const
{
    return PassErrors("cTranslate.TranslateWithFallback",
                      [&] { return FillInText(LanguageText(section, id, english), p1, p2); });
}

std::string cTranslate::TranslateBool_YesNo(bool value) const
{
    return PassErrors("cTranslate.TranslateBool_YesNo", [&] {
        return TranslateEx("GLOBAL", value ? "BTN_Yes" : "BTN_No", "", "");
    });
}
