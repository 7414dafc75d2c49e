// The integer spin edit of the editors and the inference window: a 32-bit value, no limits of its
// own unless a window sets them, step 1, a text that cannot be typed into (only the buttons and the
// arrow keys change it), and valueChanged whenever the shown value changes, also when the program
// sets it; setting the value it already shows raises nothing.
#pragma once

#include <QSpinBox>

class TSpinEdit : public QSpinBox {
    Q_OBJECT
  public:
    explicit TSpinEdit(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};
