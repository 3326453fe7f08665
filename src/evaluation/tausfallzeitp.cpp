#include "tausfallzeitp.h"

#include "controls/fensterschliessen.h"
#include "platform/paintercanvas.h"

#include <QContextMenuEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QVBoxLayout>

namespace {

class Diagramm : public QWidget {
public:
    Diagramm(const Ausfalltage& tage, QWidget* parent) : QWidget(parent), tage_(tage) {
        setObjectName(QStringLiteral("PaintBox1"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setBrush(QColor(255, 0, 0));
        PainterCanvas c(p, width(), height());
        c.setFont(QStringLiteral("System"), 10);
        AusfallzeitpunktZeichnen(c, tage_, width(), height());
    }

private:
    const Ausfalltage& tage_;
};

} // namespace

TAusfallzeitp::TAusfallzeitp(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Ausfallzeitp"));
    setWindowTitle(QStringLiteral("Ausfallzeitpunkt"));
    setProperty("helpContext", 360);
    setAttribute(Qt::WA_DeleteOnClose);
    PaintBox1 = new Diagramm(Ausfalltage_, this);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(PaintBox1);
    resize(640, 400);
}

void TAusfallzeitp::Zeitpunkte(const std::array<std::int32_t, 76>& verlusttage) {
    for (std::size_t d = 1; d <= 75; ++d)
        Ausfalltage_[d - 1] = verlusttage[d];
    PaintBox1->update();
}

void TAusfallzeitp::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        FensterSchliessen(this);
        return;
    }
    QWidget::keyPressEvent(e);
}

void TAusfallzeitp::contextMenuEvent(QContextMenuEvent* e) {
    QMenu m(this);
    m.addAction(QStringLiteral("&Drucken"), this, [this] { druckanfrage(); });
    m.addAction(QStringLiteral("&Vorschau"), this, [this] { vorschau(); });
    m.addAction(QStringLiteral("&PDF..."), this, [this] {
        const QString datei =
            QFileDialog::getSaveFileName(this, QStringLiteral("Als PDF speichern"), QString(),
                                         QStringLiteral("PDF-Dateien (*.pdf)"));
        if (!datei.isEmpty()) alsPdf(datei);
    });
    m.exec(e->globalPos());
}

bool TAusfallzeitp::bildDrucken(QPrinter& printer) {
    const QPixmap bild = PaintBox1->grab();
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter p;
    bool ok = p.begin(&printer);
    if (ok) {
        const QRect seite = printer.pageLayout().paintRectPixels(printer.resolution());
        const QSize gross = bild.size().scaled(seite.size(), Qt::KeepAspectRatio);
        p.drawPixmap(QRect(QPoint(0, 0), gross), bild);
        ok = p.end();
    }
    printer.setPageOrientation(QPageLayout::Portrait);
    return ok;
}

void TAusfallzeitp::druckanfrage() {
    QPrinter& printer = druckausgabe::standardDrucker();
    if (QPrinterInfo::availablePrinterNames().isEmpty() &&
        printer.outputFormat() == QPrinter::NativeFormat) {
        vorschau();
        return;
    }
    bildDrucken(printer);
}

void TAusfallzeitp::vorschau() {
    QPrinter& printer = druckausgabe::standardDrucker();
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog dlg(&printer, this);
    dlg.setWindowTitle(QStringLiteral("Druckvorschau"));
    connect(&dlg, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { bildDrucken(*p); });
    dlg.exec();
    printer.setPageOrientation(QPageLayout::Portrait);
}

bool TAusfallzeitp::alsPdf(const QString& datei) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(datei);
    printer.setPageSize(QPageSize(QPageSize::A4));
    return bildDrucken(printer);
}

// The chart drawn afresh at the size of the page (the route of the shared print helpers).
void TAusfallzeitp::druckInhalt(Canvas& canvas) {
    canvas.setFont(QStringLiteral("System"), 10);
    AusfallzeitpunktZeichnen(canvas, Ausfalltage_, int(canvas.pageWidth()),
                             int(canvas.pageHeight()));
}
