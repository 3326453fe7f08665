#include "plan/arbeitsplan.h"
#include "plan/arbeitsplancsv.h"
#include "plan/arbeitsplandruck.h"
#include "platform/csvwriter.h"
#include "platform/recordingcanvas.h"
#include "support/herdbau.h"

#include <QtTest>

// The plan starts on Monday 4.3.2024; days before it are counted back with QDate.
namespace {

const QDate kErster(2024, 3, 4);

TKurzDatum vor(int tage) {
    return K(kErster.addDays(-tage));
}

// A sow in a stall, without dates or litters.
Sau planSau(const QString& nr, const QString& stall = {}) {
    Sau s = sau(nr, {}, {});
    s.rec.setStall(stall);
    return s;
}

Sau belegt(const QString& nr, int tageVorher) {
    return sau(nr, {wurf(1, vor(tageVorher))}, {});
}

QStringList tage(const TArbeitsplanZeile& z) {
    QStringList out;
    for (const TagesZelle& t : z.Tage)
        out << t.text();
    return out;
}

std::vector<TArbeitsplanZeile> plan(const Herde& h, const TPlanZeiten& z = PlanZeitenStandard(),
                                    const TPlanTyp& typ = StandardPlanTyp({})) {
    return PlanZeilen(h, z, typ, K(kErster), 113);
}

QStringList nummern(const std::vector<TArbeitsplanZeile>& zeilen) {
    QStringList out;
    for (const auto& z : zeilen)
        out << z.SauNr.text();
    return out;
}

} // namespace

Q_DECLARE_METATYPE(TPlanZeiten)

class TestArbeitsplan : public QObject {
    Q_OBJECT
private slots:
    void tageszellenFolgenDenFenstern_data() {
        QTest::addColumn<Sau>("s");
        QTest::addColumn<TPlanZeiten>("zeiten");
        QTest::addColumn<QStringList>("erwartet");
        // The seven day cells from "a|b|..."; a cell left out is empty.
        const auto zeile = [](const char* n, const Sau& s, const TPlanZeiten& z, const char* tage) {
            QStringList t = QString::fromUtf8(tage).split(u'|');
            while (t.size() < 7)
                t << QString();
            QTest::newRow(n) << s << z << t;
        };
        const TPlanZeiten standard = PlanZeitenStandard();
        zeile("mated 113 days before", belegt("1", 113), standard, "Abf., |Abf., |Abf., ");
        TPlanZeiten zwei = standard;
        zwei.setEntry(
            psBelegen, 0,
            TPlanTermin::mit(QStringLiteral("Abferkeln"), 113, 113, QStringLiteral("Abfe")));
        zwei.setEntry(psBelegen, 12,
                      TPlanTermin::mit(QStringLiteral("Impfen"), 113, 114, QStringLiteral("Impf")));
        zeile("two abbreviations cut to 8", belegt("1", 113), zwei, "Abfe, Im|Impf, ");
        // Page 0 rows 1..9 drop out once their date is recorded; row 0 does not.
        TPlanZeiten tk = standard;
        tk.setEntry(psBelegen, 1, TPlanTermin::mit({}, 20, 20, QStringLiteral("TK")));
        tk.setEntry(psBelegen, 2, TPlanTermin::mit({}, 20, 20, QStringLiteral("T1")));
        Sau kontrolliert = belegt("1", 20);
        kontrolliert.wuerfe[0].setTKDatum(1, vor(1));
        zeile("recorded check and task", kontrolliert, tk, "T1, ");
        kontrolliert.wuerfe[0].setWurfTermin(1, vor(1));
        zeile("both recorded", kontrolliert, tk, "");
        // Farrowed 29 days before: weaning (28..30) on days 0 and 1, the mating page is over.
        Sau ferkelt = belegt("1", 142);
        ferkelt.wuerfe[0].setAbferkeln(vor(29));
        zeile("after farrowing", ferkelt, standard, "Abs, |Abs, ");
        // A litter opened without mating: the one before it is current.
        Sau offen = ferkelt;
        offen.wuerfe[0].setAbsetzen(vor(8));
        offen.wuerfe.push_back(TWurfRec::leer(2));
        zeile("opened litter, weaned before", offen, standard, "Neub, |Neub, ");
        // Without a current litter only pages 3 and 4 count.
        TPlanZeiten einstall = standard;
        einstall.setEntry(psEinstallen, 0, TPlanTermin::mit({}, 2, 3, QStringLiteral("Ein")));
        // The farrowing date is ignored: the litter has no mating.
        zeile("no current litter", sau("1", {wurf(1, {}, vor(29))}, vor(0)), einstall,
              "||Ein, |Ein, ");
    }

