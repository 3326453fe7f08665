// The barn page's interface over real HTTP on a free port: pairing and its lock, sessions
// and CSRF tokens, every booking kind with good and bad input, the refusal while the PC has
// the sow open, the journal and the saved herd file.

#include "support/herdbau.h"
#include "support/testcontext.h"

#include "entry/tsammelbuchung.h"
#include "entry/tsauwurfeingabe.h"
#include "herd/herdfile.h"
#include "stall/stallsteuerung.h"
#include "stall/tstallzugang.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

// Cookies go only where a test puts them.
class OhneKekse : public QNetworkCookieJar {
public:
    QList<QNetworkCookie> cookiesForUrl(const QUrl&) const override { return {}; }
    bool setCookiesFromUrl(const QList<QNetworkCookie>&, const QUrl&) override { return false; }
};

struct Antwort {
    int status = 0;
    QJsonObject json;
    QByteArray setCookie;
};

quint16 freierPort() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

} // namespace

class tst_Stallzugang : public QObject {
    Q_OBJECT

    std::unique_ptr<TestContext> t;
    std::unique_ptr<StallSteuerung> stall;
    QNetworkAccessManager nam;
    QByteArray keks, csrf;

    QString herdDatei() const { return t->pfad(QStringLiteral("SAUWURF.DAT")); }

    Antwort senden(const QByteArray& methode, const QString& pfad, const QByteArray& body = {},
                   const QByteArray& art = "application/json", const QByteArray& cookie = {},
                   const QByteArray& token = {}) {
        QNetworkRequest r(
            QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(stall->port()).arg(pfad)));
        if (!art.isEmpty()) r.setRawHeader("Content-Type", art);
        if (!cookie.isEmpty()) r.setRawHeader("Cookie", cookie);
        if (!token.isEmpty()) r.setRawHeader("X-CSRF-Token", token);
        QNetworkReply* rep = nam.sendCustomRequest(r, methode, body);
        QEventLoop loop;
        connect(rep, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        Antwort a;
        a.status = rep->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        a.json = QJsonDocument::fromJson(rep->readAll()).object();
        a.setCookie = rep->rawHeader("Set-Cookie");
        rep->deleteLater();
        return a;
    }
    Antwort koppeln(const QString& code) {
        const QJsonObject o{{"code", code}, {"geraet", "Stallhandy"}};
        return senden("POST", "/api/koppeln", QJsonDocument(o).toJson());
    }
    Antwort buchen(const QJsonObject& o) {
        return senden("POST", "/api/buchen", QJsonDocument(o).toJson(), "application/json", keks,
                      csrf);
    }
    QString fehler(const Antwort& a) const { return a.json.value("fehler").toString(); }

private slots:
    void initTestCase() { nam.setCookieJar(new OhneKekse); }

    void init() {
        t = std::make_unique<TestContext>(QDate(2013, 3, 10));
        Herde h;
        // 10 mated and due to farrow; 20 suckling; 30 weaned; 40 mated, not yet checked.
        h.push_back(sau("10", {wurf(1, dt(15, 11, 2012))}));
        h.push_back(sau("20", {wurf(1, dt(15, 10, 2012), dt(10, 2, 2013), {}, 12)}));
        h.push_back(sau("30", {wurf(1, dt(1, 9, 2012), dt(24, 12, 2012), dt(20, 1, 2013), 11)}));
        h.push_back(sau("40", {wurf(1, dt(1, 2, 2013))}));
        QVERIFY(schreiben(herdDatei(), herdBytes(h)));
        HerdeLaden(t->ctx);
        t->ctx.Hilfslisten[hlAusfallursachen] = QStringList{"erdrückt"};
        t->ctx.einstellungen.stallzugang = true;
        t->ctx.einstellungen.stallPort = freierPort();
        stall = std::make_unique<StallSteuerung>(t->ctx);
        QVERIFY(stall->einstellen());
        const Antwort a = koppeln(stall->zugang().neuerCode());
        QCOMPARE(a.status, 200);
        keks = a.setCookie.left(a.setCookie.indexOf(';'));
        csrf = a.json.value("csrf").toString().toLatin1();
    }
    void cleanup() {
        stall.reset();
        t.reset();
    }

