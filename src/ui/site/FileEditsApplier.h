// Makes the changes planned for many files: a page open in the editor is changed in its
// view, as one undoable change, and left unsaved; a closed file is written on disk.
#pragma once

#include "core/site/FileEdits.h"

#include <QString>

#include <vector>

namespace velto {

class CQuorDocManager;

// Makes every ticked change; a file that cannot be changed (changed since the plan, not
// writable) is named with its reason in the summary's failures and the others are changed
// still.
[[nodiscard]] WriteSummary ApplyFileEdits(CQuorDocManager& docs,
                                          const std::vector<FileEdits>& files);

// What the changes come to, for the message after them.
enum class EditsKind { Matches, Links };

// "Replaced 3 matches in 2 files." ("Updated 1 link in 1 file." for links), then each
// file not changed with its reason.
[[nodiscard]] QString EditsSummaryText(const WriteSummary& summary, EditsKind kind);

} // namespace velto
