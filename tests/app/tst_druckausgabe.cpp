#include "platform/canvas.h"
#include "platform/druckausgabe.h"
#include "platform/recordingcanvas.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Two pages: a heading and a framed line on the first, a footer on the second.
class ZweiSeiten : public Druckbar {
public:
    void druckInhalt(Canvas& c) override {
        c.setFont(QStringLiteral("DejaVu Sans"), 14, Canvas::Bold);
        c.drawText(c.pageWidth() / 10, c.pageHeight() / 10, QStringLiteral("Sauenkarte Größe"));
        c.drawRect(c.pageWidth() / 10, c.pageHeight() / 5, c.pageWidth() / 2, c.textHeight());
        c.newPage();
        c.setFont(QStringLiteral("DejaVu Sans"), 10);
        c.drawText(0, c.pageHeight() - 3 * c.textHeight(), QStringLiteral("Seite zwei"));
        breite = c.pageWidth();
        hoehe = c.pageHeight();
    }
    QPageLayout::Orientation druckAusrichtung() const override { return QPageLayout::Landscape; }
    double breite = 0, hoehe = 0;
};

} // namespace

class TestDruckausgabe : public QObject {
    Q_OBJECT
private slots:
    void pdfHoldsTheDrawnPagesAndTexts();
    void recordingCanvasKeepsPagesAndPositions();
};

void TestDruckausgabe::pdfHoldsTheDrawnPagesAndTexts() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("karte.pdf"));
    ZweiSeiten d;
    QVERIFY(druckausgabe::alsPdf(d, pdf));
    QVERIFY(d.breite > d.hoehe); // landscape
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(20000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("Sauenkarte Größe")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Seite zwei")));
    QCOMPARE(text.count(u'\f'), 2); // two pages
}

void TestDruckausgabe::recordingCanvasKeepsPagesAndPositions() {
    RecordingCanvas c(1000, 1414);
    ZweiSeiten d;
    d.druckInhalt(c);
    QCOMPARE(c.pageCount(), 2);
    const auto texts = c.texts();
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts[0].text, QStringLiteral("Sauenkarte Größe"));
    QCOMPARE(texts[0].x1, 100.0);
    QCOMPARE(texts[0].y1, 141.4);
    QCOMPARE(texts[0].style, int(Canvas::Bold));
    QCOMPARE(texts[0].page, 0);
    QCOMPARE(texts[1].page, 1);
    QCOMPARE(texts[1].y1, 1414 - 3 * 12.0);
}

QTEST_MAIN(TestDruckausgabe)
#include "tst_druckausgabe.moc"
