// The main window: the MDI area with the documents' windows, the menus and the status bar.
#include "ui/app/CMainFrame.h"

#include "core/app/MainWindowPlacement.h"
#include "ui/app/CLockStatePanes.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/CommandIds.h"
#include "ui/app/FolderMenuAttach.h"
#include "ui/app/MenuText.h"
#include "ui/app/ToolbarIcons.h"
#include "ui/document/CChildFrame.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"
#include "ui/document/ViewPrinting.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

namespace velto {

namespace {
const QString AppName = QStringLiteral("Velto");
}

CMainFrame::CMainFrame(CQuorApp& app) : app_(app), area_(new QMdiArea(this)) {
    setWindowTitle(AppName);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);
    setAcceptDrops(true);
    statusBar()->showMessage(QStringLiteral("Ready"));
    resize(900, 680);
    CreateMenus();
    CreateBars();
    lockPanes_ = new CLockStatePanes(statusBar());
    LoadBarState();
    connect(&app_, &CQuorApp::RecentFilesChanged, this, &CMainFrame::RebuildRecentFileMenu);
    RebuildRecentFileMenu();
    connect(area_, &QMdiArea::subWindowActivated, this, &CMainFrame::OnActiveWindowChanged);
    connect(&app_.DocManager(), &CQuorDocManager::DocumentOpened, this, [this](CQuorDoc* doc) {
        connect(doc->View(), &CQuorView::FilesDropped, this, &CMainFrame::OpenFiles);
    });
    UpdateCommands();
}

CMainFrame::~CMainFrame() {
    // Closing the children while this object is half gone must not reach its slots.
    disconnect(area_, nullptr, this, nullptr);
    if (watchedView_)
        disconnect(watchedView_, nullptr, this, nullptr);
    for (CQuorDoc* doc : app_.DocManager().Documents())
        disconnect(doc, nullptr, this, nullptr);
}

QAction* CMainFrame::AddCommand(QMenu* menu, int id, const QString& text, const QString& prompt,
                                std::function<void()> handler) {
    QAction* action = MakeMenuAction(text, menu ? static_cast<QObject*>(menu) : this);
    action->setData(id);
    action->setStatusTip(prompt);
    if (handler) {
        // The folder menus see every command before its own handler does.
        connect(action, &QAction::triggered, this, [this, id, handler = std::move(handler)] {
            if (!app_.OnCmdMsg(id))
                handler();
        });
    } else {
        action->setEnabled(false); // arrives with a later feature
    }
    if (menu)
        menu->addAction(action);
    actions_[id] = action;
    return action;
}

std::function<void()> CMainFrame::OnView(void (CQuorView::*command)()) {
    return [this, command] {
        if (CQuorView* view = ActiveView())
            (view->*command)();
        UpdateCommands();
    };
}

