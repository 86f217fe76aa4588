// ColourBrowserPalette: the colour chooser's "Standard" page.
#include "ui/colours/ColourBrowserPalette.h"

#include "ui/colours/ColourComboBox.h"
#include "ui/colours/ColourPicker256.h"
#include "ui/colours/RgbFields.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace velto {

ColourBrowserPalette::ColourBrowserPalette(Prompter& prompter, bool useNames, QWidget* parent)
    : ColourPage(prompter, useNames, false, parent), named_(new ColourComboBox(this)),
      picker_(new ColourPicker256(this)) {
    setObjectName(QStringLiteral("standardPage"));
    named_->setObjectName(QStringLiteral("namedColours"));
    picker_->setObjectName(QStringLiteral("picker"));
    connect(named_, &ColourComboBox::ColourPicked, this,
            [this](ColourRef colour) { Pick(colour); });
    connect(picker_, &ColourPicker256::ColourPicked, this,
            [this](ColourRef colour) { Pick(colour); });

    auto* namedLabel = new QLabel(QStringLiteral("&16 Colour Displays:"), this);
    namedLabel->setBuddy(named_);
    auto* standard = new QGroupBox(QStringLiteral("&Standard Colours"), this);
    auto* pickerLabel = new QLabel(QStringLiteral("&256 Colour Displays:"), standard);
    pickerLabel->setBuddy(picker_);
    picker_->setParent(standard);
    auto* standardLayout = new QVBoxLayout(standard);
    standardLayout->addWidget(pickerLabel);
    standardLayout->addWidget(picker_);

    auto* left = new QVBoxLayout;
    left->addWidget(namedLabel);
    left->addWidget(named_);
    left->addWidget(standard);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(rgb_);
    right->addLayout(MakeValueRows());
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);

    // The controls were made base class first; tab through them as they are laid out.
    QList<QWidget*> chain{named_, picker_};
    chain << rgb_->TabChain() << value_;
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        setTabOrder(chain[i], chain[i + 1]);
}

void ColourBrowserPalette::ShowColour(ColourRef colour) {
    named_->SetColour(colour);
    picker_->SetColour(colour);
}

} // namespace velto
