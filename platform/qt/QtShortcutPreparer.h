#pragma once
// Gives a menu its EnableMenu pass before a key press is matched against the menu
// shortcuts, as a Mac menu validates its items before it performs a key equivalent:
// Qt ignores the shortcut of a disabled action, so the action must show the state the
// model gives it at the moment of the key press.

#include <QObject>
#include <functional>

namespace fw::qt {

class QtMenuBarMirror;

class QtShortcutPreparer : public QObject {
public:
    // Watches every event of the application. A key pressed in a window without a bar of
    // its own (the About box) prepares the bar whose shortcuts act application-wide, as
    // applicationWideBar answers it (nullptr for none).
    explicit QtShortcutPreparer(std::function<QtMenuBarMirror*()> applicationWideBar);
    ~QtShortcutPreparer() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QtMenuBarMirror* BarFor(QObject* watched) const;

    std::function<QtMenuBarMirror*()> applicationWideBar_;
    // An ignored ShortcutOverride travels up the widget chain; one pass per key press.
    const QEvent* lastEvent_{nullptr};
    unsigned long long lastTimestamp_{0};
    int lastKey_{0};
};

}  // namespace fw::qt
