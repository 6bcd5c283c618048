// The editing window.
#include "langeditor/frmEditLang.h"

#include <commctrl.h>

#include "base/ControlHost.h"
#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "langeditor/AccessKeys.h"
#include "langeditor/KeyCommands.h"
#include "langeditor/LangLocation.h"
#include "langeditor/TranslationCheck.h"
#include "langeditor/frmEditLang_res.h"
#include "langeditor/frmTest.h"

namespace {

constexpr int EDIT_AREA[] = {IDC_EL_LBLID,       IDC_EL_SECTION,        IDC_EL_TRENNER,     IDC_EL_ID,
                             IDC_EL_LBLENGLISH,  IDC_EL_ENGLISH,        IDC_EL_LBLTRANSLATION, IDC_EL_TRANSLATION,
                             IDC_EL_SAVE,        IDC_EL_TEST,           IDC_EL_LBLWARNING,  IDC_EL_WARNINGS,
                             IDC_EL_LBLEXAMPLE,  IDC_EL_NOTES};
constexpr int WARNINGS_PANEL[] = {IDC_EL_LBLWARNING, IDC_EL_WARNINGS};
// Every control that can hold the focus, so that F3 works wherever the translator is.
constexpr int FOCUSABLE[] = {IDC_EL_LIST,        IDC_EL_NEXTUNTRANSLATED, IDC_EL_ONLYNOTTRANSLATED, IDC_EL_AUTOSAVE,
                             IDC_EL_ENGLISH,     IDC_EL_TRANSLATION,      IDC_EL_SAVE,              IDC_EL_TEST,
                             IDC_EL_WARNINGS};

constexpr const char* NOTES = "  &&File = &File\r\n  A &&&& B = A && B \r\n  %P1% is a placeholder for parameters"
                              "\r\n\r\n  You can add line-breaks with the enter-key";

void ShowControls(HWND dialog, const int* ids, size_t count, bool visible)
{
    for (size_t i = 0; i < count; ++i) ShowWindow(GetDlgItem(dialog, ids[i]), visible ? SW_SHOW : SW_HIDE);
}


} // namespace

void frmEditLang::OnInit()
{
    // The heading stands out in bold.
    m_headingFont = DerivedFont(WindowFont(Hwnd()), {.Bold = true});
    for (int id : {IDC_EL_SECTION, IDC_EL_TRENNER, IDC_EL_ID}) {
        SendMessageA(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(m_headingFont.Get()), FALSE);
    }
    const int tabStop = 8; // dialog units: the IDs stand a little right of their section
    SendMessageA(Item(IDC_EL_LIST), LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    // Esc in the translation box takes back what was typed; left to the box, it would close the
    // window, and closing saves.
    SendKeyAsCommand(Item(IDC_EL_TRANSLATION), VK_ESCAPE, IDM_EL_DISCARD);
    // F3 goes on to the next text still to translate, as it goes on to the next hit in a search.
    for (int id : FOCUSABLE) SendKeyAsCommand(Item(id), VK_F3, IDC_EL_NEXTUNTRANSLATED);
    AddTooltip(IDC_EL_NEXTUNTRANSLATED, "Next untranslated (F3)");
    SetChecked(IDC_EL_AUTOSAVE, true);
    SetChecked(IDC_EL_ONLYNOTTRANSLATED, false);
    ShowEditArea(false);
}

bool frmEditLang::InitDialog(const std::string& strFile)
{
    return PassErrors("frmEditLang.InitDialog", [&] {
        m_file.emplace(strFile, EnglishFilePath(SetTrailingBackslash(ExtractPath(strFile), false)));
        // Several files are worked on in turn; the title says which one this is.
        SetCaption(ExtractFileName(strFile) + " - Edit language file");
        if (!BuildWordList()) return false;
        ShowUntranslatedCount();
        if (!m_words.empty()) {
            SendMessageA(Item(IDC_EL_LIST), LB_SETCURSEL, 0, 0);
            lstID_Click();
        }
        SetItemText(IDC_EL_NOTES, NOTES);
        m_blnChanged = false;
        return true;
    });
}

void frmEditLang::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_EL_LIST: if (code == LBN_SELCHANGE) lstID_Click(); break;
    case IDC_EL_SAVE: cmdSave_Click(); break;
    case IDC_EL_TEST: cmdTest_Click(); break;
    case IDC_EL_ONLYNOTTRANSLATED: ckOnlyNotTranslated_Click(); break;
    case IDC_EL_TRANSLATION: if (code == EN_CHANGE) txtTranslation_Change(); break;
    case IDC_EL_SECTION: if (code == EN_CHANGE) txtSection_Change(); break;
    case IDM_EL_DISCARD: txtTranslation_Escape(); break;
    case IDC_EL_NEXTUNTRANSLATED: cmdNextUntranslated_Click(); break;
    }
}

