// Prompts shown as Qt message boxes.
#include "ui/platform/QtPrompter.h"

#include <QAbstractButton>
#include <QPushButton>
#include <algorithm>

#include <QApplication>
#include <QMessageBox>

namespace velto {

QWidget* QtPrompter::Owner() const {
    return parent_ ? parent_ : QApplication::activeWindow();
}

void QtPrompter::Message(const std::string& text, Kind kind) {
    const QString t = QString::fromStdString(text);
    const QString title = QApplication::applicationDisplayName();
    switch (kind) {
    case Kind::Information:
        QMessageBox::information(Owner(), title, t);
        break;
    case Kind::Warning:
        QMessageBox::warning(Owner(), title, t);
        break;
    case Kind::Error:
        QMessageBox::critical(Owner(), title, t);
        break;
    }
}

bool QtPrompter::AskYesNo(const std::string& text) {
    return QMessageBox::question(Owner(), QApplication::applicationDisplayName(),
                                 QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Prompter::Answer QtPrompter::AskYesNoCancel(const std::string& text) {
    switch (QMessageBox::question(Owner(), QApplication::applicationDisplayName(),
                                  QString::fromStdString(text),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::size_t QtPrompter::AskChoice(const std::string& text, const std::vector<std::string>& choices) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(),
                    QString::fromStdString(text), QMessageBox::NoButton, Owner());
    std::vector<QAbstractButton*> buttons;
    for (std::size_t i = 0; i < choices.size(); ++i)
        buttons.push_back(box.addButton(QString::fromStdString(choices[i]),
                                        i + 1 == choices.size() ? QMessageBox::RejectRole
                                                                : QMessageBox::AcceptRole));
    if (!buttons.empty())
        box.setEscapeButton(buttons.back());
    box.exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    return chosen == buttons.end() ? choices.size() - 1 : static_cast<std::size_t>(chosen - buttons.begin());
}

} // namespace velto
