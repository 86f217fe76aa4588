// The line ends a view shows in a long line that are not in the document: where they are
// in the shown text, and positions mapped between the shown text and the document.
//
// The text control lays out a whole line whenever it draws any of it or the line changes,
// so a line of megabytes costs seconds a keystroke. The view shows such a line broken into
// short ones: the control holds the document's bytes with one extra line feed at each
// break, and everything outside the control sees the document's bytes and positions.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

class DisplayBreaks {
public:
    // The byte a break puts into the shown text.
    static constexpr char Byte = '\n';

    [[nodiscard]] bool Empty() const noexcept { return shown_.empty(); }
    [[nodiscard]] std::size_t Count() const noexcept { return shown_.size(); }
    // Where each break's byte is in the shown text, ascending.
    [[nodiscard]] std::span<const int> Positions() const noexcept { return shown_; }

    // The document position of a shown position: the breaks before it are left out, so
    // both sides of a break give the same place.
    [[nodiscard]] int ToDocument(int shown) const noexcept;
    // A document position where a break stands can be shown after the break (at the start
    // of the next shown line) or before it (at the end of the shown line).
    enum class Side { Before, After };
    [[nodiscard]] int ToShown(int document, Side side = Side::After) const noexcept;
    // The shown range of a document range: it starts after and ends before the breaks at its
    // ends, so replacing it keeps them; an empty range stays empty.
    struct Range {
        int first = 0;
        int pastEnd = 0;
    };
    [[nodiscard]] Range ToShown(int first, int pastEnd) const noexcept;
    // How many breaks lie in shown [first, pastEnd).
    [[nodiscard]] int CountIn(int first, int pastEnd) const noexcept;
    // The index of the first break at or after a shown position (Count() when none).
    [[nodiscard]] std::size_t FirstFrom(int shown) const noexcept;
    // Whether a break's byte is at this shown position.
    [[nodiscard]] bool IsBreak(int shown) const noexcept;

    // The shown text changed: text inserted before the breaks at or after the position, or
    // [shown, shown + length) deleted with the breaks in it.
    void Inserted(int shown, int length);
    void Deleted(int shown, int length);
    // Breaks were put into the shown text, each before a byte that was at the given
    // position (ascending): the breaks there or later move along.
    void InsertedBefore(std::span<const int> shown);
    // Breaks at these shown positions (ascending), in a stretch of the shown text that
    // holds no other break (text just inserted with them).
    void Add(std::span<const int> shown);
    void Clear() noexcept { shown_.clear(); }

    // The document's bytes of a piece of shown text that starts at shown position first.
    void AppendDocumentText(int first, std::string_view shown, std::string& out) const;
    // Calls piece(first, pastEnd) for each run of shown [first, pastEnd) between breaks, in
    // order; the runs hold exactly the document's bytes of the range.
    template <class Piece>
    void ForEachPiece(int first, int pastEnd, Piece&& piece) const {
        for (std::size_t i = FirstFrom(first); i < shown_.size() && shown_[i] < pastEnd; ++i) {
            if (shown_[i] > first)
                piece(first, shown_[i]);
            first = shown_[i] + 1;
        }
        if (first < pastEnd)
            piece(first, pastEnd);
    }

private:
    // The number of breaks whose document place (shown position less the breaks before
    // it) is below, or with orEqual at or below, a document position.
    [[nodiscard]] std::size_t CountAtDocument(int document, bool orEqual) const noexcept;

    std::vector<int> shown_;
};

} // namespace velto
