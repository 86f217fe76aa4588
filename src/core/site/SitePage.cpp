// A file of the site read as the editor reads it.
#include "core/site/SitePage.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace velto {

namespace {
bool IsContinuationByte(char c) noexcept {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
} // namespace

bool LooksBinary(std::string_view bytes) noexcept {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return false;
    const std::string_view head = bytes.substr(0, 8192);
    return std::memchr(head.data(), 0, head.size()) != nullptr;
}

SitePage::Status SitePage::Read(const std::string& path) {
    error_.clear();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        error_ = path + ": " + std::strerror(errno);
        return status_ = Status::Unreadable;
    }
    std::string bytes;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.append(buffer, got);
        // A binary file is known by its first block; the rest need not be read.
        if (bytes.size() == got && LooksBinary(bytes)) {
            bytes_.clear();
            return status_ = Status::Binary;
        }
    }
    if (std::ferror(file.get())) {
        error_ = path + ": " + std::strerror(errno);
        return status_ = Status::Unreadable;
    }
    return Take(std::move(bytes));
}

SitePage::Status SitePage::Take(std::string bytes) {
    bytes_ = std::move(bytes);
    if (LooksBinary(bytes_)) {
        decoded_ = DecodedPage();
        return status_ = Status::Binary;
    }
    decoded_ = DecodePage(bytes_, Windows1252Encoding());
    return status_ = Status::Text;
}

TextPosition LineCounter::At(std::size_t offset) noexcept {
    offset = std::min(offset, text_.size());
    while (pos_ < offset) {
        const char* from = text_.data() + pos_;
        const std::size_t left = offset - pos_;
        // Most lines end in LF: jump to the next one, then look for lone CRs on the way.
        const void* lf = std::memchr(from, '\n', left);
        const std::size_t stop =
            lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - from) : left;
        const void* cr = std::memchr(from, '\r', stop);
        if (cr) {
            const std::size_t at =
                pos_ + static_cast<std::size_t>(static_cast<const char*>(cr) - from);
            if (at + 1 < text_.size() && text_[at + 1] == '\n') {
                pos_ = at + 1; // the LF of a CR LF ends the line
                continue;
            }
            pos_ = lineStart_ = at + 1;
            ++line_;
            continue;
        }
        if (!lf) {
            pos_ = offset;
            break;
        }
        pos_ = lineStart_ = pos_ + stop + 1;
        ++line_;
    }
    // Columns are counted on from the last position on the same line, so many matches on
    // one long line cost one pass over it.
    if (columnFrom_ < lineStart_ || columnFrom_ > offset) {
        columnFrom_ = lineStart_;
        column_ = 1;
    }
    for (; columnFrom_ < offset; ++columnFrom_)
        if (!IsContinuationByte(text_[columnFrom_]))
            ++column_;
    return {line_, column_};
}

std::string_view LineCounter::LineAround(std::size_t offset, std::size_t maxBytes) const noexcept {
    std::size_t end = text_.find_first_of("\r\n", lineStart_);
    if (end == std::string_view::npos)
        end = text_.size();
    std::size_t start = lineStart_;
    if (end - start > maxBytes) {
        // A long (minified) line: a piece from a little before the offset.
        start = std::max(start, offset > maxBytes / 4 ? offset - maxBytes / 4 : start);
        while (start > lineStart_ && IsContinuationByte(text_[start]))
            --start;
        std::size_t cut = std::min(end, start + maxBytes);
        while (cut > start && cut < end && IsContinuationByte(text_[cut]))
            --cut;
        end = cut;
    }
    return text_.substr(start, end - start);
}

} // namespace velto
