#include "entry/anomalien.h"

#include <QtTest>

namespace {

const TKurzDatum kFerkeln = TKurzDatum::aus(1, 3, 2013);

// Slots as "nr:text:day", e.g. "14:Spreizer:0".
TWurfRec wurfMit(const QStringList& belegung) {
    TWurfRec w = TWurfRec::leer(2);
    for (const QString& s : belegung) {
        const QStringList t = s.split(u':');
        w.setEintrag(t[0].toInt(), t[1]);
        w.setVerlusttag(t[0].toInt(), std::uint8_t(t[2].toInt()));
    }
    return w;
}

QStringList belegt(const TWurfRec& w) {
    QStringList out;
    for (int i = 1; i <= 14; ++i)
        if (!w.Eintrag(i).isEmpty() || w.Verlusttag(i) != 0)
            out << QStringLiteral("%1:%2:%3").arg(i).arg(w.Eintrag(i)).arg(w.Verlusttag(i));
    return out;
}

// Each line as drawn: "date|text", or the text alone when no date is drawn.
QStringList gezeichnet(const AnomalDaten& a) {
    QStringList out;
    for (int i = 0; i < a.zeilen(); ++i) {
        const AnomalDaten::Anzeige z = a.zeilenAnzeige(i);
        out << (z.mitDatum ? z.datum + u'|' + z.text : z.text);
    }
    return out;
}

} // namespace

class TestAnomalien : public QObject {
    Q_OBJECT
private slots:
    void oeffnenBearbeitenOk_data() {
        QTest::addColumn<QStringList>("vorher");
        QTest::addColumn<int>("modus");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QString>("text0"); // typed into line 0 before OK; "=" types nothing
        QTest::addColumn<QStringList>("nachher");

        QTest::newRow("three losses on an empty litter")
            << QStringList{} << 1 << 3 << QStringList{"1.3.13|", "1.3.13|", "1.3.13|"} << "="
            << QStringList{"1::1", "2::1", "3::1"};
        QTest::newRow("two anomalies on an empty litter store >")
            << QStringList{} << 0 << 2 << QStringList{">", ">"} << "="
            << QStringList{"13:>:0", "14:>:0"};
        QTest::newRow("losses lowered from 4 to 2: slots 3 and 4 cleared, anomalies stay")
            << QStringList{"1:a:1", "2:b:11", "3:c:3", "4:d:4", "13:G:0", "14:S:0"} << 1 << 2
            << QStringList{"1.3.13|a", "11.3.13|b"} << "="
            << QStringList{"1:a:1", "2:b:11", "13:G:0", "14:S:0"};
        QTest::newRow("clearing losses stops at the first slot without a day")
            << QStringList{"1:a:32", "2:b:2", "3:c:3", "5:e:9"} << 1 << 1 << QStringList{"1.4.13|a"}
            << "=" << QStringList{"1:a:32", "5:e:9"};
        QTest::newRow("losses raised, a day 0 becomes 1, text cut to 15")
            << QStringList{"1:a:4", "14:S:0"} << 1 << 2 << QStringList{"4.3.13|a", "1.3.13|"}
            << "Spreizer hinten links" << QStringList{"1:Spreizer hinten:4", "2::1", "14:S:0"};
        QTest::newRow("anomalies lowered from 3 to 1: down to the first loss slot")
            << QStringList{"1:a:1", "2:b:6", "3:x:0", "12:K:0", "13:G:0", "14:S:0"} << 0 << 1
            << QStringList{"S"} << "=" << QStringList{"1:a:1", "2:b:6", "14:S:0"};
        QTest::newRow("line 0 is slot 14; an emptied anomaly shows > and stores nothing")
            << QStringList{"13:G:0", "14:S:0"} << 0 << 2 << QStringList{"S", "G"} << ""
            << QStringList{"13:G:0"};
        QStringList alle;
        for (int i = 1; i <= 14; ++i)
            alle << QStringLiteral("%1:>:0").arg(i);
        QTest::newRow("count above 14 gives 14 lines")
            << QStringList{} << 0 << 20 << QStringList(14, ">") << "=" << alle;
        QTest::newRow("any mode but 1 is anomalies")
            << QStringList{"14:Zwitter:0"} << 7 << 1 << QStringList{"Zwitter"} << "Kümmerer"
            << QStringList{"14:Kümmerer:0"};
    }

