// The workbench's entry: the model, the dialogue layer, the four windows, the event loop.
#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "app/Basis.h"
#include "app/Bestandsbeheer.h"
#include "platform/QtDialogen.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    LaadNederlandseVertalingen();
    try {
        // Static, so it starts all-zero like the program's one knowledge base always did.
        static TFuzzyModel FuzzyModel{};
        TQtDialogen dialogen;
        TBestandsbeheer bestanden(FuzzyModel, dialogen);
        TBasisForm BasisForm(FuzzyModel, bestanden, dialogen);
        if (!BasisForm.FormCreate()) return 0;
        BasisForm.MaakVensters();
        BasisForm.show();
        app.exec();
    } catch (const std::exception& fout) {
        QMessageBox::critical(nullptr, QStringLiteral("FUZZY LOGIC"),
                              QString::fromUtf8(fout.what()));
    }
    return 0;
}
