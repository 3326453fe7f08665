#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <functional>

class AppContext;
class Canvas;
struct Befehlszeile;

// A failure that ends the tool with status 2 and this German message.
struct Berichtsfehler {
    QString text;
};

// One report ready to be put out: its pages and, where the window has one, its CSV table.
struct Bericht {
    QString titel;
    QPageLayout::Orientation ausrichtung = QPageLayout::Portrait;
    std::function<void(Canvas&)> seiten;
    std::function<QByteArray()> csv; // empty when the report has no CSV export
};

// Builds the report named first among the words of `b` from the loaded context. Throws
// Berichtsfehler for a report not available, a sow, plan type or mix not found, or a bad
// option value.
Bericht BerichtBauen(AppContext& ctx, const Befehlszeile& b);
