// ColourComboBox: the sixteen named colours by name with swatches, in table order.
#pragma once

#include "core/colours/ColourRef.h"

#include <QComboBox>

namespace velto {

class ColourComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ColourComboBox(QWidget* parent = nullptr);

    // Selects the item of the colour, or none when it is not a named colour.
    void SetColour(ColourRef colour);
    // The colour of an item (its data is the item's position in the named-colour table).
    [[nodiscard]] ColourRef ColourAt(int item) const;

Q_SIGNALS:
    // The user chose an item.
    void ColourPicked(velto::ColourRef colour);
};

} // namespace velto
