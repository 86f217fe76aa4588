// ProblemsModel: a view's problems as table rows.
#include "ui/check/ProblemsModel.h"

#include "ui/check/ViewChecks.h"
#include "ui/document/CQuorView.h"
#include "ui/document/ScintillaTextControl.h"

#include <QApplication>
#include <QStyle>

namespace velto {

void ProblemsModel::Show(ViewChecks* checks) {
    beginResetModel();
    checks_ = checks;
    rows_ = checks ? static_cast<int>(checks->Problems().size()) : 0;
    endResetModel();
}

int ProblemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !checks_ ? 0 : rows_;
}

int ProblemsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProblemsModel::data(const QModelIndex& index, int role) const {
    if (!checks_ || !index.isValid())
        return {};
    const std::vector<Problem>& problems = checks_->Problems();
    const auto row = static_cast<std::size_t>(index.row());
    if (row >= problems.size())
        return {};
    const Problem& p = problems[row];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case SeverityColumn:
            return p.severity == Severity::Error     ? tr("Error")
                   : p.severity == Severity::Warning ? tr("Warning")
                                                     : tr("Info");
        case LineColumn:
            return checks_->View().Control().LineFromPosition(static_cast<int>(p.start)) + 1;
        case MessageColumn:
            return QString::fromStdString(p.message);
        case RuleColumn:
            return QString::fromUtf8(InfoOf(p.rule).id.data(),
                                     static_cast<int>(InfoOf(p.rule).id.size()));
        default:
            return {};
        }
    case Qt::DecorationRole:
        if (index.column() != SeverityColumn)
            return {};
        return QApplication::style()->standardIcon(
            p.severity == Severity::Error     ? QStyle::SP_MessageBoxCritical
            : p.severity == Severity::Warning ? QStyle::SP_MessageBoxWarning
                                              : QStyle::SP_MessageBoxInformation);
    case Qt::ToolTipRole:
        return p.HasRelated() ? QString::fromStdString(p.message + "\n" + p.relatedNote)
                              : QString::fromStdString(p.message);
    default:
        return {};
    }
}

QVariant ProblemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case SeverityColumn:
        return tr("Severity");
    case LineColumn:
        return tr("Line");
    case MessageColumn:
        return tr("Problem");
    case RuleColumn:
        return tr("Rule");
    default:
        return {};
    }
}

} // namespace velto
