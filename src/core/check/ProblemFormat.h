// The problems of a page as text for people and tools: the GNU format of compilers and
// editors, and JSON.
#pragma once

#include "core/check/Problem.h"

#include <ostream>
#include <string_view>
#include <vector>

namespace velto {

// One line per problem, "FILE:LINE.COL-LINE.COL: error: MESSAGE [RULE]" (lines and
// columns from 1, columns in characters, the end column that of the last character),
// and a "note:" line for a related place.
void WriteGnu(std::ostream& out, std::string_view file, std::string_view text,
              const std::vector<Problem>& problems);

// One JSON object for a file: {"file": ..., "encoding": ..., "problems": [...]}, each
// problem with its rule, severity, message, and start and end as line, column and byte
// offset in text. The encoding names what the file was read in, so that a reader knows
// whether the offsets are the file's own bytes or those of its text in UTF-8.
void WriteJson(std::ostream& out, std::string_view file, std::string_view encoding,
               std::string_view text, const std::vector<Problem>& problems);

// A text as a JSON string: quoted, escaped, and bytes that are not UTF-8 replaced by U+FFFD.
void WriteJsonString(std::ostream& out, std::string_view text);

} // namespace velto
