// Files dragged from the Site dock.
#include "ui/site/SiteDrag.h"

#include "core/site/SiteDropText.h"
#include "ui/app/CQuorApp.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorView.h"

#include <QMimeData>
#include <QPoint>
#include <QUrl>

namespace velto {

QMimeData* MakeSiteDrag(const QStringList& paths) {
    auto* mime = new QMimeData;
    mime->setData(QLatin1String(SiteDragMimeType), paths.join(QLatin1Char('\n')).toUtf8());
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    mime->setUrls(urls);
    return mime;
}

QStringList SiteDragPaths(const QMimeData* mime) {
    if (!mime || !mime->hasFormat(QLatin1String(SiteDragMimeType)))
        return {};
    return QString::fromUtf8(mime->data(QLatin1String(SiteDragMimeType)))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool DropSiteFiles(CQuorView& view, const QMimeData* mime, const QPoint& point) {
    const QStringList paths = SiteDragPaths(mime);
    if (paths.isEmpty())
        return false;
    if (view.isReadOnly())
        return true;
    const CQuorDoc* doc = view.GetDocument();
    const std::string page = doc ? doc->PathName().toStdString() : std::string();
    // Several files go in one after the other; the caret ends where the last one puts it.
    std::string text;
    std::size_t caret = 0;
    for (const QString& path : paths) {
        const SiteDropText drop =
            MakeSiteDropText(path.toStdString(), page, view.App().Editor());
        caret = text.size() + drop.caret;
        text += drop.text;
    }
    const int at = view.DocumentPosition(static_cast<int>(view.SendScintilla(
        QsciScintillaBase::SCI_POSITIONFROMPOINT, static_cast<unsigned long>(point.x()),
        static_cast<long>(point.y()))));
    view.FlushChange();
    view.ReplaceRange(at, at, QByteArray::fromStdString(text));
    view.FlushChange();
    view.SetSelection(at + static_cast<int>(caret), at + static_cast<int>(caret));
    view.setFocus();
    return true;
}

} // namespace velto
