// RgbFields: the chooser's "RGB Value" group: red, green and blue each as a hexadecimal
// and a decimal field, and on the "User" page also as a scroll bar, all from 0 to 255.
#pragma once

#include "core/colours/ColourRef.h"

#include <QGroupBox>
#include <QList>

#include <array>

class QLineEdit;
class QScrollBar;

namespace velto {

class Prompter;

class RgbFields : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int MaxValue = 0xff;

    // The fields are checked when editing one ends: Return in it, or the focus moving to
    // another control of the same parent (the page), so leaving for a message box, the
    // dialog's buttons or another window does not judge a half-typed value.
    RgbFields(Prompter& prompter, bool withScrollBars, QWidget* parent);

    // Shows a colour without signalling (NoColour shows zeros).
    void SetColour(ColourRef colour);
    [[nodiscard]] ColourRef Colour() const noexcept { return colour_; }

    // Reads every field whose text no longer shows its component: false (after the
    // message) when one is refused.
    bool Commit();

    // The fields and scroll bars in tab order, row by row.
    [[nodiscard]] QList<QWidget*> TabChain() const;

Q_SIGNALS:
    // The user changed a component.
    void ColourEdited(velto::ColourRef colour);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Component {
        const char* name; // "Red", "Green" or "Blue"
        int shift;        // of the component in a ColourRef
        QLineEdit* hex = nullptr;
        QLineEdit* dec = nullptr;
        QScrollBar* bar = nullptr;
    };

    // Reads one field when its text was changed: a refused value beeps, is reported and
    // takes the focus back.
    bool Finish(QLineEdit* field);
    void SetComponent(Component& part, int value);
    void ShowComponent(const Component& part);
    [[nodiscard]] int ValueOf(const Component& part) const noexcept;
    // What a field shows for its component: two lower-case hexadecimal digits, or decimal.
    [[nodiscard]] QString FieldText(const Component& part, bool hex) const;

    Prompter& prompter_;
    std::array<Component, 3> parts_;
    ColourRef colour_ = 0;
};

} // namespace velto
