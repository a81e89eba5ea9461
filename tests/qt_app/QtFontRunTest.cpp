// The whole job on the Qt backend: fonts dropped from the file manager as file URLs,
// Run clicked, the "Completed." alert answered, every font in its family folder.
#include <QAbstractButton>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <filesystem>

#include "QtLaunchTest.h"

namespace qtapptest {
namespace {

namespace fs = std::filesystem;

using QtFontRunTest = QtLaunchTest;

void DropFiles(QWidget& window, const std::vector<std::string>& paths) {
    QList<QUrl> urls;
    for (const std::string& path : paths) {
        urls.push_back(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
    QMimeData data;
    data.setUrls(urls);
    const QPoint at(window.width() / 2, window.height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
}

QPushButton* ButtonCaptioned(QWidget& window, const QString& caption) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == caption) {
            return button;
        }
    }
    return nullptr;
}

TEST_F(QtFontRunTest, DroppedFontsEndInTheirFamilyFoldersAndTheProgramQuits) {
    UseRealSpot();
    const std::string fonts = Root() + "/My Fonts";
    fs::create_directories(fonts);
    for (const char* name : {"DejaVuSans.ttf", "DejaVuSerif-Bold.ttf"}) {
        fs::copy_file(std::string("/usr/share/fonts/truetype/dejavu/") + name, fonts + "/" + name);
    }
    fs::copy_file("/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf", fonts + "/ipag.ttf");

    QString alertMessage;
    QStringList alertButtons;
    QObject guard;
    auto* answer = new QTimer(&guard);
    QObject::connect(answer, &QTimer::timeout, &guard, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !alertMessage.isEmpty()) {
            return;
        }
        alertMessage = box->text();
        for (QAbstractButton* button : box->buttons()) {
            alertButtons.push_back(button->text());
        }
        box->buttons().front()->click();
    });

    EXPECT_EQ(Launch([&](QWidget& window) {
                  DropFiles(window, {fonts + "/DejaVuSans.ttf", fonts + "/DejaVuSerif-Bold.ttf",
                                     fonts + "/ipag.ttf", fonts});
                  Settle();
                  QPushButton* run = ButtonCaptioned(window, "Run");
                  ASSERT_NE(run, nullptr);
                  ASSERT_TRUE(run->isEnabled());
                  answer->start(20);
                  run->click();
              }),
              0);

    EXPECT_EQ(alertMessage, "Completed.");
    EXPECT_EQ(alertButtons, QStringList{"Quit"});
    EXPECT_TRUE(fs::exists(fonts + "/DejaVu Sans/DejaVuSans.ttf"));
    EXPECT_TRUE(fs::exists(fonts + "/DejaVu Serif/DejaVuSerif-Bold.ttf"));
    EXPECT_TRUE(fs::exists(fonts + "/IPAゴシック/ipag.ttf"));
    EXPECT_TRUE(exitStatuses.empty());
}

}  // namespace
}  // namespace qtapptest