QMenu* CMainFrame::CreateFileMenu() {
    using namespace CommandId;
    QMenu* m = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_ = m;
    CQuorDocManager& docs = app_.DocManager();
    AddCommand(m, FileNew, QStringLiteral("&New\tCtrl+N"), QStringLiteral("Create a new document"),
               [&docs] { docs.OnFileNew(); });
    AddCommand(m, FileNewFromTemplate, QStringLiteral("New &From Template"),
               QStringLiteral("Create a new document from a template"), nullptr);
    AddCommand(m, FileOpen, QStringLiteral("&Open...\tCtrl+O"),
               QStringLiteral("Open an existing document"), [&docs] { docs.OnFileOpen(); });
    AddCommand(m, FileClose, QStringLiteral("&Close"), QStringLiteral("Close the active document"),
               [this] {
                   if (QMdiSubWindow* w = area_->activeSubWindow())
                       w->close();
               });
    m->addSeparator();
    AddCommand(m, FileSave, QStringLiteral("&Save\tCtrl+S"), QStringLiteral("Save the active document"),
               [this] {
                   if (CQuorDoc* doc = ActiveDocument())
                       doc->DoFileSave();
               });
    AddCommand(m, FileSaveAs, QStringLiteral("Save &As..."),
               QStringLiteral("Save the active document with a new name"), [this] {
                   if (CQuorDoc* doc = ActiveDocument())
                       doc->DoSave(QString());
               });
    AddCommand(m, FileSaveAll, QStringLiteral("Save A&ll"), QStringLiteral("Save all modified documents"),
               [&docs] { docs.SaveAll(); });
    AddCommand(m, FileCloseAll, QStringLiteral("Close A&ll"), QStringLiteral("Close all documents"),
               [&docs] { docs.CloseAll(); });
    AddCommand(m, SaveCopyAsTemplate, QStringLiteral("Save Copy As Te&mplate..."),
               QStringLiteral("Save a copy of the document as a template"), nullptr);
    m->addSeparator();
    AddCommand(m, FilePrint, QStringLiteral("&Print...\tCtrl+P"), QStringLiteral("Print the active document"),
               [this] {
                   if (CQuorView* view = ActiveView())
                       PrintView(app_, *view);
               });
    AddCommand(m, FilePrintPreview, QStringLiteral("Print Pre&view"), QStringLiteral("Display full pages"),
               [this] {
                   if (CQuorView* view = ActiveView())
                       PrintPreviewView(app_, *view);
               });
    AddCommand(m, FilePrintSetup, QStringLiteral("P&rint Setup..."),
               QStringLiteral("Change the printer and printing options"),
               [this] { PageSetup(app_, ActiveView()); });
    AddCommand(m, RefreshPreview, QStringLiteral("Refresh Pre&view\tCtrl+R"),
               QStringLiteral("Refresh the HTML preview in your web browser"), nullptr);
    m->addSeparator();
    mruPlaceholder_ =
        AddCommand(m, FileMruFirst, QStringLiteral("Recent File"), QStringLiteral("Open this document"), nullptr);
    m->addSeparator();
    AddCommand(m, AppExit, QStringLiteral("E&xit"),
               QStringLiteral("Quit the application; prompts to save documents"), [this] { close(); });
    return m;
}

QMenu* CMainFrame::CreateEditMenu() {
    using namespace CommandId;
    QMenu* m = menuBar()->addMenu(QStringLiteral("&Edit"));
    AddCommand(m, EditUndo, QStringLiteral("&Undo\tCtrl+Z"), QStringLiteral("Undo the last action"),
               OnView(&CQuorView::OnEditUndo));
    AddCommand(m, EditRedo, QStringLiteral("Re&do\tCtrl+Y"), QStringLiteral("Redo the previously undone action"),
               OnView(&CQuorView::OnEditRedo));
    m->addSeparator();
    AddCommand(m, EditCut, QStringLiteral("Cu&t\tCtrl+X"),
               QStringLiteral("Cut the selection and put it on the Clipboard"), OnView(&CQuorView::OnEditCut));
    AddCommand(m, EditCopy, QStringLiteral("&Copy\tCtrl+C"),
               QStringLiteral("Copy the selection and put it on the Clipboard"), OnView(&CQuorView::OnEditCopy));
    AddCommand(m, EditPaste, QStringLiteral("&Paste\tCtrl+V"), QStringLiteral("Insert Clipboard contents"),
               OnView(&CQuorView::OnEditPaste));
    AddCommand(m, EditPasteUrl, QStringLiteral("P&aste URL\tCtrl+U"),
               QStringLiteral("Paste the Clipboard contents as a URL"), nullptr);
    AddCommand(m, EditSelectAll, QStringLiteral("Select A&ll\tCtrl+A"),
               QStringLiteral("Select the entire document"), OnView(&CQuorView::OnEditSelectAll));
    m->addSeparator();
    AddCommand(m, EditFind, QStringLiteral("&Find\tCtrl+F"), QStringLiteral("Find the specified text"),
               [this] { ShowFind(false); });
    AddCommand(m, EditReplace, QStringLiteral("&Replace\tCtrl+H"),
               QStringLiteral("Replace specific text with different text"), [this] { ShowFind(true); });
    AddCommand(m, EditFindNext, QStringLiteral("Find &Next\tF3"),
               QStringLiteral("Find the next occurrence of the specified text"), [this] { OnFindNext(); });
    AddCommand(m, EditGotoLine, QStringLiteral("&Go To Line...\tAlt+G"),
               QStringLiteral("Move to a line given by its number"), OnView(&CQuorView::OnGotoLine));
    m->addSeparator();
    AddCommand(m, EditStripTags, QStringLiteral("&Strip Tags"),
               QStringLiteral("Remove all HTML tags from the selected text"),
               OnView(&CQuorView::OnEditStripTags));
    AddCommand(m, EditInsertFile, QStringLiteral("&Insert File..."),
               QStringLiteral("Insert the contents of a file at the caret"),
               OnView(&CQuorView::OnInsertFileCommand));
    AddCommand(m, EditInsertSnippet, QStringLiteral("Inser&t Snippet"),
               QStringLiteral("Insert an HTML snippet at the caret"), nullptr);
    AddCommand(m, EditSaveSelectionAsSnippet, QStringLiteral("Save Selection As Sn&ippet..."),
               QStringLiteral("Save the selected text as an HTML snippet"), nullptr);
    return m;
}

