// The tip of the day dialog: "Did you know...", one tip on white, the next on request,
// and whether tips show at start-up.
#pragma once

#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;

namespace velto {

class CQuorApp;
class CTipOfTheDay;

class CTipDlg final : public QDialog {
    Q_OBJECT
public:
    CTipDlg(CQuorApp& app, QWidget* parent);
    ~CTipDlg() override;

    [[nodiscard]] QLabel* TipText() const { return tip_; }
    [[nodiscard]] QCheckBox* ShowAtStartUp() const { return showAtStartUp_; }
    [[nodiscard]] QPushButton* NextTip() const { return next_; }

    void accept() override;

    // Shows the dialog without blocking (at start-up, after the main window).
    static void ShowAtStart(CQuorApp& app, QWidget* parent);

private:
    void ShowTip();

    std::unique_ptr<CTipOfTheDay> tips_;
    QLabel* tip_;
    QCheckBox* showAtStartUp_;
    QPushButton* next_;
};

} // namespace velto
