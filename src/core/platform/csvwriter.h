#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

// A table for spreadsheets: fields separated by semicolons, lines by CR LF, UTF-8 with a
// byte order mark, numbers with a decimal comma, dates as dd.mm.yyyy. A field holding a
// semicolon, a quote or a line break is quoted, its quotes doubled.
class CsvWriter {
public:
    CsvWriter& text(const QString& s);
    CsvWriter& zahl(double v, int nachkomma);
    CsvWriter& ganz(qint64 v);
    CsvWriter& datum(const QDate& d); // an invalid date gives an empty field
    CsvWriter& leer() { return text(QString()); }
    void zeileEnde();

    // The whole table with the byte order mark; an unfinished line is ended.
    QByteArray bytes() const;
    // Atomic write; false when it failed.
    // False with the system's reason in `grund` when the file could not be written.
    bool speichern(const QString& pfad, QString* grund = nullptr) const;

    static QString feld(const QString& s);

private:
    void anhaengen(const QString& roh);

    QString tabelle_;
    bool zeileOffen_ = false;
};
