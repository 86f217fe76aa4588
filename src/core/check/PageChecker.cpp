// CheckPage: the tokens of the page through the structure, attribute, reference and link
// checks, then what concerns the page as a whole.
#include "core/check/PageChecker.h"

#include "core/check/AttributeChecker.h"
#include "core/check/CheckVocabulary.h"
#include "core/check/PageScanner.h"
#include "core/check/ProblemList.h"
#include "core/check/ReferenceChecker.h"
#include "core/check/TreeChecker.h"
#include "core/check/VersionMessages.h"
#include "core/config/HtmlVer.h"
#include "core/htmlkb/AsciiCase.h"
#include "core/htmlkb/ForeignVocabulary.h"

#include <optional>

namespace velto {

namespace {

struct Span {
    std::size_t start = 0;
    std::size_t end = 0;
};

// The version a doctype declares, by its public identifier; 0 when it names none known.
std::uint32_t DeclaredVersion(std::string_view doctype) {
    const std::string d = ascii::ToLower(doctype);
    using namespace VersionBits;
    if (d.find("xhtml 1") != std::string::npos || d.find("html 4") != std::string::npos)
        return Html40;
    if (d.find("html 3.2") != std::string::npos || d.find("html 3.2") != std::string::npos)
        return Html32;
    if (d.find("html 2.0") != std::string::npos ||
        d.find("-//ietf//dtd html//en") != std::string::npos)
        return Html20;
    std::string_view rest = doctype;
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\n' || rest.front() == '\t' ||
                             rest.front() == '\r'))
        rest.remove_prefix(1);
    if (rest.size() >= 4 && ascii::EqualNoCase(rest.substr(0, 4), "html") &&
        (rest.size() == 4 || d.find("about:legacy-compat") != std::string::npos ||
         rest.find_first_not_of(" \t\r\n", 4) == std::string_view::npos))
        return Html5;
    return 0;
}

class PageRun {
public:
    PageRun(std::string_view text, const CheckVocabulary& vocabulary, const CheckOptions& options)
        : text_(text), vocabulary_(vocabulary), problems_(options.settings), scanner_(text),
          tree_(text, vocabulary, problems_), attributes_(text, vocabulary, problems_),
          references_(text, vocabulary, problems_),
          links_(text, vocabulary, problems_, options.documentPath, options.fileExists) {}

    std::vector<Problem> Run() {
        for (ScannedToken token = scanner_.Next(); token.kind != ScannedToken::Kind::End;
             token = scanner_.Next()) {
            Token(token);
            scanner_.SetForeign(tree_.InForeign());
        }
        tree_.Finish();
        links_.Finish();
        PageAsAWhole();
        return problems_.TakeSorted();
    }

private:
    void Token(const ScannedToken& token) {
        switch (token.kind) {
        case ScannedToken::Kind::Text:
            if (!Blank(token))
                First(token);
            references_.Check(token.start, token.end, false);
            tree_.Text(token);
            break;
        case ScannedToken::Kind::RawText:
            if (token.rcData)
                references_.Check(token.start, token.end, false);
            break;
        case ScannedToken::Kind::StartTag:
            First(token);
            StartTag(token);
            break;
        case ScannedToken::Kind::EndTag:
            First(token);
            if (!token.closed)
                Unterminated(token);
            else
                tree_.EndTag(token, vocabulary_.FindElement(token.Name(text_)));
            break;
        case ScannedToken::Kind::Comment:
            if (!token.closed && !token.bogus)
                problems_.Add(
                    Rule::UnterminatedComment, token.start, std::min(token.end, token.start + 4),
                    "This comment never ends: its \"-->\" is missing, so the rest of the page is "
                    "hidden in it");
            break;
        case ScannedToken::Kind::Doctype:
            if (!first_)
                doctype_ = Span{token.start, token.end};
            First(token);
            tree_.Doctype(token);
            doctypeText_ = token.Name(text_);
            break;
        case ScannedToken::Kind::End:
            break;
        }
    }