    void tageszellenFolgenDenFenstern() {
        QFETCH(Sau, s);
        QFETCH(TPlanZeiten, zeiten);
        const auto z = SauAuswerten(s, zeiten, StandardPlanTyp({}), K(kErster), 113);
        QVERIFY(z);
        QTEST(tage(*z), "erwartet");
    }

    void sautermineWartenAufIhrDatum() {
        TPlanZeiten zeiten = PlanZeitenStandard();
        zeiten.setEntry(psWurfunabhaengig, 0, TPlanTermin::mit({}, 180, 0, QStringLiteral("Impf")));
        Sau s = planSau("1");
        const auto zeile = [&] {
            return *SauAuswerten(s, zeiten, StandardPlanTyp({}), K(kErster), 113);
        };
        QCOMPARE(tage(zeile()), QStringList(7, QStringLiteral("Impf, ")));
        s.rec.setSauTermin(1, vor(0));
        QCOMPARE(tage(zeile()), QStringList(7, QString()));
        s.rec.setSauNotiz(QStringLiteral("ä").repeated(90)); // the row keeps 81 characters
        QCOMPARE(zeile().Notiz, QStringLiteral("ä").repeated(81));
        s.rec.setSauTermin(1, vor(178)); // due from day 2 on, with no end
        QCOMPARE(tage(zeile()), QStringList({{}, {}}) + QStringList(5, QStringLiteral("Impf, ")));
    }

    void filterUndAlleListen() {
        Herde h{planSau("leer"),
                belegt("faellig", 113),
                planSau("A1", QStringLiteral("A")),
                planSau("G3", QStringLiteral("X")),
                planSau("JS", QStringLiteral("X")),
                belegt("weg", 113)};
        h[3].rec.setGruppe(3);
        h[4].rec.setGruppe(-1);
        h[5].rec.setAbgang(vor(1));
        TPlanTyp typ = StandardPlanTyp({QStringLiteral("A")}); // an empty stall fills unused slots
        QCOMPARE(nummern(plan(h, PlanZeitenStandard(), typ)),
                 QStringList({"A1", "leer", "faellig"}));
        typ.setAlleAuflisten(0);
        QCOMPARE(nummern(plan(h, PlanZeitenStandard(), typ)), QStringList({"faellig"}));
        typ.setAlleAuflisten(1);
        typ.setGruppe(3);
        QCOMPARE(nummern(plan(h, PlanZeitenStandard(), typ)),
                 QStringList({"G3", "A1", "leer", "faellig"}));
        typ.setGruppe(TPlanTyp::Jungsauen);
        typ.setStatusFlag(stLeereJS, 0); // gilts not yet mated: all but the mated one
        QCOMPARE(nummern(plan(h, PlanZeitenStandard(), typ)), QStringList({"faellig"}));
        typ.setStatusFlag(stLeereJS, 1);
        typ.setStatusFlag(stVerkauft, 1);
        QCOMPARE(nummern(plan(h, PlanZeitenStandard(), typ)),
                 QStringList({"JS", "A1", "leer", "faellig"}));
    }

    void zeilenfolgeUeberZufallsherde() {
        const Herde h = zufallsHerde(7, 3000, {.tag0 = kErster.addDays(-340)});
        // By farrowing date field by field (the empty date first), equal dates in reverse herd
        // order; every sow with a row of her own.
        const auto zeilen = plan(h);
        int gelistet = 0;
        for (const Sau& s : h)
            gelistet +=
                bool(SauAuswerten(s, PlanZeitenStandard(), StandardPlanTyp({}), K(kErster), 113));
        QVERIFY(zeilen.size() > 2000);
        QCOMPARE(int(zeilen.size()), gelistet);
        const auto folge = [](const TArbeitsplanZeile& z) {
            return std::tuple(z.Ferkeln.Jahr, z.Ferkeln.Monat, z.Ferkeln.Tag,
                              -z.SauNr.text().toInt());
        };
        for (std::size_t i = 0; i + 1 < zeilen.size(); ++i)
            QVERIFY(folge(zeilen[i]) < folge(zeilen[i + 1]));
    }

    void kalenderwochenBeginn_data() {
        QTest::addColumn<int>("jahr");
        QTest::addColumn<int>("woche");
        QTest::addColumn<QDate>("start");
        QTest::newRow("1 January a Sunday") << 2023 << 1 << QDate(2023, 1, 2);
        QTest::newRow("1 January a Thursday") << 2015 << 1 << QDate(2014, 12, 29);
        QTest::newRow("week 53") << 2015 << 53 << QDate(2015, 12, 28);
    }

    void kalenderwochenBeginn() {
        QFETCH(int, jahr);
        QFETCH(int, woche);
        QFETCH(QDate, start);
        QCOMPARE(KalenderwochenStart(jahr, woche), K(start));
    }

