// ColourPage: what both pages of the colour chooser share: the current colour, the
// "&Value:" field that shows it as text, the "Sample:" swatch and the RGB fields.
#pragma once

#include "core/colours/ColourRef.h"

#include <QWidget>

#include <optional>

class QLabel;
class QLayout;
class QLineEdit;

namespace velto {

class ColourSample;
class Prompter;
class RgbFields;

class ColourPage : public QWidget {
    Q_OBJECT
public:
    // useNames: the value field writes named colours by name ("InsertHtmlColourNames").
    ColourPage(Prompter& prompter, bool useNames, bool componentScrollBars, QWidget* parent);

    [[nodiscard]] ColourRef Colour() const noexcept { return colour_; }
    // Shows a colour in every control of the page, the value field included; does not
    // signal.
    void SetColour(ColourRef colour);

    // The value field read as a colour (names allowed); with warn, an unreadable text is
    // reported and takes the focus.
    [[nodiscard]] std::optional<ColourRef> ReadValue(bool warn);
    // Finishes edits still open on the page; false (after the message) when one is refused.
    virtual bool Commit();

Q_SIGNALS:
    // The user made another colour current on this page.
    void ColourChanged(velto::ColourRef colour);

protected:
    // Makes a colour current from one of the page's own controls and signals it; the value
    // field is rewritten unless the colour came from it.
    void Pick(ColourRef colour, bool fromValueField = false);
    // Lets a page's own controls follow the current colour.
    virtual void ShowColour(ColourRef) {}

    // "&Value:" and its field, then "Sample:" and the swatch, as two rows.
    [[nodiscard]] QLayout* MakeValueRows();

    Prompter& prompter_;
    QLineEdit* value_;
    ColourSample* sample_;
    RgbFields* rgb_;

private:
    void Show(ColourRef colour, bool valueText);

    bool useNames_;
    ColourRef colour_ = NoColour;
};

} // namespace velto
