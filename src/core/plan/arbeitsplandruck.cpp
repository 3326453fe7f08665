#include "plan/arbeitsplandruck.h"

#include "plan/arbeitsplan.h"
#include "platform/canvas.h"
#include "platform/seitenlauf.h"

#include <QStringList>
#include <algorithm>
#include <vector>

namespace {

// A printed column: its left edge, its width and whether its text stands right-aligned.
struct Druckspalte {
    int art;
    double x, breite;
    bool rechts;
};

class Druck {
public:
    Druck(Canvas& c, const Arbeitsplan& plan, const QString& schrift, bool mitNotiz)
        : c_(c), plan_(plan), titel_(plan.titel()), schrift_(schrift), mitNotiz_(mitNotiz),
          s_(c, 135, 1.25) {
        c_.setFont(schrift_, 12);
        s_.zeilenhoeheNeu();
        U = s_.einheit();
        pad_ = U / 4;
        h_ = c_.textHeight();
        rechts_ = c_.pageWidth() - 3 * U;
        spaltenLegen();
    }

    void drucken() {
        double y = s_.beginnen([this](Seitenlauf&) { return kopf(); });
        const double P = s_.zeilenhoehe();
        for (std::size_t i = 0; i < plan_.zeilen.size(); ++i) {
            y = s_.zeile(y);
            const TArbeitsplanZeile& z = plan_.zeilen[i];
            zeile(z, y);
            if (i % 2 == 1) {
                c_.setPen(0, Canvas::Gepunktet);
                c_.drawLine(4 * U, y + 0.9 * P, rechts_, y + 0.9 * P);
                c_.setPen(0);
            }
            y += P;
            const QString notiz = mitNotiz_ ? NotizZeile(z.Notiz) : QString();
            if (!notiz.isEmpty()) {
                c_.drawText(5 * U, y, QStringLiteral(" - ") + notiz);
                c_.drawLine(4 * U, y, 4 * U, y + P);
                c_.drawLine(rechts_, y, rechts_, y + P);
                y += P;
            }
        }
        // The legend of the abbreviations at the foot.
        const QString legende = PlanLegende(plan_.zeiten, plan_.typ);
        if (legende.isEmpty()) return;
        y += 0.5 * P;
        for (const QString& zeile : Umbrochen(c_, legende, rechts_ - 4 * U, QStringLiteral(", "))) {
            y = s_.zeile(y);
            c_.drawText(4 * U, y, zeile);
            y += P;
        }
    }

private:
    // Sow number, stall and day columns keep their widths and cut what is too long; the date,
    // litter and day-count columns widen so that their numbers never run into the next one.
    void spaltenLegen() {
        const auto breit = [&](int art, double breite, double kopf) {
            double b = std::max(breite, kopf);
            for (const TArbeitsplanZeile& z : plan_.zeilen)
                b = std::max(b, c_.textWidth(plan_.zelle(z, art, true)) + 2 * pad_);
            return b;
        };
        const QString ferkeln = QStringLiteral("Ferkeln");
        spalten_.push_back({Arbeitsplan::spSau, 4.0 * U, 14.0 * U, false});
        spalten_.push_back(
            {Arbeitsplan::spFerkeln, 18.0 * U,
             breit(Arbeitsplan::spFerkeln, 8.0 * U, U + c_.textWidth(ferkeln) + pad_), true});
        double x = spalten_.back().x + spalten_.back().breite;
        const auto fest = [&](bool an, int art, double breite, bool rechts) {
            if (!an) return;
            const double kopf = c_.textWidth(plan_.kopf(art)) + 2 * pad_;
            const double b = rechts ? breit(art, breite, kopf) : std::max(breite, kopf);
            spalten_.push_back({art, x, b, rechts});
            x += b;
        };
        fest(plan_.mitWurf, Arbeitsplan::spWurf, 3.0 * U, true);
        fest(plan_.mitTage, Arbeitsplan::spTag, 4.0 * U, true);
        fest(plan_.mitStall, Arbeitsplan::spStall, 14.0 * U, false);
        // Seven equal day columns up to the right edge of the head box.
        const double tag = Seitenlauf::gerundet((rechts_ - x) / 7);
        for (int j = 0; j < 7; ++j)
            spalten_.push_back({Arbeitsplan::spTag0 + j, x + j * tag, tag, false});
        tagKopfEinpassen(tag - 2 * pad_);
    }

