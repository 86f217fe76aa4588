// ImageFileReader: reads the header bytes of an image file, never past the file's end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

namespace velto {

// Reads from a regular file front to back. The size is taken when the file is opened and
// every read or skip that would pass it fails without moving, so a length field that
// points beyond the end is refused instead of followed; skips seek, so a huge file costs
// only the bytes actually read.
class ImageFileReader {
public:
    ImageFileReader() = default;
    ImageFileReader(const ImageFileReader&) = delete;
    ImageFileReader& operator=(const ImageFileReader&) = delete;

    // Opens a regular file (not a folder, device or pipe) for reading.
    [[nodiscard]] bool Open(const std::string& path);
    [[nodiscard]] bool IsOpen() const { return file_.is_open(); }

    // One byte; false at the end.
    [[nodiscard]] bool ReadByte(std::uint8_t& byte);
    // Exactly `count` bytes, or nothing (and false) when fewer are left.
    [[nodiscard]] bool Read(std::uint8_t* out, std::size_t count);
    // Moves forward by `count` bytes; false (and no move) when that passes the end.
    [[nodiscard]] bool Skip(std::uint64_t count);

    [[nodiscard]] std::uint64_t Size() const { return size_; }
    [[nodiscard]] std::uint64_t Position() const { return position_; }

private:
    std::filebuf file_;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
};

} // namespace velto
