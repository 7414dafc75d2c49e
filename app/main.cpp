// The workbench's entry: the Dutch standard texts, the workbench, the event loop.
#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <memory>

#include "app/Werkbank.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    LaadNederlandseVertalingen();
    try {
        auto werkbank = std::make_unique<TWerkbank>();
        if (!werkbank->Start()) return 0;
        app.exec();
    } catch (const std::exception& fout) {
        QMessageBox::critical(nullptr, QStringLiteral("FUZZY LOGIC"),
                              QString::fromUtf8(fout.what()));
    }
    return 0;
}
