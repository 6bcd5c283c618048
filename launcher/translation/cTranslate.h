// The translation engine: texts of the chosen language with English as the fallback.
#pragma once

#include <functional>
#include <memory>
#include <string>

class cTranslate {
public:
    // The text for the current language with %P1%, %P2% and backslash-n filled in. A text
    // that the chosen language lacks or leaves blank comes from English; one that English
    // lacks too shows NO_TEXT_AVAILABLE.
    std::string TranslateEx(const std::string& section, const std::string& id, const std::string& p1 = "",
                            const std::string& p2 = "") const;
    // The same for a text younger than some language files: where neither the chosen language
    // nor English has it, the English text given stands instead.
    std::string TranslateWithFallback(const std::string& section, const std::string& id, const std::string& english,
                                      const std::string& p1 = "", const std::string& p2 = "") const;
    // The GLOBAL text of BTN_Yes or BTN_No.
    std::string TranslateBool_YesNo(bool value) const;
};

// Fills a language text in: each backslash-n of the text becomes CR LF, then every %P1% is
// replaced by p1 and then every %P2% by p2 (so a %P2% inside p1 is filled in as well). The
// parameters are inserted as they are; their backslashes stay backslashes.
std::string FillInText(const std::string& text, const std::string& p1, const std::string& p2);

// Called with the section and ID of every text TranslateEx is asked for (nothing by default);
// the tests hold every request against the table of texts the language files must carry.
using TextRequestObserver = std::function<void(const std::string& section, const std::string& id)>;
// Installs the observer (an empty one removes it); returns the previous one.
TextRequestObserver SetTextRequestObserver(TextRequestObserver observer);

// Marker shown for a text that neither the chosen language nor English has.
inline constexpr const char* NO_TEXT_AVAILABLE = "<NO TEXT AVAILABLE>";

// The one translation engine, from start-up to shutdown.
extern std::unique_ptr<cTranslate> g_cTranslate;
