// The site commands.
#include "ui/site/SiteCommands.h"

#include "core/htmlkb/HtmlKnowledgeBase.h"
#include "core/menu/CommandIds.h"
#include "core/site/FindInFiles.h"
#include "core/site/RecentSiteFolders.h"
#include "core/site/RemoteLinksSetting.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/CQuorApp.h"
#include "ui/app/CommandTable.h"
#include "ui/document/CQuorDoc.h"
#include "ui/document/CQuorDocManager.h"
#include "ui/document/CQuorView.h"
#include "ui/site/FindInFilesDialog.h"
#include "ui/site/LinkCheckRun.h"
#include "ui/site/ReplaceInFilesCommand.h"
#include "ui/site/SiteDock.h"
#include "ui/site/SiteNewPage.h"
#include "ui/site/SiteRename.h"
#include "ui/site/SiteResultsDock.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

namespace velto {

namespace {
QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The characters of a UTF-8 text before a byte offset, for the highlight in a QString.
qsizetype Utf16Length(std::string_view text) {
    return FromUtf8(text).size();
}

class SiteWork final : public QObject {
public:
    explicit SiteWork(CMainFrame& frame) : QObject(&frame), frame_(frame) {
        setObjectName(QStringLiteral("SiteWork"));
        recent_.Load(frame.App().GetProfile());
        remoteLinks_ = LoadCheckRemoteLinks(frame.App().GetProfile());
        recentMenu_ = new QMenu(&frame);
        connect(recentMenu_, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
        // The folder open at the last exit opens again once the window is up.
        const QString current = QString::fromStdString(recent_.Current());
        if (!current.isEmpty() && QFileInfo(current).isDir())
            QTimer::singleShot(0, this, [this, current] { OpenFolder(current); });
        frame.installEventFilter(this);
    }

    QMenu* RecentMenu() const { return recentMenu_; }
    bool HasRecent() const { return !recent_.Folders().empty(); }
    bool DockShown() const { return dock_ && dock_->isVisible(); }
    QString Folder() const { return dock_ ? dock_->Folder() : QString(); }

    void ChooseFolder() {
        const QString folder =
            QFileDialog::getExistingDirectory(&frame_, tr("Open Site Folder"), Folder());
        if (!folder.isEmpty())
            OpenFolder(folder);
    }

    void OpenFolder(const QString& folder) {
        Dock().SetFolder(folder);
        dock_->show();
        dock_->raise();
        recent_.Open(QDir::cleanPath(folder).toStdString());
        recent_.Save(frame_.App().GetProfile());
        frame_.UpdateCommands();
    }

    void ToggleDock() {
        if (DockShown())
            dock_->hide();
        else {
            Dock().show();
            dock_->raise();
        }
    }

    // Where Find and Replace in Files start: the selection (one line of it) or the last
    // text, in the site folder or the active page's folder.
    QString StartText() const {
        QString selected;
        if (CQuorView* view = frame_.ActiveView(); view && view->HasSelectedText())
            selected =
                QString::fromUtf8(view->TextRange(view->SelectionStart(), view->SelectionEnd()));
        if (selected.contains(QLatin1Char('\n')))
            selected.clear();
        return selected.isEmpty() ? lastPattern_ : selected;
    }
    QString StartFolder() const {
        QString folder = Folder();
        if (folder.isEmpty())
            if (CQuorDoc* doc = frame_.ActiveDocument(); doc && !doc->PathName().isEmpty())
                folder = QFileInfo(doc->PathName()).absolutePath();
        return folder;
    }

    void ReplaceInFiles() { RunReplaceInFiles(frame_, StartFolder(), StartText()); }

    void FindInFiles() {
        FindInFilesDialog dialog(StartFolder(), StartText(), &frame_);
        if (dialog.exec() != QDialog::Accepted)
            return;
        const SearchOptions options = dialog.Options();
        lastPattern_ = QString::fromStdString(options.pattern);
        const std::string root = dialog.Folder().toStdString();
        const std::string include = dialog.Include().toStdString();
        SiteResultsDock& dock =
            Results(findResults_, tr("Find in Files"), QStringLiteral("FindInFilesDock"));
        dock.Start(
            tr("\"%1\" in %2").arg(lastPattern_, dialog.Folder()), dialog.Folder(),
            [options, root, include](const SiteResultsDock::Feed& feed) {
                std::string error;
                const auto search = TextSearch::Compile(options, error);
                if (!search)
                    return QString::fromStdString(error);
                std::size_t filesMatched = 0;
                const FindProgress totals =
                    velto::FindInFiles(*search, IncludePatterns(include))
                        .Run(
                            root,
                            [&](FileMatches&& file) {
                                ++filesMatched;
                                std::vector<SiteResultRow> rows;
                                for (const FoundMatch& m : file.matches) {
                                    SiteResultRow row;
                                    row.line = m.line;
                                    row.column = m.column;
                                    row.text = FromUtf8(m.lineText);
                                    row.highlightFrom = Utf16Length(
                                        std::string_view(m.lineText).substr(0, m.matchInLine));
                                    row.highlightLength =
                                        Utf16Length(std::string_view(m.lineText)
                                                        .substr(m.matchInLine, m.length));
                                    row.offset = static_cast<int>(m.offset);
                                    row.length = static_cast<int>(m.length);
                                    rows.push_back(std::move(row));
                                }
                                feed.file(QString::fromStdString(file.path), std::move(rows));
                            },
                            [&](const FindProgress& p) {
                                feed.progress(static_cast<int>(p.filesDone),
                                              static_cast<int>(p.filesTotal));
                            },
                            feed.stop);
                QString summary = tr("%1 matches in %2 of %3 files")
                                      .arg(totals.matches)
                                      .arg(filesMatched)
                                      .arg(totals.filesDone);
                if (totals.binarySkipped)
                    summary += tr(", %1 binary files skipped").arg(totals.binarySkipped);
                if (!totals.unreadable.empty())
                    summary += tr(", %1 files unreadable").arg(totals.unreadable.size());
                if (totals.stopped)
                    summary += tr(" (stopped)");
                return summary;
            });
    }

    void CheckLinks() {
        if (Folder().isEmpty() || !frame_.App().HasKnowledgeBase())
            return;
        const std::string root = Folder().toStdString();
        const HtmlKnowledgeBase* kb = &frame_.App().KnowledgeBase();
        SiteResultsDock& dock =
            Results(linkResults_, tr("Link Check"), QStringLiteral("LinkCheckDock"));
        dock.Start(tr("Links in %1").arg(Folder()), Folder(),
                   [root, kb, remote = remoteLinks_](const SiteResultsDock::Feed& feed) {
                       return RunLinkCheck(root, kb, remote, feed);
                   });
    }

    bool RemoteLinks() const { return remoteLinks_; }
    void ToggleRemoteLinks() {
        remoteLinks_ = !remoteLinks_;
        SaveCheckRemoteLinks(frame_.App().GetProfile(), remoteLinks_);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == &frame_ && e->type() == QEvent::Close) {
            // Whether a site was open is kept for the next start.
            if (!DockShown())
                recent_.Close();
            recent_.Save(frame_.App().GetProfile());
        }
        return false;
    }

private:
    SiteDock& Dock() {
        if (!dock_) {
            dock_ = new SiteDock(&frame_);
            if (!frame_.restoreDockWidget(dock_))
                frame_.addDockWidget(Qt::LeftDockWidgetArea, dock_);
            connect(dock_, &SiteDock::PageChosen, this,
                    [this](const QString& path) { OpenAt(path, -1, 0); });
            dock_->SetPrompter(&frame_.App().GetPrompter());
            connect(dock_, &SiteDock::NewPageRequested, this, [this](const QString& path) {
                CreateSitePage(frame_.App().DocManager(), path);
            });
            connect(dock_, &SiteDock::RenameRequested, this,
                    [this](const QString& from, const QString& to) {
                        RenameWithLinkUpdate(frame_, &frame_, from, to);
                    });
            connect(dock_, &QDockWidget::visibilityChanged, this,
                    [this] { frame_.UpdateCommands(); });
        }
        return *dock_;
    }

