#include "programm/singleinstance.h"

#include <QtTest>

#include <csignal>

// The test binary doubles as the "other copy": with --zweite KEY it tries to start and exits
// 0 when it handed over to a running copy, 3 when it became the running copy itself; with
// --halten KEY it becomes the running copy and waits to be killed.
class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    // A copy killed without cleaning up leaves its lock behind; the next start takes over
    // all the same, and a copy after it hands over and ends.
    void alteSperreNachAbsturzBlockiertNicht() {
        const QString key = neuerKey();
        QProcess halter;
        halter.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        halter.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--halten"), key});
        QVERIFY(halter.waitForReadyRead(10000)); // prints once it runs
        ::kill(pid_t(halter.processId()), SIGKILL);
        QVERIFY(halter.waitForFinished(5000));

        SingleInstance neu(key);
        QVERIFY(neu.starten());
        QSignalSpy spy(&neu, &SingleInstance::anzeigenGewuenscht);
        QCOMPARE(zweiteKopie(key), 0);
        QTRY_COMPARE(spy.count(), 1);
    }

private:
    static QString neuerKey() {
        return QStringLiteral("porvanta-test-") +
               QUuid::createUuid().toString(QUuid::Id128).left(12);
    }
    static int zweiteKopie(const QString& key) {
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--zweite"), key});
        // The running copy must answer while we wait: keep its event loop turning.
        QElapsedTimer t;
        t.start();
        while (!p.waitForFinished(20) && t.elapsed() < 20000)
            QCoreApplication::processEvents();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
};

int main(int argc, char* argv[]) {
    if (argc == 3 && (qstrcmp(argv[1], "--zweite") == 0 || qstrcmp(argv[1], "--halten") == 0)) {
        QCoreApplication app(argc, argv);
        SingleInstance s(QString::fromLocal8Bit(argv[2]));
        const bool erste = s.starten();
        if (qstrcmp(argv[1], "--zweite") == 0) return erste ? 3 : 0;
        if (!erste) return 4;
        fputs("laeuft\n", stdout);
        fflush(stdout);
        return app.exec();
    }
    QCoreApplication app(argc, argv);
    TestSingleInstance t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_singleinstance.moc"
