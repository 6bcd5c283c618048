// Checking a window's texts against a language file through the window's own text table.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "translation/TextBinding.h"

// Fails the test for every bound control whose shown text is not the language file's text
// (read from the file itself, line breaks filled in). shownText reads a control's text.
void ExpectBoundTexts(std::span<const TextBinding> bindings, const std::string& languageFile,
                      const std::function<std::string(int controlId)>& shownText);