    SiteResultsDock& Results(SiteResultsDock*& dock, const QString& title, const QString& name) {
        if (!dock) {
            dock = new SiteResultsDock(title, name, &frame_);
            if (!frame_.restoreDockWidget(dock))
                frame_.addDockWidget(Qt::BottomDockWidgetArea, dock);
            connect(dock, &SiteResultsDock::OpenAt, this, &SiteWork::OpenAt);
        }
        dock->show();
        dock->raise();
        return *dock;
    }

    void OpenAt(const QString& path, int offset, int length) {
        CQuorDoc* doc = frame_.App().DocManager().OpenDocumentFile(path);
        if (!doc || !doc->View() || offset < 0)
            return;
        if (offset + length <= doc->View()->TextLength())
            doc->View()->SetSelection(offset, offset + length);
        doc->View()->setFocus();
    }

    void FillRecentMenu() {
        recentMenu_->clear();
        int n = 0;
        for (const std::string& folder : recent_.Folders()) {
            const QString path = QString::fromStdString(folder);
            QAction* a = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(++n).arg(path));
            connect(a, &QAction::triggered, this, [this, path] {
                if (QFileInfo(path).isDir())
                    OpenFolder(path);
            });
        }
    }

    CMainFrame& frame_;
    RecentSiteFolders recent_;
    QMenu* recentMenu_;
    SiteDock* dock_ = nullptr;
    SiteResultsDock* findResults_ = nullptr;
    SiteResultsDock* linkResults_ = nullptr;
    QString lastPattern_;
    bool remoteLinks_ = false;
};
} // namespace

void RegisterSiteCommands(CommandTable& t, CMainFrame& frame) {
    using namespace CommandId;
    auto* work = new SiteWork(frame);
    t.Add({SiteOpenFolder,
           "Open Si&te Folder...",
           "Show a folder of pages, images and style sheets in the Site dock",
           {},
           [work] { work->ChooseFolder(); }});
    QAction* recent =
        t.Add({SiteRecentFolders, "Recent Site Fol&ders", "Open a site folder opened before",
               [work] { return work->HasRecent(); }, [] {}});
    recent->setMenu(work->RecentMenu());
    t.Add({SiteFindInFiles,
           "Find in Fil&es...\tCtrl+Shift+F",
           "Find a text in every page of a folder",
           {},
           [work] { work->FindInFiles(); }});
    t.Add({SiteReplaceInFiles,
           "Replace in Fi&les...\tCtrl+Shift+H",
           "Replace a text in every page of a folder, after a look at every change",
           {},
           [work] { work->ReplaceInFiles(); }});
    t.Add({SiteCheckLinks, "Check &Links", "Check the links of every page of the site folder",
           [work] { return !work->Folder().isEmpty(); }, [work] { work->CheckLinks(); }});
    t.Add({SiteCheckRemoteLinks,
           "Check &Remote Links",
           "Have Check Links also ask the web servers about the site's remote addresses",
           {},
           [work] { work->ToggleRemoteLinks(); },
           [work] { return work->RemoteLinks(); }});
    t.Add({ToggleSiteDock,
           "&Site Folder",
           "Show or hide the Site dock",
           {},
           [work] { work->ToggleDock(); },
           [work] { return work->DockShown(); }});
}

} // namespace velto
