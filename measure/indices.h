#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace velt {

// The six quantities derived from one measurement, single-precision as the
// meter's program has always kept them.
struct DerivedIndices {
    float tw = 0;                // wet-bulb temperature, already rounded to a tenth
    std::optional<float> td;     // dew point; none when RH is 0
    float THC = 0;               // heat-load index, from the measured tg
    float WBGT = 0;              // from the measured tg
    float tgPrime = 0;           // tg raised to at least ta
    float tr = 0;                // mean radiant temperature, from tg'
    float W = 0;                 // radiant irradiance, W/m2
};

// A measured word in tenths as a value: 0.0 to 6553.5.
float DecodeTenths(std::uint16_t word);

// Derivation with extended-precision intermediates; every result is stored
// as a float before it is used further, and tw is rounded first.
DerivedIndices DeriveIndices(float RH, float ta, float tg);

// x rounded to one decimal, halves to the even tenth (0.25 -> 0.2, 0.75 -> 0.8).
double RoundToTenth(float x);
// x rounded to two decimals the same way.
double RoundToHundredth(double x);

// The text of a shown value: general format, up to 15 significant digits,
// the decimal separator of the user's regional settings; never "-0".
QString FormatValue(double rounded, const QLocale &locale = QLocale::system());
// FormatValue(RoundToTenth(x)), the form of every value in the tables.
QString ShownValue(float x);

}  // namespace velt
