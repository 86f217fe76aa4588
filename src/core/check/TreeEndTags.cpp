// TreeChecker: end tags, and the list of formatting elements that browsers reopen when
// tags are misnested.
#include "core/check/ProblemList.h"
#include "core/check/TreeChecker.h"
#include "core/htmlkb/AsciiCase.h"

namespace velto {

void TreeChecker::EndTag(const ScannedToken& token, Id id) {
    seenContent_ = true;
    const Open e = Make(token, id);
    if (InForeign()) {
        for (std::size_t i = stack_.size(); i-- > 0 && stack_[i].foreign;) {
            if (ascii::EqualNoCase(stack_[i].name, e.name)) {
                while (stack_.size() > i)
                    Pop();
                return;
            }
        }
    }
    switch (e.tag) {
    case Tag::Html:
    case Tag::Body:
        return EndBody(token);
    case Tag::Head:
        if (headOpened_ && !headClosed_)
            CloseHead(token.start, token.end);
        else if (!headOpened_ && !bodyOpened_ && !inFrameset_)
            headOpened_ = headClosed_ = true; // "</head>" alone closes an implied head
        else
            Stray(e, token);
        return;
    case Tag::P:
        if (FindTagInScope(Tag::P, Scope::Button) < 0)
            return Stray(e, token, "</P> without an open P: no paragraph is open here");
        GenerateImpliedEnds(Tag::P);
        return PopTo(FindTagInScope(Tag::P, Scope::Button), token.start, token.end);
    case Tag::Li:
        return EndInScope(e, token, Scope::ListItem);
    case Tag::Dd:
    case Tag::Dt:
    case Tag::Applet:
    case Tag::Marquee:
    case Tag::Object:
    case Tag::Button:
        return EndInScope(e, token, Scope::Default);
    case Tag::Td:
    case Tag::Th:
    case Tag::Tr:
    case Tag::Tbody:
    case Tag::Thead:
    case Tag::Tfoot:
    case Tag::Table:
    case Tag::Caption:
        return EndInScope(e, token, Scope::Table);
    case Tag::Select:
        return EndInScope(e, token, Scope::Select);
    case Tag::Form:
        if (formDepth_ == 0)
            return Stray(e, token);
        return EndInScope(e, token, Scope::Table);
    case Tag::Frameset:
        if (!CurrentIs(Tag::Frameset))
            return Stray(e, token);
        Pop();
        return;
    case Tag::Br:
        problems_.Add(Rule::VoidEndTag, token.start, token.end,
                      "</BR>: BR has no end tag; browsers read this as another <BR>");
        return;
    default:
        break;
    }
    if ((e.traits & Trait::Void) != 0) {
        const std::string name = Display(e);
        problems_.Add(Rule::VoidEndTag, token.start, token.end,
                      "</" + ascii::ToLower(name) + ">: " + name +
                          " is an empty element and has no end tag");
        return;
    }
    if ((e.traits & Trait::Heading) != 0)
        return EndHeading(e, token);
    if ((e.traits & Trait::Formatting) != 0)
        return EndFormatting(e, token);
    // Blocks (DIV, UL, BLOCKQUOTE...) close what was left open inside them, within scope.
    if ((e.traits & Trait::Block) != 0)
        return EndInScope(e, token, Scope::Default);
    EndOther(e, token);
}

// Any heading's end tag closes the open heading, whatever its level.
void TreeChecker::EndHeading(const Open& e, const ScannedToken& token) {
    for (int i = static_cast<int>(stack_.size()) - 1; i >= 0; --i) {
        const Open& node = stack_[static_cast<std::size_t>(i)];
        if ((node.traits & Trait::Heading) != 0) {
            GenerateImpliedEnds();
            if (!Same(node, e)) {
                Problem* p =
                    problems_.Add(Rule::Misnested, token.start, token.end,
                                  "</" + ascii::ToLower(Display(e)) + "> ends " + Display(node) +
                                      ": the start and end tags name different headings");
                if (p != nullptr) {
                    p->relatedStart = node.start;
                    p->relatedEnd = node.end;
                    p->relatedNote = Display(node) + " starts here";
                }
            }
            for (int j = static_cast<int>(stack_.size()) - 1; j >= 0; --j)
                if ((stack_[static_cast<std::size_t>(j)].traits & Trait::Heading) != 0)
                    return PopTo(j, token.start, token.end);
            return;
        }
        if (IsBoundary(node, Scope::Default))
            break;
    }
    return Stray(e, token);
}

void TreeChecker::EndInScope(const Open& e, const ScannedToken& token, Scope scope) {
    if (FindInScope(e, scope) < 0)
        return Stray(e, token);
    GenerateImpliedEnds(e.tag);
    PopTo(FindInScope(e, scope), token.start, token.end);
    if (e.tag == Tag::Td || e.tag == Tag::Th || e.tag == Tag::Caption || e.tag == Tag::Applet ||
        e.tag == Tag::Marquee || e.tag == Tag::Object)
        ClearToMarker();
}

void TreeChecker::EndBody(const ScannedToken& token) {
    if (!bodyOpened_ && !inFrameset_)
        EnsureBody(token.start, token.end);
    // Browsers keep the elements open and go on; they are reported once, here.
    for (std::size_t i = stack_.size(); i-- > 0;)
        ReportUnclosed(stack_[i], token.start, token.end);
    bodyEnded_ = true;
}

void TreeChecker::EndOther(const Open& e, const ScannedToken& token) {
    for (int i = static_cast<int>(stack_.size()) - 1; i >= 0; --i) {
        const Open& node = stack_[static_cast<std::size_t>(i)];
        if (Same(node, e)) {
            GenerateImpliedEnds(e.tag);
            for (int j = static_cast<int>(stack_.size()) - 1; j >= 0; --j)
                if (Same(stack_[static_cast<std::size_t>(j)], e))
                    return PopTo(j, token.start, token.end);
            return;
        }
        if ((node.traits & Trait::Special) != 0 && !sgml_) {
            // An element of that name may be open around the one that stops the search.
            for (int j = i - 1; j >= 0; --j) {
                if (Same(stack_[static_cast<std::size_t>(j)], e)) {
                    const std::string inner = Display(node);
                    Problem* p =
                        problems_.Add(Rule::Misnested, token.start, token.end,
                                      "</" + ascii::ToLower(Display(e)) + "> cannot close " +
                                          Display(e) + " across " + inner +
                                          ", which is open inside it: close " + inner + " first");
                    if (p != nullptr) {
                        p->relatedStart = node.start;
                        p->relatedEnd = node.end;
                        p->relatedNote = inner + " opens here";
                    }
                    return;
                }
            }
            return Stray(e, token);
        }
    }
    Stray(e, token);
}

void TreeChecker::Stray(const Open& e, const ScannedToken& token, std::string why) {
    if (why.empty()) {
        const std::string name = Display(e);
        why = "</" + ascii::ToLower(name) + "> without an open " + name + " to close";
    }
    problems_.Add(Rule::StrayEndTag, token.start, token.end, std::move(why));
}

// ---- misnested formatting elements ----

void TreeChecker::EndFormatting(const Open& e, const ScannedToken& token) {
    const int entry = FindFormatting(e);
    if (entry < 0)
        return EndOther(e, token);
    const std::uint32_t serial = formatting_[static_cast<std::size_t>(entry)].serial;
    const int at = StackIndexOf(serial);
    const std::string name = Display(e);
    if (at < 0) {
        const FormattingEntry gone = formatting_[static_cast<std::size_t>(entry)];
        formatting_.erase(formatting_.begin() + entry);
        std::string message = "</" + ascii::ToLower(name) + "> closes nothing: ";
        if (gone.closedByEnd > gone.closedByStart)
            message += std::string(Slice(gone.closedByStart,
                                         std::min(gone.closedByEnd, gone.closedByStart + 40))) +
                       " before it already ended " + name + " (misnested tags)";
        else
            message += "an end tag before it already ended " + name + " (misnested tags)";
        problems_.Add(Rule::Misnested, token.start, token.end, std::move(message));
        return;
    }
    for (std::size_t i = stack_.size(); i-- > static_cast<std::size_t>(at) + 1;)
        if (IsBoundary(stack_[i], Scope::Default))
            return Stray(e, token);
    if (sgml_) {
        // The elements opened inside it are closed with it, each an end tag left out.
        PopTo(at, token.start, token.end);
        formatting_.erase(formatting_.begin() + entry);
        return;
    }
    if (at + 1 < static_cast<int>(stack_.size())) {
        // Elements opened inside it are still open: browsers close the formatting ones
        // with it and open them again after it.
        Open& inner = stack_[static_cast<std::size_t>(at) + 1];
        const std::string innerName = Display(inner);
        Problem* p =
            problems_.Add(Rule::Misnested, token.start, token.end,
                          "</" + ascii::ToLower(name) + "> closes " + name + " while " + innerName +
                              ", opened inside it, is still open: close " + innerName + " first");
        if (p != nullptr && inner.start != inner.end) {
            p->relatedStart = inner.start;
            p->relatedEnd = inner.end;
            p->relatedNote = innerName + " opens here";
        }
        for (std::size_t i = stack_.size(); i-- > static_cast<std::size_t>(at) + 1;) {
            stack_[i].reported = true;
            if (stack_[i].formatting != 0) {
                ClosedBy(stack_[i], token.start, token.end);
                EraseAt(i);
            }
        }
        EraseAt(static_cast<std::size_t>(at));
    } else {
        Pop();
    }
    formatting_.erase(formatting_.begin() + entry);
}

void TreeChecker::AddFormatting(Open& e) {
    // Of the same element after the last marker browsers keep three, the newest.
    int same = 0;
    std::size_t oldest = formatting_.size();
    for (std::size_t i = formatting_.size(); i-- > 0 && formatting_[i].serial != 0;) {
        if (Same(formatting_[i].element, e)) {
            ++same;
            oldest = i;
        }
    }
    if (same >= 3)
        formatting_.erase(formatting_.begin() + static_cast<std::ptrdiff_t>(oldest));
    e.formatting = nextSerial_++;
    formatting_.push_back({e.formatting, e});
}

void TreeChecker::PushMarker() {
    formatting_.push_back({0, {}});
}

void TreeChecker::ClearToMarker() {
    while (!formatting_.empty()) {
        const bool marker = formatting_.back().serial == 0;
        formatting_.pop_back();
        if (marker)
            return;
    }
}

int TreeChecker::FindFormatting(const Open& e) const noexcept {
    for (int i = static_cast<int>(formatting_.size()) - 1; i >= 0; --i) {
        const FormattingEntry& f = formatting_[static_cast<std::size_t>(i)];
        if (f.serial == 0)
            return -1;
        if (Same(f.element, e))
            return i;
    }
    return -1;
}

void TreeChecker::ClosedBy(const Open& e, std::size_t start, std::size_t end) noexcept {
    if (e.formatting == 0)
        return;
    for (FormattingEntry& f : formatting_) {
        if (f.serial == e.formatting) {
            f.closedByStart = start;
            f.closedByEnd = end;
            return;
        }
    }
}

int TreeChecker::StackIndexOf(std::uint32_t serial) const noexcept {
    for (int i = static_cast<int>(stack_.size()) - 1; i >= 0; --i)
        if (stack_[static_cast<std::size_t>(i)].formatting == serial)
            return i;
    return -1;
}

void TreeChecker::CloseFormatting(int entry) {
    const int at = StackIndexOf(formatting_[static_cast<std::size_t>(entry)].serial);
    if (at >= 0) {
        for (std::size_t i = static_cast<std::size_t>(at); i < stack_.size(); ++i)
            stack_[i].reported = true;
        while (static_cast<int>(stack_.size()) > at)
            Pop();
    }
    formatting_.erase(formatting_.begin() + entry);
}

void TreeChecker::Reconstruct() {
    if (formatting_.empty() || sgml_)
        return;
    // From the last entry back to the first that is open (or a marker), then forward,
    // opening each again.
    std::size_t first = formatting_.size();
    while (first > 0) {
        const FormattingEntry& f = formatting_[first - 1];
        if (f.serial == 0 || StackIndexOf(f.serial) >= 0)
            break;
        --first;
    }
    for (std::size_t i = first; i < formatting_.size(); ++i) {
        Open again = formatting_[i].element;
        again.reopened = true;
        again.reported = false;
        again.formatting = formatting_[i].serial;
        Push(again);
    }
}

} // namespace velto
