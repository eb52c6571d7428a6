// Page-unit constants: report objects are measured in pixels at 96 per inch.
#pragma once

namespace qbx {

inline constexpr long double qb01cm = 3.77953L; // pixels per millimetre, used as stored (not 96 / 25.4)
inline constexpr long double qb1cm = 37.7953L;
inline constexpr long double qb01in = 9.6L;
inline constexpr long double qb1in = 96.0L;
inline constexpr long double qb1CharX = 9.6L; // dot-matrix character cell
inline constexpr long double qb1CharY = 17.0L;

// The most columns a page or a data band may have: far more than any paper holds legibly, and few
// enough that the column positions stay small.
inline constexpr int kMaxColumns = 1000;
inline constexpr int qbxScreenDpi = 96; // the resolution page units are expressed in

} // namespace qbx
