// Device geometry: whole pixels, x to the right, y down; rectangles exclude their right and bottom edges.
#pragma once

namespace qbx {

struct TPoint
{
    int X = 0, Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TSize
{
    int Width = 0, Height = 0;
    bool operator==(const TSize&) const = default;
};

struct TRect
{
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool operator==(const TRect&) const = default;
};

// Page-unit rectangle: extended-precision pixels at 96 per inch.
struct TRectF
{
    long double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

} // namespace qbx
