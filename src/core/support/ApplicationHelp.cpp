// The application help page F1 shows.
#include "core/support/ApplicationHelp.h"

namespace velto {

namespace {
std::string Escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

constexpr const char* Introduction =
    "<P>Velto edits HTML as text. The tag under the cursor is the centre of its help:</P>\n"
    "<UL>\n"
    "<LI><B>F5</B> opens the reference topic of the tag at the cursor in the HTML reference "
    "window; the "
    "window's <I>Context</I> box chooses the reference it asks.</LI>\n"
    "<LI>A <B>right click</B> on a tag (or <B>Shift+F10</B>) offers its attributes, their values "
    "and events, "
    "and <I>Properties...</I> edits them all at once.</LI>\n"
    "<LI>The menus between Edit and Tools insert whole constructs: forms, tables, frames, "
    "lists.</LI>\n"
    "<LI><B>Ctrl+R</B> shows the page in your browser; <B>F12</B> shows it live beside the "
    "text.</LI>\n"
    "<LI>New documents start from templates, and snippets go in at the cursor: both are files in "
    "your own "
    "folders (below), and the menus follow those folders as you change them.</LI>\n"
    "</UL>\n"
    "<P>While nothing else is shown, the status bar says which key opens which help. Pointing at a "
    "menu item "
    "shows what it does there too.</P>\n";
} // namespace

std::string PlainMenuText(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && text[i] != '\t'; ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i; // "&x" shows x; "&&" shows one "&"
            if (text[i] == '\t')
                break;
        }
        out += text[i];
    }
    return out;
}

std::string ApplicationHelpPage(const std::string& version, const std::vector<HelpMenu>& menus,
                                const std::vector<HelpFolder>& folders) {
    std::string page = "<HTML><HEAD><TITLE>Velto Help</TITLE></HEAD><BODY>\n<H1>Velto " +
                       Escaped(version) + "</H1>\n" + Introduction;
    page += "<H2>Commands and keys</H2>\n";
    for (const HelpMenu& menu : menus) {
        if (menu.commands.empty())
            continue;
        page += "<H3>" + Escaped(menu.title) + "</H3>\n<TABLE BORDER=\"0\" CELLPADDING=\"2\">\n";
        for (const HelpCommand& c : menu.commands)
            page += "<TR><TD><B>" + Escaped(c.text) + "</B></TD><TD>" + Escaped(c.keys) +
                    "</TD><TD>" + Escaped(c.prompt) + "</TD></TR>\n";
        page += "</TABLE>\n";
    }
    if (!folders.empty()) {
        page += "<H2>Your files</H2>\n<TABLE BORDER=\"0\" CELLPADDING=\"2\">\n";
        for (const HelpFolder& f : folders)
            page += "<TR><TD><B>" + Escaped(f.what) + "</B></TD><TD>" + Escaped(f.path) +
                    "</TD></TR>\n";
        page += "</TABLE>\n";
    }
    return page + "</BODY></HTML>\n";
}

} // namespace velto
