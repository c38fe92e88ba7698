#pragma once

#include <QWidget>

namespace velt {

// The statistics window "Статистика".
class TFStat : public QWidget {
    Q_OBJECT
public:
    explicit TFStat(QWidget *parent = nullptr);
};

}  // namespace velt