    // Pairing sets a safe session and keeps only the token's hash; five wrong codes lock it.
    void koppelnUndSperre() {
        const QString code = stall->zugang().neuerCode();
        const Antwort a = koppeln(code);
        QCOMPARE(a.status, 200);
        QVERIFY(a.setCookie.contains("HttpOnly"));
        QVERIFY(a.setCookie.contains("SameSite=Strict"));
        QVERIFY(a.setCookie.contains("Max-Age=2592000"));
        // The file keeps no token, only its hash.
        const QByteArray geraete = inhalt(t->pfad(StallZugang::kDatei));
        QVERIFY(geraete.contains("Stallhandy"));
        QVERIFY(!geraete.contains(a.setCookie.mid(11, 43)));
        // One code pairs one device.
        QCOMPARE(koppeln(code).status, 403);
        // A device list that cannot be written is told at the PC, not dropped.
        QVERIFY(QFile::remove(t->pfad(StallZugang::kDatei)) &&
                QDir().mkdir(t->pfad(StallZugang::kDatei))); // a folder where the file goes
        QCOMPARE(koppeln(stall->zugang().neuerCode()).status, 200);
        QCOMPARE(t->messages.shown.size(), 1);
        QVERIFY(t->messages.shown[0].text.startsWith(
            QStringLiteral("Die Datei STALLGERAETE.JSON konnte nicht geschrieben werden!")));
        // Five wrong codes lock the pairing, for the right code too.
        const QString neu = stall->zugang().neuerCode();
        const QString falsch =
            neu == u"000000" ? QStringLiteral("111111") : QStringLiteral("000000");
        for (int i = 0; i < 4; ++i)
            QCOMPARE(koppeln(falsch).status, 403);
        QCOMPARE(koppeln(falsch).status, 429);
        const Antwort gesperrt = koppeln(neu);
        QCOMPARE(gesperrt.status, 429);
        QVERIFY(fehler(gesperrt).contains(u"gesperrt"));
    }

    void ohneBerechtigungNichts_data() {
        QTest::addColumn<QByteArray>("cookie");
        QTest::addColumn<QByteArray>("token");
        QTest::newRow("ohne Sitzung") << QByteArray() << QByteArray("x");
        QTest::newRow("fremde Sitzung") << QByteArray("pv_sitzung=erfunden") << QByteArray("x");
        QTest::newRow("ohne CSRF") << QByteArray("*") << QByteArray();
        QTest::newRow("falsches CSRF") << QByteArray("*") << QByteArray("falsch");
    }
    void ohneBerechtigungNichts() {
        QFETCH(QByteArray, cookie);
        QFETCH(QByteArray, token);
        const QByteArray vorher = inhalt(herdDatei());
        const QJsonObject o{{"nr", "10"}, {"art", "abferkeln"}, {"lebend", 10}};
        const Antwort a = senden("POST", "/api/buchen", QJsonDocument(o).toJson(),
                                 "application/json", cookie == "*" ? keks : cookie, token);
        QCOMPARE(a.status, 403);
        QCOMPARE(inhalt(herdDatei()), vorher);
        QVERIFY(!t->ctx.Sauenliste[0].wuerfe[0].Abferkeln().vorhanden());
        if (cookie != "*") QCOMPARE(senden("GET", "/api/sau?nr=10", {}, {}, cookie).status, 403);
    }

