// The four folder menus in the window, and the editor's side of the template commands.
#include "ui/templates/FolderMenuHost.h"

#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/CommandTable.h"
#include "ui/app/MenuRenderer.h"
#include "ui/preview/PreviewHost.h"
#include "ui/reference/ReferenceWindow.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"

#include <QDesktopServices>
#include <QDirIterator>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QSet>
#include <QUrl>

namespace velto {

namespace {
std::size_t IndexOf(FolderMenuKind kind) {
    return static_cast<std::size_t>(kind);
}

// The small globe the On The Web entries carry, where the desktop has no icon of its own.
QIcon WebIcon() {
    static const QIcon icon = [] {
        QIcon themed = QIcon::fromTheme(QStringLiteral("applications-internet"));
        if (!themed.isNull())
            return themed;
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x1f, 0x5f, 0xa8), 1.2));
        p.setBrush(QColor(0xd8, 0xe8, 0xf8));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(5, 1.5, 6, 13));
        p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
        p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
        return QIcon(pixmap);
    }();
    return icon;
}

// How long the folders must stay quiet before the menus are built again.
constexpr int RebuildPauseMs = 300;
// A folder tree bigger than this (a home folder linked in by mistake) is watched only in part.
constexpr int MaxWatchedFolders = 512;

void SetIcons(QMenu& menu, const QIcon& icon) {
    for (QAction* a : menu.actions()) {
        if (a->menu())
            SetIcons(*a->menu(), icon);
        else if (!a->isSeparator())
            a->setIcon(icon);
    }
}
} // namespace

FolderMenuHost::FolderMenuHost(CQuorApp& app, const QString& folder)
    : app_(app), chooser_([&app] { return app.MainWindow(); }),
      templates_(app.GetProfile(), (folder + QStringLiteral("/Templates")).toStdString()),
      commands_(templates_, chooser_, app.GetPrompter(), *this),
      menus_(app.General(), folder.toStdString()), folder_(folder) {
    for (auto& menu : qmenus_)
        menu = std::make_unique<QMenu>();
    rebuildTimer_.setSingleShot(true);
    rebuildTimer_.setInterval(RebuildPauseMs);
    connect(&rebuildTimer_, &QTimer::timeout, this, &FolderMenuHost::OnFolderChanged);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &rebuildTimer_, qOverload<>(&QTimer::start));
}

FolderMenuHost::~FolderMenuHost() = default;

void FolderMenuHost::BuildAll() {
    menus_.BuildAll();
    for (FolderMenuKind kind : FolderMenuSet::Kinds)
        Render(kind);
    WatchFolders();
}

void FolderMenuHost::WatchFolders() {
    // The data folder shows a menu's folder made or removed; the menus' folders and those
    // below them show files and folders added, removed or renamed (a save by rename too).
    QSet<QString> wanted{folder_};
    for (FolderMenuKind kind : FolderMenuSet::Kinds) {
        const QString root = folder_ + QLatin1Char('/') + QString::fromUtf8(SetupOf(kind).folder);
        if (!QFileInfo(root).isDir())
            continue;
        wanted.insert(root);
        QDirIterator below(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (below.hasNext() && wanted.size() < MaxWatchedFolders)
            wanted.insert(below.next());
    }
    const QStringList watched = watcher_.directories();
    QStringList gone;
    for (const QString& path : watched)
        if (!wanted.contains(path))
            gone << path;
    if (!gone.isEmpty())
        watcher_.removePaths(gone);
    QStringList added;
    for (const QString& path : wanted)
        if (!watched.contains(path) && QFileInfo(path).isDir())
            added << path;
    if (!added.isEmpty())
        watcher_.addPaths(added);
}

void FolderMenuHost::OnFolderChanged() {
    // An open menu is not rebuilt under the pointer: it waits until the menu has closed.
    for (const auto& menu : qmenus_) {
        if (menu->isVisible()) {
            rebuildTimer_.start();
            return;
        }
    }
    BuildAll();
}

void FolderMenuHost::RebuildTemplates() {
    for (FolderMenuKind kind : {FolderMenuKind::Templates, FolderMenuKind::Snippets}) {
        menus_.Build(kind);
        Render(kind);
    }
}

void FolderMenuHost::Render(FolderMenuKind kind) {
    QMenu& menu = *qmenus_[IndexOf(kind)];
    menu.clear();
    const MenuModel shown = menus_.Shown(kind);
    if (shown.Empty()) {
        // A missing or empty folder: the pop-up says so rather than showing nothing.
        menu.addAction(QStringLiteral("(Empty)"))->setEnabled(false);
        return;
    }
    RenderMenu(menu, shown, nullptr, [this](int id) {
        // The templates and snippets menus end with their browsing commands.
        if (!OnCmdMsg(id))
            if (CMainFrame* frame = app_.MainFrame())
                frame->Commands().Run(id);
    });
    if (kind == FolderMenuKind::OnTheWeb)
        SetIcons(menu, WebIcon());
}

QMenu* FolderMenuHost::MenuOf(FolderMenuKind kind) const {
    return qmenus_[IndexOf(kind)].get();
}

bool FolderMenuHost::OnCmdMsg(int id) {
    return menus_.OnCmdMsg(id, commands_);
}

QString FolderMenuHost::Prompt(int id) const {
    const std::optional<std::string> prompt = menus_.PromptFor(id);
    return prompt ? QString::fromStdString(*prompt) : QString();
}

void FolderMenuHost::NewDocument() {
    app_.DocManager().CreateUntitled(0);
}

bool FolderMenuHost::InsertTemplate(const std::string& path, bool newDocument) {
    CQuorView* view = app_.DocManager().ActiveView();
    if (!view)
        return false;
    bool ok = false;
    view->EditAsOneChange([&] { ok = view->InsertFile(QString::fromStdString(path), true); });
    if (newDocument)
        view->GetDocument()->SetModifiedFlag(false);
    Q_EMIT view->CommandStateChanged();
    return ok;
}

void FolderMenuHost::OpenDocument(const std::string& path) {
    app_.DocManager().OpenDocumentFile(QString::fromStdString(path));
}

std::optional<std::string> FolderMenuHost::ActiveDocumentPath() const {
    const CQuorView* view = app_.DocManager().ActiveView();
    if (!view)
        return std::nullopt;
    return view->GetDocument()->PathName().toStdString();
}

bool FolderMenuHost::SaveActive(const std::string& path, bool selectionOnly) {
    CQuorView* view = app_.DocManager().ActiveView();
    if (!view)
        return false;
    view->FlushChange();
    return view->SaveToFile(QString::fromStdString(path), selectionOnly);
}

void FolderMenuHost::ShowReference(const std::string& page) {
    if (CMainFrame* frame = app_.MainFrame())
        frame->Reference(true)->OpenPage(page, {});
}

void FolderMenuHost::OpenUrl(const std::string& url) {
    // The core lets only web addresses through; what Qt still cannot read is said so.
    const QUrl address(QString::fromStdString(url));
    if (!address.isValid()) {
        app_.GetPrompter().Message("The address is not valid:\n\n" + url, Prompter::Kind::Warning);
        return;
    }
    if (openUrlHook)
        openUrlHook(address);
    else
        app_.Previews().OpenUrl(address.toEncoded().toStdString());
}

void FolderMenuHost::OpenMailAddress(const std::string& url) {
    const QUrl address(QString::fromStdString(url));
    if (openUrlHook)
        openUrlHook(address);
    else if (!QDesktopServices::openUrl(address))
        app_.GetPrompter().Message("No mail program took the address:\n\n" + url, Prompter::Kind::Warning);
}

} // namespace velto
