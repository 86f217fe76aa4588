// AttributeChecker: the attributes of a start tag against its element's record: unknown
// ones, those outside the selected versions, values the attribute does not take, required
// ones left out, duplicates and values that must be quoted.
#pragma once

#include "core/check/CheckVocabulary.h"
#include "core/check/PageScanner.h"

#include <string_view>
#include <vector>

namespace velto {

class ProblemList;

class AttributeChecker {
public:
    AttributeChecker(std::string_view text, const CheckVocabulary& vocabulary,
                     ProblemList& problems) noexcept
        : text_(text), vocabulary_(vocabulary), problems_(problems) {}

    // id: the vocabulary's element (None for a name it lacks); foreign: inside SVG or
    // MathML, whose attributes are their own.
    void Check(const ScannedToken& token, const std::vector<ScannedAttribute>& attributes,
               CheckVocabulary::Id id, bool foreign);

private:
    void CheckSyntax(const std::vector<ScannedAttribute>& attributes);
    void CheckKnown(const CheckVocabulary::ElementRule& element, const ScannedAttribute& a);
    void CheckValue(const CheckVocabulary::ElementRule& element,
                    const CheckVocabulary::AttributeRule& rule, const ScannedAttribute& a);
    void CheckRequired(const ScannedToken& token, const CheckVocabulary::ElementRule& element,
                       const std::vector<ScannedAttribute>& attributes);

    std::string_view text_;
    const CheckVocabulary& vocabulary_;
    ProblemList& problems_;
};

} // namespace velto
