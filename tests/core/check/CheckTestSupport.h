// Shared set-up of the Check Page tests: a knowledge base with a chosen version selection,
// its vocabulary, and short ways to say what a page gives.
#pragma once

#include "core/check/CheckRule.h"
#include "core/check/CheckVocabulary.h"
#include "core/check/LineIndex.h"
#include "core/check/PageChecker.h"
#include "core/config/EditorConfig.h"
#include "core/config/HtmlConfig.h"
#include "core/htmlkb/HtmlKnowledgeBase.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velto::test {

class PageCheck {
public:
    // Only the versions named ("HTML5", "HTML v3.2") are selected; none named: the
    // selection of a fresh editor (every version).
    explicit PageCheck(std::initializer_list<std::string_view> versions = {}) {
        if (versions.size() > 0) {
            for (HtmlVer& v : html_.versions)
                v.state = 0;
            for (std::string_view name : versions)
                html_.SetVersionState(std::string(name), VersionState::AnyOf);
        }
        kb_ = std::make_unique<HtmlKnowledgeBase>(html_, editor_);
        kb_->RebuildAllowed();
        vocabulary_ = std::make_unique<CheckVocabulary>(*kb_);
    }

    [[nodiscard]] const CheckVocabulary& Vocabulary() const { return *vocabulary_; }

    [[nodiscard]] std::vector<Problem> Check(std::string_view page,
                                             const CheckOptions& options = {}) const {
        return CheckPage(page, *vocabulary_, options);
    }

    // "rule@line" of each problem, in order.
    [[nodiscard]] std::vector<std::string> Found(std::string_view page,
                                                 const CheckOptions& options = {}) const {
        const LineIndex lines(page);
        std::vector<std::string> found;
        for (const Problem& p : Check(page, options))
            found.push_back(std::string(InfoOf(p.rule).id) + "@" +
                            std::to_string(lines.At(p.start).line));
        return found;
    }

    // The rules that report, in order, leaving out those about the page as a whole
    // (doctype, title, lang), which the small pages of the tests lack.
    [[nodiscard]] std::vector<std::string> Rules(std::string_view page,
                                                 const CheckOptions& options = {}) const {
        std::vector<std::string> rules;
        for (const Problem& p : Check(page, options))
            if (p.rule != Rule::MissingDoctype && p.rule != Rule::MissingTitle &&
                p.rule != Rule::MissingLang)
                rules.emplace_back(InfoOf(p.rule).id);
        return rules;
    }

private:
    CHtmlConfig html_;
    CEditorConfig editor_;
    std::unique_ptr<HtmlKnowledgeBase> kb_;
    std::unique_ptr<CheckVocabulary> vocabulary_;
};

// A whole HTML5 page around a body, so that only the body's problems show.
inline std::string Html5Page(std::string_view body) {
    return "<!DOCTYPE html>\n<html lang=\"en\"><head><title>t</title></head><body>\n" +
           std::string(body) + "\n</body></html>\n";
}

using Rules = std::vector<std::string>;

} // namespace velto::test
