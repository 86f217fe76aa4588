// Contents: the media and embedded content of the living standard: audio, video, their
// sources and text tracks, pictures, canvases, and the roots of SVG and MathML.
#include "core/htmlkb/HtmlTagEventClubs.h"
#include "core/htmlkb/KbBuilder.h"
#include "core/htmlkb/KbContents.h"
#include "core/htmlkb/KbHtml5Sets.h"

namespace velto {

using namespace AttKind;
using namespace ElementClass;

namespace {

// The events of media: loading, playing and seeking (group 3), abort, error and load.
constexpr std::uint32_t MediaEvents = EventMask::Group3 | 0x7ffff8;
constexpr std::uint32_t LoadEvents = EventMask::Group1 | 0xe;

void Size(KbBuilder& b, std::string_view what) {
    Html5Att(b, "&WIDTH", "&Width", Number, std::string("Width of the ") + std::string(what) + " in pixels");
    Html5Att(b, "H&EIGHT", "H&eight", Number, std::string("Height of the ") + std::string(what) + " in pixels");
}

void MediaAttributes(KbBuilder& b, std::uint32_t srcKind, std::string_view what) {
    Html5Att(b, "S&RC", "Sou&rce", srcKind,
             std::string("Address (URL) of the ") + std::string(what) + " file, if no SOURCE gives it");
    Html5Att(b, "&CONTROLS", "&Controls", Flag, "Show the browser's controls for playing");
    Html5Att(b, "&AUTOPLAY", "&Autoplay", Flag, "Start playing as soon as possible");
    Html5Att(b, "&LOOP", "&Loop", Flag, "Start again at the end");
    Html5Att(b, "&MUTED", "&Muted", Flag, "Play without sound at first");
    Html5Att(b, "&PRELOAD", "&Preload", TextEnum, "How much to load before the user plays");
    Html5Val(b, "&none", "&None", "Load nothing until the user plays");
    Html5Val(b, "&metadata", "&Metadata", "Load the duration and size only");
    Html5Val(b, "&auto", "&Auto", "Load as much as the browser sees fit");
    CrossOriginAttribute(b);
}

void AudioAndVideo(KbBuilder& b) {
    b.Element("A&UDIO", "A&udio", "A&udio Player", Html5Bit, Container,
              "A sound or audio stream, with its sources and a fallback text");
    MediaAttributes(b, SoundUrl, "sound");
    b.Events({{Html5Bit, MediaEvents}, {Html5Bit, LoadEvents}});

    b.Element("&VIDEO", "&Video", "&Video Player", Html5Bit, Container,
              "A video or film, with its sources, text tracks and a fallback text");
    MediaAttributes(b, VideoUrl, "video");
    Html5Att(b, "P&OSTER", "P&oster Image", ImageUrl,
             "Address (URL) of an image shown until the video plays");
    Size(b, "video");
    Html5Att(b, "PLAYS&INLINE", "Plays &Inline", Flag,
             "Play within the page on phones, not full screen");
    b.Events({{Html5Bit, MediaEvents}, {Html5Bit, LoadEvents}});
}

void SourceAndTrack(KbBuilder& b) {
    b.Element("&SOURCE", "Media &Source", "", Html5Bit, Empty,
              "One source of a picture, video or audio, for the browser to choose from");
    b.Inside("AUDIO PICTURE VIDEO");
    Html5Att(b, "S&RC", "Sou&rce", DataUrl, "Address (URL) of the video or audio file");
    Html5Att(b, "&TYPE", "&Type", Text, "Media type of the file, such as video/mp4");
    SrcsetAttributes(b);
    Html5Att(b, "&MEDIA", "&Media", Text,
             "Media query for which a picture source applies, such as (min-width: 800px)");
    Size(b, "image");
    b.Events({{Html5Bit, EventMask::Group1 | 0x4}});

    b.Element("T&RACK", "&Text Track", "", Html5Bit, Empty,
              "Timed text for a video or audio: subtitles, captions, descriptions or chapters");
    b.Inside("AUDIO VIDEO");
    Html5Att(b, "&KIND", "&Kind", TextEnum, "What the text track holds");
    Html5Val(b, "&subtitles", "&Subtitles", "A translation of the dialogue (the default)");
    Html5Val(b, "&captions", "&Captions", "The dialogue and sounds, for the deaf");
    Html5Val(b, "&descriptions", "&Descriptions", "Descriptions of the video, for the blind");
    Html5Val(b, "c&hapters", "C&hapters", "Chapter titles, for moving through the media");
    Html5Val(b, "&metadata", "&Metadata", "Data for scripts, not shown");
    Html5Att(b, "S&RC", "Sou&rce", Required | DataUrl, "Address (URL) of the WebVTT file");
    Html5Att(b, "SRC&LANG", "Source &Language", Text, "Language of the text track, such as en");
    Html5Att(b, "&LABEL", "&Label", Text, "Title of the text track that the user chooses by");
    Html5Att(b, "&DEFAULT", "&Default", Flag, "Show this track unless the user chooses another");
    b.Events({{Html5Bit, EventMask::Group3 | 0x4}, {Html5Bit, LoadEvents}});
}

void PictureAndCanvas(KbBuilder& b) {
    b.Element("&PICTURE", "&Picture", "Responsive &Picture", Html5Bit, Container,
              "An image with sources for different screens or formats, ending with IMG");
    b.Events({});
    b.Element("CA&NVAS", "Ca&nvas", "Drawing Ca&nvas", Html5Bit, Container,
              "A surface on which scripts draw graphics");
    Size(b, "drawing surface");
    b.Events({});
}

void ForeignRoots(KbBuilder& b) {
    b.Element("S&VG", "S&VG Drawing", "S&VG Vector Drawing", Html5Bit, Container,
              "A scalable vector drawing, written in SVG's own elements such as path and g");
    Html5Att(b, "&WIDTH", "&Width", Number, "Width of the drawing");
    Html5Att(b, "H&EIGHT", "H&eight", Number, "Height of the drawing");
    Html5Att(b, "VIEW&BOX", "View &Box", Text,
             "The drawing's own coordinates that the box shows: x, y, width and height");
    Html5Att(b, "&XMLNS", "&XML Namespace", Text,
             "The SVG namespace, http://www.w3.org/2000/svg, needed when saved as a file");
    b.Events({});
    b.Element("M&ATH", "M&athematics", "M&athML Formula", Html5Bit, Container,
              "A mathematical formula, written in MathML's own elements such as mrow and mi");
    Html5Att(b, "DI&SPLAY", "Di&splay", TextEnum, "Whether the formula stands in a block of its own");
    Html5Val(b, "&block", "&Block", "The formula stands on lines of its own");
    Html5Val(b, "&inline", "&Inline", "The formula sits in the line of text (the default)");
    b.Events({});
}

} // namespace

void BuildHtml5MediaElements(KbBuilder& b) {
    b.SetAppearance(AppearanceClass::EmbedProgrammatic);
    AudioAndVideo(b);
    SourceAndTrack(b);
    PictureAndCanvas(b);
    ForeignRoots(b);
}

} // namespace velto
