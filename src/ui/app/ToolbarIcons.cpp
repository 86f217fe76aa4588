// Icons of the tool bar buttons.
#include "ui/app/ToolbarIcons.h"

#include "core/menu/CommandIds.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include <functional>

namespace velto {

namespace {
constexpr int IconSize = 24;

QIcon Drawn(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 70), 1.6));
    draw(p);
    return QIcon(pixmap);
}

QIcon Scissors() {
    return Drawn([](QPainter& p) {
        p.drawLine(QPointF(7, 3), QPointF(15, 16));
        p.drawLine(QPointF(17, 3), QPointF(9, 16));
        p.setBrush(QColor(200, 60, 60));
        p.drawEllipse(QPointF(7, 19), 3.2, 3.2);
        p.drawEllipse(QPointF(17, 19), 3.2, 3.2);
    });
}

QIcon Sheets() {
    return Drawn([](QPainter& p) {
        p.setBrush(QColor(235, 235, 240));
        p.drawRect(QRectF(4, 3, 11, 14));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 8, 11, 14));
    });
}

QIcon Clipboard() {
    return Drawn([](QPainter& p) {
        p.setBrush(QColor(190, 140, 80));
        p.drawRoundedRect(QRectF(4, 4, 16, 18), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 8, 10, 12));
        p.setBrush(QColor(120, 120, 130));
        p.drawRect(QRectF(9, 2, 6, 4));
    });
}

QIcon Printer() {
    return Drawn([](QPainter& p) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3, 10, 7));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(3, 9, 18, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 15, 10, 6));
    });
}

QIcon Book() {
    return Drawn([](QPainter& p) {
        p.setBrush(QColor(70, 110, 180));
        p.drawRoundedRect(QRectF(4, 3, 16, 18), 2, 2);
        p.setPen(QPen(Qt::white, 1.6));
        p.drawLine(QPointF(8, 8), QPointF(16, 8));
        p.drawLine(QPointF(8, 12), QPointF(16, 12));
    });
}

QIcon Lookup() {
    return Drawn([](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 70), 2.2));
        p.drawEllipse(QPointF(10, 10), 6, 6);
        p.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
    });
}

// A letter drawn as a path, bold or slanted, for the text style buttons.
QIcon Letter(const QString& letter, bool bold, bool italic) {
    return Drawn([&](QPainter& p) {
        QFont font;
        font.setPixelSize(18);
        font.setBold(bold);
        font.setItalic(italic);
        QPainterPath path;
        path.addText(0, 0, font, letter);
        const QRectF box = path.boundingRect();
        p.translate(12 - box.center().x(), 12 - box.center().y());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 40, 50));
        p.drawPath(path);
    });
}

QIcon BoldIcon() {
    return Letter(QStringLiteral("B"), true, false);
}

QIcon ItalicIcon() {
    return Letter(QStringLiteral("I"), false, true);
}

QIcon ListItemIcon() {
    return Drawn([](QPainter& p) {
        p.setBrush(QColor(60, 60, 70));
        for (int row = 0; row < 3; ++row) {
            const qreal y = 6 + row * 6;
            p.drawEllipse(QPointF(5, y), 1.8, 1.8);
            p.drawLine(QPointF(10, y), QPointF(21, y));
        }
    });
}

QIcon LinkIcon() {
    return Drawn([](QPainter& p) {
        p.setPen(QPen(QColor(40, 90, 170), 2.2));
        p.translate(12, 12);
        p.rotate(-45);
        p.drawRoundedRect(QRectF(-10, -3.5, 11, 7), 3.5, 3.5);
        p.drawRoundedRect(QRectF(-1, -3.5, 11, 7), 3.5, 3.5);
    });
}

struct IconSource {
    const char* themeName;
    std::function<QIcon(const QStyle*)> fallback;
};

std::function<QIcon(const QStyle*)> Standard(QStyle::StandardPixmap pixmap) {
    return [pixmap](const QStyle* style) { return style ? style->standardIcon(pixmap) : QIcon(); };
}

std::function<QIcon(const QStyle*)> Made(QIcon (*make)()) {
    return [make](const QStyle*) { return make(); };
}

IconSource SourceOf(int id) {
    using namespace CommandId;
    switch (id) {
    case FileNew: return {"document-new", Standard(QStyle::SP_FileIcon)};
    case FileOpen: return {"document-open", Standard(QStyle::SP_DialogOpenButton)};
    case FileSave: return {"document-save", Standard(QStyle::SP_DialogSaveButton)};
    case EditCut: return {"edit-cut", Made(Scissors)};
    case EditCopy: return {"edit-copy", Made(Sheets)};
    case EditPaste: return {"edit-paste", Made(Clipboard)};
    case FilePrint: return {"document-print", Made(Printer)};
    case InsertBold: return {"format-text-bold", Made(BoldIcon)};
    case InsertItalic: return {"format-text-italic", Made(ItalicIcon)};
    case InsertListItem: return {"format-list-unordered", Made(ListItemIcon)};
    case InsertLink: return {"insert-link", Made(LinkIcon)};
    case RefreshPreview: return {"view-refresh", Standard(QStyle::SP_BrowserReload)};
    case LivePreview: return {"view-preview", Standard(QStyle::SP_FileDialogContentsView)};
    case AppAbout: return {"help-about", Standard(QStyle::SP_MessageBoxInformation)};
    case ToggleReferenceWindow: return {"help-contents", Made(Book)};
    case ContextTagLookup: return {"help-contextual", Standard(QStyle::SP_MessageBoxQuestion)};
    case LookupNamedTag: return {"edit-find", Made(Lookup)};
    case ReferenceBack: return {"go-previous", Standard(QStyle::SP_ArrowBack)};
    case ReferenceForward: return {"go-next", Standard(QStyle::SP_ArrowForward)};
    case ReferenceHome: return {"go-home", Standard(QStyle::SP_DirHomeIcon)};
    default: return {nullptr, {}};
    }
}
} // namespace

QIcon CommandIcon(int id, const QStyle* style) {
    const IconSource source = SourceOf(id);
    if (!source.themeName)
        return {};
    const QString themeName = QString::fromLatin1(source.themeName);
    if (QIcon::hasThemeIcon(themeName))
        return QIcon::fromTheme(themeName);
    return source.fallback(style);
}

} // namespace velto
