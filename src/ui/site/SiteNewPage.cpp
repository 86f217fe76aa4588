// New Page from the Site dock.
#include "ui/site/SiteNewPage.h"

#include "core/platform/Prompter.h"
#include "ui/app/CQuorApp.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"

#include <QFile>
#include <QFileInfo>

namespace velto {

CQuorDoc* CreateSitePage(CQuorDocManager& docs, const QString& path) {
    // Opening with NewOnly fails when anything of that name appeared since the name was
    // checked, so nothing of anyone's is ever replaced.
    QFile claim(path);
    if (!claim.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        docs.App().GetPrompter().Message(
            QStringLiteral("The page %1 could not be made: %2").arg(path, claim.errorString()).toStdString(),
            Prompter::Kind::Error);
        return nullptr;
    }
    claim.close();
    CQuorDoc* doc = docs.OnFileNew();
    if (!doc || !doc->DoSave(path)) {
        // The saving path has told the user; the empty file claimed goes again.
        if (QFileInfo(path).size() == 0)
            QFile::remove(path);
        return doc;
    }
    return doc;
}

} // namespace velto
