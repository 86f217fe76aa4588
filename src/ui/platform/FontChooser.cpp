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
    return font;
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
