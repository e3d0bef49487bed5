#pragma once
// A one-column list of text rows: a report-style list view without column header, single
// selection, the selection shown also without the focus.

#include "widgets/Window.h"

namespace tarnwick {

struct ListViewArgs : ControlArgs {
    int columnWidth = 400;
};

class ListView : public Window {
public:
    bool Create(const ListViewArgs& args);

    // Appends a row; returns its index, or -1.
    int AddRow(const std::string& text);
    void Clear();
    int RowCount() const;
    std::string RowText(int row) const;
    // -1 when no row is selected.
    int SelectedIndex() const;
    void Select(int row);
    void EnsureVisible(int row);

    void SetBackgroundColor(COLORREF color) override;
    void SetTextColor(COLORREF color) override;

    // A mouse click on the list (NM_CLICK), a key released while it has the focus, and a row
    // becoming the selected one (by the user or by Select).
    std::function<void()> onClick;
    std::function<void()> onKeyUp;
    std::function<void()> onSelectionChange;

protected:
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace tarnwick
