#include "druckausgabe.h"

#include "paintercanvas.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

void Druckbar::druckanfrage() {
    druckausgabe::drucken(*this, QApplication::activeWindow());
}

namespace druckausgabe {

QPrinter& standardDrucker() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
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
    if (QPrinterInfo::availablePrinterNames().isEmpty() &&
        printer.outputFormat() == QPrinter::NativeFormat) {
        vorschau(d, parent);
        return;
    }
    aufDrucker(d, printer);
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
    QMessageBox::critical(
        parent, QStringLiteral("Fehler"),
        QStringLiteral("Die Datei %1 konnte nicht geschrieben werden!").arg(datei));
    return false;
}

} // namespace druckausgabe
