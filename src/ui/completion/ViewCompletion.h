// ViewCompletion: completion and hover help in an editor view: opens the list as the
// author types (or on Ctrl+Space), keeps it filtered, writes the chosen item, and shows the
// tooltip of the name under the pointer.
#pragma once

#include "core/completion/CompletionApplier.h"
#include "core/completion/CompletionContext.h"
#include "core/completion/Completer.h"
#include "core/completion/HoverHelp.h"

#include <QObject>
#include <QString>

class QKeyEvent;

namespace velto {

class CQuorApp;
class CQuorView;
class CompletionPopup;

class ViewCompletion : public QObject {
    Q_OBJECT
public:
    ViewCompletion(CQuorView& view, CQuorApp& app);
    ~ViewCompletion() override;

    // A key before the text control sees it: while the list is shown, Up, Down, Page Up,
    // Page Down, Enter, Return and Tab work the list and Escape closes it. True when taken.
    bool KeyBeforeControl(QKeyEvent& key);
    // A key after the text control has handled it: with "Complete as You Type", a '<' and a
    // letter, a blank in a start tag, an '=' or a quote after it, or a '&' and a letter open
    // the list; while it is shown, every key filters it again or closes it.
    void KeyAfterControl(const QKeyEvent& key);
    // Ctrl+Space: the list for wherever the caret is, whatever the option says.
    void Request();

    [[nodiscard]] bool IsListShown() const;
    [[nodiscard]] const std::vector<CompletionItem>& ShownItems() const;
    [[nodiscard]] int CurrentRow() const;
    // Writes the shown item of that row, as choosing it does.
    void ChooseShown(int row);
    void CloseList();

    // The tooltip for the character at pos (empty when it is on no name), as rich text.
    [[nodiscard]] QString HoverTextAt(int pos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Finds the context at the caret and shows its items; with open false only a list
    // shown already is brought up to date (or closed when nothing fits any more).
    void Update(bool open);
    [[nodiscard]] KnownStart Known(int pos) const;
    [[nodiscard]] CompletionSources Sources() const;
    // Whether the character just typed asks for a list with the context found.
    [[nodiscard]] static bool Opens(QChar typed, const CompletionContext& context);

    CQuorView& view_;
    CQuorApp& app_;
    ContextFinder finder_;
    Completer completer_;
    CompletionApplier applier_;
    HoverHelp hover_;
    CompletionContext context_;
    CompletionPopup* popup_;
    bool applying_ = false;
};

} // namespace velto
