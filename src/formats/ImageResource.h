// Image resources wrapped like a gzip member whose time field keeps the Adler-32 of the data.
#pragma once

#include "formats/TqbxResources.h"

#include <string>
#include <string_view>
#include <vector>

namespace qbx {

// Unwraps and inflates a resource: after the gzip header (and a file name when flag 8 is set) comes
// raw deflate data and an 8-byte trailer; the header's time field is the Adler-32 that closes the
// zlib stream 78 DA + data + Adler-32. Raises EConvertError for data in any other form.
std::string DecompressImageResource(std::string_view resource);

// The writer's side: deflate `data` and wrap it so that DecompressImageResource reads it back.
std::string CompressImageResource(std::string_view data);

// Cuts a bitmap into cells of `size` pixels, row by row from the top, left to right; each cell's
// transparent colour is its bottom-left pixel.
std::vector<ButtonImage> CutIntoCells(const RasterImage& bitmap, int size = 16);

} // namespace qbx
