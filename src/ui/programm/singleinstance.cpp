#include "programm/singleinstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {
const QByteArray kZeigen = QByteArrayLiteral("zeigen\n");
}

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), key_(key), lock_(QDir::temp().filePath(key + QStringLiteral(".lock"))) {
    // Only a dead owner makes the lock stale, however old it is.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    if (server_) server_->close();
}

QString SingleInstance::standardKey() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) user = qEnvironmentVariable("USERNAME");
    if (user.isEmpty()) user = QStringLiteral("user");
    return QStringLiteral("porvanta-") + user;
}

bool SingleInstance::starten() {
    QElapsedTimer timer;
    timer.start();
    while (!lock_.tryLock(0)) {
        if (lock_.error() == QLockFile::LockFailedError) {
            if (senden()) return false;
            // The running copy may still be starting up; try again for a while.
            if (timer.elapsed() > 5000) return false;
            QThread::msleep(100);
            continue;
        }
        // Permission or unknown error on the lock file: run without the guard.
        break;
    }
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(key_); // a socket left by a crashed copy
    server_->listen(key_);
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (s->readAll().contains(kZeigen.trimmed())) emit anzeigenGewuenscht();
                s->disconnectFromServer();
            });
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        }
    });
    return true;
}

bool SingleInstance::senden() {
    QLocalSocket socket;
    socket.connectToServer(key_);
    if (!socket.waitForConnected(1000)) return false;
    socket.write(kZeigen);
    const bool ok = socket.waitForBytesWritten(1000);
    socket.waitForDisconnected(500);
    return ok;
}
