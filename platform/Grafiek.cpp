#include "platform/Grafiek.h"

#include <QValueAxis>
#include <cmath>

void ZetAsBereik(QValueAxis* as, double lo, double hi) {
    if (lo > as->max()) {
        as->setMax(hi);
        as->setMin(lo);
    } else {
        as->setMin(lo);
        as->setMax(hi);
    }
    ZetAsIndeling(as);
}

void ZetAsIndeling(QValueAxis* as) {
    const double breedte = as->max() - as->min();
    double stap = 0.5;
    // 0.5, 1, 2.5, 5, 10, 25, 50 ...: at most about ten labels across a chart.
    static const double factoren[] = {1.0, 2.0, 5.0};
    for (double schaal = 0.5; breedte / stap > 10.0; schaal *= 10.0) {
        for (double f : factoren) {
            stap = schaal * f;
            if (breedte / stap <= 10.0) break;
        }
    }
    as->setTickType(QValueAxis::TicksDynamic);
    as->setTickAnchor(std::floor(as->min() / stap) * stap);
    as->setTickInterval(stap);
    as->setMinorTickCount(2);
    as->setLabelFormat(stap < 1.0 ? QStringLiteral("%.1f") : QStringLiteral("%.0f"));
}

void ZetHoogteAs(QValueAxis* as) {
    as->setRange(0.0, 1.0);
    as->setTickType(QValueAxis::TicksFixed);
    as->setTickCount(11);
    as->setMinorTickCount(0);
    as->setLabelsVisible(false);
}
