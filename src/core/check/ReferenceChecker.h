// ReferenceChecker: the character references of text and attribute values: unknown names,
// numbers that name no character, and a bare '&' that a browser would read as a reference.
#pragma once

#include <cstddef>
#include <string_view>

namespace velto {

class CheckVocabulary;
class ProblemList;

class ReferenceChecker {
public:
    ReferenceChecker(std::string_view text, const CheckVocabulary& vocabulary,
                     ProblemList& problems) noexcept;

    // The references in [start, end): in text, or in an attribute's value, where browsers
    // leave "&copy=" alone for the sake of addresses with queries.
    void Check(std::size_t start, std::size_t end, bool inAttribute);

private:
    void Numeric(std::size_t amp, std::size_t end);
    void Named(std::size_t amp, std::size_t end, bool inAttribute);
    [[nodiscard]] bool Known(std::string_view name) const noexcept;

    std::string_view text_;
    const CheckVocabulary& vocabulary_;
    ProblemList& problems_;
    bool html5_;
};

} // namespace velto
