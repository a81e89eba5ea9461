#include "QtDialogs.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTextDocument>
#include <utility>

#include "QtConversions.h"

namespace fw::qt {

namespace {

QMessageBox::Icon IconFor(int icon) {
    switch (icon) {
        case 0:
            return QMessageBox::Information;
        case 1:
            return QMessageBox::Warning;
        case 2:
            return QMessageBox::Critical;
        case 3:
            return QMessageBox::Question;
        default:
            return QMessageBox::NoIcon;
    }
}

QPushButton* AddButton(QMessageBox& box, const DialogButtonState& state,
                       QMessageBox::ButtonRole role) {
    if (!state.Visible) {
        return nullptr;
    }
    return box.addButton(ToQString(state.Caption), role);
}

// Hides the alert and deletes it later, unless Qt already deleted it with its window.
struct BoxDisposal {
    QPointer<QMessageBox> box;
    explicit BoxDisposal(QPointer<QMessageBox> watched) : box(std::move(watched)) {}
    BoxDisposal(const BoxDisposal&) = delete;
    BoxDisposal& operator=(const BoxDisposal&) = delete;
    ~BoxDisposal() {
        if (box) {
            box->hide();
            box->deleteLater();
        }
    }
};

}  // namespace

DialogResult ShowMessageDialog(const DialogRequest& request, QWidget* parent) {
    // On the heap and watched: with a parent window the box is that window's child, and
    // the model may destroy the window (a quit, a session end) while the box is up, which
    // deletes the box with it.
    const QPointer<QMessageBox> box = new QMessageBox(parent);
    const BoxDisposal disposal{box};
    box->setIcon(IconFor(request.Icon));
    box->setWindowTitle(ToQString(request.Title));
    // The texts are plain: a message that looks like markup is shown as written.
    box->setTextFormat(Qt::PlainText);
    box->setText(ToQString(request.Message));
    if (!request.Explanation.empty()) {
        box->setInformativeText(
            Qt::convertFromPlainText(ToQString(request.Explanation), Qt::WhiteSpaceNormal));
    }
    QPushButton* action = AddButton(*box, request.ActionButton, QMessageBox::AcceptRole);
    QPushButton* cancel = AddButton(*box, request.CancelButton, QMessageBox::RejectRole);
    QPushButton* alternate =
        AddButton(*box, request.AlternateActionButton, QMessageBox::DestructiveRole);
    const bool hasCancel = cancel != nullptr;
    if (action != nullptr) {
        box->setDefaultButton(action);
    }
    if (cancel != nullptr) {
        box->setEscapeButton(cancel);
    }
    if (parent != nullptr) {
        box->setWindowModality(Qt::WindowModal);
        QEventLoop loop;
        QObject::connect(box, &QMessageBox::finished, &loop, &QEventLoop::quit);
        QObject::connect(box, &QObject::destroyed, &loop, &QEventLoop::quit);
        QObject::connect(parent, &QObject::destroyed, &loop, &QEventLoop::quit);
        box->open();
        loop.exec(QEventLoop::DialogExec);
    } else {
        box->setWindowModality(Qt::ApplicationModal);
        box->exec();
    }
    QAbstractButton* clicked = box ? box->clickedButton() : nullptr;
    if (clicked != nullptr && clicked == alternate) {
        return DialogResult::Alternate;
    }
    if (clicked != nullptr && clicked == action) {
        return DialogResult::Action;
    }
    // No button: closed by the window manager, or gone with its window.
    return hasCancel ? DialogResult::Cancel : DialogResult::Action;
}

void ShowAboutBox(QPointer<QMessageBox>& box, const std::string& name, const std::string& version,
                  QWidget* parent) {
    if (!box) {
        // Owned by Qt from here: it deletes itself when closed.
        box = new QMessageBox(parent);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        box->setIcon(QMessageBox::Information);
        box->setTextFormat(Qt::PlainText);
        box->addButton(QMessageBox::Ok);
    }
    box->setWindowTitle(QStringLiteral("About ") + ToQString(name));
    box->setText(ToQString(name) + QStringLiteral("\nVersion ") + ToQString(version));
    box->show();
    box->raise();
    box->activateWindow();
}

}  // namespace fw::qt
