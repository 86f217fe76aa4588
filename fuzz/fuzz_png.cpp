// Fuzzes the PNG header reader: any file gives a size in range or a failure text naming the
// file, and the whole query (GIF, JPEG, PNG in turn) agrees with it.
#include "ImageReaderCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static velto::fuzz::ScratchFile file("png");
    return velto::fuzz::CheckImageReader(data, size, file, velto::PngImageSize, 2147483647);
}
