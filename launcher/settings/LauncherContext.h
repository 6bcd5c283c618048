// What the model's lower layers need of the running launcher: its settings file, its options
// (the current language among them) and where a language file lies. They ask this instead of
// the application object, which stands above them and owns all three.
#pragma once

#include <string>

class Options;

class LauncherContext {
public:
    virtual ~LauncherContext() = default;
    // The settings file every section accessor reads and writes.
    virtual const std::string& IniPath() const = 0;
    // Called before every write to the settings file.
    virtual void PrepareSettingsWrite() = 0;
    virtual const Options& CurrentOptions() const = 0;
    // The path of the language file "LNG_" + abbrev + ".ini".
    virtual std::string GetLanguageFile(const std::string& abbrev) const = 0;
};

// The context in force; without one (before start-up, after shutdown) "Object variable ... not
// set" (91): an error the caller can report, not a crash.
LauncherContext& Context();
void SetLauncherContext(LauncherContext* context);
