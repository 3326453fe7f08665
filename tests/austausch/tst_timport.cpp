#include "austausch/timport.h"
#include "support/herdbau.h"
#include "support/testcontext.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

// The import dialog: the dry run at once, again after another column is chosen, nothing
// written before "Importieren", the farmer told when it is done.
class TestTImport : public QObject {
    Q_OBJECT

    static QStringList zeilen(const TImport& d) {
        QStringList out;
        const auto* liste = d.findChild<QListWidget*>(QStringLiteral("Ergebnis"));
        for (int i = 0; i < liste->count(); ++i)
            out << liste->item(i)->text();
        return out;
    }

private slots:
    void probelaufUndImport() {
        TestContext t;
        t.ctx.einstellungen.einzelspeicherung = true;
        QVERIFY(schreiben(t.pfad("neu.csv"),
                          "Sau-Nr.;Farbe;Wurf;Abferkeln;Geborene\n5;rot;1;;12\n6;;1;;300\n"
                          "7;;1;1.3.13;45\n"));
        TImport d(t.ctx, t.pfad("neu.csv"));
        QVERIFY(d.gelesen());
        QCOMPARE(zeilen(d),
                 QStringList({"Sau 5: neu, 1 Wurf", "Sau 7: neu, 1 Wurf",
                              "Zeile 1: Unbekannte Spalte „Farbe“: sie wird nicht übernommen.",
                              "Zeile 3: Geborene: 300 liegt nicht zwischen 0 und 255.",
                              "Zeile 4: Sau 7, Wurf 1: 45 lebend geborene Ferkel? Bitte prüfen."}));
        QCOMPARE(
            d.findChild<QLabel*>(QStringLiteral("Zusammenfassung"))->text(),
            QStringLiteral("3 Zeilen gelesen, 2 übernommen, 1 nicht; 2 Sauen neu, 0 geändert."));

        auto* farbe = d.findChild<QComboBox*>(QStringLiteral("Zuordnung2"));
        farbe->setCurrentIndex(farbe->findText(QStringLiteral("Herkunft")));
        QCOMPARE(zeilen(d).size(), 4);
        QVERIFY(t.ctx.Sauenliste.empty());

        d.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(t.ctx.Sauenliste.size(), std::size_t(2));
        QCOMPARE(t.ctx.Sauenliste[0].rec.Herkunft(), QStringLiteral("rot"));
        QCOMPARE(t.ctx.Sauenliste[0].wuerfe.at(0).Geborene(), 12);
        QVERIFY(!t.ctx.Geaendert);
        QCOMPARE(t.messages.texts(),
                 QStringList{"Import abgeschlossen: 2 Sauen neu oder geändert."});

        // A file that cannot be read is told; nothing is offered.
        TImport fehlt(t.ctx, t.pfad("fehlt.csv"));
        QVERIFY(!fehlt.gelesen());
        QCOMPARE(t.messages.texts().size(), 2);
        QVERIFY(t.messages.texts()[1].startsWith(QStringLiteral("Die Datei ")));
    }
};

QTEST_MAIN(TestTImport)
#include "tst_timport.moc"
