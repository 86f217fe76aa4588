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

#include <QMenu>
#include <QPainter>
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
      menus_(app.General(), folder.toStdString()) {
    for (auto& menu : qmenus_)
        menu = std::make_unique<QMenu>();
}

FolderMenuHost::~FolderMenuHost() = default;

void FolderMenuHost::BuildAll() {
    menus_.BuildAll();
    for (FolderMenuKind kind : FolderMenuSet::Kinds)
        Render(kind);
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
    // A menu file may only send the browser to the web: no local programs or files.
    const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    const QString scheme = address.scheme().toLower();
    if (address.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")))
        Open(address);
}

void FolderMenuHost::Open(const QUrl& url) {
    if (openUrlHook)
        openUrlHook(url);
    else
        app_.Previews().OpenUrl(url.toEncoded().toStdString());
}

} // namespace velto
