// The main window's texts in the chosen language, and the version line.
#include "mainwindow/frmMain.h"

#include "AppVersion.h"
#include "base/mError.h"
#include "base/mIni.h"
#include "core/Application.h"
#include "core/Prompts.h"
#include "mainwindow/MainLayout.h"
#include "mainwindow/frmMain_res.h"
#include "profiles/Profile.h"
#include "translation/TextBinding.h"
#include "translation/cTranslate.h"

namespace {
bool IsMenuId(int id)
{
    return id >= IDM_FILE && id <= IDM_HELP_ABOUT; // the menu bar's own IDs
}
} // namespace

void frmMain::SetBoundText(int id, const std::string& text)
{
    if (id >= IDC_MAIN_TAB0 && id < IDC_MAIN_TAB0 + TAB_COUNT) m_pages.SetCaption(id - IDC_MAIN_TAB0, text);
    else SetControlText(id, text);
}

void frmMain::TranslateMenu()
{
    PassErrors("frmMain.TranslateMenu", [&] {
        const IniReadSnapshot snapshot;
        for (const TextBinding& binding : TEXTS) {
            if (IsMenuId(binding.ControlId)) m_menu.SetText(binding.ControlId, BoundText(binding));
        }
        const bool english = g_cApp->Options().Language() == "EN";
        m_menu.SetText(IDM_HELP_FAQ_EN, TranslateDialogItem(english ? "MNU_HELP_FAQ" : "MNU_HELP_FAQ_EN"));
        HideFAQMenu();
    });
}

std::string frmMain::TranslateDialogItem(const std::string& id) const
{
    return PassErrors("frmMain.TranslateDialogItem", [&] { return g_cTranslate->TranslateEx("MAIN_DIALOG", id); });
}

void frmMain::TranslateDialog()
{
    PassErrors("frmMain.TranslateDialog", [&] {
        const IniReadSnapshot snapshot; // each section of the language files read once for all texts
        for (const TextBinding& binding : TEXTS) { // the menu's entries come with TranslateMenu below
            if (!IsMenuId(binding.ControlId)) SetBoundText(binding.ControlId, BoundText(binding));
        }
        m_pages.LayoutTabs();

        std::vector<std::string> entries;
        for (int i = 1; i <= MAIN_LIST_ENTRIES; ++i) entries.push_back(TranslateDialogItem(std::string("LST_RESOLUTION_") + std::to_string(i)));
        m_pages.SetEntries(IDC_LSTRESOLUTION, entries);
        entries.clear();
        for (int i = 1; i <= MAIN_LIST_ENTRIES; ++i) entries.push_back(TranslateDialogItem(std::string("LST_REFRESH_") + std::to_string(i)));
        m_pages.SetEntries(IDC_LSTREFRESH, entries);
        TranslateMenu();

        UpdateVersionLabels();
    });
}

void frmMain::UpdateVersionLabels()
{
    PassErrors("frmMain.UpdateVersionLabels", [&] {
        const std::shared_ptr<Profile> active = g_cApp->ActiveProfile();
        const std::string game = GetVekoraFile_VersionInfo(active ? active->VekoraPath() : "");
        std::string text = "Vekolaunch " VEKOLAUNCH_VER_TEXT " ";
        text += g_cTranslate->TranslateEx("GLOBAL", "WITH");
        text += " " + game;
        SetItemText(IDC_LBLVERSION, text);
    });
}
