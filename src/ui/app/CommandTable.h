// The commands of the main window in one table: id, menu text with its key, status-bar
// prompt, enabled rule and handler. Menus, tool bars, the view's context menu and the
// status-bar prompts are all built from it; each subsystem registers its own commands.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <map>

class QAction;

namespace velto {

struct Command {
    Command(int id_, QString text_, QString prompt_, std::function<bool()> enabled_ = {},
            std::function<void()> run_ = {}, std::function<bool()> checked_ = {})
        : id(id_), text(std::move(text_)), prompt(std::move(prompt_)), enabled(std::move(enabled_)),
          run(std::move(run_)), checked(std::move(checked_)) {}

    int id = 0;
    // "Cu&t\tCtrl+X": the text shown, then after a tab the shortcut key.
    QString text;
    QString prompt;
    // Whether the command can run now; without one it can whenever it has a handler.
    std::function<bool()> enabled;
    // Runs the command. A command without one belongs to a feature not built yet and is
    // shown disabled.
    std::function<void()> run;
    // For a command that shows a state (a window shown or not): whether it is on now.
    std::function<bool()> checked;
};

class CommandTable : public QObject {
    Q_OBJECT
public:
    // Every command is offered to preRoute first (the folder menus take their own ids
    // there); the command's handler runs only when it declines.
    explicit CommandTable(QObject* owner, std::function<bool(int id)> preRoute = {});

    // Adds a command and makes its action (owned by the table); a second command with the
    // same id replaces the first.
    QAction* Add(Command command);
    // Adds a command a feature does not offer yet: present, disabled.
    QAction* AddPending(int id, const QString& text, const QString& prompt);

    [[nodiscard]] QAction* Action(int id) const;
    [[nodiscard]] const Command* Find(int id) const;
    [[nodiscard]] QString Prompt(int id) const;
    // Runs the command as a click on its item would, when it is enabled.
    bool Run(int id);

    // Applies every enabled and checked rule to the actions.
    void Update();

    // Called after every command has run, so the window can bring states up to date.
    std::function<void()> afterRun;

private:
    struct Entry {
        Command command;
        QAction* action = nullptr;
    };
    std::map<int, Entry> entries_;
    std::function<bool(int)> preRoute_;
};

} // namespace velto
