// A dock listing the results of a site-wide task.
#include "ui/site/SiteResultsDock.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velto {

namespace {
constexpr int PathRole = Qt::UserRole;
constexpr int OffsetRole = Qt::UserRole + 1;
constexpr int LengthRole = Qt::UserRole + 2;
constexpr int HighlightFromRole = Qt::UserRole + 3;
constexpr int HighlightLengthRole = Qt::UserRole + 4;

// Paints the matched part of a result line on the highlight colour.
class MatchDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const qsizetype from = index.data(HighlightFromRole).value<qsizetype>();
        const qsizetype length = index.data(HighlightLengthRole).value<qsizetype>();
        if (index.column() != 1 || from < 0 || length <= 0)
            return;
        const QString text = index.data().toString();
        const QFontMetrics metrics(option.font);
        const int margin =
            option.widget ? option.widget->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1
                          : 3;
        const int x = option.rect.x() + margin + metrics.horizontalAdvance(text.left(from));
        QRect box(x, option.rect.y(), metrics.horizontalAdvance(text.mid(from, length)),
                  option.rect.height());
        box = box.intersected(option.rect);
        QColor colour = option.palette.color(QPalette::Highlight);
        colour.setAlpha(90);
        painter->fillRect(box, colour);
    }
};
} // namespace

SiteResultsDock::SiteResultsDock(const QString& title, const QString& objectName, QWidget* parent)
    : QDockWidget(title, parent), heading_(new QLabel), progress_(new QProgressBar),
      stopButton_(new QPushButton(tr("&Stop"))), tree_(new QTreeWidget) {
    setObjectName(objectName);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* bar = new QHBoxLayout;
    bar->addWidget(heading_, 1);
    bar->addWidget(progress_);
    bar->addWidget(stopButton_);
    layout->addLayout(bar);
    layout->addWidget(tree_);
    progress_->setMaximumWidth(200);
    progress_->hide();
    stopButton_->setEnabled(false);
    tree_->setObjectName(objectName + QStringLiteral("List"));
    tree_->setColumnCount(2);
    tree_->setHeaderLabels({tr("Where"), tr("Text")});
    tree_->setUniformRowHeights(true);
    tree_->setItemDelegate(new MatchDelegate(tree_));
    setWidget(body);
    connect(stopButton_, &QPushButton::clicked, this, &SiteResultsDock::Stop);
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item, int) {
        const QString path = item->data(0, PathRole).toString();
        if (!path.isEmpty())
            Q_EMIT OpenAt(path, item->data(0, OffsetRole).toInt(),
                          item->data(0, LengthRole).toInt());
    });
}

SiteResultsDock::~SiteResultsDock() {
    Stop();
    Join();
}

void SiteResultsDock::Join() {
    if (worker_.joinable())
        worker_.join();
}

void SiteResultsDock::Stop() {
    if (stop_)
        stop_->store(true);
}

QString SiteResultsDock::Summary() const {
    return summary_;
}

void SiteResultsDock::Start(const QString& heading, const QString& root,
                            std::function<QString(const Feed&)> work) {
    root_ = root;
    Stop();
    Join();
    tree_->clear();
    summary_.clear();
    heading_->setText(heading);
    progress_->setRange(0, 0);
    progress_->resetFormat();
    progress_->show();
    stopButton_->setEnabled(true);
    running_ = true;
    stop_ = std::make_unique<std::atomic<bool>>(false);
    const int generation = ++generation_;
    // Everything the worker posts reaches this object through its event queue; what is
    // posted after it is gone is dropped by Qt.
    Feed feed;
    feed.stop = stop_.get();
    feed.file = [this, generation](QString path, std::vector<SiteResultRow> rows) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, path = std::move(path), rows = std::move(rows)] {
                if (generation == generation_)
                    AddFile(path, rows);
            },
            Qt::QueuedConnection);
    };
    feed.progress = [this, generation](int done, int total) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, done, total] {
                if (generation != generation_)
                    return;
                progress_->setRange(0, total);
                progress_->setValue(done);
            },
            Qt::QueuedConnection);
    };
    feed.stage = [this, generation](QString format) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, format = std::move(format)] {
                if (generation == generation_)
                    progress_->setFormat(format);
            },
            Qt::QueuedConnection);
    };
    worker_ = std::thread([this, generation, feed, work = std::move(work)] {
        QString summary = work(feed);
        QMetaObject::invokeMethod(
            this,
            [this, generation, summary] {
                if (generation != generation_)
                    return;
                summary_ = summary;
                heading_->setText(heading_->text() + QStringLiteral(": ") + summary);
                progress_->hide();
                stopButton_->setEnabled(false);
                running_ = false;
                Join();
                Q_EMIT Finished();
            },
            Qt::QueuedConnection);
    });
}

void SiteResultsDock::AddFile(const QString& path, const std::vector<SiteResultRow>& rows) {
    // The file's row spans the columns: its path below the folder searched, and the count.
    const QString shown = root_.isEmpty() || !QFileInfo(path).isAbsolute()
                              ? path
                              : QDir(root_).relativeFilePath(path);
    auto* file = new QTreeWidgetItem(
        tree_, {QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(shown)).arg(rows.size())});
    file->setFirstColumnSpanned(true);
    file->setToolTip(0, path);
    file->setData(0, PathRole, path);
    file->setData(0, OffsetRole, rows.empty() ? -1 : rows.front().offset);
    for (const SiteResultRow& row : rows) {
        const QString where =
            row.line > 0 ? QStringLiteral("%1:%2").arg(row.line).arg(row.column) : QString();
        // Leading indentation says nothing in a list of lines.
        qsizetype indent = 0;
        while (indent < row.text.size() && row.text[indent].isSpace() &&
               (row.highlightFrom < 0 || indent < row.highlightFrom))
            ++indent;
        auto* item = new QTreeWidgetItem(file, {where, row.text.mid(indent)});
        item->setData(0, PathRole, path);
        item->setData(0, OffsetRole, row.offset);
        item->setData(0, LengthRole, row.length);
        item->setData(1, HighlightFromRole,
                      QVariant::fromValue(row.highlightFrom < 0 ? row.highlightFrom
                                                                : row.highlightFrom - indent));
        item->setData(1, HighlightLengthRole, QVariant::fromValue(row.highlightLength));
    }
    file->setExpanded(true);
}

} // namespace velto
