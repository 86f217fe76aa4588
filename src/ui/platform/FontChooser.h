// The platform font dialog for an appearance class's character format.
#pragma once

#include <QString>

#include <string>

class QFont;
class QWidget;

namespace velto {

class CRecCharFormat;
struct FontDialogValues;

// Shows the font dialog starting from the format; on OK the format takes the chosen face,
// size and effects (bold only for a weight of exactly 700; character set and offset
// unchanged). Returns whether the user pressed OK.
bool ChooseFont(CRecCharFormat& format, QWidget* parent);

// The family a stored face shows in: the face itself when installed, else the system's
// fixed-pitch font (the default "Courier New" is rarely installed here).
QString DisplayFamily(const std::string& face);

// The family's style name ("Book", "Bold", "Oblique") whose face has the font's slant and
// the nearest weight, or an empty string when the family has none.
QString MatchingStyleName(const QFont& font);

// The conversions both ways, for the dialog and its tests.
QFont FontFromDialogValues(const FontDialogValues& values);
FontDialogValues DialogValuesFromFont(const QFont& font, const FontDialogValues& start);

} // namespace velto
