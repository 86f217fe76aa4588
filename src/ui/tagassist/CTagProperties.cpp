// CTagProperties: the tag properties dialog.
#include "ui/tagassist/CTagProperties.h"

#include "core/htmlkb/HtmlMetaAttBase.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/MenuRenderer.h"
#include "ui/tagassist/QtTagAssistant.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velto {

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
constexpr int ValueColumn = 2;
} // namespace

CTagProperties::CTagProperties(TagProperties& model, CQuorApp& app, bool showHtmlCodes, QWidget* parent)
    : QDialog(parent), model_(model), app_(app), list_(new QTreeWidget(this)),
      edit_(new QToolButton(list_->viewport())), purpose_(new QLabel(this)),
      showCodes_(new QCheckBox(QStringLiteral("Show HTML &codes"), this)) {
    setObjectName(QStringLiteral("tagPropertiesDialog"));
    setWindowTitle(Q(model_.Title()));

    list_->setObjectName(QStringLiteral("attributes"));
    list_->setColumnCount(3);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->header()->setStretchLastSection(true);
    list_->header()->setSectionsMovable(false);
    list_->setMinimumSize(list_->fontMetrics().averageCharWidth() * 80, list_->fontMetrics().height() * 22);
    list_->viewport()->installEventFilter(this);

    edit_->setObjectName(QStringLiteral("edit"));
    edit_->setText(QStringLiteral("..."));
    edit_->setToolTip(QStringLiteral("Edit the value"));
    edit_->setFocusPolicy(Qt::NoFocus);
    edit_->hide();

    purpose_->setObjectName(QStringLiteral("purpose"));
    purpose_->setWordWrap(true);
    purpose_->setMinimumHeight(purpose_->fontMetrics().height() * 2);
    purpose_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    showCodes_->setObjectName(QStringLiteral("showHtmlCodes"));
    showCodes_->setChecked(showHtmlCodes);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(purpose_);
    layout->addWidget(showCodes_);
    layout->addWidget(buttons);

    connect(list_, &QTreeWidget::currentItemChanged, this, &CTagProperties::OnSelectionChanged);
    connect(list_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { EditRow(list_->indexOfTopLevelItem(item)); });
    connect(edit_, &QToolButton::clicked, this,
            [this] { EditRow(list_->indexOfTopLevelItem(list_->currentItem())); });
    connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this, &CTagProperties::PlaceEditButton);
    connect(list_->header(), &QHeaderView::sectionResized, this, &CTagProperties::PlaceEditButton);
    connect(showCodes_, &QCheckBox::toggled, this, &CTagProperties::Fill);

    Fill();
}

bool CTagProperties::ShowHtmlCodes() const {
    return showCodes_->isChecked();
}

void CTagProperties::Fill() {
    const bool codes = ShowHtmlCodes();
    const int selected = std::max(0, list_->indexOfTopLevelItem(list_->currentItem()));
    rows_ = model_.Rows(codes);
    list_->clear();
    list_->setHeaderLabels({codes ? QStringLiteral("HTML") : QStringLiteral("Attribute"),
                            QStringLiteral("Attribute"), QStringLiteral("Value")});
    list_->setColumnHidden(1, !codes);
    for (const TagProperties::Row& row : rows_) {
        auto* item = new QTreeWidgetItem(list_, {Q(row.name), Q(row.second), Q(row.value)});
        item->setDisabled(!row.enabled);
    }
    for (int c = 0; c < ValueColumn; ++c)
        list_->resizeColumnToContents(c);
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(std::min(selected, list_->topLevelItemCount() - 1)));
    OnSelectionChanged();
}

void CTagProperties::UpdateRowTexts() {
    for (int i = 0; i < list_->topLevelItemCount() && i < static_cast<int>(rows_.size()); ++i) {
        rows_[static_cast<std::size_t>(i)].value = model_.ValueText(*rows_[static_cast<std::size_t>(i)].attribute);
        list_->topLevelItem(i)->setText(ValueColumn, Q(rows_[static_cast<std::size_t>(i)].value));
    }
}

void CTagProperties::OnSelectionChanged() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    purpose_->setText(row >= 0 ? Q(TagProperties::Purpose(*rows_[static_cast<std::size_t>(row)].attribute))
                               : QString());
    PlaceEditButton();
}

void CTagProperties::PlaceEditButton() {
    QTreeWidgetItem* current = list_->currentItem();
    const QRect rowRect = current ? list_->visualItemRect(current) : QRect();
    // Beside the row, at the right of the list; gone when the row is scrolled away.
    if (!current || current->isDisabled() || !list_->viewport()->rect().intersects(rowRect)) {
        edit_->hide();
        return;
    }
    const int side = rowRect.height();
    edit_->setFixedSize(side + side / 2, side);
    edit_->move(list_->viewport()->width() - edit_->width(), rowRect.top());
    edit_->show();
    edit_->raise();
}

bool CTagProperties::eventFilter(QObject* watched, QEvent* e) {
    if (watched == list_->viewport() && e->type() == QEvent::Resize)
        PlaceEditButton();
    return QDialog::eventFilter(watched, e);
}

void CTagProperties::EditRow(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size()) || !rows_[static_cast<std::size_t>(row)].enabled)
        return;
    const HtmlMetaAttBase& attribute = *rows_[static_cast<std::size_t>(row)].attribute;
    list_->setCurrentItem(list_->topLevelItem(row));
    QtTagAssistant assistant(app_, this);
    if (TagProperties::EditsBySubmenu(attribute)) {
        const MenuModel values = model_.Submenu(attribute);
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("attributeValues"));
        RenderMenu(menu, values, nullptr, [this, &assistant](int id) { model_.RunSubmenuCommand(id, assistant); });
        const QPoint at = edit_->isVisible() ? edit_->mapToGlobal(QPoint(edit_->width(), 0))
                                             : list_->viewport()->mapToGlobal(list_->visualItemRect(list_->currentItem()).bottomLeft());
        menu.exec(at);
    } else {
        model_.Edit(attribute, assistant);
    }
    UpdateRowTexts();
}

} // namespace velto
