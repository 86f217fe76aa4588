// The review of changes planned for many files (Replace in Files, the links a rename
// rewrites): every file with its changes under it, each with a tick box, the line shown
// with the old text struck through and the new text beside it, and what will change.
#pragma once

#include "core/site/FileEdits.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velto {

class FileEditsPreview : public QDialog {
    Q_OBJECT
public:
    // What the dialog ended with: Cancel, the main button, or the other way offered.
    enum Choice { Cancelled = QDialog::Rejected, Accepted = QDialog::Accepted, Alternative };

    // Paths are shown below root when they lie in it (full otherwise).
    FileEditsPreview(std::vector<FileEdits> files, const QString& title, const QString& message,
                     const QString& root, QWidget* parent);

    // The main button's text ("&Replace" unless set).
    void SetAcceptText(const QString& text);
    // Offers a second way on (a rename without its link changes); hidden unless set.
    void SetAlternativeText(const QString& text);

    // The files and changes with their ticks as they stand.
    [[nodiscard]] std::vector<FileEdits> Edits() const;
    // The ticked changes and the files they are in.
    [[nodiscard]] std::size_t TickedEdits() const;
    [[nodiscard]] std::size_t TickedFiles() const;

    [[nodiscard]] QTreeWidget* Tree() const { return tree_; }
    [[nodiscard]] QPushButton* AcceptButton() const { return accept_; }
    [[nodiscard]] QPushButton* AlternativeButton() const { return alternative_; }
    [[nodiscard]] QString CountsText() const;

    // The roles of a change's row, for its painting.
    static constexpr int BeforeRole = Qt::UserRole + 1;
    static constexpr int OldRole = Qt::UserRole + 2;
    static constexpr int NewRole = Qt::UserRole + 3;
    static constexpr int AfterRole = Qt::UserRole + 4;

private:
    void Fill(const QString& root);
    void UpdateCounts();

    std::vector<FileEdits> files_;
    QTreeWidget* tree_;
    QLabel* counts_;
    QPushButton* accept_;
    QPushButton* alternative_;
    bool countsPending_ = false; // a file's tick changes every change under it at once
};

} // namespace velto
