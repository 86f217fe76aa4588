// The application object: start-up, exit, recent files and the shared objects.
#include "ui/app/CQuorApp.h"

#include "core/app/RawCommandLine.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/templates/ShippedData.h"
#include "ui/app/AppIcon.h"
#include "ui/app/CInstanceMarker.h"
#include "ui/app/CMainFrame.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/RecoveryHost.h"
#include "ui/platform/DataPaths.h"
#include "ui/platform/QtFileFilters.h"
#include "ui/platform/QtProfile.h"
#include "ui/platform/QtPrompter.h"
#include "core/reference/CHtmlHelpRefMgr.h"
#include "ui/preview/PreviewHost.h"
#include "ui/reference/ReferenceWindow.h"
#include "ui/support/CTipDlg.h"
#include "core/support/CTipOfTheDay.h"
#include "ui/templates/FolderMenuHost.h"

#include <Qsci/qsciprinter.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStatusBar>
#include <QTimer>

#include <cstdio>

namespace velto {

CQuorApp::CQuorApp(std::unique_ptr<Profile> profile)
    : profile_(profile ? std::move(profile) : std::make_unique<QtProfile>()),
      ownPrompter_(std::make_unique<QtPrompter>()), prompter_(ownPrompter_.get()),
      recentFiles_(std::make_unique<CRecentFileList>(0, 0)) {}

CQuorApp::~CQuorApp() {
    // Windows go before the objects they use. Recovery files stay as after a crash: only
    // ExitInstance is a clean exit.
    recovery_.reset();
    mainFrame_.reset();
    folderMenus_.reset();
    previews_.reset();
    references_.reset();
    docManager_.reset();
    knowledgeBase_.reset();
    marker_.reset();
}

void CQuorApp::SetPrompter(Prompter* prompter) {
    prompter_ = prompter ? prompter : ownPrompter_.get();
}

bool CQuorApp::InitInstance(const QStringList& arguments) {
    // The settings file stands in for the registry key; it was opened with the object.
    CreateDocManager();
    ClaimInstanceMarker();
    LoadRecentFiles();
    LoadConfiguration();
    LoadPreviewers();
    LoadAppearance();
    LoadTemplates();
    LoadReferenceManager();
    RegisterDocumentTypes();
    BuildFolderMenus();
    LoadPalette();
    InstallApplicationIcon();
    if (!CreateMainFrame())
        return false;
    const CBetterCmdLineInfo info = ParseCommandLine(arguments);
    if (AnswersAtOnce(info))
        return false;
    // Printing is done by the start that asked for it: a running copy would not print.
    const bool printing = info.shellCommand == CBetterCmdLineInfo::FilePrint ||
                          info.shellCommand == CBetterCmdLineInfo::FilePrintTo;
    if (!printing && HandOver()) {
        exitCode_ = 0;
        return false;
    }
    StartRecovery();
    BuildKnowledgeBase();
    exitCode_ = 1;
    if (!ProcessShellCommand(info, false))
        return false;
    exitCode_ = 0;
    OfferRecovery();
    CleanUpPreviewFiles();
    SetUpDefaultPreviewers();
    OfferTipOfTheDay(info.showSplash);
    started_ = true;
    // Command lines that arrived while starting are carried out once the loop runs.
    QTimer::singleShot(0, this, &CQuorApp::ProcessPendingCommands);
    return true;
}

void CQuorApp::CreateDocManager() {
    docManager_ = std::make_unique<CQuorDocManager>(*this);
    connect(docManager_.get(), &CQuorDocManager::DocumentOpened, this, [this](CQuorDoc* doc) {
        if (!doc->PathName().isEmpty())
            AddToRecentFileList(doc->PathName());
    });
    connect(docManager_.get(), &CQuorDocManager::DocumentSaved, this,
            &CQuorApp::AddToRecentFileList);
    // A document saved into the templates or snippets folder shows in their menus at once.
    connect(docManager_.get(), &CQuorDocManager::DocumentSaved, this, [this] {
        if (folderMenus_)
            folderMenus_->RebuildTemplates();
    });
}

void CQuorApp::ClaimInstanceMarker() {
    if (instanceName_.isEmpty())
        return;
    marker_ = std::make_unique<CInstanceMarker>(instanceName_);
    marker_->accepting = [this] { return handOverGuard_ == 0; };
    connect(marker_.get(), &CInstanceMarker::CommandReceived, this,
            [this](const QByteArray& command, const QString& workingDir) {
                pendingCommands_.emplace_back(command.toStdString(), workingDir);
                if (started_)
                    ProcessPendingCommands();
            });
    marker_->Claim();
}

void CQuorApp::StartRecovery() {
    recovery_ = std::make_unique<RecoveryHost>(*this, JoinPath(UserStateFolder(), QStringLiteral("recovery")));
    connect(docManager_.get(), &CQuorDocManager::DocumentOpened, recovery_.get(), &RecoveryHost::Watch);
}

void CQuorApp::OfferRecovery() {
    // Once the main window shows, after the command line's documents have opened.
    QTimer::singleShot(0, this, [this] {
        if (recovery_ && mainFrame_ && mainFrame_->isVisible())
            recovery_->OfferLeftFiles();
    });
}

void CQuorApp::LoadRecentFiles() {
    // The two recent-file settings are read ahead of the rest of "Settings".
    CGeneralConfig settings;
    settings.Load(*profile_);
    recentFiles_ = std::make_unique<CRecentFileList>(settings.mruFiles, settings.mruEntryWidth);
    recentFiles_->ReadList(*profile_);
}

void CQuorApp::LoadConfiguration() {
    general_.Load(*profile_);
    html_.Load(*profile_);
    editor_.Load(*profile_);
    margins_.Load(*profile_);
}

void CQuorApp::LoadAppearance() {
    appearance_.LoadAll(*profile_);
}

void CQuorApp::LoadPreviewers() {
    previews_ = std::make_unique<PreviewHost>(*this);
}

void CQuorApp::CleanUpPreviewFiles() {
    // Preview files left by a run that ended without cleaning up.
    previews_->Cleanup().Load();
}

void CQuorApp::SetUpDefaultPreviewers() {
    previews_->SetUpDefaults();
}

void CQuorApp::ReleasePreviewers() {
    previews_->Profiles().Release();
}

void CQuorApp::DeleteCleanupFiles() {
    previews_->Cleanup().CleanUp();
}

void CQuorApp::OfferTipOfTheDay(bool showSplash) {
    // Shown once the window is up, without holding up the start (commands from other
    // starts are carried out meanwhile).
    if (showSplash && CTipOfTheDay::ShowsAtStartUp(*profile_))
        QTimer::singleShot(0, this, [this] {
            if (mainFrame_)
                CTipDlg::ShowAtStart(*this, mainFrame_.get());
        });
}

void CQuorApp::LoadReferenceManager() {
    references_ = std::make_unique<CQuorHtmlHelpRefMgr>(
        *profile_, JoinPath(userFolder_, QStringLiteral("HTML References")).toStdString());
    // An index is built on the window's own thread: the wait cursor and the status text
    // are shown (painted at once, as nothing else paints meanwhile) until it is done.
    references_->status = [this](const std::string& text) {
        if (!text.empty())
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
        if (mainFrame_) {
            mainFrame_->ShowPrompt(QString::fromStdString(text));
            mainFrame_->statusBar()->repaint();
        }
    };
    references_->Start();
}

bool CQuorApp::ShowTopic(int cls, const std::string& word) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<CQuorHtmlHelpRefMgr::Topic> topic = references_->Lookup(cls, word);
    QGuiApplication::restoreOverrideCursor();
    if (!topic || !mainFrame_)
        return false;
    mainFrame_->Reference(true)->OpenPage(topic->page, topic->anchor);
    return true;
}

