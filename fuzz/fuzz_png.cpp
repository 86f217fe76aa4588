// Fuzzes the PNG header reader: any file gives a size in range or a failure text naming the
// file, and the whole query (GIF, JPEG, PNG in turn) agrees with it.
#include "FuzzFile.h"

#include "core/assist/ImageSize.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static velto::fuzz::ScratchFile file("png");
    const std::string& path = file.Write(data, size);
    const velto::ImageSizeResult r = velto::PngImageSize(path);
    if (r.ok && (r.width < 0 || r.width > 2147483647 || r.height < 0 || r.height > 2147483647))
        std::abort();
    if (!r.ok && (r.failure.size() <= path.size() || !r.failure.ends_with(path)))
        std::abort();
    const velto::ImageSizeResult any = velto::ImageSize(path);
    if (r.ok && !any.ok)
        std::abort();
    return 0;
}
