// The HTML reference window: a dock of the main window showing reference pages, with its
// topic lists, its navigation bar, the choice of the context help reference and the
// related topics of the page shown. It keeps its docked and floating places.
#pragma once

#include "core/reference/CHtmlHelpRefMgr.h"
#include "core/reference/ShadowRects.h"

#include <QDockWidget>
#include <QUrl>

class QAction;
class QComboBox;
class QMainWindow;
class QTextBrowser;
class QToolBar;

namespace velto {

class CMainFrame;
class Profile;
class ReferenceBrowser;

class ReferenceWindow final : public QDockWidget {
    Q_OBJECT
public:
    static constexpr const char* StateSection = "HTML Reference Window";

    ReferenceWindow(CMainFrame& frame, CQuorHtmlHelpRefMgr& references);

    // Shows a page at an anchor (empty: its top), making the window visible.
    void OpenPage(const std::string& page, const std::string& anchor);
    // The introduction of the element reference.
    bool Home();
    void Back();
    void Forward();
    [[nodiscard]] bool CanGoBack() const;
    [[nodiscard]] bool CanGoForward() const;
    // Docked on its side, or floating where it floated last.
    void ToggleDocked();
    // Gives up the page being opened (the Stop command).
    void Stop();
    [[nodiscard]] bool IsLoading() const;

    // "Shadowing", "ShadowMode", "LastShadowRect" and "LastFreeRect".
    void SaveState(Profile& settings) const;
    void LoadState(const Profile& settings);

    [[nodiscard]] QTextBrowser* Browser() const;
    [[nodiscard]] QUrl Source() const;
    [[nodiscard]] QComboBox* Sections() const { return sections_; }
    [[nodiscard]] QComboBox* Topics() const { return topics_; }
    [[nodiscard]] QComboBox* Related() const { return related_; }
    // "Reference used for Context HTML Help": the reference F5 and the lookup box ask.
    [[nodiscard]] QComboBox* ContextReference() const { return contextReference_; }
    [[nodiscard]] QAction* StopAction() const { return stop_; }
    // The rectangles kept for the settings: where it stood docked last, and floating.
    [[nodiscard]] Rect LastShadowRect() const { return lastShadow_; }
    [[nodiscard]] Rect LastFreeRect() const { return lastFree_; }

Q_SIGNALS:
    void StateChanged();

protected:
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void CreateBars();
    void Navigate(const QUrl& url);
    void OnLoadStarted(const QUrl& url);
    void OnLoadFinished(const QUrl& url, bool shown, const QString& error);
    void OnSourceChanged(const QUrl& url);
    void OnLinkClicked(const QUrl& url);
    void FillSections(const CHtmlHelpRef* ref);
    void FillTopics(CHtmlHelpRef* ref, const CHtmlHelpRefFile* file, const std::string& anchor);
    void FillRelated(CHtmlHelpRef* ref, const CHhrfEntry* entry);
    void FillContextReferences();
    void ChooseContextReference(int index);
    void FindText();
    // The opening message stays a moment after the page has come, then the idle text.
    void ShowOpening(const QString& page);
    void EndOpening();
    void RememberPlace();
    void Float();

    CMainFrame& frame_;
    CQuorHtmlHelpRefMgr& references_;
    QMainWindow* inner_;
    ReferenceBrowser* browser_;
    QComboBox* sections_;
    QComboBox* topics_;
    QComboBox* related_;
    QComboBox* contextReference_;
    QAction* stop_ = nullptr;
    bool shownOnce_ = false;
    bool forgetLoadingPage_ = false; // Back never returns to the loading page
    QString opening_;                // the opening message shown, while it is
    bool placing_ = false;           // the window is being floated by a command
    Rect lastFree_;
    Rect lastShadow_ = DefaultShadowRect;
    Qt::DockWidgetArea area_ = Qt::RightDockWidgetArea;
};

} // namespace velto
