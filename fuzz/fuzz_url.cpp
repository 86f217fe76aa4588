// Fuzzes the URL helpers on a document folder and a pasted text (split at the first NUL).
#include "core/assist/FileUrl.h"
#include "core/assist/InsertableUrl.h"
#include "core/assist/UrlFileFilters.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velto;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string_view folder = split == std::string_view::npos ? "" : input.substr(0, split);
    const std::string_view text = split == std::string_view::npos ? input : input.substr(split + 1);

    const std::string url = MakeInsertableUrl(text, folder, true);
    const std::string absolute = MakeInsertableUrl(text, folder, false);
    if (url.find('\\') != std::string::npos && url != text)
        std::abort(); // a converted URL has forward slashes only
    (void)absolute;
    const std::string relative = RelativePath(folder, LocalPath(text));
    if (!relative.empty() && folder.empty())
        std::abort();
    (void)DocumentFolder(text, folder);
    (void)IsLocalFile(text);
    (void)FileUrl(text);
    if (size >= 4) {
        const std::uint32_t flags =
            data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
        const UrlFileDialogFilters f = FiltersForUrlValue(flags);
        if (f.rows.empty() || f.preselected >= f.rows.size() || f.buttonLabel.empty())
            std::abort();
    }
    return 0;
}
