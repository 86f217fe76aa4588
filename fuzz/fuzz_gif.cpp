// Fuzzes the GIF logical screen reader: any file gives a size in range or a failure text naming the
// file, and the whole query (GIF, JPEG, PNG in turn) agrees with it.
#include "ImageReaderCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static velto::fuzz::ScratchFile file("gif");
    return velto::fuzz::CheckImageReader(data, size, file, velto::GifImageSize, 65535);
}
