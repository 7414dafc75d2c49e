// Small helpers shared by the windows: a control at its pixel place with its name as object name,
// and the window fonts.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

// The original faces (MS Sans Serif, Arial) in the metric-compatible Liberation Sans, sized in
// pixels so that captions keep inside their places.
inline QFont Lettertype(int pixels, bool vet = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(vet);
    return font;
}

template <typename T>
T* Maak(QWidget* ouder, const char* naam, int links, int boven, int breedte, int hoogte) {
    T* w = new T(ouder);
    w->setObjectName(QString::fromLatin1(naam));
    w->setGeometry(links, boven, breedte, hoogte);
    return w;
}
