// CompletionPopup: the list of completions under the caret.
#include "ui/completion/CompletionPopup.h"

#include "ui/platform/ColourSwatch.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QListView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

namespace velto {

namespace {
constexpr int IconColumn = 24; // the swatch or character before the name
constexpr int Gap = 14;        // between the name and its description
constexpr int MaxNameWidth = 240;
constexpr int MaxDescriptionWidth = 460;

QString Q(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

// The items as a list model; the delegate reads them directly.
class CompletionModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void Set(std::vector<CompletionItem> items) {
        beginResetModel();
        items_ = std::move(items);
        endResetModel();
    }
    [[nodiscard]] const std::vector<CompletionItem>& Items() const noexcept { return items_; }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(items_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount({}))
            return {};
        const CompletionItem& item = items_[static_cast<std::size_t>(index.row())];
        if (role == Qt::DisplayRole)
            return Q(item.text);
        if (role == Qt::ToolTipRole)
            return Q(item.description);
        return {};
    }

    int nameWidth = 0; // the widest name shown, so that the descriptions line up

private:
    std::vector<CompletionItem> items_;
};

namespace {
class CompletionDelegate final : public QStyledItemDelegate {
public:
    CompletionDelegate(const CompletionModel& model, QObject* parent)
        : QStyledItemDelegate(parent), model_(model) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {IconColumn + model_.nameWidth + Gap + MaxDescriptionWidth, option.fontMetrics.height() + 4};
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const std::vector<CompletionItem>& items = model_.Items();
        if (!index.isValid() || index.row() >= static_cast<int>(items.size()))
            return;
        const CompletionItem& item = items[static_cast<std::size_t>(index.row())];
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        opt.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, p, widget);

        const bool selected = (option.state & QStyle::State_Selected) != 0;
        const QPalette& pal = option.palette;
        QColor text = pal.color(selected ? QPalette::HighlightedText : QPalette::Text);
        if (item.greyed)
            text = pal.color(QPalette::Disabled, QPalette::Text);
        QColor dim = text;
        dim.setAlphaF(selected ? 0.8F : 0.6F);

        const QRect r = option.rect.adjusted(2, 0, -2, 0);
        p->save();
        if (item.swatch) {
            const int side = std::min(16, r.height() - 2);
            ColourSwatch(*item.swatch, side).paint(p, QRect(r.left() + 2, r.center().y() - side / 2, side, side));
        } else if (!item.glyph.empty()) {
            p->setPen(text);
            p->drawText(QRect(r.left(), r.top(), IconColumn - 4, r.height()), Qt::AlignCenter, Q(item.glyph));
        }
        const QRect nameRect(r.left() + IconColumn, r.top(), model_.nameWidth, r.height());
        p->setPen(text);
        p->drawText(nameRect, Qt::AlignVCenter | Qt::AlignLeft,
                    option.fontMetrics.elidedText(Q(item.text), Qt::ElideRight, nameRect.width()));
        const QRect describe(nameRect.right() + Gap, r.top(), r.right() - nameRect.right() - Gap, r.height());
        if (describe.width() > 0 && !item.description.empty()) {
            p->setPen(dim);
            p->drawText(describe, Qt::AlignVCenter | Qt::AlignLeft,
                        option.fontMetrics.elidedText(Q(item.description), Qt::ElideRight, describe.width()));
        }
        p->restore();
    }

private:
    const CompletionModel& model_;
};
} // namespace

CompletionPopup::CompletionPopup(QWidget* parent)
    : QFrame(parent), model_(new CompletionModel(this)), list_(new QListView(this)) {
    setFrameShape(QFrame::StyledPanel);
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(list_);
    list_->setModel(model_);
    list_->setItemDelegate(new CompletionDelegate(*model_, list_));
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setMouseTracking(true);
    connect(list_, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT Chosen(index.row());
    });
    hide();
}

CompletionPopup::~CompletionPopup() = default;

const std::vector<CompletionItem>& CompletionPopup::Items() const noexcept {
    return model_->Items();
}

void CompletionPopup::ShowItems(std::vector<CompletionItem> items, QPoint below, int lineHeight) {
    const QFontMetrics metrics(list_->font());
    int names = 0;
    int descriptions = 0;
    // Measuring every name of a long list (2000 references) would cost more than it tells:
    // the first rows, those shown first, give the width.
    const std::size_t measured = std::min<std::size_t>(items.size(), 5 * MaxVisibleRows);
    for (std::size_t i = 0; i < measured; ++i) {
        names = std::max(names, metrics.horizontalAdvance(Q(items[i].text)));
        descriptions = std::max(descriptions, metrics.horizontalAdvance(Q(items[i].description)));
    }
    model_->nameWidth = std::min(names + 2, MaxNameWidth);
    const int rows = std::min<int>(static_cast<int>(items.size()), MaxVisibleRows);
    model_->Set(std::move(items));

    QWidget* host = parentWidget();
    const int rowHeight = metrics.height() + 4;
    const int scrollBar = model_->rowCount({}) > MaxVisibleRows ? list_->verticalScrollBar()->sizeHint().width() : 0;
    // The popup's frame, the layout's margin and the list's own frame around the rows.
    const int frames = 2 * (frameWidth() + 1 + list_->frameWidth());
    int width = IconColumn + model_->nameWidth + Gap + std::min(descriptions, MaxDescriptionWidth) + scrollBar +
                frames + 8;
    width = std::clamp(width, 160, std::max(160, host->width() - 8));
    const int height = rows * rowHeight + frames;
    QPoint at = below;
    if (at.y() + height > host->height() && below.y() - lineHeight - height >= 0)
        at.setY(below.y() - lineHeight - height);
    at.setX(std::clamp(at.x(), 0, std::max(0, host->width() - width)));
    setGeometry(QRect(at, QSize(width, height)));
    SetCurrentRow(0);
    show();
    raise();
}

int CompletionPopup::CurrentRow() const {
    return list_->currentIndex().isValid() ? list_->currentIndex().row() : -1;
}

void CompletionPopup::SetCurrentRow(int row) {
    const int count = model_->rowCount({});
    if (count == 0)
        return;
    const QModelIndex index = model_->index(std::clamp(row, 0, count - 1));
    list_->setCurrentIndex(index);
    list_->scrollTo(index);
}

void CompletionPopup::MoveCurrent(int delta) {
    SetCurrentRow(CurrentRow() + delta);
}

int CompletionPopup::PageStep() const {
    return MaxVisibleRows - 1;
}

} // namespace velto
