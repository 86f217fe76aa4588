// Splitting a raw command line into parameters, and making one from arguments.
#include "core/app/RawCommandLine.h"

#include "core/app/CBetterCmdLineInfo.h"

namespace velto {

std::size_t SkipBlanks(std::string_view text, std::size_t pos) noexcept {
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    return pos;
}

namespace {
// A quoted token from the opening quote at pos to the matching one (or the end), quotes
// kept and escapes resolved.
std::string ReadQuoted(std::string_view raw, std::size_t& pos) {
    std::string token(1, '"');
    ++pos;
    while (pos < raw.size()) {
        const char c = raw[pos++];
        if (c == '\\' && pos < raw.size()) {
            token += raw[pos++];
        } else {
            token += c;
            if (c == '"')
                break;
        }
    }
    return token;
}

std::string ReadPlain(std::string_view raw, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < raw.size() && !IsBlank(raw[pos]) && raw[pos] != ',')
        ++pos;
    return std::string(raw.substr(start, pos - start));
}
} // namespace

std::vector<CmdLineToken> SplitRawCommandLine(std::string_view raw) {
    std::vector<CmdLineToken> tokens;
    std::size_t pos = SkipBlanks(raw, 0);
    while (pos < raw.size()) {
        CmdLineToken token;
        if (IsFlagSign(raw[pos])) {
            token.isFlag = true;
            ++pos;
        }
        token.text = pos < raw.size() && raw[pos] == '"' ? ReadQuoted(raw, pos) : ReadPlain(raw, pos);
        tokens.push_back(std::move(token));
        pos = SkipBlanks(raw, pos);
        if (pos < raw.size() && raw[pos] == ',')
            pos = SkipBlanks(raw, pos + 1);
    }
    return tokens;
}

void ParseRawCommandLine(std::string_view raw, CBetterCmdLineInfo& info) {
    const std::vector<CmdLineToken> tokens = SplitRawCommandLine(raw);
    for (std::size_t i = 0; i < tokens.size(); ++i)
        info.ParseParam(tokens[i].text, tokens[i].isFlag, i + 1 == tokens.size());
}

std::string JoinArguments(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& arg : args) {
        if (!line.empty())
            line += ' ';
        bool quote = arg.empty();
        for (char c : arg)
            quote = quote || IsBlank(c) || c == ',' || c == '"';
        if (!quote) {
            line += arg;
            continue;
        }
        line += '"';
        for (char c : arg) {
            if (c == '"' || c == '\\')
                line += '\\';
            line += c;
        }
        line += '"';
    }
    return line;
}

} // namespace velto
