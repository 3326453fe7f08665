// The program as shipped: the built executable started offscreen on its own home, working
// and program folders; its test build (the same start-up with a script driver) driven by a
// script of user actions.
#include "support/herdbau.h"

#include <QtTest>

class TestProgramm : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString ordner(const QString& name) const {
        QDir().mkpath(dir_.filePath(name));
        return dir_.filePath(name);
    }
    QString programm() const {
        return ordner(QStringLiteral("prog")) + QStringLiteral("/porvanta");
    }
    QString store() const {
        return dir_.filePath(QStringLiteral("config/Porvanta/Porvanta/PV.INI"));
    }

    QProcessEnvironment umgebung() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("PORVANTA_DATENPFAD"));
        env.insert(QStringLiteral("HOME"), ordner(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), ordner(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), ordner(QStringLiteral("data")));
        env.insert(QStringLiteral("USER"),
                   QStringLiteral("porvanta-test-%1").arg(QCoreApplication::applicationPid()));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return env;
    }

    // Runs the program on the script; returns what it printed.
    QString starten(const QStringList& skript) {
        const QString datei = dir_.filePath(QStringLiteral("skript.txt"));
        if (!schreiben(datei, skript.join(u'\n').toUtf8())) return {};
        QProcessEnvironment env = umgebung();
        env.insert(QStringLiteral("PORVANTA_SKRIPT"), datei);
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(ordner(QStringLiteral("arbeit")));
        p.start(programm(), {});
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
        }
        const QString err = QString::fromUtf8(p.readAllStandardError());
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) qWarning() << err;
        return p.exitCode() == 0 && p.exitStatus() == QProcess::NormalExit
                   ? QString::fromUtf8(p.readAllStandardOutput())
                   : QStringLiteral("Fehler %1").arg(p.exitCode());
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        // A copy of its own, so the program's directory is a fresh one.
        QVERIFY(QFile::copy(QStringLiteral(PORVANTA_TESTLAUF), programm()));
    }

    // The shipped executable runs up to its window and answers a second start, which ends at
    // once; it carries no test library.
    void ausgeliefertesProgrammStartetEinmal() {
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {QStringLiteral(PORVANTA_PROGRAMM)});
        QVERIFY(ldd.waitForFinished());
        const QByteArray bibliotheken = ldd.readAllStandardOutput();
        QVERIFY(bibliotheken.contains("libQt6Widgets"));
        QVERIFY(!bibliotheken.contains("libQt6Test"));
        // A folder of its own: the program's directory is its data directory.
        const QString ausgeliefert = ordner(QStringLiteral("ausgeliefert")) + "/porvanta";
        QVERIFY(QFile::copy(QStringLiteral(PORVANTA_PROGRAMM), ausgeliefert));
        QProcess erste, zweite;
        for (QProcess* p : {&erste, &zweite}) {
            p->setProcessEnvironment(umgebung());
            p->setWorkingDirectory(ordner(QStringLiteral("arbeit")));
        }
        erste.start(ausgeliefert, {});
        QVERIFY(erste.waitForStarted());
        QVERIFY(!erste.waitForFinished(3000)); // still running
        zweite.start(ausgeliefert, {});
        QVERIFY(zweite.waitForFinished(20000));
        QCOMPARE(zweite.exitStatus(), QProcess::NormalExit);
        QCOMPARE(zweite.exitCode(), 0);
        QCOMPARE(erste.state(), QProcess::Running);
        erste.kill();
        erste.waitForFinished();
    }

    void einstellungenUeberlebenDenLaufAeltereDateiGehtVor() {
        QCOMPARE(starten({"klick Einstellungen1", "klick CheckBox2", "klick CheckBox6",
                          "klick OKBtn", "beenden"}),
                 QString());
        QVERIFY(QFile::exists(store()));
        QCOMPARE(starten({"klick Einstellungen1", "zeige CheckBox2", "zeige CheckBox6",
                          "klick CancelBtn", "beenden"}),
                 QStringLiteral("CheckBox2=0\nCheckBox6=0\n"));
        // An older settings file in the working folder goes before the store, and stays.
        const QByteArray alt = "EINZELSPEICHERUNG=WAHR\r\nVOLLBILD=WAHR\r\n";
        const QString ini = ordner(QStringLiteral("arbeit")) + QStringLiteral("/PV.ini");
        QVERIFY(schreiben(ini, alt));
        QCOMPARE(starten({"klick Einstellungen1", "zeige CheckBox2", "zeige CheckBox6",
                          "klick OKBtn", "beenden"}),
                 QStringLiteral("CheckBox2=1\nCheckBox6=1\n"));
        QCOMPARE(inhalt(ini), alt);
        QVERIFY(QFile::remove(ini));
    }

    void herdeWirdImProgrammordnerGespeichert() {
        QCOMPARE(starten({"klick NeueSau1", "fokus SauNr", "tippe 4711", "klick OKBtn",
                          "klick Nein", "beenden", "klick Ja"}),
                 QString());
        QVERIFY(inhalt(dir_.filePath(QStringLiteral("prog/SAUWURF.DAT"))).contains("4711"));
        QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("arbeit/SAUWURF.DAT"))));
    }
};

QTEST_GUILESS_MAIN(TestProgramm)
#include "tst_programm.moc"
