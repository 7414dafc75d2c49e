// Renders the "Regels" window with a few rules and a rule being composed into a PNG, for the
// documentation: schermafdruk-regels <file.png>. Run it with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QComboBox>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

#include "app/Bestandsbeheer.h"
#include "rules/Regels.h"
#include "support/MaakModel.h"

namespace {

class TStilleDialogen : public TDialogen {
  public:
    void Meld(const std::string&) override {}
    Antwoord Vraag(const std::string&) override { return Antwoord::Annuleren; }
    std::string VraagNaam(const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> KiesBestandOmTeOpenen() override { return std::nullopt; }
    std::optional<std::string> KiesBestandOmOpTeSlaan(const std::string&) override {
        return std::nullopt;
    }
    void Beeindig() override {}
};

// Chooses an item as the user would.
void Kies(TRegelsForm& form, const char* naam, int index) {
    auto* box = form.findChild<QComboBox*>(QString::fromLatin1(naam));
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "gebruik: schermafdruk-regels <bestand.png>\n");
        return 2;
    }
    static TFuzzyModel model = MaakModel()
                                   .Input("Kamertemp", 0, 40)
                                   .Label("Koud", 0, 0, 10, 18)
                                   .Label("Normaal", 12, 18, 22, 28)
                                   .Label("Warm", 22, 30, 40, 40)
                                   .Input("Vochtig", 0, 100)
                                   .Label("Droog", 0, 0, 30, 50)
                                   .Label("Nat", 40, 70, 100, 100)
                                   .Output("Kachel", 0, 100)
                                   .Label("Uit", 0, 0, 0, 10)
                                   .Label("Laag", 0, 20, 40, 60)
                                   .Label("Hoog", 40, 70, 100, 100)
                                   .Regel({{0, 0, KoppelEN}, {1, 1, KoppelDAN}, {2, 2, KoppelGeen}})
                                   .Regel({{0, 0, KoppelEN}, {1, 0, KoppelDAN}, {2, 1, KoppelGeen}})
                                   .Regel({{0, 1, KoppelDAN}, {2, 1, KoppelGeen}})
                                   .Regel({{0, 2, KoppelDAN}, {2, 0, KoppelGeen}});

    TStilleDialogen dialogen;
    QTemporaryDir map;
    TBestandsbeheer bestanden(model, dialogen,
                              map.filePath(QStringLiteral("sjabloon.fld")).toStdString());
    TRegelsForm form(model, bestanden, dialogen, nullptr);
    form.show();
    // A new rule composed below the list: ALS Vochtig IS Nat EN Temperatuur IS Warm DAN Kachel.
    Kies(form, "Variabele1ComboBox", 1);
    Kies(form, "Label1ComboBox", 1);
    Kies(form, "Koppel1ComboBox", 0);
    Kies(form, "Variabele2ComboBox", 0);
    Kies(form, "Label2ComboBox", 2);
    Kies(form, "Koppel2ComboBox", 1);
    Kies(form, "Variabele3ComboBox", 2);
    Kies(form, "Label3ComboBox", 0);
    app.processEvents();
    if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "kan %s niet schrijven\n", argv[1]);
        return 1;
    }
    return 0;
}
