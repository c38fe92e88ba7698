#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

namespace velt {

// The distribution of one live quantity over ten fixed classes.
struct Statistics {
    std::array<int, 10> counts{};     // class k: k*w included to (k+1)*w excluded
    QStringList labels;               // the upper bound of each class
    std::optional<double> minimum;    // over all values, in a class or not
    std::optional<double> maximum;

    int counted() const;
    // "##0.## %" of a class's share of the counted values; empty when no
    // value fell into any class.
    QString percentText(int k) const;
};

// The three quantities the statistics window offers, in its list's order.
struct StatisticsEntry {
    QString text;
    int classWidth;
};
const QVector<StatisticsEntry> &StatisticsEntries();

// Values that are not numbers belong to no class and to neither bound.
Statistics ComputeStatistics(const QVector<double> &values, int classWidth);

}  // namespace velt
