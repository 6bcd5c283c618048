// The program options of the [OPTIONS] section.
#pragma once

#include <string>

#include "core/cIni.h"

class Options {
public:
    const std::string& EditorPath() const { return m_editorPath; }
    void SetEditorPath(const std::string& path);
    // Always upper case.
    std::string Language() const;
    void SetLanguage(const std::string& language);
    bool ShowStartVekoraDialog() const { return m_showStartVekoraDialog; }
    void SetShowStartVekoraDialog(bool show);
    bool DataChanged() const { return m_dataChanged; }

    void LoadData();
    void SaveData();

private:
    cIni_Options m_ini;
    std::string m_editorPath;
    std::string m_language;
    bool m_showStartVekoraDialog = true;
    bool m_dataChanged = false;
};
