// The start confirmation window.
#include "dialogs/frmStartingVekora.h"

#include "base/ControlHost.h"
#include "base/ScopedWin.h"
#include "base/mError.h"
#include "core/Application.h"
#include "dialogs/frmStartingVekora_res.h"
#include "profiles/Profile.h"
#include "translation/cTranslate.h"

void frmStartingVekora::OnInit()
{
    PlaceAtPlaceholder(m_hLine1, Hwnd(), IDC_SV_HLINE1);
    SendDlgItemMessageA(Hwnd(), IDC_SV_IMAGE1, STM_SETICON,
                        reinterpret_cast<WPARAM>(LoadIconA(nullptr, MAKEINTRESOURCEA(32516))), 0); // IDI_INFORMATION
}

void frmStartingVekora::InitDialog(const Profile& profile)
{
    PassErrors("frmStartingVekora.InitDialog", [&] {
        SetItemText(IDC_SV_INFO, profile.GetCmdLineParameters());
        FitInfoLabel();
        TranslateDialog();
        m_cancel = true;
    });
}

// Long scenario or pak paths run over several lines: the parameters label grows until all of
// them can be seen, and everything below it moves down with it.
void frmStartingVekora::FitInfoLabel()
{
    PassErrors("frmStartingVekora.FitInfoLabel", [&] {
        HWND label = Item(IDC_SV_INFO);
        const RECT rect = RectInParent(label, Hwnd());
        const std::string text = GetItemText(IDC_SV_INFO);
        RECT needed = {0, 0, rect.right - rect.left, 0};
        {
            ScopedGetDC dc(label);
            ScopedSelectObject font(dc, WindowFont(label));
            DrawTextA(dc, text.c_str(), -1, &needed,
                      DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS);
        }
        const int extra = needed.bottom - (rect.bottom - rect.top);
        if (extra <= 0) return;
        for (HWND child = GetWindow(Hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const RECT childRect = RectInParent(child, Hwnd());
            if (childRect.top >= rect.bottom) {
                SetWindowPos(child, nullptr, childRect.left, childRect.top + extra, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
        SetWindowPos(label, nullptr, 0, 0, rect.right - rect.left, needed.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT window;
        GetWindowRect(Hwnd(), &window);
        SetWindowPos(Hwnd(), nullptr, window.left, window.top - extra / 2, window.right - window.left,
                     window.bottom - window.top + extra, SWP_NOZORDER | SWP_NOACTIVATE);
    });
}

void frmStartingVekora::TranslateDialog() const
{
    PassErrors("frmStartingVekora.TranslateDialog", [&] {
        SetCaption(TranslateDialogItem("DIALOG_CAPTION"));
        ApplyTextBindings(TEXTS, [&](int id, const std::string& text) { SetItemText(id, text); });
    });
}

std::string frmStartingVekora::TranslateDialogItem(const std::string& id, const std::string& p1)
{
    return PassErrors("frmStartingVekora.TranslateDialogItem", [&] {
        return g_cTranslate->TranslateEx("START_VEKORA_DIALOG", id, p1, "");
    });
}

void frmStartingVekora::cmdOk_Click()
{
    ShowErrors("frmStartingVekora.cmdOk_Click", [&] {
        g_cApp->Options().SetShowStartVekoraDialog(!IsChecked(IDC_SV_DONTSHOW));
        m_cancel = false;
        EndModal();
    });
}

void frmStartingVekora::cmdCancel_Click()
{
    EndModal();
}
