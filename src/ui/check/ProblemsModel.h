// ProblemsModel: the problems of one view as the rows of a table (severity, line, message,
// rule), read from the view's checks as they are asked for, so that a page with thousands
// of problems costs nothing until its rows are shown.
#pragma once

#include <QAbstractTableModel>
#include <QPointer>

namespace velto {

class ViewChecks;

class ProblemsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { SeverityColumn, LineColumn, MessageColumn, RuleColumn, ColumnCount };

    explicit ProblemsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The view whose problems are shown (none: an empty table); shows them afresh.
    void Show(ViewChecks* checks);
    [[nodiscard]] ViewChecks* Shown() const { return checks_; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    QPointer<ViewChecks> checks_;
    int rows_ = 0;
};

} // namespace velto
