// CViewScan: a view's pending background colouring, coloured a chunk at a time.
#pragma once

namespace velto {

struct CViewScan {
    int next = 0;         // the next position to colour
    int chunkSize = 4096; // characters per idle step
};

} // namespace velto
