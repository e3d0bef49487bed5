#pragma once
// A drop-down list: a combo box whose text is always one of its items (CBS_DROPDOWNLIST).

#include "widgets/Window.h"

namespace tarnwick {

struct ComboBoxArgs : ControlArgs {
    // bounds.height is the closed height; the list drops down this much below it.
    int dropDownHeight = 200;
};

class ComboBox : public Window {
public:
    bool Create(const ComboBoxArgs& args);

    // Appends an item; returns its index, or -1.
    int AddItem(const std::string& text);
    void Clear();
    int Count() const;
    std::string ItemText(int index) const;
    // -1 when nothing is selected. Text() is the selected item's text.
    int SelectedIndex() const;
    // Does not raise onChange (Windows sends no CBN_SELCHANGE for CB_SETCURSEL).
    void Select(int index);

    // The user chose another item (CBN_SELCHANGE).
    std::function<void()> onChange;

protected:
    bool OnCommand(WORD notification) override;
};

}  // namespace tarnwick
