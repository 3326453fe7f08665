#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

// Keeps one running copy per user. The first copy holds a lock file and listens on a local
// socket; a later copy finds the lock taken, asks the first to show itself and ends. A lock
// or socket left behind by a crashed copy is recovered.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the running copy; false after handing over to it.
    bool starten();

    static QString standardKey(); // "porvanta-" + user name

signals:
    void anzeigenGewuenscht();

private:
    bool senden();

    QString key_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
};
