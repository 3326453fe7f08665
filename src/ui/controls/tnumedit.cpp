#include "controls/tnumedit.h"

#include "herd/numformat.h"
#include "herd/waehrung.h"
#include "platform/messages.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>

TNumEdit::TNumEdit(MessageService& messages, const Waehrungstabelle& waehrungen, QWidget* parent)
    : FilterFeld([this](const QString& s) { return filtern(s); }, parent), messages_(messages),
      waehrungen_(waehrungen) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    farbeSetzen();
    anzeigen();
}

namespace {

constexpr QChar dp = numformat::kDezimalzeichen;
constexpr QChar ts = numformat::kTausenderzeichen;

} // namespace

numformat::Eingabeart TNumEdit::eingabeart() const {
    numformat::Eingabeart art;
    if (typ_ == ntInteger)
        art.nachkomma = false;
    else if (typ_ == ntGeneral)
        art.nachkomma = numformat::bildMitNachkomma(mask_.isEmpty() ? positiveMask_ : mask_);
    art.negativ = !positivOnly_ && !(validate_ && min_ >= 0);
    // A value set from code is edited as it stands.
    art.nachkomma = art.nachkomma || text().contains(dp);
    art.negativ = art.negativ || text().startsWith(u'-');
    return art;
}

// A comma or point typed is the decimal comma; nothing else but digits and the minus.
QString TNumEdit::zeichen(const QString& s) const {
    const numformat::Eingabeart art = eingabeart();
    QString out;
    for (QChar c : s) {
        if (c == u',' || c == u'.') {
            if (!art.nachkomma) continue;
            c = dp;
        }
        if (c == u'-' && !art.negativ) continue;
        if ((c >= u'0' && c <= u'9') || c == u'-' || c == dp) out += c;
    }
    return out;
}

// Pasted or dropped text: the same characters as typed keys.
QString TNumEdit::filtern(const QString& s) const {
    return zeichen(s);
}

std::int32_t TNumEdit::AsInteger() const {
    return numformat::asInteger(wert_, useRounding_);
}
std::int16_t TNumEdit::AsInteger16() const {
    return numformat::asInteger16(wert_, useRounding_);
}

QString TNumEdit::anzeigeText() const {
    switch (typ_) {
    case ntCurrency: {
        QString s = numformat::fixed(wert_, nachkomma_, dp, digits_ > 0 ? digits_ : 15) + u' ';
        if (wert_ != 0) s += waehrungen_.kuerzelVon(waehrung_);
        return s;
    }
    case ntPercentage:
        return numformat::fixed(wert_ * 100, nachkomma_, dp) + u'%';
    case ntInteger:
        return numformat::fixed(wert_, 0, dp);
    case ntGeneral:
        break;
    }
    const QString bild = positiveMask_ + u';' + negativeMask_ + u';' + zeroMask_;
    return numformat::formatFloat(bild, wert_, dp, ts);
}

QString TNumEdit::bearbeitungsText() const {
    switch (typ_) {
    case ntCurrency:
        return numformat::plain(wert_, dp, nachkomma_);
    case ntPercentage:
        return numformat::plain(wert_ * 100, dp, nachkomma_);
    case ntInteger:
        return numformat::fixed(wert_, 0, dp);
    case ntGeneral:
        break;
    }
    if (!mask_.isEmpty()) return numformat::formatFloat(mask_, wert_, dp, ts);
    return numformat::plain(wert_, dp);
}

void TNumEdit::anzeigen() {
    textSetzen(anzeigeText());
}

bool TNumEdit::imBereich(double v) const {
    if (v < min_) {
        messages_.error(numformat::unterMinimumText(min_));
        return false;
    }
    if (v > max_) {
        messages_.error(numformat::ueberMaximumText(max_));
        return false;
    }
    return true;
}

void TNumEdit::setWert(double v) {
    if (v == wert_) return;
    if (validate_ && !imBereich(v)) return;
    wert_ = v;
    anzeigen();
}

void TNumEdit::setNumericType(TNumericType t) {
    typ_ = t;
    if (!drin_) anzeigen();
}

void TNumEdit::setNachkomma(int n) {
    nachkomma_ = std::max(0, n);
    if (!drin_) anzeigen();
}

void TNumEdit::setDigits(int n) {
    digits_ = std::max(0, n);
    if (drin_)
        laengeBegrenzen();
    else
        anzeigen();
}

void TNumEdit::setPositiveMask(const QString& m) {
    positiveMask_ = m;
    if (!drin_) anzeigen();
}

void TNumEdit::setNegativeMask(const QString& m) {
    negativeMask_ = m;
    if (!drin_) anzeigen();
}

void TNumEdit::setZeroMask(const QString& m) {
    zeroMask_ = m;
    if (!drin_) anzeigen();
}

void TNumEdit::setWaehrung(TWaehrung w) {
    waehrung_ = w;
    if (!drin_) anzeigen();
}

void TNumEdit::setUnEnabledGray(bool on) {
    unEnabledGray_ = on;
    farbeSetzen();
}

void TNumEdit::farbeSetzen() {
    QPalette p = palette();
    const QPalette standard = QApplication::palette(this);
    p.setColor(QPalette::Disabled, QPalette::Text,
               unEnabledGray_ ? standard.color(QPalette::Disabled, QPalette::Text)
                              : p.color(QPalette::Active, QPalette::Text));
    setPalette(p);
}

// While editing the text may not grow beyond Digits; a longer value already shown stays whole.
void TNumEdit::laengeBegrenzen() {
    if (digits_ > 0) setMaxLength(std::max(digits_, int(text().size())));
}

void TNumEdit::keyPressEvent(QKeyEvent* e) {
    // Control keys never insert a character; they keep their line-edit meaning (backspace,
    // clipboard, undo; Enter and Escape go on to the window).
    if (sondertaste(e)) return;
    const QString rein = zeichen(e->text());
    if (rein.isEmpty()) return;
    // Only what can still become a number the field holds goes in.
    QString danach = text();
    if (hasSelectedText())
        danach.replace(selectionStart(), selectedText().size(), rein);
    else
        danach.insert(cursorPosition(), rein);
    if (!numformat::eingabeMoeglich(danach, eingabeart())) return;
    einfuegen(rein);
}

void TNumEdit::focusInEvent(QFocusEvent* e) {
    if (!drin_) {
        drin_ = true;
        alteLaenge_ = maxLength();
        textSetzen(bearbeitungsText());
        laengeBegrenzen();
    }
    QLineEdit::focusInEvent(e);
}

void TNumEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (!verlaesst(e)) return;
    setMaxLength(alteLaenge_);
    const double zahl = numformat::lesen(text());
    if (validate_ && (zahl < min_ || zahl > max_)) {
        // Back into the field before the message, so that closing the message box returns
        // the focus here; the typed text stays.
        drin_ = true;
        alteLaenge_ = maxLength();
        laengeBegrenzen();
        setFocus(Qt::OtherFocusReason);
        imBereich(zahl);
        selectAll();
        return;
    }
    wert_ = typ_ == ntPercentage ? zahl * 0.01 : zahl;
    anzeigen();
    emit verlassen();
}
