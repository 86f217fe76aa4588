// The application object: owns the settings, the configuration sections, the document
// manager, the knowledge base, the recent files and the main window for the whole run,
// and runs the start-up, the command line, the single-instance hand-over and the exit.
#pragma once

#include "core/app/CBetterCmdLineInfo.h"
#include "core/app/CRecentFileList.h"
#include "core/colouring/AppearanceSettings.h"
#include "core/colours/CCustomColours.h"
#include "core/config/EditorConfig.h"
#include "core/config/GeneralConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/config/PrintingSettings.h"
#include "core/config/WindowPlacement.h"
#include "core/platform/Profile.h"
#include "core/platform/Prompter.h"
#include "core/templates/FolderMenus.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QMenu;
class QWidget;
class QsciPrinter;

namespace velto {

class CInstanceMarker;
class CMainFrame;
class CQuorHtmlHelpRefMgr;
class FolderMenuHost;
class PreviewHost;
class RecoveryHost;
class CQuorDocManager;
class HtmlKnowledgeBase;

class CQuorApp : public QObject {
    Q_OBJECT
public:
    // The four menus that mirror folders: templates, snippets, HTML references, On The Web.
    using FolderMenu = FolderMenuKind;

    // Settings come from the given store (the user's settings file when none is given).
    explicit CQuorApp(std::unique_ptr<Profile> profile = nullptr);
    ~CQuorApp() override;

    // The name under which the first instance listens for later starts; without one
    // (the default) every start runs on its own.
    void SetInstanceName(const QString& name) { instanceName_ = name; }
    // The show command the program was started with (WPlacementObj numbering).
    void SetStartShowCommand(std::uint32_t command) { startShowCommand_ = command; }

    // Start-up with the program's arguments (without the program name). False when the
    // program should end now, with ExitCode() as its status: after a hand-over, printing,
    // --help or --version, or a failure.
    bool InitInstance(const QStringList& arguments);
    // The orderly release after the main window has closed; returns the exit status.
    int ExitInstance();
    [[nodiscard]] int ExitCode() const { return exitCode_; }

    // An execute string from another start (or the shell's open command); workingDir is
    // the folder that start ran in, against which relative names are read.
    bool OnDDECommand(const std::string& command, const QString& workingDir = QString());
    // Carries out a parsed command line; fromDDE when it came from another start.
    bool ProcessShellCommand(const CBetterCmdLineInfo& info, bool fromDDE);
    // Shows the main window: from another start only raised (restored if minimised);
    // otherwise with the saved placement.
    void ShowMainWindow(bool fromDDE);
    // Hands the command line to a running instance; true when it took it.
    bool HandOver();
    // Non-zero while this instance is itself handing a command line over.
    [[nodiscard]] int HandOverGuard() const { return handOverGuard_; }

    // Offered every command before the ordinary routing: the folder menus take theirs.
    bool OnCmdMsg(int id);
    // The status-bar prompt of a command the folder menus own, or an empty string.
    [[nodiscard]] QString FolderMenuPrompt(int id) const;
    // A folder menu, or nullptr while there is none.
    [[nodiscard]] QMenu* FolderMenuOf(FolderMenu which) const;

    [[nodiscard]] Profile& GetProfile() { return *profile_; }
    [[nodiscard]] Prompter& GetPrompter() { return *prompter_; }
    // Tests answer the message boxes: the app keeps using the given prompter.
    void SetPrompter(Prompter* prompter);

    [[nodiscard]] CGeneralConfig& General() { return general_; }
    [[nodiscard]] CHtmlConfig& Html() { return html_; }
    [[nodiscard]] CEditorConfig& Editor() { return editor_; }
    [[nodiscard]] PageMargins& Margins() { return margins_; }
    [[nodiscard]] QsciPrinter& Printer();
    // Built at start-up, read-only afterwards (its allowed elements follow the versions).
    [[nodiscard]] HtmlKnowledgeBase& KnowledgeBase() { return *knowledgeBase_; }
    [[nodiscard]] bool HasKnowledgeBase() const { return knowledgeBase_ != nullptr; }
    // The appearance classes and the tag colouring switch, loaded at start-up.
    [[nodiscard]] AppearanceSettings& Appearance() { return appearance_; }
    // The user's named colours of the colour menus and the colour chooser.
    [[nodiscard]] CCustomColours& CustomColours() { return customColours_; }

    [[nodiscard]] CQuorDocManager& DocManager() { return *docManager_; }
    [[nodiscard]] CMainFrame* MainFrame() const { return mainFrame_.get(); }
    [[nodiscard]] QWidget* MainWindow() const;

    // The recently used files; Add puts a file first and keeps the list in the profile.
    [[nodiscard]] const CRecentFileList& RecentFiles() const { return *recentFiles_; }
    void AddToRecentFileList(const QString& path);
    // Opens a recent file; one that fails to open leaves the list.
    void OpenRecentFile(std::size_t index);

