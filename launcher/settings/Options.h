// The program options of the [OPTIONS] section.
#pragma once

#include <string>

#include "settings/cIni.h"

class Options {
public:
    const std::string& EditorPath() const { return m_editorPath; }
    void SetEditorPath(const std::string& path);
    // Always upper case.
    std::string Language() const;
    void SetLanguage(const std::string& language);
    bool ShowStartVekoraDialog() const { return m_showStartVekoraDialog; }
    void SetShowStartVekoraDialog(bool show);
    // Whether the launcher looks for an update by itself when it starts.
    bool CheckForUpdates() const { return m_checkForUpdates; }
    void SetCheckForUpdates(bool check);
    // The update the user chose never to hear of again ("" for none).
    const std::string& SkippedUpdate() const { return m_skippedUpdate; }
    void SetSkippedUpdate(const std::string& update);
    bool DataChanged() const { return m_dataChanged; }

    void LoadData();
    void SaveData();

private:
    cIni_Options m_ini;
    std::string m_editorPath;
    std::string m_language;
    bool m_showStartVekoraDialog = true;
    bool m_checkForUpdates = false;
    std::string m_skippedUpdate;
    // The two later options reach the file only once the user has changed them.
    bool m_updateOptionsChanged = false;
    bool m_dataChanged = false;
};
