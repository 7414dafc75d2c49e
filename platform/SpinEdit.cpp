#include "platform/SpinEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>
#include <limits>

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
    // QSpinBox defaults to 0..99; this control has no limits of its own.
    setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    setSingleStep(1);
    setValue(0);
    lineEdit()->setReadOnly(true);
}

void TSpinEdit::keyPressEvent(QKeyEvent* event) {
    // Page keys would step by ten; only single steps exist here.
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        event->ignore();
        return;
    }
    // Enter re-reads the text and reports it as a change although nothing can have been typed.
    if (event->key() == Qt::Key_Enter || event->key() == Qt::Key_Return) {
        event->ignore();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

void TSpinEdit::wheelEvent(QWheelEvent* event) {
    // Scrolling past a window must not change a bound or a trapezoid point.
    event->ignore();
}
