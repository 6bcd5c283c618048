// The profile collection.
#include "profiles/Profiles.h"

#include "core/Application.h"
#include "core/mError.h"
#include "core/mFunctions.h"
#include "core/mVB6.h"
#include "translation/cTranslate.h"

std::shared_ptr<Profile> Profiles::Add(const std::string& name, const std::string& key)
{
    if (!key.empty() && Find(key) != m_items.end()) RaiseRuntimeError(RTE_DUPLICATE_KEY);
    auto profile = std::make_shared<Profile>();
    m_items.emplace_back(key, profile);
    return profile;
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
    if (index < 1 || index > Count()) RaiseRuntimeError(RTE_SUBSCRIPT);
    return m_items[static_cast<size_t>(index - 1)].second;
}

std::shared_ptr<Profile> Profiles::Item(const std::string& key) const
{
    auto it = Find(key);
    if (it == m_items.end()) RaiseRuntimeError(RTE_SUBSCRIPT);
    return it->second;
}

void Profiles::Remove(int index)
{
    if (index < 1 || index > Count()) RaiseRuntimeError(RTE_SUBSCRIPT);
    m_items.erase(m_items.begin() + (index - 1));
}

void Profiles::Remove(const std::string& key)
{
    auto it = Find(key);
    if (it == m_items.end()) RaiseRuntimeError(RTE_SUBSCRIPT);
    m_items.erase(it);
}

void Profiles::LoadData()
{
    try {
        // Discovery of the profile sections in the settings file follows with the profile dialogs.
        if (m_items.empty()) CreateStandardProfile();
    } catch (...) {
        PassError("Profiles.LoadData");
    }
}

void Profiles::CreateStandardProfile()
{
    try {
        auto profile = Add("PROFILE_DEFAULT", "PROFILE_DEFAULT");
        profile->SetProfileName("PROFILE_DEFAULT");
        profile->SetProfileDescription(g_cTranslate->TranslateEx("GLOBAL", "STANDARD_PROFILE_DESC", "", ""));
    } catch (...) {
        PassError("Profiles.CreateStandardProfile");
    }
}

std::shared_ptr<Profile> Profiles::ShowLoadProfileDialog()
{
    return nullptr;
}

std::shared_ptr<Profile> Profiles::ShowAddNewDialog()
{
    return nullptr;
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
    try {
        if (names.empty()) return;
        for (const std::string& name : SplitText(names, ";", -1)) Item(name)->SaveData();
    } catch (...) {
        PassError("Profiles.SaveData");
    }
}

void Profiles::SaveWhichProfileIsActive() const
{
    try {
        m_ini.Write_ActiveProfileName(g_cApp->ActiveProfile()->ProfileName());
    } catch (...) {
        PassError("Profiles.SaveWhichProfileIsActive");
    }
}

bool Profiles::DataChanged() const
{
    for (const auto& entry : m_items) {
        if (entry.second->DataChanged()) return true;
    }
    return false;
}

std::string Profiles::ReadFromIni_ActiveProfileName() const
{
    try {
        return m_ini.Read_ActiveProfileName();
    } catch (...) {
        PassError("Profiles.ReadFromIni_ActiveProfileName");
    }
}