    void buchen_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        const auto row = [](const char* n, const char* j, int s, const char* m) {
            QTest::newRow(n) << QByteArray(j) << s << QString::fromUtf8(m);
        };
        row("Belegen", R"({"nr":"30","art":"belegen","datum":"2013-03-01","eber":"Max","mal":2})",
            200, "1. Belegen");
        row("Belegen vor Absetzen", R"({"nr":"30","art":"belegen","datum":"2013-01-10"})", 400,
            "vorherigen Absetzen");
        row("Belegen säugend", R"({"nr":"20","art":"belegen"})", 400, "säugend");
        row("Belegen Mal zu groß", R"({"nr":"30","art":"belegen","mal":12})", 400, "nicht über 9");
        row("TK", R"({"nr":"40","art":"tk","datum":"2013-03-05","tragend":true})", 200, "tragend");
        row("TK ohne Belegen", R"({"nr":"30","art":"tk"})", 400, "nicht als belegt");
        row("TK Ergebnis kein Wahrheitswert", R"({"nr":"40","art":"tk","tragend":"ja"})", 400,
            "ja oder nein");
        row("Abferkeln",
            R"({"nr":"10","art":"abferkeln","datum":"2013-03-09","lebend":12,"tot":1,"weibliche":6})",
            200, "12 lebend");
        row("Abferkeln vor Belegen",
            R"({"nr":"10","art":"abferkeln","datum":"2012-11-01","lebend":12})", 400,
            "vor dem letzten Belegen");
        row("Abferkeln Zahl als Text", R"({"nr":"10","art":"abferkeln","lebend":"zwölf"})", 400,
            "Zahl");
        row("Abferkeln zu viele", R"({"nr":"10","art":"abferkeln","lebend":300})", 400,
            "nicht über 255");
        row("Abferkeln negativ", R"({"nr":"10","art":"abferkeln","lebend":-1})", 400,
            "größer oder gleich 0");
        row("Abferkeln halbe Ferkel", R"({"nr":"10","art":"abferkeln","lebend":2.5})", 400,
            "ganze Zahl");
        row("Ausfall",
            R"({"nr":"20","art":"verlust","datum":"2013-02-12","anzahl":2,"ursache":"erdrückt"})",
            200, "Lebenstag 3");
        row("Ausfall vor Abferkeln",
            R"({"nr":"20","art":"verlust","datum":"2013-02-01","ursache":"erdrückt"})", 400,
            "vor dem Abferkeltermin");
        row("Ausfall zu viele", R"({"nr":"20","art":"verlust","anzahl":15,"ursache":"x"})", 400,
            "nicht über 14");
        row("Ausfall ohne Ursache", R"({"nr":"20","art":"verlust"})", 400, "Eintrag");
        row("Absetzen", R"({"nr":"20","art":"absetzen","datum":"2013-03-08","gewicht":7.5})", 200,
            "12 Ferkel");
        row("Absetzen ohne Abferkeln", R"({"nr":"40","art":"absetzen"})", 400,
            "keine Abferkeleintrag");
        row("Absetzen Datum kaputt", R"({"nr":"20","art":"absetzen","datum":"2013-02-30"})", 400,
            "gültiges Datum");
        row("Stall", R"({"nr":"40","art":"stall","stall":"Abteil 3"})", 200, "Abteil 3");
        row("Stall zu lang", R"({"nr":"40","art":"stall","stall":"ein sehr langer Stallname"})",
            400, "höchstens 15");
        row("Unbekannte Sau", R"({"nr":"99","art":"stall","stall":"A"})", 400, "Keine Sau");
        row("Unbekannte Art", R"({"nr":"10","art":"impfen"})", 400, "Buchungsart");
        row("JSON-Liste", R"([1,2])", 400, "fehlerhaft");
        row("Formulardaten", "nr=10&art=stall", 400, "kein JSON");
        QTest::newRow("zu groß") << "{\"nr\":\"" + QByteArray(20000, '1') + "\"}" << 413
                                 << QString();
    }
    void buchen() {
        QFETCH(QByteArray, json);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        const QByteArray vorher = inhalt(herdDatei());
        QSignalSpy meldungen(&t->ctx.meldung, &HerdMeldung::geaendert);
        const bool form = json.startsWith("nr=");
        const Antwort a =
            senden("POST", "/api/buchen", json,
                   form ? "application/x-www-form-urlencoded" : "application/json", keks, csrf);
        QCOMPARE(a.status, status);
        const QString text = status == 200 ? a.json.value("meldung").toString() : fehler(a);
        QVERIFY2(text.contains(meldung), qPrintable(text));
        if (status != 200) {
            QCOMPARE(inhalt(herdDatei()), vorher);
            QCOMPARE(meldungen.count(), 0);
            return;
        }
        // Saved at once: the file holds exactly the herd in memory; the PC's windows were told.
        // (What a farrowing puts into which field, the browser test reads from the file.)
        QVERIFY(!t->ctx.Geaendert);
        QCOMPARE(inhalt(herdDatei()), herdBytes(t->ctx.Sauenliste));
        QVERIFY(meldungen.count() >= 1);
    }

    void warnungenErstBestaetigen() {
        const QJsonObject o{
            {"nr", "10"}, {"art", "abferkeln"}, {"datum", "2013-03-09"}, {"lebend", 30}};
        const QByteArray vorher = inhalt(herdDatei());
        Antwort a = buchen(o);
        QCOMPARE(a.status, 200);
        QVERIFY(a.json.value("rueckfrage").toArray().first().toString().contains(u"30"));
        QCOMPARE(inhalt(herdDatei()), vorher);
        QJsonObject ja = o;
        ja.insert("bestaetigt", true);
        a = buchen(ja);
        QCOMPARE(a.status, 200);
        QCOMPARE(int(t->ctx.Sauenliste[0].wuerfe.back().Geborene()), 30);
    }

    // The sow's card holds her, a batch booking the whole herd, until they are closed.
    void amPcGeoeffnetAbgelehnt_data() {
        QTest::addColumn<bool>("sammel");
        QTest::newRow("Karte") << false;
        QTest::newRow("Sammelbuchung") << true;
    }
    void amPcGeoeffnetAbgelehnt() {
        QFETCH(bool, sammel);
        const QByteArray vorher = inhalt(herdDatei());
        const QJsonObject sau10{{"nr", "10"}, {"art", "stall"}, {"stall", "B"}};
        {
            TSauWurfEingabe karte(t->ctx);
            std::unique_ptr<TSammelbuchung> stapel;
            if (sammel)
                stapel = std::make_unique<TSammelbuchung>(t->ctx);
            else
                karte.SauOeffnen(0);
            const Antwort a = buchen(sau10);
            QCOMPARE(a.status, 409);
            QCOMPARE(fehler(a), QStringLiteral("Diese Sau ist am PC gerade geöffnet."));
            QCOMPARE(inhalt(herdDatei()), vorher);
            QCOMPARE(buchen({{"nr", "40"}, {"art", "stall"}, {"stall", "B"}}).status,
                     sammel ? 409 : 200);
        }
        QCOMPARE(buchen(sau10).status, 200);
    }

    void sauUndHeute() {
        Antwort a = senden("GET", "/api/sau?nr=20", {}, {}, keks);
        QCOMPARE(a.status, 200);
        QCOMPARE(a.json.value("status").toString(), QStringLiteral("säugend"));
        QCOMPARE(a.json.value("wurf").toObject().value("lebend").toInt(), 12);
        a = senden("GET", "/api/sau?nr=10", {}, {}, keks);
        QCOMPARE(a.json.value("wurf").toObject().value("erwartet").toString(),
                 QStringLiteral("8.3.13"));
        // 10 is due to farrow; 20 farrowed four weeks ago and is due for weaning, whatever
        // her stall.
        t->ctx.Sauenliste[1].rec.setStall("Abferkelstall");
        a = senden("GET", "/api/heute?typ=-1", {}, {}, keks);
        QCOMPARE(a.status, 200);
        const QJsonArray zeilen = a.json.value("zeilen").toArray();
        QCOMPARE(zeilen.size(), 2);
        QCOMPARE(zeilen[0].toObject().value("aufgabe").toString(), QStringLiteral("Abf."));
        QCOMPARE(zeilen[1].toObject().value("nr").toString(), QStringLiteral("20"));
        QCOMPARE(zeilen[1].toObject().value("aufgabe").toString(), QStringLiteral("Abs"));
        QCOMPARE(senden("GET", "/api/sau?nr=77", {}, {}, keks).status, 404);
        QCOMPARE(senden("GET", "/../SAUWURF.DAT", {}, {}, keks).status, 404);
    }

    // Without saving each change the booking only marks the herd changed. The window shows the
    // code, the device with the journal line, and revokes the device. Switched off, the port is
    // closed.
    void fensterZeigtGeraetUndWiderruft() {
        t->ctx.einstellungen.einzelspeicherung = false;
        const QByteArray vorher = inhalt(herdDatei());
        QCOMPARE(buchen({{"nr", "40"}, {"art", "stall"}, {"stall", "B"}}).status, 200);
        QVERIFY(t->ctx.Geaendert);
        QCOMPARE(inhalt(herdDatei()), vorher);
        TStallzugang w(t->ctx, *stall);
        QVERIFY(w.findChild<QLabel*>("Code")->text().contains(stall->zugang().code()));
        QVERIFY(!w.findChild<QLabel*>("QRCode")->pixmap().isNull());
        QVERIFY(w.findChild<QPlainTextEdit*>("Journal")->toPlainText().contains(
            u"; Stallhandy; 40; -; Stall B"));
        auto* liste = w.findChild<QTableWidget*>("Geraete");
        QCOMPARE(liste->rowCount(), 1);
        QCOMPARE(liste->item(0, 0)->text(), QStringLiteral("Stallhandy"));
        liste->selectRow(0);
        w.findChild<QPushButton*>("Widerrufen")->click();
        QCOMPARE(liste->rowCount(), 0);
        QCOMPARE(senden("GET", "/api/sau?nr=10", {}, {}, keks).status, 403);
        const quint16 port = stall->port();
        t->ctx.einstellungen.stallzugang = false;
        QVERIFY(stall->einstellen());
        QVERIFY(!stall->laeuft());
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(!s.waitForConnected(1000));
    }
};

QTEST_MAIN(tst_Stallzugang)
#include "tst_stallzugang.moc"
