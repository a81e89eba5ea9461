#pragma once
// The process's one QApplication.
//
// The runtime may be restarted (tests do), which makes a new backend while the old one
// still exists, and the last backend may only go when static objects are destroyed at
// exit, after Qt's own have gone. So the application object is made once, on first use,
// and lives as long as the process. An application object that someone else made (a
// test's own) is used instead.

class QApplication;

namespace fw::qt {

QApplication& AcquireApplication();

}  // namespace fw::qt
