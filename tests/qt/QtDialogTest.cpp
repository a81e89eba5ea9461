#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include "QtTestSupport.h"

namespace fw::qt::test {
namespace {

using QtDialog = QtBackendTest;

struct SeenDialog {
    QString text;
    QString informative;
    QStringList buttons;
    Qt::WindowModality modality{Qt::NonModal};
    QMessageBox::Icon icon{QMessageBox::NoIcon};
};

// Once the alert shows, records it and presses the button with that caption.
void AnswerWith(const QString& caption, SeenDialog& seen) {
    QTimer::singleShot(0, [caption, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            AnswerWith(caption, seen);
            return;
        }
        seen.text = box->text();
        seen.informative = box->informativeText();
        seen.modality = box->windowModality();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons.push_back(button->text());
        }
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == caption) {
                button->click();
                return;
            }
        }
        box->reject();
    });
}

TEST_F(QtDialog, ApplicationModalAlertReturnsThePressedButton) {
    DialogRequest request;
    request.Icon = 1;
    request.Message = "Completed.";
    request.ActionButton = {"Quit", true};
    SeenDialog seen;
    AnswerWith("Quit", seen);
    EXPECT_EQ(backend->ShowDialog(request), DialogResult::Action);
    EXPECT_EQ(seen.text, "Completed.");
    EXPECT_EQ(seen.buttons, QStringList{"Quit"});
    EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
}

TEST_F(QtDialog, WindowModalAlertWithThreeButtons) {
    OpenWindow(1, {0, 0, 460, 300});
    DialogRequest request;
    request.Parent = 1;
    request.Message = "RegEx error: \nmissing )";
    request.Explanation = "a <b>plain</b> explanation";
    request.CancelButton.Visible = true;
    request.AlternateActionButton.Visible = true;
    SeenDialog seen;
    AnswerWith("Don't Save", seen);
    EXPECT_EQ(backend->ShowDialog(request), DialogResult::Alternate);
    EXPECT_EQ(seen.modality, Qt::WindowModal);
    EXPECT_EQ(seen.text, "RegEx error: \nmissing )");
    EXPECT_TRUE(seen.informative.contains("&lt;b&gt;plain"));
    EXPECT_EQ(seen.buttons.size(), 3);

    AnswerWith("Cancel", seen);
    EXPECT_EQ(backend->ShowDialog(request), DialogResult::Cancel);
}

TEST_F(QtDialog, AlertClosedWithoutAButtonAnswersCancelOrAction) {
    DialogRequest request;
    request.Message = "Closed by the window manager";
    SeenDialog seen;
    AnswerWith("no such button", seen);
    EXPECT_EQ(backend->ShowDialog(request), DialogResult::Action);
    request.CancelButton.Visible = true;
    AnswerWith("no such button", seen);
    EXPECT_EQ(backend->ShowDialog(request), DialogResult::Cancel);
}

// Once the alert shows, destroys its window, as a quit or a session end does while a
// window-modal alert is up.
void DestroyWindowUnderAlert(QtBackend& backend, PeerId window, bool& destroyed) {
    QTimer::singleShot(0, [&backend, window, &destroyed] {
        if (qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) == nullptr) {
            DestroyWindowUnderAlert(backend, window, destroyed);
            return;
        }
        backend.DestroyWindow(window);
        destroyed = true;
    });
}

TEST_F(QtDialog, WindowDestroyedUnderAWindowModalAlertEndsIt) {
    DialogRequest request;
    request.Message = "Completed.";
    request.CancelButton.Visible = true;
    for (const bool withCancel : {true, false}) {
        SCOPED_TRACE(withCancel);
        const PeerId id = withCancel ? 1 : 2;
        const QPointer<QWidget> window = OpenWindow(id, {0, 0, 460, 300});
        ASSERT_FALSE(window.isNull());
        request.Parent = id;
        request.CancelButton.Visible = withCancel;
        bool destroyed = false;
        DestroyWindowUnderAlert(*backend, id, destroyed);
        EXPECT_EQ(backend->ShowDialog(request),
                  withCancel ? DialogResult::Cancel : DialogResult::Action);
        EXPECT_TRUE(destroyed);
        EXPECT_TRUE(window.isNull());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST_F(QtDialog, AboutBoxShowsNameAndVersion) {
    backend->ShowAboutBox("Tessary", "3.1.0");
    QMessageBox* about = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
            about = box;
        }
    }
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About Tessary");
    EXPECT_TRUE(about->text().contains("Tessary"));
    EXPECT_TRUE(about->text().contains("3.1.0"));
    EXPECT_EQ(about->windowModality(), Qt::NonModal);
}

}  // namespace
}  // namespace fw::qt::test
