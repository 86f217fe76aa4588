// The problem report's facts as the running editor gathers them.
#include "ui/support/QtReportFacts.h"

#include "core/colouring/AppearanceSettings.h"
#include "core/support/LinuxFacts.h"
#include "ui/app/CQuorApp.h"
#include "ui/platform/FontChooser.h"
#include "ui/platform/QtProfile.h"
#include "ui/preview/LivePreviewEngine.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>

#include <Qsci/qsciglobal.h>

namespace velto {

namespace {
// "Label: "Family" 10 pt", with ", shown as ..." when the face given is another.
std::string FontLine(const QString& label, const QString& asked, const QFont& font) {
    const QFontInfo given(font);
    const auto described = [](const QString& family, double points) {
        return QStringLiteral("\"%1\" %2 pt").arg(family).arg(points);
    };
    QString line =
        label + QStringLiteral(": ") +
        described(asked.isEmpty() ? QStringLiteral("(default)") : asked, font.pointSizeF());
    if (given.family() != asked || given.pointSizeF() != font.pointSizeF())
        line += QStringLiteral(", shown as ") + described(given.family(), given.pointSizeF());
    return line.toStdString();
}
} // namespace

std::vector<std::string> QtReportFacts::FontLines(CQuorApp& app) {
    // The views draw every class in the Text class's face and size (the others differ in
    // colour and effects only).
    const CRecCharFormat& text = app.Appearance().Class(AppearanceClass::Text);
    QFont editor(DisplayFamily(text.faceName));
    editor.setPointSizeF(text.HeightInPoints());
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return {
        FontLine(QStringLiteral("Editor text"), QString::fromStdString(text.faceName), editor),
        FontLine(QStringLiteral("Fixed pitch"), fixed.family(), fixed),
        FontLine(QStringLiteral("Window"), QApplication::font().family(), QApplication::font())};
}

SystemFacts QtReportFacts::Gather() {
    FactsRequest request;
    request.productVersion = VELTO_VERSION;
    request.executable = QCoreApplication::applicationFilePath().toStdString();
    if (const auto* profile = dynamic_cast<const QtProfile*>(&app_.GetProfile()))
        request.settingsPath = profile->FileName().toStdString();
    request.qtPlatformName = QGuiApplication::platformName().toStdString();
    request.qtPlatform = request.qtPlatformName + " (Qt " + qVersion() + ")";
    request.qtVersion = std::string(qVersion()) + " (built with " QT_VERSION_STR ")";
    request.qscintillaVersion = QSCINTILLA_VERSION_STR;
    // Asked only of a module already loaded: loading the engine for a report would cost
    // seconds and change what is being reported on.
    request.webEngineVersion = LoadedWebEngineVersion().toStdString();
    request.fonts = FontLines(app_);
    request.currentFolder = QDir::currentPath().toStdString();
    return GatherSystemFacts(request);
}

void QtReportFacts::Busy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace velto
