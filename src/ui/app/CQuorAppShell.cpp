// The application object's shell commands: the command line carried out at start-up or
// handed over by a later start, printing from the command line, and showing the window.
#include "ui/app/CQuorApp.h"

#include "core/app/HandOverCommand.h"
#include "core/app/RawCommandLine.h"
#include "ui/app/CInstanceMarker.h"
#include "ui/app/CMainFrame.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/ViewPrinting.h"

#include <Qsci/qsciprinter.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>

#include <cstdio>

namespace velto {

namespace {
void ReportOnStandardError(const QString& text) {
    std::fprintf(stderr, "velto: %s\n", text.toLocal8Bit().constData());
}
} // namespace

QString CQuorApp::ResolvePath(const std::string& name) const {
    const QDir base(baseDir_.isEmpty() ? QDir::currentPath() : baseDir_);
    return QDir::cleanPath(base.absoluteFilePath(QString::fromStdString(name)));
}

bool CQuorApp::FileExists(const std::string& name) const {
    return !name.empty() && QFileInfo(ResolvePath(name)).isFile();
}

CBetterCmdLineInfo::FileExistsFn CQuorApp::ExistsTest() const {
    return [this](const std::string& name) { return FileExists(name); };
}

bool CQuorApp::HandOver() {
    // The first instance has no one to hand over to.
    if (!marker_ || marker_->Owned())
        return false;
    ++handOverGuard_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool taken = marker_->Send(QByteArray::fromStdString(FormatHandOverCommand(rawCommandLine_)),
                                     QDir::currentPath());
    QApplication::restoreOverrideCursor();
    --handOverGuard_;
    return taken;
}

void CQuorApp::ProcessPendingCommands() {
    while (!pendingCommands_.empty()) {
        const auto [command, workingDir] = pendingCommands_.front();
        pendingCommands_.erase(pendingCommands_.begin());
        OnDDECommand(command, workingDir);
    }
}

bool CQuorApp::OnDDECommand(const std::string& command, const QString& workingDir) {
    // The handed-over line replaces this start's line while it is carried out; relative
    // names are read against the folder the other start ran in.
    const std::string savedLine = rawCommandLine_;
    const QString savedBase = baseDir_;
    if (!workingDir.isEmpty())
        baseDir_ = workingDir;
    bool result = false;
    if (std::optional<std::string> line = HandOverCommandLine(command)) {
        rawCommandLine_ = *line;
        CBetterCmdLineInfo info(ExistsTest(), rawCommandLine_);
        ParseRawCommandLine(rawCommandLine_, info);
        result = ProcessShellCommand(info, true);
    } else if (std::optional<std::string> file = ShellOpenFile(command)) {
        result = OpenCommandLineFile(*file);
        if (result)
            ShowMainWindow(true);
    }
    rawCommandLine_ = savedLine;
    baseDir_ = savedBase;
    return result;
}

bool CQuorApp::ProcessShellCommand(const CBetterCmdLineInfo& info, bool fromDDE) {
    bool result = true;
    bool shown = false;
    if (info.shellCommand == CBetterCmdLineInfo::FileOpen) {
        if (startShowCommand_ != WPlacementObj::Hidden)
            startShowCommand_ = WPlacementObj::Normal;
        // A start shows its window before opening even one file: document windows take
        // their size from the shown window's area.
        if (!fromDDE || (mainFrame_ && mainFrame_->isMinimized())) {
            ShowMainWindow(fromDDE);
            shown = true;
        }
        // Every file is tried, also after one has failed.
        for (const std::string& file : info.files)
            if (!OpenCommandLineFile(file))
                result = false;
    } else if (fromDDE) {
        switch (info.shellCommand) {
        case CBetterCmdLineInfo::FileNew:
            ShowMainWindow(true); // only brought forward: no new document
            shown = true;
            break;
        case CBetterCmdLineInfo::FilePrint:
        case CBetterCmdLineInfo::FilePrintTo:
        case CBetterCmdLineInfo::FileDDE:
            break;
        default:
            result = ProcessPlainShellCommand(info);
            break;
        }
    } else {
        result = ProcessPlainShellCommand(info);
    }
    if (result && !shown)
        ShowMainWindow(fromDDE);
    return result;
}

bool CQuorApp::ProcessPlainShellCommand(const CBetterCmdLineInfo& info) {
    switch (info.shellCommand) {
    case CBetterCmdLineInfo::FileNew:
        if (!mainFrame_)
            return false;
        docManager_->OnFileNew();
        return true;
    case CBetterCmdLineInfo::FileOpen:
        return OpenCommandLineFile(info.fileName);
    case CBetterCmdLineInfo::FilePrint:
    case CBetterCmdLineInfo::FilePrintTo:
        PrintFromCommandLine(info);
        return false; // the program ends after printing
    case CBetterCmdLineInfo::FileDDE:
        // Started by the shell to receive a command: hidden until one arrives.
        savedShowCommand_ = startShowCommand_;
        startShowCommand_ = WPlacementObj::Hidden;
        return true;
    }
    return false;
}

bool CQuorApp::OpenCommandLineFile(const std::string& name) {
    return docManager_->OpenDocumentFile(ResolvePath(name)) != nullptr;
}

bool CQuorApp::PrintFromCommandLine(const CBetterCmdLineInfo& info) {
    if (mainFrame_)
        mainFrame_->hide();
    exitCode_ = 1;
    if (info.fileName.empty()) {
        ReportOnStandardError(QStringLiteral("no file to print was named"));
        return false;
    }
    const QString file = ResolvePath(info.fileName);
    CQuorDoc* doc = docManager_->OpenDocumentFile(file);
    if (!doc || !doc->View())
        return false; // the document manager has said why
    QsciPrinter& printer = Printer();
    // The driver and port of a print-to command mean nothing here; the printer's name does.
    if (info.shellCommand == CBetterCmdLineInfo::FilePrintTo) {
        const QString name = QString::fromStdString(info.printerName);
        if (QPrinterInfo::printerInfo(name).isNull()) {
            ReportOnStandardError(QStringLiteral("there is no printer named \"%1\"").arg(name));
            exitCode_ = 3;
            return false;
        }
        printer.setPrinterName(name);
    } else if (QPrinterInfo::defaultPrinter().isNull()) {
        ReportOnStandardError(QStringLiteral("no printer is available to print %1").arg(file));
        exitCode_ = 3;
        return false;
    }
    if (!PrintViewDirect(*this, *doc->View())) {
        ReportOnStandardError(QStringLiteral("printing %1 failed").arg(file));
        return false;
    }
    exitCode_ = 0;
    return true;
}

void CQuorApp::ShowMainWindow(bool fromDDE) {
    if (!mainFrame_)
        return;
    if (fromDDE && startShowCommand_ == WPlacementObj::Hidden) {
        // Started hidden for the shell: the first command shows the window properly.
        startShowCommand_ = savedShowCommand_;
        fromDDE = false;
    }
    if (fromDDE) {
        if (mainFrame_->isMinimized())
            mainFrame_->showNormal();
        else
            mainFrame_->show();
        mainFrame_->raise();
        mainFrame_->activateWindow();
        OfferRecovery();
        return;
    }
    if (startShowCommand_ == WPlacementObj::Hidden)
        return;
    if (!mainFrame_->RestorePlacement(startShowCommand_ == WPlacementObj::Minimised))
        mainFrame_->ShowWithCommand(startShowCommand_);
    OfferRecovery();
}

} // namespace velto
