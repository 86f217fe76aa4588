// The modeless Find and Replace dialogs, and the last search that Find Next repeats.
#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velto {

class CQuorView;

// What was searched for last; Find Next (F3) repeats it in the active view.
struct SearchRequest {
    QString findWhat;
    QString replaceWith;
    bool matchCase = false;
    bool wholeWord = false;
    bool down = true;
};

class FindReplaceDlg : public QDialog {
    Q_OBJECT
public:
    // replace: the Replace dialog (with "Replace with" and the replace buttons).
    FindReplaceDlg(bool replace, SearchRequest& last, QWidget* parent);

    // The view the dialog searches: the active one, asked each time.
    std::function<CQuorView*()> activeView;

    void Start(const QString& initialText);

private Q_SLOTS:
    void OnFindNext();
    void OnReplace();
    void OnReplaceAll();

private:
    void Gather();
    void UpdateButtons();

    SearchRequest& last_;
    bool replace_;
    QLineEdit* findWhat_;
    QLineEdit* replaceWith_ = nullptr;
    QCheckBox* wholeWord_;
    QCheckBox* matchCase_;
    QRadioButton* up_ = nullptr;
    QPushButton* findNext_;
    QPushButton* replaceButton_ = nullptr;
    QPushButton* replaceAll_ = nullptr;
};

} // namespace velto
