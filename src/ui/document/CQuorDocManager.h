// Creates, opens, saves and closes documents, and runs their file dialogs.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <string>

#include <functional>
#include <memory>
#include <vector>

class QMdiArea;
class QMdiSubWindow;

namespace velto {

class CQuorApp;
class CQuorDoc;
class CChildFrame;
class CQuorView;
class IdlePump;

class CQuorDocManager : public QObject {
    Q_OBJECT
public:
    explicit CQuorDocManager(CQuorApp& app);
    ~CQuorDocManager() override;

    [[nodiscard]] CQuorApp& App() const { return app_; }
    // Documents open in their child frames inside this area.
    void SetMdiArea(QMdiArea* area) { area_ = area; }

    // A new, visible, untitled document of the given type ("Velto1", "Velto2", ...).
    CQuorDoc* CreateUntitled(int typeIndex = 0);
    // File New: an untitled document filled from the default template.
    CQuorDoc* OnFileNew();
    // Opens a file, or activates its document when it is open already; nullptr when it
    // could not be opened (the user has been told why).
    CQuorDoc* OpenDocumentFile(const QString& path);
    // A document recovered after a crash, shown modified with its text and its original
    // path (untitled when it had none). When that file is open already with changes of
    // this session, the recovered text comes as an untitled document beside it instead.
    CQuorDoc* OpenRecovered(const QString& path, const QByteArray& text, const std::string& encoding = {});
    // File Open: asks for one or more files and opens them.
    void OnFileOpen();
    // Saves every modified document (asking for a name where there is none).
    bool SaveAll();
    // Asks about every modified document; false when the user cancels.
    bool SaveAllModified();
    // Closes every document after SaveAllModified.
    bool CloseAll();

    [[nodiscard]] std::vector<CQuorDoc*> Documents() const;
    // The view of the active document window, or nullptr.
    [[nodiscard]] CQuorView* ActiveView() const;

    // Idle time goes to the views' colouring, the active view first.
    [[nodiscard]] IdlePump& Idle() { return *idle_; }
    // Every view takes the appearance settings afresh and is coloured again (after the
    // Options dialog changed them).
    void RecolourAll();
    [[nodiscard]] CQuorDoc* FindByPath(const QString& path) const;

    // The Open and Save As dialog: the fixed filters, the document types' filters (for
    // Save As only the document's own type, chosen at the start), then all files; a typed
    // name without an extension gets ".html". On OK path holds the choice (for Open, the
    // first of paths).
    bool PromptFileName(QString& path, bool open, CQuorDoc* doc = nullptr,
                        QStringList* paths = nullptr);
    // The filter strings as the dialog lists them: for Open, or for saving doc.
    [[nodiscard]] static QStringList DialogNameFilters(const CQuorDoc* doc = nullptr);

    // Tests answer the file dialog through this instead of showing one: it gets the
    // proposed path and whether the dialog opens, and returns the chosen path(s) (empty:
    // cancelled).
    std::function<QStringList(const QString& proposed, bool open)> promptHook;

Q_SIGNALS:
    void DocumentOpened(CQuorDoc* doc);
    void DocumentSaved(const QString& path);

private:
    CChildFrame* CreateFrame(int typeIndex);

    bool IdleTick(unsigned long count);

    CQuorApp& app_;
    QMdiArea* area_ = nullptr;
    std::unique_ptr<IdlePump> idle_;
    int untitledCount_ = 0;
};

} // namespace velto
