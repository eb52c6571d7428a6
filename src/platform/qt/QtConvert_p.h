// Conversions between qbx's platform types and Qt's.
#pragma once

#include "base/Colors.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"

#include <string_view>

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

namespace qbx {

inline QColor ToQColor(TColor color)
{
    TColor rgb = ColorToRGB(color);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

// A device rectangle whose right and bottom edges are excluded, as QRect's width and height count them.
inline QRect ToQRect(const TRect& r)
{
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

inline QString ToQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline QString ToQString(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// A QFont for a font description: pixel sizes, no kerning, full hinting, so advances are whole pixels.
QFont ToQFont(const TFontDesc& font);

} // namespace qbx
