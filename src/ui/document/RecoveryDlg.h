// The dialog that offers back the documents an editor left unsaved when it ended without
// closing them (a crash, a killed session, a power cut): each document with the time its
// text was last written. Recover opens them all, Discard deletes them, Later keeps them
// for the next start (closing the dialog is Later too, so nothing is lost by accident).
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QString>

#include <vector>

class QPushButton;
class QTreeWidget;

namespace velto {

class RecoveryDlg : public QDialog {
    Q_OBJECT
public:
    // The dialog's result codes.
    enum Choice { Later = 0, Recover = 1, Discard = 2 };
    struct Item {
        QString document; // its path, or its title marked as untitled
        QDateTime written;
    };

    explicit RecoveryDlg(const std::vector<Item>& items, QWidget* parent = nullptr);

    [[nodiscard]] QTreeWidget* List() const { return list_; }
    [[nodiscard]] QPushButton* Button(Choice choice) const;

private:
    QTreeWidget* list_;
    QPushButton* recover_;
    QPushButton* discard_;
    QPushButton* later_;
};

} // namespace velto
