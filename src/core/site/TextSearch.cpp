// What Find in Files looks for, compiled once through PCRE2.
#define PCRE2_CODE_UNIT_WIDTH 8
#include "core/site/TextSearch.h"

#include <pcre2.h>

namespace velto {

struct TextSearch::Code {
    pcre2_code* code = nullptr;
    ~Code() { pcre2_code_free(code); }
};

TextSearch::Scratch::~Scratch() {
    pcre2_match_data_free(static_cast<pcre2_match_data*>(data_));
}

namespace {
bool IsWordByte(char c) noexcept {
    const auto u = static_cast<unsigned char>(c);
    // Bytes of non-ASCII characters count as letters: a word of "café" ends after the é.
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || c == '_' ||
           u >= 0x80;
}

bool IsWholeWord(std::string_view text, std::size_t offset, std::size_t length) noexcept {
    const bool before = offset > 0 && IsWordByte(text[offset - 1]) && IsWordByte(text[offset]);
    const std::size_t end = offset + length;
    const bool after = end < text.size() && IsWordByte(text[end]) && IsWordByte(text[end - 1]);
    return !before && !after;
}

std::size_t NextCharacter(std::string_view text, std::size_t at) noexcept {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        ++at;
    return at;
}
} // namespace

TextSearch::TextSearch(SearchOptions options, std::unique_ptr<Code> code)
    : options_(std::move(options)), code_(std::move(code)) {}
TextSearch::TextSearch(TextSearch&&) noexcept = default;
TextSearch& TextSearch::operator=(TextSearch&&) noexcept = default;
TextSearch::~TextSearch() = default;

std::optional<TextSearch> TextSearch::Compile(const SearchOptions& options, std::string& error) {
    if (options.pattern.empty()) {
        error = "Nothing to find";
        return std::nullopt;
    }
    // Pages that are not valid UTF-8 (kept as raw bytes) are searched too: invalid
    // sequences simply never match.
    std::uint32_t flags = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF;
    if (!options.matchCase)
        flags |= PCRE2_CASELESS;
    if (options.regex)
        flags |= PCRE2_MULTILINE; // ^ and $ at every line
    else
        flags |= PCRE2_LITERAL;
    pcre2_compile_context* context = pcre2_compile_context_create(nullptr);
    pcre2_set_newline(context, PCRE2_NEWLINE_ANYCRLF);
    int code = 0;
    PCRE2_SIZE errorOffset = 0;
    pcre2_code* compiled =
        pcre2_compile(reinterpret_cast<PCRE2_SPTR>(options.pattern.data()), options.pattern.size(),
                      flags, &code, &errorOffset, context);
    pcre2_compile_context_free(context);
    if (!compiled) {
        PCRE2_UCHAR message[256];
        pcre2_get_error_message(code, message, sizeof message);
        error = std::string(reinterpret_cast<const char*>(message)) + " at " +
                std::to_string(errorOffset + 1);
        return std::nullopt;
    }
    // Without the JIT (some architectures) the interpreter matches the same, slower.
    pcre2_jit_compile(compiled, PCRE2_JIT_COMPLETE);
    auto holder = std::make_unique<Code>();
    holder->code = compiled;
    return TextSearch(options, std::move(holder));
}

std::unique_ptr<TextSearch::Scratch> TextSearch::MakeScratch() const {
    return std::unique_ptr<Scratch>(
        new Scratch(pcre2_match_data_create_from_pattern(code_->code, nullptr)));
}

bool TextSearch::HitLimit(const Scratch& scratch) noexcept {
    return scratch.hitLimit_;
}

std::optional<TextMatch> TextSearch::Next(std::string_view text, std::size_t from,
                                          Scratch& scratch) const {
    const auto* subject = reinterpret_cast<PCRE2_SPTR>(text.data());
    while (from <= text.size()) {
        const int rc = pcre2_match(code_->code, subject, text.size(), from, 0,
                                   static_cast<pcre2_match_data*>(scratch.data_), nullptr);
        if (rc < 0) {
            if (rc != PCRE2_ERROR_NOMATCH)
                scratch.hitLimit_ = true;
            return std::nullopt;
        }
        const PCRE2_SIZE* ovector =
            pcre2_get_ovector_pointer(static_cast<pcre2_match_data*>(scratch.data_));
        const std::size_t start = ovector[0];
        const std::size_t end = std::max<std::size_t>(ovector[1], start);
        if (end > start && (!options_.wholeWord || IsWholeWord(text, start, end - start)))
            return TextMatch{start, end - start};
        // An empty match, or one inside a word: look again one character on.
        if (start >= text.size())
            return std::nullopt;
        from = NextCharacter(text, start);
    }
    return std::nullopt;
}

std::vector<TextMatch> TextSearch::All(std::string_view text) const {
    std::vector<TextMatch> matches;
    const auto scratch = MakeScratch();
    std::size_t from = 0;
    while (auto m = Next(text, from, *scratch)) {
        matches.push_back(*m);
        from = m->offset + m->length;
    }
    return matches;
}

std::string TextSearch::Expand(std::string_view replacement, std::string_view text,
                               const Scratch& scratch) const {
    if (!options_.regex)
        return std::string(replacement);
    const PCRE2_SIZE* ovector =
        pcre2_get_ovector_pointer(static_cast<pcre2_match_data*>(scratch.data_));
    const std::uint32_t pairs =
        pcre2_get_ovector_count(static_cast<pcre2_match_data*>(scratch.data_));
    std::string out;
    for (std::size_t i = 0; i < replacement.size(); ++i) {
        const char c = replacement[i];
        if (c != '$' || i + 1 >= replacement.size()) {
            out += c;
            continue;
        }
        std::size_t group = 0;
        std::size_t next = i + 1;
        if (replacement[next] == '$') {
            out += '$';
            ++i;
            continue;
        }
        if (replacement[next] >= '0' && replacement[next] <= '9') {
            group = static_cast<std::size_t>(replacement[next] - '0');
            i = next;
        } else if (replacement[next] == '{') {
            const std::size_t close = replacement.find('}', next);
            if (close == std::string_view::npos) {
                out += c;
                continue;
            }
            group = 0;
            for (std::size_t d = next + 1; d < close; ++d)
                group = group * 10 + static_cast<std::size_t>(replacement[d] - '0');
            i = close;
        } else {
            out += c;
            continue;
        }
        // A group that did not take part in the match gives nothing.
        if (group < pairs && ovector[2 * group] != PCRE2_UNSET &&
            ovector[2 * group + 1] >= ovector[2 * group])
            out += text.substr(ovector[2 * group], ovector[2 * group + 1] - ovector[2 * group]);
    }
    return out;
}

} // namespace velto
