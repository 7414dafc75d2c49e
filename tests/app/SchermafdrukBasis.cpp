// Renders the main window, with its "Bestand" menu open, into a PNG for the documentation.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>

#include "app/Werkbank.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    QApplication app(argc, argv);
    LaadNederlandseVertalingen();
    TWerkbank werkbank;
    if (!werkbank.Start()) return 1;
    TBasisForm& venster = werkbank.BasisForm;
    QMenu* menu = venster.menuBar()->actions().first()->menu();
    QTimer::singleShot(100, [&]() {
        menu->popup(venster.mapToGlobal(venster.menuBar()->geometry().bottomLeft()));
        QTimer::singleShot(100, [&]() {
            const QPixmap raam = venster.grab();
            const QPixmap uitklap = menu->grab();
            const int balk = 24;
            QPixmap beeld(std::max(raam.width(), uitklap.width() + 8) + 16,
                          balk + std::max(raam.height(), venster.menuBar()->height() + uitklap.height()) + 16);
            beeld.fill(QColor(90, 110, 140));
            QPainter p(&beeld);
            // The window manager's title bar is not part of a grab: draw one with the caption.
            p.fillRect(8, 8, raam.width(), balk, QColor(40, 70, 120));
            p.setPen(Qt::white);
            p.drawText(QRect(16, 8, raam.width() - 16, balk), Qt::AlignVCenter, venster.windowTitle());
            p.drawPixmap(8, 8 + balk, raam);
            p.drawPixmap(8, 8 + balk + venster.menuBar()->height(), uitklap);
            p.end();
            beeld.save(QString::fromLocal8Bit(argv[1]));
            menu->hide();
            app.exit(0);
        });
    });
    return app.exec();
}
