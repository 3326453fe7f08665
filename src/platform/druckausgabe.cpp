#include "druckausgabe.h"

#include "messages.h"
#include "paintercanvas.h"
#include "qtmessages.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

void Druckbar::druckanfrage() {
    druckausgabe::drucken(*this, QApplication::activeWindow());
}

namespace druckausgabe {

namespace {

void fehler(Druckbar& d, const QString& text) {
    if (MessageService* m = d.druckMeldungen()) {
        m->error(text);
        return;
    }
    QtMessages().error(text);
}

} // namespace

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
    printer.setPageOrientation(d.druckAusrichtung());
    printer.setDocName(d.druckTitel());
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF seite = printer.pageLayout().paintRectPixels(printer.resolution());
    PainterCanvas canvas(painter, seite.width(), seite.height(), &printer);
    d.druckInhalt(canvas);
    return painter.end();
}

void vorschau(Druckbar& d, QWidget* parent) {
    QPrinter& printer = standardDrucker();
    printer.setPageOrientation(d.druckAusrichtung());
    QPrintPreviewDialog dlg(&printer, parent);
    dlg.setWindowTitle(QStringLiteral("Druckvorschau"));
    QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg, [&d](QPrinter* p) {
        QPainter painter(p);
        const QRectF seite = p->pageLayout().paintRectPixels(p->resolution());
        PainterCanvas canvas(painter, seite.width(), seite.height(), p);
        d.druckInhalt(canvas);
    });
    dlg.exec();
}

void drucken(Druckbar& d, QWidget* parent) {
    QPrinter& printer = standardDrucker();
    // Without a printer (and no file chosen in the printer set-up) there is nowhere to print.
    if (printer.outputFileName().isEmpty() && QPrinterInfo::availablePrinterNames().isEmpty()) {
        vorschau(d, parent);
        return;
    }
    if (aufDrucker(d, printer)) return;
    fehler(d, QStringLiteral("Der Drucker %1 kann nicht benutzt werden. In der Druckvorschau "
                             "kann ein anderer Drucker gewählt oder als PDF gespeichert werden.")
                  .arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                          : printer.outputFileName()));
    vorschau(d, parent);
}

bool alsPdf(Druckbar& d, const QString& datei) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(datei);
    printer.setPageSize(QPageSize(QPageSize::A4));
    return aufDrucker(d, printer);
}

bool pdfSpeichern(Druckbar& d, QWidget* parent) {
    const QString datei =
        QFileDialog::getSaveFileName(parent, QStringLiteral("Als PDF speichern"),
                                     QDir::home().filePath(d.druckTitel() + QStringLiteral(".pdf")),
                                     QStringLiteral("PDF-Dateien (*.pdf)"));
    if (datei.isEmpty()) return false;
    if (alsPdf(d, datei)) return true;
    fehler(d, QStringLiteral("Die Datei %1 konnte nicht geschrieben werden!").arg(datei));
    return false;
}

} // namespace druckausgabe
