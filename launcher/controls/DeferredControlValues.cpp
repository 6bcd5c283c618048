// Values kept for controls that do not exist yet.
#include "controls/DeferredControlValues.h"

#include "base/ControlHost.h"

void ReplaceEntries(HWND control, const std::vector<std::string>& entries)
{
    if (IsWindowOfClass(control, "ComboBox")) {
        const std::string text = WindowText(control);
        SendMessageA(control, CB_RESETCONTENT, 0, 0);
        for (const std::string& entry : entries) SendMessageA(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        SetWindowTextA(control, text.c_str());
    } else {
        const LRESULT selected = SendMessageA(control, LB_GETCURSEL, 0, 0);
        SendMessageA(control, LB_RESETCONTENT, 0, 0);
        for (const std::string& entry : entries) SendMessageA(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        SendMessageA(control, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    }
}

void DeferredControlValues::SetText(int id, const std::string& text)
{
    m_values[id].Text = text;
}

std::string DeferredControlValues::Text(int id) const
{
    const Values* values = Find(id);
    return values && values->Text ? *values->Text : std::string();
}

void DeferredControlValues::SetChecked(int id, bool checked)
{
    m_values[id].Checked = checked;
}

bool DeferredControlValues::IsChecked(int id) const
{
    const Values* values = Find(id);
    return values && values->Checked.value_or(false);
}

void DeferredControlValues::SetEntries(int id, const std::vector<std::string>& entries)
{
    m_values[id].Entries = entries;
}

void DeferredControlValues::SetSelection(int id, int index)
{
    m_values[id].Selection = index;
}

int DeferredControlValues::Selection(int id) const
{
    const Values* values = Find(id);
    if (!values || !values->Selection || !values->Entries) return -1;
    const int index = *values->Selection;
    return index >= 0 && index < static_cast<int>(values->Entries->size()) ? index : -1;
}

void DeferredControlValues::ApplyTo(HWND page)
{
    for (auto it = m_values.begin(); it != m_values.end();) {
        HWND control = GetDlgItem(page, it->first);
        if (!control) {
            ++it;
            continue;
        }
        const Values& values = it->second;
        if (values.Entries) ReplaceEntries(control, *values.Entries);
        if (values.Selection) SendMessageA(control, LB_SETCURSEL, static_cast<WPARAM>(*values.Selection), 0);
        if (values.Text) SetWindowTextA(control, values.Text->c_str());
        if (values.Checked) SendMessageA(control, BM_SETCHECK, *values.Checked ? BST_CHECKED : BST_UNCHECKED, 0);
        it = m_values.erase(it);
    }
}

const DeferredControlValues::Values* DeferredControlValues::Find(int id) const
{
    const auto it = m_values.find(id);
    return it == m_values.end() ? nullptr : &it->second;
}
