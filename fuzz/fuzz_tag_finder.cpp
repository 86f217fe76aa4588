// Fuzzes the shared tag finder and Strip Tags: every tag found lies inside the text, begins
// with '<' and ends with '>', tags follow each other, and stripping only removes bytes.
#include "core/tagassist/TagSyntax.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velto;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t pos = 0;
    std::size_t tagBytes = 0;
    while (auto tag = FindNextTag(text, pos)) {
        if (tag->start < pos || tag->end <= tag->start || tag->end > size ||
            text[tag->start] != '<' || text[tag->end - 1] != '>')
            std::abort();
        if (TagElementName(text.substr(tag->start, tag->end - tag->start)).size() >
            MaxTagNameLength)
            std::abort();
        tagBytes += tag->end - tag->start;
        pos = tag->end;
    }
    if (StripTags(text).size() != size - tagBytes)
        std::abort();
    return 0;
}
