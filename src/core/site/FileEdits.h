// Changes planned for the files of a site (Replace in Files, links rewritten by a rename),
// shown for review, each one can be left out, then written: a closed file through a
// temporary file and a rename, keeping every byte outside the changes, its line ends and
// its encoding.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

struct TextEdit {
    std::size_t offset = 0; // in the text as the editor holds it (UTF-8)
    std::size_t length = 0;
    std::string replacement;
    std::string original; // the text replaced, for the preview
    int line = 1;
    int column = 1;
    std::string lineText; // the line as it is, for the preview
    std::size_t matchInLine = 0; // where the replaced text begins in lineText
    bool enabled = true;
};

struct FileEdits {
    std::string path;
    std::vector<TextEdit> edits; // in offset order, none overlapping
    bool enabled = true;
    // What the file held when the edits were planned; a file changed since is not written.
    std::size_t plannedSize = 0;
    std::size_t plannedHash = 0;
    [[nodiscard]] std::size_t EnabledCount() const noexcept;
};

// The text with the enabled edits made.
[[nodiscard]] std::string ApplyEdits(std::string_view text, const std::vector<TextEdit>& edits);

struct WriteSummary {
    std::size_t files = 0;
    std::size_t edits = 0;
    std::vector<std::string> failures; // "path: reason", one a file not written
};

// Writes every enabled file with its enabled edits; a file that cannot be written is named
// in the summary and the others are written still.
[[nodiscard]] WriteSummary WriteFileEdits(const std::vector<FileEdits>& files);

// Writes one file; false with the reason in error.
bool WriteFileEdits(const FileEdits& file, std::string& error);

[[nodiscard]] std::size_t BytesHash(std::string_view bytes) noexcept;

} // namespace velto
