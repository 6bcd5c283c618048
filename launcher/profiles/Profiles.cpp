// The profile collection.
#include "profiles/Profiles.h"

#include <unordered_set>

#include "base/ScopedWin.h"
#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "base/mIni.h"
#include "base/mVB6.h"
#include "profiles/ProfileWindows.h"
#include "settings/LauncherContext.h"
#include "translation/cTranslate.h"

std::shared_ptr<Profile> Profiles::Add(const std::string& name, const std::string& key)
{
    return PassErrors("Profiles.Add", [&] {
        if (!key.empty() && Find(key) != m_items.end()) RaiseRuntimeError(RTE_DUPLICATE_KEY);
        auto profile = std::make_shared<Profile>();
        m_items.emplace_back(key, profile);
        return profile;
    });
}

std::vector<Profiles::Entry>::const_iterator Profiles::Find(const std::string& key) const
{
    const std::string lower = LowerCase(key);
    for (auto it = m_items.begin(); it != m_items.end(); ++it) {
        if (!it->first.empty() && LowerCase(it->first) == lower) return it;
    }
    return m_items.end();
}

std::shared_ptr<Profile> Profiles::Item(int index) const
{
    return PassErrors("Profiles.Item", [&] {
        if (index < 1 || index > Count()) RaiseRuntimeError(RTE_SUBSCRIPT);
        return m_items[static_cast<size_t>(index - 1)].second;
    });
}

std::shared_ptr<Profile> Profiles::Item(const std::string& key) const
{
    return PassErrors("Profiles.Item", [&] {
        auto it = Find(key);
        if (it == m_items.end()) RaiseRuntimeError(RTE_SUBSCRIPT);
        return it->second;
    });
}

void Profiles::Remove(int index)
{
    PassErrors("Profiles.Remove", [&] {
        if (index < 1 || index > Count()) RaiseRuntimeError(RTE_SUBSCRIPT);
        m_items.erase(m_items.begin() + (index - 1));
    });
}

void Profiles::Remove(const std::string& key)
{
    PassErrors("Profiles.Remove", [&] {
        auto it = Find(key);
        if (it == m_items.end()) RaiseRuntimeError(RTE_SUBSCRIPT);
        m_items.erase(it);
    });
}

void Profiles::Append(const std::shared_ptr<Profile>& profile)
{
    PassErrors("Profiles.Append", [&] {
        if (Find(profile->ProfileName()) != m_items.end()) RaiseRuntimeError(RTE_DUPLICATE_KEY);
        m_items.emplace_back(profile->ProfileName(), profile);
    });
}

void Profiles::ChangeKey(const std::string& oldKey, const std::string& newKey)
{
    PassErrors("Profiles.ChangeKey", [&] {
        const auto it = Find(oldKey);
        if (it == m_items.end()) RaiseRuntimeError(RTE_SUBSCRIPT);
        const auto other = Find(newKey);
        if (other != m_items.end() && other != it) RaiseRuntimeError(RTE_DUPLICATE_KEY);
        m_items[static_cast<size_t>(it - m_items.begin())].first = newKey;
    });
}

std::vector<std::string> Profiles::ProfileSectionNames(const std::string& fileText,
                                                       std::vector<std::string>* unclosedHeaders)
{
    std::vector<std::string> names;
    size_t pos = 0;
    while (pos < fileText.size()) {
        size_t end = fileText.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = fileText.size();
        const std::string line = TrimLeftWhiteSpace(fileText.substr(pos, end - pos));
        pos = end + 1;
        // The section name runs from "[" to the first "]", as the private-profile routines
        // see it: commas in the name and text after the bracket do not change it, and blanks
        // before the bracket do not count.
        if (line.size() < 9 || LowerCase(line.substr(0, 9)) != "[profile_") continue;
        const size_t close = line.find(']');
        if (close == std::string::npos) {
            if (unclosedHeaders) unclosedHeaders->push_back(TrimRightWhiteSpace(line));
            continue;
        }
        names.push_back(TrimRightWhiteSpace(line.substr(1, close - 1)));
    }
    return names;
}

void Profiles::LoadData()
{
    PassErrors("Profiles.LoadData", [&] {
        const std::string& path = Context().IniPath();
        if (FileExists(path)) {
            std::vector<std::string> skipped;
            std::vector<std::string> unclosed;
            // Every key in lower case once, as Find compares them: comparing each new name with
            // every earlier one through the system's case conversion grew with the square of
            // the number of profiles.
            std::unordered_set<std::string> keys;
            for (const Entry& item : m_items)
                if (!item.first.empty()) keys.insert(LowerCase(item.first));
            for (const std::string& name : ProfileSectionNames(ReadWholeFile(path), &unclosed)) {
                // The private-profile routines only ever reach the first of several sections
                // whose names differ in case: later ones are left alone.
                if (!keys.insert(LowerCase(name)).second) {
                    skipped.push_back(name);
                    continue;
                }
                auto profile = std::make_shared<Profile>(); // as Add does, its check done above
                m_items.emplace_back(name, profile);
                profile->SetProfileName(name);
                profile->LoadDataWhenNeeded();
            }
            if (!unclosed.empty()) ShowUnclosedHeaderWarning(unclosed);
            if (!skipped.empty()) ShowDuplicateWarning(skipped);
        }
        if (m_items.empty()) CreateStandardProfile();
    });
}

