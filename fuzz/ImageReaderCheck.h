// The checks every image reader's fuzz target makes: a size within the format's range or a
// failure text that names the file, and the whole query (GIF, JPEG, PNG in turn) agreeing.
#pragma once

#include "FuzzFile.h"

#include "core/assist/ImageSize.h"

#include <cstdlib>

namespace velto::fuzz {

inline int CheckImageReader(const std::uint8_t* data, std::size_t size, ScratchFile& file,
                            ImageSizeResult (*reader)(const std::string&), long long maxSide) {
    const std::string& path = file.Write(data, size);
    const ImageSizeResult r = reader(path);
    if (r.ok && (r.width < 0 || r.width > maxSide || r.height < 0 || r.height > maxSide))
        std::abort();
    if (!r.ok && (r.failure.size() <= path.size() || !r.failure.ends_with(path)))
        std::abort();
    const ImageSizeResult any = ImageSize(path);
    if (r.ok && !any.ok)
        std::abort();
    return 0;
}

} // namespace velto::fuzz
