// Whole sections of private-profile files: which there are, their entries, writing one
// complete, removing one.
#pragma once

#include <string>
#include <vector>

// The file's section names in file order.
std::vector<std::string> IniSectionNames(const std::string& file);
// Whether the file holds a section of that name (without regard to case), empty or not.
bool HasIniSection(const std::string& file, const std::string& section);
// The section's entry lines ("key=value") as stored, in order.
std::vector<std::string> ReadIniSection(const std::string& file, const std::string& section);
// Replaces the section's entries with these lines in one write; a missing section is appended
// to the file. A write the system refuses raises base OR 3 with the file named.
void WriteIniSection(const std::string& file, const std::string& section, const std::vector<std::string>& lines);
// Removes the first section of that name with its entries; raises as WriteIniSection does.
void DeleteIniSection(const std::string& file, const std::string& section);
