// Renders the "Regels" window with a few rules and a rule being composed into a PNG, for the
// documentation: schermafdruk-regels <file.png>. Run it with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QComboBox>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

#include "app/Bestandsbeheer.h"
#include "rules/Regels.h"

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

void ZetNaam(TNaam& doel, const char* naam) {
    std::memset(doel, 0, sizeof(TNaam));
    std::strncpy(doel, naam, MaxNaamLengte);
}

TVariabele& Variabele(TFuzzyModel& m, const char* naam, int isOutput, int min, int max) {
    TVariabele& v = m.VariabeleLijst[m.AantalVariabelen++];
    ZetNaam(v.Naam, naam);
    v.IsOutput = static_cast<std::int8_t>(isOutput);
    v.Min = min;
    v.Max = max;
    (isOutput ? m.AantalOutputs : m.AantalInputs)++;
    return v;
}

void Label(TVariabele& v, const char* naam, int a, int b, int c, int d) {
    TFuzzyLabel& l = v.Labels[v.AantalLabels++];
    ZetNaam(l.Naam, naam);
    l.A = a;
    l.B = b;
    l.C = c;
    l.D = d;
}

void Regel(TFuzzyModel& m, std::initializer_list<TRegelTerm> termen) {
    TRegel& r = m.RegelLijst[m.AantalRegels++];
    r.AantalTermen = static_cast<int>(termen.size());
    int t = 0;
    for (const TRegelTerm& term : termen) r.Termen[t++] = term;
}

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
    static TFuzzyModel model{};
    TVariabele& temp = Variabele(model, "Kamertemp", 0, 0, 40);
    Label(temp, "Koud", 0, 0, 10, 18);
    Label(temp, "Normaal", 12, 18, 22, 28);
    Label(temp, "Warm", 22, 30, 40, 40);
    TVariabele& vocht = Variabele(model, "Vochtig", 0, 0, 100);
    Label(vocht, "Droog", 0, 0, 30, 50);
    Label(vocht, "Nat", 40, 70, 100, 100);
    TVariabele& kachel = Variabele(model, "Kachel", 1, 0, 100);
    Label(kachel, "Uit", 0, 0, 0, 10);
    Label(kachel, "Laag", 0, 20, 40, 60);
    Label(kachel, "Hoog", 40, 70, 100, 100);
    Regel(model, {{0, 0, KoppelEN}, {1, 1, KoppelDAN}, {2, 2, KoppelGeen}});
    Regel(model, {{0, 0, KoppelEN}, {1, 0, KoppelDAN}, {2, 1, KoppelGeen}});
    Regel(model, {{0, 1, KoppelDAN}, {2, 1, KoppelGeen}});
    Regel(model, {{0, 2, KoppelDAN}, {2, 0, KoppelGeen}});

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
