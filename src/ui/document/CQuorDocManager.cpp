// Creates, opens, saves and closes documents, and runs their file dialogs.
#include "ui/document/CQuorDocManager.h"

#include "core/colouring/ColourSchedule.h"
#include "core/document/FileFilters.h"
#include "ui/app/CQuorApp.h"
#include "ui/document/CChildFrame.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorView.h"
#include "ui/document/IdlePump.h"
#include "ui/platform/QtFileFilters.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>

namespace velto {

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

CQuorDocManager::CQuorDocManager(CQuorApp& app)
    : app_(app), idle_(std::make_unique<IdlePump>([this](unsigned long n) { return IdleTick(n); })) {}

CQuorDocManager::~CQuorDocManager() = default;

CQuorView* CQuorDocManager::ActiveView() const {
    if (!area_)
        return nullptr;
    auto* frame = qobject_cast<CChildFrame*>(area_->activeSubWindow());
    if (!frame) // the area forgets its active window while the main window is inactive
        frame = qobject_cast<CChildFrame*>(area_->currentSubWindow());
    return frame ? frame->View() : nullptr;
}

bool CQuorDocManager::IdleTick(unsigned long count) {
    std::vector<ColourSchedule*> views;
    for (CQuorDoc* doc : Documents())
        if (ColourSchedule* s = doc->View()->Colouring())
            views.push_back(s);
    CQuorView* active = ActiveView();
    const ColourSchedule::IdleResult r =
        OfferIdleTick(active ? active->Colouring() : nullptr, views, count);
    return !r.complete;
}

void CQuorDocManager::RecolourAll() {
    for (CQuorDoc* doc : Documents())
        doc->View()->RestartColouring();
}

QStringList CQuorDocManager::DialogNameFilters(const CQuorDoc* doc) {
    const std::vector<DocumentType>& types = DocumentTypes();
    const bool ownType = doc != nullptr && doc->TypeIndex() >= 0 &&
                         static_cast<std::size_t>(doc->TypeIndex()) < types.size();
    return QtNameFilters(DialogFilters(ownType ? &types[static_cast<std::size_t>(doc->TypeIndex())] : nullptr));
}

bool CQuorDocManager::PromptFileName(QString& path, bool open, CQuorDoc* doc, QStringList* paths) {
    QStringList chosen;
    if (promptHook) {
        chosen = promptHook(path, open);
    } else {
        QFileDialog dialog(app_.MainWindow(), open ? QStringLiteral("Open") : QStringLiteral("Save As"));
        dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
        dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(open ? QFileDialog::ExistingFiles : QFileDialog::AnyFile);
        const QStringList filters = DialogNameFilters(open ? nullptr : doc);
        dialog.setNameFilters(filters);
        // Save As offers the document's own type, and starts on it.
        if (doc && !open)
            dialog.selectNameFilter(filters.value(static_cast<int>(FixedFileFilters().size())));
        dialog.setDefaultSuffix(Q(std::string(DefaultExtension)));
        if (!path.isEmpty())
            dialog.selectFile(path);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        chosen = dialog.selectedFiles();
    }
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return false;
    if (!open)
        chosen.first() = Q(WithDefaultExtension(chosen.first().toStdString()));
    path = chosen.first();
    if (paths)
        *paths = chosen;
    return true;
}

CChildFrame* CQuorDocManager::CreateFrame(int typeIndex) {
    auto* doc = new CQuorDoc(*this, typeIndex);
    auto* view = new CQuorView(app_);
    doc->SetView(view);
    view->SetDocument(doc);
    auto* frame = new CChildFrame(doc, view);
    connect(doc, &CQuorDoc::Saved, this, &CQuorDocManager::DocumentSaved);
    return frame;
}

std::vector<CQuorDoc*> CQuorDocManager::Documents() const {
    std::vector<CQuorDoc*> docs;
    if (area_)
        for (QMdiSubWindow* w : area_->subWindowList(QMdiArea::CreationOrder))
            if (auto* frame = qobject_cast<CChildFrame*>(w))
                docs.push_back(frame->Document());
    return docs;
}

CQuorDoc* CQuorDocManager::FindByPath(const QString& path) const {
    const QFileInfo wanted(path);
    for (CQuorDoc* doc : Documents())
        if (!doc->PathName().isEmpty() && QFileInfo(doc->PathName()) == wanted)
            return doc;
    return nullptr;
}

namespace {
// Shows a document's window in the area: maximised when the active one is, otherwise
// filling most of the area, each new one a little below and right of the last.
void Show(QMdiArea* area, CChildFrame* frame) {
    if (area) {
        const bool known = area->subWindowList().contains(frame);
        QMdiSubWindow* active = area->activeSubWindow();
        if (!known) {
            area->addSubWindow(frame);
            const QSize room = area->viewport()->size();
            const int step = 24 * (area->subWindowList().size() - 1) % std::max(1, room.height() / 4);
            frame->resize(std::max(320, room.width() * 4 / 5), std::max(240, room.height() * 4 / 5));
            frame->move(step, step);
        }
        if (active && active != frame && active->isMaximized())
            frame->showMaximized();
        else
            frame->show();
        area->setActiveSubWindow(frame);
    }
    frame->View()->setFocus();
}
} // namespace

CQuorDoc* CQuorDocManager::CreateUntitled(int typeIndex) {
    CChildFrame* frame = CreateFrame(typeIndex);
    frame->Document()->SetTitle(QStringLiteral("Velto%1").arg(++untitledCount_));
    frame->View()->SetEncoding(NewDocumentEncoding(app_.Editor().defaultEncoding));
    Show(area_, frame);
    Q_EMIT DocumentOpened(frame->Document());
    return frame->Document();
}

CQuorDoc* CQuorDocManager::OnFileNew() {
    CQuorDoc* doc = CreateUntitled(0);
    const QString templatePath = app_.DefaultTemplatePath();
    if (QFileInfo(templatePath).isFile()) {
        doc->View()->InsertFile(templatePath, true);
        doc->SetModifiedFlag(false);
        doc->View()->UndoHistory().Clear();
        Q_EMIT doc->View()->CommandStateChanged();
    } else {
        app_.GetPrompter().Message(
            QStringLiteral("Unable to find default template:\n\n%1").arg(templatePath).toStdString(),
            Prompter::Kind::Warning);
    }
    return doc;
}

CQuorDoc* CQuorDocManager::OpenDocumentFile(const QString& path) {
    if (CQuorDoc* open = FindByPath(path)) {
        if (auto* frame = qobject_cast<CChildFrame*>(open->parent()))
            Show(area_, frame);
        return open;
    }
    const bool isTemplateType = QFileInfo(path).suffix().compare(QLatin1String("htp"), Qt::CaseInsensitive) == 0;
    CChildFrame* frame = CreateFrame(isTemplateType ? 1 : 0);
    if (!frame->Document()->OnOpenDocument(path)) {
        delete frame;
        return nullptr;
    }
    Show(area_, frame);
    Q_EMIT DocumentOpened(frame->Document());
    return frame->Document();
}

CQuorDoc* CQuorDocManager::OpenRecovered(const QString& path, const QByteArray& text, const std::string& encoding) {
    CQuorDoc* open = path.isEmpty() ? nullptr : FindByPath(path);
    if (open && !open->IsModified()) {
        open->OpenRecovered(path, text, encoding);
        if (auto* frame = qobject_cast<CChildFrame*>(open->parent()))
            Show(area_, frame);
        return open;
    }
    const QString keptPath = open ? QString() : path;
    const bool isTemplateType = QFileInfo(keptPath).suffix().compare(QLatin1String("htp"), Qt::CaseInsensitive) == 0;
    CChildFrame* frame = CreateFrame(isTemplateType ? 1 : 0);
    if (keptPath.isEmpty())
        frame->Document()->SetTitle(QStringLiteral("Velto%1").arg(++untitledCount_));
    frame->Document()->OpenRecovered(keptPath, text, encoding);
    Show(area_, frame);
    Q_EMIT DocumentOpened(frame->Document());
    return frame->Document();
}

void CQuorDocManager::OnFileOpen() {
    QString path;
    QStringList paths;
    if (!PromptFileName(path, true, nullptr, &paths))
        return;
    for (const QString& p : paths)
        OpenDocumentFile(p);
}

bool CQuorDocManager::SaveAll() {
    bool ok = true;
    for (CQuorDoc* doc : Documents()) {
        doc->View()->FlushChange();
        if (doc->IsModified() && !doc->DoFileSave())
            ok = false;
    }
    return ok;
}

bool CQuorDocManager::SaveAllModified() {
    for (CQuorDoc* doc : Documents())
        if (!doc->SaveModified())
            return false;
    return true;
}

bool CQuorDocManager::CloseAll() {
    if (!SaveAllModified())
        return false;
    for (CQuorDoc* doc : Documents())
        if (auto* frame = qobject_cast<CChildFrame*>(doc->parent()))
            frame->CloseWithoutAsking();
    return true;
}

} // namespace velto
