// Access keys of the launcher's captions and the keyboard scopes in which they must differ.
#pragma once

#include <functional>
#include <string>
#include <vector>

// The access key a caption marks: the character after its first single "&", in upper case so
// that keys compare without regard to case; 0 when it marks none ("&&" shows one "&").
char AccessKey(const std::string& caption);

struct TextRef {
    std::string Section;
    std::string ID;
};
bool SameText(const TextRef& a, const TextRef& b);

// Texts that a user sees at the same time, so that an access key may mark only one of them:
// a menu bar, a menu, a page of a tabbed window with the controls around the pages, a dialog.
struct KeyScope {
    std::string Name; // where the texts are seen together, as a sentence can name it
    std::vector<TextRef> Texts;
};
// The launcher's scopes, taken from its windows and menus.
const std::vector<KeyScope>& LauncherKeyScopes();

struct KeyClash {
    char Key;
    TextRef Text;  // the text the clash is told about
    TextRef Other; // the earlier text of the scope with the same key
    std::string Scope;
};
// Every pair of texts of one scope that mark the same key, each pair once, however many scopes
// hold it. captionOf gives a text's caption as the launcher would show it.
std::vector<KeyClash> FindKeyClashes(const std::vector<KeyScope>& scopes,
                                     const std::function<std::string(const TextRef&)>& captionOf);
// The clashes of one text with the caption it is about to get.
std::vector<KeyClash> ClashesOf(const std::vector<KeyScope>& scopes, const TextRef& text, const std::string& caption,
                                const std::function<std::string(const TextRef&)>& captionOf);
// The sentence that tells of a clash.
std::string ClashDescription(const KeyClash& clash);
