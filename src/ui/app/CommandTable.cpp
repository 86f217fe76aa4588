// The commands of the main window in one table.
#include "ui/app/CommandTable.h"

#include "ui/app/MenuText.h"

#include <QAction>
#include <QMenu>

namespace velto {

CommandTable::CommandTable(QObject* owner, std::function<bool(int)> preRoute)
    : QObject(owner), preRoute_(std::move(preRoute)) {}

QAction* CommandTable::Add(Command command) {
    const int id = command.id;
    auto it = entries_.find(id);
    if (it != entries_.end()) {
        delete it->second.action;
        entries_.erase(it);
    }
    QAction* action = MakeMenuAction(command.text, this);
    action->setData(id);
    action->setStatusTip(command.prompt);
    action->setCheckable(static_cast<bool>(command.checked));
    action->setEnabled(static_cast<bool>(command.run));
    connect(action, &QAction::triggered, this, [this, id] { Run(id); });
    entries_.emplace(id, Entry{std::move(command), action});
    return action;
}

QAction* CommandTable::AddPending(int id, const QString& text, const QString& prompt) {
    return Add(Command(id, text, prompt));
}

QAction* CommandTable::Action(int id) const {
    const auto it = entries_.find(id);
    return it == entries_.end() ? nullptr : it->second.action;
}

const Command* CommandTable::Find(int id) const {
    const auto it = entries_.find(id);
    return it == entries_.end() ? nullptr : &it->second.command;
}

QString CommandTable::Prompt(int id) const {
    const Command* c = Find(id);
    return c ? c->prompt : QString();
}

bool CommandTable::Run(int id) {
    if (preRoute_ && preRoute_(id))
        return true;
    const Command* c = Find(id);
    if (!c || !c->run || (c->enabled && !c->enabled()))
        return false;
    // The handler may replace the table's entries (a rebuilt menu): keep its own copy.
    const std::function<void()> run = c->run;
    run();
    if (afterRun)
        afterRun();
    return true;
}

void CommandTable::Update() {
    for (auto& [id, entry] : entries_) {
        const Command& c = entry.command;
        // An item that a folder menu hangs under opens that menu while its command's own
        // rule allows, whether or not the command has a handler.
        if (entry.action->menu()) {
            entry.action->setEnabled(!c.enabled || c.enabled());
            continue;
        }
        entry.action->setEnabled(c.run && (!c.enabled || c.enabled()));
        if (c.checked)
            entry.action->setChecked(c.checked());
    }
}

} // namespace velto
