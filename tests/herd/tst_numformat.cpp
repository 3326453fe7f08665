// Pictures, fixed and general number text, reading typed numbers, integer access.

#include "herd/numformat.h"

#include <QLocale>
#include <QTest>
#include <cmath>
#include <limits>

class TestNumformat : public QObject {
    Q_OBJECT

private slots:
    void gleitkommaformat_data() {
        QTest::addColumn<QString>("bild");
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("text");

        QTest::newRow("half rounds away from zero") << "###0" << 12.5 << "13";
        QTest::newRow("optional decimal shown") << "#0.#" << 2.5 << "2.5";
        QTest::newRow("decimal digits, not binary: 1.005") << "0.00" << 1.005 << "1.01";
        QTest::newRow("negative without own section") << "#0.#" << -2.25 << "-2.3";
        QTest::newRow("signed zero is empty") << "'+'#0;'-'#0;''" << 0.0 << "";
        QTest::newRow("rounds to zero uses zero section") << "'+'#0;'-'#0;''" << -0.4 << "";
        QTest::newRow("empty negative section falls back") << "#0;;'null'" << -5.0 << "-5";
        QTest::newRow("lone # shows nothing for zero") << "#" << 0.0 << "";
        QTest::newRow("no leading zero with #") << "#.##" << 0.5 << ".5";
        QTest::newRow("thousands with decimals") << "#,##0.00" << -1234.5 << "-1,234.50";
        QTest::newRow("semicolon in quotes") << "'a;b'0" << 5.0 << "a;b5";
        QTest::newRow("empty positive section is general") << ";;" << 2.25 << "2.25";
        QTest::newRow("empty positive with negative section") << ";'-'#0" << -3.5 << "-3.5";
    }
    void gleitkommaformat() {
        QFETCH(QString, bild);
        QFETCH(double, wert);
        QTEST(numformat::formatFloat(bild, wert), "text");
    }
    void allgemein_data() {
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("text");

        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("15 whole digits") << 999999999999999.0 << "999999999999999";
        QTest::newRow("16 whole digits") << 1e15 << "1E15";
        QTest::newRow("below it") << 0.000001 << "1E-6";
        QTest::newRow("negative exponent form") << -1.5e-7 << "-1.5E-7";
    }
    void allgemein() {
        QFETCH(double, wert);
        QTEST(numformat::general(wert), "text");
    }
    void festkomma_data() {
        QTest::addColumn<double>("wert");
        QTest::addColumn<int>("nachkomma");
        QTest::addColumn<int>("stellen");
        QTest::addColumn<QString>("text");

        QTest::newRow("negative zero") << -0.001 << 2 << 15 << "0.00";
        QTest::newRow("half up") << 2.5 << 0 << 15 << "3";
        QTest::newRow("decimal tie 1.005") << 1.005 << 2 << 15 << "1.01";
        QTest::newRow("large") << 1e20 << 0 << 15 << "100000000000000000000";
        QTest::newRow("4 significant digits") << 123.456 << 2 << 4 << "123.50";
        QTest::newRow("whole part longer than digits") << 12345.678 << 2 << 4 << "12345.68";
    }
    void festkomma() {
        QFETCH(double, wert);
        QFETCH(int, nachkomma);
        QFETCH(int, stellen);
        QFETCH(QString, text);
        QCOMPARE(numformat::fixed(wert, nachkomma, u'.', stellen), text);
        QCOMPARE(numformat::fixed(wert, nachkomma, u',', stellen),
                 QString(text).replace(u'.', u','));
    }
    void zerlegen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("dp");
        QTest::addColumn<double>("wert");

