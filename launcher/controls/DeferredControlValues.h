// What a host set on the controls of a page that is not created yet: kept, answered as the
// controls would answer, and handed to the controls when the page is created.
#pragma once

#include <windows.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Replaces a list box's or combo box's entries; a list keeps its selection, a combo box its text.
void ReplaceEntries(HWND control, const std::vector<std::string>& entries);

class DeferredControlValues {
public:
    void SetText(int id, const std::string& text);
    std::string Text(int id) const;
    void SetChecked(int id, bool checked);
    bool IsChecked(int id) const;
    // A list box's or combo box's entries.
    void SetEntries(int id, const std::vector<std::string>& entries);
    // A list box's selection.
    void SetSelection(int id, int index);
    // As a list box answers: -1 for none, and for an index past its entries.
    int Selection(int id) const;

    // Gives the page's controls what was kept for them (entries before the selection and the
    // text, so that a combo box keeps its text) and forgets it.
    void ApplyTo(HWND page);

private:
    struct Values {
        std::optional<std::string> Text;
        std::optional<bool> Checked;
        std::optional<std::vector<std::string>> Entries;
        std::optional<int> Selection;
    };
    const Values* Find(int id) const;

    std::map<int, Values> m_values;
};
