// Converting a page between its encoding and UTF-8.
#include "core/encoding/Codec.h"

#include "core/encoding/SingleByteTable.h"
#include "core/encoding/Utf8Text.h"

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace velto {

namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const noexcept { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// An ICU converter that stops at the first byte or character it cannot convert, instead
// of putting a substitute in its place.
Converter OpenStrict(const EncodingInfo& encoding) {
    UErrorCode error = U_ZERO_ERROR;
    Converter c(ucnv_open(std::string(encoding.converter).c_str(), &error));
    if (U_FAILURE(error))
        return nullptr;
    ucnv_setToUCallBack(c.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    ucnv_setFromUCallBack(c.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    return U_SUCCESS(error) ? std::move(c) : nullptr;
}

bool AppendUtf16AsUtf8(const UChar* units, int32_t count, std::string& out) {
    UErrorCode error = U_ZERO_ERROR;
    int32_t length = 0;
    u_strToUTF8(nullptr, 0, &length, units, count, &error);
    if (error != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(error))
        return false;
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(length));
    error = U_ZERO_ERROR;
    u_strToUTF8(out.data() + at, length, nullptr, units, count, &error);
    return U_SUCCESS(error) || error == U_STRING_NOT_TERMINATED_WARNING;
}

std::optional<std::string> DecodeWithIcu(std::string_view bytes, const EncodingInfo& encoding) {
    Converter c = OpenStrict(encoding);
    if (!c)
        return std::nullopt;
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    std::vector<UChar> buffer(64 * 1024);
    const char* source = bytes.data();
    const char* const end = bytes.data() + bytes.size();
    for (;;) {
        UChar* target = buffer.data();
        UErrorCode error = U_ZERO_ERROR;
        ucnv_toUnicode(c.get(), &target, buffer.data() + buffer.size(), &source, end, nullptr, true, &error);
        if (!AppendUtf16AsUtf8(buffer.data(), static_cast<int32_t>(target - buffer.data()), out))
            return std::nullopt;
        if (error == U_BUFFER_OVERFLOW_ERROR)
            continue;
        if (U_FAILURE(error))
            return std::nullopt; // an illegal, unassigned or truncated sequence
        return out;
    }
}

// Feeds code points to an ICU converter in pieces and gathers its bytes; a character it
// cannot hold is counted and replaced by its reference, or stops the encoding.
class IcuEncoder {
public:
    IcuEncoder(UConverter* c, EncodeResult& result, const ReferenceWriter* references)
        : c_(c), result_(result), references_(references) {}

    // Converts the units; false once a character could not be held and there is no writer.
    bool Convert(const std::vector<UChar>& units, const std::vector<std::size_t>& offsets, bool flush) {
        const UChar* source = units.data();
        const UChar* const end = units.data() + units.size();
        for (;;) {
            UErrorCode error = U_ZERO_ERROR;
            Write(&source, end, flush, error);
            if (error != U_INVALID_CHAR_FOUND && error != U_ILLEGAL_CHAR_FOUND)
                return U_SUCCESS(error);
            UChar bad[4];
            int8_t badLength = 4;
            UErrorCode e = U_ZERO_ERROR;
            ucnv_getInvalidUChars(c_, bad, &badLength, &e);
            UChar32 ch = 0xFFFD;
            if (badLength > 0)
                U16_GET(bad, 0, 0, badLength, ch);
            const std::size_t index = static_cast<std::size_t>(source - units.data()) - static_cast<std::size_t>(badLength);
            Count(static_cast<char32_t>(ch), offsets[index]);
            if (!references_)
                return false;
            Reference(static_cast<char32_t>(ch));
        }
    }

    void Count(char32_t ch, std::size_t offset) {
        Unencodable& u = result_.unencodable;
        if (u.count++ == 0) {
            u.first = ch;
            u.firstOffset = offset;
        }
    }

    // Writes a character's reference (ASCII) through the converter, which keeps a
    // stateful encoding's shifts right.
    void Reference(char32_t ch) {
        const std::string text = (*references_)(ch);
        std::vector<UChar> units(text.begin(), text.end());
        const UChar* source = units.data();
        UErrorCode error = U_ZERO_ERROR;
        Write(&source, source + units.size(), false, error);
    }

private:
    void Write(const UChar** source, const UChar* end, bool flush, UErrorCode& error) {
        for (;;) {
            std::string& out = result_.bytes;
            const std::size_t at = out.size();
            out.resize(at + 64 * 1024);
            char* target = out.data() + at;
            error = U_ZERO_ERROR;
            ucnv_fromUnicode(c_, &target, out.data() + out.size(), source, end, nullptr, flush, &error);
            out.resize(static_cast<std::size_t>(target - out.data()));
            if (error != U_BUFFER_OVERFLOW_ERROR)
                return;
        }
    }

    UConverter* c_;
    EncodeResult& result_;
    const ReferenceWriter* references_;
};

EncodeResult EncodeWithIcu(std::string_view text, const EncodingInfo& encoding,
                           const ReferenceWriter* references) {
    EncodeResult result;
    Converter c = OpenStrict(encoding);
    if (!c) {
        result.ok = false;
        return result;
    }
    IcuEncoder encoder(c.get(), result, references);
    std::vector<UChar> units;
    std::vector<std::size_t> offsets; // each unit's byte offset in the text
    constexpr std::size_t Piece = 32 * 1024;
    std::size_t pos = 0;
    while (pos < text.size()) {
        units.clear();
        offsets.clear();
        while (pos < text.size() && units.size() < Piece) {
            const Utf8Char u = ReadUtf8(text, pos);
            if (!u.Valid()) {
                // A malformed sequence is no character of any encoding.
                if (!encoder.Convert(units, offsets, false)) {
                    result.ok = false;
                    return result;
                }
                units.clear();
                offsets.clear();
                encoder.Count(0xFFFD, pos);
                if (!references) {
                    result.ok = false;
                    return result;
                }
                encoder.Reference(0xFFFD);
            } else if (u.ch < 0x10000) {
                units.push_back(static_cast<UChar>(u.ch));
                offsets.push_back(pos);
            } else {
                units.push_back(U16_LEAD(u.ch));
                units.push_back(U16_TRAIL(u.ch));
                offsets.push_back(pos);
                offsets.push_back(pos);
            }
            pos += u.length;
        }
        if (!encoder.Convert(units, offsets, false)) {
            result.ok = false;
            return result;
        }
    }
    units.clear();
    offsets.clear();
    result.ok = encoder.Convert(units, offsets, true) && result.ok;
    return result;
}

EncodeResult EncodeSingleByte(std::string_view text, const SingleByteTable& table,
                              const ReferenceWriter* references) {
    EncodeResult result;
    std::string& out = result.bytes;
    out.resize(text.size());
    char* o = out.data();
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        if (p[i] < 0x80) { // ASCII is the same in every single-byte encoding
            std::size_t run = i + 1;
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
            continue;
        }
        const Utf8Char u = ReadUtf8(text, i);
        const int b = u.Valid() ? table.Byte(u.ch) : -1;
        if (b >= 0) {
            *o++ = static_cast<char>(b);
        } else {
            Unencodable& un = result.unencodable;
            if (un.count++ == 0) {
                un.first = u.Valid() ? u.ch : 0xFFFD;
                un.firstOffset = i;
            }
            if (!references) {
                result.ok = false;
            } else {
                const std::string ref = (*references)(u.Valid() ? u.ch : 0xFFFD);
                const std::size_t at = static_cast<std::size_t>(o - out.data());
                out.resize(out.size() + ref.size());
                o = out.data() + at;
                for (const char c : ref)
                    *o++ = static_cast<char>(table.Byte(static_cast<unsigned char>(c)));
            }
        }
        i += u.length;
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return result;
}

EncodeResult EncodeUtf8(std::string_view text, const ReferenceWriter* references) {
    EncodeResult result;
    if (IsValidUtf8(text)) {
        result.bytes.assign(text);
        return result;
    }
    // Only malformed sequences: those are characters of no encoding.
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Char u = ReadUtf8(text, i);
        if (u.Valid()) {
            result.bytes.append(text.substr(i, u.length));
        } else {
            Unencodable& un = result.unencodable;
            if (un.count++ == 0) {
                un.first = 0xFFFD;
                un.firstOffset = i;
            }
            if (references)
                result.bytes += (*references)(0xFFFD);
            else
                result.ok = false;
        }
        i += u.length;
    }
    return result;
}

} // namespace

std::optional<std::string> DecodeToUtf8(std::string_view bytes, const EncodingInfo& encoding) {
    switch (encoding.kind) {
    case EncodingKind::Utf8:
        if (!IsValidUtf8(bytes))
            return std::nullopt;
        return std::string(bytes);
    case EncodingKind::SingleByte:
        if (const SingleByteTable* table = SingleByteTable::For(encoding)) {
            std::string out;
            table->Decode(bytes, out);
            return out;
        }
        return std::nullopt;
    case EncodingKind::Utf16LE:
    case EncodingKind::Utf16BE:
    case EncodingKind::MultiByte:
        return DecodeWithIcu(bytes, encoding);
    case EncodingKind::Replacement:
        break;
    }
    return std::nullopt;
}

EncodeResult EncodeFromUtf8(std::string_view text, const EncodingInfo& encoding,
                            const ReferenceWriter* references) {
    switch (encoding.kind) {
    case EncodingKind::Utf8:
        return EncodeUtf8(text, references);
    case EncodingKind::SingleByte:
        if (const SingleByteTable* table = SingleByteTable::For(encoding))
            return EncodeSingleByte(text, *table, references);
        break;
    case EncodingKind::Utf16LE:
    case EncodingKind::Utf16BE:
    case EncodingKind::MultiByte:
        return EncodeWithIcu(text, encoding, references);
    case EncodingKind::Replacement:
        break;
    }
    EncodeResult failed;
    failed.ok = false;
    return failed;
}

std::string_view ByteOrderMark(const EncodingInfo& encoding) noexcept {
    using namespace std::string_view_literals;
    switch (encoding.kind) {
    case EncodingKind::Utf8:
        return "\xEF\xBB\xBF"sv;
    case EncodingKind::Utf16LE:
        return "\xFF\xFE"sv;
    case EncodingKind::Utf16BE:
        return "\xFE\xFF"sv;
    default:
        return {};
    }
}

} // namespace velto
