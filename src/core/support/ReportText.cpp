// The problem report's text, made from what the user typed and the system's facts.
#include "core/support/ReportText.h"

#include "core/support/FixedTimeText.h"

#include <algorithm>
#include <cstdio>

namespace velto {

namespace {

constexpr std::string_view Eol = "\r\n";

// text with every line end written as CR LF.
std::string WithCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

// "Label      : value" + CR LF; labels are padded to 11 characters by the caller.
std::string Line(std::string_view label, const std::string& value) {
    std::string line(label);
    line += ": ";
    line += value;
    line += Eol;
    return line;
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

const char* DetailName(ReportDetail detail) {
    switch (detail) {
    case ReportDetail::Concise:
        return " (Concise)";
    case ReportDetail::Standard:
        return " (Standard)";
    case ReportDetail::Detailed:
        return " (Detailed)";
    }
    return "";
}

std::string MemoryBlock(const std::optional<MemoryFacts>& memory) {
    std::string block = "Memory Status {";
    block += Eol;
    if (memory) {
        block += "    Use        : " + std::to_string(memory->usePercent) + "% in use" + std::string(Eol);
        block += Line("    Phys Total ", ReportSize(memory->physTotal));
        block += Line("    Phys Avail ", ReportSize(memory->physAvail));
        block += Line("    Page Total ", ReportSize(memory->swapTotal));
        block += Line("    Page Avail ", ReportSize(memory->swapAvail));
        block += Line("    Virt Total ", ReportSize(memory->commitTotal));
        block += Line("    Virt Avail ", ReportSize(memory->commitAvail));
    }
    block += "}";
    block += Eol;
    return block;
}

std::string DriveLines(const std::vector<DriveFacts>& drives) {
    std::size_t width = 0;
    for (const DriveFacts& d : drives)
        width = std::max(width, d.mountPoint.size());
    width = std::min<std::size_t>(width, 30);
    std::string lines;
    for (const DriveFacts& d : drives) {
        std::string space;
        if (d.freeBytes && d.totalBytes)
            space = ReportSize(*d.freeBytes) + " free of " + ReportSize(*d.totalBytes) + " total";
        lines += Padded(d.mountPoint, width) + ": " + Padded(space, 35) + " (" + d.kind + ")" + std::string(Eol);
    }
    return lines;
}

std::string IncludedFileText(const IncludedFile& file) {
    std::string text = ReportHeading(3, "Contents of file " + file.name);
    text += Line("Path       ", file.folder.empty() ? file.name : file.folder + "/" + file.name);
    if (!file.bytes) {
        text += "*** FAILED TO OPEN FILE FOR READ ***";
        text += Eol;
    } else {
        text += *file.bytes;
        // The next heading starts on a line of its own.
        if (!file.bytes->empty() && file.bytes->back() != '\n')
            text += Eol;
    }
    return text;
}

// What the program runs on and with: the libraries, the display, the settings file and
// the fonts, the usual suspects of a fault that happens on one desktop only.
std::string RunningOnLines(const SystemFacts& facts) {
    std::string lines = Line("Qt Platform", facts.qtPlatform);
    lines += Line("Qt         ", facts.qtVersion);
    lines += Line("QScintilla ", facts.qscintillaVersion.empty() ? "not in use" : facts.qscintillaVersion);
    lines += Line("WebEngine  ", facts.webEngineVersion.empty() ? "not loaded in this run" : facts.webEngineVersion);
    lines += Line("Display    ", facts.displayServer);
    lines += Line("Desktop    ", facts.desktop);
    std::string settings = facts.settingsPath.empty() ? std::string("kept in memory only") : facts.settingsPath;
    if (!facts.settingsPath.empty())
        settings += facts.settingsSize ? " (" + ReportSize(*facts.settingsSize) + ")" : " (not written yet)";
    lines += Line("Settings   ", settings);
    for (std::size_t i = 0; i < facts.fonts.size(); ++i)
        lines += Line(i == 0 ? "Fonts      " : "           ", facts.fonts[i]);
    return lines;
}

} // namespace

std::string ReportHeading(int level, const std::string& title) {
    std::size_t width = 78;
    char fill = '#';
    if (level == 2) {
        width = 70;
        fill = '=';
    } else if (level >= 3) {
        width = 60;
        fill = '-';
    }
    const std::string middle = " " + title + " ";
    const std::size_t fillCount = middle.size() < width ? width - middle.size() : 0;
    const std::size_t left = fillCount / 2;
    return std::string(left, fill) + middle + std::string(fillCount - left, fill) + std::string(Eol);
}

std::string ReportSize(std::uint64_t bytes) {
    constexpr std::uint64_t K = 1024;
    constexpr std::uint64_t M = K * K;
    if (bytes >= 2 * M)
        return std::to_string(bytes / M) + "M";
    if (bytes >= 2 * K)
        return std::to_string(bytes / K) + "K";
    return std::to_string(bytes) + " bytes";
}

std::string LastBootText(std::uint64_t minutes) {
    if (minutes >= 1440)
        return std::to_string(minutes / 1440) + " day(s) ago";
    if (minutes >= 60)
        return std::to_string(minutes / 60) + " hour(s) ago";
    return std::to_string(minutes) + " minute(s) ago";
}

std::string BuildReport(const ReportContact& contact, const SystemFacts& facts, const std::string& reportPath) {
    std::string r;
    r += ReportHeading(1, facts.productName + " Problem Report" + DetailName(contact.detail));
    r += Line("File       ", reportPath);
    r += Line("Date       ", ReportDateText(LocalTime(facts.now)));
    r += Line("Product    ", facts.productName + " " + facts.productVersion);
    r += Line("Platform   ", facts.platform);
    r += Line("           ", facts.platformDetail);
    r += Line("Processor  ", facts.processor);

    r += ReportHeading(2, "User Details");
    r += Line("Title      ", contact.title);
    r += Line("First Name ", contact.firstName);
    r += Line("Last Name  ", contact.lastName);
    r += Line("Address    ", "");
    r += WithCrLf(contact.postalAddress) + std::string(Eol);
    r += Line("Telephone  ", contact.tel);
    r += Line("Fax        ", contact.fax);
    r += Line("Email      ", contact.email);

    r += ReportHeading(2, "Problem Description");
    r += WithCrLf(contact.description) + std::string(Eol);

    r += ReportHeading(2, "System Summary");
    r += MemoryBlock(facts.memory);
    r += Line("Last Boot  ", facts.uptimeMinutes ? LastBootText(*facts.uptimeMinutes) : "unknown");
    r += Line("Global Heap", facts.heapFree ? ReportSize(*facts.heapFree) + " free" : "unknown");
    r += "Drives     :";
    r += Eol;
    r += DriveLines(facts.drives);

    r += ReportHeading(2, "Installation Summary");
    r += Line("Executable ", facts.executable);
    if (contact.detail == ReportDetail::Detailed)
        r += RunningOnLines(facts);
    if (facts.settingsFile)
        r += IncludedFileText(*facts.settingsFile);

    for (const IncludedFile& file : facts.includedFiles)
        if (contact.detail >= file.from)
            r += IncludedFileText(file);

    r += ReportHeading(1, "END OF REPORT");
    return r;
}

} // namespace velto
