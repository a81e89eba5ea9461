#include "QtApplicationInstance.h"

#include <QApplication>
#include <cerrno>
#include <memory>

namespace fw::qt {

namespace {

// QApplication keeps references to argc and argv for its whole life.
int applicationArgc = 1;
char* applicationArgv[] = {program_invocation_name, nullptr};

}  // namespace

QApplication& AcquireApplication() {
    auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (existing == nullptr) {
        // Deliberately never destroyed (see the header); it stays reachable from here.
        static const auto* const application =
            std::make_unique<QApplication>(applicationArgc, applicationArgv).release();
        existing = const_cast<QApplication*>(application);
    }
    // The model decides when the program ends; closing the last window is not enough.
    QApplication::setQuitOnLastWindowClosed(false);
    return *existing;
}

}  // namespace fw::qt
