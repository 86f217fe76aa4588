// The main window: the MDI area with the documents' windows, the menus and the status bar.
#include "ui/app/CMainFrame.h"

#include "core/menu/CommandIds.h"
#include "core/menu/MenuModel.h"
#include "ui/app/AppCommands.h"
#include "ui/app/CLockStatePanes.h"
#include "ui/document/EncodingPane.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/CommandTable.h"
#include "ui/app/FolderMenuAttach.h"
#include "ui/app/FramePlacement.h"
#include "ui/app/MainMenuLayout.h"
#include "ui/app/MenuRenderer.h"
#include "ui/app/ToolbarIcons.h"
#include "ui/check/CheckCommands.h"
#include "ui/completion/CompletionCommands.h"
#include "ui/document/CChildFrame.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"
#include "ui/document/DocumentCommands.h"
#include "ui/preview/LivePreviewCommands.h"
#include "ui/preview/LivePreviewPane.h"
#include "ui/site/SiteCommands.h"
#include "ui/preview/PreviewCommands.h"
#include "ui/reference/ReferenceCommands.h"
#include "ui/reference/ReferenceWindow.h"
#include "ui/support/SupportCommands.h"
#include "ui/tagassist/TagAssistCommands.h"
#include "ui/templates/TemplateCommands.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QUrl>

#include <algorithm>

namespace velto {

namespace {
const QString AppName = QStringLiteral("Velto");
// What the status bar says while no prompt is shown.
const QString IdleMessage = QStringLiteral("For Application Help, press F1. For HTML Context Help, press F5.");
}

CMainFrame::CMainFrame(CQuorApp& app)
    : app_(app), area_(new QMdiArea(this)),
      // The folder menus see every command before its own handler does.
      commands_(new CommandTable(this, [&app](int id) { return app.OnCmdMsg(id); })) {
    setWindowTitle(AppName);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);
    setAcceptDrops(true);
    ShowPrompt({});
    resize(900, 680);
    RegisterCommands();
    CreateMenus();
    CreateBars();
    // Shown while the active document has long lines shown broken (see the README).
    brokenLinesPane_ = new QLabel(QStringLiteral("Long lines shown broken"), statusBar());
    brokenLinesPane_->setObjectName(QStringLiteral("brokenLinesPane"));
    brokenLinesPane_->setToolTip(QStringLiteral(
        "Lines too long to edit at speed are shown in short pieces. The breaks are only on the screen: "
        "the file and everything copied keep each line whole."));
    brokenLinesPane_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    brokenLinesPane_->hide();
    statusBar()->addPermanentWidget(brokenLinesPane_);
    new EncodingPane(*this);
    lockPanes_ = new CLockStatePanes(statusBar());
    LoadBarState();
    connect(&app_, &CQuorApp::RecentFilesChanged, this, &CMainFrame::RebuildRecentFileMenu);
    RebuildRecentFileMenu();
    connect(area_, &QMdiArea::subWindowActivated, this, &CMainFrame::OnActiveWindowChanged);
    // Paste follows what the clipboard holds.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CMainFrame::UpdateCommands);
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

void CMainFrame::RegisterCommands() {
    // Each subsystem brings its own commands; the layouts say where they stand.
    RegisterAppCommands(*commands_, *this);
    RegisterDocumentCommands(*commands_, *this);
    RegisterTagAssistCommands(*commands_, *this);
    RegisterPreviewCommands(*commands_, *this);
    RegisterLivePreviewCommands(*commands_, *this);
    RegisterSiteCommands(*commands_, *this);
    RegisterReferenceCommands(*commands_, *this);
    RegisterTemplateCommands(*commands_, *this);
    RegisterSupportCommands(*commands_, *this);
    RegisterCheckCommands(*commands_, *this);
    RegisterCompletionCommands(*commands_, *this);
    commands_->afterRun = [this] { UpdateCommands(); };
}

void CMainFrame::CreateMenus() {
    const std::vector<QMenu*> menus = RenderMenuBar(*menuBar(), MainMenuLayout(), *commands_);
    for (QMenu* menu : menus) {
        // Each time a menu opens, the folder menus hang under their items, and then the
        // items take their states.
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::AttachFolderMenus);
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
        if (menu->title() == QLatin1String("&File"))
            fileMenu_ = menu;
        else if (menu->title() == QLatin1String("&Window"))
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillWindowMenu(menu); });
    }
}

