// CheckPage: every check of a page in one pass over its text.
#pragma once

#include "core/check/LinkChecker.h"
#include "core/check/Problem.h"

#include <string>
#include <string_view>
#include <vector>

namespace velto {

class CheckSettings;
class CheckVocabulary;

struct CheckOptions {
    // The rules switched off; none: every rule reports.
    const CheckSettings* settings = nullptr;
    // The page's file: local addresses are read against its folder. Empty for a page never
    // saved, whose local files are not looked for.
    std::string documentPath;
    // Whether a file exists; none: the file system is asked.
    FileProbe fileExists;
};

// The problems of a page, in the order of their places. Safe to run on any thread: it
// reads only the text and the vocabulary.
[[nodiscard]] std::vector<Problem> CheckPage(std::string_view text,
                                             const CheckVocabulary& vocabulary,
                                             const CheckOptions& options = {});

} // namespace velto
