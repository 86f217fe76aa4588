// One recovery file's contents: an unsaved document's text with what is needed to give it
// back as it was (its path or none, its title, when it was written), and the file format
// that holds them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velto {

struct RecoveryRecord {
    std::string path;        // the document's file; empty for an untitled document
    std::string title;       // the title it had ("Velto3" for an untitled one)
    std::int64_t savedAt = 0; // when the text was written, seconds since 1970 (UTC)
    std::string text;        // the document's bytes, exactly
    // How the text is written to its file: an encoding's name, with " bom" and " raw" as
    // the document has them (see EncodingField). Empty in files of editors that kept
    // the file's bytes themselves.
    std::string encoding;

    [[nodiscard]] bool Untitled() const { return path.empty(); }
};

// The header written before the text: a first line naming the format, the document, the
// title, the time, the encoding (when known), the text's length, and a CRC-32 over the header lines before it and
// the text, then an empty line. The text follows it, raw.
[[nodiscard]] std::string RecoveryHeader(const RecoveryRecord& meta, std::string_view text);

// Reads a whole recovery file. A file that is not one, was cut short, runs on past its
// text or does not match its checksum is refused: problem says why.
struct RecoveryParse {
    std::optional<RecoveryRecord> record;
    std::string problem;
};
[[nodiscard]] RecoveryParse ParseRecovery(std::string_view bytes);

} // namespace velto
