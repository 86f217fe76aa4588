// The bar above a view about its page's encoding.
#include "ui/document/EncodingBar.h"

#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorView.h"
#include "ui/document/EncodingActions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace velto {

EncodingBar::EncodingBar(CQuorDoc& doc, CQuorView& view, QWidget* parent)
    : QFrame(parent), doc_(doc), view_(view), text_(new QLabel(this)), buttons_(new QHBoxLayout) {
    setObjectName(QStringLiteral("encodingBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    text_->setWordWrap(true);
    text_->setForegroundRole(QPalette::ToolTipText);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons_);
    connect(&view_, &CQuorView::EncodingChanged, this, &EncodingBar::Refresh);
    Refresh();
}

void EncodingBar::AddButton(const QString& text, const std::function<void()>& action) {
    auto* b = new QPushButton(text, this);
    connect(b, &QPushButton::clicked, this, action);
    buttons_->addWidget(b);
}

void EncodingBar::Refresh() {
    while (QLayoutItem* item = buttons_->takeAt(0)) {
        if (QWidget* w = item->widget())
            w->deleteLater();
        delete item;
    }
    const QString notice = view_.EncodingNotice();
    setVisible(!notice.isEmpty());
    text_->setText(notice);
    if (notice.isEmpty())
        return;
    const EncodingInfo& fallback = view_.FallbackEncoding();
    // Which encoding the bytes more likely are: UTF-8 when they are UTF-8 under another
    // declaration, else the one for pages that declare none.
    const EncodingInfo& other =
        view_.EncodingConflict() == DeclarationConflict::IsUtf8 ? Utf8Encoding() : fallback;
    const QString name = QString::fromLatin1(other.name.data(), static_cast<qsizetype>(other.name.size()));
    const bool onDisk = !doc_.PathName().isEmpty();
    if (onDisk) {
        AddButton(QStringLiteral("Reopen as %1").arg(name), [this, &other] { ReopenWithEncoding(doc_, other); });
        if (view_.EncodingConflict() != DeclarationConflict::None)
            AddButton(QStringLiteral("Correct the Declaration"), [this, &other] {
                if (!doc_.IsModified() || ReopenWithEncoding(doc_, other))
                    view_.CorrectDeclaration(doc_.PathName(), other);
            });
        auto* more = new QToolButton(this);
        more->setText(QStringLiteral("Reopen with Encoding"));
        more->setPopupMode(QToolButton::InstantPopup);
        auto* menu = new QMenu(more);
        AddEncodingItems(*menu, [this](const EncodingInfo& e) { ReopenWithEncoding(doc_, e); });
        more->setMenu(menu);
        buttons_->addWidget(more);
    }
    AddButton(QStringLiteral("Keep as It Is"), [this] { view_.DismissEncodingNotice(); });
}

} // namespace velto
