// Helpers for the charts of the editors and the inference window.
#pragma once

class QValueAxis;

// Sets the bottom axis to lo..hi without ever holding a minimum above its maximum between the two
// steps: when lo lies above the current maximum the maximum moves first.
void ZetAsBereik(QValueAxis* as, double lo, double hi);

// The label step of a bottom axis: at least 0.5 and a multiple of it, wide enough that the labels
// of lo..hi stay apart; two minor ticks between major ones.
void ZetAsIndeling(QValueAxis* as);

// The left axis of every chart: 0 to 1 in steps of 0.1, without labels.
void ZetHoogteAs(QValueAxis* as);