void CMainFrame::CreateMenus() {
    using namespace CommandId;
    for (QMenu* m : {CreateFileMenu(), CreateEditMenu()})
        connect(m, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);

    QMenu* window = menuBar()->addMenu(QStringLiteral("&Window"));
    AddCommand(window, WindowCascade, QStringLiteral("&Cascade"),
               QStringLiteral("Arrange windows so they overlap"), [this] { area_->cascadeSubWindows(); });
    AddCommand(window, WindowTile, QStringLiteral("&Tile"),
               QStringLiteral("Arrange windows as non-overlapping tiles"), [this] { area_->tileSubWindows(); });
    AddCommand(window, WindowArrange, QStringLiteral("&Arrange Icons"),
               QStringLiteral("Arrange icons at the bottom of the window"),
               [this] { area_->tileSubWindows(); });
    // The open documents, numbered, after the window commands.
    connect(window, &QMenu::aboutToShow, this, [this, window] {
        for (QAction* a : window->actions())
            if (a->property("windowEntry").toBool())
                delete a;
        int n = 0;
        for (QMdiSubWindow* w : area_->subWindowList(QMdiArea::CreationOrder)) {
            if (n == 0)
                window->addSeparator()->setProperty("windowEntry", true);
            QAction* a = window->addAction(QStringLiteral("&%1 %2").arg(++n).arg(w->windowTitle()));
            a->setProperty("windowEntry", true);
            a->setCheckable(true);
            a->setChecked(w == area_->activeSubWindow());
            connect(a, &QAction::triggered, this, [this, w] { area_->setActiveSubWindow(w); });
        }
    });

    CreateHelpMenu();
    // Each time a menu opens, the folder menus that exist hang under their items.
    for (QAction* top : menuBar()->actions())
        if (QMenu* menu = top->menu())
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::AttachFolderMenus);
}

QMenu* CMainFrame::CreateHelpMenu() {
    using namespace CommandId;
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    AddCommand(help, HelpHtmlReferences, QStringLiteral("HTML &References"),
               QStringLiteral("Open an HTML reference"), nullptr);
    AddCommand(help, HelpOnTheWeb, QStringLiteral("On The &Web"),
               QStringLiteral("Visit web sites about HTML"), nullptr);
    help->addSeparator();
    AddCommand(help, AppAbout, QStringLiteral("&About Velto..."),
               QStringLiteral("Display program information, version number and copyright"),
               [this] { OnAbout(); });
    return help;
}

