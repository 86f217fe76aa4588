// Check Links as the window runs it on the results dock's worker thread: the site's pages,
// and when asked its remote addresses through libcurl, posted to the dock as rows grouped
// by page, with the summary it shows at the end.
#pragma once

#include "ui/site/SiteResultsDock.h"

#include <string>

namespace velto {

class HtmlKnowledgeBase;

[[nodiscard]] QString RunLinkCheck(const std::string& root, const HtmlKnowledgeBase* kb,
                                   bool remote, const SiteResultsDock::Feed& feed);

} // namespace velto
