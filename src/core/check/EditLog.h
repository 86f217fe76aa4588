// EditLog: the edits made to a text since some moment, to carry ranges read from the text
// of then into the text of now (problems found in a copy while the author typed on).
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace velto {

class EditLog {
public:
    // `length` bytes inserted at pos, or removed from pos on.
    void Inserted(std::size_t pos, std::size_t length) { edits_.push_back({pos, 0, length}); }
    void Deleted(std::size_t pos, std::size_t length) { edits_.push_back({pos, length, 0}); }
    void Clear() noexcept { edits_.clear(); }
    [[nodiscard]] bool Empty() const noexcept { return edits_.empty(); }
    [[nodiscard]] std::size_t Size() const noexcept { return edits_.size(); }
    // Forgets the first `count` edits (those a newer copy of the text already holds).
    void DropFirst(std::size_t count);

    // A range of the old text in the text of now. Text inserted at its start goes before
    // it and text inserted at its end after it; a range deleted whole shrinks to the
    // place of the deletion.
    [[nodiscard]] std::pair<std::size_t, std::size_t> Map(std::size_t start,
                                                          std::size_t end) const noexcept;

private:
    struct Edit {
        std::size_t pos;
        std::size_t removed;
        std::size_t inserted;
    };
    std::vector<Edit> edits_;
};

} // namespace velto
