#include "QtDesktopServices.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFile>
#include <QFileIconProvider>
#include <QIcon>
#include <QMimeDatabase>
#include <QPainter>
#include <QStandardPaths>
#include <QStyle>
#include <QUrl>
#include <cerrno>

#include "FileUri.h"
#include "QtConversions.h"
#include "framework/FileDescriptor.h"

namespace fw::qt {

namespace {

enum class FileKind { Missing, File, Folder };

FileKind KindOf(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) {
        return FileKind::Missing;
    }
    return S_ISDIR(info.st_mode) ? FileKind::Folder : FileKind::File;
}

// The first bytes of a regular file, for content sniffing; empty for anything else. A
// FIFO or a device named like a font must not block the UI thread or be read, so it is
// opened without waiting and then recognised by its name only. Opened through the C
// library so that a name that is not valid UTF-8 still opens.
QByteArray LeadingBytes(const std::string& path) {
    constexpr qsizetype kSniffSize = 4096;
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!fd.IsOpen() || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {};
    }
    QByteArray bytes(kSniffSize, '\0');
    qsizetype filled = 0;
    while (filled < kSniffSize) {
        const ssize_t got =
            ::read(fd.Get(), bytes.data() + filled, static_cast<std::size_t>(kSniffSize - filled));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        filled += got;
    }
    bytes.resize(filled);
    return bytes;
}

QString LastComponent(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

// Without a desktop session Qt's theme is the bare "hicolor" (or none at all, and no
// search path but its resources), which holds no file-type icons; the desktop's usual
// theme, when installed, supplies them instead.
void UseInstalledFallbackTheme() {
    const QString current = QIcon::themeName();
    if (!current.isEmpty() && current != QStringLiteral("hicolor")) {
        return;
    }
    QStringList searchPaths = QIcon::themeSearchPaths();
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString icons = data + QStringLiteral("/icons");
        if (!searchPaths.contains(icons)) {
            searchPaths.push_back(icons);
        }
    }
    for (const char* theme : {"Adwaita", "breeze", "gnome"}) {
        const QString name = QString::fromLatin1(theme);
        for (const QString& folder : searchPaths) {
            if (QFile::exists(folder + QLatin1Char('/') + name + QStringLiteral("/index.theme"))) {
                QIcon::setThemeSearchPaths(searchPaths);
                // The fallback is only consulted behind a named theme.
                QIcon::setThemeName(QStringLiteral("hicolor"));
                QIcon::setFallbackThemeName(name);
                return;
            }
        }
    }
}

QIcon ThemeIcon(const std::string& path, FileKind kind) {
    static const bool themeChosen = (UseInstalledFallbackTheme(), true);
    (void)themeChosen;
    QMimeDatabase database;
    const QMimeType type =
        kind == FileKind::Folder
            ? database.mimeTypeForName(QStringLiteral("inode/directory"))
            : database.mimeTypeForFileNameAndData(LastComponent(path), LeadingBytes(path));
    QIcon icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
    if (!icon.isNull()) {
        return icon;
    }
    const QFileIconProvider provider;
    icon = provider.icon(kind == FileKind::Folder ? QFileIconProvider::Folder
                                                  : QFileIconProvider::File);
    if (!icon.isNull()) {
        return icon;
    }
    return QApplication::style()->standardIcon(kind == FileKind::Folder ? QStyle::SP_DirIcon
                                                                        : QStyle::SP_FileIcon);
}

}  // namespace

RgbaImage FileIconImage(const std::string& path, int pixelSize) {
    const FileKind kind = KindOf(path);
    if (kind == FileKind::Missing || pixelSize <= 0) {
        return {};
    }
    const QIcon icon = ThemeIcon(path, kind);
    QImage image(pixelSize, pixelSize, QImage::Format_RGBA8888);
    image.fill(Qt::transparent);
    {
        // paint() scales the best pixmap into the square, keeping its proportions.
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        icon.paint(&painter, QRect(0, 0, pixelSize, pixelSize));
    }
    return ToRgbaImage(image);
}

bool RevealInFileManager(const std::string& path) {
    if (KindOf(path) == FileKind::Missing) {
        return false;
    }
    const std::string encoded = FileUriFromPath(path);
    const QString uri = QString::fromLatin1(encoded.data(), static_cast<qsizetype>(encoded.size()));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.FileManager1"),
            QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
        call << QStringList{uri} << QString();
        const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
        if (reply.type() == QDBusMessage::ReplyMessage) {
            return true;
        }
    }
    const auto slash = path.find_last_of('/');
    const std::string folder =
        slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
    return QDesktopServices::openUrl(
        QUrl::fromEncoded(QByteArray::fromStdString(FileUriFromPath(folder))));
}

}  // namespace fw::qt
