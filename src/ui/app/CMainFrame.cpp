// The main window: the MDI area with the documents' windows, the menus and the status bar.
#include "ui/app/CMainFrame.h"

#include "ui/app/CQuorApp.h"
#include "ui/app/CommandIds.h"
#include "ui/app/MenuText.h"
#include "ui/document/CChildFrame.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"
#include "ui/document/ViewPrinting.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
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
}

QAction* CMainFrame::AddCommand(QMenu* menu, int id, const QString& text, const QString& prompt,
                                std::function<void()> handler) {
    QAction* action = MakeMenuAction(text, menu);
    action->setData(id);
    action->setStatusTip(prompt);
    if (handler)
        connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    else
        action->setEnabled(false); // arrives with a later feature
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

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    AddCommand(help, AppAbout, QStringLiteral("&About Velto..."),
               QStringLiteral("Display program information, version number and copyright"),
               [this] { OnAbout(); });
}

CQuorView* CMainFrame::ActiveView() const {
    auto* frame = qobject_cast<CChildFrame*>(area_->activeSubWindow());
    if (!frame) // the area forgets its active window while the main window is inactive
        frame = qobject_cast<CChildFrame*>(area_->currentSubWindow());
    return frame ? frame->View() : nullptr;
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
            connect(view, &CQuorView::FilesDropped, this, &CMainFrame::OpenFiles, Qt::UniqueConnection);
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
