// Renders the window "Output" in the Fired state into a PNG, for the documentation:
//   schermafdruk-inferentie UIT.png [PROJECT.FLB WAARDE...]
// Without a project it shows a heating controller of two inputs, three labels each, and seven
// rules, four of which fire at the chosen values.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
#include <cstring>
#include <string>

#include "inference/Inferentie.h"
#include "model/Bestand.h"
#include "platform/SpinEdit.h"

namespace {

void ZetNaam(TNaam& doel, const char* naam) {
    std::memset(doel, 0, sizeof(TNaam));
    std::strncpy(doel, naam, MaxNaamLengte);
}

struct TLabelDef {
    const char* naam;
    int a, b, c, d;
};

void Variabele(TFuzzyModel& m, const char* naam, bool output, int min, int max,
               std::initializer_list<TLabelDef> labels) {
    TVariabele& v = m.VariabeleLijst[m.AantalVariabelen++];
    ZetNaam(v.Naam, naam);
    v.IsOutput = output ? 1 : 0;
    v.Min = min;
    v.Max = max;
    for (const TLabelDef& l : labels) {
        TFuzzyLabel& fl = v.Labels[v.AantalLabels++];
        ZetNaam(fl.Naam, l.naam);
        fl.A = l.a;
        fl.B = l.b;
        fl.C = l.c;
        fl.D = l.d;
    }
    (output ? m.AantalOutputs : m.AantalInputs)++;
}

// Conditions (variable, label) joined by EN, then DAN the output's label.
void Regel(TFuzzyModel& m, std::initializer_list<std::pair<int, int>> condities, int conclusie) {
    TRegel& r = m.RegelLijst[m.AantalRegels++];
    for (auto [v, l] : condities) {
        r.Termen[r.AantalTermen++] = {v, l, KoppelEN};
    }
    r.Termen[r.AantalTermen - 1].Koppel = KoppelDAN;
    r.Termen[r.AantalTermen++] = {2, conclusie, KoppelGeen};
}

TFuzzyModel Verwarming() {
    TFuzzyModel m{};
    Variabele(m, "Binnentemp", false, 0, 40,
              {{"Koud", 0, 0, 10, 20}, {"Lauw", 10, 18, 22, 30}, {"Warm", 20, 30, 40, 40}});
    Variabele(
        m, "Vocht", false, 0, 100,
        {{"Droog", 0, 0, 30, 50}, {"Normaal", 30, 45, 55, 70}, {"Vochtig", 50, 70, 100, 100}});
    Variabele(m, "Kachel", true, 0, 100,
              {{"Laag", 0, 0, 20, 45}, {"Midden", 30, 45, 55, 70}, {"Hoog", 55, 80, 100, 100}});
    Regel(m, {{0, 0}, {1, 2}}, 2);
    Regel(m, {{0, 0}, {1, 0}}, 2);
    Regel(m, {{0, 1}, {1, 1}}, 1);
    Regel(m, {{0, 1}, {1, 2}}, 1);
    Regel(m, {{0, 2}}, 0);
    Regel(m, {{0, 0}, {1, 1}}, 2);
    Regel(m, {{0, 1}, {1, 0}}, 0);
    m.ImplicatieMethode = 1;
    m.DefuzzificatieMethode = 1;
    return m;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTextStream fout(stderr);
    if (argc < 2) {
        fout << "gebruik: schermafdruk-inferentie UIT.png [PROJECT.FLB WAARDE...]\n";
        return 2;
    }
    static TFuzzyModel model{};
    QList<int> waarden;
    if (argc >= 3) {
        QFile bestand(QString::fromLocal8Bit(argv[2]));
        if (!bestand.open(QIODevice::ReadOnly)) {
            fout << "kan " << argv[2] << " niet openen\n";
            return 1;
        }
        const QByteArray tekst = bestand.readAll();
        if (!LeesBestand(model, std::string_view(tekst.constData(), tekst.size()))) {
            fout << argv[2] << " is geen projectbestand\n";
            return 1;
        }
        for (int i = 3; i < argc; ++i) waarden.append(std::stoi(argv[i]));
    } else {
        model = Verwarming();
        waarden = {14, 62};
    }

    TInferentieForm form(model, nullptr);
    form.show();
    for (int k = 0; k < waarden.size() && k < MaxInputs; ++k) {
        auto* spin = form.findChild<TSpinEdit*>(QStringLiteral("CSpinEditVariabele%1").arg(k + 1));
        if (spin) spin->setValue(waarden[k]);
    }
    form.findChild<QPushButton*>(QStringLiteral("OutputButton"))->click();
    for (int i = 0; i < 5; ++i) app.processEvents();
    if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
        fout << "kan " << argv[1] << " niet schrijven\n";
        return 1;
    }
    fout << "uitkomst " << form.findChild<QLineEdit*>(QStringLiteral("UitkomstEdit"))->text()
         << '\n';
    return 0;
}
