// The "Checking" page of the Options dialog: whether pages are checked as they are edited,
// and which rules report.
#pragma once

#include <QWidget>

class QCheckBox;
class QListWidget;

namespace velto {

class CheckHost;

class CheckOptionsPage final : public QWidget {
    Q_OBJECT
public:
    CheckOptionsPage(CheckHost& host, QWidget* parent = nullptr);

    [[nodiscard]] QCheckBox* CheckPages() const { return checkPages_; }
    // One checkable row per rule, in the order of the rules.
    [[nodiscard]] QListWidget* RuleList() const { return rules_; }
    // Saves the page's choices and checks the open pages again under them.
    void Apply();

private:
    CheckHost& host_;
    QCheckBox* checkPages_;
    QListWidget* rules_;
};

} // namespace velto
