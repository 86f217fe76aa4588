// The dialog that offers back unsaved documents after a crash.
#include "ui/document/RecoveryDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velto {

RecoveryDlg::RecoveryDlg(const std::vector<Item>& items, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Recover Unsaved Documents"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(
        QStringLiteral("Velto ended without saving these documents. Their text as last written "
                       "can be opened again: each opens modified, and Save writes it to its file."),
        this);
    text->setWordWrap(true);
    layout->addWidget(text);

    list_ = new QTreeWidget(this);
    list_->setHeaderLabels({QStringLiteral("Document"), QStringLiteral("Written")});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    const QLocale locale;
    for (const Item& item : items) {
        auto* row = new QTreeWidgetItem(list_);
        row->setText(0, item.document);
        row->setToolTip(0, item.document);
        row->setText(1, locale.toString(item.written.toLocalTime(), QLocale::ShortFormat));
    }
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    layout->addWidget(list_);

    auto* buttons = new QDialogButtonBox(this);
    recover_ = buttons->addButton(QStringLiteral("&Recover"), QDialogButtonBox::AcceptRole);
    discard_ = buttons->addButton(QStringLiteral("&Discard"), QDialogButtonBox::DestructiveRole);
    later_ = buttons->addButton(QStringLiteral("&Later"), QDialogButtonBox::RejectRole);
    recover_->setDefault(true);
    connect(recover_, &QPushButton::clicked, this, [this] { done(Recover); });
    connect(discard_, &QPushButton::clicked, this, [this] { done(Discard); });
    connect(later_, &QPushButton::clicked, this, [this] { done(Later); });
    layout->addWidget(buttons);
    resize(560, 300);
}

QPushButton* RecoveryDlg::Button(Choice choice) const {
    switch (choice) {
    case Recover:
        return recover_;
    case Discard:
        return discard_;
    case Later:
        break;
    }
    return later_;
}

} // namespace velto
