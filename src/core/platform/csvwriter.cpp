#include "platform/csvwriter.h"

#include "herd/numformat.h"

#include "platform/safewrite.h"

#include <QIODevice>
#include <cmath>

QString CsvWriter::feld(const QString& s) {
    if (!s.contains(u';') && !s.contains(u'"') && !s.contains(u'\n') && !s.contains(u'\r'))
        return s;
    QString q = s;
    q.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

void CsvWriter::anhaengen(const QString& roh) {
    if (zeileOffen_) tabelle_ += u';';
    tabelle_ += roh;
    zeileOffen_ = true;
}

CsvWriter& CsvWriter::text(const QString& s) {
    anhaengen(feld(s));
    return *this;
}

CsvWriter& CsvWriter::zahl(double v, int nachkomma) {
    if (!std::isfinite(v)) return leer();
    anhaengen(numformat::zahl(v, nachkomma));
    return *this;
}

CsvWriter& CsvWriter::ganz(qint64 v) {
    anhaengen(QString::number(v));
    return *this;
}

CsvWriter& CsvWriter::datum(const QDate& d) {
    anhaengen(d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString());
    return *this;
}

void CsvWriter::zeileEnde() {
    tabelle_ += QStringLiteral("\r\n");
    zeileOffen_ = false;
}

QByteArray CsvWriter::bytes() const {
    QByteArray b("\xEF\xBB\xBF");
    b += tabelle_.toUtf8();
    if (zeileOffen_) b += "\r\n";
    return b;
}

bool CsvWriter::speichern(const QString& pfad, QString* grund) const {
    const QByteArray b = bytes();
    return writeFileSafely(
        pfad, [&](QIODevice& d) { return d.write(b) == b.size(); }, {}, grund);
}
