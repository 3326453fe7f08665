#include "herd/herdfile.h"
#include "plan/tuebersicht.h"
#include "platform/canvas.h"
#include "platform/druckausgabe.h"
#include "platform/safewrite.h"
#include "programm/schnellhilfe.h"
#include "programm/tpvmain.h"
#include "stamm/planfiles.h"
#include "support/apphilfe.h"
#include "support/modaltreiber.h"
#include "support/testcontext.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// A child window that answers the print request.
class DruckFenster : public QWidget, public Druckfenster {
public:
    int anfragen = 0;
    void druckInhalt(Canvas&) override {}
    void druckanfrage() override { ++anfragen; }
};

} // namespace

class TestTPVMain : public QObject {
    Q_OBJECT
private slots:
    void menueFolgtHerdengroesse_data() {
        QTest::addColumn<int>("sauen");
        QTest::addColumn<bool>("freigegeben");
        QTest::newRow("no herd file") << -1 << false;
        QTest::newRow("empty herd file") << 0 << false;
        QTest::newRow("one sow") << 1 << true;
    }
    void menueFolgtHerdengroesse() {
        QFETCH(int, sauen);
        TestContext t;
        if (sauen >= 0) QVERIFY(herdeSchreiben(t.pfad(QStringLiteral("SAUWURF.DAT")), sauen));
        TPVMain w(t.ctx);
        QCOMPARE(int(t.ctx.Sauenliste.size()), std::max(sauen, 0));
        for (const char* n :
             {"Eingabe1", "Sammel1", "AuswertWurf", "AuswertSau", "AuswertEber", "Plan1"})
            QTEST(w.menuItem(QString::fromLatin1(n))->isEnabled(), "freigegeben");
        for (const char* n :
             {"NeueSau1", "Hilfslisten1", "Auswahl1", "Hitliste1", "PlanZeiten", "Info1"})
            QVERIFY(w.menuItem(QString::fromLatin1(n))->isEnabled());
        QVERIFY(t.messages.shown.isEmpty());
    }

    // Children open inside the visible area, keep the state the user gave them, and a
    // maximised one names the program once in the title.
    void kindfenster() {
        TestContext t;
        TPVMain m(t.ctx);
        m.showNormal();
        m.resize(760, 480);
        QVERIFY(QTest::qWaitForWindowActive(&m));
        QMdiArea* mdi = m.mdiArea();
        const auto neuestes = [mdi] { return mdi->subWindowList(QMdiArea::CreationOrder).last(); };
        m.menuItem("Futter1")->trigger(); // asks for more room than there is
        QMdiSubWindow* futter = neuestes();
        QVERIFY(!futter->isMaximized());
        QVERIFY(mdi->viewport()->rect().contains(futter->geometry()));

        // Opened beside a maximised child the new one is maximised too.
        futter->showMaximized();
        m.menuItem("TierbewSauen1")->trigger();
        QMdiSubWindow* bewegungen = neuestes();
        QVERIFY(bewegungen->isMaximized());
        QCOMPARE(m.windowTitle().count(QStringLiteral("Porvanta")), 1);
        // After the maximised ones are closed the next opens at its own size.
        bewegungen->close();
        futter->close();
        QTRY_COMPARE(mdi->subWindowList().count(futter), 0);
        m.menuItem("FerkelAbgang1")->trigger();
        QMdiSubWindow* abgang = neuestes();
        QVERIFY(!abgang->isMaximized());
        QVERIFY(mdi->viewport()->rect().contains(abgang->geometry()));
        QCOMPARE(m.windowTitle(), QStringLiteral("Porvanta"));
        // A second start of the program brings the minimised window back.
        m.showMinimized();
        QVERIFY(m.isMinimized());
        m.zuVorderst();
        QVERIFY(!m.isMinimized() && m.isVisible());
    }

