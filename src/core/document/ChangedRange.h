// The span of text that one editing step changed, in positions of the changed text.
// The colouring recolours around it once the step is over.
#pragma once

namespace velto {

class ChangedRange {
public:
    void Inserted(int pos, int length) noexcept;
    void Deleted(int pos, int length) noexcept;
    void Reset() noexcept { *this = ChangedRange(); }

    [[nodiscard]] bool Empty() const noexcept { return !changed_; }
    [[nodiscard]] int First() const noexcept { return first_; }
    [[nodiscard]] int PastEnd() const noexcept { return pastEnd_; }
    // Some text was inserted (not only deleted).
    [[nodiscard]] bool HasInsertion() const noexcept { return inserted_; }

private:
    bool changed_ = false;
    bool inserted_ = false;
    int first_ = 0;
    int pastEnd_ = 0;
};

} // namespace velto