void CQuorApp::ContextHelp(const std::string& element) {
    if (!ShowTopic(1, element))
        prompter_->Message(ContextHelpUnavailable(element, references_->ReferenceForClass(1, false)),
                           Prompter::Kind::Information);
}

void CQuorApp::LoadTemplates() {
    // Templates and snippets are saved into their folders, so the menus read the user's
    // own copy of the shipped folders, made (and completed) here.
    const QString shipped = DataFolder();
    const QString user = UserDataFolder();
    const ShippedCopyResult copy = CopyShippedFolders(
        shipped.toStdString(), user.toStdString(), {"Templates", "HTML References", "On The Web"});
    for (const std::string& failure : copy.failures)
        std::fprintf(stderr, "velto: could not copy %s\n", failure.c_str());
    userFolder_ = QFileInfo(JoinPath(user, QStringLiteral("Templates"))).isDir() ? user : shipped;
    folderMenus_ = std::make_unique<FolderMenuHost>(*this, userFolder_);
}

void CQuorApp::BuildFolderMenus() {
    folderMenus_->BuildAll();
}

bool CQuorApp::CreateMainFrame() {
    mainFrame_ = std::make_unique<CMainFrame>(*this);
    static_cast<QtPrompter*>(ownPrompter_.get())->SetParent(mainFrame_.get());
    docManager_->SetMdiArea(mainFrame_->MdiArea());
    return true;
}

