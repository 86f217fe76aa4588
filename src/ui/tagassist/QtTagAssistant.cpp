// The tag assistance's dialogs and messages in the main window.
#include "ui/tagassist/QtTagAssistant.h"

#include "core/platform/Prompter.h"
#include "ui/app/CQuorApp.h"
#include "ui/colours/CColourChooser.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/tagassist/CAttStringDlg.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace velto {
namespace {

// Whether the desktop names an application for the file's type. Without xdg-mime to ask,
// the opener is left to find out.
bool DesktopHasApplicationFor(const QString& path) {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return true;
    const QString type = QMimeDatabase().mimeTypeForFile(path).name();
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return true;
    }
    return query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0 ||
           !query.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

std::optional<TagAssistant::ValueAnswer> QtTagAssistant::AskValue(const ValueRequest& request) {
    return AskAttributeValue(request, app_.Editor(), app_.GetPrompter(), parent_);
}

std::optional<ColourRef> QtTagAssistant::ChooseColour(ColourRef current) {
    return velto::ChooseColour(current, app_.CustomColours(), app_.GetProfile(), app_.GetPrompter(),
                               app_.Editor().insertHtmlColourNames, parent_);
}

void QtTagAssistant::Message(const std::string& text) {
    app_.GetPrompter().Message(text, Prompter::Kind::Warning);
}

bool QtTagAssistant::OpenDocument(const std::string& path) {
    return app_.DocManager().OpenDocumentFile(QString::fromStdString(path)) != nullptr;
}

TagAssistant::DesktopOpen QtTagAssistant::OpenWithDesktop(const std::string& path) {
    const QString file = QString::fromStdString(path);
    if (!DesktopHasApplicationFor(file))
        return DesktopOpen::NoApplication;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file)) ? DesktopOpen::Opened : DesktopOpen::Failed;
}

} // namespace velto