void CMainFrame::FillWindowMenu(QMenu* window) {
    // The open documents, numbered, after the window commands.
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
}

QToolBar* CMainFrame::AddBar(const QString& title, const QString& name, const MenuModel& layout) {
    auto* bar = new QToolBar(title, this);
    bar->setObjectName(name); // the saved layout finds its bars by name
    bar->setIconSize(QSize(24, 24));
    RenderToolBar(*bar, layout, *commands_);
    addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void CMainFrame::CreateBars() {
    mainBar_ = AddBar(AppName, QStringLiteral("MainToolBar"), MainToolBarLayout());
    referenceBar_ = AddBar(QStringLiteral("<?> HTML"), QStringLiteral("ReferenceToolBar"),
                           ReferenceToolBarLayout());
    CreateLookupBar();
}

void CMainFrame::CreateLookupBar() {
    lookupBar_ = AddBar(QStringLiteral("Lookup HTML Tag"), QStringLiteral("LookupBar"), MenuModel());
    lookupBar_->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    lookupBar_->addWidget(new QLabel(QStringLiteral(" Tag: "), lookupBar_));
    auto* name = new QLineEdit(lookupBar_);
    name->setObjectName(QStringLiteral("lookupTagName"));
    name->setMaximumWidth(140);
    name->setPlaceholderText(QStringLiteral("TABLE"));
    lookupBar_->addWidget(name);
    connect(name, &QLineEdit::returnPressed, this, [this] { commands_->Run(CommandId::LookupNamedTag); });
    MenuModel button;
    button.AddCommand(CommandId::LookupNamedTag);
    RenderToolBar(*lookupBar_, button, *commands_);
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

ReferenceWindow* CMainFrame::Reference(bool create) {
    if (!reference_ && create) {
        reference_ = new ReferenceWindow(*this, app_.References());
        reference_->LoadState(app_.GetProfile());
        // Docked on the live preview's side, the two share it as tabs.
        auto* pane = findChild<LivePreviewPane*>(QString(), Qt::FindDirectChildrenOnly);
        if (pane && !pane->isFloating() && !reference_->isFloating() && dockWidgetArea(pane) == dockWidgetArea(reference_))
            tabifyDockWidget(pane, reference_);
        connect(reference_, &ReferenceWindow::StateChanged, this, &CMainFrame::UpdateCommands);
        connect(reference_, &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommands);
    }
    return reference_;
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
    qDeleteAll(mruEntries_);
    mruEntries_.clear();
    QAction* placeholder = commands_->Action(FileMruFirst);
    const CRecentFileList& list = app_.RecentFiles();
    placeholder->setVisible(list.Entries().empty());
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
        fileMenu_->insertAction(placeholder, action);
        mruEntries_.push_back(action);
    }
}

void CMainFrame::SavePlacement() {
    SaveFramePlacement(*this, app_.GetProfile());
}

bool CMainFrame::RestorePlacement(bool startedMinimised) {
    return RestoreFramePlacement(*this, app_.GetProfile(), startedMinimised);
}

void CMainFrame::ShowWithCommand(std::uint32_t showCommand) {
    ShowFrameWithCommand(*this, showCommand);
}

void CMainFrame::SaveBarState() {
    SaveFrameBarState(*this, app_.GetProfile());
}

bool CMainFrame::LoadBarState() {
    return LoadFrameBarState(*this, app_.GetProfile());
}

CQuorView* CMainFrame::ActiveView() const {
    return app_.DocManager().ActiveView();
}

CQuorDoc* CMainFrame::ActiveDocument() const {
    CQuorView* view = ActiveView();
    return view ? view->GetDocument() : nullptr;
}

QAction* CMainFrame::Action(int id) const {
    // The recent files are listed under ids of their own from FileMruFirst on.
    const int mru = id - CommandId::FileMruFirst;
    if (mru >= 0 && static_cast<std::size_t>(mru) < mruEntries_.size())
        return mruEntries_[static_cast<std::size_t>(mru)];
    return commands_->Action(id);
}

void CMainFrame::UpdateCommands() {
    commands_->Update();
    Q_EMIT CommandsUpdated();
}

bool CMainFrame::ClaimsShortcut(const QKeySequence& key) const {
    const QList<QAction*> actions = findChildren<QAction*>();
    return std::any_of(actions.begin(), actions.end(), [&key](const QAction* a) {
        return !a->shortcut().isEmpty() && a->shortcut() == key;
    });
}

void CMainFrame::AddContextMenuProvider(ContextMenuProvider provider) {
    contextProviders_.push_back(std::move(provider));
}

void CMainFrame::ShowContextMenu(CQuorView& view, const QPoint& globalPos) {
    MenuModel model = ContextMenuLayout();
    for (const ContextMenuProvider& p : contextProviders_)
        if (p.build)
            p.build(view, model);
    UpdateCommands();
    QMenu menu(this);
    QPointer<CQuorView> target(&view);
    RenderMenu(menu, model, commands_, [this, target](int id) {
        if (!target)
            return;
        // The chosen item's prompt goes before a dialog it opens comes up.
        ShowPrompt({});
        for (const ContextMenuProvider& p : contextProviders_)
            if (p.execute && p.execute(*target, id))
                break;
        UpdateCommands();
    });
    // A menu of its own window sends its tips to no window, so they are shown from here.
    QList<QMenu*> menus = menu.findChildren<QMenu*>();
    menus << &menu;
    for (QMenu* m : menus)
        connect(m, &QMenu::hovered, this, [this](QAction* a) { ShowPrompt(a->statusTip()); });
    menu.exec(globalPos);
    ShowPrompt({});
}

bool CMainFrame::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        ShowPrompt(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

void CMainFrame::ShowPrompt(const QString& prompt) {
    statusBar()->showMessage(prompt.isEmpty() ? IdleMessage : prompt);
}

void CMainFrame::UpdateTitle() {
    CQuorDoc* doc = ActiveDocument();
    title_ = doc ? AppName + QStringLiteral(" - ") + doc->Title() : AppName;
    setWindowTitle(title_);
}

void CMainFrame::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    // The document's title is in the frame's title already, maximised or not.
    if (e->type() == QEvent::WindowTitleChange && !title_.isEmpty() && windowTitle() != title_)
        setWindowTitle(title_);
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
            connect(view, &CQuorView::BrokenLinesShownChanged, this, &CMainFrame::UpdateBrokenLinesPane);
            if (CQuorDoc* doc = view->GetDocument())
                connect(doc, &CQuorDoc::TitleChanged, this, &CMainFrame::UpdateTitle);
        }
    }
    UpdateTitle();
    UpdateCommands();
    UpdateBrokenLinesPane();
}

void CMainFrame::UpdateBrokenLinesPane() {
    brokenLinesPane_->setVisible(watchedView_ && watchedView_->ShowsBrokenLines());
}

void CMainFrame::OpenFiles(const QStringList& paths) {
    for (const QString& path : paths)
        app_.DocManager().OpenDocumentFile(path);
}

void CMainFrame::closeEvent(QCloseEvent* e) {
    // The window's place and the bars are kept even when the user then cancels the close.
    SavePlacement();
    SaveBarState();
    if (reference_)
        reference_->SaveState(app_.GetProfile());
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
