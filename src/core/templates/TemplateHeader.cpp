// The optional menu header of template and snippet files.
#include "core/templates/TemplateHeader.h"

namespace velto {

namespace {
struct Line {
    std::string_view text; // without its line end
    std::size_t next;      // offset of the following line
};

Line LineAt(std::string_view text, std::size_t pos) {
    std::size_t lf = text.find('\n', pos);
    std::size_t end = lf == std::string_view::npos ? text.size() : lf;
    std::size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
    if (end > pos && text[end - 1] == '\r')
        --end;
    return {text.substr(pos, end - pos), next};
}

bool IsBlank(std::string_view line) {
    for (char c : line)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\f' && c != '\v')
            return false;
    return true;
}

bool HasHeader(std::string_view text, Line& second) {
    if (text.substr(0, 4) != "<!--")
        return false;
    const Line first = LineAt(text, 0);
    if (first.next >= text.size())
        return false;
    second = LineAt(text, first.next);
    return second.text.substr(0, 5) == "MENU:";
}
} // namespace

std::size_t TemplateBodyOffset(std::string_view text) {
    Line second;
    if (!HasHeader(text, second))
        return 0;
    std::size_t pos = second.next;
    for (;;) {
        if (pos >= text.size())
            return 0; // the comment never closes: treat the file as having no header
        const Line line = LineAt(text, pos);
        pos = line.next;
        if (line.text.find("-->") != std::string_view::npos)
            break;
    }
    while (pos < text.size()) {
        const Line line = LineAt(text, pos);
        if (!IsBlank(line.text))
            break;
        pos = line.next;
    }
    return pos;
}

std::string TemplateMenuText(std::string_view text) {
    Line second;
    if (!HasHeader(text, second))
        return {};
    std::string_view menu = second.text.substr(5);
    while (!menu.empty() && (menu.front() == ' ' || menu.front() == '\t'))
        menu.remove_prefix(1);
    return std::string(menu);
}

} // namespace velto
