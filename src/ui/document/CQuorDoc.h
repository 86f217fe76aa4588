// A document: one file open in the editor. Its text lives in its view; the document
// carries the path, the title and the modified flag.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <string>

namespace velto {

class CQuorDocManager;
class CQuorView;

class CQuorDoc : public QObject {
    Q_OBJECT
public:
    // typeIndex: the registered document type (0 ".htm" documents, 1 ".htp" templates).
    CQuorDoc(CQuorDocManager& manager, int typeIndex, QObject* parent = nullptr);

    void SetView(CQuorView* view) { view_ = view; }
    [[nodiscard]] CQuorView* View() const { return view_; }
    [[nodiscard]] int TypeIndex() const { return typeIndex_; }

    // The title as shown: the file name (or "Velto1" ...), with " *" while modified.
    [[nodiscard]] QString Title() const;
    [[nodiscard]] QString BaseTitle() const { return baseTitle_; }
    void SetTitle(const QString& title);
    [[nodiscard]] QString PathName() const { return path_; }
    // Sets the path and takes the title from its file name.
    void SetPathName(const QString& path);

    [[nodiscard]] bool IsModified() const { return modified_; }
    // Clearing the flag also tells the undo history that the text is the saved text.
    void SetModifiedFlag(bool modified);

    // Opens the file into the view; false when it could not be opened at all.
    bool OnOpenDocument(const QString& path);
    // Takes a text recovered after a crash: it replaces the view's text unrecorded, the
    // document takes the path it had (none for an untitled one), and it counts as
    // modified, with no undo step leading back to the saved state. encoding is the
    // recovery file's (see EncodingField); without one the text is the file's own bytes,
    // kept raw.
    void OpenRecovered(const QString& path, const QByteArray& text, const std::string& encoding = {});
    // Writes the text to path (through a temporary file); clears the modified flag.
    bool OnSaveDocument(const QString& path);
    // Saves to path, asking for one when it is empty; with replace the document takes
    // the new path. False when cancelled or failed.
    bool DoSave(const QString& path, bool replace = true);
    // File Save: the current path, or ask for one.
    bool DoFileSave();
    // Before closing: asks to save a modified document; false when the user cancels or
    // the save fails.
    bool SaveModified();

Q_SIGNALS:
    void TitleChanged(const QString& title);
    void ModifiedChanged(bool modified);
    // After every save through DoSave (the templates and snippets menus rebuild then).
    void Saved(const QString& path);
    // The user closed the document's window (after saving, or answering not to save);
    // the window then goes.
    void Closed();

private:
    CQuorDocManager& manager_;
    CQuorView* view_ = nullptr;
    int typeIndex_;
    QString path_;
    QString baseTitle_;
    bool modified_ = false;
};

} // namespace velto
