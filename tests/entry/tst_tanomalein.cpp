#include "controls/tdate_ed.h"
#include "entry/tanomalein.h"
#include "support/fensterfixtur.h"
#include "support/modaltreiber.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

const TKurzDatum kFerkeln = TKurzDatum::aus(1, 3, 2013);

// Losses from slot 1 up, an anomaly in slot 14.
TWurfRec belegung(std::initializer_list<std::pair<const char*, int>> verluste = {},
                  const char* anomalie = "") {
    TWurfRec w = TWurfRec::leer(3);
    Verluste(w, verluste);
    w.setEintrag(14, QString::fromUtf8(anomalie));
    return w;
}

struct Anomal : Fenster<TAnomalEin> {
    Anomal(TestContext& t, const TWurfRec& r, int modus, int anzahl) : Fenster(t), w_(r) {
        w.AnomalOeffnen(w_, kFerkeln, modus, anzahl);
        aktiv = zeigen();
    }
    QListWidget* liste() { return c<QListWidget>("ListBox1"); }
    QComboBox* combo() { return c<QComboBox>("ComboBox1"); }
    tdate_ed* datum() { return c<tdate_ed>("tdate_ed1"); }
    // Each line: "date|text" when a date is drawn in front, else the text.
    QStringList zeilen() {
        QStringList out;
        for (int i = 0; i < liste()->count(); ++i) {
            const QVariant d = liste()->item(i)->data(TAnomalEin::DatumRolle);
            const QString t = liste()->item(i)->text();
            out << (d.isValid() ? d.toString() + u'|' + t : t);
        }
        return out;
    }
    void klicken(int zeile) { klick(liste(), zeile); }
    void tippen(QWidget* x, const QString& s) {
        x->setFocus(Qt::TabFocusReason);
        QTest::keyClick(x, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(x, s);
    }
    TWurfRec ok(TWurfRec r) {
        c<QPushButton>("OKBtn")->click();
        if (w.result() == QDialog::Accepted) w.AnomalUebernehmen(r);
        return r;
    }

    TWurfRec w_;
    bool aktiv = false;
};

} // namespace

class TestTAnomalEin : public QObject {
    Q_OBJECT
private slots:
    void nachDemOeffnen_data() {
        QTest::addColumn<TWurfRec>("w");
        QTest::addColumn<int>("modus");
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QString>("datumText");
        const auto zeile = [](const char* n, const TWurfRec& w, int modus,
                              const QStringList& zeilen, const char* datum) {
            QTest::newRow(n) << w << modus << zeilen << QString(datum);
        };
        zeile("two anomalies on an empty litter", belegung(), 0, {">", ">"}, "1.3.13");
        zeile("losses with causes, the last one selected",
              belegung({{"erdrückt", 11}, {"verhungert", 3}}), 1,
              {"11.3.13|erdrückt", "3.3.13|verhungert"}, "3.3.13");
    }

    void nachDemOeffnen() {
        QFETCH(TWurfRec, w);
        QFETCH(int, modus);
        QFETCH(QStringList, zeilen);
        TestContext t;
        t.ctx.Hilfslisten[1] = QStringList{"erdrückt", "verhungert"};
        Anomal f(t, w, modus, zeilen.size());
        QVERIFY(f.aktiv);
        QCOMPARE(f.combo()->itemText(1), QStringLiteral("verhungert"));
        QVERIFY(!f.datum()->AutoPreset());
        QCOMPARE(f.zeilen(), zeilen);
        // The last line acts as clicked.
        QCOMPARE(f.liste()->currentRow(), zeilen.size() - 1);
        QCOMPARE(f.combo()->currentText(), f.w.daten().zeilenText(zeilen.size() - 1));
        QTEST(f.datum()->text(), "datumText");
        QCOMPARE(f.datum()->isVisible(), modus == 1);
        QWidget* fokus = modus == 1 ? static_cast<QWidget*>(f.datum()) : f.combo();
        QTRY_COMPARE(QApplication::focusWidget(), fokus);
        QVERIFY(t.messages.shown.isEmpty());
    }

    // A date before the farrowing falls back to the farrowing day.
    void klickenTippenDatumVerlassen() {
        const QString gezeigt = QStringLiteral("1.3.13");
        TestContext t;
        Anomal f(t, belegung({{"a", 5}, {"b", 11}}), 1, 2);
        QVERIFY(f.aktiv);
        f.klicken(0);
        QCOMPARE(f.combo()->currentText(), QStringLiteral("a"));
        QCOMPARE(f.datum()->text(), QStringLiteral("5.3.13"));
        f.tippen(f.combo(), QStringLiteral("Zwit"));
        QCOMPARE(f.zeilen(), (QStringList{"5.3.13|Zwit", "11.3.13|b"}));
        QTest::keyClicks(f.combo(), QStringLiteral("ter"));
        f.tippen(f.datum(), QStringLiteral("28.2.13"));
        f.combo()->setFocus(Qt::TabFocusReason); // leaves the date field
        QCOMPARE(f.datum()->text(), gezeigt);
        QCOMPARE(f.zeilen(), (QStringList{gezeigt + "|Zwitter", "11.3.13|b"}));
        QCOMPARE(f.liste()->currentRow(), 0);
        f.klicken(1);
        QCOMPARE(f.datum()->text(), QStringLiteral("11.3.13"));
        f.klicken(0);
        QCOMPARE(f.combo()->currentText(), QStringLiteral("Zwitter"));
        QCOMPARE(f.datum()->text(), gezeigt);
        const TWurfRec w = f.ok(belegung());
        QCOMPARE(w.Eintrag(1), QStringLiteral("Zwitter"));
        QCOMPARE(int(w.Verlusttag(1)), 1);
        QCOMPARE(int(w.Verlusttag(2)), 11);
    }

    // As the card does it: modal, and the slots taken back only after OK.
    void modalEnterGehtWeiterEscapeAendertNichts() {
        TestContext t;
        t.ctx.Hilfslisten[1] = QStringList{"erdrückt"};
        TWurfRec w = belegung({{"erdrückt", 4}}, "Spreizer");
        const TWurfRec vorher = w;
        TAnomalEin dlg(t.ctx);
        dlg.AnomalOeffnen(w, kFerkeln, 1, 1);
        QStringList ablauf;
        ModalTreiber treiber;
        treiber.dann([&](QDialog* d) {
            QVERIFY(d == &dlg && QTest::qWaitForWindowActive(d));
            auto* combo = dlg.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
            QWidget* datum = QApplication::focusWidget();
            ablauf << datum->objectName();
            QTest::keyClicks(datum, QStringLiteral("9"));
            QTest::keyClick(datum, Qt::Key_Return);
            ablauf << QString::number(dlg.daten().zeilenTag(0));
            combo->setFocus();
            QTest::keyClicks(combo, QStringLiteral("zz"));
            QTest::keyClick(combo, Qt::Key_Return);
            ablauf << dlg.daten().zeilenText(0) << QString::number(combo->count())
                   << QString::number(dlg.isVisible());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        const int ergebnis = dlg.exec();
        if (ergebnis == QDialog::Accepted) dlg.AnomalUebernehmen(w);
        QCOMPARE(treiber.abgewiesen(), 0); // Escape closed it
        QCOMPARE(ablauf, (QStringList{"tdate_ed1", "9", "erdrücktzz", "1", "1"}));
        QCOMPARE(ergebnis, int(QDialog::Rejected));
        QCOMPARE(w, vorher);
    }
};

QTEST_MAIN(TestTAnomalEin)
#include "tst_tanomalein.moc"