    void StartTag(const ScannedToken& token) {
        if (!token.closed)
            return Unterminated(token);
        const std::string_view name = token.Name(text_);
        const CheckVocabulary::Id id = vocabulary_.FindElement(name);
        const bool foreign = tree_.InForeign();
        const std::vector<ScannedAttribute>& attributes = scanner_.Attributes();
        if (!foreign)
            Element(token, id, name);
        attributes_.Check(token, attributes, id, foreign);
        for (const ScannedAttribute& a : attributes)
            if (a.hasValue)
                references_.Check(a.valueStart, a.valueEnd, true);
        links_.StartTag(attributes, id, foreign);
        if (!foreign && id != CheckVocabulary::None) {
            const Tag tag = vocabulary_.Element(id).structure.tag;
            if (tag == Tag::Title)
                sawTitle_ = true;
            else if (tag == Tag::Html && !html_) {
                html_ = Span{token.start, token.end};
                for (const ScannedAttribute& a : attributes)
                    if (ascii::EqualNoCase(a.Name(text_), "lang") ||
                        ascii::EqualNoCase(a.Name(text_), "xml:lang"))
                        hasLang_ = true;
            } else if (tag == Tag::Head && !head_)
                head_ = Span{token.start, token.end};
        }
        tree_.StartTag(token, attributes, id, scanner_);
    }

    void Element(const ScannedToken& token, CheckVocabulary::Id id, std::string_view name) {
        const CheckVocabulary::ElementRule* rule =
            id == CheckVocabulary::None ? nullptr : &vocabulary_.Element(id);
        if (rule != nullptr && rule->known) {
            if (!rule->allowed && problems_.Wants(Rule::ElementVersion))
                problems_.Add(
                    Rule::ElementVersion, token.start, token.end,
                    OutsideSelection(vocabulary_, rule->name, rule->versions, rule->advice));
            return;
        }
        const bool html5 = vocabulary_.IsAllowed(VersionBits::Html5);
        if (html5 && IsCustomElementName(name))
            return;
        if (!problems_.Wants(Rule::UnknownElement))
            return;
        std::string message = ascii::ToUpper(name) + " is not an element of HTML";
        if (IsForeignElementName(name))
            message += ": it belongs inside SVG or MathML";
        else if (html5)
            message += " (the name of a custom element has a hyphen, such as " +
                       ascii::ToLower(name) + "-box)";
        problems_.Add(Rule::UnknownElement, token.start, token.end, std::move(message));
    }

    void Unterminated(const ScannedToken& token) {
        problems_.Add(
            Rule::UnterminatedTag, token.start, token.nameEnd,
            "This tag never ends: its '>' is missing (is a quote left open?), so browsers drop it "
            "and what follows");
    }

    bool Blank(const ScannedToken& token) const {
        for (std::size_t i = token.start; i < token.end; ++i) {
            const char c = text_[i];
            if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\f')
                return false;
        }
        return true;
    }

    void First(const ScannedToken& token) {
        if (!first_)
            first_ = Span{token.start, token.end};
    }

    void PageAsAWhole() {
        if (!first_)
            return;
        if (!doctype_)
            problems_.Add(
                Rule::MissingDoctype, first_->start, first_->end,
                "The page has no DOCTYPE: without one browsers show it in quirks mode (write " +
                    std::string(vocabulary_.IsHtml5() ? "<!DOCTYPE html>"
                                                      : "the DOCTYPE of its version") +
                    " first)");
        else if (const std::uint32_t declared = DeclaredVersion(doctypeText_);
                 declared != 0 && !vocabulary_.IsAllowed(declared) &&
                 problems_.Wants(Rule::DoctypeVersion))
            problems_.Add(Rule::DoctypeVersion, doctype_->start, doctype_->end,
                          "The DOCTYPE declares " +
                              std::string(vocabulary_.StandardName(declared)) +
                              ", which is not among the versions selected (" +
                              vocabulary_.SelectionText() + ")");
        const Span where = html_ ? *html_ : *first_;
        if (!sawTitle_)
            problems_.Add(Rule::MissingTitle, head_ ? head_->start : where.start,
                          head_ ? head_->end : where.end,
                          "The page has no TITLE: browsers, bookmarks and search results show it "
                          "by its title");
        if (!hasLang_ && vocabulary_.Standard() >= VersionBits::Html40)
            problems_.Add(Rule::MissingLang, where.start, where.end,
                          "The HTML element has no LANG: give the page's language, such as <html "
                          "lang=\"en\">, "
                          "for screen readers, spelling and hyphenation");
    }

    std::string_view text_;
    const CheckVocabulary& vocabulary_;
    ProblemList problems_;
    PageScanner scanner_;
    TreeChecker tree_;
    AttributeChecker attributes_;
    ReferenceChecker references_;
    LinkChecker links_;
    std::optional<Span> first_;
    std::optional<Span> doctype_;
    std::optional<Span> html_;
    std::optional<Span> head_;
    std::string_view doctypeText_;
    bool sawTitle_ = false;
    bool hasLang_ = false;
};

} // namespace

std::vector<Problem> CheckPage(std::string_view text, const CheckVocabulary& vocabulary,
                               const CheckOptions& options) {
    PageRun run(text, vocabulary, options);
    return run.Run();
}

} // namespace velto
