// StyleBatch: style bytes gathered in one fixed buffer and handed to a text control in
// large, consecutive batches.
#pragma once

#include "core/platform/TextControl.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace velto {

// A whole-text colouring writes runs in order from the start. Gathering them in a buffer
// that stays in the cache, and handing the control one batch per buffer, costs one call
// per Capacity characters instead of one per run, and never needs memory the size of the
// text beyond what the control itself keeps.
class StyleBatch {
public:
    static constexpr std::size_t Capacity = 256 * 1024;

    // Styles from first on, gathering in buffer (which a caller keeps between colourings,
    // so that the memory is reserved once).
    StyleBatch(TextControl& control, int first, std::vector<std::uint8_t>& buffer)
        : control_(control), next_(first), buffer_(buffer) {
        if (buffer_.size() < Capacity)
            buffer_.resize(Capacity);
    }
    StyleBatch(const StyleBatch&) = delete;
    StyleBatch& operator=(const StyleBatch&) = delete;

    // The next count characters take this style.
    void Fill(std::size_t count, std::uint8_t style) {
        while (count > 0) {
            const std::size_t n = std::min(count, Capacity - used_);
            std::memset(buffer_.data() + used_, style, n);
            used_ += n;
            count -= n;
            if (used_ == Capacity)
                Flush();
        }
    }

    // Hands over what is gathered (call it last); returns the position after the last styled
    // character.
    int Flush() {
        if (used_ > 0) {
            control_.SetStyles(next_, std::span<const std::uint8_t>(buffer_.data(), used_));
            next_ += static_cast<int>(used_);
            used_ = 0;
        }
        return next_;
    }

private:
    TextControl& control_;
    int next_;
    std::size_t used_ = 0;
    std::vector<std::uint8_t>& buffer_;
};

} // namespace velto
