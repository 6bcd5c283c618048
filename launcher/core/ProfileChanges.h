// Duplicating, renaming and deleting profiles: in the collection, and for a rename or delete at
// once in the settings file, so that the file never holds half of one.
#pragma once

#include <memory>
#include <string>

class Profile;
class Profiles;

// Appends the copy (named by the caller) as a new, unsaved profile and makes it the active one.
void AddDuplicateProfile(Profiles& profiles, const std::shared_ptr<Profile>& copy);
// Gives the profile the new section name. In the settings file its section is written complete
// under the new name, LASTACTIVEPROFILE follows it, and only then the old section goes; the
// profile's unsaved values stay unsaved, in memory.
void RenameProfile(Profiles& profiles, Profile& profile, const std::string& newName);
// Removes the profile from the collection and its section from the settings file; the first
// remaining profile is returned (and named by LASTACTIVEPROFILE where the file named this one).
// The last profile cannot be deleted.
std::shared_ptr<Profile> DeleteProfile(Profiles& profiles, const std::string& key);
