// CompletionPopup: the list of completions under the caret, each with its description
// beside it, greyed where it lies outside the version selection, with a swatch for a
// colour and the character for a reference.
#pragma once

#include "core/completion/CompletionItem.h"

#include <QFrame>

#include <vector>

class QListView;

namespace velto {

class CompletionModel;

// A child of the editor view rather than a window of its own: it never takes the focus
// from the text, so typing goes on into the text while it is shown, and it places itself
// the same way on every platform (a top-level popup cannot place itself under Wayland).
class CompletionPopup : public QFrame {
    Q_OBJECT
public:
    static constexpr int MaxVisibleRows = 10;

    explicit CompletionPopup(QWidget* parent);
    ~CompletionPopup() override;

    // Shows the items below the caret's line (above it when there is no room below), the
    // first one current; `below` is the point under the caret in the parent's coordinates
    // and lineHeight the height of a line.
    void ShowItems(std::vector<CompletionItem> items, QPoint below, int lineHeight);
    [[nodiscard]] const std::vector<CompletionItem>& Items() const noexcept;
    [[nodiscard]] int CurrentRow() const;
    void SetCurrentRow(int row);
    // Moves the current row by delta, stopping at the ends; a whole page with PageStep.
    void MoveCurrent(int delta);
    [[nodiscard]] int PageStep() const;

Q_SIGNALS:
    // An item was clicked.
    void Chosen(int row);

private:
    CompletionModel* model_;
    QListView* list_;
};

} // namespace velto
