#pragma once

#include <QProgressBar>

namespace kestrane {

// A 3-D panel used as a fill gauge: filled from the left in proportion to a percentage 0..100,
// with the same percentage as a whole number, without a percent sign, as its caption. Assistive
// tools read the value as a progress bar's.
class FloodGauge : public QProgressBar
{
    Q_OBJECT

public:
    explicit FloodGauge(QWidget* parent = nullptr);

    QString text() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kestrane
