// TreeChecker: the structure of a page, followed as a browser builds its tree: the elements
// it opens and closes by itself (P before a block, LI before LI, TBODY and TR in tables,
// HEAD and BODY), and what it has to repair: end tags with nothing to close, elements left
// open, misnested formatting, elements where they cannot stand.
#pragma once

#include "core/check/CheckVocabulary.h"
#include "core/check/PageScanner.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

class ProblemList;

class TreeChecker {
public:
    using Id = CheckVocabulary::Id;
    // Deeper elements go beside the innermost instead of into it, as browsers nest no
    // deeper either; it bounds every walk of the stack.
    static constexpr std::size_t MaxDepth = 512;

    TreeChecker(std::string_view text, const CheckVocabulary& vocabulary, ProblemList& problems);

    // A start tag; id is the vocabulary's element of its name (None for names it lacks).
    // The scanner is told when the element's contents are raw text.
    void StartTag(const ScannedToken& token, const std::vector<ScannedAttribute>& attributes, Id id,
                  PageScanner& scanner);
    void EndTag(const ScannedToken& token, Id id);
    void Text(const ScannedToken& token);
    void Doctype(const ScannedToken& token);
    // The end of the text: what is still open.
    void Finish();

    // Inside SVG or MathML, whose vocabulary is their own.
    [[nodiscard]] bool InForeign() const noexcept;

private:
    struct Open {
        Id id = CheckVocabulary::None;
        Tag tag = Tag::Other;
        std::uint32_t traits = 0;
        std::size_t start = 0; // its start tag; start == end when the parser opened it
        std::size_t end = 0;
        std::string_view name;        // as written, for names the vocabulary lacks
        std::uint32_t formatting = 0; // its entry in the formatting list, 0 for none
        bool foreign = false;
        bool reopened = false; // a formatting element the parser opened again
        bool reported = false; // already reported as left open
    };
    struct FormattingEntry {
        std::uint32_t serial = 0; // 0 marks a scope boundary (cell, caption, object)
        Open element;
        // The end tag that last closed it without being its own, if any.
        std::size_t closedByStart = 0;
        std::size_t closedByEnd = 0;
    };
    enum class Scope { Default, ListItem, Button, Table, Select };

    // ---- the stack ----
    [[nodiscard]] Open Make(const ScannedToken& token, Id id) const;
    [[nodiscard]] Open Implied(Tag tag) const;
    void Push(Open element);
    void Pop();
    void EraseAt(std::size_t index);
    [[nodiscard]] bool Is(const Open& e, Tag tag) const noexcept {
        return e.tag == tag && tag != Tag::Other;
    }
    [[nodiscard]] bool Same(const Open& a, const Open& b) const noexcept;
    [[nodiscard]] bool CurrentIs(Tag tag) const noexcept;
    // The position of the nearest open element like `e` within the scope, or -1.
    [[nodiscard]] int FindInScope(const Open& e, Scope scope) const noexcept;
    [[nodiscard]] int FindTagInScope(Tag tag, Scope scope) const noexcept;
    [[nodiscard]] bool IsBoundary(const Open& e, Scope scope) const noexcept;
    [[nodiscard]] bool IsOpen(Id id) const noexcept;
    // Inside a TEMPLATE, whose contents become a fragment of their own wherever they are
    // put: they are not held to where they stand.
    [[nodiscard]] bool InTemplate() const noexcept { return IsOpen(templateId_); }
    // Closes the elements above position `index` (reporting those whose end tag is
    // required as left open before the closing tag), then the element at `index`.
    void PopTo(int index, std::size_t closerStart, std::size_t closerEnd);
    void GenerateImpliedEnds(Tag except = Tag::Other);
    // Under SGML, whether every element above position `index` may be closed without its
    // end tag; if not, the start tag is reported as out of place and `blocked_` is set.
    bool MayImplyEndsAbove(int index, const Open& starting);
    void ReportUnclosed(Open& e, std::size_t closerStart, std::size_t closerEnd);
    [[nodiscard]] std::string Display(const Open& e) const;
    [[nodiscard]] std::string Display(Id id, std::string_view written) const;
    [[nodiscard]] std::string_view Slice(std::size_t start, std::size_t end) const {
        return text_.substr(start, end - start);
    }

