// ColourPage: the controls both colour chooser pages share.
#include "ui/colours/ColourPage.h"

#include "core/colours/ColourText.h"
#include "core/platform/Prompter.h"
#include "ui/colours/ColourSample.h"
#include "ui/colours/RgbFields.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace velto {

ColourPage::ColourPage(Prompter& prompter, bool useNames, bool componentScrollBars, QWidget* parent)
    : QWidget(parent), prompter_(prompter), value_(new QLineEdit(this)),
      sample_(new ColourSample(this)), rgb_(new RgbFields(prompter, componentScrollBars, this)),
      useNames_(useNames) {
    value_->setObjectName(QStringLiteral("value"));
    sample_->setObjectName(QStringLiteral("sample"));
    connect(value_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const ColourRef colour = ColourFromText(text.toUtf8().toStdString(), true);
        if (colour != NoColour)
            Pick(colour, true);
    });
    connect(rgb_, &RgbFields::ColourEdited, this, [this](ColourRef colour) { Pick(colour); });
}

QLayout* ColourPage::MakeValueRows() {
    auto* rows = new QFormLayout;
    auto* valueLabel = new QLabel(QStringLiteral("&Value:"), this);
    valueLabel->setBuddy(value_);
    rows->addRow(valueLabel, value_);
    auto* sampleRow = new QHBoxLayout;
    sampleRow->addWidget(sample_);
    sampleRow->addStretch();
    rows->addRow(new QLabel(QStringLiteral("Sample:"), this), sampleRow);
    return rows;
}

void ColourPage::Show(ColourRef colour, bool valueText) {
    colour_ = colour;
    if (valueText)
        value_->setText(QString::fromUtf8(TextFromColour(colour, useNames_)));
    sample_->SetColour(colour);
    rgb_->SetColour(colour);
    ShowColour(colour);
}

void ColourPage::SetColour(ColourRef colour) {
    Show(colour, true);
}

void ColourPage::Pick(ColourRef colour, bool fromValueField) {
    Show(colour, !fromValueField);
    Q_EMIT ColourChanged(colour);
}

std::optional<ColourRef> ColourPage::ReadValue(bool warn) {
    const QString text = value_->text();
    const ColourRef colour = ColourFromText(text.toUtf8().toStdString(), true);
    if (colour != NoColour)
        return colour;
    if (warn) {
        prompter_.Message("Warning - invalid colour value set: '" + text.toUtf8().toStdString() +
                              "'",
                          Prompter::Kind::Warning);
        value_->setFocus(Qt::OtherFocusReason);
        value_->selectAll();
    }
    return std::nullopt;
}

bool ColourPage::Commit() {
    return rgb_->Commit();
}

} // namespace velto
