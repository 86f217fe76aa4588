// ColourBrowserPalette: the colour chooser's "Standard" page: the sixteen named colours,
// the 256-colour picker, the RGB fields, the value field and the sample.
#pragma once

#include "ui/colours/ColourPage.h"

namespace velto {

class ColourComboBox;
class ColourPicker256;

class ColourBrowserPalette : public ColourPage {
    Q_OBJECT
public:
    ColourBrowserPalette(Prompter& prompter, bool useNames, QWidget* parent = nullptr);

protected:
    void ShowColour(ColourRef colour) override;

private:
    ColourComboBox* named_;
    ColourPicker256* picker_;
};

} // namespace velto
