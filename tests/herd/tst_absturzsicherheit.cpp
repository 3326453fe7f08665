// Saving and loading the herd when things go wrong. The kills need a second process: this
// program started with "--kind-speichern" saves a large herd and is killed at a random moment.

#include "herd/herdfile.h"
#include "platform/clock.h"
#include "platform/consolemessages.h"
#include "platform/safewrite.h"
#include "programm/appcontext.h"
#include "sperren.h"
#include "support/begrenztesgeraet.h"
#include "support/herdbau.h"
#include "support/testcontext.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

const QDate kHeute(2013, 3, 10);
const QString kDat = QStringLiteral("SAUWURF.DAT");
const QString kBak = QStringLiteral("SAUWURF.BAK");

// A random herd of `sauen` sows in the state the loader leaves it (so that loading gives it
// back unchanged).
Herde grosseHerde(int sauen, quint32 seed) {
    Herde h = zufallsHerde(seed, sauen);
    // A sow stored without litters comes back with a blank one.
    for (Sau& s : h)
        if (s.wuerfe.empty()) s.wuerfe.push_back(TWurfRec::leer(1));
    StatusNeuBerechnen(h);
    return h;
}

// Puts `h` in place of the herd as a change and saves it (the backup is on by default): whether
// it was saved and Geaendert cleared.
bool speichern(TestContext& tc, Herde h) {
    tc.ctx.Sauenliste = std::move(h);
    tc.ctx.Geaendert = true;
    return HerdeSpeichern(tc.ctx) && !tc.ctx.Geaendert;
}

// The kill test's herds: the first backup (C) and the two herds the saves switch between.
struct Herden {
    static constexpr quint32 kA = 11, kB = 12, kC = 13;
    static int sauen(quint32 seed) { return seed == kA ? 2500 : seed == kB ? 3000 : 400; }
};

// Child mode: saves the herd of `seed` into `ordner` with the backup on.
int kindSpeichern(const QString& ordner, quint32 seed) {
    ConsoleMessages msg;
    FixedClock uhr(kHeute);
    AppContext ctx(msg, uhr);
    ctx.Datenpfad = ordner + u'/';
    ctx.einstellungen.backupdatei = true;
    ctx.Sauenliste = grosseHerde(Herden::sauen(seed), seed);
    ctx.Geaendert = true;
    std::printf("bereit\n");
    std::fflush(stdout);
    return HerdeSpeichern(ctx) ? 0 : 1;
}

} // namespace

