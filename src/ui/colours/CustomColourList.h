// CustomColourList: the "User" page's list of custom colours (swatch and name), with an
// edit field laid over an entry to rename it.
#pragma once

#include <QListWidget>

class QLineEdit;

namespace velto {

class CCustomColours;
struct CustomColourEntry;
class Prompter;

class CustomColourList : public QListWidget {
    Q_OBJECT
public:
    // page: the rename ends when the focus moves to another of its controls.
    CustomColourList(Prompter& prompter, QWidget* page, QWidget* parent);

    // Shows the active entries and selects one (-1: none).
    void Fill(const CCustomColours& colours, int selected);
    void ShowEntry(int row, const CustomColourEntry& entry);
    [[nodiscard]] int Selected() const;
    void Select(int row);

    // Opens the name editor over a row, its name selected.
    void StartRename(int row);
    [[nodiscard]] bool Renaming() const noexcept { return renamingRow_ >= 0; }
    // Ends an open rename: a name with a forbidden character beeps, is reported and keeps
    // the editor open with the caret just after that character (false); otherwise the
    // editor closes and Renamed is signalled.
    bool FinishRename();
    void CancelRename();
    [[nodiscard]] QLineEdit* NameEditor() const noexcept { return editor_; }

Q_SIGNALS:
    void Renamed(int row, const QString& name);
    void RenamingChanged(bool renaming);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceEditor();
    void CloseEditor();

    Prompter& prompter_;
    QWidget* page_;
    QLineEdit* editor_;
    int renamingRow_ = -1;
};

} // namespace velto
