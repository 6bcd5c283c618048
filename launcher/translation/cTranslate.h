// The translation engine: texts of the chosen language with English as the fallback.
#pragma once

#include <memory>
#include <string>

class cTranslate {
public:
    // The text for the current language with %P1%, %P2% and backslash-n filled in.
    std::string TranslateEx(const std::string& section, const std::string& id, const std::string& p1 = "",
                            const std::string& p2 = "") const;
    std::string TranslateBool_YesNo(bool value) const;
};

// Marker shown for a text that neither the chosen language nor English has.
inline constexpr const char* NO_TEXT_AVAILABLE = "<NO TEXT AVAILABLE>";

// The one translation engine, from start-up to shutdown.
extern std::unique_ptr<cTranslate> g_cTranslate;
