// LinkChecker: the ids of a page and what points at them or at files: duplicate ids, links
// to a #fragment that no element has, and local addresses of files that do not exist.
#pragma once

#include "core/check/CheckVocabulary.h"
#include "core/check/PageScanner.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

class ProblemList;

// Whether a file (or folder) exists at a path.
using FileProbe = std::function<bool(const std::string& path)>;

class LinkChecker {
public:
    // documentPath: the page's file, against whose folder relative addresses are read;
    // empty for a page never saved, whose local addresses are not checked.
    LinkChecker(std::string_view text, const CheckVocabulary& vocabulary, ProblemList& problems,
                std::string documentPath, FileProbe probe);

    void StartTag(const std::vector<ScannedAttribute>& attributes, CheckVocabulary::Id id,
                  bool foreign);
    // Checks what was collected once the whole page has been read.
    void Finish();

private:
    struct Place {
        std::string_view value;
        std::size_t start = 0;
        std::size_t end = 0;
    };
    // An open-addressing set of names, each with the place it was first given.
    class NameSet {
    public:
        // The place the name was first added at, or nullptr when it is new (and now added).
        const Place* Insert(const Place& place);
        [[nodiscard]] bool Contains(std::string_view name) const noexcept;

    private:
        void Grow();
        std::vector<Place> slots_;
        std::size_t count_ = 0;
    };

    void Id(const ScannedAttribute& a);
    void Url(const CheckVocabulary::ElementRule& element,
             const CheckVocabulary::AttributeRule& rule, const ScannedAttribute& a);
    void CheckFragments();
    void CheckFiles();

    std::string_view text_;
    const CheckVocabulary& vocabulary_;
    ProblemList& problems_;
    std::string documentPath_;
    FileProbe probe_;
    NameSet ids_;
    NameSet names_; // A NAME and MAP NAME, which links and image maps reach too
    std::vector<Place> fragments_;
    std::vector<Place> files_;
    std::string base_;        // BASE HREF, when it is a local folder
    bool remoteBase_ = false; // BASE HREF names another site: no local file to look for
};

// The local file path that an address names, relative to the page, without its query and
// fragment and with %XX decoded; empty for addresses of other sites, of the site's root
// ("/x"), fragments and template placeholders.
[[nodiscard]] std::string LocalPathOf(std::string_view address);

} // namespace velto
