#include "platform/Grafiek.h"

#include <QAbstractSeries>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsTextItem>
#include <QPainter>
#include <QValueAxis>
#include <cmath>

void ZetAsBereik(QValueAxis* as, double lo, double hi) {
    // Between the two steps below the axis may span from the old range to the new one: under the
    // old, fine label step that can be millions of ticks, all laid out at once. A fixed tick count
    // holds until ZetAsIndeling has chosen the step for the new range.
    as->setTickType(QValueAxis::TicksFixed);
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
    // The step first: switching to dynamic ticks under the previous step could lay out far too
    // many of them.
    as->setTickInterval(stap);
    as->setTickAnchor(std::floor(as->min() / stap) * stap);
    as->setMinorTickCount(2);
    as->setTickType(QValueAxis::TicksDynamic);
    // 2.5 and 7.5 must not print as 2 and 8.
    as->setLabelFormat(std::floor(stap) == stap ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
}

void ZetHoogteAs(QValueAxis* as) {
    as->setRange(0.0, 1.0);
    as->setTickType(QValueAxis::TicksFixed);
    as->setTickCount(11);
    as->setMinorTickCount(0);
    as->setLabelsVisible(false);
}

TGrafiekView::TGrafiekView(QWidget* parent) : QChartView(parent) {
    QChart* grafiek = new QChart();
    grafiek->legend()->hide();
    grafiek->setBackgroundRoundness(0);
    grafiek->setBackgroundBrush(Qt::white);
    grafiek->setPlotAreaBackgroundBrush(QColor(255, 255, 128));
    grafiek->setPlotAreaBackgroundVisible(true);
    grafiek->layout()->setContentsMargins(0, 0, 0, 0);
    grafiek->setMargins(QMargins(6, 2, 12, 2));

    QFont titel(QStringLiteral("Liberation Sans"));
    titel.setPixelSize(12);
    titel.setBold(true);
    grafiek->setTitleFont(titel);
    QFont labels(QStringLiteral("Liberation Sans"));
    labels.setPixelSize(11);

    onderAs_ = new QValueAxis(grafiek);
    onderAs_->setRange(0.0, 24.0);
    onderAs_->setLabelsFont(labels);
    ZetAsIndeling(onderAs_);
    hoogteAs_ = new QValueAxis(grafiek);
    ZetHoogteAs(hoogteAs_);
    grafiek->addAxis(onderAs_, Qt::AlignBottom);
    grafiek->addAxis(hoogteAs_, Qt::AlignLeft);

    // QChartView made a chart of its own and gives up ownership of it when another is set.
    QChart* eigen = chart();
    setChart(grafiek);
    delete eigen;
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::NoRubberBand);
    setDragMode(QGraphicsView::NoDrag);
    setFrameShape(QFrame::NoFrame);
}

void TGrafiekView::VoegSerieToe(QAbstractSeries* serie) {
    chart()->addSeries(serie);
    serie->attachAxis(onderAs_);
    serie->attachAxis(hoogteAs_);
}

void TGrafiekView::ZetTitelKader(bool kader) {
    titelKader_ = kader;
    viewport()->update();
}

void TGrafiekView::drawForeground(QPainter* painter, const QRectF& rect) {
    QChartView::drawForeground(painter, rect);
    if (!titelKader_ || chart()->title().isEmpty()) return;
    // The chart lays its title out itself; the frame follows the item it placed.
    for (QGraphicsItem* item : chart()->childItems()) {
        auto* tekst = qgraphicsitem_cast<QGraphicsTextItem*>(item);
        if (!tekst || !tekst->isVisible() || tekst->toPlainText() != chart()->title()) continue;
        painter->save();
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(tekst->sceneBoundingRect().adjusted(0.5, 0.5, -0.5, -0.5));
        painter->restore();
        break;
    }
}
