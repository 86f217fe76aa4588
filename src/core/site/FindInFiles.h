// Find in Files: every match of a search in the pages below a folder, a file at a time,
// handed to the caller as each file is done, so that results show while the search runs
// and a stop request ends it between files.
#pragma once

#include "core/site/SiteFolder.h"
#include "core/site/TextSearch.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace velto {

struct FoundMatch {
    std::size_t offset = 0; // in the text as the editor holds it (UTF-8)
    std::size_t length = 0;
    int line = 1;
    int column = 1;              // in characters
    std::string lineText;        // the line holding the match (a piece of a very long one)
    std::size_t matchInLine = 0; // where the match begins in lineText
};

struct FileMatches {
    std::string path;
    std::string encoding; // the encoding the page was read in
    std::vector<FoundMatch> matches;
};

struct FindProgress {
    std::size_t filesDone = 0;
    std::size_t filesTotal = 0;
    std::size_t matches = 0;
    std::size_t binarySkipped = 0;
    std::vector<std::string> unreadable; // "path: reason"
    bool stopped = false;
    bool hitLimit = false; // a regular expression gave up in some file
};

class FindInFiles {
public:
    using FileFound = std::function<void(FileMatches&&)>;
    using Progress = std::function<void(const FindProgress&)>;

    FindInFiles(const TextSearch& search, IncludePatterns include)
        : search_(search), include_(std::move(include)) {}

    // Searches every matching file below folder, in tree order; calls found for each file
    // with matches and progress after each file. Returns the totals.
    FindProgress Run(const std::string& folder, const FileFound& found,
                     const Progress& progress = {}, const std::atomic<bool>* stop = nullptr) const;

    // The matches of one text (a page already read, or an open document's text).
    [[nodiscard]] std::vector<FoundMatch> MatchesIn(std::string_view text,
                                                    TextSearch::Scratch& scratch) const;

private:
    const TextSearch& search_;
    IncludePatterns include_;
};

} // namespace velto
