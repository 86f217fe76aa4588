// The review of changes planned for many files.
#include "ui/site/FileEditsPreview.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velto {

namespace {
constexpr int IndexRole = Qt::UserRole;
constexpr qsizetype ContextBefore = 60; // characters of the line shown before a change
constexpr qsizetype ContextAfter = 100;
constexpr qsizetype LongestPiece = 200; // of the old or the new text

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A piece of text for one line of the list: its line ends shown as a sign, cut when long.
QString OneLine(QString text, qsizetype longest) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\u21b5"));
    text.replace(QLatin1Char('\n'), QChar(0x21b5));
    text.replace(QLatin1Char('\r'), QChar(0x21b5));
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    if (text.size() > longest)
        text = text.left(longest) + QChar(0x2026);
    return text;
}

// The line around a change, split into what stands before it, the old text, and what
// follows; a change running past the end of the line shows none of the line after it.
struct LinePieces {
    QString before;
    QString old;
    QString after;
};

LinePieces SplitLine(const TextEdit& edit) {
    const std::string_view line = edit.lineText;
    const std::size_t from = std::min(edit.matchInLine, line.size());
    const std::size_t to = from + edit.original.size();
    LinePieces pieces;
    pieces.before = FromUtf8(line.substr(0, from));
    // Leading indentation says nothing in a list of lines.
    qsizetype indent = 0;
    while (indent < pieces.before.size() && pieces.before[indent].isSpace())
        ++indent;
    pieces.before = OneLine(pieces.before.mid(indent), pieces.before.size());
    if (pieces.before.size() > ContextBefore)
        pieces.before = QChar(0x2026) + pieces.before.right(ContextBefore);
    pieces.old = OneLine(FromUtf8(edit.original), LongestPiece);
    if (to <= line.size())
        pieces.after = OneLine(FromUtf8(line.substr(to)), ContextAfter);
    return pieces;
}

// Paints a change's line: the old text struck through on red, the new text on green.
class ChangeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (index.column() != 1 || !index.data(FileEditsPreview::OldRole).isValid()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        const QRect area =
            style ? style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget) : opt.rect;
        painter->save();
        painter->setClipRect(area);
        const bool selected = opt.state & QStyle::State_Selected;
        painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        int x = area.x() + 2;
        auto draw = [&](const QString& text, const QFont& font, QColor back) {
            if (text.isEmpty())
                return;
            const QFontMetrics metrics(font);
            const int width = metrics.horizontalAdvance(text);
            if (back.isValid())
                painter->fillRect(QRect(x, area.y(), width, area.height()), back);
            painter->setFont(font);
            painter->drawText(QRect(x, area.y(), width + 1, area.height()),
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
            x += width;
        };
        QFont struck = opt.font;
        struck.setStrikeOut(true);
        draw(index.data(FileEditsPreview::BeforeRole).toString(), opt.font, {});
        draw(index.data(FileEditsPreview::OldRole).toString(), struck, QColor(230, 60, 60, 70));
        draw(index.data(FileEditsPreview::NewRole).toString(), opt.font, QColor(40, 170, 70, 80));
        draw(index.data(FileEditsPreview::AfterRole).toString(), opt.font, {});
        painter->restore();
    }
};
} // namespace

