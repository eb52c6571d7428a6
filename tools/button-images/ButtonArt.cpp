// Pixel drawings of the preview buttons: rectangles, lines and a few shapes in a small palette.
#include "ButtonArt.h"

#include <cstdlib>
#include <functional>

namespace qbx::art {
namespace {

constexpr std::uint32_t kInk = 0xFF202020, kPaper = 0xFFFFFFFF, kGray = 0xFF808080, kLight = 0xFFC8C8C8,
                        kBlue = 0xFF2060C0, kYellow = 0xFFE8C040, kRed = 0xFFC02020, kGreen = 0xFF208040;

// Drawing inside one 16 x 16 cell of the sheet.
struct Cell
{
    RasterImage& Sheet;
    int X0, Y0;
    void Dot(int x, int y, std::uint32_t c) const
    {
        if (x >= 0 && x < 16 && y >= 0 && y < 16)
            Sheet.SetPixel(X0 + x, Y0 + y, c);
    }
    void Fill(int l, int t, int r, int b, std::uint32_t c) const // r and b inclusive
    {
        for (int y = t; y <= b; ++y)
            for (int x = l; x <= r; ++x)
                Dot(x, y, c);
    }
    void Box(int l, int t, int r, int b, std::uint32_t line, std::uint32_t inside) const
    {
        Fill(l, t, r, b, line);
        Fill(l + 1, t + 1, r - 1, b - 1, inside);
    }
    void Line(int x0, int y0, int x1, int y1, std::uint32_t c) const
    {
        int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0), sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        for (int e = dx + dy;;) {
            Dot(x0, y0, c);
            if (x0 == x1 && y0 == y1)
                return;
            int e2 = 2 * e;
            if (e2 >= dy) {
                e += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                e += dx;
                y0 += sy;
            }
        }
    }
    void Page(int l, int t, int r, int b) const
    {
        Box(l, t, r, b, kInk, kPaper);
        for (int y = t + 3; y < b - 1; y += 2)
            Line(l + 2, y, r - 2, y, kLight);
    }
    void Triangle(int tipX, int y, int direction) const // a solid arrowhead 7 pixels high
    {
        for (int i = 0; i < 4; ++i)
            Line(tipX - direction * i, y - i, tipX - direction * i, y + i, kInk);
    }
    void Magnifier(std::uint32_t lens) const
    {
        // A ring of radius 4.5 around (6, 6) with the lens inside, and a two-pixel handle.
        for (int y = 0; y < 13; ++y) {
            for (int x = 0; x < 13; ++x) {
                int d = (2 * x - 12) * (2 * x - 12) + (2 * y - 12) * (2 * y - 12); // (2 distance) squared
                if (d <= 64)
                    Dot(x, y, lens);
                else if (d <= 110)
                    Dot(x, y, kInk);
            }
        }
        Line(10, 10, 14, 14, kInk);
        Line(11, 10, 14, 13, kInk);
        Line(10, 11, 13, 14, kInk);
    }
};

void DrawOne(const Cell& c, int index)
{
    switch (index) {
    case 0:
        c.Box(1, 5, 14, 13, kInk, kYellow);
        c.Fill(2, 3, 6, 4, kYellow);
        break; // open: a folder
    case 1:
        c.Box(2, 2, 13, 13, kInk, kBlue);
        c.Fill(4, 3, 11, 7, kPaper);
        c.Fill(5, 10, 10, 13, kLight);
        break;
    case 2:
        c.Page(4, 1, 11, 7);
        c.Box(1, 7, 14, 12, kInk, kGray);
        c.Fill(4, 12, 11, 14, kPaper);
        break;
    case 3:
        c.Page(1, 1, 9, 14);
        c.Line(7, 8, 14, 8, kGreen);
        c.Triangle(14, 8, 1);
        break;
    case 4:
        c.Magnifier(kLight);
        break;
    case 5:
        for (int i = 0; i < 4; ++i)
            c.Box(1 + 7 * (i % 2), 1 + 7 * (i / 2), 7 + 7 * (i % 2), 7 + 7 * (i / 2), kInk, kPaper);
        break;
    case 6:
        c.Page(3, 1, 12, 14);
        break;
    case 7:
        c.Page(1, 1, 10, 14);
        c.Box(8, 8, 14, 14, kInk, kGray);
        c.Fill(10, 10, 12, 12, kPaper);
        break;
    case 8:
        c.Fill(3, 4, 4, 12, kInk);
        c.Triangle(6, 8, -1);
        c.Triangle(11, 8, -1);
        break;
    case 9:
        c.Triangle(6, 8, -1);
        c.Fill(9, 7, 12, 9, kInk);
        break;
    case 10:
        c.Triangle(9, 8, 1);
        c.Fill(3, 7, 6, 9, kInk);
        break;
    case 11:
        c.Fill(11, 4, 12, 12, kInk);
        c.Triangle(9, 8, 1);
        c.Triangle(4, 8, 1);
        break;
    case 12:
        c.Line(3, 2, 3, 13, kGray);
        for (int y : { 3, 8, 13 }) {
            c.Line(3, y, 6, y, kGray);
            c.Fill(7, y - 1, 13, y + 1, kBlue);
        }
        break;
    case 13:
        c.Box(3, 3, 12, 12, kInk, kPaper);
        c.Line(5, 7, 10, 7, kInk);
        break;
    case 14:
        c.Box(3, 3, 12, 12, kInk, kPaper);
        c.Line(5, 7, 10, 7, kInk);
        c.Line(7, 5, 7, 10, kInk);
        break;
    case 15:
        c.Magnifier(kPaper);
        c.Line(4, 6, 8, 6, kInk);
        c.Line(6, 4, 6, 8, kInk);
        break;
    case 16:
        c.Magnifier(kPaper);
        c.Line(4, 6, 8, 6, kInk);
        break;
    case 17:
        c.Page(4, 1, 11, 14);
        c.Line(1, 1, 1, 14, kBlue);
        c.Line(14, 1, 14, 14, kBlue);
        break;
    case 18:
        c.Page(1, 3, 14, 12);
        c.Line(1, 1, 14, 1, kBlue);
        c.Line(1, 14, 14, 14, kBlue);
        break;
    case 19:
        c.Page(2, 1, 13, 14);
        c.Line(4, 5, 4, 10, kRed);
        c.Box(6, 5, 8, 10, kRed, kPaper);
        c.Box(10, 5, 12, 10, kRed, kPaper);
        break;
    case 20:
        c.Page(0, 2, 7, 13);
        c.Page(8, 2, 15, 13);
        break;
    case 21:
        c.Line(3, 12, 12, 3, kYellow);
        c.Line(4, 12, 12, 4, kYellow);
        c.Line(3, 11, 11, 3, kInk);
        c.Line(4, 13, 13, 4, kInk);
        c.Fill(2, 12, 3, 13, kInk);
        break;
    case 22:
        for (int sx : { 0, 1 })
            for (int sy : { 0, 1 }) {
                int x = sx ? 14 : 1, y = sy ? 14 : 1, d = sx ? -1 : 1, e = sy ? -1 : 1;
                c.Line(x, y, x + 4 * d, y, kInk);
                c.Line(x, y, x, y + 4 * e, kInk);
                c.Line(x, y, x + 4 * d, y + 4 * e, kInk);
            }
        break;
    case 23:
        c.Box(1, 3, 14, 12, kInk, kPaper);
        c.Line(1, 3, 7, 8, kInk);
        c.Line(14, 3, 8, 8, kInk);
        break;
    case 24:
        c.Page(2, 1, 13, 14);
        c.Fill(3, 9, 12, 13, kRed);
        c.Line(5, 11, 10, 11, kPaper);
        break;
    default:
        break;
    }
}

} // namespace

RasterImage DrawPreviewButtons()
{
    int rows = (kButtonCount + kCellsPerRow - 1) / kCellsPerRow;
    RasterImage sheet(16 * kCellsPerRow, 16 * rows, kTransparent);
    for (int i = 0; i < kButtonCount; ++i)
        DrawOne({ sheet, 16 * (i % kCellsPerRow), 16 * (i / kCellsPerRow) }, i);
    return sheet;
}

} // namespace qbx::art
