// The HTML reference window: a dock of the main window showing reference pages, with its
// topic lists, its navigation bar and the related topics of the page shown.
#pragma once

#include "core/reference/CHtmlHelpRefMgr.h"
#include "core/reference/ShadowRects.h"

#include <QDockWidget>
#include <QUrl>

class QComboBox;
class QMainWindow;
class QTextBrowser;
class QToolBar;

namespace velto {

class CMainFrame;
class Profile;

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
    // Docked on its side, or floating.
    void ToggleDocked();

    // "Shadowing", "ShadowMode", "LastShadowRect" and "LastFreeRect".
    void SaveState(Profile& settings) const;
    void LoadState(const Profile& settings);

    [[nodiscard]] QTextBrowser* Browser() const { return browser_; }
    [[nodiscard]] QUrl Source() const;
    [[nodiscard]] QComboBox* Sections() const { return sections_; }
    [[nodiscard]] QComboBox* Topics() const { return topics_; }
    [[nodiscard]] QComboBox* Related() const { return related_; }

Q_SIGNALS:
    void StateChanged();

private:
    void Navigate(const QUrl& url);
    void OnSourceChanged(const QUrl& url);
    void OnLinkClicked(const QUrl& url);
    void FillSections();
    void FillTopics(const CHtmlHelpRefFile* file, const std::string& anchor);
    void FillRelated(const CHhrfEntry* entry);
    void FindText();
    [[nodiscard]] const CHtmlHelpRefFile* FileOfPage(const QString& page) const;
    [[nodiscard]] CHtmlHelpRef* Reference() const;
    void OpenEntry(const CHhrfEntry* entry);

    CMainFrame& frame_;
    CQuorHtmlHelpRefMgr& references_;
    QMainWindow* inner_;
    QTextBrowser* browser_;
    QComboBox* sections_;
    QComboBox* topics_;
    QComboBox* related_;
    bool shownOnce_ = false;
    Rect lastFree_;
    Rect lastShadow_ = DefaultShadowRect;
    Qt::DockWidgetArea area_ = Qt::RightDockWidgetArea;
};

} // namespace velto
