// The preview's 25 button images, drawn pixel by pixel: the source of resources/images/PreviewButtons.gz.
#pragma once

#include "platform/Pictures.h"

namespace qbx::art {

// The background of every cell; the cut images take it from their bottom-left pixel as transparent.
inline constexpr std::uint32_t kTransparent = 0xFFFF00FF;
inline constexpr int kButtonCount = 25;
inline constexpr int kCellsPerRow = 5;

// All buttons in one bitmap: five 16 x 16 cells a row, in image-number order (0 open, 1 save, 2 print,
// 3 export, 4 find, 5 thumbnails, 6 blank page, 7 page settings, 8 first, 9 prior, 10 next, 11 last,
// 12 outline, 13 collapse all, 14 expand all, 15 zoom in, 16 zoom out, 17 whole page, 18 page width,
// 19 100%, 20 two pages, 21 edit, 22 full screen, 23 e-mail, 24 PDF).
RasterImage DrawPreviewButtons();

} // namespace qbx::art
