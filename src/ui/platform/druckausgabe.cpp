#include "platform/druckausgabe.h"

#include "platform/messages.h"
#include "platform/paintercanvas.h"
#include "platform/safewrite.h"
#include "platform/wartecursor.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

void Druckfenster::druckanfrage() {
    druckausgabe::drucken(*this, QApplication::activeWindow());
}

namespace druckausgabe {

QPrinter& standardDrucker() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

void druckerEinrichten(QWidget* parent) {
    QPrintDialog dlg(&standardDrucker(), parent);
    dlg.setWindowTitle(QStringLiteral("Drucker einrichten"));
    if (auto* knoepfe = dlg.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = knoepfe->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    dlg.exec();
}

bool aufDrucker(Druckbar& d, QPrinter& printer) {
    printer.setDocName(d.druckTitel());
    return aufSeiten(d, printer);
}

namespace {

void fehler(Druckbar& d, QWidget* parent, const QString& text) {
    if (MessageService* m = d.druckMeldungen())
        m->error(text);
    else
        QMessageBox::critical(parent, QStringLiteral("Fehler"), text);
}

// Printing a long list takes a while; a failure is told after the wait cursor is gone.
template <typename F> bool mitWartecursor(F drucken) {
    Wartecursor warten;
    return drucken();
}

QString dateiFehler(const QString& datei, const QString& grund) {
    return SchreibFehlerText(QFileInfo(datei).fileName(), QFileInfo(datei).absoluteFilePath(),
                             grund);
}

} // namespace

void vorschau(Druckbar& d, QWidget* parent) {
    ausgeben(d, Ziel::Vorschau, parent);
}

void drucken(Druckbar& d, QWidget* parent) {
    ausgeben(d, Ziel::Drucker, parent);
}

bool pdfSpeichern(Druckbar& d, QWidget* parent) {
    return ausgeben(d, Ziel::Pdf, parent);
}

bool ausgeben(Druckbar& d, Ziel ziel, QWidget* parent, const QString& datei) {
    QPrinter& printer = standardDrucker();
    // Without a printer (and no file chosen in the printer set-up) there is nowhere to print.
    if (ziel == Ziel::Drucker && printer.outputFileName().isEmpty() &&
        QPrinterInfo::availablePrinterNames().isEmpty())
        ziel = Ziel::Vorschau;
    switch (ziel) {
    case Ziel::Drucker:
        if (mitWartecursor([&] { return aufDrucker(d, printer); })) return true;
        // Never nothing: the user is told, and the preview offers another printer or a PDF.
        fehler(d, parent,
               QStringLiteral("Der Drucker %1 kann nicht benutzt werden. In der Druckvorschau "
                              "kann ein anderer Drucker gewählt oder als PDF gespeichert werden.")
                   .arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                           : printer.outputFileName()));
        return ausgeben(d, Ziel::Vorschau, parent);
    case Ziel::Vorschau: {
        printer.setPageOrientation(d.druckAusrichtung());
        QPrintPreviewDialog dlg(&printer, parent);
        dlg.setWindowTitle(QStringLiteral("Druckvorschau"));
        QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg, [&d](QPrinter* p) {
            Wartecursor warten;
            QPainter painter(p);
            const QRectF seite = p->pageLayout().paintRectPixels(p->resolution());
            PainterCanvas canvas(painter, seite.width(), seite.height(), p);
            d.druckInhalt(canvas);
        });
        dlg.exec();
        return true;
    }
    case Ziel::Pdf: {
        const QString pfad =
            !datei.isEmpty() ? datei
                             : QFileDialog::getSaveFileName(
                                   parent, QStringLiteral("Als PDF speichern"),
                                   QDir::home().filePath(d.druckTitel() + QStringLiteral(".pdf")),
                                   QStringLiteral("PDF-Dateien (*.pdf)"));
        if (pfad.isEmpty()) return false;
        QString grund;
        if (mitWartecursor([&] { return alsPdf(d, pfad, &grund); })) return true;
        fehler(d, parent, dateiFehler(pfad, grund));
        return false;
    }
    }
    return false;
}

} // namespace druckausgabe
