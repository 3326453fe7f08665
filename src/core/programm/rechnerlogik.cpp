#include "programm/rechnerlogik.h"

#include <cmath>

namespace {
constexpr double kGrenze = 100000000.0;
constexpr int kStellen = 8;  // typed characters
constexpr int kAnzeige = 18; // characters the display holds
} // namespace

QString RechnerZahl(double x) {
    QString s = QString::number(x, 'f', 7).trimmed().left(9);
    while (s.size() > 1 && s.endsWith(u'0'))
        s.chop(1);
    return s;
}

void Rechenwerk::auffrischen() {
    if (std::fabs(x_) >= kGrenze || !std::isfinite(x_))
        anzeige_ = QStringLiteral("Überlauf");
    else if (ergebnis_)
        anzeige_ = RechnerZahl(x_);
}

void Rechenwerk::neueZahl() {
    y_ = x_;
    x_ = 0;
    anzeige_ = QStringLiteral("0");
    ergebnis_ = false;
    vorzeichenErlaubt_ = false;
}

void Rechenwerk::ziffer(QChar k) {
    if (ergebnis_) neueZahl();
    if (anzeige_.size() < kStellen) anzeige_ += k;
    if (anzeige_.size() == 2 && anzeige_[0] == u'0' && anzeige_[1] == k) anzeige_ = QString(k);
}

void Rechenwerk::rechnen(bool prozent, Op neu) {
    QString text = anzeige_;
    if (text.endsWith(u'.')) text += u'0';
    bool ok = false;
    const double v = text.toDouble(&ok);
    // The overflow text is no number: the value behind it stays.
    if (ok)
        x_ = v;
    else if (anzeige_ != QStringLiteral("Überlauf"))
        x_ = 0;
    if (prozent) x_ = (op_ == Op::Plus || op_ == Op::Minus) ? y_ * x_ * 0.01 : x_ * 0.01;
    switch (op_) {
    case Op::Plus:
        x_ = y_ + x_;
        break;
    case Op::Minus:
        x_ = y_ - x_;
        break;
    case Op::Mal:
        x_ = y_ * x_;
        break;
    case Op::Durch:
        x_ = x_ == 0 ? 1000000000.0 : y_ / x_;
        break;
    case Op::Keine:
        break;
    }
    ergebnis_ = true;
    punkt_ = false;
    op_ = neu;
    vorzeichenErlaubt_ = neu != Op::Keine;
}

void Rechenwerk::taste(QChar roh) {
    const QChar k = roh.toUpper();
    auffrischen();
    if (k.isDigit() && k.unicode() < 128) {
        ziffer(k);
    } else if (k == u'.' || k == u',') {
        if (!punkt_) {
            punkt_ = true;
            if (ergebnis_) neueZahl();
            if (anzeige_.size() < kStellen) anzeige_ += u'.';
        }
    } else if (k == u'+') {
        rechnen(false, Op::Plus);
    } else if (k == u'-') {
        if (vorzeichenErlaubt_) {
            neueZahl();
            anzeige_ = QStringLiteral("-");
        } else {
            rechnen(false, Op::Minus);
        }
    } else if (k == u'*') {
        rechnen(false, Op::Mal);
    } else if (k == u'/') {
        rechnen(false, Op::Durch);
    } else if (k == u'=') {
        rechnen(false, Op::Keine);
    } else if (k == u'%') {
        rechnen(true, Op::Keine);
    } else if (k == u'C') {
        x_ = y_ = 0;
        anzeige_ = QStringLiteral("0");
        punkt_ = false;
        ergebnis_ = true;
        vorzeichenErlaubt_ = false;
    } else if (k == u'M') {
        if (!ergebnis_) rechnen(false, Op::Keine);
        speicher_ = x_;
    } else if (k == u'R') {
        // Only the value changes: a shown result then shows the memory, while a number being
        // typed stays on display and is what the next calculation reads.
        if (ergebnis_) y_ = x_;
        x_ = speicher_;
    } else if (k == u'\b') {
        if (!anzeige_.isEmpty()) {
            if (anzeige_.endsWith(u'.')) punkt_ = false;
            anzeige_.chop(1);
        }
    }
    auffrischen();
}

void Rechenwerk::vorzeichen() {
    if (ergebnis_) {
        x_ = -x_;
    } else if (anzeige_.startsWith(u'-')) {
        anzeige_.remove(0, 1);
    } else if (anzeige_.size() < kAnzeige) {
        anzeige_.prepend(u'-');
    }
    auffrischen();
}
