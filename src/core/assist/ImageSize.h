// Reading an image's pixel size from its file header: GIF, JPEG and PNG.
#pragma once

#include <string>
#include <string_view>

namespace velto {

class Prompter;

// The outcome of a size query. On failure `failure` holds the reader's failure text
// followed by the file's path, ready to be shown.
struct ImageSizeResult {
    bool ok = false;
    long width = 0;
    long height = 0;
    std::string failure;
};

// The failure texts; each is followed by the path when shown.
namespace ImageSizeText {
inline constexpr std::string_view CannotOpen = "Unable to open file for read: ";
inline constexpr std::string_view CannotRead = "Unable to read information from file: ";
inline constexpr std::string_view InvalidGif = "Invalid GIF format in file: ";
inline constexpr std::string_view InvalidJpeg = "Invalid JPEG format in file: ";
inline constexpr std::string_view UnrecognisedJpeg =
    "Invalid or unrecognised JPEG format in file: ";
// printf-style: the APP0 identifier, its major and its minor version.
inline constexpr std::string_view IncompatibleJpeg =
    "Incompatible JPEG format (%s v%d.%02d) in file: ";
inline constexpr std::string_view NoJpegFrame = "Invalid format or missing image in JPEG file: ";
inline constexpr std::string_view InvalidPng = "Invalid PNG format in file: ";
inline constexpr std::string_view NotAnImage = "Not a GIF, JPEG or PNG image: ";
} // namespace ImageSizeText

// The logical screen size of a GIF (87a or 89a) file.
[[nodiscard]] ImageSizeResult GifImageSize(const std::string& path);
// The frame size of a JPEG file (baseline, extended, progressive or arithmetic-coded
// sequential); a JFIF marker segment, when there is one, must be of version 1.
[[nodiscard]] ImageSizeResult JpegImageSize(const std::string& path);
// The size from a PNG file's IHDR chunk.
[[nodiscard]] ImageSizeResult PngImageSize(const std::string& path);

// Tries GIF, then JPEG, then PNG. On failure the text is that of the reader whose format
// the file's first bytes announce; a file that announces none is "not an image", and one
// that cannot be opened or read gets the JPEG reader's words for that.
[[nodiscard]] ImageSizeResult ImageSize(const std::string& path);
// The same, showing the failure text in a message box when `report` is given.
bool ImageSize(const std::string& path, long& width, long& height, Prompter* report);

// Shows a failed result's text through the prompter; nothing for a success.
void ReportImageSizeFailure(const ImageSizeResult& result, Prompter& report);

} // namespace velto
