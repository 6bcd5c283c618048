// A window's texts as one table: which control shows which language-file text. The window's
// TranslateDialog applies its table; the tests read the same table to check what the window shows.
#pragma once

#include <span>
#include <string>

#include "translation/cTranslate.h"

struct TextBinding {
    int ControlId;
    const char* Section;
    const char* TextId;
    // For a text younger than some language files: what stands where no file has it.
    const char* English = nullptr;
};

// The binding's text in the current language.
inline std::string BoundText(const TextBinding& binding)
{
    return binding.English ? g_cTranslate->TranslateWithFallback(binding.Section, binding.TextId, binding.English)
                           : g_cTranslate->TranslateEx(binding.Section, binding.TextId);
}

// Gives every bound control its text in the current language through setText(controlId, text),
// so that a window whose controls sit on child pages or in a menu can route them itself.
template <typename SetText>
void ApplyTextBindings(std::span<const TextBinding> bindings, SetText&& setText)
{
    for (const TextBinding& binding : bindings) {
        setText(binding.ControlId, BoundText(binding));
    }
}
