#include "evaluation/Ratings.h"

#include "common/LanguageTexts.h"
#include "common/Vocabulary.h"

#include <cmath>
#include <limits>

namespace Ratings {

double wholePart(double x)
{
    if (!std::isfinite(x))
        return 0.0;
    return std::trunc(x);
}

double halfStep(double x)
{
    const double w = wholePart(x);
    const double f = std::isfinite(x) ? x - w : 0.0;
    if (f < 0.5)
        return w;
    if (f < 0.75)
        return w + 0.5;
    return w + 1.0;
}

double ratingPoints(double x)
{
    const double w = wholePart(x);
    const double f = std::isfinite(x) ? x - w : 0.0;
    double q = 0.0;
    if (f > 0.75)
        q = 3.0;
    else if (f > 0.5)
        q = 2.0;
    else if (f > 0.25)
        q = 1.0;
    return 4.0 * w - 3.0 + q;
}

static int32_t saturate(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= 2147483647.0)
        return std::numeric_limits<int32_t>::max();
    if (v <= -2147483648.0)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

int32_t roundEven(double x)
{
    // nearbyint follows the current rounding mode, which the program keeps at round-to-nearest.
    return saturate(std::nearbyint(x));
}

int32_t toInt32(double x)
{
    return saturate(std::trunc(x));
}

QString levelName(int32_t level)
{
    return nameTables().levelName(level);
}

QString ratingWords(double x)
{
    const double w = wholePart(x);
    const double f = std::isfinite(x) ? x - w : 0.0;
    const char *key = "INFERIEUR";
    if (f > 0.75)
        key = "SUPERIEUR";
    else if (f > 0.5)
        key = "HAUT";
    else if (f > 0.25)
        key = "BAS";
    QString words = levelName(toInt32(w));
    words += QLatin1Char(' ');
    words += vocab(QLatin1String(key));
    return words;
}

StripGeometry starStrip(double x, int32_t baseLeft)
{
    const double s = halfStep(x);
    StripGeometry g;
    g.width = roundEven(s * 140 / 10);
    g.left = roundEven((10 - s) * 14 / 2 + baseLeft);
    return g;
}

} // namespace Ratings
