// Every record's layout pinned byte by byte: each field is set through its accessor to a
// value of its own, and the whole record is compared with bytes written out here from the
// field table. A swapped offset or a wrong width fails.
#include "herd/hilfslisten.h"
#include "herd/records.h"
#include "stamm/planrecords.h"
#include "support/herdbau.h"

#include <QBuffer>
#include <QtTest>
#include <initializer_list>

namespace {

// Expected record bytes, built field by field at literal offsets.
struct Soll {
    explicit Soll(int n) : b(n, '\0') {}
    Soll& u(int o, std::initializer_list<int> v) {
        for (int x : v)
            b[o++] = char(x);
        return *this;
    }
    Soll& s(int o, const char* t) { // length-prefixed string
        b[o] = char(qstrlen(t));
        for (int i = 0; t[i]; ++i)
            b[o + 1 + i] = t[i];
        return *this;
    }
    QByteArray b;
};

} // namespace

class TestSatzaufbau : public QObject {
    Q_OBJECT
private slots:
    void sau() {
        TSauRec r;
        r.setSauNr(QStringLiteral("A1"));
        r.setStall(QStringLiteral("St"));
        r.setStatus(3);
        r.setZugang(D(1, 2, 113, 4));
        r.setHerkunft(QStringLiteral("Hk"));
        r.setTVG(QStringLiteral("Tv"));
        r.setRasse(QStringLiteral("Ra"));
        for (int i = 1; i <= 4; ++i)
            r.setSauTermin(i, D(4 + i, 6, 114));
        r.setAbgang(D(9, 10, 115, 1));
        r.setVerkaufsgewicht(0x1234);
        r.setEinkaufsgewicht(0x5678);
        r.setVerkaufspreis(1.0);
        r.setEinkaufspreis(2.0);
        r.setAbnehmer(QStringLiteral("Ab"));
        r.setVerkaufWaehrung(DM);
        r.setEinkaufWaehrung(oS);
        r.setGruppe(-1);
        r.setSauNotiz(QStringLiteral("N\nO"));

        Soll s(512);
        s.s(6, "A1")
            .s(17, "St")
            .u(33, {3})
            .u(34, {1, 2, 113, 4})
            .s(38, "Hk")
            .s(54, "Tv")
            .s(70, "Ra");
        s.u(86, {5, 6, 114, 0, 6, 6, 114, 0, 7, 6, 114, 0, 8, 6, 114, 0});
        s.u(126, {9, 10, 115, 1}).u(130, {0x34, 0x12}).u(132, {0x78, 0x56});
        s.u(134, {0x81, 0, 0, 0, 0, 0}).u(140, {0x82, 0, 0, 0, 0, 0}).s(146, "Ab");
        s.u(162, {1, 2, 0xFF}).u(169, {'N', 10, 'O'});
        QCOMPARE(roh(r).toHex(' '), s.b.toHex(' '));
    }
    void wurf() {
        TWurfRec r;
        r.setWurfNr(7);
        for (int i = 1; i <= 3; ++i) {
            r.setBelegen(i, D(i, 1, 113));
            r.setEber(i, QStringLiteral("E%1").arg(i));
            r.setMal(i, std::uint8_t(10 + i));
            r.setBelegnote(i, QStringLiteral("B%1").arg(i));
        }
        for (int i = 1; i <= 2; ++i) {
            r.setTKDatum(i, D(20 + i, 2, 113));
            r.setTKErgebnis(i, std::uint8_t(i));
        }
        for (int i = 1; i <= 8; ++i)
            r.setWurfTermin(i, D(i, 3, 113));
        r.setAbferkeln(D(25, 5, 113));
        r.setAbsetzen(D(22, 6, 113, 2));
        r.setGeborene(14);
        r.setTodgeborene(2);
        r.setWeibliche(6);
        r.setAusgleich(-3);
        r.setFerkelnNote(QStringLiteral("F"));
        r.setGeburtsgewicht(1500);
        r.setAbsetzgewicht(7000);
        for (int i = 1; i <= 4; ++i)
            r.setFutter(i, std::uint16_t(100 + i));
        for (int i = 1; i <= 14; ++i) {
            r.setEintrag(i, QString(QChar(u'a' + i - 1)));
            r.setVerlusttag(i, std::uint8_t(i));
        }
        r.setWurfNotiz(QStringLiteral("W"));

        Soll s(512);
        s.u(1, {7}).u(2, {1, 1, 113, 0, 2, 1, 113, 0, 3, 1, 113, 0});
        s.s(14, "E1").s(25, "E2").s(36, "E3").u(47, {11, 12, 13});
        s.s(50, "B1").s(66, "B2").s(82, "B3");
        s.u(98, {21, 2, 113, 0, 22, 2, 113, 0}).u(106, {1, 2});
        for (int i = 0; i < 8; ++i)
            s.u(108 + 4 * i, {i + 1, 3, 113, 0});
        s.u(156, {25, 5, 113, 0, 22, 6, 113, 2}).u(164, {14, 2, 6, 0xFD}).s(168, "F");
        s.u(184, {0xDC, 0x05, 0x58, 0x1B}).u(188, {101, 0, 102, 0, 103, 0, 104, 0});
        for (int i = 0; i < 14; ++i) {
            const char t[2] = {char('a' + i), 0};
            s.s(198 + 16 * i, t).u(422 + i, {i + 1});
        }
        s.s(436, "W");
        QCOMPARE(roh(r).toHex(' '), s.b.toHex(' '));
    }
    void hilfsliste() {
        THilfslisten l;
        l[5] << QStringLiteral("Stall Ä");
        QBuffer buf;
        buf.open(QIODevice::WriteOnly);
        QVERIFY(HilfslistenSchreiben(buf, l));
        Soll s(128);
        s.u(0, {5}).s(1, "Stall \xC4");
        QCOMPARE(buf.data().toHex(' '), s.b.toHex(' '));
    }
    void planZeiten() {
        TPlanZeiten z;
        z.setEntry(2, 3, TPlanTermin::mit(QStringLiteral("X"), -2, 300, QStringLiteral("Ab")));
        z.setEntry(4, 14, TPlanTermin::mit(QStringLiteral("Y"), 7, 8, QStringLiteral("Kürz")));
        Soll s(1950);
        s.s(858, "X").u(874, {0xFE, 0xFF, 0x2C, 0x01}).s(878, "Ab");
        s.s(1924, "Y").u(1940, {7, 0, 8, 0}).s(1944, "K\xFCrz");
        QCOMPARE(roh(z).toHex(' '), s.b.toHex(' '));
    }
    void planTyp() {
        TPlanTyp t;
        t.setName(QStringLiteral("T"));
        t.setStatusFlag(6, 1);
        t.setStatusFlag(1, 2);
        t.setSeitenFlag(4, 3);
        t.setSeitenFlag(0, 4);
        t.setStall(0, QStringLiteral("Q"));
        t.setStall(19, QStringLiteral("S"));
        t.setGruppe(-2);
        t.setAlleAuflisten(1);
        Soll neu(351);
        neu.s(0, "T").u(17, {2}).u(22, {1, 4}).u(27, {3}).s(28, "Q").s(332, "S");
        neu.u(348, {0xFE, 0xFF, 1});
        QCOMPARE(roh(t).toHex(' '), neu.b.toHex(' '));
    }
};

QTEST_GUILESS_MAIN(TestSatzaufbau)
#include "tst_satzaufbau.moc"
