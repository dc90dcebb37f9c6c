#pragma once
// The paper the program chooses itself: A4 portrait with a margin of 5 mm all
// round, in points. The PDF files and the recording device print on it, each
// page reduced to fit (PrinterDevice.h).

namespace printing {

inline constexpr double kPointsPerMm = 72.0 / 25.4;
inline constexpr double kA4WidthMm = 210.0;
inline constexpr double kA4HeightMm = 297.0;
inline constexpr double kA4MarginMm = 5.0;
inline constexpr double kA4PrintableWidth = (kA4WidthMm - 2 * kA4MarginMm) * kPointsPerMm;    // 566.9
inline constexpr double kA4PrintableHeight = (kA4HeightMm - 2 * kA4MarginMm) * kPointsPerMm;  // 813.5

}  // namespace printing
