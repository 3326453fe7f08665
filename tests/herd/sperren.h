#pragma once

// Ways to make saving fail for the herd tests: a data directory this process cannot write
// into, and a limit on the size of the files it writes.

#include <QFile>
#include <QString>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/fsuid.h>
#endif

// Makes the data directory unwritable for this process. Root ignores permission bits, so
// there the file system user is switched to "nobody" while the directory is locked.
class OrdnerSchreibschutz {
public:
    explicit OrdnerSchreibschutz(const QString& ordner) : ordner_(ordner) {
        QFile::setPermissions(ordner_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                           QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
#ifdef __linux__
        if (::geteuid() == 0) {
            ::setfsuid(65534);
            fsuidGewechselt_ = true;
        }
#endif
    }
    ~OrdnerSchreibschutz() {
#ifdef __linux__
        if (fsuidGewechselt_) ::setfsuid(0);
#endif
        QFile::setPermissions(ordner_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // Whether a new file in the directory is really refused.
    bool wirksam() const {
        QFile probe(ordner_ + QStringLiteral("/probe"));
        if (!probe.open(QIODevice::WriteOnly)) return true;
        probe.close();
        probe.remove();
        return false;
    }

private:
    QString ordner_;
    bool fsuidGewechselt_ = false;
};

// Lets no file of this process grow beyond `bytes`.
class Groessengrenze {
public:
    explicit Groessengrenze(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &alt_);
        altSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit neu = alt_;
        neu.rlim_cur = std::min<rlim_t>(bytes, alt_.rlim_max);
        ::setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~Groessengrenze() {
        ::setrlimit(RLIMIT_FSIZE, &alt_);
        std::signal(SIGXFSZ, altSignal_);
    }

private:
    rlimit alt_{};
    void (*altSignal_)(int) = nullptr;
};
