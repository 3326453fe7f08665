#include "entry/tanomalein.h"
#include "entry/toffenepunkte.h"
#include "entry/tsammelbuchung.h"
#include "entry/tsauauswahl.h"
#include "entry/tsauwurfeingabe.h"
#include "evaluation/tabsetzen.h"
#include "evaluation/tausfallzeitp.h"
#include "evaluation/tauswertung.h"
#include "evaluation/tauswertungfilter.h"
#include "evaluation/thitliste.h"
#include "evaluation/tsaubewegung.h"
#include "evaluation/tvergleich.h"
#include "feed/tfuttermix.h"
#include "feed/tkomponente.h"
#include "plan/tarbeitsplan.h"
#include "plan/tarbeitsplanzeiten.h"
#include "plan/tarbplanstart.h"
#include "plan/tarbplantyp.h"
#include "plan/tuebersicht.h"
#include "programm/hilfetexte.h"
#include "programm/tauswahl.h"
#include "programm/tdatensicherung.h"
#include "programm/teinstellungen.h"
#include "programm/thilfe.h"
#include "programm/thilfsliste.h"
#include "programm/tnotizen.h"
#include "programm/tpvmain.h"
#include "programm/trechner.h"
#include "stall/stallsteuerung.h"
#include "stall/tstallzugang.h"
#include "support/herdbau.h"
#include "support/testcontext.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

namespace {

// The text of a help page as the help window shows it.
QString seitenText(int kontext) {
    QFile f(hilfetexte::Seite(kontext));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QTextDocument d;
    d.setHtml(QString::fromUtf8(f.readAll()));
    return d.toPlainText();
}

// Every window of the program, built on a test context as the program builds it.
const QStringList kFenster{
    "Hauptfenster",    "Sau-Auswahl",      "Karte",           "Karte neue Sau",
    "Anomalitäten",    "Ausfälle",         "Hilfsliste",      "Eingabepunkt",
    "Sammelbuchung",   "Auswahl",          "Auswertung",      "Ausfallzeitpunkt",
    "Hitliste",        "Vergleich",        "Sauenbewegungen", "Ferkelabgänge",
    "Arbeitsplan",     "Arbeitsplanstart", "Planzeiten",      "Plantypen",
    "Futtermischung",  "Futterkomponente", "Vorgabewerte",    "Einstellungen 0",
    "Einstellungen 1", "Einstellungen 2",  "Einstellungen 3", "Einstellungen 4",
    "Einstellungen 5", "Datensicherung",   "Notizen",         "Rechner",
    "Hilfe",           "Einstellungen 6",  "Übersicht",       "Offene Punkte",
    "Stallzugang",     "Einstellungen 7"};

std::unique_ptr<QWidget> fensterBauen(const QString& n, AppContext& ctx) {
    if (n == "Hauptfenster") return std::make_unique<TPVMain>(ctx);
    if (n == "Sau-Auswahl") return std::make_unique<TSauAuswahl>(ctx);
    if (n.startsWith("Karte")) {
        auto k = std::make_unique<TSauWurfEingabe>(ctx);
        if (n == "Karte neue Sau") k->SauOeffnen(-1);
        return k;
    }
    if (n == "Anomalitäten" || n == "Ausfälle") {
        auto a = std::make_unique<TAnomalEin>(ctx);
        if (n == "Ausfälle") a->AnomalOeffnen(TWurfRec::leer(1), {}, 1, 2);
        return a;
    }
    if (n == "Hilfsliste") return std::make_unique<THilfsliste>(ctx);
    if (n == "Eingabepunkt") return std::make_unique<TAuswahl>(QStringLiteral("Eingabepunkt"), 270);
    if (n == "Sammelbuchung") return std::make_unique<TSammelbuchung>(ctx);
    if (n == "Auswahl") return std::make_unique<TAuswertungFilter>(ctx);
    if (n == "Auswertung") return std::make_unique<TAuswertung>(ctx);
    if (n == "Ausfallzeitpunkt") return std::make_unique<TAusfallzeitp>();
    if (n == "Hitliste") return std::make_unique<THitliste>(ctx);
    if (n == "Vergleich") return std::make_unique<TVergleich>(ctx);
    if (n == "Sauenbewegungen") return std::make_unique<TSaubewegung>(ctx);
    if (n == "Ferkelabgänge") return std::make_unique<TAbsetzen>(ctx);
    if (n == "Arbeitsplan") return std::make_unique<TArbeitsplan>(ctx);
    if (n == "Arbeitsplanstart") return std::make_unique<TArbPlanStart>(ctx);
    if (n == "Planzeiten") return std::make_unique<TArbeitsplanzeiten>(ctx);
    if (n == "Plantypen") return std::make_unique<TArbPlanTyp>(ctx);
    if (n == "Futtermischung") return std::make_unique<TFuttermix>(ctx);
    if (n == "Futterkomponente" || n == "Vorgabewerte")
        return std::make_unique<TKomponente>(ctx, TKomponentenRec{},
                                             n == "Vorgabewerte" ? TKomponente::Ziel
                                                                 : TKomponente::Komponente);
    if (n.startsWith("Einstellungen")) {
        auto e = std::make_unique<TEinstellungen>(ctx);
        // Through the Grund page first, as the dialog opens on it.
        for (int i = 0; i <= n.section(u' ', 1).toInt(); ++i)
            e->seiten()->setCurrentIndex(i);
        return e;
    }
    if (n == "Datensicherung") return std::make_unique<TDatensicherung>(ctx);
    if (n == "Notizen") return std::make_unique<TNotizen>(ctx);
    if (n == "Rechner") return std::make_unique<TRechner>();
    if (n == "Hilfe") return std::make_unique<THilfe>();
    if (n == "Übersicht") return std::make_unique<TUebersicht>(ctx);
    if (n == "Offene Punkte") return std::make_unique<TOffenePunkte>(ctx);
    if (n == "Stallzugang") {
        auto* stall = new StallSteuerung(ctx);
        auto d = std::make_unique<TStallzugang>(ctx, *stall);
        stall->setParent(d.get());
        return d;
    }
    return {};
}

struct Fund {
    int kontext;
    QString name;  // what the page has to name
    QString woher; // the object, for the failure message
};

// The context numbers of `o` and everything in it, down to the next window of its own: a
// control's page names the window's caption, a menu item's page the item.
void kontexteSammeln(const QObject* o, const QString& titel, QList<Fund>& out, bool wurzel) {
    if (const auto* w = qobject_cast<const QWidget*>(o); w && !wurzel) {
        const bool eigenesFenster = w->isWindow() && !qobject_cast<const QMenu*>(w);
        if (eigenesFenster || qobject_cast<const QMdiSubWindow*>(w->parentWidget())) return;
    }
    const int k = o->property("helpContext").toInt();
    if (k > 0) {
        const auto* a = qobject_cast<const QAction*>(o);
        out.append({k, a ? a->text().remove(u'&') : titel, o->objectName()});
    }
    for (const QObject* c : o->children())
        kontexteSammeln(c, titel, out, false);
}

} // namespace

