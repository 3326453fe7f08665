#pragma once

#include "platform/recordingcanvas.h"

#include <QString>

// Where a recorded page puts two texts on one another: two texts whose heights overlap and
// whose inked widths (leading and trailing blanks left out) overlap too. Empty when every
// text stands clear of the others; `seite` -1 checks every page.
inline QString TextUeberlappung(const RecordingCanvas& c, int seite = -1) {
    struct Feld {
        double x1, x2, y1, y2;
        int page;
        QString text;
    };
    QList<Feld> felder;
    for (const auto& it : c.texts()) {
        if (seite >= 0 && it.page != seite) continue;
        const QString kern = it.text.trimmed();
        if (kern.isEmpty()) continue;
        // The recording canvas is fixed-pitch: every character is as wide as the next.
        const double zeichen = (it.x2 - it.x1) / double(it.text.size());
        const double vorne = double(it.text.indexOf(kern)) * zeichen;
        felder.append(
            {it.x1 + vorne, it.x1 + vorne + kern.size() * zeichen, it.y1, it.y2, it.page, kern});
    }
    const auto wo = [](const Feld& f) {
        return QStringLiteral("\"%1\" (%2..%3)").arg(f.text).arg(f.x1).arg(f.x2);
    };
    for (qsizetype i = 0; i < felder.size(); ++i)
        for (qsizetype j = i + 1; j < felder.size(); ++j) {
            const Feld& a = felder[i];
            const Feld& b = felder[j];
            if (a.page != b.page) continue;
            const bool zeile = std::min(a.y2, b.y2) - std::max(a.y1, b.y1) > 0.01;
            const bool spalte = std::min(a.x2, b.x2) - std::max(a.x1, b.x1) > 0.01;
            if (zeile && spalte)
                return wo(a) + " overlaps " + wo(b) +
                       QStringLiteral(" at y %1 on page %2").arg(a.y1).arg(a.page + 1);
        }
    return {};
}