bool Profiles::LoadSomePending(int count)
{
    return PassErrors("Profiles.LoadSomePending", [&] {
        for (; m_firstMaybePending < m_items.size(); ++m_firstMaybePending) {
            const std::shared_ptr<Profile> profile = m_items[m_firstMaybePending].second; // kept if a warning's wait removes it
            if (!profile->IsLoadPending()) continue;
            if (count-- == 0) return true;
            profile->LoadIfPending();
        }
        return false;
    });
}

void Profiles::ShowDuplicateWarning(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "[" : ", [") + name + "]";
    ShowSettingsWarning("The configuration file contains more than one section for the same profile: " + list + ".",
                        "Only the first section of each profile is used; these sections are ignored.");
}

void Profiles::ShowUnclosedHeaderWarning(const std::vector<std::string>& lines)
{
    std::string list;
    for (const std::string& line : lines) list += (list.empty() ? "" : ", ") + line;
    ShowSettingsWarning("The configuration file contains a profile header without a closing \"]\": " + list + ".",
                        "Such a profile cannot be read; add the \"]\" to the line to use it again.");
}

void Profiles::CreateStandardProfile()
{
    PassErrors("Profiles.CreateStandardProfile", [&] {
        auto profile = Add("PROFILE_DEFAULT", "PROFILE_DEFAULT");
        profile->SetProfileName("PROFILE_DEFAULT");
        profile->SetProfileDescription(g_cTranslate->TranslateEx("GLOBAL", "STANDARD_PROFILE_DESC", "", ""));
    });
}

std::shared_ptr<Profile> Profiles::ShowLoadProfileDialog(HWND owner)
{
    return PassErrors("Profiles.ShowLoadProfileDialog", [&] {
        return ProfileWindowsInForce().ShowLoadProfileDialog(owner ? owner : GetActiveWindow());
    });
}

std::shared_ptr<Profile> Profiles::ShowAddNewDialog(HWND owner)
{
    return PassErrors("Profiles.ShowAddNewDialog", [&]() -> std::shared_ptr<Profile> {
        if (!owner) owner = GetActiveWindow();
        auto profile = std::make_shared<Profile>();
        if (!ProfileWindowsInForce().ShowNewProfileDialog(owner, *profile)) return nullptr;
        profile->SetDataChanged(true);
        if (DoesProfileExist(profile->ProfileName())) {
            Sys().MsgBox(owner,
                         g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_ProfileNameNotUnique",
                                                   profile->ProfileCaption(), ""),
                         MB_OK);
            return nullptr;
        }
        m_items.emplace_back(profile->ProfileName(), profile);
        return profile;
    });
}

bool Profiles::DoesProfileExist(const std::string& name) const
{
    const std::string lower = LowerCase(name);
    for (const auto& entry : m_items) {
        if (LowerCase(entry.second->ProfileName()) == lower) return true;
    }
    return false;
}

void Profiles::SaveData(const std::string& names)
{
    PassErrors("Profiles.SaveData", [&] {
        if (names.empty()) return;
        for (const std::string& name : SplitText(names, ";", -1)) Item(name)->SaveData();
    });
}

void Profiles::SaveWhichProfileIsActive(const Profile* active) const
{
    PassErrors("Profiles.SaveWhichProfileIsActive", [&] {
        if (!active) RaiseRuntimeError(RTE_OBJECT_NOT_SET);
        m_ini.Write_ActiveProfileName(active->ProfileName());
    });
}

bool Profiles::DataChanged() const
{
    for (const auto& entry : m_items) {
        if (entry.second->DataChanged()) return true;
    }
    return false;
}

Profiles::ChangedProfiles Profiles::Changed() const
{
    ChangedProfiles changed;
    for (const auto& entry : m_items) {
        if (!entry.second->DataChanged()) continue;
        (entry.second->VekoraPath().empty() ? changed.WithoutGamePath : changed.Savable).push_back(entry.second);
    }
    return changed;
}

std::string Profiles::ReadFromIni_ActiveProfileName() const
{
    return PassErrors("Profiles.ReadFromIni_ActiveProfileName", [&] { return m_ini.Read_ActiveProfileName(); });
}