bool frmEditLang::BuildWordList()
{
    return PassErrors("frmEditLang.BuildWordList", [&] {
        std::optional<std::vector<WordListEntry>> words = ::BuildWordList(*m_file, IsChecked(IDC_EL_ONLYNOTTRANSLATED));
        if (!words) {
            Sys().MsgBox(Hwnd(),
                         "The English language file '" + m_file->EnglishPath() +
                             "' cannot be read. It holds every text there is to translate; without it there is "
                             "nothing to edit.",
                         MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        m_words = std::move(*words);
        HWND list = Item(IDC_EL_LIST);
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        for (const WordListEntry& entry : m_words) {
            const LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.Text.c_str()));
            SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(entry.ItemNumber));
        }
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
        return true;
    });
}

void frmEditLang::lstID_Click()
{
    const int index = static_cast<int>(SendMessageA(Item(IDC_EL_LIST), LB_GETCURSEL, 0, 0));
    if (m_blnChanged && !ShowErrors("frmEditLang.lstID_Click", [&] { SaveTranslation(); })) {
        // The change could not be stored: it stays on show, and so does its entry.
        SendMessageA(Item(IDC_EL_LIST), LB_SETCURSEL, static_cast<WPARAM>(m_shownIndex), 0);
        return;
    }
    ShowErrors("frmEditLang.lstID_Click", [&] { ShowEntry(index); });
}

void frmEditLang::ShowEntry(int index)
{
    const WordListKey key = KeyOfEntry(m_words, index);
    if (!key.Section.empty() && !key.ID.empty()) {
        ShowEditArea(true);
        SetItemText(IDC_EL_SECTION, key.Section);
        SetItemText(IDC_EL_ID, key.ID);
        SetItemText(IDC_EL_ENGLISH, m_file->ReadEnglishText(key.Section, key.ID));
        SetItemText(IDC_EL_TRANSLATION, m_file->ReadTranslation(key.Section, key.ID));
        CheckTranslation();
        m_shownIndex = index;
    } else {
        ShowEditArea(false);
        m_shownIndex = -1;
    }
    m_blnChanged = false;
}

void frmEditLang::cmdSave_Click()
{
    ShowErrors("frmEditLang.cmdSave_Click", [&] { SaveTranslation(); });
}

void frmEditLang::SaveTranslation()
{
    PassErrors("frmEditLang.SaveTranslation", [&] {
        const std::string section = GetItemText(IDC_EL_SECTION);
        const std::string id = GetItemText(IDC_EL_ID);
        if (!section.empty() && !id.empty() &&
            (IsChecked(IDC_EL_AUTOSAVE) ||
             Sys().MsgBox(Hwnd(), "Would you like to save your changes?", MB_YESNO) == IDYES)) {
            m_file->SaveTranslation(section, id, GetItemText(IDC_EL_TRANSLATION));
            ShowUntranslatedCount();
        }
        m_blnChanged = false;
    });
}

void frmEditLang::cmdTest_Click()
{
    ShowErrors("frmEditLang.cmdTest_Click", [&] {
        frmTest test;
        test.Load(Hwnd());
        test.InitDialog(GetTestText(GetItemText(IDC_EL_TRANSLATION)));
        test.ShowModal();
        test.Unload();
    });
}

void frmEditLang::ckOnlyNotTranslated_Click()
{
    ShowErrors("frmEditLang.ckOnlyNotTranslated_Click", [&] {
        // The edit area keeps its entry and its change; only the list is new.
        if (BuildWordList()) m_shownIndex = -1;
    });
}

void frmEditLang::txtTranslation_Change()
{
    m_blnChanged = true;
    ShowErrors("frmEditLang.txtTranslation_Change", [&] { CheckTranslation(); });
}

void frmEditLang::txtTranslation_Escape()
{
    ShowErrors("frmEditLang.txtTranslation_Escape", [&] {
        const std::string section = GetItemText(IDC_EL_SECTION);
        const std::string id = GetItemText(IDC_EL_ID);
        if (section.empty() || id.empty()) return;
        SetItemText(IDC_EL_TRANSLATION, m_file->ReadTranslation(section, id));
        m_blnChanged = false;
    });
}

