#include "arbeitsplandruck.h"

#include "plan/arbeitsplan.h"
#include "platform/canvas.h"
#include "platform/seitenhelfer.h"

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
          s_(c, 135) {
        c_.setFont(schrift_, 12);
        s_.zeilenhoeheNeu();
        U = s_.U();
        pad_ = U / 4;
        h_ = c_.textHeight();
        rechts_ = c_.pageWidth() - 3 * U;
        spaltenLegen();
    }

    void drucken() {
        double y = s_.beginnen([this](Seitenhelfer&) { return kopf(); });
        const double P = s_.H();
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
    }

private:
    void spaltenLegen() {
        spalten_.push_back({Arbeitsplan::spSau, 4.0 * U, 14.0 * U, false});
        spalten_.push_back({Arbeitsplan::spFerkeln, 18.0 * U, 8.0 * U, true});
        double x = 26 * U;
        const auto fest = [&](bool an, int art, int breite, bool rechts) {
            if (!an) return;
            spalten_.push_back({art, x, double(breite * U), rechts});
            x += breite * U;
        };
        fest(plan_.mitWurf, Arbeitsplan::spWurf, 3, true);
        fest(plan_.mitTage, Arbeitsplan::spTag, 4, true);
        fest(plan_.mitStall, Arbeitsplan::spStall, 14, false);
        // Seven equal day columns up to the right edge of the head box.
        const double tag = Seitenhelfer::gerundet((rechts_ - x) / 7);
        for (int j = 0; j < 7; ++j)
            spalten_.push_back({Arbeitsplan::spTag0 + j, x + j * tag, tag, false});
    }

    void senkrechte(double y1, double y2) {
        for (const Druckspalte& s : spalten_)
            c_.drawLine(s.x, y1, s.x, y2);
        c_.drawLine(rechts_, y1, rechts_, y2);
    }

    double kopf() {
        c_.setFont(schrift_, 12);
        c_.drawText(125 * U, h_, s_.seitenText());
        c_.setFont(schrift_, 12, Canvas::Bold);
        c_.drawText(65 * U - c_.textWidth(titel_) / 2, 2 * h_, titel_);
        c_.setFont(schrift_, 12);
        c_.drawRect(4 * U, 3.5 * h_, rechts_ - 4 * U, 2 * h_);
        senkrechte(3.5 * h_, 5.5 * h_);
        for (const Druckspalte& s : spalten_) {
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
        senkrechte(y, y + s_.H());
        for (const Druckspalte& s : spalten_) {
            const QString text = plan_.zelle(z, s.art, true);
            if (text.isEmpty()) continue;
            if (s.art == Arbeitsplan::spSau)
                c_.drawText(Seitenhelfer::gerundet(4.5 * U), y, text);
            else if (s.rechts)
                s_.rechts(s.x + s.breite - pad_, y, text);
            else
                c_.drawText(s.x + pad_, y, text);
        }
    }

    Canvas& c_;
    const Arbeitsplan& plan_;
    QString titel_, schrift_;
    bool mitNotiz_;
    Seitenhelfer s_;
    int U = 1;
    int pad_ = 0;
    double h_ = 1, rechts_ = 0;
    std::vector<Druckspalte> spalten_;
};

} // namespace

void ArbeitsplanDrucken(Canvas& c, const Arbeitsplan& plan, const QString& schrift, bool mitNotiz) {
    Druck(c, plan, schrift, mitNotiz).drucken();
}
