#pragma once
#include <QString>
#include <cstdint>

// The small rating helpers shared by the team figures, the star strips and the roster windows.
// All arithmetic is IEEE double in the written order.
namespace Ratings {

// Whole part toward zero and fraction of a rating; a NaN or infinite rating counts as 0.
double wholePart(double x);

// w, w + 0.5 or w + 1 by the fraction: below 0.5 drops, from 0.5 below 0.75 gives a half,
// 0.75 and above gives the next whole number (a fraction of 0.3 is not rounded to a half).
double halfStep(double x);

// 4·w − 3 + q with q = 3, 2, 1, 0 for a fraction above 0.75, 0.5, 0.25, or less
// (5.0 gives 17, 5.3 gives 18, 0 gives −3). Whole number held as a double.
double ratingPoints(double x);

// Nearest integer, halves to the even neighbour (5.5 → 6, 4.5 → 4). Saturates to the
// 32-bit range; NaN gives 0.
int32_t roundEven(double x);

// Truncation toward zero to a 32-bit integer, saturating; NaN gives 0.
int32_t toInt32(double x);

// Level name of a level number (0 "Inexistant" .. 20 "Divin"); empty outside 0..20.
QString levelName(int32_t level);

// Level name of the whole part, a blank, and the sub-level word of the fraction.
QString ratingWords(double x);

// Geometry of a ten-star strip (14 pixels a star) for x stars, centred on the slot.
struct StripGeometry {
    int32_t width = 0;
    int32_t left = 0;
};
StripGeometry starStrip(double x, int32_t baseLeft);

} // namespace Ratings
