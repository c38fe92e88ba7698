#include "reports/statistics.h"

#include "measure/indices.h"

#include <cmath>

namespace velt {

const QVector<StatisticsEntry> &StatisticsEntries()
{
    static const QVector<StatisticsEntry> entries = {
        {QStringLiteral("Температура tв, *С"), 5},
        {QStringLiteral("Влажность RH, %"), 10},
        {QStringLiteral("Температура tсф, *С"), 10},
    };
    return entries;
}

int Statistics::counted() const
{
    int sum = 0;
    for (int c : counts)
        sum += c;
    return sum;
}

QString Statistics::percentText(int k) const
{
    const int total = counted();
    if (total == 0)
        return {};
    const double share = 100.0 * counts[static_cast<std::size_t>(k)] / total;
    return FormatValue(std::round(share * 100) / 100) + QStringLiteral(" %");
}

Statistics ComputeStatistics(const QVector<double> &values, int classWidth)
{
    Statistics s;
    for (int m = 1; m <= 10; ++m)
        s.labels << QString::number(m * classWidth);
    for (double v : values) {
        if (std::isnan(v))
            continue;
        for (int k = 0; k < 10; ++k)
            if (v >= k * classWidth && v < (k + 1) * classWidth)
                ++s.counts[static_cast<std::size_t>(k)];
        s.minimum = s.minimum ? std::min(*s.minimum, v) : v;
        s.maximum = s.maximum ? std::max(*s.maximum, v) : v;
    }
    return s;
}

}  // namespace velt
