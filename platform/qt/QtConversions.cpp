#include "QtConversions.h"

#include <QPixmap>
#include <cstring>

#include "framework/Picture.h"

namespace fw::qt {

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

QRect ToQRect(const PeerRect& rect) {
    return QRect(rect.Left, rect.Top, rect.Width, rect.Height);
}

PeerRect FromQRect(const QRect& rect) {
    return PeerRect{rect.x(), rect.y(), rect.width(), rect.height()};
}

QColor ToQColor(std::uint32_t value) {
    const int transparency = static_cast<int>(value >> 24);
    return QColor(static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>(value & 0xFF), 255 - transparency);
}

QImage ToQImage(const Ref<Picture>& picture) {
    if (picture.IsNil() || !picture->HasPixels()) {
        return {};
    }
    const auto& bytes = picture->RGBA();
    const auto width = static_cast<int>(picture->Width());
    const auto height = static_cast<int>(picture->Height());
    if (bytes.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4) {
        return {};
    }
    // The wrapping image does not own the bytes; copy() detaches it from them.
    return QImage(bytes.data(), width, height, width * 4, QImage::Format_RGBA8888).copy();
}

QIcon ToQIcon(const Ref<Picture>& picture) {
    if (picture.IsNil()) {
        return {};
    }
    QIcon icon;
    if (picture->ImageCount() == 0) {
        const QImage image = ToQImage(picture);
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
        return icon;
    }
    // One pixmap per representation; QIcon picks the one that suits the display's scale
    // when it draws at the picture's size.
    for (std::int64_t i = 0; i < picture->ImageCount(); ++i) {
        const QImage image = ToQImage(picture->IndexedImage(i));
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

RgbaImage ToRgbaImage(const QImage& image) {
    RgbaImage result;
    if (image.isNull()) {
        return result;
    }
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    result.Width = rgba.width();
    result.Height = rgba.height();
    const auto rowBytes = static_cast<std::size_t>(rgba.width()) * 4;
    result.Pixels.resize(rowBytes * static_cast<std::size_t>(rgba.height()));
    for (int y = 0; y < rgba.height(); ++y) {
        std::memcpy(result.Pixels.data() + rowBytes * static_cast<std::size_t>(y),
                    rgba.constScanLine(y), rowBytes);
    }
    return result;
}

}  // namespace fw::qt