void frmEditLang::cmdNextUntranslated_Click()
{
    ShowErrors("frmEditLang.cmdNextUntranslated_Click", [&] {
        const LRESULT selected = SendMessageA(Item(IDC_EL_LIST), LB_GETCURSEL, 0, 0);
        const int from = selected == LB_ERR ? m_shownIndex : static_cast<int>(selected);
        // The entry on show is stored first, so that it no longer counts if it has been translated.
        if (m_blnChanged) SaveTranslation();
        const int next = NextUntranslated(m_words, from, *m_file);
        if (next < 0) {
            Sys().MsgBox(Hwnd(), "Every text of the word list is translated.", MB_OK | MB_ICONINFORMATION);
            return;
        }
        SendMessageA(Item(IDC_EL_LIST), LB_SETCURSEL, static_cast<WPARAM>(next), 0);
        lstID_Click();
    });
}

void frmEditLang::ShowUntranslatedCount()
{
    const std::optional<TranslationCount> count = CountTranslations(*m_file);
    SetItemText(IDC_EL_UNTRANSLATED, count ? "Untranslated: " + std::to_string(count->Untranslated) : "");
}

void frmEditLang::AddTooltip(int id, const char* text)
{
    HWND tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Hwnd(), nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    TOOLINFOA tool = {};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(Item(id));
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void frmEditLang::CheckTranslation()
{
    const std::string translation = GetItemText(IDC_EL_TRANSLATION);
    std::string warnings = ::CheckTranslation(GetItemText(IDC_EL_ENGLISH), translation);
    // The caption the launcher would show once this is saved, against the others seen with it.
    const TextRef text = {GetItemText(IDC_EL_SECTION), GetItemText(IDC_EL_ID)};
    const std::string caption = TrimWhiteSpace(translation, TabIs::WhiteSpace).empty() ? GetItemText(IDC_EL_ENGLISH) : translation;
    for (const KeyClash& clash : ClashesOf(LauncherKeyScopes(), text, caption, [&](const TextRef& other) {
             return m_file->LauncherText(other.Section, other.ID);
         }))
        warnings += ClashDescription(clash) + "\r\n\r\n";
    SetItemText(IDC_EL_WARNINGS, warnings);
    ShowControls(Hwnd(), WARNINGS_PANEL, std::size(WARNINGS_PANEL),
                 m_blnEditArea && !warnings.empty());
}

void frmEditLang::txtSection_Change()
{
    const bool hasSection = !GetItemText(IDC_EL_SECTION).empty();
    SetItemText(IDC_EL_TRENNER, hasSection ? " / " : "");
    // Section, separator and ID read as one heading: each directly right of the one before.
    const RECT section = PlaceholderRect(Hwnd(), IDC_EL_SECTION);
    const RECT id = PlaceholderRect(Hwnd(), IDC_EL_ID);
    const int height = section.bottom - section.top;
    const int sectionWidth = TextWidth(IDC_EL_SECTION);
    const int separatorWidth = TextWidth(IDC_EL_TRENNER);
    const int separatorLeft = section.left + sectionWidth;
    const int idLeft = separatorLeft + separatorWidth;
    MoveWindow(Item(IDC_EL_SECTION), section.left, section.top, sectionWidth, height, TRUE);
    MoveWindow(Item(IDC_EL_TRENNER), separatorLeft, section.top, separatorWidth, height, TRUE);
    MoveWindow(Item(IDC_EL_ID), idLeft, id.top, id.right - idLeft > 0 ? id.right - idLeft : 0, height, TRUE);
}

int frmEditLang::TextWidth(int id) const
{
    const std::string text = GetItemText(id);
    ScopedGetDC dc(Item(id));
    ScopedSelectObject font(dc, m_headingFont.Get());
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    // An edit box keeps a small margin on either side of its text.
    const LRESULT margins = SendMessageA(Item(id), EM_GETMARGINS, 0, 0);
    return size.cx + LOWORD(margins) + HIWORD(margins) + (text.empty() ? 0 : 2);
}

void frmEditLang::Form_Unload()
{
    // A change not yet stored is stored by the same rule as on leaving the entry.
    if (m_blnChanged) ShowErrors("frmEditLang.Form_Unload", [&] { SaveTranslation(); });
    EndModal();
}

void frmEditLang::ShowEditArea(bool visible)
{
    m_blnEditArea = visible;
    ShowControls(Hwnd(), EDIT_AREA, std::size(EDIT_AREA), visible);
    if (visible) {
        // The English file's own texts need no second box.
        const bool english = m_file && m_file->IsEnglish();
        ShowWindow(Item(IDC_EL_ENGLISH), english ? SW_HIDE : SW_SHOW);
        ShowWindow(Item(IDC_EL_LBLENGLISH), english ? SW_HIDE : SW_SHOW);
        ShowControls(Hwnd(), WARNINGS_PANEL, std::size(WARNINGS_PANEL), !GetItemText(IDC_EL_WARNINGS).empty());
    }
}
