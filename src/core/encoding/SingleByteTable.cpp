// Single-byte encodings as tables built from ICU's (or iconv's) converters.
#include "core/encoding/SingleByteTable.h"

#include "core/encoding/Utf8Text.h"

#include <unicode/ucnv.h>

#include <iconv.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

namespace velto {

namespace {

// What ICU's converter makes of each byte alone; nothing when ICU has no such converter.
std::optional<std::array<char32_t, 256>> FromIcu(std::string_view name) {
    UErrorCode error = U_ZERO_ERROR;
    UConverter* c = ucnv_open(std::string(name).c_str(), &error);
    if (U_FAILURE(error))
        return std::nullopt;
    ucnv_setToUCallBack(c, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    std::array<char32_t, 256> chars{};
    for (int b = 0; b < 256; ++b) {
        const char in = static_cast<char>(b);
        UChar out[4];
        UErrorCode e = U_ZERO_ERROR;
        ucnv_reset(c);
        const int32_t n = ucnv_toUChars(c, out, 4, &in, 1, &e);
        chars[b] = U_SUCCESS(e) && n == 1 && !(out[0] >= 0xD800 && out[0] <= 0xDFFF)
                       ? out[0]
                       : UnmappedByteBase + static_cast<char32_t>(b);
    }
    ucnv_close(c);
    return chars;
}

// The same through glibc's iconv, for the encodings Debian's ICU data leaves out.
std::optional<std::array<char32_t, 256>> FromIconv(std::string_view name) {
    iconv_t cd = iconv_open("UTF-32LE", std::string(name).c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::array<char32_t, 256> chars{};
    for (int b = 0; b < 256; ++b) {
        char in = static_cast<char>(b);
        unsigned char out[8] = {};
        char* inp = &in;
        auto* outp = reinterpret_cast<char*>(out);
        std::size_t inLeft = 1, outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const std::size_t r = iconv(cd, &inp, &inLeft, &outp, &outLeft);
        if (r == static_cast<std::size_t>(-1) || outLeft != sizeof out - 4) {
            chars[b] = UnmappedByteBase + static_cast<char32_t>(b);
        } else {
            chars[b] = static_cast<char32_t>(out[0] | (out[1] << 8) | (out[2] << 16) | (out[3] << 24));
        }
    }
    iconv_close(cd);
    return chars;
}

// The standard defines x-user-defined by a rule, not a table: bytes from 0x80 stand for
// U+F780 onwards.
std::array<char32_t, 256> UserDefined() {
    std::array<char32_t, 256> chars{};
    for (int b = 0; b < 256; ++b)
        chars[b] = b < 0x80 ? static_cast<char32_t>(b) : static_cast<char32_t>(0xF780 + b - 0x80);
    return chars;
}

} // namespace

SingleByteTable::SingleByteTable(const std::array<char32_t, 256>& chars) : chars_(chars) {
    // The standard's single-byte decoder reads an ASCII byte as itself, whatever the
    // converter thinks (ICU's IBM866 swaps some control codes, as DOS did).
    for (int b = 0; b < 0x80; ++b)
        chars_[b] = static_cast<char32_t>(b);
    // A character two bytes share would not say which byte to write back: the later byte
    // keeps its own private-use character instead.
    std::map<char32_t, std::uint8_t> seen;
    for (int b = 0; b < 256; ++b) {
        if (!seen.emplace(chars_[b], static_cast<std::uint8_t>(b)).second) {
            chars_[b] = UnmappedByteBase + static_cast<char32_t>(b);
            seen.emplace(chars_[b], static_cast<std::uint8_t>(b));
        }
        std::string s;
        AppendUtf8(s, chars_[b]);
        std::memcpy(utf8_[b].data(), s.data(), s.size());
        utf8Length_[b] = static_cast<std::uint8_t>(s.size());
    }
    back_.assign(seen.begin(), seen.end());
}

const SingleByteTable* SingleByteTable::For(const EncodingInfo& encoding) {
    static std::mutex mutex;
    static std::map<std::string_view, std::unique_ptr<SingleByteTable>> tables;
    if (encoding.kind != EncodingKind::SingleByte)
        return nullptr;
    const std::lock_guard<std::mutex> lock(mutex);
    auto found = tables.find(encoding.name);
    if (found != tables.end())
        return found->second.get();
    std::optional<std::array<char32_t, 256>> chars;
    if (encoding.name == "x-user-defined")
        chars = UserDefined();
    else if (!(chars = FromIcu(encoding.converter)))
        chars = FromIconv(encoding.converter);
    std::unique_ptr<SingleByteTable> table;
    if (chars)
        table.reset(new SingleByteTable(*chars));
    return tables.emplace(encoding.name, std::move(table)).first->second.get();
}

int SingleByteTable::Byte(char32_t ch) const noexcept {
    if (ch < 0x80)
        return static_cast<int>(ch);
    const auto it = std::lower_bound(back_.begin(), back_.end(), ch,
                                     [](const auto& entry, char32_t c) { return entry.first < c; });
    return it != back_.end() && it->first == ch ? it->second : -1;
}

void SingleByteTable::Decode(std::string_view bytes, std::string& out) const {
    const std::size_t start = out.size();
    // No character of a single-byte encoding takes more than three bytes; a character is
    // copied as four, so four more bytes of room.
    out.resize(start + bytes.size() * 3 + 4);
    char* o = out.data() + start;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        // Runs of ASCII go across at once, eight bytes at a time.
        std::size_t run = i;
        for (std::uint64_t w; run + 8 <= n; run += 8) {
            std::memcpy(&w, p + run, 8);
            if (w & 0x8080808080808080ULL)
                break;
        }
        while (run < n && p[run] < 0x80)
            ++run;
        std::memcpy(o, p + i, run - i);
        o += run - i;
        i = run;
        if (i >= n)
            break;
        const unsigned char b = p[i++];
        std::memcpy(o, utf8_[b].data(), 4);
        o += utf8Length_[b];
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
}

} // namespace velto
