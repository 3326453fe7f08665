#include "feed/mischungsbericht.h"

#include "feed/futtermix.h"
#include "herd/numformat.h"
#include "platform/canvas.h"
#include "platform/csvwriter.h"
#include "platform/seitenlauf.h"

QString FutterZahl(double v, int nachkomma) {
    return numformat::zahl(v, nachkomma);
}

namespace {

constexpr const char* kDruckKopf[kFutterWerte] = {" TS",   "MJ ME", "RProt", "Lysin", "Meth",
                                                  "Stärk", "Rfas",  "RFett", "RAsch", "Ca",
                                                  "P",     "Na",    ""};

class Druck {
public:
    Druck(Canvas& c, const QString& schrift) : c_(c), schrift_(schrift) {
        c_.setFont(schrift_, 12);
        // One page: the mix has room for a fixed number of entries.
        const Seitenlauf seiten(c_, 120, 1.2);
        u_ = seiten.einheit();
        h_ = seiten.zeilenhoehe();
    }

    void rechts(double x, double y, const QString& t) { c_.drawText(x - c_.textWidth(t), y, t); }
    double spalte(int m) const { return (28.0 + 7.0 * m) * u_; } // m = 0..12

    void drucken(const Futtermix& mix, const QString& preisKopf) {
        rechts(50 * u_, 3 * h_, QStringLiteral("Mischung : "));
        c_.setFont(schrift_, 12, Canvas::Bold);
        c_.drawText(51 * u_, 3 * h_, mix.Name);
        c_.setFont(schrift_, 12);
        c_.drawText(3 * u_, 5 * h_, QStringLiteral("kg/kg"));
        c_.drawText(10 * u_, 5 * h_, QStringLiteral("Komponente"));
        for (int m = 0; m < kFutterWerte; ++m)
            rechts(spalte(m), 5 * h_, m == fwPreis ? preisKopf : QString::fromUtf8(kDruckKopf[m]));
        const double unterKopf = 5 * h_ + c_.textHeight();
        c_.drawLine(3 * u_, unterKopf, 117 * u_, unterKopf);
        double y = 6 * h_;
        for (const TMischungsPosten& p : mix.Posten) {
            if (!(p.Anteil() > 0)) continue;
            if (p.Fest()) c_.drawText(3 * u_, y, QStringLiteral("x"));
            rechts(9 * u_, y, FutterZahl(p.Anteil(), 3));
            c_.drawText(9 * u_, y, QStringLiteral("  ") + p.Name());
            for (int m = 0; m < kFutterWerte; ++m)
                rechts(spalte(m), y, FutterZahl(p.Beitrag(m), kWertNachkomma[m]));
            y += h_;
        }
        const double linie = y + 0.1 * h_;
        c_.drawLine(3 * u_, linie, 117 * u_, linie);
        y += 0.3 * h_;
        c_.drawText(3 * u_, y, QStringLiteral("Gesamt :         "));
        for (int m = 0; m < kFutterWerte; ++m)
            rechts(spalte(m), y, FutterZahl(mix.Summen[m], kWertNachkomma[m]));
    }

private:
    Canvas& c_;
    QString schrift_;
    int u_ = 1;
    double h_ = 1;
};

} // namespace

void MischungDrucken(Canvas& c, const Futtermix& mix, const QString& schrift,
                     const QString& preisKopf) {
    Druck(c, schrift).drucken(mix, preisKopf);
}

CsvWriter MischungAlsCsv(const Futtermix& mix, const QString& preisKopf) {
    CsvWriter w;
    w.text(QStringLiteral("Fest")).text(QStringLiteral("Menge")).text(QStringLiteral("Name"));
    for (const char* k : kWertKopf)
        w.text(QString::fromUtf8(k).trimmed());
    w.text(preisKopf.trimmed());
    w.zeileEnde();
    for (int i = 0; i < mix.Anzahl; ++i) {
        const TMischungsPosten& p = mix.Posten[std::size_t(i)];
        w.text(p.Fest() ? QStringLiteral("X") : QString()).zahl(p.Anteil(), 3).text(p.Name());
        for (int m = 0; m < kFutterWerte; ++m)
            w.zahl(p.Beitrag(m), kWertNachkomma[m]);
        w.zeileEnde();
    }
    w.leer().leer().text(QStringLiteral("Gesamt"));
    for (int m = 0; m < kFutterWerte; ++m)
        w.zahl(mix.Summen[m], kWertNachkomma[m]);
    w.zeileEnde();
    w.leer().leer().text(QStringLiteral("Ziel"));
    for (int m = 0; m < kNaehrwerte; ++m)
        w.zahl(mix.Ziele[m], kWertNachkomma[m]);
    w.zeileEnde();
    return w;
}
