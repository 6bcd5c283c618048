// The program options.
#include "settings/Options.h"

#include "base/mError.h"
#include "base/mFunctions.h"

void Options::SetEditorPath(const std::string& path)
{
    if (path == m_editorPath) return;
    m_editorPath = path;
    m_dataChanged = true;
}

std::string Options::Language() const
{
    return UpperCase(m_language);
}

void Options::SetLanguage(const std::string& language)
{
    const std::string upper = UpperCase(language);
    if (upper == m_language) return;
    m_language = upper;
    m_dataChanged = true;
}

void Options::SetShowStartVekoraDialog(bool show)
{
    if (show == m_showStartVekoraDialog) return;
    m_showStartVekoraDialog = show;
    m_dataChanged = true;
}

void Options::SetCheckForUpdates(bool check)
{
    if (check == m_checkForUpdates) return;
    m_checkForUpdates = check;
    m_dataChanged = m_updateOptionsChanged = true;
}

void Options::SetSkippedUpdate(const std::string& update)
{
    if (update == m_skippedUpdate) return;
    m_skippedUpdate = update;
    m_dataChanged = m_updateOptionsChanged = true;
}

void Options::LoadData()
{
    PassErrors("Options.LoadData", [&] {
        m_editorPath = m_ini.Read_EditorPath();
        m_language = m_ini.Read_Language(); // stored as read; Language() answers in upper case
        m_showStartVekoraDialog = m_ini.Read_ShowStartVekoraDialog();
        m_checkForUpdates = m_ini.Read_CheckForUpdates();
        m_skippedUpdate = m_ini.Read_SkippedUpdate();
    });
}

void Options::SaveData()
{
    PassErrors("Options.SaveData", [&] {
        m_ini.Write_EditorPath(m_editorPath);
        m_ini.Write_Language(m_language);
        m_ini.Write_ShowStartVekoraDialog(m_showStartVekoraDialog);
        if (m_updateOptionsChanged) {
            m_ini.Write_CheckForUpdates(m_checkForUpdates);
            m_ini.Write_SkippedUpdate(m_skippedUpdate);
        }
        m_dataChanged = m_updateOptionsChanged = false;
    });
}
