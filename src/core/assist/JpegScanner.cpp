// JpegScanner: walks the marker segments of a JPEG file up to its frame header.
#include "core/assist/JpegScanner.h"

#include "core/assist/ImageFileReader.h"
#include "core/assist/ImageSize.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace velto {

namespace {
constexpr int StartOfImage = 0xD8;
constexpr int EndOfImage = 0xD9;
constexpr int StartOfScan = 0xDA;
constexpr int App0 = 0xE0;
constexpr std::array<std::uint8_t, 5> JfifIdentifier{'J', 'F', 'I', 'F', 0};
} // namespace

bool JpegScanner::NextMarker() {
    std::uint8_t byte = 0;
    for (int read = 0; read < MaxBytesBeforeMarker; ++read) {
        if (!file_.ReadByte(byte))
            break;
        // Fill bytes before a marker; a zero after 0xFF is a stuffed byte, not a marker.
        if (byte == 0xFF || byte == 0)
            continue;
        marker_ = byte;
        return true;
    }
    marker_ = NoMarker;
    return false;
}

bool JpegScanner::SkipSegment() {
    if (marker_ == StartOfImage || marker_ == EndOfImage)
        return true;
    return ReadSegmentLength() && SkipCounted(left_);
}

bool JpegScanner::ReadApp0() {
    std::array<std::uint8_t, 7> head{};
    if (marker_ != App0 || !ReadSegmentLength() || !ReadCounted(head.data(), head.size()))
        return false;
    std::copy(head.begin(), head.begin() + 5, app0Id_.begin());
    app0Major_ = head[5];
    app0Minor_ = head[6];
    return SkipCounted(left_);
}

bool JpegScanner::ReadFrameHeader() {
    if (marker_ != 0xC0 && marker_ != 0xC1 && marker_ != 0xC2 && marker_ != 0xC9)
        return false;
    std::uint8_t precision = 0;
    std::uint8_t components = 0;
    if (!ReadSegmentLength() || !ReadCounted(&precision, 1) || !ReadCounted16(height_) ||
        !ReadCounted16(width_) || !ReadCounted(&components, 1))
        return false;
    precision_ = precision;
    components_ = components;
    return SkipCounted(left_);
}

bool JpegScanner::EndsFrameSearch(int m) noexcept {
    return (m >= 0xC0 && m <= 0xC3) || (m >= 0xC5 && m <= 0xCB) || (m >= 0xCD && m <= 0xCF) ||
           m == StartOfImage || m == EndOfImage || m == StartOfScan;
}

bool JpegScanner::ReadSegmentLength() {
    std::uint8_t bytes[2];
    if (!file_.Read(bytes, 2))
        return false;
    const std::uint32_t length = static_cast<std::uint32_t>(bytes[0]) << 8 | bytes[1];
    // The length counts its own two bytes; less than that is a damaged segment (taking
    // it would move backwards and read the same length again for ever).
    if (length < 2)
        return false;
    left_ = length - 2;
    return true;
}

bool JpegScanner::ReadCounted(std::uint8_t* out, std::size_t count) {
    if (count > left_ || !file_.Read(out, count))
        return false;
    left_ -= static_cast<std::uint32_t>(count);
    return true;
}

bool JpegScanner::ReadCounted16(int& value) {
    std::uint8_t bytes[2];
    if (!ReadCounted(bytes, 2))
        return false;
    value = bytes[0] << 8 | bytes[1];
    return true;
}

bool JpegScanner::SkipCounted(std::uint32_t count) {
    if (count > left_ || !file_.Skip(count))
        return false;
    left_ -= count;
    return true;
}

namespace {
ImageSizeResult Failure(std::string_view text, const std::string& path) {
    return {false, 0, 0, std::string(text) + path};
}

std::string IncompatibleText(const JpegScanner& scanner, const std::string& path) {
    std::string id;
    for (const std::uint8_t c : scanner.App0Identifier()) {
        if (c == 0)
            break;
        id.push_back(c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?');
    }
    char text[128];
    std::snprintf(text, sizeof text, std::string(ImageSizeText::IncompatibleJpeg).c_str(),
                  id.c_str(), scanner.App0Major(), scanner.App0Minor());
    return text + path;
}
} // namespace

ImageSizeResult JpegImageSize(const std::string& path) {
    ImageFileReader file;
    if (!file.Open(path))
        return Failure(ImageSizeText::CannotOpen, path);
    JpegScanner scanner(file);
    if (!scanner.NextMarker() || scanner.Marker() != StartOfImage)
        return Failure(ImageSizeText::InvalidJpeg, path);
    scanner.ClearMarker();

    // Pass the segments up to the frame header. The first APP0 segment is read on the
    // way: a JFIF one must be of version 1; files without one (EXIF cameras, most tools
    // today) are read as well.
    bool app0Read = false;
    for (;;) {
        if (!scanner.NextMarker())
            return Failure(ImageSizeText::NoJpegFrame, path);
        if (scanner.Marker() == App0 && !app0Read) {
            app0Read = true;
            const bool read = scanner.ReadApp0();
            scanner.ClearMarker();
            if (!read)
                return Failure(ImageSizeText::UnrecognisedJpeg, path);
            if (scanner.App0Identifier() == JfifIdentifier && scanner.App0Major() != 1)
                return {false, 0, 0, IncompatibleText(scanner, path)};
            continue;
        }
        if (JpegScanner::EndsFrameSearch(scanner.Marker()))
            break;
        if (!scanner.SkipSegment())
            return Failure(ImageSizeText::NoJpegFrame, path);
    }
    if (!scanner.ReadFrameHeader())
        return Failure(ImageSizeText::NoJpegFrame, path);
    return {true, scanner.Width(), scanner.Height(), {}};
}

} // namespace velto
