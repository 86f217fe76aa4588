// The words of Check Page for what lies outside the selected versions.
#include "core/check/VersionMessages.h"

#include "core/check/CheckVocabulary.h"
#include "core/config/HtmlVer.h"

namespace velto {

std::string OutsideSelection(const CheckVocabulary& vocabulary, const std::string& subject,
                             std::uint32_t versions, std::string_view advice) {
    using namespace VersionBits;
    const std::uint32_t standard = vocabulary.Standard();
    const std::uint32_t standards = versions & (Html20 | Html32 | Html40 | Html5);
    std::string text;
    if ((standards & (standard - 1)) != 0 || (versions & Obsolete) != 0) {
        text = subject + " is obsolete in " + std::string(vocabulary.StandardName(standard));
    } else if ((standards & ~((standard << 1) - 1)) != 0) {
        std::uint32_t newer = standards & ~((standard << 1) - 1);
        newer &= ~(newer - 1); // the first standard after the selected one
        text = subject + " is not in " + vocabulary.SelectionText() + ": it came with " +
               std::string(vocabulary.StandardName(newer));
    } else if (const std::string owners = vocabulary.VersionNames(versions); !owners.empty()) {
        text =
            subject + " is not in " + vocabulary.SelectionText() + ": only " + owners + " had it";
    } else {
        text = subject + " is not in " + vocabulary.SelectionText() +
               ": it belongs to the HTML 3.0 drafts, which no browser took up";
    }
    if (!advice.empty())
        text += std::string(": ") + std::string(advice);
    return text;
}

} // namespace velto
