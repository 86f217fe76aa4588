// CColourChooser: the "Colour Palettes" dialog: a "Standard" page of named and 256-palette
// colours and a "User" page of the user's own named colours, sharing one current colour.
#pragma once

#include "core/colours/ColourRef.h"

#include <QDialog>

#include <optional>

class QTabWidget;

namespace velto {

class CCustomColours;
class ColourBrowserPalette;
class ColourCustomPalette;
class ColourPage;
class Profile;
class Prompter;

class CColourChooser : public QDialog {
    Q_OBJECT
public:
    // useNames: the value field writes named colours by name ("InsertHtmlColourNames").
    // The "User" page edits a copy of customColours; OK copies it back and saves it to
    // the profile at once.
    CColourChooser(ColourRef initial, CCustomColours& customColours, Profile& profile,
                   Prompter& prompter, bool useNames, QWidget* parent = nullptr);

    // The chosen colour after OK (the initial one until then).
    [[nodiscard]] ColourRef Colour() const noexcept { return chosen_; }

public Q_SLOTS:
    // Reads the shown page's value field; an unreadable text or a refused field keeps the
    // dialog open.
    void accept() override;

private:
    [[nodiscard]] ColourPage* Page(int index) const;
    void OnPageChanged(int index);
    void Share(ColourPage* from, ColourRef colour);

    CCustomColours& customColours_;
    Profile& profile_;
    Prompter& prompter_;
    QTabWidget* tabs_;
    ColourBrowserPalette* standard_;
    ColourCustomPalette* user_;
    ColourRef chosen_;
    int shownPage_ = 0;
    bool switching_ = false;
};

// Runs the chooser; nothing on Cancel.
[[nodiscard]] std::optional<ColourRef> ChooseColour(ColourRef initial,
                                                    CCustomColours& customColours, Profile& profile,
                                                    Prompter& prompter, bool useNames,
                                                    QWidget* parent);

} // namespace velto