class TestHilfe : public QObject {
    Q_OBJECT
private slots:
    // Every window has a context number; every number in it has a page of its own that names
    // the window (a menu item's page names the item).
    void jedesFensterHatSeineSeite_data() {
        QTest::addColumn<QString>("fenster");
        for (const QString& n : kFenster)
            QTest::newRow(qPrintable(n)) << n;
    }
    void jedesFensterHatSeineSeite() {
        QFETCH(QString, fenster);
        TestContext t;
        const std::unique_ptr<QWidget> w = fensterBauen(fenster, t.ctx);
        QVERIFY(w);
        QVERIFY2(w->property("helpContext").toInt() > 0, "ohne eigene Hilfe");
        QList<Fund> funde;
        kontexteSammeln(w.get(), w->windowTitle(), funde, true);
        for (const Fund& f : funde) {
            const QString wo = QStringLiteral("%1 (%2)").arg(f.woher).arg(f.kontext);
            QVERIFY2(hilfetexte::Bekannt(f.kontext), qPrintable(wo));
            const QString text = seitenText(f.kontext);
            QVERIFY2(!text.isEmpty(), qPrintable(wo + QStringLiteral(": keine Seite")));
            QVERIFY2(text.contains(f.name),
                     qPrintable(wo + QStringLiteral(" nennt nicht: ") + f.name));
        }
    }

    void jedeSeiteIstDa() {
        for (int k : hilfetexte::Kontexte())
            QVERIFY2(!seitenText(k).isEmpty(), qPrintable(hilfetexte::Seite(k)));
        QCOMPARE(hilfetexte::Seite(4711), QStringLiteral(":/hilfe/start.html"));
    }

