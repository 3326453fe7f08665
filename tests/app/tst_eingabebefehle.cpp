#include "controls/tnumedit.h"
#include "entry/sauvorlage.h"
#include "entry/tsauauswahl.h"
#include "programm/tpvmain.h"
#include "support/apphilfe.h"
#include "support/modaltreiber.h"
#include "support/testcontext.h"

#include <QtTest>
#include <QtWidgets>

namespace {

void neueSauEintragen(QDialog* karte, const QString& nr) {
    kind<QLineEdit>(karte, "SauNr")->setText(nr);
    kind<QPushButton>(karte, "OKBtn")->click();
}

} // namespace

class TestEingabebefehle : public QObject {
    Q_OBJECT
private slots:
    void vorbelegungKopiertDieGenanntenFelder() {
        TSauRec s;
        for (std::size_t i = 0; i < s.bytes().size(); ++i)
            s.bytes()[i] = std::uint8_t(i * 7 + 1);
        const TSauRec v = NeueSauVorlage(s);
        for (std::size_t i = 0; i < 512; ++i) {
            const bool kopiert = (i >= 17 && i < 33) || (i >= 34 && i < 102) ||
                                 (i >= 130 && i < 134) || (i >= 140 && i < 146) ||
                                 (i >= 169 && i < 504);
            QCOMPARE(v.bytes()[i], kopiert ? s.bytes()[i] : std::uint8_t(0));
        }
    }

    void zweiNeueSauenHintereinanderMitVorbelegung() {
        TestContext t;
        TPVMain w(t.ctx);
        t.ctx.Hilfslisten[5] = QStringList{"Deckzentrum", "Wartestall"};
        ModalTreiber treiber;
        // A cancelled card ends the run at once: no question, no sow.
        treiber.dann([](QDialog* karte) { karte->reject(); });
        w.NeueSau1Click();
        QVERIFY(t.messages.shown.isEmpty());
        QVERIFY(t.ctx.Sauenliste.empty());
        QVERIFY(!w.menuItem(QStringLiteral("Eingabe1"))->isEnabled());
        treiber.dann([](QDialog* karte) {
            kind<QComboBox>(karte, "Stall")->setCurrentIndex(1);
            kind<QComboBox>(karte, "Herkunft")->setEditText(QStringLiteral("Müller"));
            kind<TNumEdit>(karte, "Einkauf")->setWaehrung(DM);
            kind<TNumEdit>(karte, "Einkauf")->setWert(350);
            neueSauEintragen(karte, QStringLiteral("101"));
        });
        // Which fields are taken over is the template's own test; here that the card shows them.
        QStringList vorbelegt;
        treiber.dann([&](QDialog* karte) {
            vorbelegt = {kind<QLineEdit>(karte, "SauNr")->text(),
                         kind<QComboBox>(karte, "Stall")->currentText(),
                         kind<QComboBox>(karte, "Herkunft")->currentText(),
                         QString::number(kind<TNumEdit>(karte, "Einkauf")->Wert()),
                         QString::number(kind<TNumEdit>(karte, "Einkauf")->Waehrung()),
                         kind<QLineEdit>(karte, "NumEdit3")->text()};
            neueSauEintragen(karte, QStringLiteral("102"));
        });
        t.messages.planAnswer(MessageService::Answer::Yes);
        t.messages.planAnswer(MessageService::Answer::No);
        w.NeueSau1Click();
        QCOMPARE(treiber.behandelt(), 3);
        QCOMPARE(t.messages.count(QStringLiteral("Weitere neue Sau erfassen?")), 2);
        // The second card starts with the first one's fields, but without number and currency.
        QCOMPARE(vorbelegt,
                 (QStringList{"", "Wartestall", "Müller", "350", QString::number(int(Euro)), "1"}));
        QCOMPARE(t.ctx.Sauenliste.size(), std::size_t(2));
        QCOMPARE(t.ctx.Sauenliste[0].rec.EinkaufWaehrung(), DM);
        for (int i = 0; i < 2; ++i) { // each sow with her own first litter
            QCOMPARE(t.ctx.Sauenliste[i].rec.SauNr(), QString::number(101 + i));
            QCOMPARE(t.ctx.Sauenliste[i].wuerfe.size(), std::size_t(1));
        }
        QVERIFY(w.menuItem(QStringLiteral("Eingabe1"))->isEnabled());
        QCOMPARE(int(w.sauAuswahl()->liste().eintraege().size()), 2);
        // F2 runs the entry through the selection: the chosen sow's card, then the selection
        // again.
        treiber.dann([](QDialog* auswahl) {
            auto* a = qobject_cast<TSauAuswahl*>(auswahl);
            a->zeileWaehlen(1);
            kind<QPushButton>(a, "OKBtn")->click();
        });
        QString titel;
        treiber.dann([&](QDialog* karte) {
            titel = karte->windowTitle();
            kind<QLineEdit>(karte, "TVG")->setText(QStringLiteral("X"));
            kind<QPushButton>(karte, "OKBtn")->click();
        });
        treiber.dann([](QDialog* auswahl) { kind<QPushButton>(auswahl, "CancelBtn")->click(); });
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F2);
        QCOMPARE(treiber.behandelt(), 6);
        QCOMPARE(titel, QStringLiteral("102"));
        QCOMPARE(t.ctx.Sauenliste[1].rec.TVG(), QStringLiteral("X"));
    }
};

QTEST_MAIN(TestEingabebefehle)
#include "tst_eingabebefehle.moc"
