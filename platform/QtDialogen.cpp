#include "platform/QtDialogen.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include "platform/Tekens.h"

namespace {

const QString Titel = QStringLiteral("FUZZY LOGIC");
const QString Filter = QStringLiteral("Fuzzy Logic Bestand (*.FLB *.flb)");

}  // namespace

QWidget* TQtDialogen::Eigenaar() {
    if (QWidget* modaal = QApplication::activeModalWidget()) return modaal;
    return QApplication::activeWindow();
}

void TQtDialogen::Meld(const std::string& tekst) {
    QMessageBox box(QMessageBox::Warning, Titel, NaarQString(tekst), QMessageBox::Ok, Eigenaar());
    box.exec();
}

Antwoord TQtDialogen::Vraag(const std::string& tekst) {
    QMessageBox box(QMessageBox::NoIcon, Titel, NaarQString(tekst),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Eigenaar());
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Antwoord::Ja;
        case QMessageBox::No:
            return Antwoord::Nee;
        default:
            return Antwoord::Annuleren;
    }
}

std::string TQtDialogen::VraagNaam(const std::string& titel, const std::string& prompt) {
    bool ok = false;
    const QString tekst = QInputDialog::getText(Eigenaar(), NaarQString(titel), NaarQString(prompt),
                                                QLineEdit::Normal, QString(), &ok);
    if (!ok) return std::string();
    // A character the project file cannot hold becomes SUB (0x1A), a control character that the
    // editors' name check refuses; a '?' would slip through as a real question mark. A pair of
    // surrogates is one character.
    std::string naam;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const bool paar =
            tekst[i].isHighSurrogate() && i + 1 < tekst.size() && tekst[i + 1].isLowSurrogate();
        const std::optional<std::string> teken = NaarCp1252(tekst.mid(i, paar ? 2 : 1));
        naam += teken ? *teken : std::string("\x1A");
        if (paar) ++i;
    }
    return naam;
}

std::optional<std::string> TQtDialogen::KiesBestandOmTeOpenen() {
    QFileDialog dialoog(Eigenaar(), QString(), QString(), Filter);
    dialoog.setAcceptMode(QFileDialog::AcceptOpen);
    dialoog.setFileMode(QFileDialog::ExistingFile);
    dialoog.setDefaultSuffix(QStringLiteral("FLB"));
    if (dialoog.exec() != QDialog::Accepted || dialoog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialoog.selectedFiles().first()).toStdString();
}

std::optional<std::string> TQtDialogen::KiesBestandOmOpTeSlaan(const std::string& huidig) {
    QFileDialog dialoog(Eigenaar(), QString(), QString(), Filter);
    dialoog.setAcceptMode(QFileDialog::AcceptSave);
    dialoog.setFileMode(QFileDialog::AnyFile);
    dialoog.setDefaultSuffix(QStringLiteral("FLB"));
    // Save As makes a backup instead of asking.
    dialoog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!huidig.empty()) dialoog.selectFile(QFile::decodeName(huidig.c_str()));
    if (dialoog.exec() != QDialog::Accepted || dialoog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialoog.selectedFiles().first()).toStdString();
}

void TQtDialogen::Beeindig() {
    // Hiding a modal dialog ends its exec() without running its close question; exit() then ends
    // every event loop that is still running.
    for (QWidget* venster : QApplication::topLevelWidgets())
        if (auto* dialoog = qobject_cast<QDialog*>(venster); dialoog && dialoog->isVisible())
            dialoog->hide();
    QCoreApplication::exit(0);
}

void LaadNederlandseVertalingen() {
    auto* vertaler = new QTranslator(qApp);
    if (vertaler->load(QLocale(QLocale::Dutch), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(vertaler);
}
