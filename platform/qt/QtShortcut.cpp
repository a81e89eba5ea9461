#include "QtShortcut.h"

#include "QtConversions.h"
#include "framework/Shortcut.h"

namespace fw::qt {

QKeySequence ToKeySequence(const std::optional<std::string>& shortcut) {
    if (!shortcut) {
        return {};
    }
    const auto parsed = ParseShortcut(*shortcut);
    if (!parsed) {
        return {};
    }
    const QKeySequence key =
        QKeySequence::fromString(ToQString(parsed->key), QKeySequence::PortableText);
    if (key.count() != 1 || key[0].keyboardModifiers() != Qt::NoModifier ||
        key[0].key() == Qt::Key_unknown) {
        return {};
    }
    Qt::KeyboardModifiers modifiers;
    if (parsed->command || parsed->control) {
        modifiers |= Qt::ControlModifier;
    }
    if (parsed->option) {
        modifiers |= Qt::AltModifier;
    }
    if (parsed->shift) {
        modifiers |= Qt::ShiftModifier;
    }
    return QKeySequence(QKeyCombination(modifiers, key[0].key()));
}

}  // namespace fw::qt
