#include "QtShortcutPreparer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>
#include <utility>

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

QtShortcutPreparer::QtShortcutPreparer(std::function<QtMenuBarMirror*()> applicationWideBar)
    : applicationWideBar_(std::move(applicationWideBar)) {
    QCoreApplication::instance()->installEventFilter(this);
}

QtShortcutPreparer::~QtShortcutPreparer() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

QtMenuBarMirror* QtShortcutPreparer::BarFor(QObject* watched) const {
    QtWindowPeer* window = WindowOf(watched);
    if (window != nullptr && window->MenuBarMirror() != nullptr) {
        return window->MenuBarMirror();
    }
    // A modal alert blocks the menus: nothing to prepare.
    if (QApplication::activeModalWidget() != nullptr || !applicationWideBar_) {
        return nullptr;
    }
    return applicationWideBar_();
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
        if (QtMenuBarMirror* bar = BarFor(watched)) {
            const Qt::KeyboardModifiers modifiers =
                key->modifiers() &
                (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier);
            bar->PrepareShortcut(
                QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key->key()))));
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace fw::qt