class TestAbsturzsicherheit : public QObject {
    Q_OBJECT

private slots:
    // A save killed at any moment leaves the herd file byte for byte the complete old or the
    // complete new herd, and the backup a complete earlier herd file; the herd file loads. Every
    // third save runs where no hard link can be made, so that the backup is copied.
    void abbruchMittenImSpeichern() {
        TestContext tc(kHeute);
        const QString ordner = tc.dir.path();
        const QString dat = tc.pfad(kDat);
        const QString bak = tc.pfad(kBak);
        const QString linkSperre = tc.pfad(kBak + QStringLiteral(".tmp"));
        const QByteArray a = herdBytes(grosseHerde(Herden::sauen(Herden::kA), Herden::kA));
        const QByteArray b = herdBytes(grosseHerde(Herden::sauen(Herden::kB), Herden::kB));
        const QByteArray c = herdBytes(grosseHerde(Herden::sauen(Herden::kC), Herden::kC));
        QVERIFY(schreiben(dat, a));
        QVERIFY(schreiben(bak, c));

        const auto starten = [&](QProcess& p, quint32 seed) {
            p.setProgram(QCoreApplication::applicationFilePath());
            p.setArguments({QStringLiteral("--kind-speichern"), ordner, QString::number(seed)});
            p.start();
            if (!p.waitForStarted(10000)) return false;
            while (!p.canReadLine())
                if (!p.waitForReadyRead(20000)) return false;
            return p.readLine().trimmed() == "bereit";
        };

        // One save to its end gives the time a save takes here.
        qint64 dauer = 0;
        {
            QProcess p;
            QVERIFY(starten(p, Herden::kB));
            QElapsedTimer t;
            t.start();
            QVERIFY(p.waitForFinished(30000));
            dauer = std::max<qint64>(t.elapsed(), 1);
            QCOMPARE(p.exitCode(), 0);
            QVERIFY(inhalt(dat) == b);
            QVERIFY(inhalt(bak) == a);
        }

        const quint32 seed = QRandomGenerator::global()->generate();
        Zufall rnd(seed);
        int alt = 0, neu = 0, kopiert = 0;
        QList<QByteArray> geladen;
        const int kAbbrueche = 60;
        for (int i = 0; i < kAbbrueche; ++i) {
            const QByteArray vorher = inhalt(dat);
            const bool warA = vorher == a;
            const quint32 ziel = warA ? Herden::kB : Herden::kA;
            const QByteArray nachher = warA ? b : a;
            const bool kopieren = i % 3 == 2;
            if (kopieren) {
                // A name in the way that cannot be removed: the hard link fails, the backup is
                // copied instead. (A kill may have left the backup's temporary link there.)
                QFile::remove(linkSperre);
                QVERIFY(QDir().mkpath(linkSperre + QStringLiteral("/belegt")));
                ++kopiert;
            }

            QProcess p;
            QVERIFY2(starten(p, ziel), qPrintable(QStringLiteral("run %1").arg(i)));
            const qint64 warten = qint64(rnd.zahl(0, int(dauer) * 2000)); // microseconds
            QThread::usleep(static_cast<unsigned long>(warten));
            p.kill();
            QVERIFY(p.waitForFinished(10000));
            if (kopieren) QVERIFY(QDir(linkSperre).removeRecursively());

            const QByteArray jetzt = inhalt(dat);
            const QString wo =
                QStringLiteral("kill %1 after %2 us (seed %3)").arg(i).arg(warten).arg(seed);
            QVERIFY2(jetzt == vorher || jetzt == nachher, qPrintable(wo));
            (jetzt == vorher ? alt : neu) += 1;
            const QByteArray sicherung = inhalt(bak);
            QVERIFY2(sicherung == a || sicherung == b || sicherung == c, qPrintable(wo));

            // The same bytes load the same way; each of the two herds is loaded once.
            if (!geladen.contains(jetzt)) {
                tc.messages.clear();
                HerdeLaden(tc.ctx);
                QCOMPARE(tc.messages.texts(), QStringList());
                QVERIFY2(herdBytes(tc.ctx.Sauenliste) == jetzt, qPrintable(wo));
                geladen.append(jetzt);
            }
        }
        qInfo("%d kills (%d copying the backup): %d old, %d new; save %lld ms; seed %u", kAbbrueche,
              kopiert, alt, neu, dauer, seed);

        // Whatever the kills left behind, the next save works and clears Geaendert.
        const QStringList rest = namen(ordner);
        const QByteArray letzte = inhalt(dat);
        QVERIFY(speichern(tc, grosseHerde(50, 99)));
        QVERIFY(inhalt(dat) == herdBytes(tc.ctx.Sauenliste));
        QVERIFY(inhalt(bak) == letzte);
        QVERIFY2(namen(ordner).size() <= rest.size(), qPrintable(rest.join(u' ')));
    }
    // Names a killed save can leave behind (a complete temporary herd file, the backup's
    // temporary link, also as a second name of the herd file) do not disturb the next save and
    // are not taken for the herd.
    void liegengebliebeneNamenStoerenNicht() {
        TestContext tc(kHeute);
        const Herde alt = grosseHerde(30, 1);
        const QByteArray altBytes = herdBytes(alt);
        QVERIFY(schreiben(tc.pfad(kDat), altBytes));
        QVERIFY(
            schreiben(tc.pfad(QStringLiteral("SAUWURF.DAT.Xk3pQz")), herdBytes(grosseHerde(5, 2))));
        QCOMPARE(::link(QFile::encodeName(tc.pfad(kDat)).constData(),
                        QFile::encodeName(tc.pfad(kBak + QStringLiteral(".tmp"))).constData()),
                 0);

        HerdeLaden(tc.ctx);
        QVERIFY(herdBytes(tc.ctx.Sauenliste) == altBytes);

        QVERIFY(speichern(tc, grosseHerde(40, 3)));
        QCOMPARE(tc.messages.texts(), QStringList());
        QVERIFY(inhalt(tc.pfad(kDat)) == herdBytes(tc.ctx.Sauenliste));
        QVERIFY(inhalt(tc.pfad(kBak)) == altBytes);
        // The backup's temporary name is cleared; the stray temporary file is left alone.
        QCOMPARE(namen(tc.dir.path()),
                 (QStringList{kBak, kDat, QStringLiteral("SAUWURF.DAT.Xk3pQz")}));
    }
    // A herd file that is there but cannot be read is told at once, and no save replaces it
    // without the farmer's word; a missing file is an empty herd as ever.
    void unlesbareHerdeNurNachRueckfrage_data() {
        QTest::addColumn<bool>("vorhanden");
        QTest::newRow("unreadable (a folder)") << true;
        QTest::newRow("missing") << false;
    }
    void unlesbareHerdeNurNachRueckfrage() {
        QFETCH(bool, vorhanden);
        TestContext tc(kHeute);
        if (vorhanden) QVERIFY(QDir(tc.dir.path()).mkdir(kDat));
        HerdeLaden(tc.ctx);
        QVERIFY(tc.ctx.Sauenliste.empty());
        QCOMPARE(tc.ctx.DateiUnlesbar, vorhanden);
        QCOMPARE(tc.messages.texts().size(), vorhanden ? 1 : 0);
        if (vorhanden)
            QVERIFY(tc.messages.texts()[0].startsWith(
                "Die Datei SAUWURF.DAT ist vorhanden, kann aber nicht gelesen werden!\n" +
                tc.pfad(kDat) + ": Unter diesem Namen steht ein Ordner."));
        tc.ctx.Sauenliste = grosseHerde(3, 1);
        tc.messages.planAnswer(MessageService::Answer::No);
        QCOMPARE(AenderungFesthalten(tc.ctx), !vorhanden);
        QCOMPARE(tc.ctx.Geaendert, vorhanden);
        QCOMPARE(QFileInfo(tc.pfad(kDat)).isDir(), vorhanden);
        if (vorhanden)
            QVERIFY(tc.messages.shown.back().buttons == MessageService::Buttons::YesNoDefaultNo);
    }

