// The MDI child window of a document.
#include "ui/document/CChildFrame.h"

#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorView.h"
#include "ui/document/EncodingBar.h"

#include <QCloseEvent>
#include <QVBoxLayout>

namespace velto {

CChildFrame::CChildFrame(CQuorDoc* doc, CQuorView* view, QWidget* parent)
    : QMdiSubWindow(parent), doc_(doc), view_(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    // The bar about the page's encoding stands above the view when it has something to say.
    auto* holder = new QWidget(this);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new EncodingBar(*doc, *view, holder));
    layout->addWidget(view, 1);
    holder->setFocusProxy(view);
    setWidget(holder);
    doc->setParent(this);
    setWindowTitle(doc->Title());
    connect(doc, &CQuorDoc::TitleChanged, this, &QWidget::setWindowTitle);
}

void CChildFrame::CloseWithoutAsking() {
    asked_ = true;
    close();
}

void CChildFrame::closeEvent(QCloseEvent* e) {
    if (asked_ || doc_->SaveModified()) {
        e->accept();
        Q_EMIT doc_->Closed();
    } else
        e->ignore();
}

} // namespace velto
