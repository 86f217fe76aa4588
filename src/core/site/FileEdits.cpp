// Changes planned for the files of a site, and their writing.
#include "core/site/FileEdits.h"

#include "core/encoding/Codec.h"
#include "core/platform/ReplaceFile.h"
#include "core/site/SitePage.h"

#include <algorithm>
#include <array>
#include <functional>

namespace velto {

std::size_t FileEdits::EnabledCount() const noexcept {
    return enabled ? static_cast<std::size_t>(std::count_if(
                         edits.begin(), edits.end(), [](const TextEdit& e) { return e.enabled; }))
                   : 0;
}

std::size_t BytesHash(std::string_view bytes) noexcept {
    return std::hash<std::string_view>{}(bytes);
}

std::string ApplyEdits(std::string_view text, const std::vector<TextEdit>& edits) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    for (const TextEdit& edit : edits) {
        if (!edit.enabled || edit.offset < at || edit.offset + edit.length > text.size())
            continue;
        out.append(text.substr(at, edit.offset - at));
        out.append(edit.replacement);
        at = edit.offset + edit.length;
    }
    out.append(text.substr(at));
    return out;
}

bool WriteFileEdits(const FileEdits& file, std::string& error) {
    SitePage page;
    if (page.Read(file.path) != SitePage::Status::Text) {
        error = page.State() == SitePage::Status::Binary ? file.path + ": is not a text file"
                                                         : page.Error();
        return false;
    }
    if (page.Bytes().size() != file.plannedSize || BytesHash(page.Bytes()) != file.plannedHash) {
        error = file.path + ": changed on disk since the changes were listed";
        return false;
    }
    const std::string text = ApplyEdits(page.Text(), file.edits);
    const DocumentEncoding& encoding = page.Decoded().encoding;
    std::string bytes;
    std::string_view bom;
    if (encoding.raw) {
        bytes = text; // edited in the file's own bytes, its byte order mark included
    } else if (encoding.encoding->kind == EncodingKind::Utf8) {
        bytes = text;
        if (encoding.bom)
            bom = ByteOrderMark(*encoding.encoding);
    } else {
        EncodeResult encoded = EncodeFromUtf8(text, *encoding.encoding);
        if (!encoded.ok) {
            error = file.path + ": " + std::string(encoding.encoding->name) +
                    " cannot hold every character of the new text";
            return false;
        }
        bytes = std::move(encoded.bytes);
        if (encoding.bom)
            bom = ByteOrderMark(*encoding.encoding);
    }
    const std::array<std::string_view, 2> pieces{bom, bytes};
    return SaveDocumentFile(file.path, pieces, error) == ReplaceResult::Written;
}

WriteSummary WriteFileEdits(const std::vector<FileEdits>& files) {
    WriteSummary summary;
    for (const FileEdits& file : files) {
        const std::size_t count = file.EnabledCount();
        if (count == 0)
            continue;
        std::string error;
        if (WriteFileEdits(file, error)) {
            ++summary.files;
            summary.edits += count;
        } else {
            summary.failures.push_back(error);
        }
    }
    return summary;
}

} // namespace velto
