// ImageFileReader: reads the header bytes of an image file, never past the file's end.
#include "core/assist/ImageFileReader.h"

#include <filesystem>
#include <system_error>

namespace velto {

bool ImageFileReader::Open(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    if (file_.open(path, std::ios::in | std::ios::binary) == nullptr)
        return false;
    const auto end = file_.pubseekoff(0, std::ios::end, std::ios::in);
    const auto start = file_.pubseekpos(0, std::ios::in);
    if (end == std::streampos(-1) || start != std::streampos(0)) {
        file_.close();
        return false;
    }
    size_ = static_cast<std::uint64_t>(static_cast<std::streamoff>(end));
    position_ = 0;
    return true;
}

bool ImageFileReader::ReadByte(std::uint8_t& byte) {
    return Read(&byte, 1);
}

bool ImageFileReader::Read(std::uint8_t* out, std::size_t count) {
    if (!file_.is_open() || count > size_ - position_)
        return false;
    const auto got = file_.sgetn(reinterpret_cast<char*>(out), static_cast<std::streamsize>(count));
    if (got != static_cast<std::streamsize>(count)) {
        // The file shrank since it was opened: treat the rest as gone.
        size_ = position_;
        return false;
    }
    position_ += count;
    return true;
}

bool ImageFileReader::Skip(std::uint64_t count) {
    if (!file_.is_open() || count > size_ - position_)
        return false;
    if (count == 0)
        return true;
    const auto target = static_cast<std::streamoff>(position_ + count);
    if (file_.pubseekpos(target, std::ios::in) != std::streampos(target))
        return false;
    position_ += count;
    return true;
}

} // namespace velto
