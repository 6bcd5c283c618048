// cCreateShortcut: a folder, a name, a target and arguments made into a link file.
#pragma once

#include <string>

class cCreateShortcut {
public:
    // Why the name cannot name a link file in the chosen folder, in the user's language: it
    // holds one of \ / : * ? " < > | (the first is named) or only dots and blanks. "" for a
    // sound name; a blank one is the caller's to ask for.
    static std::string LinkNameProblem(const std::string& name);
    // Creates the folder when missing and writes the link; raises 20008 when no link was written
    // (among others for a name LinkNameProblem refuses: no link lands outside the folder).
    void CreateShortcut(const std::string& folder, const std::string& name, const std::string& target,
                        const std::string& arguments, const std::string& iconFile = "");
    // The folder followed by the trimmed name, with ".lnk" added unless the name ends in it.
    static std::string GetShortcutFolder(const std::string& folder, const std::string& name);
    // The target's folder becomes the working directory. Raises 20008 when no link was written,
    // with an empty description when there is nothing more to tell (the user kept the old link).
    // An icon file left empty gives the link the target's icon.
    void CreateShortcut2(const std::string& LnkFile, const std::string& ExeFile, const std::string& ExeArgs,
                         const std::string& IconFile = "");
};
