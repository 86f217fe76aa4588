// The line ends a view shows in a long line that are not in the document.
#include "core/document/DisplayBreaks.h"

#include <algorithm>

namespace velto {

std::size_t DisplayBreaks::FirstFrom(int shown) const noexcept {
    return static_cast<std::size_t>(std::lower_bound(shown_.begin(), shown_.end(), shown) - shown_.begin());
}

bool DisplayBreaks::IsBreak(int shown) const noexcept {
    return std::binary_search(shown_.begin(), shown_.end(), shown);
}

int DisplayBreaks::CountIn(int first, int pastEnd) const noexcept {
    if (pastEnd <= first)
        return 0;
    return static_cast<int>(FirstFrom(pastEnd) - FirstFrom(first));
}

int DisplayBreaks::ToDocument(int shown) const noexcept {
    return shown - static_cast<int>(FirstFrom(shown));
}

std::size_t DisplayBreaks::CountAtDocument(int document, bool orEqual) const noexcept {
    // Break i stands at document place shown_[i] - i, which never decreases with i.
    std::size_t low = 0;
    std::size_t high = shown_.size();
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        const int place = shown_[mid] - static_cast<int>(mid);
        if (place < document || (orEqual && place == document))
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

int DisplayBreaks::ToShown(int document, Side side) const noexcept {
    return document + static_cast<int>(CountAtDocument(document, side == Side::After));
}

DisplayBreaks::Range DisplayBreaks::ToShown(int first, int pastEnd) const noexcept {
    const int shownFirst = ToShown(first, Side::After);
    if (pastEnd <= first)
        return {shownFirst, shownFirst};
    return {shownFirst, ToShown(pastEnd, Side::Before)};
}

void DisplayBreaks::Inserted(int shown, int length) {
    if (length <= 0)
        return;
    for (std::size_t i = FirstFrom(shown); i < shown_.size(); ++i)
        shown_[i] += length;
}

void DisplayBreaks::Deleted(int shown, int length) {
    if (length <= 0)
        return;
    const auto first = shown_.begin() + static_cast<std::ptrdiff_t>(FirstFrom(shown));
    const auto past = std::lower_bound(first, shown_.end(), shown + length);
    for (auto it = past; it != shown_.end(); ++it)
        *it -= length;
    shown_.erase(first, past);
}

void DisplayBreaks::InsertedBefore(std::span<const int> shown) {
    if (shown.empty())
        return;
    // Merged in one pass: an old break moves on by the new ones put before or at it, a new
    // one by the new ones before it.
    std::vector<int> merged;
    merged.reserve(shown_.size() + shown.size());
    std::size_t oldIndex = 0;
    for (std::size_t j = 0; j < shown.size(); ++j) {
        while (oldIndex < shown_.size() && shown_[oldIndex] < shown[j])
            merged.push_back(shown_[oldIndex++] + static_cast<int>(j));
        merged.push_back(shown[j] + static_cast<int>(j));
    }
    for (; oldIndex < shown_.size(); ++oldIndex)
        merged.push_back(shown_[oldIndex] + static_cast<int>(shown.size()));
    shown_ = std::move(merged);
}

void DisplayBreaks::Add(std::span<const int> shown) {
    if (shown.empty())
        return;
    const std::size_t at = FirstFrom(shown.front());
    shown_.insert(shown_.begin() + static_cast<std::ptrdiff_t>(at), shown.begin(), shown.end());
}

void DisplayBreaks::AppendDocumentText(int first, std::string_view shown, std::string& out) const {
    const int pastEnd = first + static_cast<int>(shown.size());
    ForEachPiece(first, pastEnd, [&](int a, int b) {
        out.append(shown.substr(static_cast<std::size_t>(a - first), static_cast<std::size_t>(b - a)));
    });
}

} // namespace velto
