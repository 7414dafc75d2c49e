// Renders the membership editor with a variable of three labels into a PNG, for the README.
// Usage: schermafdruk-lidmaatschap <file.png>; run under QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "app/Bestandsbeheer.h"
#include "membership/Lidmaatschap.h"
#include "platform/QtDialogen.h"
#include "support/MaakModel.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "gebruik: %s <bestand.png>\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);

    static TFuzzyModel model = MaakModel()
                                   .Input("Kamertemp", 0, 40)
                                   .Label("Koud", 0, 0, 10, 18)
                                   .Label("Behaaglijk", 14, 19, 22, 27)
                                   .Label("Warm", 23, 30, 40, 40)
                                   .Output("Kachel", 0, 100)
                                   .Label("Uit", 0, 0, 0, 20);

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
