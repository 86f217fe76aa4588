// Reopening and saving a document in another encoding.
#include "ui/document/EncodingActions.h"

#include "core/encoding/CharsetDeclaration.h"
#include "ui/app/CQuorApp.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"

#include <QMenu>

namespace velto {

namespace {
Prompter& PrompterOf(CQuorDoc& doc) {
    return doc.View()->App().GetPrompter();
}
} // namespace

bool ReopenWithEncoding(CQuorDoc& doc, const EncodingInfo& encoding) {
    CQuorView* view = doc.View();
    if (!view || doc.PathName().isEmpty())
        return false;
    view->FlushChange();
    if (doc.IsModified() &&
        !PrompterOf(doc).AskYesNo("Reopening " + doc.BaseTitle().toStdString() + " as " +
                                  std::string(encoding.name) +
                                  " discards the changes you have not saved. Reopen it?"))
        return false;
    if (!view->ReopenWithEncoding(doc.PathName(), encoding))
        return false;
    doc.SetModifiedFlag(false);
    return true;
}

bool SaveWithEncoding(CQuorDoc& doc, const EncodingInfo& encoding) {
    CQuorView* view = doc.View();
    if (!view || view->Encoding().raw)
        return false;
    view->FlushChange();
    const DocumentEncoding before = view->Encoding();
    if (DeclarationEdit(view->WholeTextBytes(), encoding.name) &&
        PrompterOf(doc).AskYesNo("Make the page's own declaration say " + std::string(encoding.name) + " too?"))
        view->RewriteDeclaration(encoding);
    DocumentEncoding converted = NewDocumentEncoding(encoding.name);
    converted.rule = EncodingRule::Chosen;
    view->SetEncoding(converted);
    if (doc.DoFileSave())
        return true;
    // A cancelled or failed save leaves the file as it was, so the document keeps its
    // encoding too (unless the question chose UTF-8, which the save then used).
    if (view->Encoding().encoding == converted.encoding)
        view->SetEncoding(before);
    return false;
}

void AddEncodingItems(QMenu& menu, const std::function<void(const EncodingInfo&)>& chosen) {
    bool common = true;
    for (const EncodingInfo& e : Encodings()) {
        if (common && !e.common) {
            menu.addSeparator();
            common = false;
        }
        QAction* a = menu.addAction(QString::fromLatin1(e.name.data(), static_cast<qsizetype>(e.name.size())));
        const EncodingInfo* target = &e;
        QObject::connect(a, &QAction::triggered, &menu, [chosen, target] { chosen(*target); });
    }
}

} // namespace velto
