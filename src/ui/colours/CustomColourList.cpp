// CustomColourList: the list of custom colours and its name editor.
#include "ui/colours/CustomColourList.h"

#include "core/colours/CCustomColours.h"
#include "core/platform/Prompter.h"
#include "ui/platform/ColourSwatch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>

namespace velto {

namespace {
QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

CustomColourList::CustomColourList(Prompter& prompter, QWidget* page, QWidget* parent)
    : QListWidget(parent), prompter_(prompter), page_(page), editor_(new QLineEdit(viewport())) {
    setObjectName(QStringLiteral("customList"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    editor_->setObjectName(QStringLiteral("nameEdit"));
    editor_->hide();
    editor_->installEventFilter(this);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &CustomColourList::PlaceEditor);
}

void CustomColourList::Fill(const CCustomColours& colours, int selected) {
    clear();
    for (int i = 0; i < colours.ActiveCount(); ++i) {
        const CustomColourEntry& entry = colours.Entry(i);
        addItem(new QListWidgetItem(ColourSwatch(entry.colour), ToQString(entry.name)));
    }
    Select(selected);
}

void CustomColourList::ShowEntry(int row, const CustomColourEntry& entry) {
    if (QListWidgetItem* shown = item(row)) {
        shown->setIcon(ColourSwatch(entry.colour));
        shown->setText(ToQString(entry.name));
    }
}

int CustomColourList::Selected() const {
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? -1 : row(items.front());
}

void CustomColourList::Select(int row) {
    if (row >= 0 && row < count()) {
        setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        scrollToItem(item(row));
    } else {
        clearSelection();
        setCurrentRow(-1);
    }
}

void CustomColourList::StartRename(int row) {
    QListWidgetItem* entry = item(row);
    if (!entry || Renaming())
        return;
    renamingRow_ = row;
    scrollToItem(entry);
    PlaceEditor();
    editor_->setText(entry->text());
    editor_->selectAll();
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
    Q_EMIT RenamingChanged(true);
}

void CustomColourList::PlaceEditor() {
    const QListWidgetItem* entry = item(renamingRow_);
    if (!entry)
        return;
    // Over the name, beside the swatch, and at least as tall as the field wants to be.
    QRect area = visualItemRect(entry).adjusted(iconSize().width() + 4, 0, 0, 0);
    const int height = std::max(area.height(), editor_->sizeHint().height());
    area.setTop(area.center().y() - height / 2);
    area.setHeight(height);
    editor_->setGeometry(area);
}

void CustomColourList::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    PlaceEditor();
}

void CustomColourList::CloseEditor() {
    const bool hadFocus = editor_->hasFocus();
    renamingRow_ = -1;
    editor_->hide();
    if (hadFocus)
        setFocus(Qt::OtherFocusReason);
    Q_EMIT RenamingChanged(false);
}

bool CustomColourList::FinishRename() {
    if (!Renaming())
        return true;
    const QString name = editor_->text();
    if (const std::optional<char> bad =
            CCustomColours::ForbiddenCharIn(name.toUtf8().toStdString())) {
        QApplication::beep();
        prompter_.Message(std::string("Error - colour names can't contain the character: ") + *bad +
                              "\n",
                          Prompter::Kind::Error);
        editor_->setFocus(Qt::OtherFocusReason);
        editor_->deselect();
        editor_->setCursorPosition(static_cast<int>(name.indexOf(QLatin1Char(*bad))) + 1);
        return false;
    }
    const int row = renamingRow_;
    CloseEditor();
    Q_EMIT Renamed(row, name);
    return true;
}

void CustomColourList::CancelRename() {
    if (Renaming())
        CloseEditor();
}

bool CustomColourList::eventFilter(QObject* watched, QEvent* event) {
    if (watched != editor_ || !Renaming())
        return QListWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        // Return and Escape end the rename, not the dialog.
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            FinishRename();
            return true;
        case Qt::Key_Escape:
            CancelRename();
            return true;
        default:
            break;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // Moving to another control of the page ends the rename; a message box, the
        // dialog's buttons or another window do not.
        QWidget* to = QApplication::focusWidget();
        if (to && to != editor_ && (to == page_ || page_->isAncestorOf(to)))
            FinishRename();
    }
    return QListWidget::eventFilter(watched, event);
}

} // namespace velto