QToolBar* CMainFrame::AddBar(const QString& title, const QString& name, const std::vector<int>& commands) {
    auto* bar = new QToolBar(title, this);
    bar->setObjectName(name); // the saved layout finds its bars by name
    bar->setIconSize(QSize(24, 24));
    for (int id : commands) {
        if (id == 0)
            bar->addSeparator();
        else if (QAction* action = Action(id)) {
            if (action->icon().isNull())
                action->setIcon(CommandIcon(id, style()));
            bar->addAction(action);
        }
    }
    addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void CMainFrame::CreateBars() {
    using namespace CommandId;
    mainBar_ = AddBar(AppName, QStringLiteral("MainToolBar"),
                      {FileNew, FileOpen, FileSave, 0, EditCut, EditCopy, EditPaste, 0, FilePrint,
                       0, RefreshPreview, 0, AppAbout});
    // The reference commands come alive with the HTML reference window.
    AddCommand(nullptr, ToggleReferenceWindow, QStringLiteral("HTML &Reference Window"),
               QStringLiteral("Show or hide the HTML Reference window"), nullptr);
    AddCommand(nullptr, ContextTagLookup, QStringLiteral("&Context Tag Lookup\tF5"),
               QStringLiteral("HTML Context Help for the tag at the cursor"), nullptr);
    AddCommand(nullptr, ReferenceBack, QStringLiteral("&Back"), QStringLiteral("Go back one step"), nullptr);
    AddCommand(nullptr, ReferenceForward, QStringLiteral("&Forward"),
               QStringLiteral("Go forward one step"), nullptr);
    AddCommand(nullptr, ReferenceHome, QStringLiteral("&Home"), QStringLiteral("Go to the start page"),
               nullptr);
    referenceBar_ = AddBar(QStringLiteral("<?> HTML"), QStringLiteral("ReferenceToolBar"),
                           {ToggleReferenceWindow, ContextTagLookup, 0, ReferenceBack,
                            ReferenceForward, ReferenceHome});
    CreateLookupBar();
}

void CMainFrame::CreateLookupBar() {
    using namespace CommandId;
    AddCommand(nullptr, LookupNamedTag, QStringLiteral("&Lookup"),
               QStringLiteral("Look up the named HTML tag in the reference"), nullptr);
    lookupBar_ = AddBar(QStringLiteral("Lookup HTML Tag"), QStringLiteral("LookupBar"), {});
    lookupBar_->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    lookupBar_->addWidget(new QLabel(QStringLiteral(" Tag: "), lookupBar_));
    auto* name = new QLineEdit(lookupBar_);
    name->setObjectName(QStringLiteral("lookupTagName"));
    name->setMaximumWidth(140);
    name->setEnabled(false);
    lookupBar_->addWidget(name);
    QAction* lookup = Action(LookupNamedTag);
    lookup->setIcon(CommandIcon(LookupNamedTag, style()));
    lookupBar_->addAction(lookup);
}

void CMainFrame::AttachFolderMenus() {
    using Menu = CQuorApp::FolderMenu;
    QMenuBar* bar = menuBar();
    AttachFolderMenu(bar, QStringLiteral("&File"), QStringLiteral("New &From Template"),
                     app_.FolderMenuOf(Menu::Templates));
    AttachFolderMenu(bar, QStringLiteral("&Edit"), QStringLiteral("Inser&t Snippet"),
                     app_.FolderMenuOf(Menu::Snippets));
    AttachFolderMenu(bar, QStringLiteral("&Help"), QStringLiteral("HTML &References"),
                     app_.FolderMenuOf(Menu::References));
    AttachFolderMenu(bar, QStringLiteral("&Help"), QStringLiteral("On The &Web"),
                     app_.FolderMenuOf(Menu::OnTheWeb));
}

QString CMainFrame::GetMessageString(int id) const {
    const QString prompt = app_.FolderMenuPrompt(id);
    if (!prompt.isEmpty())
        return prompt;
    const QAction* action = Action(id);
    return action ? action->statusTip() : QString();
}

void CMainFrame::RebuildRecentFileMenu() {
    using CommandId::FileMruFirst;
    for (QAction* a : mruEntries_) {
        actions_.erase(a->data().toInt());
        delete a;
    }
    mruEntries_.clear();
    const CRecentFileList& list = app_.RecentFiles();
    mruPlaceholder_->setVisible(list.Entries().empty());
    if (list.Entries().empty()) {
        actions_[FileMruFirst] = mruPlaceholder_;
        return;
    }
    for (std::size_t i = 0; i < list.Entries().size(); ++i) {
        QString shown = QString::fromStdString(list.DisplayName(i));
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        const QString text = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(shown)
                                   : QStringLiteral("%1 %2").arg(i + 1).arg(shown);
        auto* action = new QAction(text, fileMenu_);
        const int id = FileMruFirst + static_cast<int>(i);
        action->setData(id);
        action->setStatusTip(QStringLiteral("Open this document"));
        action->setToolTip(QString::fromStdString(list.Entries()[i]));
        connect(action, &QAction::triggered, this, [this, i, id] {
            if (!app_.OnCmdMsg(id))
                app_.OpenRecentFile(i);
        });
        fileMenu_->insertAction(mruPlaceholder_, action);
        mruEntries_.push_back(action);
        actions_[id] = action;
    }
}

void CMainFrame::SavePlacement() {
    WPlacementObj p;
    const bool minimised = isMinimized();
    const bool maximised = (windowState() & Qt::WindowMaximized) != 0;
    p.showCommand = minimised   ? WPlacementObj::Minimised
                    : maximised ? WPlacementObj::Maximised
                                : WPlacementObj::Normal;
    if (minimised && maximised)
        p.flags = 2; // comes back maximised
    QRect normal = (minimised || maximised) ? normalGeometry() : geometry();
    if (!normal.isValid())
        normal = geometry();
    p.left = normal.x();
    p.top = normal.y();
    p.right = normal.x() + normal.width();
    p.bottom = normal.y() + normal.height();
    app_.GetProfile().WriteString(CGeneralConfig::Section, MainWindowKey, p.Format());
}

bool CMainFrame::RestorePlacement(bool startedMinimised) {
    std::vector<PlacementRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect r = screen->availableGeometry();
        screens.push_back({r.x(), r.y(), r.x() + r.width(), r.y() + r.height()});
    }
    const std::optional<PlacementPlan> plan = PlanPlacementRestore(
        app_.GetProfile().GetString(CGeneralConfig::Section, MainWindowKey, ""), startedMinimised,
        screens);
    if (!plan)
        return false;
    setGeometry(plan->normal.left, plan->normal.top, plan->normal.Width(), plan->normal.Height());
    ShowWithCommand(plan->showCommand);
    return true;
}

