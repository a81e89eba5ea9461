#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QMimeDatabase>
#include <QPalette>
#include <QTemporaryDir>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <thread>

#include "QtTestSupport.h"
#include "qt/QtShortcut.h"

namespace fw::qt::test {
namespace {

using QtServices = QtBackendTest;

bool HasOpaquePixel(const RgbaImage& image) {
    for (std::size_t i = 3; i < image.Pixels.size(); i += 4) {
        if (image.Pixels[i] != 0) {
            return true;
        }
    }
    return false;
}

TEST_F(QtServices, FileIconsForFilesAndFoldersAtTheRequestedSize) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string base = folder.path().toStdString();
    const std::string font = base + "/Odd \"name\"\n\xFF.otf";
    std::ofstream(font) << "OTTO";

    for (const int size : {16, 32}) {
        const RgbaImage icon = backend->FileIcon(font, size);
        EXPECT_EQ(icon.Width, size);
        EXPECT_EQ(icon.Height, size);
        EXPECT_EQ(icon.Pixels.size(), static_cast<std::size_t>(size * size * 4));
        EXPECT_TRUE(HasOpaquePixel(icon));
    }
    const RgbaImage folderIcon = backend->FileIcon(base, 16);
    EXPECT_EQ(folderIcon.Width, 16);
    EXPECT_TRUE(HasOpaquePixel(folderIcon));

    EXPECT_TRUE(backend->FileIcon(base + "/missing.otf", 16).IsEmpty());
    EXPECT_TRUE(backend->FileIcon(font, 0).IsEmpty());
    EXPECT_TRUE(backend->FileIcon("", 16).IsEmpty());
}

TEST_F(QtServices, FontsGetTheDesktopThemesFontIconWhenQtHasNoTheme) {
    if (!QFile::exists(QStringLiteral("/usr/share/icons/Adwaita/index.theme"))) {
        GTEST_SKIP() << "no Adwaita icon theme installed";
    }
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string base = folder.path().toStdString();
    std::ofstream(base + "/Font.ttf") << std::string("\0\1\0\0", 4) << std::string(60, '\0');
    std::ofstream(base + "/notes.zzq") << std::string(64, '\0');
    QMimeDatabase database;
    const QMimeType type = database.mimeTypeForFile(folder.filePath(QStringLiteral("Font.ttf")));
    EXPECT_EQ(type.genericIconName(), QStringLiteral("font-x-generic"));

    const RgbaImage font = backend->FileIcon(base + "/Font.ttf", 32);
    const RgbaImage other = backend->FileIcon(base + "/notes.zzq", 32);
    if (QIcon::themeName() == QStringLiteral("hicolor")) {
        EXPECT_EQ(QIcon::fallbackThemeName(), QStringLiteral("Adwaita"));
    }
    EXPECT_TRUE(QIcon::hasThemeIcon(QStringLiteral("font-x-generic")));
    // The font's own icon, not the generic file icon that any other file gets.
    EXPECT_NE(font.Pixels, other.Pixels);
}

TEST_F(QtServices, AFifoNamedLikeAFontGetsAnIconWithoutBeingOpenedForReading) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string base = folder.path().toStdString();
    const std::string fifo = base + "/x.ttf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::ofstream(base + "/y.ttf") << std::string("\0\1\0\0", 4) << std::string(60, '\0');

    // A blocking open of the FIFO would wait for a writer forever; after a while this
    // thread plays that writer, so a regression fails the test instead of hanging it.
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool rescued = false;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (finished.wait_for(lock, std::chrono::seconds(5), [&] { return done; })) {
            return;
        }
        rescued = true;
        while (!done) {
            const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                ::close(fd);
            }
            finished.wait_for(lock, std::chrono::milliseconds(50), [&] { return done; });
        }
    });
    const RgbaImage icon = backend->FileIcon(fifo, 16);
    {
        const std::lock_guard lock(mutex);
        done = true;
    }
    finished.notify_all();
    watchdog.join();

    EXPECT_FALSE(rescued) << "FileIcon waited on the FIFO";
    EXPECT_EQ(icon.Width, 16);
    EXPECT_TRUE(HasOpaquePixel(icon));
    // Chosen by the name alone, it is the icon a real font file of that type gets.
    EXPECT_EQ(icon.Pixels, backend->FileIcon(base + "/y.ttf", 16).Pixels);
}

TEST_F(QtServices, RevealRefusesWhatDoesNotExist) {
    EXPECT_FALSE(backend->RevealFile("/no/such/file.otf"));
    EXPECT_FALSE(backend->RevealFile(""));
}

TEST_F(QtServices, DarkModeFollowsThePalette) {
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    QApplication::setPalette(dark);
    EXPECT_TRUE(backend->IsDarkMode());
    QPalette light = original;
    light.setColor(QPalette::Window, QColor(0xEE, 0xEE, 0xEE));
    QApplication::setPalette(light);
    EXPECT_FALSE(backend->IsDarkMode());
    QApplication::setPalette(original);
}

TEST_F(QtServices, QuitBeforeRunReturnsAtOnceAndPostedTasksRunInTheLoop) {
    std::vector<int> order;
    backend->Post([&order] { order.push_back(1); });
    backend->Post([this, &order] {
        order.push_back(2);
        backend->Quit();
    });
    backend->Run();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    backend->Run();  // already quit: returns at once
    EXPECT_EQ(order.size(), 2u);
}

TEST(QtShortcut, CommandIsCtrlAndOptionIsAlt) {
    EXPECT_EQ(ToKeySequence("Cmd+W"), QKeySequence(Qt::CTRL | Qt::Key_W));
    EXPECT_EQ(ToKeySequence("Cmd+Shift+Z"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    EXPECT_EQ(ToKeySequence("Option+Cmd+F1"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F1));
    EXPECT_EQ(ToKeySequence("Cmd+,"), QKeySequence(Qt::CTRL | Qt::Key_Comma));
    EXPECT_TRUE(ToKeySequence(std::nullopt).isEmpty());
    EXPECT_TRUE(ToKeySequence("").isEmpty());
    EXPECT_TRUE(ToKeySequence("Cmd+").isEmpty());
    EXPECT_TRUE(ToKeySequence("Cmd+NoSuchKey").isEmpty());
}

}  // namespace
}  // namespace fw::qt::test
