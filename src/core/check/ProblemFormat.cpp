// The problems of a page in the GNU format and as JSON.
#include "core/check/ProblemFormat.h"

#include "core/check/LineIndex.h"
#include "core/encoding/Utf8Text.h"

#include <cstdio>

namespace velto {

namespace {

// A message on one line: control characters (a newline in a quoted value) become blanks.
void WriteOneLine(std::ostream& out, std::string_view text) {
    for (char c : text)
        out << (static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? ' ' : c);
}

void WriteRange(std::ostream& out, const LineIndex& lines, std::size_t start, std::size_t end) {
    const LineIndex::Position a = lines.At(start);
    const LineIndex::Position b = lines.LastOf(start, end);
    out << a.line << '.' << a.column << '-' << b.line << '.' << b.column;
}

void WritePosition(std::ostream& out, const LineIndex::Position& p, std::size_t offset) {
    out << "{\"line\": " << p.line << ", \"column\": " << p.column << ", \"offset\": " << offset
        << '}';
}

} // namespace

void WriteGnu(std::ostream& out, std::string_view file, std::string_view text,
              const std::vector<Problem>& problems) {
    const LineIndex lines(text);
    for (const Problem& p : problems) {
        const std::string_view rule = InfoOf(p.rule).id;
        out << file << ':';
        WriteRange(out, lines, p.start, p.end);
        out << ": " << SeverityName(p.severity) << ": ";
        WriteOneLine(out, p.message);
        out << " [" << rule << "]\n";
        if (p.HasRelated()) {
            out << file << ':';
            WriteRange(out, lines, p.relatedStart, p.relatedEnd);
            out << ": note: ";
            WriteOneLine(out, p.relatedNote);
            out << " [" << rule << "]\n";
        }
    }
}

void WriteJsonString(std::ostream& out, std::string_view text) {
    out << '"';
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const Utf8Char read = ReadUtf8(text, i);
        const std::size_t n = read.length;
        if (!read.Valid()) {
            out << "\\ufffd";
            ++i;
            continue;
        }
        if (n > 1) {
            out << text.substr(i, n);
            i += n;
            continue;
        }
        switch (c) {
        case '"':
            out << "\\\"";
            break;
        case '\\':
            out << "\\\\";
            break;
        case '\n':
            out << "\\n";
            break;
        case '\r':
            out << "\\r";
            break;
        case '\t':
            out << "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out << escaped;
            } else {
                out << c;
            }
        }
        ++i;
    }
    out << '"';
}

void WriteJson(std::ostream& out, std::string_view file, std::string_view encoding,
               std::string_view text, const std::vector<Problem>& problems) {
    const LineIndex lines(text);
    out << "{\"file\": ";
    WriteJsonString(out, file);
    out << ", \"encoding\": ";
    WriteJsonString(out, encoding);
    out << ", \"problems\": [";
    for (std::size_t i = 0; i < problems.size(); ++i) {
        const Problem& p = problems[i];
        out << (i == 0 ? "\n  " : ",\n  ") << "{\"rule\": \"" << InfoOf(p.rule).id
            << "\", \"severity\": \"" << SeverityName(p.severity) << "\", \"message\": ";
        WriteJsonString(out, p.message);
        out << ", \"start\": ";
        WritePosition(out, lines.At(p.start), p.start);
        out << ", \"end\": ";
        WritePosition(out, lines.LastOf(p.start, p.end), p.end);
        if (p.HasRelated()) {
            out << ", \"related\": {\"note\": ";
            WriteJsonString(out, p.relatedNote);
            out << ", \"start\": ";
            WritePosition(out, lines.At(p.relatedStart), p.relatedStart);
            out << ", \"end\": ";
            WritePosition(out, lines.LastOf(p.relatedStart, p.relatedEnd), p.relatedEnd);
            out << '}';
        }
        out << '}';
    }
    out << (problems.empty() ? "]}" : "\n]}");
}

} // namespace velto
