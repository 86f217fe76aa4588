// ColourComboBox: the sixteen named colours.
#include "ui/colours/ColourComboBox.h"

#include "core/colours/NamedColours.h"
#include "ui/platform/ColourSwatch.h"

namespace velto {

ColourComboBox::ColourComboBox(QWidget* parent) : QComboBox(parent) {
    const auto table = NamedColours();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const QString name =
            QString::fromUtf8(table[i].name.data(), static_cast<qsizetype>(table[i].name.size()));
        addItem(ColourSwatch(table[i].colour), name, static_cast<int>(i));
    }
    connect(this, &QComboBox::activated, this, [this](int item) {
        if (item >= 0)
            Q_EMIT ColourPicked(ColourAt(item));
    });
}

ColourRef ColourComboBox::ColourAt(int item) const {
    const auto table = NamedColours();
    bool ok = false;
    const int entry = itemData(item).toInt(&ok);
    if (!ok || entry < 0 || static_cast<std::size_t>(entry) >= table.size())
        return NoColour;
    return table[static_cast<std::size_t>(entry)].colour;
}

void ColourComboBox::SetColour(ColourRef colour) {
    int found = -1;
    for (int i = 0; i < count() && found < 0; ++i)
        if (colour != NoColour && ColourAt(i) == colour)
            found = i;
    setCurrentIndex(found);
}

} // namespace velto
