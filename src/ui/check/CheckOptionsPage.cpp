// The "Checking" page of the Options dialog.
#include "ui/check/CheckOptionsPage.h"

#include "core/check/CheckRule.h"
#include "ui/check/CheckHost.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace velto {

namespace {
QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}
} // namespace

CheckOptionsPage::CheckOptionsPage(CheckHost& host, QWidget* parent)
    : QWidget(parent), host_(host),
      checkPages_(new QCheckBox(tr("&Check pages while they are edited"), this)),
      rules_(new QListWidget(this)) {
    const CheckSettings& settings = host.Settings();
    checkPages_->setChecked(settings.checkPages);
    auto* label = new QLabel(tr("&Report:"), this);
    label->setBuddy(rules_);
    for (const RuleInfo& r : Rules()) {
        auto* item = new QListWidgetItem(
            Q(r.title) + QStringLiteral("  [") + Q(r.id) + QStringLiteral("]"), rules_);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(settings.IsEnabled(r.rule) ? Qt::Checked : Qt::Unchecked);
        item->setToolTip(Q(SeverityName(r.severity)));
    }
    rules_->setEnabled(settings.checkPages);
    connect(checkPages_, &QCheckBox::toggled, rules_, &QWidget::setEnabled);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(checkPages_);
    layout->addWidget(label);
    layout->addWidget(rules_, 1);
}

void CheckOptionsPage::Apply() {
    CheckSettings settings = host_.Settings();
    settings.checkPages = checkPages_->isChecked();
    for (int row = 0; row < rules_->count() && static_cast<std::size_t>(row) < Rules().size();
         ++row)
        settings.SetEnabled(Rules()[static_cast<std::size_t>(row)].rule,
                            rules_->item(row)->checkState() == Qt::Checked);
    host_.ApplySettings(settings);
}

} // namespace velto
