// TreeChecker: the stack of open elements, the page's frame (HTML, HEAD, BODY), text and
// the end of the page.
#include "core/check/TreeChecker.h"

#include "core/check/ProblemList.h"
#include "core/htmlkb/AsciiCase.h"

namespace velto {

namespace {
bool IsWhitespace(std::string_view text) noexcept {
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\f')
            return false;
    return true;
}

// The part of a text run without its leading and trailing blanks.
std::pair<std::size_t, std::size_t> Trimmed(std::string_view text, std::size_t start,
                                            std::size_t end) {
    const auto blank = [&](std::size_t i) {
        const char c = text[i];
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
    };
    while (start < end && blank(start))
        ++start;
    while (end > start && blank(end - 1))
        --end;
    return {start, end};
}
} // namespace

TreeChecker::TreeChecker(std::string_view text, const CheckVocabulary& vocabulary,
                         ProblemList& problems)
    : text_(text), vocabulary_(vocabulary), problems_(problems),
      openCounts_(vocabulary.ElementCount(), 0), templateId_(vocabulary.FindElement("template")),
      sgml_(!vocabulary.IsHtml5()) {
    stack_.reserve(64);
}

// ---- the stack ----

TreeChecker::Open TreeChecker::Make(const ScannedToken& token, Id id) const {
    Open e;
    e.id = id;
    e.start = token.start;
    e.end = token.end;
    e.name = token.Name(text_);
    if (id != CheckVocabulary::None) {
        const StructureInfo& s = vocabulary_.Element(id).structure;
        e.tag = s.tag;
        e.traits = s.traits;
    }
    return e;
}

TreeChecker::Open TreeChecker::Implied(Tag tag) const {
    std::string_view name;
    switch (tag) {
    case Tag::Html:
        name = "html";
        break;
    case Tag::Head:
        name = "head";
        break;
    case Tag::Body:
        name = "body";
        break;
    case Tag::Tbody:
        name = "tbody";
        break;
    case Tag::Tr:
        name = "tr";
        break;
    case Tag::Li:
        name = "li";
        break;
    case Tag::Dd:
        name = "dd";
        break;
    default:
        name = "p";
        break;
    }
    ScannedToken none;
    Open e = Make(none, vocabulary_.FindElement(name));
    e.name = name;
    return e;
}

void TreeChecker::Push(Open element) {
    if (stack_.size() >= MaxDepth)
        return;
    if (element.id != CheckVocabulary::None)
        ++openCounts_[element.id];
    if (element.tag == Tag::Form)
        ++formDepth_;
    stack_.push_back(element);
}

void TreeChecker::EraseAt(std::size_t index) {
    const Open& e = stack_[index];
    if (e.id != CheckVocabulary::None)
        --openCounts_[e.id];
    if (e.tag == Tag::Form)
        --formDepth_;
    stack_.erase(stack_.begin() + static_cast<std::ptrdiff_t>(index));
}

void TreeChecker::Pop() {
    EraseAt(stack_.size() - 1);
}

bool TreeChecker::Same(const Open& a, const Open& b) const noexcept {
    if (a.id != CheckVocabulary::None || b.id != CheckVocabulary::None)
        return a.id == b.id;
    return ascii::EqualNoCase(a.name, b.name);
}

bool TreeChecker::CurrentIs(Tag tag) const noexcept {
    return !stack_.empty() && Is(stack_.back(), tag);
}

bool TreeChecker::IsOpen(Id id) const noexcept {
    return id != CheckVocabulary::None && openCounts_[id] > 0;
}

int TreeChecker::FindInScope(const Open& target, Scope scope) const noexcept {
    for (int i = static_cast<int>(stack_.size()) - 1; i >= 0; --i) {
        const Open& e = stack_[static_cast<std::size_t>(i)];
        if (Same(e, target))
            return i;
        if (IsBoundary(e, scope))
            return -1;
    }
    return -1;
}

int TreeChecker::FindTagInScope(Tag tag, Scope scope) const noexcept {
    for (int i = static_cast<int>(stack_.size()) - 1; i >= 0; --i) {
        const Open& e = stack_[static_cast<std::size_t>(i)];
        if (Is(e, tag))
            return i;
        if (IsBoundary(e, scope))
            return -1;
    }
    return -1;
}

bool TreeChecker::IsBoundary(const Open& e, Scope scope) const noexcept {
    // SGML knows no scopes: an end tag reaches its element wherever it is.
    if (sgml_ && scope != Scope::Select)
        return Is(e, Tag::Html);
    switch (scope) {
    case Scope::Default:
        return (e.traits & Trait::Scope) != 0;
    case Scope::ListItem:
        return (e.traits & (Trait::Scope | Trait::ListScope)) != 0;
    case Scope::Button:
        return (e.traits & (Trait::Scope | Trait::ButtonScope)) != 0;
    case Scope::Table:
        return (e.traits & Trait::TableScope) != 0;
    case Scope::Select:
        return !Is(e, Tag::Optgroup) && !Is(e, Tag::Option);
    }
    return true;
}

void TreeChecker::PopTo(int index, std::size_t closerStart, std::size_t closerEnd) {
    if (index < 0)
        return;
    while (static_cast<int>(stack_.size()) - 1 > index) {
        ReportUnclosed(stack_.back(), closerStart, closerEnd);
        ClosedBy(stack_.back(), closerStart, closerEnd);
        Pop();
    }
    Pop();
}

bool TreeChecker::MayImplyEndsAbove(int index, const Open& starting) {
    if (!sgml_)
        return true;
    for (std::size_t i = stack_.size(); i-- > static_cast<std::size_t>(index) + 1;) {
        const Open& above = stack_[i];
        if ((above.traits & Trait::OptionalEnd) != 0 || above.start == above.end)
            continue;
        blocked_ = true;
        // A block in a text-level element has its own report.
        if ((starting.traits & Trait::Block) == 0 || (above.traits & Trait::Phrasing) == 0) {
            Misplaced(starting, Display(starting) + " cannot stand inside " + Display(above) +
                                    ": close " + Display(above) + " before it");
            blockedReported_ = true;
        }
        return false;
    }
    return true;
}

void TreeChecker::GenerateImpliedEnds(Tag except) {
    while (!stack_.empty() && (stack_.back().traits & Trait::ImpliedEnd) != 0 &&
           !(except != Tag::Other && Is(stack_.back(), except)))
        Pop();
}

std::string TreeChecker::Display(const Open& e) const {
    return Display(e.id, e.name);
}

std::string TreeChecker::Display(Id id, std::string_view written) const {
    return id != CheckVocabulary::None ? vocabulary_.Element(id).name : ascii::ToUpper(written);
}

void TreeChecker::ReportUnclosed(Open& e, std::size_t closerStart, std::size_t closerEnd) {
    if (e.reported || e.reopened || e.foreign || e.start == e.end ||
        (e.traits & (Trait::OptionalEnd | Trait::Void)) != 0)
        return;
    e.reported = true;
    if (!problems_.Wants(Rule::UnclosedElement))
        return;
    const std::string name = Display(e);
    const bool atEnd = closerStart == closerEnd;
    std::string message = name + " is never closed: </" + ascii::ToLower(name) + "> is missing";
    if (!atEnd)
        message += std::string(" before ") +
                   std::string(Slice(closerStart, std::min(closerEnd, closerStart + 40)));
    Problem* p = problems_.Add(Rule::UnclosedElement, e.start, e.end, std::move(message));
    if (p != nullptr && !atEnd) {
        p->relatedStart = closerStart;
        p->relatedEnd = closerEnd;
        p->relatedNote = name + " is closed here, as the page stands";
    }
}

void TreeChecker::Misplaced(const Open& e, std::string message) {
    problems_.Add(Rule::Context, e.start, e.end, std::move(message));
}

// ---- the page's frame ----

void TreeChecker::EnsureHtml() {
    if (htmlOpened_)
        return;
    htmlOpened_ = true;
    Push(Implied(Tag::Html));
}

void TreeChecker::CloseHead(std::size_t closerStart, std::size_t closerEnd) {
    if (!headOpened_ || headClosed_)
        return;
    headClosed_ = true;
    for (int i = static_cast<int>(stack_.size()) - 1; i >= 0; --i)
        if (Is(stack_[static_cast<std::size_t>(i)], Tag::Head))
            return PopTo(i, closerStart, closerEnd);
}

void TreeChecker::EnsureBody(std::size_t closerStart, std::size_t closerEnd) {
    EnsureHtml();
    CloseHead(closerStart, closerEnd);
    headClosed_ = true;
    if (bodyOpened_ || inFrameset_)
        return;
    bodyOpened_ = true;
    Push(Implied(Tag::Body));
}

bool TreeChecker::InTableContext() const noexcept {
    if (stack_.empty())
        return false;
    const Open& e = stack_.back();
    return !e.foreign &&
           (Is(e, Tag::Table) || Is(e, Tag::Tr) || (e.traits & Trait::TableSection) != 0);
}

bool TreeChecker::InForeign() const noexcept {
    return !stack_.empty() && stack_.back().foreign;
}

// ---- text ----

void TreeChecker::Text(const ScannedToken& token) {
    if (InForeign())
        return;
    const std::string_view text = Slice(token.start, token.end);
    const bool blank = IsWhitespace(text);
    if (!blank)
        seenContent_ = true;
    if (!bodyOpened_ && !inFrameset_) {
        // Text of an element of the head (a TITLE read as markup) stays there.
        if (blank ||
            (!stack_.empty() && !Is(stack_.back(), Tag::Html) && !Is(stack_.back(), Tag::Head)))
            return;
        EnsureBody(token.start, token.start);
    }
    if (blank && (inFrameset_ || InTableContext()))
        return;
    const auto [start, end] = Trimmed(text_, token.start, token.end);
    if (inFrameset_) {
        problems_.Add(Rule::Context, start, end,
                      "Text in a FRAMESET page: only FRAME, FRAMESET and NOFRAMES may stand here");
        return;
    }
    if (InTableContext()) {
        problems_.Add(Rule::Context, start, end,
                      "Text directly inside " + Display(stack_.back()) +
                          ": put it in a cell (TD) or a CAPTION, or before the table");
        return;
    }
    if (!blank && !stack_.empty() && (stack_.back().traits & Trait::ListHolder) != 0) {
        const std::string holder = Display(stack_.back());
        problems_.Add(Rule::Context, start, end,
                      "Text directly inside " + holder + ": a list holds only its items (" +
                          (Is(stack_.back(), Tag::Dl) ? "DT and DD" : "LI") + ")");
    }
    Reconstruct();
}

void TreeChecker::Doctype(const ScannedToken& token) {
    if (seenContent_)
        problems_.Add(Rule::Context, token.start, token.end,
                      "A DOCTYPE in the middle of the page: it belongs at the very start, once");
}

void TreeChecker::Finish() {
    const std::size_t end = text_.size();
    for (std::size_t i = stack_.size(); i-- > 0;)
        ReportUnclosed(stack_[i], end, end);
}

} // namespace velto
