#include "app/tdatensicherung.h"
#include "app/teinstellungen.h"
#include "app/thilfe.h"
#include "app/thilfsliste.h"
#include "app/tpvmain.h"
#include "entry/tanomalein.h"
#include "entry/tsauwurfeingabe.h"
#include "feed/tfuttermix.h"
#include "plan/tarbeitsplanzeiten.h"
#include "plan/tarbplantyp.h"
#include "programm/hilfetexte.h"
#include "support/testcontext.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

namespace {

// Every context number a window, its controls and actions carry.
void kontexteSammeln(const QObject* o, QSet<int>& out) {
    const int k = o->property("helpContext").toInt();
    if (k) out.insert(k);
    for (const QObject* c : o->children())
        kontexteSammeln(c, out);
}

} // namespace

class TestHilfe : public QObject {
    Q_OBJECT
private slots:
    void jederKontextHatEineSeite() {
        TestContext t;
        QSet<int> kontexte;
        {
            TPVMain main(t.ctx);
            kontexteSammeln(&main, kontexte);
        }
        std::vector<std::unique_ptr<QWidget>> fenster;
        fenster.emplace_back(new TDatensicherung(t.ctx));
        fenster.emplace_back(new THilfsliste(t.ctx));
        fenster.emplace_back(new TAnomalEin(t.ctx));
        fenster.emplace_back(new TSauWurfEingabe(t.ctx));
        fenster.emplace_back(new TFuttermix(t.ctx));
        fenster.emplace_back(new TArbeitsplanzeiten(t.ctx));
        fenster.emplace_back(new TArbPlanTyp(t.ctx));
        auto* einst = new TEinstellungen(t.ctx);
        fenster.emplace_back(einst);
        for (int i = 0; i < einst->seiten()->count(); ++i) {
            einst->seiten()->setCurrentIndex(i);
            kontexte.insert(einst->property("helpContext").toInt());
        }
        for (const auto& w : fenster)
            kontexteSammeln(w.get(), kontexte);
        QVERIFY(kontexte.size() >= 10);
        for (int k : kontexte) {
            QVERIFY2(hilfetexte::Bekannt(k), qPrintable(QString::number(k)));
            QVERIFY2(QFile::exists(hilfetexte::Seite(k)), qPrintable(hilfetexte::Seite(k)));
        }
        for (int k : hilfetexte::Kontexte())
            QVERIFY(QFile::exists(hilfetexte::Seite(k)));
        QCOMPARE(hilfetexte::Seite(4711), QStringLiteral(":/hilfe/start.html"));
    }

    void f1UndHilfeKnopf() {
        TestContext t;
        QTemporaryDir log;
        THilfe::protokollSetzen(log.filePath("hilfe.txt"));
        TPVMain main(t.ctx);
        main.show();
        TDatensicherung dlg(t.ctx, &main);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        auto* liste = dlg.findChild<QWidget*>(QStringLiteral("ListBox1"));
        liste->setFocus();
        QTest::keyClick(liste, Qt::Key_F1);
        QVERIFY(main.hilfe()->isVisible());
        QCOMPARE(main.hilfe()->kontext(), 403);
        QVERIFY(main.hilfe()->browser()->toPlainText().contains(QStringLiteral("Datensicherung")));
        dlg.findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click();
        QCOMPARE(main.hilfe()->kontext(), 601);
        main.menuItem(QStringLiteral("Hilfe1"))->trigger();
        QCOMPARE(main.hilfe()->kontext(), 100);
        QFile f(log.filePath("hilfe.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> zeilen = f.readAll().trimmed().split('\n');
        QCOMPARE(zeilen.size(), 3);
        QVERIFY(zeilen[0].endsWith("\t403\t:/hilfe/datensicherung.html"));
        THilfe::protokollSetzen({});
    }

    void ueberModalemDialog() {
        TestContext t;
        TPVMain main(t.ctx);
        main.show();
        TDatensicherung dlg(t.ctx, &main);
        bool modal = false, zu = false;
        QTimer::singleShot(0, &dlg, [&] {
            QTest::keyClick(dlg.findChild<QWidget*>(QStringLiteral("ListBox1")), Qt::Key_F1);
            // Reachable while the dialog waits: modal over it.
            modal =
                main.hilfe()->isVisible() && main.hilfe()->windowModality() == Qt::ApplicationModal;
            QTest::keyClick(main.hilfe(), Qt::Key_Escape);
            zu = !main.hilfe()->isVisible();
            dlg.reject();
        });
        dlg.exec();
        QVERIFY(modal);
        QVERIFY(zu);
        main.Hilfe1Click();
        QCOMPARE(main.hilfe()->windowModality(), Qt::NonModal);
    }
};

QTEST_MAIN(TestHilfe)
#include "tst_hilfe.moc"
