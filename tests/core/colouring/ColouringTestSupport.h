// A knowledge base, the appearance and general settings, and a text control in memory,
// with helpers that show styles as readable runs.
#pragma once

#include "core/colouring/AppearanceSettings.h"
#include "core/colouring/CHtmlColourer.h"
#include "core/config/GeneralConfig.h"
#include "core/htmlkb/KbTestSupport.h"
#include "core/platform/MemoryTextControl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace velto::test {

class ColouringTest : public KbTest {
protected:
    AppearanceSettings appearance;
    CGeneralConfig general;

    ColouringTest() { kb.RebuildAllowed(); }

    // The style every character gets from colouring the whole text in one range.
    std::vector<std::uint8_t> WholeStyles(const std::string& text,
                                          ColourMode mode = ColourMode::Tags) const {
        MemoryTextControl control(text);
        CHtmlColourer(kb, mode).ColourWholeControl(control);
        return control.Styles();
    }

    // The class of an element's tags under the current selection.
    AppearanceClass ClassOf(std::string_view element) const { return El(element).Appearance(); }
};

// The styles of [first, pastEnd) as runs "start-end:Class", for messages that a person
// can read.
inline std::string Runs(const std::vector<std::uint8_t>& styles, std::size_t first = 0,
                        std::size_t pastEnd = std::string::npos) {
    pastEnd = std::min(pastEnd, styles.size());
    std::string out;
    for (std::size_t start = first, i = first; i < pastEnd; start = i) {
        while (i < pastEnd && styles[i] == styles[start])
            ++i;
        if (!out.empty())
            out += ' ';
        const std::uint8_t s = styles[start];
        out += std::to_string(start) + '-' + std::to_string(i) + ':' +
               std::string(s < AppearanceClassCount ? AppearanceClasses[s].name : "?");
    }
    return out;
}

// The styles that a text of one run per piece should have: each piece with its class.
struct Piece {
    std::string_view text;
    AppearanceClass style;
};
inline std::vector<std::uint8_t> StylesOf(std::initializer_list<Piece> pieces) {
    std::vector<std::uint8_t> styles;
    for (const Piece& p : pieces)
        styles.insert(styles.end(), p.text.size(), static_cast<std::uint8_t>(p.style));
    return styles;
}
inline std::string TextOf(std::initializer_list<Piece> pieces) {
    std::string text;
    for (const Piece& p : pieces)
        text += p.text;
    return text;
}

} // namespace velto::test
