// Profile duplicates, renames and deletes.
#include "core/ProfileChanges.h"

#include "base/IniSections.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "base/mIni.h"
#include "core/Application.h"
#include "profiles/Profile.h"
#include "profiles/Profiles.h"

namespace {
constexpr const char* ACTIVE_SECTION = "PROFILES";
constexpr const char* ACTIVE_KEY = "LASTACTIVEPROFILE";

bool FileNamesAsActive(const std::string& file, const std::string& name)
{
    return LowerCase(ReadFromIni(file, ACTIVE_SECTION, ACTIVE_KEY, "")) == LowerCase(name);
}
} // namespace

void AddDuplicateProfile(Profiles& profiles, const std::shared_ptr<Profile>& copy)
{
    PassErrors("ProfileChanges.AddDuplicateProfile", [&] {
        copy->SetDataChanged(true); // nothing of it is in the file yet
        profiles.Append(copy);
        g_cApp->SetActiveProfile(copy);
    });
}

void RenameProfile(Profiles& profiles, Profile& profile, const std::string& newName)
{
    PassErrors("ProfileChanges.RenameProfile", [&] {
        const std::string oldName = profile.ProfileName();
        if (profiles.Item(oldName).get() != &profile) RaiseRuntimeError(RTE_SUBSCRIPT);
        if (profiles.DoesProfileExist(newName)) RaiseRuntimeError(RTE_DUPLICATE_KEY);
        const std::string& file = g_cApp->IniPath();
        if (FileExists(file) && HasIniSection(file, oldName)) {
            g_cApp->KeepCopyOfDamagedSettingsFile();
            // The stored entries as they stand, unknown keys included, not the unsaved values.
            WriteIniSection(file, newName, ReadIniSection(file, oldName));
            if (FileNamesAsActive(file, oldName)) WriteToIni(file, ACTIVE_SECTION, ACTIVE_KEY, newName);
            DeleteIniSection(file, oldName);
        }
        profiles.ChangeKey(oldName, newName);
        profile.SetProfileName(newName);
    });
}

std::shared_ptr<Profile> DeleteProfile(Profiles& profiles, const std::string& key)
{
    return PassErrors("ProfileChanges.DeleteProfile", [&] {
        const std::shared_ptr<Profile> doomed = profiles.Item(key);
        std::shared_ptr<Profile> next;
        for (const std::shared_ptr<Profile>& profile : profiles) {
            if (profile != doomed) {
                next = profile;
                break;
            }
        }
        if (!next) RaiseRuntimeError(RTE_SUBSCRIPT);
        const std::string name = doomed->ProfileName();
        const std::string& file = g_cApp->IniPath();
        if (FileExists(file)) {
            g_cApp->KeepCopyOfDamagedSettingsFile();
            if (FileNamesAsActive(file, name)) WriteToIni(file, ACTIVE_SECTION, ACTIVE_KEY, next->ProfileName());
            // Sections that repeat the name were ignored while this one was there; left behind,
            // the deleted profile would come back with one of them.
            for (const std::string& section : IniSectionNames(file))
                if (LowerCase(section) == LowerCase(name)) DeleteIniSection(file, name);
        }
        profiles.Remove(key);
        return next;
    });
}
