// ColourCustomPalette: the colour chooser's "User" page: the value field, the sample and
// the RGB fields with scroll bars, and the list of custom colours with its buttons. It
// works on a copy of the custom colours; the chooser takes the copy back on OK.
#pragma once

#include "core/colours/CCustomColours.h"
#include "ui/colours/ColourPage.h"

class QPushButton;

namespace velto {

class CustomColourList;

class ColourCustomPalette : public ColourPage {
    Q_OBJECT
public:
    ColourCustomPalette(const CCustomColours& colours, Prompter& prompter, bool useNames,
                        QWidget* parent = nullptr);

    [[nodiscard]] const CCustomColours& Colours() const noexcept { return colours_; }
    // Finishes the component fields and an open rename.
    bool Commit() override;

private:
    void Add();
    void Remove();
    void Rename();
    void MoveUp();
    void MoveDown();
    void ToEntry();   // "&>>": the value field's colour into the selected entry
    void FromEntry(); // "&<<": the selected entry's colour made current
    void Reselect(int selected);
    void UpdateButtons();
    QPushButton* MakeButton(const char* text, const char* name,
                            void (ColourCustomPalette::*action)());

    CCustomColours colours_;
    CustomColourList* list_;
    QPushButton* toEntry_;
    QPushButton* fromEntry_;
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* rename_;
    QPushButton* up_;
    QPushButton* down_;
};

} // namespace velto
