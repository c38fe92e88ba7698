#pragma once

#include <QString>
#include <QWidget>

#include <array>

class QLabel;
class QStatusBar;

namespace velt {

// The main window's four status panels: port, model, type code and the
// messages of the exchanges. The first three are at least as wide as the
// layout asks for and grow with their text rather than cut it.
class StatusPanels : public QObject {
    Q_OBJECT
public:
    explicit StatusPanels(QStatusBar *bar);

    void SetText(int panel, const QString &text);
    QString Text(int panel) const;

private:
    std::array<QLabel *, 4> panels_{};
};

}  // namespace velt
