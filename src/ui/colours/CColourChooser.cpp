// CColourChooser: the "Colour Palettes" dialog.
#include "ui/colours/CColourChooser.h"

#include "core/colours/CCustomColours.h"
#include "core/platform/Prompter.h"
#include "ui/colours/ColourBrowserPalette.h"
#include "ui/colours/ColourCustomPalette.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velto {

CColourChooser::CColourChooser(ColourRef initial, CCustomColours& customColours, Profile& profile,
                               Prompter& prompter, bool useNames, QWidget* parent)
    : QDialog(parent), customColours_(customColours), profile_(profile), prompter_(prompter),
      tabs_(new QTabWidget(this)), standard_(new ColourBrowserPalette(prompter, useNames, tabs_)),
      user_(new ColourCustomPalette(customColours, prompter, useNames, tabs_)), chosen_(initial) {
    setObjectName(QStringLiteral("colourChooser"));
    setWindowTitle(QStringLiteral("Colour Palettes"));
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->addTab(standard_, QStringLiteral("Standard"));
    tabs_->addTab(user_, QStringLiteral("User"));
    for (ColourPage* page :
         {static_cast<ColourPage*>(standard_), static_cast<ColourPage*>(user_)}) {
        page->SetColour(initial);
        connect(page, &ColourPage::ColourChanged, this,
                [this, page](ColourRef colour) { Share(page, colour); });
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &CColourChooser::OnPageChanged);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CColourChooser::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CColourChooser::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    // A dialog with a parent is centred over it when first shown (QDialog places it).
}

ColourPage* CColourChooser::Page(int index) const {
    return index == 0 ? static_cast<ColourPage*>(standard_) : static_cast<ColourPage*>(user_);
}

void CColourChooser::Share(ColourPage* from, ColourRef colour) {
    for (ColourPage* page : {Page(0), Page(1)})
        if (page != from)
            page->SetColour(colour);
}

void CColourChooser::OnPageChanged(int index) {
    if (switching_ || index == shownPage_ || index < 0)
        return;
    // Leaving a page finishes its open edits; a refused one keeps that page shown, so go
    // back to it first: the message then returns the focus to a visible field.
    const QScopedValueRollback guard(switching_, true);
    tabs_->setCurrentIndex(shownPage_);
    if (!Page(shownPage_)->Commit())
        return;
    tabs_->setCurrentIndex(index);
    shownPage_ = index;
    // Drops whatever unreadable text the page's value field was left with.
    Page(index)->SetColour(Page(index)->Colour());
}

void CColourChooser::accept() {
    ColourPage* page = Page(tabs_->currentIndex());
    if (!page->Commit())
        return;
    const std::optional<ColourRef> colour = page->ReadValue(true);
    if (!colour)
        return;
    chosen_ = *colour;
    customColours_ = user_->Colours();
    if (!customColours_.Save(profile_))
        prompter_.Message("Warning - unable to save the custom colours", Prompter::Kind::Warning);
    QDialog::accept();
}

std::optional<ColourRef> ChooseColour(ColourRef initial, CCustomColours& customColours,
                                      Profile& profile, Prompter& prompter, bool useNames,
                                      QWidget* parent) {
    CColourChooser chooser(initial, customColours, profile, prompter, useNames, parent);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.Colour();
}

} // namespace velto
