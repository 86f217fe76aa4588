// File filters in the form Qt's file dialog reads them.
#include "ui/platform/QtFileFilters.h"

namespace velto {

QStringList QtNameFilters(const std::vector<FileFilter>& filters) {
    QStringList out;
    for (const FileFilter& f : filters) {
        QStringList patterns = QString::fromStdString(f.pattern).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns)
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        out << QString::fromStdString(f.display) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                   QLatin1Char(')');
    }
    return out;
}

} // namespace velto
