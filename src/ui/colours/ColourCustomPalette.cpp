// ColourCustomPalette: the colour chooser's "User" page.
#include "ui/colours/ColourCustomPalette.h"

#include "ui/colours/CustomColourList.h"
#include "ui/colours/RgbFields.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velto {

ColourCustomPalette::ColourCustomPalette(const CCustomColours& colours, Prompter& prompter,
                                         bool useNames, QWidget* parent)
    : ColourPage(prompter, useNames, true, parent), colours_(colours) {
    setObjectName(QStringLiteral("userPage"));
    // Made in tab order: the value field and RGB fields (by the base class), the
    // transfer buttons, the list and its buttons.
    toEntry_ = MakeButton("&>>", "toEntry", &ColourCustomPalette::ToEntry);
    fromEntry_ = MakeButton("&<<", "fromEntry", &ColourCustomPalette::FromEntry);
    auto* group = new QGroupBox(QStringLiteral("&Colours Added To Menu"), this);
    list_ = new CustomColourList(prompter, this, group);
    add_ = MakeButton("&Add", "add", &ColourCustomPalette::Add);
    remove_ = MakeButton("Re&move", "remove", &ColourCustomPalette::Remove);
    rename_ = MakeButton("Re&name", "rename", &ColourCustomPalette::Rename);
    up_ = MakeButton("&Up", "up", &ColourCustomPalette::MoveUp);
    down_ = MakeButton("&Down", "down", &ColourCustomPalette::MoveDown);

    // Room for a name of some twenty characters beside its swatch.
    list_->setMinimumWidth(list_->fontMetrics().averageCharWidth() * 22 + 40);
    for (QPushButton* button : {toEntry_, fromEntry_})
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(list_, &QListWidget::itemSelectionChanged, this, &ColourCustomPalette::UpdateButtons);
    connect(list_, &CustomColourList::RenamingChanged, this, &ColourCustomPalette::UpdateButtons);
    connect(list_, &CustomColourList::Renamed, this, [this](int row, const QString& name) {
        colours_.SetName(row, name.toUtf8().toStdString());
        list_->ShowEntry(row, colours_.Entry(row));
    });

    auto* left = new QVBoxLayout;
    left->addLayout(MakeValueRows());
    left->addWidget(rgb_);
    left->addStretch();
    auto* transfer = new QVBoxLayout;
    transfer->addStretch();
    transfer->addWidget(toEntry_);
    transfer->addWidget(fromEntry_);
    transfer->addStretch();
    auto* listButtons = new QVBoxLayout;
    for (QPushButton* button : {add_, remove_, rename_, up_, down_})
        listButtons->addWidget(button);
    listButtons->addStretch();
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(list_);
    groupLayout->addLayout(listButtons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(transfer);
    layout->addWidget(group, 1);

    list_->Fill(colours_, -1);
    UpdateButtons();
}

QPushButton* ColourCustomPalette::MakeButton(const char* text, const char* name,
                                             void (ColourCustomPalette::*action)()) {
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false); // Return stays with the dialog's OK
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

void ColourCustomPalette::UpdateButtons() {
    const bool idle = !list_->Renaming();
    const bool selected = idle && list_->Selected() >= 0;
    add_->setEnabled(idle && colours_.ActiveCount() < CCustomColours::MaxCount);
    for (QPushButton* button : {remove_, rename_, up_, down_, toEntry_, fromEntry_})
        button->setEnabled(selected);
}

void ColourCustomPalette::Reselect(int selected) {
    list_->Fill(colours_, selected);
    UpdateButtons();
}

void ColourCustomPalette::Add() {
    Reselect(colours_.Add(list_->Selected()));
}

void ColourCustomPalette::Remove() {
    Reselect(colours_.Remove(list_->Selected()));
}

void ColourCustomPalette::MoveUp() {
    Reselect(colours_.MoveUp(list_->Selected()));
}

void ColourCustomPalette::MoveDown() {
    Reselect(colours_.MoveDown(list_->Selected()));
}

void ColourCustomPalette::Rename() {
    list_->StartRename(list_->Selected());
}

void ColourCustomPalette::ToEntry() {
    const int selected = list_->Selected();
    if (selected < 0)
        return;
    const std::optional<ColourRef> colour = ReadValue(false);
    if (!colour) {
        // An unreadable value is not made into a colour that was never chosen.
        QApplication::beep();
        return;
    }
    colours_.Entry(selected).colour = *colour;
    list_->ShowEntry(selected, colours_.Entry(selected));
}

void ColourCustomPalette::FromEntry() {
    const int selected = list_->Selected();
    if (selected >= 0)
        Pick(colours_.Entry(selected).colour);
}

bool ColourCustomPalette::Commit() {
    return ColourPage::Commit() && list_->FinishRename();
}

} // namespace velto
