#include "austausch/timport.h"

#include "austausch/wurfexport.h"
#include "controls/dialogknoepfe.h"
#include "entry/offenepunkte.h"
#include "evaluation/auswertungsliste.h"
#include "platform/messages.h"
#include "platform/safewrite.h"
#include "platform/wartecursor.h"
#include "programm/appcontext.h"
#include "stamm/terminnamen.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TImport::TImport(AppContext& ctx, const QString& datei, QWidget* parent)
    : QDialog(parent), ctx_(ctx), spalten_(wurfdaten::Spalten(Terminnamen(ctx.Planzeiten))) {
    setObjectName(QStringLiteral("Import"));
    setProperty("helpContext", 405);
    setWindowTitle(QStringLiteral("Import ") + QFileInfo(datei).fileName());
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) {
        ctx_.messages().error(QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2")
                                  .arg(QDir::toNativeSeparators(datei), f.errorString()));
        return;
    }
    gelesen_ = true;
    tabelle_ = CsvLesen(f.readAll());
    zuordnung_ = wurfimport::Vorschlagen(tabelle_.kopf(), spalten_);

    Spalten = new QTableWidget(this);
    Spalten->setObjectName(QStringLiteral("Spalten"));
    Ergebnis = new QListWidget(this);
    Ergebnis->setObjectName(QStringLiteral("Ergebnis"));
    Zusammenfassung = new QLabel(this);
    Zusammenfassung->setObjectName(QStringLiteral("Zusammenfassung"));
    QDialogButtonBox* knoepfe = DialogKnoepfe(this, false);
    ImportBtn = knoepfe->button(QDialogButtonBox::Ok);
    ImportBtn->setText(QStringLiteral("&Importieren"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &TImport::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Spalten der Datei:")));
    layout->addWidget(Spalten, 2);
    layout->addWidget(new QLabel(QStringLiteral("Probelauf:")));
    layout->addWidget(Ergebnis, 3);
    layout->addWidget(Zusammenfassung);
    layout->addWidget(knoepfe);
    resize(720, 560);
    zuordnungAufbauen();
    pruefen();
}

void TImport::zuordnungAufbauen() {
    const QStringList kopf = tabelle_.kopf();
    Spalten->setColumnCount(2);
    Spalten->setHorizontalHeaderLabels(
        {QStringLiteral("Spalte"), QStringLiteral("übernehmen als")});
    Spalten->horizontalHeader()->setStretchLastSection(true);
    Spalten->verticalHeader()->hide();
    Spalten->setRowCount(int(kopf.size()));
    for (int j = 0; j < kopf.size(); ++j) {
        auto* name = new QTableWidgetItem(kopf[j]);
        name->setFlags(Qt::ItemIsEnabled);
        Spalten->setItem(j, 0, name);
        auto* wahl = new QComboBox;
        wahl->setObjectName(QStringLiteral("Zuordnung%1").arg(j + 1));
        wahl->addItem(QStringLiteral("(nicht übernehmen)"), wurfimport::kNichtUebernehmen);
        for (std::size_t i = 0; i < spalten_.size(); ++i)
            if (spalten_[i].art != wurfdaten::Art::Ableitung)
                wahl->addItem(spalten_[i].name, int(i));
        wahl->setCurrentIndex(std::max(0, wahl->findData(zuordnung_[j])));
        connect(wahl, &QComboBox::currentIndexChanged, this, [this, j, wahl] {
            zuordnung_[j] = wahl->currentData().toInt();
            pruefen();
        });
        Spalten->setCellWidget(j, 1, wahl);
    }
    Spalten->resizeColumnToContents(0);
}

void TImport::pruefen() {
    const OffenePunkteVorgaben vorgaben =
        PunkteVorgaben(ctx_.einstellungen.pruefung, ctx_.Planzeiten, ctx_.Tragezeit, ctx_.heute());
    plan_ = wurfimport::Pruefen(tabelle_, zuordnung_, spalten_, ctx_.Sauenliste, ctx_.heute(),
                                ctx_.einstellungen.pruefung.warnen ? &vorgaben : nullptr);
    Ergebnis->clear();
    for (const wurfimport::Aenderung& a : plan_.aenderungen)
        Ergebnis->addItem(QStringLiteral("Sau %1: %2").arg(a.sau.rec.SauNr(), a.beschreibung()));
    const auto zeilen = [this](const QList<wurfimport::Problem>& liste, QColor farbe) {
        for (const wurfimport::Problem& p : liste) {
            auto* zeile =
                new QListWidgetItem(QStringLiteral("Zeile %1: %2").arg(p.zeile).arg(p.grund));
            zeile->setForeground(farbe);
            Ergebnis->addItem(zeile);
        }
    };
    zeilen(plan_.probleme, QColor(0xB0, 0, 0));
    zeilen(plan_.warnungen, QColor(0xA0, 0x60, 0));
    int neu = 0;
    for (const wurfimport::Aenderung& a : plan_.aenderungen)
        neu += a.herdenIndex < 0;
    Zusammenfassung->setText(
        QStringLiteral("%1 Zeilen gelesen, %2 übernommen, %3 nicht; %4 Sauen neu, %5 geändert.")
            .arg(plan_.zeilen)
            .arg(plan_.uebernommen)
            .arg(plan_.zeilen - plan_.uebernommen)
            .arg(neu)
            .arg(int(plan_.aenderungen.size()) - neu));
    ImportBtn->setEnabled(plan_.ausfuehrbar());
}

void TImport::accept() {
    if (!plan_.ausfuehrbar()) return;
    {
        Wartecursor warten;
        if (!wurfimport::Ausfuehren(ctx_, plan_)) return;
    }
    const std::size_t n = plan_.aenderungen.size();
    ctx_.messages().information(QStringLiteral("Import abgeschlossen: %1 %2 neu oder geändert.")
                                    .arg(n)
                                    .arg(n == 1 ? QStringLiteral("Sau") : QStringLiteral("Sauen")));
    QDialog::accept();
}

void ImportStarten(AppContext& ctx, QWidget* parent) {
    const QString datei =
        QFileDialog::getOpenFileName(parent, QStringLiteral("Import"), QDir::homePath(),
                                     QStringLiteral("Tabellen (*.csv *.txt);;Alle Dateien (*)"));
    if (datei.isEmpty()) return;
    TImport dlg(ctx, datei, parent);
    if (dlg.gelesen()) dlg.exec();
}

void WurfdatenExportieren(AppContext& ctx, QWidget* parent) {
    TAuswertungsFilter filter;
    if (!AuswertungsfilterErfragen(ctx, {true, true, true, true, true, true, true}, parent, filter))
        return;
    const QString datei = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Wurfdaten exportieren"),
        QDir::home().filePath(QStringLiteral("Wurfdaten.csv")), QStringLiteral("CSV (*.csv)"));
    if (datei.isEmpty()) return;
    QString grund;
    bool ok = false;
    {
        Wartecursor warten;
        const QByteArray bytes = WurfdatenCsv(ctx.Sauenliste, Terminnamen(ctx.Planzeiten), &filter);
        ok = writeFileSafely(
            datei, [&bytes](QIODevice& dev) { return dev.write(bytes) == bytes.size(); }, {},
            &grund);
    }
    if (!ok) ctx.messages().error(SchreibFehlerText(QFileInfo(datei).fileName(), datei, grund));
}
