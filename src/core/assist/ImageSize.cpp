// Reading an image's pixel size from its file header: GIF, JPEG and PNG.
#include "core/assist/ImageSize.h"

#include "core/assist/ImageFileReader.h"
#include "core/platform/Prompter.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace velto {

namespace {
constexpr std::array<std::uint8_t, 8> PngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

ImageSizeResult Failure(std::string_view text, const std::string& path) {
    return {false, 0, 0, std::string(text) + path};
}

std::uint32_t BigEndian32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

enum class Format { Unreadable, Unknown, Gif, Jpeg, Png };

// The format a file's first bytes claim, to choose which reader's failure to show.
Format AnnouncedFormat(const std::string& path) {
    ImageFileReader file;
    std::array<std::uint8_t, 8> head{};
    if (!file.Open(path))
        return Format::Unreadable;
    const std::size_t size = file.Size() < head.size() ? file.Size() : head.size();
    if (!file.Read(head.data(), size))
        return Format::Unreadable;
    if (size >= 3 && std::memcmp(head.data(), "GIF", 3) == 0)
        return Format::Gif;
    if (size >= 2 && head[0] == 0xFF && head[1] == 0xD8)
        return Format::Jpeg;
    if (size == head.size() && head == PngSignature)
        return Format::Png;
    return Format::Unknown;
}
} // namespace

ImageSizeResult GifImageSize(const std::string& path) {
    ImageFileReader file;
    if (!file.Open(path))
        return Failure(ImageSizeText::CannotOpen, path);
    std::array<std::uint8_t, 10> head{};
    if (!file.Read(head.data(), head.size()))
        return Failure(ImageSizeText::CannotRead, path);
    // The version letters after "GIF" ("87a", "89a") are not examined.
    if (std::memcmp(head.data(), "GIF", 3) != 0)
        return Failure(ImageSizeText::InvalidGif, path);
    const long width = head[6] | head[7] << 8;
    const long height = head[8] | head[9] << 8;
    return {true, width, height, {}};
}

ImageSizeResult PngImageSize(const std::string& path) {
    ImageFileReader file;
    if (!file.Open(path))
        return Failure(ImageSizeText::CannotOpen, path);
    // Signature, then the IHDR chunk: length 13, type, width and height (big-endian).
    std::array<std::uint8_t, 24> head{};
    if (!file.Read(head.data(), head.size()))
        return Failure(ImageSizeText::CannotRead, path);
    if (!std::equal(PngSignature.begin(), PngSignature.end(), head.begin()) ||
        BigEndian32(&head[8]) != 13 || std::memcmp(&head[12], "IHDR", 4) != 0)
        return Failure(ImageSizeText::InvalidPng, path);
    const std::uint32_t width = BigEndian32(&head[16]);
    const std::uint32_t height = BigEndian32(&head[20]);
    // Sizes are 1 to 2^31 - 1.
    if (width == 0 || height == 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF)
        return Failure(ImageSizeText::InvalidPng, path);
    return {true, static_cast<long>(width), static_cast<long>(height), {}};
}

ImageSizeResult ImageSize(const std::string& path) {
    ImageSizeResult gif = GifImageSize(path);
    if (gif.ok)
        return gif;
    ImageSizeResult jpeg = JpegImageSize(path);
    if (jpeg.ok)
        return jpeg;
    ImageSizeResult png = PngImageSize(path);
    if (png.ok)
        return png;
    switch (AnnouncedFormat(path)) {
    case Format::Gif:
        return gif;
    case Format::Png:
        return png;
    case Format::Unknown:
        // Read, but none of the three: no reader's complaint would be true of it.
        return Failure(ImageSizeText::NotAnImage, path);
    default:
        return jpeg;
    }
}

bool ImageSize(const std::string& path, long& width, long& height, Prompter* report) {
    const ImageSizeResult result = ImageSize(path);
    if (!result.ok) {
        if (report != nullptr)
            ReportImageSizeFailure(result, *report);
        return false;
    }
    width = result.width;
    height = result.height;
    return true;
}

void ReportImageSizeFailure(const ImageSizeResult& result, Prompter& report) {
    if (!result.ok)
        report.Message(result.failure, Prompter::Kind::Warning);
}

} // namespace velto
