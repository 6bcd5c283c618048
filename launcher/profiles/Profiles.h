// The ordered collection of launch profiles, keyed by ProfileName without regard to case.
#pragma once

#include <windows.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "settings/cIni.h"
#include "profiles/Profile.h"

class Profiles {
public:
    using Entry = std::pair<std::string, std::shared_ptr<Profile>>; // key ("" for none), profile

    // Creates a profile with the defaults of a new one and appends it under the key.
    std::shared_ptr<Profile> Add(const std::string& name, const std::string& key);
    // By 1-based position or by key; a missing one raises "Subscript out of range" (9).
    std::shared_ptr<Profile> Item(int index) const;
    std::shared_ptr<Profile> Item(const std::string& key) const;
    int Count() const { return static_cast<int>(m_items.size()); }
    void Remove(int index);
    void Remove(const std::string& key);
    // Appends a profile made elsewhere under its ProfileName; a taken one raises "This key is
    // already associated with an element of this collection" (457).
    void Append(const std::shared_ptr<Profile>& profile);
    // The profile under the old key is kept, in its place, under the new one.
    void ChangeKey(const std::string& oldKey, const std::string& newKey);

    // Enumeration in collection order.
    class Iterator {
    public:
        explicit Iterator(std::vector<Entry>::const_iterator it) : m_it(it) {}
        const std::shared_ptr<Profile>& operator*() const { return m_it->second; }
        Iterator& operator++() { ++m_it; return *this; }
        bool operator!=(const Iterator& other) const { return m_it != other.m_it; }

    private:
        std::vector<Entry>::const_iterator m_it;
    };
    Iterator begin() const { return Iterator(m_items.begin()); }
    Iterator end() const { return Iterator(m_items.end()); }

    // Names every profile of the settings file; each one's section is read when its data is
    // first asked for, or by LoadSomePending.
    void LoadData();
    // Reads the sections of up to count profiles not read yet, in order; whether any remain.
    bool LoadSomePending(int count);
    // The profile the user picks, or nothing when the user cancels. A null owner means the
    // active window.
    std::shared_ptr<Profile> ShowLoadProfileDialog(HWND owner = nullptr);
    // A new profile from the user, added to the collection; nothing when cancelled or taken.
    std::shared_ptr<Profile> ShowAddNewDialog(HWND owner = nullptr);
    bool DoesProfileExist(const std::string& name) const;
    void SaveData(const std::string& names);
    // LASTACTIVEPROFILE; without an active profile "Object variable ... not set" (91).
    void SaveWhichProfileIsActive(const Profile* active) const;
    bool DataChanged() const;
    // The changed profiles in collection order: those that can be saved, and those without a
    // game path, which may be left so but not saved (nor started).
    struct ChangedProfiles {
        std::vector<std::shared_ptr<Profile>> Savable;
        std::vector<std::shared_ptr<Profile>> WithoutGamePath;
    };
    ChangedProfiles Changed() const;
    std::string ReadFromIni_ActiveProfileName() const;

    // Section names of the profile headers of a settings file's text, in file order, as
    // written there (duplicates included). Profile header lines without a closing bracket
    // name no section; they are collected in unclosedHeaders when it is given.
    static std::vector<std::string> ProfileSectionNames(const std::string& fileText,
                                                        std::vector<std::string>* unclosedHeaders = nullptr);

private:
    void CreateStandardProfile();
    static void ShowDuplicateWarning(const std::vector<std::string>& names);
    static void ShowUnclosedHeaderWarning(const std::vector<std::string>& lines);
    std::vector<Entry>::const_iterator Find(const std::string& key) const;

    std::vector<Entry> m_items;
    size_t m_firstMaybePending = 0; // where LoadSomePending goes on
    cIni_Profiles m_ini;
};