CBetterCmdLineInfo CQuorApp::ParseCommandLine(const QStringList& arguments) {
    std::vector<std::string> args;
    for (const QString& a : arguments)
        args.push_back(a.toStdString());
    rawCommandLine_ = JoinArguments(args);
    baseDir_ = QDir::currentPath();
    CBetterCmdLineInfo info(ExistsTest(), rawCommandLine_);
    ParseRawCommandLine(rawCommandLine_, info);
    return info;
}

bool CQuorApp::AnswersAtOnce(const CBetterCmdLineInfo& info) {
    if (info.wantsHelp) {
        std::fputs(CommandLineUsage("velto").c_str(), stdout);
    } else if (info.wantsVersion) {
        std::printf("velto %s\n", VELTO_VERSION);
    } else if (info.runEmbedded || info.runAutomated) {
        // There is no object container on this platform to embed in or automate from.
        std::fputs("velto: -Embedding and -Automation are not supported on this platform\n", stderr);
        exitCode_ = 2;
        return true;
    } else {
        return false;
    }
    std::fflush(stdout);
    exitCode_ = 0;
    return true;
}

void CQuorApp::LoadPalette() {
    customColours_.Load(*profile_);
}

void CQuorApp::BuildKnowledgeBase() {
    knowledgeBase_ = std::make_unique<HtmlKnowledgeBase>(
        html_, editor_, [this] { return customColours_.ActiveCount() > 0; });
    // The insert menus listen for the rebuild, which builds them the first time.
    Q_EMIT KnowledgeBaseReady();
    knowledgeBase_->RebuildAllowed();
}

int CQuorApp::ExitInstance() {
    // The documents are closed: nothing is left to recover.
    if (recovery_)
        recovery_->Shutdown();
    ReleaseReferenceWindow();
    ReleasePreviewers();
    DeleteCleanupFiles();
    // The insert menus' commands point into the knowledge base.
    ReleaseInsertMenus();
    knowledgeBase_.reset();
    recentFiles_->WriteList(*profile_);
    marker_.reset();
    if (auto* settings = dynamic_cast<QtProfile*>(profile_.get()))
        settings->Sync();
    return exitCode_;
}

bool CQuorApp::OnCmdMsg(int id) {
    // The templates, snippets, HTML references and On The Web menus are asked in turn.
    return folderMenus_ && folderMenus_->OnCmdMsg(id);
}

QString CQuorApp::FolderMenuPrompt(int id) const {
    return folderMenus_ ? folderMenus_->Prompt(id) : QString();
}

QMenu* CQuorApp::FolderMenuOf(FolderMenu which) const {
    return folderMenus_ ? folderMenus_->MenuOf(which) : nullptr;
}

void CQuorApp::AddToRecentFileList(const QString& path) {
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    recentFiles_->Add(absolute.toStdString());
    recentFiles_->WriteList(*profile_);
    Q_EMIT RecentFilesChanged();
}

void CQuorApp::OpenRecentFile(std::size_t index) {
    if (index >= recentFiles_->Entries().size())
        return;
    const QString path = QString::fromStdString(recentFiles_->Entries()[index]);
    if (docManager_->OpenDocumentFile(path))
        return;
    // The file is gone or unreadable (the user has been told): it leaves the list.
    const auto& entries = recentFiles_->Entries();
    const auto it = std::find(entries.begin(), entries.end(), path.toStdString());
    if (it != entries.end())
        recentFiles_->Remove(static_cast<std::size_t>(it - entries.begin()));
    recentFiles_->WriteList(*profile_);
    Q_EMIT RecentFilesChanged();
}

QsciPrinter& CQuorApp::Printer() {
    if (!printer_)
        printer_ = std::make_unique<QsciPrinter>();
    return *printer_;
}

QWidget* CQuorApp::MainWindow() const {
    return mainFrame_.get();
}

QString CQuorApp::DataFolder() const {
    return ProgramDataFolder();
}

QString CQuorApp::DefaultTemplatePath() const {
    return QString::fromStdString(folderMenus_->Templates().DefaultTemplatePath());
}

QString CQuorApp::ChooseInsertFile(QWidget* parent) {
    if (insertFileHook)
        return insertFileHook();
    static constexpr std::string_view filterText =
        "HTML Files (*.htm;*.html)|*.htm;*.html|Text Files(*.txt)|*.txt|"
        "HTML Templates (*.htt)|*.htt|All Files (*.*)|*.*||";
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Insert File"), QString(),
        QtNameFilters(ParseFilterText(filterText)).join(QStringLiteral(";;")), nullptr,
        QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
}

} // namespace velto
