#include "skriptlauf.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextStream>
#include <cstdio>

namespace {

QWidget* aktivesFenster(QWidget* haupt) {
    if (QWidget* m = QApplication::activeModalWidget()) return m;
    return haupt;
}

QString ohneKuerzel(QString text) {
    return text.remove(u'&');
}

} // namespace

Skriptlauf::Skriptlauf(QWidget* hauptfenster, QStringList zeilen, QObject* parent)
    : QObject(parent), haupt_(hauptfenster), zeilen_(std::move(zeilen)) {
    connect(&timer_, &QTimer::timeout, this, &Skriptlauf::schritt);
    timer_.start(150); // long enough for a mnemonic's animated click
}

Skriptlauf* Skriptlauf::ausUmgebung(QWidget* hauptfenster) {
    const QString datei = qEnvironmentVariable("PORVANTA_SKRIPT");
    if (datei.isEmpty()) return nullptr;
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "Skript %s nicht lesbar\n", qPrintable(datei));
        QMetaObject::invokeMethod(
            qApp, [] { QCoreApplication::exit(3); }, Qt::QueuedConnection);
        return nullptr;
    }
    QStringList zeilen;
    for (const QString& z : QString::fromUtf8(f.readAll()).split(u'\n'))
        if (!z.trimmed().isEmpty()) zeilen << z;
    return new Skriptlauf(hauptfenster, zeilen, hauptfenster);
}

void Skriptlauf::schritt() {
    if (naechste_ >= zeilen_.size()) return;
    const QString zeile = zeilen_[naechste_];
    const qsizetype blank = zeile.indexOf(u' ');
    const QString befehl = blank < 0 ? zeile : zeile.left(blank);
    const QString arg = blank < 0 ? QString() : zeile.mid(blank + 1);
    // The action may open a modal dialog whose loop runs the next steps: move on first.
    ++naechste_;
    if (ausfuehren(befehl, arg)) {
        versuche_ = 0;
        return;
    }
    --naechste_;
    // Waiting for a file gives another program time to act (a minute and a half).
    if (++versuche_ > (befehl == QLatin1String("warte") ? 600 : 70)) {
        std::fprintf(stderr, "Skriptschritt nicht ausführbar: %s\n", qPrintable(zeile));
        std::fflush(stderr);
        std::_Exit(3);
    }
}

bool Skriptlauf::ausfuehren(const QString& befehl, const QString& arg) {
    QWidget* fenster = aktivesFenster(haupt_);
    if (befehl == QLatin1String("klick")) {
        if (auto* a = haupt_->findChild<QAction*>(arg); a && fenster == haupt_) {
            if (!a->isEnabled()) return false;
            QMetaObject::invokeMethod(a, &QAction::trigger, Qt::QueuedConnection);
            return true;
        }
        for (QAbstractButton* b : fenster->findChildren<QAbstractButton*>()) {
            if (b->isVisible() && b->isEnabled() &&
                (b->objectName() == arg || ohneKuerzel(b->text()) == arg)) {
                QMetaObject::invokeMethod(b, &QAbstractButton::click, Qt::QueuedConnection);
                return true;
            }
        }
        return false;
    }
    if (befehl == QLatin1String("fokus")) {
        QWidget* w = fenster->findChild<QWidget*>(arg);
        if (!w || !w->isEnabled() || !w->isVisible()) return false;
        w->setFocus(Qt::OtherFocusReason);
        return true;
    }
    QWidget* fokus = QApplication::focusWidget() ? QApplication::focusWidget() : fenster;
    if (befehl == QLatin1String("tippe")) {
        if (!fokus) return false;
        QTest::keyClicks(fokus, arg);
        return true;
    }
    if (befehl == QLatin1String("taste")) {
        if (!fokus) return false;
        const QKeySequence k = QKeySequence::fromString(arg);
        if (k.isEmpty()) return false;
        // As typed on the keyboard: shortcuts and mnemonics work, too.
        QTest::keyClick(fokus, k[0].key(), k[0].keyboardModifiers());
        return true;
    }
    if (befehl == QLatin1String("zeige")) {
        QWidget* w = fenster->findChild<QWidget*>(arg);
        if (!w) return false;
        QString wert;
        if (auto* c = qobject_cast<QCheckBox*>(w))
            wert = c->isChecked() ? "1" : "0";
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            wert = e->text();
        else if (auto* l = qobject_cast<QLabel*>(w))
            wert = l->text();
        else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
            wert = p->toPlainText().replace(u'\n', u'|');
        QTextStream(stdout) << arg << '=' << wert << Qt::endl;
        return true;
    }
    if (befehl == QLatin1String("warte")) return QFile::exists(arg);
    if (befehl == QLatin1String("bild")) {
        return fenster->grab().save(arg);
    }
    if (befehl == QLatin1String("beenden")) {
        if (fenster != haupt_) return false;
        QMetaObject::invokeMethod(haupt_, &QWidget::close, Qt::QueuedConnection);
        return true;
    }
    std::fprintf(stderr, "Unbekannter Skriptbefehl: %s\n", qPrintable(befehl));
    std::_Exit(3);
}
