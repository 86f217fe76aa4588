// CTextConfigFile: reads keyword files ("KEY value ; comment") line by line, forward only.
#pragma once

#include <cstddef>
#include <fstream>
#include <string>
#include <string_view>

namespace velto {

// A reader for the small keyword files of reference sets and folder menus. Each line is
// a key (its first run of non-blank bytes) and an optional value (the rest, trimmed);
// everything from the comment marker on is ignored, and empty lines are skipped. Lines
// end with LF or CR LF. The file is only ever read forwards: a key that has been passed
// is found again only after reopening the file.
class CTextConfigFile {
public:
    // Lines longer than this are cut here and the rest of the line is dropped, so a file
    // without line ends cannot make the reader hold all of it at once.
    static constexpr std::size_t MaxLineLength = 1 << 20;

    CTextConfigFile() = default;
    CTextConfigFile(const CTextConfigFile&) = delete;
    CTextConfigFile& operator=(const CTextConfigFile&) = delete;

    // Closes any open file and clears the current line, then opens the path for reading.
    [[nodiscard]] bool Open(const std::string& path);
    // Closes the file if one is open; the current line becomes empty.
    void Close();
    [[nodiscard]] bool IsOpen() const { return file_.is_open(); }

    // Reads the next line that is not empty after comment removal and trimming (or the
    // next line at all when empty lines are not skipped) into *line and the current line.
    // False without an open file, without an out string or at the end of the file; *line
    // is then unchanged.
    bool ReadLine(std::string* line);
    // Reads the next line and splits it into its key and, when asked for, its value.
    bool ReadKey(std::string* key, std::string* value = nullptr);
    // As ReadKey, but goes on reading past lines whose key is empty; true when a
    // non-empty key was read.
    bool ReadNextKey(std::string* key, std::string* value = nullptr);
    // Reads on until a line whose key equals `key` exactly; gives its value and, when
    // asked for, the whole line. False at once for an empty key, and at the end of file.
    bool FindKey(std::string_view key, std::string* value, std::string* line = nullptr);

    [[nodiscard]] const std::string& CurrentLine() const { return currentLine_; }
    [[nodiscard]] const std::string& CommentMarker() const { return commentMarker_; }
    void SetCommentMarker(std::string marker) { commentMarker_ = std::move(marker); }
    [[nodiscard]] bool SkipEmptyLines() const { return skipEmptyLines_; }
    void SetSkipEmptyLines(bool skip) { skipEmptyLines_ = skip; }

    // The parts of a line the reader uses, public for callers that split lines they read
    // themselves: the key is the leading run of non-blank bytes, the value the trimmed rest.
    [[nodiscard]] static std::string_view KeyOf(std::string_view line);
    [[nodiscard]] static std::string_view ValueOf(std::string_view line, std::size_t keyLength);
    [[nodiscard]] static std::string_view Trim(std::string_view text);

private:
    // Reads one raw line without its line end; false at the end of the file.
    bool ReadRawLine(std::string& raw);
    // Drops the comment and the surrounding blanks of a raw line.
    [[nodiscard]] std::string CleanLine(std::string_view raw) const;

    std::string commentMarker_ = ";";
    bool skipEmptyLines_ = true;
    std::filebuf file_;
    std::string currentLine_;
};

} // namespace velto
