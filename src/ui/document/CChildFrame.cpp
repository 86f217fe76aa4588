// The MDI child window of a document.
#include "ui/document/CChildFrame.h"

#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorView.h"

#include <QCloseEvent>

namespace velto {

CChildFrame::CChildFrame(CQuorDoc* doc, CQuorView* view, QWidget* parent)
    : QMdiSubWindow(parent), doc_(doc), view_(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
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