    // F1 in a control reaches the page that describes that control.
    void feldFuehrtZuSeinerSeite_data() {
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("erwartet");
        // Window, control, a word its page has to hold.
        const char* const faelle[][3] = {
            {"Karte", "Absetzen", "Absetztag"},
            {"Ausfälle", "ComboBox1", "Ursache"},
            {"Karte neue Sau", "SauNr", "Eingabebegin mit Wurf"},
            {"Einstellungen 2", "NumEdit2", "abgesetzte Ferkel"},
            {"Eingabepunkt", "ListBox1", "Sau-Auswahl"},
            {"Hitliste", "ScrollBox1", "Leistungsindex"},
            {"Auswertung", "Button1", "Ausfallzeitpunkt"},
            {"Futtermischung", "OptimierenBtn", "billigsten"},
        };
        for (const auto& f : faelle)
            QTest::addRow("%s %s", f[0], f[1]) << f[0] << f[1] << QString::fromUtf8(f[2]);
    }
    void feldFuehrtZuSeinerSeite() {
        QFETCH(QString, fenster);
        QFETCH(QString, feld);
        QFETCH(QString, erwartet);
        TestContext t;
        const std::unique_ptr<QWidget> w = fensterBauen(fenster, t.ctx);
        const auto* f = w->findChild<QWidget*>(feld);
        QVERIFY(f);
        const int k = THilfe::kontextVon(f);
        QVERIFY2(seitenText(k).contains(erwartet), qPrintable(hilfetexte::Seite(k)));
    }

    // F1 on a highlighted menu item opens the item's own page; the menu closes.
    void f1ImMenue() {
        TestContext t;
        TPVMain main(t.ctx);
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        auto* m = main.findChild<QMenu*>(QStringLiteral("Daten1"));
        QAction* a = main.menuItem(QStringLiteral("NeueSau1"));
        a->setEnabled(true); // the herd is empty
        m->popup(main.mapToGlobal(QPoint(20, 20)));
        QVERIFY(QTest::qWaitForWindowExposed(m));
        m->setActiveAction(a);
        QTest::keyClick(m, Qt::Key_F1);
        QCOMPARE(main.hilfe()->kontext(), 200);
        QVERIFY(main.hilfe()->isVisible());
        QVERIFY(!m->isVisible());
    }

    // F1 in a dialog and its "Hilfe" button reach their pages; over the waiting dialog the
    // help is modal, "Inhalt" keeps it in front, and each page shown is logged.
    void ueberModalemDialog() {
        TestContext t;
        QTemporaryDir log;
        THilfe::protokollSetzen(log.filePath("hilfe.txt"));
        TPVMain main(t.ctx);
        main.show();
        TDatensicherung dlg(t.ctx, &main);
        QList<int> kontexte;
        bool modal = false, seite = false, inhaltVorn = false, zu = false;
        QTimer::singleShot(0, &dlg, [&] {
            QTest::keyClick(dlg.findChild<QWidget*>(QStringLiteral("ListBox1")), Qt::Key_F1);
            kontexte << main.hilfe()->kontext();
            seite =
                main.hilfe()->browser()->toPlainText().contains(QStringLiteral("Datensicherung"));
            // Reachable while the dialog waits: modal over it.
            modal =
                main.hilfe()->isVisible() && main.hilfe()->windowModality() == Qt::ApplicationModal;
            dlg.findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click();
            kontexte << main.hilfe()->kontext();
            main.hilfe()->findChild<QPushButton*>(QStringLiteral("InhaltBtn"))->click();
            inhaltVorn = main.hilfe()->kontext() == 100 && main.hilfe()->isVisible() &&
                         QApplication::activeModalWidget() == main.hilfe();
            QTest::keyClick(main.hilfe(), Qt::Key_Escape);
            zu = !main.hilfe()->isVisible();
            dlg.reject();
        });
        dlg.exec();
        QCOMPARE(kontexte, (QList<int>{403, 601}));
        QVERIFY(seite);
        QVERIFY(modal);
        QVERIFY(inhaltVorn);
        QVERIFY(zu);
        main.menuItem(QStringLiteral("Hilfe1"))->trigger();
        QCOMPARE(main.hilfe()->kontext(), 100);
        QCOMPARE(main.hilfe()->windowModality(), Qt::NonModal);
        const QList<QByteArray> zeilen = inhalt(log.filePath("hilfe.txt")).trimmed().split('\n');
        QCOMPARE(zeilen.size(), 4);
        QVERIFY(zeilen[0].endsWith("\t403\t:/hilfe/datensicherung.html"));
        THilfe::protokollSetzen({});
        // The card's "Hilfe" button: the new-sow page for a new sow, the card page otherwise.
        t.ctx.Sauenliste.push_back(sau("17"));
        for (int index : {-1, 0}) {
            TSauWurfEingabe karte(t.ctx, &main);
            karte.SauOeffnen(index);
            karte.show();
            QVERIFY(QTest::qWaitForWindowExposed(&karte));
            main.hilfe()->hide();
            karte.findChild<QPushButton*>(QStringLiteral("HilfeBtn"))->click();
            QVERIFY(main.hilfe()->isVisible());
            QCOMPARE(main.hilfe()->kontext(), index < 0 ? 200 : 250);
        }
    }
};

QTEST_MAIN(TestHilfe)
#include "tst_hilfe.moc"
