// Icons of the Site dock's files.
#include "ui/site/SiteIcons.h"

#include <QFileIconProvider>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <map>

namespace velto {

namespace {
// A sheet of paper with a folded corner, drawn on a 16-unit grid scaled to size.
void DrawSheet(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(3, 1);
    sheet.lineTo(10, 1);
    sheet.lineTo(13, 4);
    sheet.lineTo(13, 15);
    sheet.lineTo(3, 15);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 0.8));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.drawLine(QPointF(10, 1), QPointF(10, 4));
    p.drawLine(QPointF(10, 4), QPointF(13, 4));
}

// What marks each kind on the sheet: angle brackets for a page, a landscape for an
// image, braces for a style sheet, a prompt for a script.
void DrawMark(QPainter& p, SiteFileKind kind) {
    switch (kind) {
    case SiteFileKind::Page:
        p.setPen(QPen(QColor(0xD0, 0x50, 0x10), 1.4));
        p.drawPolyline(QPolygonF({{7, 6.5}, {4.8, 9}, {7, 11.5}}));
        p.drawPolyline(QPolygonF({{9, 6.5}, {11.2, 9}, {9, 11.5}}));
        break;
    case SiteFileKind::Image:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2E, 0x8B, 0x3E));
        p.drawPolygon(QPolygonF({{4, 13.5}, {7.5, 8}, {10, 11.5}, {11, 10}, {12.5, 13.5}}));
        p.setBrush(QColor(0xE8, 0xB0, 0x10));
        p.drawEllipse(QPointF(10.5, 6.5), 1.5, 1.5);
        break;
    case SiteFileKind::StyleSheet:
        p.setPen(QPen(QColor(0x20, 0x60, 0xC0), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({{7, 6}, {6, 6.5}, {6, 8.5}, {5, 9}, {6, 9.5}, {6, 11.5}, {7, 12}}));
        p.drawPolyline(
            QPolygonF({{9, 6}, {10, 6.5}, {10, 8.5}, {11, 9}, {10, 9.5}, {10, 11.5}, {9, 12}}));
        break;
    case SiteFileKind::Script:
        p.setPen(QPen(QColor(0x80, 0x30, 0xA0), 1.4));
        p.drawPolyline(QPolygonF({{5, 7}, {7.5, 9}, {5, 11}}));
        p.drawLine(QPointF(8.5, 12), QPointF(11.5, 12));
        break;
    case SiteFileKind::Folder:
    case SiteFileKind::Other:
        break;
    }
}

QIcon Drawn(SiteFileKind kind) {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        DrawSheet(p);
        DrawMark(p, kind);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

const char* ThemeName(SiteFileKind kind) {
    switch (kind) {
    case SiteFileKind::Page:
        return "text-html";
    case SiteFileKind::Image:
        return "image-x-generic";
    case SiteFileKind::StyleSheet:
        return "text-css";
    case SiteFileKind::Script:
        return "text-x-script";
    case SiteFileKind::Folder:
    case SiteFileKind::Other:
        break;
    }
    return nullptr;
}
} // namespace

QIcon DrawnSiteFileIcon(SiteFileKind kind) {
    // Drawn once; kept past the application's end, as pixmaps may not outlive it.
    static auto* drawn = new std::map<SiteFileKind, QIcon>;
    auto it = drawn->find(kind);
    if (it == drawn->end())
        it = drawn->emplace(kind, Drawn(kind)).first;
    return it->second;
}

QIcon SiteFileIcon(SiteFileKind kind) {
    // Looked up once a kind: a folder of thousands of files asks for each of them.
    static auto* icons = new std::map<SiteFileKind, QIcon>;
    if (auto it = icons->find(kind); it != icons->end())
        return it->second;
    static const QFileIconProvider provider;
    QIcon icon;
    if (kind == SiteFileKind::Folder) {
        icon = provider.icon(QFileIconProvider::Folder);
    } else if (const char* name = ThemeName(kind); !name) {
        icon = provider.icon(QFileIconProvider::File);
    } else {
        const QString themeName = QLatin1String(name);
        icon = QIcon::hasThemeIcon(themeName) ? QIcon::fromTheme(themeName) : DrawnSiteFileIcon(kind);
    }
    icons->emplace(kind, icon);
    return icon;
}

} // namespace velto
