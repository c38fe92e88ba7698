#include "measure/indices.h"

#include <QLocale>

#include <cmath>

namespace velt {

namespace {

// The constants as the meter's program stores them: double literals, widened
// to extended precision where they meet the intermediates.
constexpr double kTenth = 0.1;
constexpr double kTwRh = 0.00381;
constexpr double kTwBase = 0.636;
constexpr double kTwRhLinear = 0.0546;
constexpr double kPercent = 0.01;
constexpr double kHalf = 0.5;
constexpr double kFour = 4;
constexpr double kTwOffset = 4.94;
constexpr double kMagnusReciprocal = 1 / 17.5043;
constexpr double kMagnusC = 241.2;
constexpr double kKelvin = 273.2;
constexpr double kConvection = 4.8e7;
constexpr double kSigmaHundredths = 567;
constexpr double kSigmaScale = 1e-8;

using Ext = long double;

}  // namespace

float DecodeTenths(std::uint16_t word) { return static_cast<float>(static_cast<Ext>(word) * kTenth); }

double RoundToTenth(float x)
{
    const double widened = x;
    return std::nearbyint(widened / kTenth) * kTenth;
}

double RoundToHundredth(double x) { return std::nearbyint(x / kPercent) * kPercent; }

DerivedIndices DeriveIndices(float RH, float ta, float tg)
{
    DerivedIndices d;
    const Ext rh = RH, air = ta, globe = tg;

    const Ext humidityTerm = kPercent * rh - kHalf;
    const auto twRaw = static_cast<float>((kTwRh * rh + kTwBase) * air + kTwRhLinear * rh
                                          - kFour * humidityTerm * humidityTerm - kTwOffset);
    d.tw = static_cast<float>(RoundToTenth(twRaw));

    if (RH != 0) {
        const Ext g = std::log1p(kPercent * rh - 1) * kMagnusReciprocal + air / (air + kMagnusC);
        d.td = static_cast<float>(kMagnusC * g / (1 - g));
    }

    const Ext wet = d.tw;
    d.THC = static_cast<float>(kTenth * (7 * wet + 3 * globe));
    d.WBGT = static_cast<float>(kTenth * (7 * wet + 2 * globe + air));

    d.tgPrime = tg >= ta ? tg : ta;
    const Ext raised = d.tgPrime;
    const double a = std::pow(static_cast<double>(raised + kKelvin), 4.0);
    const double b = std::sqrt(std::sqrt(std::pow(static_cast<double>(raised - air), 5.0)));
    d.tr = static_cast<float>(std::sqrt(std::sqrt(static_cast<double>(kConvection * b + a))) - kKelvin);

    const double radiant = std::pow(static_cast<double>(static_cast<Ext>(d.tr) + kKelvin), 4.0);
    const double ambient = std::pow(static_cast<double>(air + kKelvin), 4.0);
    d.W = static_cast<float>((static_cast<Ext>(radiant) - ambient) * kPercent * kSigmaHundredths * kSigmaScale);
    return d;
}

QString FormatValue(double rounded, const QLocale &locale)
{
    if (rounded == 0)
        rounded = 0;  // drops the sign of -0.0
    QString text = QString::number(rounded, 'g', 15);
    const QString point = locale.decimalPoint();
    if (point != QLatin1String("."))
        text.replace(QLatin1Char('.'), point);
    return text;
}

QString ShownValue(float x) { return FormatValue(RoundToTenth(x)); }

}  // namespace velt
