// Renders the membership editor with a variable of three labels into a PNG, for the README.
// Usage: schermafdruk-lidmaatschap <file.png>; run under QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstring>

#include "app/Bestandsbeheer.h"
#include "membership/Lidmaatschap.h"
#include "platform/QtDialogen.h"

namespace {

void ZetNaam(TNaam& doel, const char* naam) {
    std::memset(doel, 0, sizeof(TNaam));
    std::strncpy(doel, naam, MaxNaamLengte);
}

void ZetLabel(TVariabele& v, const char* naam, int a, int b, int c, int d) {
    TFuzzyLabel& l = v.Labels[v.AantalLabels++];
    ZetNaam(l.Naam, naam);
    l.A = a;
    l.B = b;
    l.C = c;
    l.D = d;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "gebruik: %s <bestand.png>\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);

    static TFuzzyModel model{};
    model.AantalInputs = 1;
    model.AantalOutputs = 1;
    model.AantalVariabelen = 2;
    TVariabele& temp = model.VariabeleLijst[0];
    ZetNaam(temp.Naam, "Kamertemp");
    temp.Min = 0;
    temp.Max = 40;
    ZetLabel(temp, "Koud", 0, 0, 10, 18);
    ZetLabel(temp, "Behaaglijk", 14, 19, 22, 27);
    ZetLabel(temp, "Warm", 23, 30, 40, 40);
    TVariabele& kachel = model.VariabeleLijst[1];
    ZetNaam(kachel.Naam, "Kachel");
    kachel.IsOutput = 1;
    kachel.Min = 0;
    kachel.Max = 100;
    ZetLabel(kachel, "Uit", 0, 0, 0, 20);

    TQtDialogen dialogen;
    TBestandsbeheer bestanden(model, dialogen);
    TLidmaatschapForm venster(model, bestanden, dialogen, nullptr);
    venster.show();
    QApplication::processEvents();
    if (!venster.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "kan %s niet schrijven\n", argv[1]);
        return 1;
    }
    return 0;
}
