// Renaming or moving a file or folder of a site without breaking its links: the links in
// other pages that lead to it, and the relative links inside a moved page, rewritten as
// relative URLs from their page's new place.
#pragma once

#include "core/site/FileEdits.h"
#include "core/site/PageLinks.h"

#include <functional>
#include <string>
#include <vector>

namespace velto {

struct RenamePlan {
    std::string from; // absolute paths
    std::string to;
    std::vector<FileEdits> edits; // at the pages' paths before the move
    // Pages whose links are read against a BASE element: left as they are.
    std::vector<std::string> skippedPages;
};

// The text of a page as the editor holds it when it is open there (it may differ from the
// file), nullptr for a page that is not open.
using OpenPageText = std::function<const std::string*(const std::string& path)>;

// Lists the link changes that moving from to to needs in the pages below root; an open
// page is read from its text in the editor.
[[nodiscard]] RenamePlan PlanRename(const std::string& root, const std::string& from,
                                    const std::string& to, const LinkAttributes& attributes,
                                    const OpenPageText& openText = {});

// Where a path stands after the move (paths inside a moved folder move with it).
[[nodiscard]] std::string MovedPath(const RenamePlan& plan, const std::string& path);

// Moves the file or folder (never over an existing one), then writes the enabled link
// changes to the pages at their new places. False with the reason in error when the move
// itself fails (nothing is changed then); files that could not be written are in the
// summary's failures.
bool ApplyRename(const RenamePlan& plan, WriteSummary& summary, std::string& error);

} // namespace velto