void CMainFrame::ShowWithCommand(std::uint32_t showCommand) {
    switch (showCommand) {
    case WPlacementObj::Hidden:
        hide();
        break;
    case WPlacementObj::Minimised:
        showMinimized();
        break;
    case WPlacementObj::Maximised:
        showMaximized();
        break;
    default:
        showNormal();
        break;
    }
}

void CMainFrame::SaveBarState() {
    const QByteArray state = saveState();
    app_.GetProfile().WriteBinary(MainWindowKey, "BarState", Bytes(state.begin(), state.end()));
}

bool CMainFrame::LoadBarState() {
    const std::optional<Bytes> state = app_.GetProfile().GetBinary(MainWindowKey, "BarState");
    if (!state)
        return false;
    // A damaged layout is refused as a whole and the bars keep their places.
    return restoreState(QByteArray(reinterpret_cast<const char*>(state->data()),
                                   static_cast<qsizetype>(state->size())));
}

CQuorView* CMainFrame::ActiveView() const {
    return app_.DocManager().ActiveView();
}

CQuorDoc* CMainFrame::ActiveDocument() const {
    CQuorView* view = ActiveView();
    return view ? view->GetDocument() : nullptr;
}

QAction* CMainFrame::Action(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::UpdateCommands() {
    using namespace CommandId;
    CQuorView* view = ActiveView();
    const bool hasView = view != nullptr;
    const bool hasSelection = hasView && view->HasSelectedText();
    const bool anyDocs = !area_->subWindowList().isEmpty();
    auto enable = [this](int id, bool on) {
        if (QAction* a = Action(id))
            a->setEnabled(on);
    };
    for (int id : {FileClose, FileSave, FileSaveAs, FilePrint, FilePrintPreview, EditPaste,
                   EditSelectAll, EditFind, EditReplace, EditFindNext, EditGotoLine, EditInsertFile})
        enable(id, hasView);
    for (int id : {FileSaveAll, FileCloseAll, WindowCascade, WindowTile, WindowArrange})
        enable(id, anyDocs);
    enable(EditUndo, hasView && view->CanUndo());
    enable(EditRedo, hasView && view->CanRedo());
    enable(EditCut, hasSelection);
    enable(EditCopy, hasSelection);
    enable(EditStripTags, hasSelection);
}

void CMainFrame::UpdateTitle() {
    CQuorDoc* doc = ActiveDocument();
    setWindowTitle(doc ? AppName + QStringLiteral(" - ") + doc->Title() : AppName);
}

void CMainFrame::OnActiveWindowChanged() {
    CQuorView* view = ActiveView();
    if (view != watchedView_) {
        if (watchedView_) {
            disconnect(watchedView_, nullptr, this, nullptr);
            if (CQuorDoc* old = watchedView_->GetDocument())
                disconnect(old, nullptr, this, nullptr);
        }
        watchedView_ = view;
        if (view) {
            connect(view, &CQuorView::CommandStateChanged, this, &CMainFrame::UpdateCommands);
            if (CQuorDoc* doc = view->GetDocument())
                connect(doc, &CQuorDoc::TitleChanged, this, &CMainFrame::UpdateTitle);
        }
    }
    UpdateTitle();
    UpdateCommands();
}

void CMainFrame::ShowFind(bool replace) {
    CQuorView* view = ActiveView();
    if (!view)
        return;
    if (findDialog_)
        findDialog_->close();
    findDialog_ = new FindReplaceDlg(replace, lastSearch_, this);
    findDialog_->activeView = [this] { return ActiveView(); };
    // A one-line selection is what the user wants to find.
    QString initial;
    if (view->HasSelectedText()) {
        const QByteArray selected = view->TextRange(view->SelectionStart(), view->SelectionEnd());
        if (!selected.contains('\n') && !selected.contains('\r'))
            initial = QString::fromUtf8(selected);
    }
    findDialog_->Start(initial);
}

void CMainFrame::OnFindNext() {
    CQuorView* view = ActiveView();
    if (!view)
        return;
    if (lastSearch_.findWhat.isEmpty()) {
        ShowFind(false);
        return;
    }
    if (!view->FindNext(lastSearch_))
        QApplication::beep();
}

void CMainFrame::OpenFiles(const QStringList& paths) {
    for (const QString& path : paths)
        app_.DocManager().OpenDocumentFile(path);
}

void CMainFrame::OnAbout() {
    QMessageBox::about(this, QStringLiteral("About Velto"),
                       QStringLiteral("<b>Velto</b> %1<br>An HTML source editor.")
                           .arg(QStringLiteral(VELTO_VERSION)));
}

void CMainFrame::closeEvent(QCloseEvent* e) {
    // The window's place and the bars are kept even when the user then cancels the close.
    SavePlacement();
    SaveBarState();
    if (app_.DocManager().CloseAll())
        e->accept();
    else
        e->ignore();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* e) {
    QStringList paths;
    for (const QUrl& url : e->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    e->acceptProposedAction();
    OpenFiles(paths);
}

} // namespace velto
