// RgbFields: the chooser's "RGB Value" group.
#include "ui/colours/RgbFields.h"

#include "core/platform/Prompter.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <cstdio>
#include <optional>

namespace velto {

namespace {
// A whole number in the given base: digits only (a "0x" prefix allowed in hexadecimal),
// blanks around them ignored. Nothing for any other text, or for more digits than a
// component could ever need (such a value is out of range anyway).
std::optional<long> ReadNumber(const QString& text, int base) {
    QString digits = text.trimmed();
    if (base == 16 && digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        digits.remove(0, 2);
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    long value = 0;
    for (const QChar c : digits) {
        const char a = c.toLatin1(); // 0 for anything beyond Latin-1
        int digit = -1;
        if (a >= '0' && a <= '9')
            digit = a - '0';
        else if (base == 16 && a >= 'a' && a <= 'f')
            digit = a - 'a' + 10;
        else if (base == 16 && a >= 'A' && a <= 'F')
            digit = a - 'A' + 10;
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
    }
    return value;
}
} // namespace

RgbFields::RgbFields(Prompter& prompter, bool withScrollBars, QWidget* parent)
    : QGroupBox(QStringLiteral("RGB Value"), parent),
      prompter_(prompter), parts_{{{"Red", 0}, {"Green", 8}, {"Blue", 16}}} {
    setObjectName(QStringLiteral("rgb"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Hex."), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Dec."), this), 0, 2);
    // Wide enough for "0x100" and the like: the value being corrected must stay visible.
    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("0x100")) + 14;
    int row = 1;
    for (Component& part : parts_) {
        const QString name = QString::fromLatin1(part.name);
        const QString id = name.toLower();
        auto* label = new QLabel(QLatin1Char('&') + name + QLatin1Char(':'), this);
        part.hex = new QLineEdit(this);
        part.dec = new QLineEdit(this);
        part.hex->setObjectName(id + QLatin1String("Hex"));
        part.dec->setObjectName(id + QLatin1String("Dec"));
        label->setBuddy(part.hex);
        grid->addWidget(label, row, 0);
        for (QLineEdit* field : {part.hex, part.dec}) {
            field->setFixedWidth(fieldWidth);
            field->installEventFilter(this);
            grid->addWidget(field, row, field == part.hex ? 1 : 2);
        }
        if (withScrollBars) {
            part.bar = new QScrollBar(Qt::Horizontal, this);
            part.bar->setObjectName(id + QLatin1String("Bar"));
            part.bar->setRange(0, MaxValue);
            part.bar->setPageStep(16);
            part.bar->setMinimumWidth(fieldWidth * 3);
            grid->addWidget(part.bar, row, 3);
            connect(part.bar, &QScrollBar::valueChanged, this,
                    [this, &part](int value) { SetComponent(part, value); });
        }
        ++row;
    }
    // The scroll bars take the spare width; without them it stays beside the fields.
    grid->setColumnStretch(3, 1);
    SetColour(0);
}

QString RgbFields::FieldText(const Component& part, bool hex) const {
    const int value = ValueOf(part);
    return hex ? QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')) : QString::number(value);
}

int RgbFields::ValueOf(const Component& part) const noexcept {
    return static_cast<int>(colour_ >> part.shift & 0xff);
}

void RgbFields::ShowComponent(const Component& part) {
    part.hex->setText(FieldText(part, true));
    part.dec->setText(FieldText(part, false));
    if (part.bar) {
        const QSignalBlocker quiet(part.bar);
        part.bar->setValue(ValueOf(part));
    }
}

void RgbFields::SetColour(ColourRef colour) {
    colour_ = colour == NoColour ? 0 : colour;
    for (const Component& part : parts_)
        ShowComponent(part);
}

void RgbFields::SetComponent(Component& part, int value) {
    const ColourRef colour =
        (colour_ & ~(ColourRef{0xff} << part.shift)) | static_cast<ColourRef>(value) << part.shift;
    const bool changed = colour != colour_;
    colour_ = colour;
    ShowComponent(part);
    if (changed)
        Q_EMIT ColourEdited(colour_);
}

bool RgbFields::Finish(QLineEdit* field) {
    for (Component& part : parts_) {
        if (field != part.hex && field != part.dec)
            continue;
        const bool hex = field == part.hex;
        // Unchanged: leave it, and above all its partner, which may hold a value the user
        // is being asked to correct.
        if (field->text() == FieldText(part, hex))
            return true;
        const std::optional<long> value = ReadNumber(field->text(), hex ? 16 : 10);
        if (value && *value >= 0 && *value <= MaxValue) {
            SetComponent(part, static_cast<int>(*value));
            return true;
        }
        QApplication::beep();
        char text[80];
        if (hex)
            std::snprintf(text, sizeof text, "%s hexadecimal value must be from 0x%x to 0x%x",
                          part.name, 0, MaxValue);
        else
            std::snprintf(text, sizeof text, "%s decimal value must be from %d to %d", part.name, 0,
                          MaxValue);
        prompter_.Message(text, Prompter::Kind::Warning);
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        return false;
    }
    return true;
}

bool RgbFields::Commit() {
    for (const Component& part : parts_)
        if (!Finish(part.hex) || !Finish(part.dec))
            return false;
    return true;
}

QList<QWidget*> RgbFields::TabChain() const {
    QList<QWidget*> chain;
    for (const Component& part : parts_) {
        chain << part.hex << part.dec;
        if (part.bar)
            chain << part.bar;
    }
    return chain;
}

bool RgbFields::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field)
        return QGroupBox::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // A refused value keeps the Return from reaching the dialog's default button.
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !Finish(field))
            return true;
    } else if (event->type() == QEvent::FocusOut) {
        // By now the focus widget is the one receiving the focus.
        QWidget* to = QApplication::focusWidget();
        const QWidget* scope = parentWidget() ? parentWidget() : this;
        if (to && to != field && scope->isAncestorOf(to))
            Finish(field);
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace velto
