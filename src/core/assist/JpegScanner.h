// JpegScanner: walks the marker segments of a JPEG file up to its frame header.
#pragma once

#include <array>
#include <cstdint>

namespace velto {

class ImageFileReader;

// The state of one JPEG file being read: the current marker and the bytes left in the
// current segment. Counted reads and skips take from that count and fail when it would
// go below zero, so a segment is never read beyond its own length.
class JpegScanner {
public:
    static constexpr int NoMarker = 0x100;
    // A marker search gives up after this many bytes without a marker.
    static constexpr int MaxBytesBeforeMarker = 1 << 16;

    explicit JpegScanner(ImageFileReader& file) : file_(file) {}

    // Reads to the next marker: a byte that is neither 0 nor 0xFF, after any number of
    // 0xFF fill bytes; zero bytes are passed over. False (and no marker) at the end of the
    // file or when no marker comes within MaxBytesBeforeMarker bytes.
    bool NextMarker();
    // Passes the current marker's segment: nothing for start and end of image, else the
    // segment whose big-endian length (counting its own two bytes) follows the marker.
    bool SkipSegment();
    // Reads the APP0 segment's identifier and version (the current marker must be 0xE0)
    // and passes the rest of the segment.
    bool ReadApp0();
    // Reads a frame header (the current marker must be 0xC0, 0xC1, 0xC2 or 0xC9).
    bool ReadFrameHeader();

    // True for the markers where the search for a frame header stops: frame headers,
    // start and end of image, start of scan.
    [[nodiscard]] static bool EndsFrameSearch(int marker) noexcept;

    [[nodiscard]] int Marker() const noexcept { return marker_; }
    void ClearMarker() noexcept { marker_ = NoMarker; }
    // APP0: the 4-letter identifier with its terminating zero, and the version bytes.
    [[nodiscard]] const std::array<std::uint8_t, 5>& App0Identifier() const { return app0Id_; }
    [[nodiscard]] int App0Major() const noexcept { return app0Major_; }
    [[nodiscard]] int App0Minor() const noexcept { return app0Minor_; }
    [[nodiscard]] int Precision() const noexcept { return precision_; }
    [[nodiscard]] int Width() const noexcept { return width_; }
    [[nodiscard]] int Height() const noexcept { return height_; }
    [[nodiscard]] int Components() const noexcept { return components_; }

private:
    bool ReadSegmentLength();
    bool ReadCounted(std::uint8_t* out, std::size_t count);
    bool ReadCounted16(int& value);
    bool SkipCounted(std::uint32_t count);

    ImageFileReader& file_;
    int marker_ = NoMarker;
    std::uint32_t left_ = 0; // bytes left in the current segment
    std::array<std::uint8_t, 5> app0Id_{};
    int app0Major_ = 0;
    int app0Minor_ = 0;
    int precision_ = 0;
    int width_ = 0;
    int height_ = 0;
    int components_ = 0;
};

} // namespace velto
