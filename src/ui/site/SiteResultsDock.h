// A dock listing the results of a site-wide task (Find in Files, Check Links) grouped by
// file, filled while the task runs on a worker thread, with a progress bar and Stop; a
// click on a row opens the page at its place.
#pragma once

#include <QDockWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace velto {

struct SiteResultRow {
    int line = 0;
    int column = 0;
    QString text;                 // the line, or the problem
    qsizetype highlightFrom = -1; // the match within text, for the highlight
    qsizetype highlightLength = 0;
    int offset = -1; // where to select in the page, -1 for none
    int length = 0;
};

class SiteResultsDock : public QDockWidget {
    Q_OBJECT
public:
    SiteResultsDock(const QString& title, const QString& objectName, QWidget* parent);
    ~SiteResultsDock() override;

    // What the worker is handed: a way to post results, progress, and the stop flag.
    struct Feed {
        std::function<void(QString path, std::vector<SiteResultRow> rows)> file;
        std::function<void(int done, int total)> progress;
        // What the progress bar counts from now on, as a QProgressBar format ("%v of %m pages").
        std::function<void(QString format)> stage;
        const std::atomic<bool>* stop = nullptr;
    };
    // Clears the list and runs work on a worker thread (stopping one still running first);
    // work returns the summary shown when it ends.
    // Paths are shown below root.
    void Start(const QString& heading, const QString& root,
               std::function<QString(const Feed&)> work);
    void Stop();
    [[nodiscard]] bool Running() const { return running_; }
    [[nodiscard]] QTreeWidget* Tree() const { return tree_; }
    [[nodiscard]] QString Summary() const;

Q_SIGNALS:
    void OpenAt(const QString& path, int offset, int length);
    void Finished();

private:
    void AddFile(const QString& path, const std::vector<SiteResultRow>& rows);
    void Join();

    QLabel* heading_;
    QProgressBar* progress_;
    QPushButton* stopButton_;
    QTreeWidget* tree_;
    std::thread worker_;
    std::unique_ptr<std::atomic<bool>> stop_;
    bool running_ = false;
    int generation_ = 0; // results of an earlier run still queued are dropped
    QString summary_;
    QString root_;
};

} // namespace velto
