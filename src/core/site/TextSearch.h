// What Find in Files looks for, compiled once and matched against the text of many
// pages: plain text or a regular expression (Perl syntax, through PCRE2), with or without
// case, whole words only or anywhere.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

struct SearchOptions {
    std::string pattern;
    bool regex = false;
    bool matchCase = false;
    bool wholeWord = false; // the match has no letter, digit or '_' just before or after it
};

struct TextMatch {
    std::size_t offset = 0;
    std::size_t length = 0;
};

class TextSearch {
public:
    // Nothing, with the reason in error ("missing closing parenthesis at 4"), for an empty
    // pattern or a regular expression that does not compile.
    static std::optional<TextSearch> Compile(const SearchOptions& options, std::string& error);

    TextSearch(TextSearch&&) noexcept;
    TextSearch& operator=(TextSearch&&) noexcept;
    ~TextSearch();

    // The first non-empty match at or after from, none when there is no more. Safe to call
    // from several threads at once, each with its own Scratch.
    class Scratch {
    public:
        ~Scratch();
        Scratch(const Scratch&) = delete;
        Scratch& operator=(const Scratch&) = delete;

    private:
        friend class TextSearch;
        explicit Scratch(void* data) noexcept : data_(data) {}
        void* data_; // PCRE2's match data
        bool hitLimit_ = false;
    };
    [[nodiscard]] std::unique_ptr<Scratch> MakeScratch() const;
    [[nodiscard]] std::optional<TextMatch> Next(std::string_view text, std::size_t from,
                                                Scratch& scratch) const;

    // Every match of a text, in order, none overlapping.
    [[nodiscard]] std::vector<TextMatch> All(std::string_view text) const;

    // The replacement text of the last match Next found: for a regular expression "$0" to
    // "$9" (and "${10}") stand for its groups and "$$" for '$'; plain text is taken as it is.
    [[nodiscard]] std::string Expand(std::string_view replacement, std::string_view text,
                                     const Scratch& scratch) const;

    [[nodiscard]] const SearchOptions& Options() const noexcept { return options_; }
    // Set when matching hit one of PCRE2's limits (a pathological expression); the
    // matches of that text stop there.
    [[nodiscard]] static bool HitLimit(const Scratch& scratch) noexcept;

private:
    struct Code;
    TextSearch(SearchOptions options, std::unique_ptr<Code> code);
    SearchOptions options_;
    std::unique_ptr<Code> code_;
};

} // namespace velto
