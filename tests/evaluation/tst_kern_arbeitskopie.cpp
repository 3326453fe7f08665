#include "evaluation/auswertungskopie.h"
#include "support/herdbau.h"
#include "support/testcontext.h"

#include <QtTest>

namespace {

// What the figures read from the copy, one line per litter.
QStringList inhalt(const Auswertungskopie& k) {
    QStringList out;
    for (int s = 0; s < k.sauenAnzahl(); ++s) {
        const auto wuerfe = k.wuerfe(s);
        for (int i = 0; i < int(wuerfe.size()); ++i) {
            const KopieWurf& w = wuerfe[std::size_t(i)];
            QString z = k.sau(s).SauNr.text() + u'|' + QString::number(w.WurfNr) + u'|' +
                        KurzDatumText(w.Belegen(1)) + u'|' + QString::number(w.Geborene);
            for (const KopieBefund& b : k.befunde(s, i))
                z += u'|' + b.Eintrag.text() + QString::number(b.Verlusttag);
            out << z;
        }
    }
    return out;
}

} // namespace

class TestArbeitskopie : public QObject {
    Q_OBJECT
private slots:
    void nachAenderungWieNeu_data() {
        QTest::addColumn<QList<int>>("sauen"); // empty: not said which
        QTest::addColumn<bool>("alleWuerfe");
        QTest::addColumn<bool>("geteilt");
        QTest::newRow("eine Sau") << QList<int>{70} << false << true;
        QTest::newRow("zwei Blöcke, der letzte halb") << QList<int>{3, 200} << true << true;
        QTest::newRow("nicht gesagt welche") << QList<int>{} << false << false;
    }
    // The copy after some sows changed equals a fresh one and takes the other sows' blocks
    // over; a window still holding the copy before sees it as it was.
    void nachAenderungWieNeu() {
        QFETCH(QList<int>, sauen);
        QFETCH(bool, alleWuerfe);
        QFETCH(bool, geteilt);
        TestContext t;
        t.ctx.Sauenliste = zufallsHerde(1, 210);
        const auto vorher = Herdenkopie(t.ctx, alleWuerfe);
        const QStringList alt = inhalt(*vorher);
        Zufall z(2);
        for (int i : sauen.isEmpty() ? QList<int>{5} : sauen)
            t.ctx.Sauenliste[std::size_t(i)] = zufallsSau(z, i + 1);
        if (sauen.isEmpty())
            t.ctx.AenderungMerken();
        else
            t.ctx.AenderungMerken(std::vector<int>(sauen.begin(), sauen.end()));

        const auto nachher = Herdenkopie(t.ctx, alleWuerfe);
        QCOMPARE(inhalt(*nachher), inhalt(Auswertungskopie(t.ctx.Sauenliste, alleWuerfe)));
        QCOMPARE(inhalt(*vorher), alt);
        QCOMPARE(&nachher->sau(130) == &vorher->sau(130), geteilt);
        QCOMPARE(Herdenkopie(t.ctx, alleWuerfe), nachher);
    }
};

QTEST_GUILESS_MAIN(TestArbeitskopie)
#include "tst_kern_arbeitskopie.moc"
