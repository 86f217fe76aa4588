// Fuzzes Check Page: any bytes, checked under every version and under HTML5 alone, give
// problems whose places lie inside the text in order, and both report formats write them.
#include "core/check/CheckVocabulary.h"
#include "core/check/PageChecker.h"
#include "core/check/ProblemFormat.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string_view>

namespace {

struct Selection {
    velto::CHtmlConfig html;
    velto::CEditorConfig editor;
    std::unique_ptr<velto::HtmlKnowledgeBase> kb;
    std::unique_ptr<velto::CheckVocabulary> vocabulary;
    explicit Selection(bool html5Only) {
        if (html5Only)
            for (velto::HtmlVer& v : html.versions)
                v.state = v.mask == velto::VersionBits::Html5 ? velto::VersionState::AnyOf : 0;
        kb = std::make_unique<velto::HtmlKnowledgeBase>(html, editor);
        kb->RebuildAllowed();
        vocabulary = std::make_unique<velto::CheckVocabulary>(*kb);
    }
};

void CheckUnder(const velto::CheckVocabulary& vocabulary, std::string_view text) {
    velto::CheckOptions options;
    options.documentPath = "/nonexistent/page.html";
    options.fileExists = [](const std::string&) { return false; };
    const auto problems = velto::CheckPage(text, vocabulary, options);
    std::size_t last = 0;
    for (const velto::Problem& p : problems) {
        if (p.start < last || p.start > p.end || p.end > text.size())
            std::abort();
        if (p.HasRelated() && (p.relatedStart > p.relatedEnd || p.relatedEnd > text.size()))
            std::abort();
        last = p.start;
    }
    std::ostringstream out;
    velto::WriteGnu(out, "f", text, problems);
    velto::WriteJson(out, "f", "UTF-8", text, problems);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Selection every(false);
    static const Selection html5(true);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckUnder(*every.vocabulary, text);
    CheckUnder(*html5.vocabulary, text);
    return 0;
}