    void koepfeTitelUndTagspalte() {
        Arbeitsplan p;
        p.ersterTag = K(QDate(2024, 3, 9)); // a Saturday
        p.typ.setName(QStringLiteral("Stall A"));
        QCOMPARE(p.titel(), QStringLiteral("Arbeitsplan Stall A ab 9.3.24"));
        QCOMPARE(p.kopf(p.spalten().back()), QStringLiteral("15.3.24   Fr"));

        TArbeitsplanZeile z;
        z.Belegen = K(QDate(2024, 3, 1));
        z.Ferkeln = K(QDate(2024, 2, 20));
        z.Absetzen = K(QDate(2024, 2, 29));
        z.Zugang = K(QDate(2024, 1, 9));
        const QList<std::pair<TSauStatus, QString>> faelle{
            {stLeer, "9."},      {stBelegt, "8."},   {stTragend, "8."},
            {stSaeugend, "18."}, {stLeereJS, "60."}, {stUmrauschen, "UR"}};
        for (const auto& [status, text] : faelle) {
            z.Status = status;
            QCOMPARE(TageSeitText(z, p.ersterTag), text);
        }
        QCOMPARE(TageSeitText(z, p.ersterTag, true), QStringLiteral("UR"));
        z.Status = stLeereJS;
        QCOMPARE(TageSeitText(z, p.ersterTag, true), QString());
        z.Status = stLeer; // a litter opened without weaning the one before
        z.Absetzen = {};
        QCOMPARE(TageSeitText(z, p.ersterTag), QString());
    }

    void csvAnfuehrungUndDaten() {
        Arbeitsplan p;
        p.ersterTag = K(kErster);
        p.mitStall = false;
        p.aufbauen({belegt("4711", 113)}, 113);
        p.zeilen[0].Notiz = QStringLiteral("lahmt; rechts");
        const QByteArray csv = ArbeitsplanCsv(p).bytes();
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        const QStringList zeilen = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(zeilen.size(), 3); // heads, one row, the empty rest after the last CR LF
        QCOMPARE(zeilen[0], QStringLiteral("Sau;Ferk.D;W.;Tag;04.03.2024 Mo;05.03.2024 Di;"
                                           "06.03.2024 Mi;07.03.2024 Do;08.03.2024 Fr;"
                                           "09.03.2024 Sa;10.03.2024 So;Notiz"));
        QCOMPARE(zeilen[1], QStringLiteral("4711;04.03.2024;1;113.;Abf., ;Abf., ;Abf., ;;;;;"
                                           "\"lahmt; rechts\""));
    }

    void druckWiederholtKoepfeUndBrichtUm() {
        Arbeitsplan p;
        p.ersterTag = K(kErster);
        Herde h;
        for (int i = 0; i < 40; ++i)
            h.push_back(belegt(QString::number(1000 + i), 113));
        h[39].rec.setSauNotiz(QStringLiteral("Bein\nlinks\x01weg")); // the first row
        p.aufbauen(h, 113);
        // Abbreviations for the legend, more than a line of them.
        p.zeiten = PlanZeitenStandard();
        for (int r = 0; r < kPlanZeilen; ++r) {
            TPlanTermin t = p.zeiten.entry(psAbferkeln, r);
            t.setKuerzel(QStringLiteral("K%1").arg(r));
            t.setName(QStringLiteral("Termin %1").arg(r));
            p.zeiten.setEntry(psAbferkeln, r, t);
        }
        // 1350 x 700: 12 pt gives a pitch of 18; the foot lies three lines above the end.
        RecordingCanvas c(1350, 700);
        ArbeitsplanDrucken(c, p, QStringLiteral("Arial"), true);
        QStringList notizen, seiten;
        int heads = 0;
        for (const auto& it : c.texts()) {
            if (it.text.startsWith(QStringLiteral("Seite"))) seiten << it.text;
            if (it.text.startsWith(QStringLiteral(" - "))) notizen << it.text;
            heads += it.text == QStringLiteral("Ferkeln");
        }
        QCOMPARE(seiten, QStringList({"Seite 1", "Seite 2"}));
        QCOMPARE(notizen, QStringList({" - Bein,links"}));
        QCOMPARE(heads, 2);
        // The legend at the foot names every abbreviation, in as many lines as it needs.
        const QString legende = PlanLegende(p.zeiten, p.typ);
        QString fuss;
        for (const auto& it : c.texts())
            if (it.page == c.pageCount() - 1 && it.text.contains(QStringLiteral(" = ")))
                fuss += (fuss.isEmpty() ? QString() : QStringLiteral(" ")) + it.text;
        QVERIFY(c.textWidth(legende) > 1350);
        QCOMPARE(fuss, legende);
    }
};

QTEST_MAIN(TestArbeitsplan)
#include "tst_arbeitsplan.moc"
