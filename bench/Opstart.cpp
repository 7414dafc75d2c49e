// Start-up of the workbench as main() does it, up to the main window shown, then an immediate end:
// the whole process's time is the time from start to the main window on the screen.
#include <unistd.h>

#include <QApplication>
#include <QWindow>
#include <cstdio>

#include "app/Werkbank.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    LaadNederlandseVertalingen();
    TWerkbank werkbank;
    if (!werkbank.Start()) return 1;
    TBasisForm& BasisForm = werkbank.BasisForm;
    // Shown means exposed and painted once.
    while (!BasisForm.windowHandle() || !BasisForm.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    BasisForm.repaint();
    std::fflush(stdout);
    _exit(0);  // what follows the window's appearance is not part of the start-up
}
