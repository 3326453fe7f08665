#include "platform/canvas.h"
#include "platform/druckausgabe.h"
#include "platform/paintercanvas.h"
#include "platform/qtmessages.h"
#include "support/fakemessages.h"
#include "support/modaltreiber.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

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
    MessageService* druckMeldungen() const override { return meldungen; }
    double breite = 0, hoehe = 0;
    FakeMessages* meldungen = nullptr;
};

} // namespace

class TestDruckausgabe : public QObject {
    Q_OBJECT
private slots:
    void druckenOhneDruckerOeffnetVorschau_data() {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<bool>("meldung");
        QTest::newRow("no printer installed") << QString() << false;
        QTest::newRow("printer cannot start") << QStringLiteral("/gibt/es/nicht/x.pdf") << true;
    }
    void druckenOhneDruckerOeffnetVorschau() {
        QFETCH(QString, datei);
        QFETCH(bool, meldung);
        if (datei.isEmpty() && !QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer is installed here");
        druckausgabe::standardDrucker().setOutputFileName(datei);
        FakeMessages m;
        ZweiSeiten d;
        d.meldungen = &m;
        ModalTreiber treiber;
        bool vorschau = false;
        treiber.dann([&](QDialog* dlg) { vorschau = qobject_cast<QPrintPreviewDialog*>(dlg); });
        druckausgabe::drucken(d);
        druckausgabe::standardDrucker().setOutputFileName({});
        QVERIFY(vorschau);
        QCOMPARE(m.shown.size(), meldung ? 1 : 0);
        if (meldung) QVERIFY(m.shown[0].text.startsWith(QStringLiteral("Der Drucker")));
    }

    void enterBeantwortetDenVorgabeknopf_data() {
        QTest::addColumn<int>("knoepfe");
        QTest::addColumn<int>("antwort");
        QTest::newRow("Ja/Nein") << int(MessageService::Buttons::YesNo)
                                 << int(MessageService::Answer::Yes);
        QTest::newRow("before deleting")
            << int(MessageService::Buttons::YesNoDefaultNo) << int(MessageService::Answer::No);
    }
    void enterBeantwortetDenVorgabeknopf() {
        QFETCH(int, knoepfe);
        QFETCH(int, antwort);
        ModalTreiber treiber;
        treiber.dann([](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); });
        QtMessages m;
        QCOMPARE(int(m.question(QStringLiteral("Wirklich?"), MessageService::Buttons(knoepfe))),
                 antwort);
    }

    void pdfHaeltSeitenUndTexte() {
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

    // A printer has far more dots than the screen shows: its lines must still come out black,
    // the first ones of a page as much as those after a change of pen.
    void linienBleibenSchwarzAufFeinemRaster_data() {
        QTest::addColumn<bool>("gepunktetVorher");
        QTest::newRow("first line of a page") << false;
        QTest::newRow("after a dotted line") << true;
    }
    void linienBleibenSchwarzAufFeinemRaster() {
        QFETCH(bool, gepunktetVorher);
        QImage bild(100, 40, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(0.05, 0.05); // 1200 dots per inch seen at 60
        PainterCanvas c(p, 2000, 800);
        if (gepunktetVorher) {
            c.setPen(0, Canvas::Gepunktet);
            c.setPen(0);
        }
        c.drawLine(0, 400, 2000, 400);
        c.drawRect(200, 100, 1000, 600);
        p.end();
        QVERIFY2(qGray(bild.pixel(50, 20)) < 128, "line drawn faint");
        QVERIFY2(qGray(bild.pixel(60, 5)) < 128, "frame drawn faint");
    }
};

QTEST_MAIN(TestDruckausgabe)
#include "tst_druckausgabe.moc"