    void oeffnenBearbeitenOk() {
        QFETCH(QStringList, vorher);
        QFETCH(int, modus);
        QFETCH(int, anzahl);
        QFETCH(QString, text0);
        TWurfRec w = wurfMit(vorher);
        AnomalDaten a;
        a.AnomalOeffnen(w, kFerkeln, modus, anzahl);
        QTEST(gezeichnet(a), "zeilen");
        QCOMPARE(a.auswahl(), -1);
        if (text0 != u'=') {
            a.zeileAnklicken(0);
            a.textAendern(text0);
        }
        a.AnomalUebernehmen(w);
        QTEST(belegt(w), "nachher");
    }

    void verlustdatumZuTag_data() {
        QTest::addColumn<QDate>("referenz");
        QTest::addColumn<QDate>("eingabe"); // invalid: the empty field
        QTest::addColumn<bool>("angenommen");
        QTest::addColumn<int>("tag");

        const QDate f(2013, 3, 1);
        QTest::newRow("farrowing day") << f << f << true << 1;
        QTest::newRow("254 days after is the last accepted") << f << f.addDays(254) << true << 255;
        QTest::newRow("255 days after") << f << f.addDays(255) << false << 1;
        QTest::newRow("the day before") << f << f.addDays(-1) << false << 1;
        QTest::newRow("over 29 February") << QDate(2012, 2, 20) << QDate(2012, 3, 1) << true << 11;
        // The empty date lies 0 days from any date after 1989: the farrowing day.
        QTest::newRow("empty field") << f << QDate() << true << 1;
    }

    void verlustdatumZuTag() {
        QFETCH(QDate, referenz);
        QFETCH(QDate, eingabe);
        QFETCH(int, tag);
        AnomalDaten a;
        a.AnomalOeffnen(wurfMit({"1:a:40", "2:b:40"}), TKurzDatum::aus(referenz), 1, 2);
        a.zeileAnklicken(0);
        QTEST(a.datumVerlassen(TKurzDatum::aus(eingabe)), "angenommen");
        QCOMPARE(int(a.zeilenTag(1)), 40); // only the selected line
        const QDate gezeigt = referenz.addDays(tag - 1);
        QCOMPARE(a.zeilenDatum(0), TKurzDatum::aus(gezeigt));
        QCOMPARE(a.zeilenAnzeige(0).datum, KurzDatumText(TKurzDatum::aus(gezeigt)));
        TWurfRec w;
        a.AnomalUebernehmen(w);
        QCOMPARE(int(w.Verlusttag(1)), tag);
    }

    void okAendertNurDiePlaetze() {
        for (int modus : {0, 1}) {
            TWurfRec w;
            for (std::size_t i = 0; i < w.bytes().size(); ++i)
                w.bytes()[i] = std::uint8_t(i * 37 + 11);
            for (int i = 1; i <= 14; ++i) {
                w.setEintrag(i, QStringLiteral("e%1").arg(i));
                w.setVerlusttag(i, i <= 5 ? std::uint8_t(i) : 0);
            }
            const TWurfRec vorher = w;
            AnomalDaten a;
            a.AnomalOeffnen(w, kFerkeln, modus, 3);
            QCOMPARE(w, vorher); // opening leaves the given block alone
            a.zeileAnklicken(2);
            a.textAendern(QStringLiteral("neu"));
            a.AnomalUebernehmen(w);
            QCOMPARE(w.Eintrag(modus == 1 ? 3 : 12), QStringLiteral("neu"));
            for (std::size_t i = 0; i < w.bytes().size(); ++i)
                if (i < wurfofs::Eintrag || i >= wurfofs::Verlusttag + 14)
                    QCOMPARE(w.bytes()[i], vorher.bytes()[i]);
        }
    }
};

QTEST_GUILESS_MAIN(TestAnomalien)
#include "tst_anomalien.moc"
