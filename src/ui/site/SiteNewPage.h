// New Page from the Site dock: a page made from the default template, as File > New makes
// one, saved under a name that was free and opened.
#pragma once

#include <QString>

namespace velto {

class CQuorDoc;
class CQuorDocManager;

// Never writes over an existing file: the name is claimed first, then the page is saved
// onto it through the usual saving path. nullptr when no page was made (the user was told
// why); a page that could not be saved stays open untitled, its text kept.
CQuorDoc* CreateSitePage(CQuorDocManager& docs, const QString& path);

} // namespace velto
