// The status bar pane of the active document's encoding.
#include "ui/document/EncodingPane.h"

#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"
#include "ui/document/EncodingActions.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>

namespace velto {

EncodingPane::EncodingPane(CMainFrame& frame) : QToolButton(frame.statusBar()), frame_(frame) {
    setObjectName(QStringLiteral("encodingPane"));
    setAutoRaise(true);
    setPopupMode(QToolButton::InstantPopup);
    setToolTip(QStringLiteral("The document's encoding: click to reopen or save it in another"));
    setMenu(new QMenu(this));
    connect(menu(), &QMenu::aboutToShow, this, &EncodingPane::FillMenu);
    frame.statusBar()->addPermanentWidget(this);
    connect(frame.MdiArea(), &QMdiArea::subWindowActivated, this, &EncodingPane::Follow);
    Follow();
}

void EncodingPane::Follow() {
    if (view_)
        disconnect(view_, nullptr, this, nullptr);
    view_ = frame_.ActiveView();
    if (view_)
        connect(view_, &CQuorView::EncodingChanged, this, &EncodingPane::Refresh);
    Refresh();
}

void EncodingPane::Refresh() {
    setVisible(view_ != nullptr);
    if (view_)
        setText(QString::fromStdString(view_->Encoding().Label()));
}

void EncodingPane::FillMenu() {
    QMenu* m = menu();
    m->clear();
    CQuorDoc* doc = view_ ? view_->GetDocument() : nullptr;
    if (!doc)
        return;
    QMenu* reopen = m->addMenu(QStringLiteral("&Reopen with Encoding"));
    reopen->setEnabled(!doc->PathName().isEmpty());
    QPointer<CQuorDoc> target = doc;
    AddEncodingItems(*reopen, [target](const EncodingInfo& e) {
        if (target)
            ReopenWithEncoding(*target, e);
    });
    QMenu* save = m->addMenu(QStringLiteral("&Save with Encoding..."));
    // Bytes kept raw have no characters to convert; reopening reads them as some.
    save->setEnabled(!view_->Encoding().raw);
    AddEncodingItems(*save, [target](const EncodingInfo& e) {
        if (target)
            SaveWithEncoding(*target, e);
    });
}

} // namespace velto
