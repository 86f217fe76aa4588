// The platform font dialog for an appearance class's character format.
#include "ui/platform/FontChooser.h"

#include "core/colouring/CRecCharFormat.h"
#include "core/colouring/FontDialogValues.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>

#include <algorithm>
#include <cmath>

namespace velto {

QString DisplayFamily(const std::string& face) {
    const QString family = QString::fromStdString(face);
    if (!family.isEmpty() && QFontDatabase::families().contains(family, Qt::CaseInsensitive))
        return family;
    // The real family behind the system's fixed-pitch alias, so a font dialog can show it.
    return QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
}

QFont FontFromDialogValues(const FontDialogValues& values) {
    QFont font(DisplayFamily(values.faceName));
    CRecCharFormat probe;
    probe.height = values.height;
    font.setPointSizeF(probe.HeightInPoints());
    // Both scales run from 100 (thin) to 900 (black), 400 normal and 700 bold.
    font.setWeight(static_cast<QFont::Weight>(std::clamp(values.weight, 1, 1000)));
    font.setItalic(values.italic);
    font.setUnderline(values.underline);
    font.setStrikeOut(values.strikeOut);
    font.setStyleHint(QFont::TypeWriter);
    // The font dialog picks a face of the family by its style name. Without one it takes
    // whichever face fontconfig lists first, so a normal DejaVu font would open (and, on
    // OK, come back) as "Oblique".
    const QString style = MatchingStyleName(font);
    if (!style.isEmpty())
        font.setStyleName(style);
    return font;
}

QString MatchingStyleName(const QFont& font) {
    QString best;
    int bestScore = -1;
    for (const QString& style : QFontDatabase::styles(font.family())) {
        const QFont face = QFontDatabase::font(font.family(), style, 10);
        if (face.italic() != font.italic())
            continue;
        // The nearest weight wins; of equals, the plainest name ("Bold" before "Condensed
        // Bold"): fontconfig reports no width for these faces.
        const int score = 1000000 - std::abs(face.weight() - font.weight()) * 1000 -
                          static_cast<int>(std::min<qsizetype>(style.size(), 999));
        if (score > bestScore) {
            bestScore = score;
            best = style;
        }
    }
    return best;
}

FontDialogValues DialogValuesFromFont(const QFont& font, const FontDialogValues& start) {
    FontDialogValues v = start; // the colour and pitch stay: the dialog does not show them
    v.faceName = font.family().toStdString();
    v.height = CRecCharFormat::HeightFromPoints(font.pointSizeF() > 0 ? font.pointSizeF()
                                                                      : font.pixelSize() * 0.75);
    v.weight = static_cast<int>(font.weight());
    v.italic = font.italic();
    v.underline = font.underline();
    v.strikeOut = font.strikeOut();
    return v;
}

bool ChooseFont(CRecCharFormat& format, QWidget* parent) {
    const FontDialogValues start = FontDialogStart(format);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, FontFromDialogValues(start), parent,
                                              QStringLiteral("Font"),
                                              QFontDialog::DontUseNativeDialog);
    if (ok)
        TakeFontDialogResult(format, DialogValuesFromFont(chosen, start));
    return ok;
}

} // namespace velto