    void schliessenFragt_data() {
        QTest::addColumn<bool>("geaendert");
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("geschlossen");
        QTest::addColumn<int>("sauenImFile"); // -1: a folder is in the herd file's place
        QTest::addColumn<int>("fragen");
        using A = MessageService::Answer;
        QTest::newRow("unchanged closes without question") << false << -1 << true << 1 << 0;
        QTest::newRow("Ja saves and closes") << true << int(A::Yes) << true << 2 << 1;
        QTest::newRow("Nein closes without saving") << true << int(A::No) << true << 1 << 1;
        QTest::newRow("Abbrechen stays open") << true << int(A::Cancel) << false << 1 << 1;
        QTest::newRow("failed save stays open") << true << int(A::Yes) << false << -1 << 1;
    }
    void schliessenFragt() {
        QFETCH(bool, geaendert);
        QFETCH(int, antwort);
        QFETCH(bool, geschlossen);
        QFETCH(int, sauenImFile);
        TestContext t;
        const QString datei = t.pfad(QStringLiteral("SAUWURF.DAT"));
        QVERIFY(herdeSchreiben(datei, 1));
        TPVMain w(t.ctx);
        w.show();
        if (sauenImFile < 0) QVERIFY(QFile::remove(datei) && QDir().mkpath(datei));
        QVERIFY(QDir().mkpath(t.ctx.einstellungsDatei)); // the settings cannot be written
        t.ctx.Sauenliste.push_back(Sau{TSauRec{}, {TWurfRec::leer(1)}});
        t.ctx.Geaendert = geaendert;
        if (antwort >= 0) t.messages.planAnswer(MessageService::Answer(antwort));

        QCOMPARE(w.close(), geschlossen);
        QCOMPARE(w.isVisible(), !geschlossen);
        QTEST(t.messages.count(QStringLiteral("Geänderte Tierdaten speichern?")), "fragen");
        QCOMPARE(t.messages.count(SchreibFehlerText(
                     QStringLiteral("SAUWURF.DAT"), t.pfad(QStringLiteral("SAUWURF.DAT")),
                     QStringLiteral("Unter diesem Namen steht ein Ordner."))),
                 sauenImFile < 0 ? 1 : 0);
        QCOMPARE(
            t.messages.count(QStringLiteral("Die Einstellungen konnten nicht gespeichert werden!")),
            geschlossen ? 1 : 0);
        if (sauenImFile < 0)
            QVERIFY(t.ctx.Geaendert);
        else
            QCOMPARE(int(QFileInfo(datei).size() / 512), sauenImFile * 2); // one litter each
    }

    void druckanfrageGehtAnsAktiveKind() {
        TestContext t;
        TPVMain w(t.ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // The overview that opened at start is closed.
        QTRY_VERIFY(w.uebersicht());
        w.uebersicht()->parentWidget()->close();
        QTRY_VERIFY(!w.uebersicht());

        // Nothing active: nothing happens.
        w.menuItem(QStringLiteral("Drucken1"))->trigger();
        QCoreApplication::processEvents();

        auto* plain = new QWidget;
        QMdiSubWindow* plainSub = w.mdiArea()->addSubWindow(plain);
        plainSub->show();
        auto* fenster = new DruckFenster;
        QMdiSubWindow* sub = w.mdiArea()->addSubWindow(fenster);
        sub->show();
        w.mdiArea()->setActiveSubWindow(sub);
        w.menuItem(QStringLiteral("Drucken1"))->trigger();
        QTRY_COMPARE(fenster->anfragen, 1);

        // A child that cannot print ignores the request.
        w.mdiArea()->setActiveSubWindow(plainSub);
        w.menuItem(QStringLiteral("Drucken1"))->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(fenster->anfragen, 1);
    }

    void einstellungenUndPlanzeitenBeimStart_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("maximiert");
        QTest::addColumn<bool>("tooltips");
        QTest::newRow("empty store: maximised, no tool tips") << QByteArray() << true << false;
        QTest::newRow("VOLLBILD=0, SCHNELLHILFE=1")
            << QByteArray("[EINSTELLUNGEN]\nVOLLBILD=0\nSCHNELLHILFE=1\n") << false << true;
    }
    // What the main window takes from its files at start: the settings and the plan times.
    void einstellungenUndPlanzeitenBeimStart() {
        QFETCH(QByteArray, ini);
        TestContext t;
        QDir().mkpath(QFileInfo(t.ctx.einstellungsDatei).absolutePath());
        QVERIFY(schreiben(t.ctx.einstellungsDatei, ini));
        TPlanZeiten z = PlanZeitenStandard();
        TPlanTermin eisen = z.entry(0, 2);
        eisen.setName(QStringLiteral("Eisen"));
        z.setEntry(0, 2, eisen);
        t.ctx.Planzeiten = z;
        QVERIFY(PlanZeitenSpeichern(t.ctx.Planzeiten, t.ctx.Datenpfad, t.messages));
        t.ctx.Planzeiten = PlanZeitenStandard();

        TPVMain w(t.ctx);
        QTEST(bool(w.windowState() & Qt::WindowMaximized), "maximiert");
        QTEST(schnellhilfe::an(), "tooltips");
        QCOMPARE(t.ctx.Datenpfad, t.ctx.standardDatenpfad);
        // The card of a new sow names the task dates after the saved plan times.
        ModalTreiber treiber;
        QString name;
        bool termin1 = false, termin2 = true;
        treiber.dann([&](QDialog* karte) {
            name = karte->findChild<QLabel*>(QStringLiteral("LWurfTermin1"))->text();
            termin1 = karte->findChild<QWidget*>(QStringLiteral("termin1"))->isEnabled();
            termin2 = karte->findChild<QWidget*>(QStringLiteral("termin2"))->isEnabled();
            karte->reject();
        });
        w.menuItem(QStringLiteral("NeueSau1"))->trigger();
        QCOMPARE(name, QStringLiteral("Eisen"));
        QVERIFY(termin1);
        QVERIFY(!termin2);
    }
};

QTEST_MAIN(TestTPVMain)
#include "tst_tpvmain.moc"