    // A day head as it fits its column: the date, three blanks (one when three leave no
    // room) and the weekday, e.g. "4.3.24   Mo".
    QString tagKopf(int j) const {
        return plan_.kopf(Arbeitsplan::spTag0 + j).split(u' ', Qt::SkipEmptyParts).join(tagLuecke_);
    }

    // The gap and the largest size up to 12 points at which every day head fits `breite`.
    void tagKopfEinpassen(double breite) {
        const auto passt = [&] {
            for (int j = 0; j < 7; ++j)
                if (c_.textWidth(tagKopf(j)) > breite) return false;
            return true;
        };
        tagLuecke_ = QStringLiteral("   ");
        if (!passt()) tagLuecke_ = QStringLiteral(" ");
        for (; tagSchrift_ > 6; tagSchrift_ -= 0.5) {
            c_.setFont(schrift_, tagSchrift_);
            if (passt()) break;
        }
        c_.setFont(schrift_, 12);
    }

    void senkrechte(double y1, double y2) {
        for (const Druckspalte& s : spalten_)
            c_.drawLine(s.x, y1, s.x, y2);
        c_.drawLine(rechts_, y1, rechts_, y2);
    }

    double kopf() {
        // Every page starts from its own pen and font, whatever the canvas held before.
        c_.setPen(0);
        c_.setFont(schrift_, 12);
        c_.drawText(125 * U, h_, s_.seitenText());
        c_.setFont(schrift_, 12, Canvas::Bold);
        c_.drawText(65 * U - c_.textWidth(titel_) / 2, 2 * h_, titel_);
        c_.setFont(schrift_, 12);
        c_.drawRect(4 * U, 3.5 * h_, rechts_ - 4 * U, 2 * h_);
        senkrechte(3.5 * h_, 5.5 * h_);
        for (const Druckspalte& s : spalten_) {
            if (s.art >= Arbeitsplan::spTag0) {
                c_.setFont(schrift_, tagSchrift_);
                c_.drawText(s.x + pad_, 4 * h_, tagKopf(s.art - Arbeitsplan::spTag0));
                c_.setFont(schrift_, 12);
                continue;
            }
            double x = s.x + pad_;
            if (s.art == Arbeitsplan::spSau) x = 5 * U;
            if (s.art == Arbeitsplan::spFerkeln) x = 19 * U;
            if (s.art == Arbeitsplan::spStall) x = s.x + 2 * U;
            const QString text =
                s.art == Arbeitsplan::spFerkeln ? QStringLiteral("Ferkeln") : plan_.kopf(s.art);
            c_.drawText(x, 4 * h_, text);
        }
        return 6 * h_;
    }

    void zeile(const TArbeitsplanZeile& z, double y) {
        senkrechte(y, y + s_.zeilenhoehe());
        for (const Druckspalte& s : spalten_) {
            const QString text = plan_.zelle(z, s.art, true);
            if (text.isEmpty()) continue;
            if (s.art == Arbeitsplan::spSau) {
                const double x = Seitenlauf::gerundet(4.5 * U);
                c_.drawText(x, y, Eingepasst(c_, text, s.x + s.breite - pad_ - x));
            } else if (s.rechts) {
                s_.rechts(s.x + s.breite - pad_, y, text);
            } else {
                c_.drawText(s.x + pad_, y, Eingepasst(c_, text, s.breite - 2 * pad_));
            }
        }
    }

    Canvas& c_;
    const Arbeitsplan& plan_;
    QString titel_, schrift_;
    bool mitNotiz_;
    Seitenlauf s_;
    int U = 1;
    int pad_ = 0;
    double h_ = 1, rechts_ = 0;
    double tagSchrift_ = 12;
    QString tagLuecke_ = QStringLiteral("   ");
    std::vector<Druckspalte> spalten_;
};

} // namespace

void ArbeitsplanDrucken(Canvas& c, const Arbeitsplan& plan, const QString& schrift, bool mitNotiz) {
    Druck(c, plan, schrift, mitNotiz).drucken();
}
