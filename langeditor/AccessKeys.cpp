// The access-key rule and the search for clashes.
#include "langeditor/AccessKeys.h"

#include <windows.h>

#include <set>
#include <utility>

#include "base/mFunctions.h"

char AccessKey(const std::string& caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        char key[2] = {caption[i + 1], '\0'};
        CharUpperBuffA(key, 1); // the code page's own case: an umlaut has one too
        return key[0];
    }
    return 0;
}

bool SameText(const TextRef& a, const TextRef& b)
{
    return lstrcmpiA(a.Section.c_str(), b.Section.c_str()) == 0 && lstrcmpiA(a.ID.c_str(), b.ID.c_str()) == 0;
}

namespace {

// A pair of texts in one order, whatever the order they were found in.
std::pair<std::string, std::string> PairName(const TextRef& a, const TextRef& b)
{
    std::string first = UpperCase(a.Section + "/" + a.ID), second = UpperCase(b.Section + "/" + b.ID);
    if (second < first) std::swap(first, second);
    return {first, second};
}

} // namespace

std::vector<KeyClash> FindKeyClashes(const std::vector<KeyScope>& scopes,
                                     const std::function<std::string(const TextRef&)>& captionOf)
{
    std::vector<KeyClash> clashes;
    std::set<std::pair<std::string, std::string>> told;
    for (const KeyScope& scope : scopes) {
        std::vector<char> keys;
        for (const TextRef& text : scope.Texts) keys.push_back(AccessKey(captionOf(text)));
        for (size_t i = 0; i < scope.Texts.size(); ++i) {
            for (size_t j = 0; j < i; ++j) {
                if (keys[i] == 0 || keys[i] != keys[j] || SameText(scope.Texts[i], scope.Texts[j])) continue;
                if (!told.insert(PairName(scope.Texts[i], scope.Texts[j])).second) continue;
                clashes.push_back({keys[i], scope.Texts[i], scope.Texts[j], scope.Name});
            }
        }
    }
    return clashes;
}

std::vector<KeyClash> ClashesOf(const std::vector<KeyScope>& scopes, const TextRef& text, const std::string& caption,
                                const std::function<std::string(const TextRef&)>& captionOf)
{
    std::vector<KeyClash> clashes;
    const char key = AccessKey(caption);
    if (key == 0) return clashes;
    std::set<std::pair<std::string, std::string>> told;
    for (const KeyScope& scope : scopes) {
        bool inScope = false;
        for (const TextRef& member : scope.Texts) inScope = inScope || SameText(member, text);
        if (!inScope) continue;
        for (const TextRef& other : scope.Texts) {
            if (SameText(other, text) || AccessKey(captionOf(other)) != key) continue;
            if (!told.insert(PairName(text, other)).second) continue;
            clashes.push_back({key, text, other, scope.Name});
        }
    }
    return clashes;
}

std::string ClashDescription(const KeyClash& clash)
{
    return std::string("The access key '") + clash.Key + "' is also the access key of " + clash.Other.Section +
           " / " + clash.Other.ID + ", and both are seen together in " + clash.Scope + ".";
}
