// The file type filters a URL-valued attribute's file dialog offers, by value kind.
#include "core/assist/UrlFileFilters.h"

#include <array>

namespace velto {

namespace {
constexpr std::string_view FilesLabel = "&Files...";

constexpr std::array<UrlFilterRow, 29> Rows{{
    // The rows of "any file" (kind 1); all but the first also open one kind's list.
    {"All Files (*.*)", 1, 0, 0, 0, FilesLabel},
    {"HTML files (*.htm;*.html;*.htt;*.sht;*.shtml;*.html-ssi;*.asp)", 1, 2, 0x200, 0x200,
     "&Html..."},
    {"Images (*.gif;*.bmp;*.tif;*.tiff;*.jpg;*.jpe;*.jpeg;*.png)", 1, 3, 0x400, 0, "&Images..."},
    {"Objects (*.ocx;*.cod;*.code)", 1, 8, 0x8000, 0, "&Objects..."},
    {"Source (*.js;*.java)", 1, 6, 0x2000, 0, "&Scripts..."},
    {"Sounds (*.au;*.snd;*.wav;*.mid;*.rmi;*.ra;*.aif;*.aiff;*.aifc)", 1, 4, 0x1000, 0,
     "&Sounds..."},
    {"Video (*.avi;*.mov;*.qt;*.mpeg;*.mpg;*.mpe)", 1, 5, 0x800, 0, "&Movies..."},
    {"Applets (*.cod;*.code)", 1, 7, 0x4000, 0, "&Applets..."},
    // HTML pages.
    {"HTML files (*.htm;*.html;*.htt;*.asp)", 2, 0, 0, 0, {}},
    {"Server Side Includes (*.sht;*.shtml;*.html-ssi)", 2, 0, 0, 0, {}},
    // Images.
    {"GIF Images (*.gif)", 3, 0, 0, 0, {}},
    {"TIFF Images (*.tif;*.tiff)", 3, 0, 0, 0, {}},
    {"JPEG Images (*.jpg;*.jpe;*.jpeg)", 3, 0, 0, 0, {}},
    {"Bitmaps (*.bmp)", 3, 0, 0, 0, {}},
    // Sounds.
    {"Wave Sound (*.wav)", 4, 0, 0, 0, {}},
    {"MIDI Sequencer (*.mid;*.rmi)", 4, 0, 0, 0, {}},
    {"Real Audio (*.ra)", 4, 0, 0, 0, {}},
    {"Audio (*.au;*.snd)", 4, 0, 0, 0, {}},
    {"AIFF Sounds (*.aif;*.aiff;*.aifc)", 4, 0, 0, 0, {}},
    // Video.
    {"Video for Windows (*.avi)", 5, 0, 0, 0, {}},
    {"Quicktime Video (*.mov;*.qt)", 5, 0, 0, 0, {}},
    {"MPEG Video (*.mpeg;*.mpg;*.mpe)", 5, 0, 0, 0, {}},
    // Scripts.
    {"JavaScript (*.js)", 6, 0, 0, 0, {}},
    {"Java (*.java)", 6, 0, 0, 0, {}},
    {"Java Archive (*.zip)", 6, 0, 0, 0, {}},
    // Applets.
    {"Java Class (*.cod;*.code)", 7, 0, 0, 0, {}},
    // Objects.
    {"ActiveX Controls (*.ocx)", 8, 0, 0, 0, {}},
    {"Java Class (*.cod;*.code)", 8, 0, 0, 0, {}},
    // Closes the list of every kind but "any file", and is the fallback preselection.
    {"All Files (*.*)", 0, 0, 0xFFFFFFFF, 0xFFFFFFFF, FilesLabel},
}};
} // namespace

std::span<const UrlFilterRow> UrlFilterRows() noexcept {
    return Rows;
}

UrlFileDialogFilters FiltersForUrlValue(std::uint32_t valueFlags) {
    const int kind = static_cast<int>(valueFlags & ValueKindBits);
    UrlFileDialogFilters out;
    out.buttonLabel = FilesLabel;
    if (kind == AnyFileKind) {
        for (const UrlFilterRow& row : Rows)
            if (row.kind == AnyFileKind)
                out.rows.push_back(&row);
        return out;
    }
    if (kind == SeveralKinds) {
        bool found = false;
        for (const UrlFilterRow& row : Rows) {
            if ((row.kindMask & valueFlags) == 0)
                continue;
            if (!found && (row.preselectMask & valueFlags) != 0) {
                found = true;
                out.preselected = out.rows.size();
                out.buttonLabel = row.buttonLabel;
            }
            out.rows.push_back(&row);
        }
        return out;
    }
    for (const UrlFilterRow& row : Rows)
        if (row.preselectedFor == kind && kind != 0) {
            out.rows.push_back(&row);
            out.buttonLabel = row.buttonLabel;
        }
    for (const UrlFilterRow& row : Rows)
        if ((row.kind == kind && kind != 0) || row.kind == 0)
            out.rows.push_back(&row);
    return out;
}

} // namespace velto
