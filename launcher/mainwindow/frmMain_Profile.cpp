// The main window's profile values: showing a profile, the game's file lists, correcting,
// checking and writing the input back, and the events of the value controls.
#include "base/mFunctions.h"
#include "LauncherErrors.h"
#include "mainwindow/frmMain.h"

#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mVB6.h"
#include "core/Application.h"
#include "core/Prompts.h"
#include "mainwindow/GameFolderLists.h"
#include "mainwindow/ProfileInput.h"
#include "mainwindow/frmMain_res.h"
#include "profiles/Profile.h"
#include "translation/cTranslate.h"

bool frmMain::LoadData(const std::shared_ptr<Profile>& profile)
{
    try {
        if (!profile) RaiseRuntimeError(RTE_OBJECT_NOT_SET);
        g_cApp->SetActiveProfile(profile);
        Profile& active = *g_cApp->ActiveProfile();
        if (active.VekoraPath().empty()) {
            const std::string path = AskForVekoPath(Hwnd(), "");
            if (path.empty()) {
                Sys().MsgBox(Hwnd(), g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_VekoraFolderNotDefined"), MB_OK);
            } else {
                active.SetVekoraPath(path);
            }
        }
        m_blnLoading = true;
        m_txtVekoraPath.SetText(active.VekoraPath());
        m_pages.SetChecked(IDC_CKLOGMESSAGES, active.LogMessages());
        m_pages.SetChecked(IDC_CKFREEPLAY, active.Freeplay());
        SetUserDefinedResolution(!active.UsePreDefinedResolution());
        SetListIndex(IDC_LSTRESOLUTION, ResolutionIndexForValue(active.PreDefinedResolution()));
        SetControlText(IDC_TXTRES_WIDTH, std::to_string(active.ResolutionWidth()));
        SetControlText(IDC_TXTRES_HEIGHT, std::to_string(active.ResolutionHeight()));
        SetControlText(IDC_TXTSCENARIO, active.ScenarioPath());
        SetControlText(IDC_TXTGRAPHICPACK, active.GraphicPakPath());
        SetListIndex(IDC_LSTREFRESH, RefreshIndexForValue(active.Refresh()));
        FillDatenPakList();
        FillScenarioFilesList();
        m_blnLoading = false;
        FillProfileList();
        ShowPreviewForSelection();
        UpdateVersionLabels();
        return true;
    } catch (...) {
        m_blnLoading = false;
        PassError("frmMain.LoadData");
    }
}

MainWindowInput frmMain::ReadInput() const
{
    MainWindowInput input;
    input.VekoraPath = m_txtVekoraPath.Text();
    input.LogMessages = IsControlChecked(IDC_CKLOGMESSAGES);
    input.Freeplay = IsControlChecked(IDC_CKFREEPLAY);
    input.UsePreDefinedResolution = IsControlChecked(IDC_OPRESOLUTION0);
    input.ResolutionIndex = ListIndex(IDC_LSTRESOLUTION);
    input.Width = ControlText(IDC_TXTRES_WIDTH);
    input.Height = ControlText(IDC_TXTRES_HEIGHT);
    input.Scenario = ControlText(IDC_TXTSCENARIO);
    input.GraphicPak = ControlText(IDC_TXTGRAPHICPACK);
    input.RefreshIndex = ListIndex(IDC_LSTREFRESH);
    return input;
}

void frmMain::RefreshProfileData(GamePathRule gamePath)
{
    PassErrors("frmMain.RefreshProfileData", [&] {
        CorrectInput();
        CheckData(gamePath);
        StoreInput();
    });
}

void frmMain::StoreInput()
{
    PassErrors("frmMain.StoreInput", [&] {
        const MainWindowInput input = ReadInput();
        Profile& active = *g_cApp->ActiveProfile();
        WriteInputToProfile(input, active);
        CheckCmdLinesAgree(input, active);
    });
}

void frmMain::CheckData(GamePathRule gamePath)
{
    PassErrors("frmMain.CheckData", [&] {
        if (const std::optional<InputProblem> problem = FindInputProblem(ReadInput(), gamePath)) {
            RaisePlainError(ERR_INPUT_CHECK,
                            g_cTranslate->TranslateEx("ERROR_MESSAGES", problem->MessageId, problem->P1));
        }
    });
}

void frmMain::CorrectInput()
{
    try {
        if (!IsUserDefinedResolution() || m_correcting) return;
        m_correcting = true;
        std::string width = ControlText(IDC_TXTRES_WIDTH);
        std::string height = ControlText(IDC_TXTRES_HEIGHT);
        const InputCorrection correction = CorrectResolutionTexts(width, height);
        if (correction.HeightRaised) {
            SetControlText(IDC_TXTRES_HEIGHT, height);
            ucTab1_Click(TAB_DISPLAY);
            Sys().MsgBox(Hwnd(), TranslateDialogItem("MSG_ResolutionHeigthChanged"), MB_OK);
        }
        if (correction.WidthRaised) {
            SetControlText(IDC_TXTRES_WIDTH, width);
            ucTab1_Click(TAB_DISPLAY);
            SetFocus(Control(IDC_TXTRES_WIDTH));
            Sys().MsgBox(Hwnd(), TranslateDialogItem("MSG_ResolutionWidthChanged"), MB_OK);
        }
        m_correcting = false;
    } catch (...) {
        m_correcting = false;
        PassError("frmMain.CorrectInput");
    }
}

void frmMain::SaveData()
{
    PassErrors("frmMain.SaveData", [&] {
        // With nothing to save there is nothing to ask.
        const SaveOffer offer = ProfilesToSave();
        if (!offer.Profiles.empty()) g_cApp->SaveData(Hwnd(), offer.Profiles);
    });
}

frmMain::SaveOffer frmMain::ProfilesToSave()
{
    return PassErrors("frmMain.ProfilesToSave", [&] {
        SaveOffer offer;
        CorrectInput();
        const std::shared_ptr<Profile> active = g_cApp->ActiveProfile();
        const std::optional<InputProblem> inputProblem = FindInputProblem(ReadInput(), GamePathRule::MayBeMissing);
        if (inputProblem) {
            SayProfileCannotBeSaved(*active, g_cTranslate->TranslateEx("ERROR_MESSAGES", inputProblem->MessageId,
                                                                        inputProblem->P1));
            offer.SomeCannotBeSaved = true;
        } else {
            StoreInput();
        }
        const Profiles::ChangedProfiles changed = g_cApp->Profiles().Changed();
        for (const std::shared_ptr<Profile>& profile : changed.WithoutGamePath) {
            if (profile == active && inputProblem) continue; // named already
            SayProfileCannotBeSaved(*profile, g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_VekoraFolderNotDefined"));
            offer.SomeCannotBeSaved = true;
        }
        for (const std::shared_ptr<Profile>& profile : changed.Savable) {
            // The input that failed its checks is not in the profile; what the profile holds
            // is not what the user sees.
            if (profile != active || !inputProblem) offer.Profiles.push_back(profile);
        }
        return offer;
    });
}

void frmMain::SayProfileCannotBeSaved(const Profile& profile, const std::string& problem)
{
    Sys().MsgBox(Hwnd(),
                 g_cTranslate->TranslateWithFallback("MAIN_DIALOG", "MSG_ProfileCannotBeSaved",
                                                     "The profile '%P1%' cannot be saved:\\n%P2%",
                                                     profile.ProfileCaption(), problem),
                 MB_OK | MB_ICONEXCLAMATION);
}

std::string frmMain::GetCmdLineParameters() const
{
    return PassErrors("frmMain.GetCmdLineParameters", [&] { return BuildCmdLineParameters(ReadInput()); });
}

bool frmMain::IsUserDefinedResolution() const
{
    return IsControlChecked(IDC_OPRESOLUTION1);
}

void frmMain::SetUserDefinedResolution(bool userDefined)
{
    m_pages.SetChecked(IDC_OPRESOLUTION0, !userDefined);
    m_pages.SetChecked(IDC_OPRESOLUTION1, userDefined);
}

void frmMain::lstResolution_Click()
{
    ShowErrors("frmMain.lstResolution_Click", [&] {
        if (!m_blnLoading) SetUserDefinedResolution(false);
        ShowPreviewForSelection();
    });
}

void frmMain::ShowPreviewForSelection()
{
    if (const std::optional<PreviewScreen> screen = PreviewScreenForIndex(ListIndex(IDC_LSTRESOLUTION))) {
        m_UserControl11.SetResolution(screen->Width, screen->Height, screen->Windowed);
    }
}

void frmMain::FilterResolutionKey(int& keyAscii)
{
    SetUserDefinedResolution(true);
    if (!KeepResolutionKey(keyAscii)) keyAscii = 0;
}

void frmMain::txtRes_Width_KeyPress(int& keyAscii)
{
    // A key whose check failed is not typed.
    if (!ShowErrors("frmMain.txtRes_Width_KeyPress", [&] { FilterResolutionKey(keyAscii); })) keyAscii = 0;
}

void frmMain::txtRes_Height_KeyPress(int& keyAscii)
{
    // A key whose check failed is not typed.
    if (!ShowErrors("frmMain.txtRes_Height_KeyPress", [&] { FilterResolutionKey(keyAscii); })) keyAscii = 0;
}

void frmMain::txtRes_Width_Click()
{
    ShowErrors("frmMain.txtRes_Width_Click", [&] { SetUserDefinedResolution(true); });
}

void frmMain::txtRes_Height_Click()
{
    ShowErrors("frmMain.txtRes_Height_Click", [&] { SetUserDefinedResolution(true); });
}

void frmMain::txtRes_Width_LostFocus()
{
    ShowErrors("frmMain.txtRes_Width_LostFocus", [&] { CorrectInput(); });
}

void frmMain::txtRes_Height_LostFocus()
{
    ShowErrors("frmMain.txtRes_Height_LostFocus", [&] { CorrectInput(); });
}

void frmMain::FillScenarioFilesList()
{
    PassErrors("frmMain.FillScenarioFilesList", [&] {
        m_pages.SetEntries(IDC_TXTSCENARIO, ListScenarios(GetScenarioPath(g_cApp->ActiveProfile()->VekoraPath())));
    });
}

void frmMain::FillDatenPakList()
{
    PassErrors("frmMain.FillDatenPakList", [&] {
        m_pages.SetEntries(IDC_TXTGRAPHICPACK, ListGraphicPaks(GetDatenPakPath(g_cApp->ActiveProfile()->VekoraPath())));
    });
}