    void fehlschlagDannErfolg_data() {
        QTest::addColumn<qint64>("grenze"); // bytes a file may grow to; -1 and -2 see below
        QTest::addColumn<QString>("grund"); // told on the message's second line

        const qint64 neu = herdBytes(grosseHerde(300, 5)).size();
        const QString zuGross = QStringLiteral("Die Datei wird zu groß für den Datenträger.");
        QTest::newRow("read-only data directory")
            << qint64(-1) << QStringLiteral("Keine Berechtigung (Zugriff verweigert).");
        QTest::newRow("SAUWURF.DAT is a directory")
            << qint64(-2) << QStringLiteral("Unter diesem Namen steht ein Ordner.");
        QTest::newRow("no byte") << qint64(0) << zuGross;
        QTest::newRow("all but the last byte") << neu - 1 << zuGross;
    }
    // A save that fails part-way tells the user once and changes nothing: the herd file, the
    // backup and the directory stay as they were, the herd in memory and Geaendert stay. Once the
    // disk takes it, the next save writes the herd, keeps the backup of the file before it and
    // clears Geaendert.
    void fehlschlagDannErfolg() {
        QFETCH(qint64, grenze);

        TestContext tc(kHeute);
        const QString ordner = tc.dir.path();
        const QByteArray altBytes = herdBytes(grosseHerde(200, 4));
        const QByteArray aelter = herdBytes(grosseHerde(3, 6));
        if (grenze == -2)
            QVERIFY(QDir(ordner).mkdir(kDat));
        else
            QVERIFY(schreiben(tc.pfad(kDat), altBytes));
        QVERIFY(schreiben(tc.pfad(kBak), aelter));
        const QByteArray datVorher = inhalt(tc.pfad(kDat));
        const QStringList vorher = namen(ordner);

        const Herde neu = grosseHerde(300, 5);
        tc.ctx.Sauenliste = neu;
        tc.ctx.Geaendert = true;
        tc.ctx.einstellungen.backupdatei = true;
        std::optional<OrdnerSchreibschutz> schutz;
        std::optional<Groessengrenze> g;
        if (grenze == -1 && !schutz.emplace(ordner).wirksam())
            QSKIP("This process can write into a directory without write permission.");
        if (grenze >= 0) g.emplace(rlim_t(grenze));
        const bool ok = HerdeSpeichern(tc.ctx);
        schutz.reset();
        g.reset();
        QCOMPARE(ok, false);
        QFETCH(QString, grund);
        QCOMPARE(tc.messages.texts(), QStringList{SchreibFehlerText(kDat, tc.pfad(kDat), grund)});
        QCOMPARE(tc.messages.shown[0].kind, FakeMessages::Shown::Error);
        QCOMPARE(tc.ctx.Geaendert, true);
        QVERIFY(herdBytes(tc.ctx.Sauenliste) == herdBytes(neu));
        QVERIFY(inhalt(tc.pfad(kDat)) == datVorher);
        QVERIFY(inhalt(tc.pfad(kBak)) == aelter);
        QCOMPARE(namen(ordner), vorher);
        if (grenze == -2) return;

        tc.messages.clear();
        QVERIFY(speichern(tc, neu));
        QCOMPARE(tc.messages.texts(), QStringList());
        QVERIFY(inhalt(tc.pfad(kDat)) == herdBytes(neu));
        QVERIFY(inhalt(tc.pfad(kBak)) == altBytes);
        QCOMPARE(namen(ordner), vorher);
    }
    void sicherungOhneHarteVerknuepfung_data() {
        QTest::addColumn<bool>("kopieGelingt");
        QTest::newRow("copy written") << true;
        QTest::newRow("copy refused by the disk") << false;
    }
    // Where no hard link can be made the backup is copied through a temporary file: it is then a
    // complete copy of the previous herd file, or, when the copy cannot be written, the previous
    // backup stays whole and the user is warned. The save itself goes through in both cases.
    void sicherungOhneHarteVerknuepfung() {
        QFETCH(bool, kopieGelingt);

        TestContext tc(kHeute);
        const QString ordner = tc.dir.path();
        // The previous herd file is larger than what the disk will take below; the new herd is
        // small enough.
        const QByteArray altBytes = herdBytes(grosseHerde(400, 7));
        const QByteArray aelter = herdBytes(grosseHerde(2, 8));
        QVERIFY(schreiben(tc.pfad(kDat), altBytes));
        QVERIFY(schreiben(tc.pfad(kBak), aelter));
        const QString sperre = tc.pfad(kBak + QStringLiteral(".tmp"));
        QVERIFY(QDir().mkpath(sperre + QStringLiteral("/belegt")));

        std::optional<Groessengrenze> g;
        if (!kopieGelingt) g.emplace(rlim_t(altBytes.size() / 2));
        QVERIFY(speichern(tc, grosseHerde(10, 9)));
        g.reset();
        const QByteArray neu = herdBytes(tc.ctx.Sauenliste);
        QVERIFY(neu.size() < altBytes.size() / 2);
        // A backup that could not be written is told, as a warning.
        QCOMPARE(tc.messages.texts().size(), kopieGelingt ? 0 : 1);
        if (!kopieGelingt)
            QVERIFY(tc.messages.texts().first().startsWith(
                QStringLiteral("Die Sicherungsdatei SAUWURF.BAK konnte nicht angelegt werden.")));
        QVERIFY(inhalt(tc.pfad(kDat)) == neu);
        QVERIFY(inhalt(tc.pfad(kBak)) == (kopieGelingt ? altBytes : aelter));
        QCOMPARE(namen(ordner), (QStringList{kBak, kBak + QStringLiteral(".tmp"), kDat}));
    }
    void lesenVonVersagendemGeraet_data() {
        QTest::addColumn<qint64>("stueck");
        QTest::addColumn<qint64>("versagtAb");
        QTest::addColumn<int>("saetze"); // whole records read
        QTest::addColumn<int>("fehler");

        const qint64 alles = 1 << 30;
        QTest::newRow("delivered a byte at a time") << qint64(1) << alles << -1 << 0;
        QTest::newRow("fails at the start") << qint64(4096) << qint64(0) << 0 << 1;
        QTest::newRow("fails after three records") << qint64(4096) << qint64(3 * 512) << 3 << 1;
        QTest::newRow("fails inside the fourth record")
            << qint64(300) << qint64(3 * 512 + 200) << 3 << 1;
    }
    // A disk that fails while the herd is read: what was read whole stays, one message tells of
    // the failure. A device that hands out the bytes in small pieces is no failure.
    void lesenVonVersagendemGeraet() {
        QFETCH(qint64, stueck);
        QFETCH(qint64, versagtAb);
        QFETCH(int, saetze);
        QFETCH(int, fehler);

        const Herde herde = grosseHerde(60, 31);
        const QByteArray bytes = herdBytes(herde);
        if (saetze < 0) saetze = int(bytes.size() / 512);
        // The records read whole, as a herd.
        QBuffer teil;
        teil.setData(bytes.left(qsizetype(saetze) * 512));
        teil.open(QIODevice::ReadOnly);
        FakeMessages still;
        const HerdeGelesen erwartet = HerdeLesen(teil, kHeute, still);

        BegrenztesGeraet dev(versagtAb, bytes, stueck);
        QVERIFY(dev.open(QIODevice::ReadOnly));
        FakeMessages msg;
        const HerdeGelesen r = HerdeLesen(dev, kHeute, msg);
        QCOMPARE(r.lesefehler, fehler);
        QCOMPARE(msg.texts(),
                 fehler ? QStringList{QStringLiteral("Fehler beim Lesen der Datei SAUWURF.DAT!")}
                        : QStringList());
        QVERIFY(herdBytes(r.herde) == herdBytes(erwartet.herde));
        QCOMPARE(r.eberliste, erwartet.eberliste);
    }
};

int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], "--kind-speichern") == 0)
        return kindSpeichern(QString::fromLocal8Bit(argv[2]),
                             quint32(QByteArray(argv[3]).toUInt()));
    QCoreApplication app(argc, argv);
    TestAbsturzsicherheit test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_absturzsicherheit.moc"