    // The raw command line of this start (the arguments joined), or the handed-over one
    // while that is processed.
    [[nodiscard]] const std::string& RawCommandLine() const { return rawCommandLine_; }

    // The shipped data folder, and the folder the templates, snippets, references and On
    // The Web menus are read from: the user's copy of them, or the shipped one when no
    // copy could be made.
    [[nodiscard]] QString DataFolder() const;
    [[nodiscard]] QString UserFolder() const { return userFolder_; }
    // The template File New starts from.
    [[nodiscard]] QString DefaultTemplatePath() const;
    // The HTML reference sets; made at start-up.
    [[nodiscard]] CQuorHtmlHelpRefMgr& References() { return *references_; }
    // The topic of a word in the reference window; false when there is none.
    bool ShowTopic(int cls, const std::string& word);
    // HTML context help for an element: its topic, or a message saying there is none.
    void ContextHelp(const std::string& element);
    // The previewer profiles, the preview files and the browsers; made at start-up.
    [[nodiscard]] PreviewHost& Previews() { return *previews_; }
    // The folder menus with the template settings and commands; made at start-up.
    [[nodiscard]] FolderMenuHost& FolderMenus() { return *folderMenus_; }
    // The recovery files of unsaved documents; made at start-up.
    [[nodiscard]] RecoveryHost& Recovery() { return *recovery_; }

    // The Insert File dialog; tests answer it through insertFileHook.
    QString ChooseInsertFile(QWidget* parent);
    std::function<QString()> insertFileHook;

Q_SIGNALS:
    void RecentFilesChanged();
    // The knowledge base has been made (its versions not yet filtered), or is about to go.
    void KnowledgeBaseReady();
    void KnowledgeBaseClosing();

private:
    // The start-up steps, in order.
    void CreateDocManager();
    void ClaimInstanceMarker();
    void LoadRecentFiles();
    void LoadConfiguration();
    void LoadPreviewers();
    void LoadAppearance();
    void LoadTemplates();
    void LoadReferenceManager();
    void RegisterDocumentTypes() {}   // types are fixed in the document manager; no shell registry here
    void BuildFolderMenus();
    void LoadPalette();
    bool CreateMainFrame();
    CBetterCmdLineInfo ParseCommandLine(const QStringList& arguments);
    bool AnswersAtOnce(const CBetterCmdLineInfo& info);
    void StartRecovery();
    void OfferRecovery();
    void BuildKnowledgeBase();
    void CleanUpPreviewFiles();
    void SetUpDefaultPreviewers();
    void OfferTipOfTheDay(bool showSplash);
    void ReleaseReferenceWindow() {}  // the reference window goes with the main window
    void ReleasePreviewers();
    void DeleteCleanupFiles();
    void ReleaseInsertMenus() { Q_EMIT KnowledgeBaseClosing(); }

    bool ProcessPlainShellCommand(const CBetterCmdLineInfo& info);
    bool PrintFromCommandLine(const CBetterCmdLineInfo& info);
    bool OpenCommandLineFile(const std::string& name);
    void ActivateMainWindow();
    void ProcessPendingCommands();
    // A name from a command line as a path, relative names read against baseDir_.
    [[nodiscard]] QString ResolvePath(const std::string& name) const;
    [[nodiscard]] bool FileExists(const std::string& name) const;
    [[nodiscard]] CBetterCmdLineInfo::FileExistsFn ExistsTest() const;

    std::unique_ptr<Profile> profile_;
    std::unique_ptr<Prompter> ownPrompter_;
    Prompter* prompter_ = nullptr;
    CGeneralConfig general_;
    CHtmlConfig html_;
    CEditorConfig editor_;
    PageMargins margins_;
    std::unique_ptr<QsciPrinter> printer_;
    std::unique_ptr<CQuorDocManager> docManager_;
    std::unique_ptr<CRecentFileList> recentFiles_;
    std::unique_ptr<HtmlKnowledgeBase> knowledgeBase_;
    AppearanceSettings appearance_;
    CCustomColours customColours_;
    std::unique_ptr<PreviewHost> previews_;
    std::unique_ptr<CQuorHtmlHelpRefMgr> references_;
    QString userFolder_;
    std::unique_ptr<FolderMenuHost> folderMenus_;
    std::unique_ptr<RecoveryHost> recovery_;
    std::unique_ptr<CMainFrame> mainFrame_;

    QString instanceName_;
    std::unique_ptr<CInstanceMarker> marker_;
    int handOverGuard_ = 0;
    bool started_ = false;
    std::vector<std::pair<std::string, QString>> pendingCommands_;

    std::string rawCommandLine_;
    QString baseDir_; // the folder relative names on the command line are read against
    std::uint32_t startShowCommand_ = WPlacementObj::Normal;
    std::uint32_t savedShowCommand_ = WPlacementObj::Normal; // kept by the DDE shell command
    bool mainWindowHidden_ = false;
    int exitCode_ = 0;
};

} // namespace velto
