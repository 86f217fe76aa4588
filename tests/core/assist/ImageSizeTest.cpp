// Image sizes from GIF, JPEG and PNG headers, and how damaged files fail.
#include "core/assist/ImageSize.h"

#include "core/fakes/RecordingPrompter.h"
#include "core/fakes/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

using namespace velto;
using velto::test::TempDir;

namespace {
std::string Be16(unsigned v) {
    return {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
}
std::string Le16(unsigned v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}
std::string Be32(std::uint32_t v) {
    return Be16(v >> 16) + Be16(v & 0xFFFF);
}

std::string Gif(std::string_view version, unsigned width, unsigned height) {
    return std::string(version) + Le16(width) + Le16(height) + std::string("\xF7\x00\x00", 3);
}

// A JPEG marker segment: 0xFF, the marker, the big-endian length (counting itself), data.
std::string Segment(unsigned marker, std::string_view data) {
    return std::string("\xFF") + static_cast<char>(marker) + Be16(data.size() + 2) +
           std::string(data);
}
const std::string Soi("\xFF\xD8", 2);
const std::string Eoi("\xFF\xD9", 2);
std::string Jfif(int major, int minor) {
    return Segment(0xE0, std::string("JFIF\0", 5) + static_cast<char>(major) +
                             static_cast<char>(minor) +
                             std::string("\x01\x00\x48\x00\x48\x00\x00", 7));
}
std::string Frame(unsigned marker, unsigned width, unsigned height) {
    return Segment(marker, std::string("\x08", 1) + Be16(height) + Be16(width) +
                               std::string("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10));
}
std::string Scan() {
    return Segment(0xDA, std::string("\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00", 10)) +
           std::string("\x12\xFF\x00\x34\xD0\x56", 6) + Eoi;
}
const std::string Dqt = Segment(0xDB, std::string(65, '\x01'));
const std::string Dht = Segment(0xC4, std::string(29, '\x02'));
const std::string Comment = Segment(0xFE, "made by a test");

std::string Png(std::uint32_t width, std::uint32_t height) {
    return std::string("\x89PNG\r\n\x1A\n", 8) + Be32(13) + "IHDR" + Be32(width) + Be32(height) +
           std::string("\x08\x02\x00\x00\x00", 5) + Be32(0);
}

struct Images {
    ImageSizeResult Size(std::string_view bytes) { return ImageSize(Write(bytes)); }
    std::string Write(std::string_view bytes) {
        return dir.Write("image" + std::to_string(count++), bytes).string();
    }
    TempDir dir;
    int count = 0;
};

void ExpectSize(const ImageSizeResult& r, long width, long height) {
    EXPECT_TRUE(r.ok) << r.failure;
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}
void ExpectFailure(const ImageSizeResult& r, std::string_view text, const std::string& path) {
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failure, std::string(text) + path);
}
} // namespace

TEST(GifImageSize, LogicalScreenSizeAndFailures) {
    Images img;
    ExpectSize(img.Size(Gif("GIF87a", 320, 200)), 320, 200);
    ExpectSize(img.Size(Gif("GIF89a", 65535, 1)), 65535, 1);
    const std::string lower = img.Write(Gif("gif89a", 10, 10));
    ExpectFailure(GifImageSize(lower), ImageSizeText::InvalidGif, lower);
    ExpectFailure(ImageSize(lower), ImageSizeText::NotAnImage, lower); // no format announced
    // Nine bytes are too few for the GIF reader; the query goes on to the JPEG reader, and
    // a failure is reported in the terms of the format the file claims to be.
    const std::string nine = img.Write(Gif("GIF89a", 1, 1).substr(0, 9));
    ExpectFailure(GifImageSize(nine), ImageSizeText::CannotRead, nine);
    ExpectFailure(ImageSize(nine), ImageSizeText::CannotRead, nine);
    const std::string text = img.Write("not image");
    ExpectFailure(GifImageSize(text), ImageSizeText::CannotRead, text);
    ExpectFailure(ImageSize(text), ImageSizeText::NotAnImage, text);
    const std::string missing = img.Write("x") + ".gone";
    ExpectFailure(ImageSize(missing), ImageSizeText::CannotOpen, missing);
}

TEST(JpegImageSize, FrameKindsAndSegmentsBeforeTheFrame) {
    Images img;
    const std::string tail = Scan();
    ExpectSize(img.Size(Soi + Jfif(1, 1) + Dqt + Frame(0xC0, 640, 480) + Dht + tail), 640, 480);
    ExpectSize(img.Size(Soi + Jfif(1, 2) + Comment + Dqt + Dht + Frame(0xC2, 40000, 3) + tail),
               40000, 3);
    ExpectSize(img.Size(Soi + Jfif(1, 0) + Frame(0xC1, 17, 9) + tail), 17, 9);
    ExpectSize(img.Size(Soi + Jfif(1, 2) + Frame(0xC9, 65535, 65535) + tail), 65535, 65535);
    // Fill bytes before markers, and a stuffed zero, are passed over.
    ExpectSize(img.Size("\xFF" + Soi + Jfif(1, 1) + std::string("\xFF\xFF\x00", 3) +
                        Frame(0xC0, 5, 6) + tail),
               5, 6);
    for (const unsigned marker : {0xC3u, 0xC5u, 0xC7u, 0xCBu, 0xCFu}) {
        const std::string path = img.Write(Soi + Jfif(1, 1) + Frame(marker, 8, 8) + tail);
        ExpectFailure(JpegImageSize(path), ImageSizeText::NoJpegFrame, path);
    }
    const std::string scanFirst = img.Write(Soi + Jfif(1, 1) + Dqt + tail + Frame(0xC0, 8, 8));
    ExpectFailure(JpegImageSize(scanFirst), ImageSizeText::NoJpegFrame, scanFirst);
    const std::string endFirst = img.Write(Soi + Jfif(1, 1) + Eoi + Frame(0xC0, 8, 8));
    ExpectFailure(JpegImageSize(endFirst), ImageSizeText::NoJpegFrame, endFirst);
}

TEST(JpegImageSize, App0VersionsAndFilesWithoutJfif) {
    Images img;
    const std::string v2 = img.Write(Soi + Jfif(2, 1) + Frame(0xC0, 8, 8) + Scan());
    ExpectFailure(JpegImageSize(v2), "Incompatible JPEG format (JFIF v2.01) in file: ", v2);
    // EXIF cameras write APP1 and no APP0; other APP0 identifiers are not JFIF either.
    const std::string exif = Segment(0xE1, std::string("Exif\0\0", 6) + std::string(200, 'x'));
    ExpectSize(img.Size(Soi + exif + Dqt + Frame(0xC0, 4000, 3000) + Scan()), 4000, 3000);
    ExpectSize(img.Size(Soi + Dqt + Frame(0xC0, 12, 34) + Scan()), 12, 34);
    ExpectSize(img.Size(Soi + Segment(0xE0, std::string("AVI1\0\0\0\0", 8)) + Frame(0xC0, 2, 3)), 2,
               3);
    // A JFIF segment after other segments is still checked.
    const std::string late = img.Write(Soi + exif + Jfif(3, 0) + Frame(0xC0, 8, 8));
    ExpectFailure(JpegImageSize(late), "Incompatible JPEG format (JFIF v3.00) in file: ", late);
    const std::string shortApp0 = img.Write(Soi + Segment(0xE0, "JFI") + Frame(0xC0, 8, 8));
    ExpectFailure(JpegImageSize(shortApp0), ImageSizeText::UnrecognisedJpeg, shortApp0);
    const std::string noSoi = img.Write(Jfif(1, 1) + Frame(0xC0, 8, 8));
    ExpectFailure(JpegImageSize(noSoi), ImageSizeText::InvalidJpeg, noSoi);
}

TEST(JpegImageSize, TruncatedAtEveryLength) {
    Images img;
    const std::string head = Soi + Jfif(1, 1) + Comment + Dqt + Frame(0xC0, 300, 200);
    const std::string file = head + Dht + Scan();
    for (std::size_t length = 0; length <= file.size(); ++length) {
        SCOPED_TRACE(length);
        const ImageSizeResult r = JpegImageSize(img.Write(file.substr(0, length)));
        // The size is known exactly when the whole frame header segment is there.
        EXPECT_EQ(r.ok, length >= head.size());
        if (r.ok)
            ExpectSize(r, 300, 200);
    }
}

TEST(JpegImageSize, HostileSegmentLengths) {
    Images img;
    // A length pointing past the end, and lengths below two that would point backwards.
    for (const std::string& bad :
         {Soi + Jfif(1, 1) + std::string("\xFF\xFE\xFF\xF0", 4) + Frame(0xC0, 8, 8),
          Soi + Jfif(1, 1) + std::string("\xFF\xFE\x00\x00", 4) + Frame(0xC0, 8, 8),
          Soi + Jfif(1, 1) + std::string("\xFF\xFE\x00\x01", 4) + Frame(0xC0, 8, 8),
          Soi + std::string("\xFF\xE0\x00\x00", 4) + Frame(0xC0, 8, 8),
          Soi + Jfif(1, 1) + std::string("\xFF\xC0\x00\x04\x08\x00", 6) + Frame(0xC0, 8, 8),
          Soi + std::string(200000, '\0') + Frame(0xC0, 8, 8),
          Soi + std::string(200000, '\xFF') + Frame(0xC0, 8, 8)}) {
        const std::string path = img.Write(bad);
        EXPECT_FALSE(JpegImageSize(path).ok);
    }
}

TEST(ImageSize, HugeSparseFilesReadOnlyTheirHeaders) {
    Images img;
    const std::string jpeg = img.Write(Soi + Jfif(1, 1) + Frame(0xC0, 1024, 768) + Scan());
    const std::string zeros = img.Write("");
    const std::string gif = img.Write(Gif("GIF89a", 7, 8));
    std::error_code ec;
    for (const std::string& path : {jpeg, zeros, gif})
        std::filesystem::resize_file(path, std::uintmax_t{3} << 30, ec); // 3 GiB of holes
    if (ec)
        GTEST_SKIP() << "no sparse files here: " << ec.message();
    ExpectSize(ImageSize(jpeg), 1024, 768);
    ExpectSize(ImageSize(gif), 7, 8);
    ExpectFailure(ImageSize(zeros), ImageSizeText::NotAnImage, zeros);
}

TEST(PngImageSize, HeaderChunk) {
    Images img;
    ExpectSize(img.Size(Png(1920, 1080)), 1920, 1080);
    ExpectSize(img.Size(Png(0x7FFFFFFF, 1)), 0x7FFFFFFF, 1);
    for (const std::string& bad : {Png(0, 5), Png(5, 0x80000000u), Png(1, 1).replace(12, 4, "IDAT"),
                                   Png(1, 1).replace(8, 4, Be32(12))}) {
        const std::string path = img.Write(bad);
        ExpectFailure(ImageSize(path), ImageSizeText::InvalidPng, path);
    }
    const std::string cut = img.Write(Png(1, 1).substr(0, 20));
    ExpectFailure(ImageSize(cut), ImageSizeText::CannotRead, cut);
}

TEST(ImageSize, UnreadablePathsAndReports) {
    Images img;
    const std::string missing = (img.dir.Path() / "missing.gif").string();
    const std::string folder = img.dir.Path().string();
    ExpectFailure(ImageSize(missing), ImageSizeText::CannotOpen, missing);
    ExpectFailure(ImageSize(folder), ImageSizeText::CannotOpen, folder);
    const std::string pipe = (img.dir.Path() / "pipe.gif").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    ExpectFailure(ImageSize(pipe), ImageSizeText::CannotOpen, pipe);

    test::RecordingPrompter prompter;
    long width = -1, height = -1;
    EXPECT_FALSE(ImageSize(missing, width, height, &prompter));
    EXPECT_FALSE(ImageSize(missing, width, height, nullptr));
    ASSERT_EQ(prompter.messages.size(), 1u); // one message, not one per reader tried
    EXPECT_EQ(prompter.messages[0], std::string(ImageSizeText::CannotOpen) + missing);
    EXPECT_EQ(width, -1);
    EXPECT_TRUE(ImageSize(img.Write(Png(3, 4)), width, height, &prompter));
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 4);
    EXPECT_EQ(prompter.messages.size(), 1u);
}
