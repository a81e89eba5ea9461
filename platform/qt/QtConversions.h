#pragma once
// Conversions between the framework's values and Qt's.

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <string>

#include "framework/Backend.h"

namespace fw {
class Picture;
}

namespace fw::qt {

// Framework strings are UTF-8.
QString ToQString(const std::string& text);
std::string FromQString(const QString& text);

QRect ToQRect(const PeerRect& rect);
PeerRect FromQRect(const QRect& rect);

// A framework colour 0xTTRRGGBB (transparency on top) as a QColor.
QColor ToQColor(std::uint32_t value);

// A copy of a picture's own pixels; a null image for Nil or a picture without pixels.
QImage ToQImage(const Ref<Picture>& picture);
// All resolutions of a picture (or the picture itself) as one icon; null for Nil.
QIcon ToQIcon(const Ref<Picture>& picture);

// An image in straight RGBA, as the model takes it.
RgbaImage ToRgbaImage(const QImage& image);

}  // namespace fw::qt