        QTest::newRow("comma as separator") << "12,5" << QChar(u',') << 12.5;
        QTest::newRow("thousands points") << "-1.234,5" << QChar(u',') << -1234.5;
        QTest::newRow("comma not the separator") << "12,5" << QChar(u'.') << 125.0;
        QTest::newRow("two minus signs") << "--5" << QChar(u'.') << -5.0;
        QTest::newRow("minus after digits") << "5-" << QChar(u'.') << 5.0;
        QTest::newRow("second separator ignored") << "1.2.3" << QChar(u'.') << 1.23;
        QTest::newRow("letters between digits") << "1a2" << QChar(u'.') << 12.0;
        QTest::newRow("no digits") << "abc" << QChar(u'.') << 0.0;
        QTest::newRow("leading separator") << ".5" << QChar(u'.') << 0.5;
    }
    void zerlegen() {
        QFETCH(QString, text);
        QFETCH(QChar, dp);
        QTEST(numformat::parse(text, dp), "wert");
        // Typed German numbers read with the decimal comma.
        if (dp == u',') QTEST(numformat::lesen(text), "wert");
    }
    // The German text every window and export shows, whatever the system locale.
    void deutsch_data() {
        QTest::addColumn<double>("wert");
        QTest::addColumn<int>("nachkomma");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kurz");

        QTest::newRow("decimal comma") << 350.5 << 2 << QString("350,50") << "350,5";
        QTest::newRow("decimal tie away from zero") << 0.125 << 2 << QString("0,13") << "0,125";
        QTest::newRow("rounds to zero without sign") << -0.04 << 1 << QString("0,0") << "-0,04";
        QTest::newRow("large bound") << 1e6 << 0 << QString("1000000") << "1e+06";
        QTest::newRow("no number") << std::nan("") << 1 << QString("?") << "nan";
    }
    void deutsch() {
        QFETCH(double, wert);
        QFETCH(int, nachkomma);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QTEST(numformat::zahl(wert, nachkomma), "text");
        QTEST(numformat::zahlKurz(wert), "kurz");
        QLocale::setDefault(QLocale::c());
    }
    // Typing: a number in the making of the field's kind, nothing else.
    void eingabeMoeglich_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("nachkomma");
        QTest::addColumn<bool>("negativ");
        QTest::addColumn<bool>("moeglich");

        QTest::newRow("empty") << "" << false << false << true;
        QTest::newRow("digits") << "0815" << false << false << true;
        QTest::newRow("letter") << "1a" << true << true << false;
        QTest::newRow("lone minus") << "-" << true << true << true;
        QTest::newRow("minus not allowed") << "-1" << true << false << false;
        QTest::newRow("minus behind digits") << "1-" << true << true << false;
        QTest::newRow("two minus") << "--1" << true << true << false;
        QTest::newRow("decimal comma") << "1,5" << true << false << true;
        QTest::newRow("comma in a whole number") << "1,5" << false << false << false;
        QTest::newRow("second comma") << "1,5,2" << true << false << false;
        QTest::newRow("point is no decimal sign") << "1.5" << true << false << false;
        QTest::newRow("leading comma") << ",5" << true << false << true;
        QTest::newRow("blank") << "1 5" << true << true << false;
    }
    void eingabeMoeglich() {
        QFETCH(QString, text);
        QFETCH(bool, nachkomma);
        QFETCH(bool, negativ);
        QTEST(numformat::eingabeMoeglich(text, {nachkomma, negativ}), "moeglich");
    }
    void bildMitNachkomma_data() {
        QTest::addColumn<QString>("bild");
        QTest::addColumn<bool>("nachkomma");
        QTest::newRow("general form") << "" << true;
        QTest::newRow("whole") << "###0" << false;
        QTest::newRow("signed whole") << "'+'#0;'-'#0;''" << false;
        QTest::newRow("optional decimal") << "#0.#" << true;
        QTest::newRow("point in quotes") << "'1.'#0" << false;
    }
    void bildMitNachkomma() {
        QFETCH(QString, bild);
        QTEST(numformat::bildMitNachkomma(bild), "nachkomma");
    }
    void alsGanzzahl_data() {
        QTest::addColumn<double>("wert");
        QTest::addColumn<bool>("runden");
        QTest::addColumn<int>("i32");
        QTest::addColumn<int>("i16");

        QTest::newRow("2.5 rounds to even") << 2.5 << true << 2 << 2;
        QTest::newRow("3.5 truncated") << 3.5 << false << 3 << 3;
        QTest::newRow("-2.5 rounds to even") << -2.5 << true << -2 << -2;
        QTest::newRow("32-bit top") << 2147483647.0 << true << 2147483647 << 0;
        QTest::newRow("above 32 bits") << 2147483648.0 << true << 0 << 0;
        QTest::newRow("rounds into 16 bits, lies outside") << 32767.4 << true << 32767 << 0;
        QTest::newRow("above 16 bits") << 32768.0 << true << 32768 << 0;
        QTest::newRow("not a number") << std::nan("") << true << 0 << 0;
    }
    void alsGanzzahl() {
        QFETCH(double, wert);
        QFETCH(bool, runden);
        QTEST(numformat::asInteger(wert, runden), "i32");
        QTEST(int(numformat::asInteger16(wert, runden)), "i16");
    }
};

QTEST_APPLESS_MAIN(TestNumformat)
#include "tst_numformat.moc"
