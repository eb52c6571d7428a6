// The printer paper codes and their sizes.
#pragma once

namespace qbx {

inline constexpr int kCustomPaperSize = 256;

// Width and height in millimetres of a paper code; false for a code the table lacks (48, 49, > 68).
bool PaperDimensions(int code, long double& width, long double& height);

} // namespace qbx
