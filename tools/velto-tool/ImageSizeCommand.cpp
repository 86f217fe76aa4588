// velto-tool image-size FILE: the pixel size of a GIF, JPEG or PNG file.
#include "ToolCommand.h"

#include "core/assist/ImageSize.h"

#include <ostream>

namespace velto::tool {
namespace {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const Registrar registrar{
    {"image-size", "FILE", "print the width and height of a GIF, JPEG or PNG image", Run}};

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1)
        return UsageError("image-size", err);
    const ImageSizeResult size = ImageSize(args[0]);
    if (!size.ok) {
        err << size.failure << '\n';
        return 1;
    }
    out << size.width << ' ' << size.height << '\n';
    return 0;
}

} // namespace
} // namespace velto::tool
