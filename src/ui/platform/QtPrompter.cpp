// Prompts shown as Qt message boxes.
#include "ui/platform/QtPrompter.h"

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

} // namespace velto