    // ---- the document's frame ----
    void EnsureHtml();
    // Opens BODY unless it is open, closing HEAD first; a closer that closes elements
    // left open in HEAD is named in the report.
    void EnsureBody(std::size_t closerStart, std::size_t closerEnd);
    void CloseHead(std::size_t closerStart, std::size_t closerEnd);
    bool StartDocumentElement(const Open& e, const ScannedToken& token);

    // ---- start tags ----
    void StartInBody(Open e, const ScannedToken& token, PageScanner& scanner);
    // What a block's start tag closes (P, LI, a heading); false when the tag is ignored.
    bool CloseBeforeBlock(const Open& e, const ScannedToken& token);
    // What an element of the same kind closes (BUTTON, A, OPTION, ruby parts).
    void CloseSameKind(const Open& e, const ScannedToken& token);
    bool StartInTable(Open& e, const ScannedToken& token,
                      const std::vector<ScannedAttribute>& attributes);
    bool StartInSelect(Open& e);
    bool StartInForeign(const Open& e, const ScannedToken& token,
                        const std::vector<ScannedAttribute>& attributes);
    void ClosePIfOpen(const Open& e, const ScannedToken& token);
    void CloseCellFor(const Open& e, const ScannedToken& token);
    void CloseListItem(const Open& e, Tag a, Tag b, const ScannedToken& token);
    void CheckContext(const Open& e);
    void CheckBlockInInline(const Open& e);
    void InsertElement(Open e, const ScannedToken& token, PageScanner& scanner);
    void Misplaced(const Open& e, std::string message);
    [[nodiscard]] bool InTableContext() const noexcept;
    [[nodiscard]] bool TablePartOutsideTable(const Open& e) const noexcept;

    // ---- end tags ----
    void EndFormatting(const Open& e, const ScannedToken& token);
    void EndHeading(const Open& e, const ScannedToken& token);
    void EndOther(const Open& e, const ScannedToken& token);
    void EndInScope(const Open& e, const ScannedToken& token, Scope scope);
    void EndBody(const ScannedToken& token);
    void Stray(const Open& e, const ScannedToken& token, std::string why = {});

    // ---- the formatting list ----
    void AddFormatting(Open& e);
    void PushMarker();
    void ClearToMarker();
    void Reconstruct();
    [[nodiscard]] int FindFormatting(const Open& e) const noexcept;
    // Takes a formatting element out of the list and off the stack, without a word.
    void CloseFormatting(int entry);
    [[nodiscard]] int StackIndexOf(std::uint32_t serial) const noexcept;
    // Notes that an end tag not its own closed a formatting element (when it was one).
    void ClosedBy(const Open& e, std::size_t start, std::size_t end) noexcept;

    std::string_view text_;
    const CheckVocabulary& vocabulary_;
    ProblemList& problems_;
    std::vector<Open> stack_;
    std::vector<std::uint32_t> openCounts_; // open elements by vocabulary id
    std::vector<FormattingEntry> formatting_;
    std::uint32_t nextSerial_ = 1;
    bool htmlOpened_ = false;
    bool headOpened_ = false;
    bool headClosed_ = false;
    bool bodyOpened_ = false;
    bool inFrameset_ = false;
    bool bodyEnded_ = false; // after </body> or </html>
    bool seenContent_ = false;
    std::size_t bodyEndStart_ = 0;
    std::size_t bodyEndEnd_ = 0;
    int formDepth_ = 0; // open FORM elements
    Id templateId_ = CheckVocabulary::None;
    // Before HTML5 the DTD's rules hold (SGML): an end tag is implied only where the DTD
    // lets it be left out, an end tag closes its element wherever it is, and nothing is
    // reopened; an element that cannot stand somewhere is an error, and stays there.
    bool sgml_ = false;
    // The implied close that a start tag asked for was refused (SGML): it goes in place.
    bool blocked_ = false;
    bool blockedReported_ = false; // and said why
};

} // namespace velto