FileEditsPreview::FileEditsPreview(std::vector<FileEdits> files, const QString& title,
                                   const QString& message, const QString& root, QWidget* parent)
    : QDialog(parent), files_(std::move(files)), tree_(new QTreeWidget), counts_(new QLabel),
      accept_(nullptr), alternative_(new QPushButton) {
    setWindowTitle(title);
    setObjectName(QStringLiteral("FileEditsPreview"));
    auto* heading = new QLabel(message);
    heading->setWordWrap(true);
    tree_->setObjectName(QStringLiteral("changes"));
    tree_->setColumnCount(2);
    tree_->setHeaderLabels({tr("Line"), tr("Change")});
    tree_->setUniformRowHeights(true);
    tree_->setItemDelegate(new ChangeDelegate(tree_));
    counts_->setObjectName(QStringLiteral("counts"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    accept_ = buttons->button(QDialogButtonBox::Ok);
    accept_->setText(tr("&Replace"));
    alternative_->setObjectName(QStringLiteral("alternative"));
    buttons->addButton(alternative_, QDialogButtonBox::ActionRole);
    alternative_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(tree_, 1);
    layout->addWidget(counts_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(alternative_, &QPushButton::clicked, this, [this] { done(Alternative); });
    Fill(root);
    UpdateCounts();
    connect(tree_, &QTreeWidget::itemChanged, this, [this] {
        if (countsPending_)
            return;
        countsPending_ = true;
        QMetaObject::invokeMethod(this, [this] { UpdateCounts(); }, Qt::QueuedConnection);
    });
    resize(760, 480);
}

void FileEditsPreview::SetAcceptText(const QString& text) {
    accept_->setText(text);
}

void FileEditsPreview::SetAlternativeText(const QString& text) {
    alternative_->setText(text);
    alternative_->setVisible(!text.isEmpty());
}

void FileEditsPreview::Fill(const QString& root) {
    // Every item is made apart from the tree and handed over at once: a tick set on an item
    // inside it makes the tree state its file's tick afresh each time, quadratic in the
    // changes of a file.
    const QDir rootDir(root);
    QList<QTreeWidgetItem*> fileItems;
    fileItems.reserve(static_cast<qsizetype>(files_.size()));
    for (std::size_t f = 0; f < files_.size(); ++f) {
        const FileEdits& file = files_[f];
        const QString path = QString::fromStdString(file.path);
        const QString relative = rootDir.relativeFilePath(path);
        const QString shown = root.isEmpty() || relative.startsWith(QLatin1String("../"))
                                  ? path
                                  : relative;
        auto* fileItem = new QTreeWidgetItem(QStringList{QStringLiteral("%1 (%2)")
                                                             .arg(QDir::toNativeSeparators(shown))
                                                             .arg(file.edits.size())});
        fileItem->setToolTip(0, path);
        fileItem->setData(0, IndexRole, QVariant::fromValue(static_cast<qulonglong>(f)));
        fileItem->setFlags(fileItem->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        QList<QTreeWidgetItem*> changes;
        changes.reserve(static_cast<qsizetype>(file.edits.size()));
        for (const TextEdit& edit : file.edits) {
            const LinePieces pieces = SplitLine(edit);
            const QString replacement = OneLine(FromUtf8(edit.replacement), LongestPiece);
            auto* item = new QTreeWidgetItem(QStringList{
                QString::number(edit.line), pieces.before + replacement + pieces.after});
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, file.enabled && edit.enabled ? Qt::Checked : Qt::Unchecked);
            item->setData(1, BeforeRole, pieces.before);
            item->setData(1, OldRole, pieces.old);
            item->setData(1, NewRole, replacement);
            item->setData(1, AfterRole, pieces.after);
            item->setToolTip(1, tr("%1 \u2192 %2").arg(pieces.old, replacement));
            changes.push_back(item);
        }
        fileItem->addChildren(changes);
        fileItems.push_back(fileItem);
    }
    tree_->addTopLevelItems(fileItems);
    for (QTreeWidgetItem* fileItem : fileItems)
        fileItem->setFirstColumnSpanned(true);
    tree_->expandAll();
    // Wide enough for a tick and a five-digit line number; measuring every row would take
    // long in a list of many thousands.
    tree_->header()->resizeSection(
        0, fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 3 * tree_->indentation());
}

std::vector<FileEdits> FileEditsPreview::Edits() const {
    std::vector<FileEdits> out = files_;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* fileItem = tree_->topLevelItem(i);
        FileEdits& file = out[fileItem->data(0, IndexRole).toULongLong()];
        file.enabled = fileItem->checkState(0) != Qt::Unchecked;
        for (int e = 0; e < fileItem->childCount() && e < static_cast<int>(file.edits.size()); ++e)
            file.edits[static_cast<std::size_t>(e)].enabled =
                fileItem->child(e)->checkState(0) == Qt::Checked;
    }
    return out;
}

std::size_t FileEditsPreview::TickedEdits() const {
    std::size_t count = 0;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* fileItem = tree_->topLevelItem(i);
        for (int e = 0; e < fileItem->childCount(); ++e)
            count += fileItem->child(e)->checkState(0) == Qt::Checked ? 1 : 0;
    }
    return count;
}

std::size_t FileEditsPreview::TickedFiles() const {
    std::size_t count = 0;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i)
        count += tree_->topLevelItem(i)->checkState(0) != Qt::Unchecked ? 1 : 0;
    return count;
}

QString FileEditsPreview::CountsText() const {
    std::size_t all = 0;
    for (const FileEdits& file : files_)
        all += file.edits.size();
    return tr("%1 of %2 changes ticked, in %3 of %4 files.")
        .arg(TickedEdits())
        .arg(all)
        .arg(TickedFiles())
        .arg(files_.size());
}

void FileEditsPreview::UpdateCounts() {
    countsPending_ = false;
    counts_->setText(CountsText());
    accept_->setEnabled(TickedEdits() > 0);
}

} // namespace velto
