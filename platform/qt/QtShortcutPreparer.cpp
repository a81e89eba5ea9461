#include "QtShortcutPreparer.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include "QtMenuBarMirror.h"
#include "QtWindowPeer.h"

namespace fw::qt {

namespace {

QtWindowPeer* WindowOf(QObject* watched) {
    if (auto* widget = qobject_cast<QWidget*>(watched)) {
        return dynamic_cast<QtWindowPeer*>(widget->window());
    }
    return nullptr;
}

}  // namespace

QtShortcutPreparer::QtShortcutPreparer() {
    QCoreApplication::instance()->installEventFilter(this);
}

QtShortcutPreparer::~QtShortcutPreparer() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

bool QtShortcutPreparer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (event == lastEvent_ && key->timestamp() == lastTimestamp_ && key->key() == lastKey_) {
            return false;
        }
        lastEvent_ = event;
        lastTimestamp_ = key->timestamp();
        lastKey_ = key->key();
        QtWindowPeer* window = WindowOf(watched);
        if (window != nullptr && window->MenuBarMirror() != nullptr) {
            const Qt::KeyboardModifiers modifiers =
                key->modifiers() &
                (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier);
            window->MenuBarMirror()->PrepareShortcut(
                QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key->key()))));
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace fw::qt
