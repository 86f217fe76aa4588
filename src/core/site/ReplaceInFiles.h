// Replace in Files: the changes a replacement makes to every page below a folder, listed
// for review before any file is written.
#pragma once

#include "core/site/FileEdits.h"
#include "core/site/SiteFolder.h"
#include "core/site/TextSearch.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace velto {

// Called before each file is read: the files done so far and how many there are.
using PlanProgress = std::function<void(std::size_t done, std::size_t total)>;

// Every match in every matching page, each an edit to the replacement (with "$1" ... for
// a regular expression's groups). Binary and unreadable files are left out.
[[nodiscard]] std::vector<FileEdits> PlanReplaceInFiles(const std::string& folder,
                                                        const TextSearch& search,
                                                        std::string_view replacement,
                                                        const IncludePatterns& include,
                                                        const std::atomic<bool>* stop = nullptr,
                                                        const PlanProgress& progress = {});

// The edits of one text (an open document's, or a page read).
[[nodiscard]] std::vector<TextEdit>
PlanReplaceInText(std::string_view text, const TextSearch& search, std::string_view replacement);

} // namespace velto
