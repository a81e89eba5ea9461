// A program on the Qt backend whose window's paint handler throws. It must end with
// status 1 once the alert is dismissed, and never return normally.
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "framework/Application.h"
#include "framework/Runtime.h"
#include "framework/RuntimeException.h"
#include "framework/Window.h"

namespace {

class ThrowingWindow : public fw::Window {
public:
    std::string ClassName() const override { return "ThrowingWindow"; }
    void Event_Paint(fw::Ref<fw::Graphics>, const std::vector<fw::Rect>&) override {
        throw fw::OutOfBoundsException("thrown while painting");
    }
};

}  // namespace

int main() {
    fw::RuntimeInit();
    fw::RuntimeRegisterAppObject_(fw::New<fw::Application>());
    fw::RunFrameworkInitialization_([] {
        auto* dismiss = new QTimer(qApp);
        QObject::connect(dismiss, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->reject();
            }
        });
        dismiss->start(50);
        fw::New<ThrowingWindow>()->Constructor();
        fw::RuntimeRun_();
    });
    return 2;
}
