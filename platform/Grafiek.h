// Helpers for the charts of the editors and the inference window, and the chart view they share.
#pragma once

#include <QChartView>

class QAbstractSeries;
class QValueAxis;

// Sets the bottom axis to lo..hi without ever holding a minimum above its maximum between the two
// steps: when lo lies above the current maximum the maximum moves first.
void ZetAsBereik(QValueAxis* as, double lo, double hi);

// The label step of a bottom axis: at least 0.5 and a multiple of it, wide enough that the labels
// of lo..hi stay apart; two minor ticks between major ones.
void ZetAsIndeling(QValueAxis* as);

// The left axis of every chart: 0 to 1 in steps of 0.1, without labels.
void ZetHoogteAs(QValueAxis* as);

// A two-dimensional chart in the workbench's look: white, no legend, a pale yellow back wall, a
// bottom axis at 0..24 until a window sets its range, and the 0..1 left axis. It only shows: no
// panning, zooming or rubber band.
class TGrafiekView : public QChartView {
    Q_OBJECT
  public:
    explicit TGrafiekView(QWidget* parent = nullptr);

    QValueAxis* OnderAs() const { return onderAs_; }
    QValueAxis* HoogteAs() const { return hoogteAs_; }

    // Adds a series in chart order, bound to both axes.
    void VoegSerieToe(QAbstractSeries* serie);

    // A frame drawn around the title.
    void ZetTitelKader(bool kader);
    bool TitelKader() const { return titelKader_; }

  protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override;

  private:
    QValueAxis* onderAs_;
    QValueAxis* hoogteAs_;
    bool titelKader_ = false;
};
