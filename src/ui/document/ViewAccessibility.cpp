// The accessible interface of the editing views: plain until an assistive technology listens.
#include "ui/document/ViewAccessibility.h"

#include "ui/document/CQuorView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>

#include <utility>

namespace velto {

namespace {

// Whether an assistive technology listens, as the platform last said.
bool listening = false;

// Asked for each class of an object from the most derived one up, so this answers for
// QsciScintilla before QScintilla's factory answers for QsciScintillaBase.
QAccessibleInterface* PlainViewInterface(const QString& className, QObject* object) {
    if (listening || className != QLatin1String("QsciScintilla") ||
        !qobject_cast<CQuorView*>(object))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText);
}

class FullInterfacesWhenActive final : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override {
        listening = active;
        if (!active)
            return;
        // Interfaces are kept for the life of their widget: the plain ones go now, and
        // the next query for a view makes QScintilla's.
        const QWidgetList widgets = QApplication::allWidgets();
        for (QWidget* w : widgets) {
            if (!qobject_cast<CQuorView*>(w))
                continue;
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
            if (iface && !iface->textInterface())
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
        }
    }
};

} // namespace

void InstallViewAccessibility() {
    static bool installed = false;
    if (std::exchange(installed, true))
        return;
    listening = QAccessible::isActive();
    QAccessible::installFactory(PlainViewInterface);
    static FullInterfacesWhenActive observer;
    QAccessible::installActivationObserver(&observer);
}

} // namespace velto
