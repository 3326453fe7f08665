#pragma once

class Herdfolge;

#include "plan/uebersichtbericht.h"
#include "plan/uebersichtstand.h"
#include "platform/druckausgabe.h"

#include <QWidget>
#include <optional>

class AppContext;
class QTreeWidget;
class QTreeWidgetItem;

// "Übersicht": the herd by state, what is due this week and overdue (each count expands to its
// sows, by date), and the house-keeping. A sow line opens her card on the current litter with
// Enter or a double click. Follows the herd's change notices while it is shown.
class TUebersicht : public QWidget, public Druckfenster {
    Q_OBJECT
public:
    // `geladen`: the overview as built while the herd was read, when nothing changed since.
    explicit TUebersicht(AppContext& ctx, std::optional<Uebersichtsstand> geladen = std::nullopt,
                         QWidget* parent = nullptr);

    const HerdUebersicht& uebersicht() const { return stand_.uebersicht(); }
    const Haushalt& haushalt() const { return haushalt_; }
    QTreeWidget* liste() const { return Liste; }
    // Brings it up to date with the herd: for the sows changed since the last time, else anew.
    void erneuern();
    bool csvSchreiben(const QString& datei);

    void druckInhalt(Canvas& canvas) override;
    QString druckTitel() const override { return QStringLiteral("Übersicht"); }
    MessageService* druckMeldungen() const override;

signals:
    void offenePunkteGewuenscht();
    void sicherungGewuenscht();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* knoepfe();
    void anzeigen();
    void faelligeEintragen(QTreeWidgetItem* abschnitt, int gruppe);
    void sauenEinfuellen(QTreeWidgetItem* item);
    void oeffnen(QTreeWidgetItem* item);

    AppContext& ctx_;
    Haushalt haushalt_;
    QTreeWidget* Liste = nullptr;
    Herdfolge* folge_ = nullptr;
    // After a booking only the sows it changed are sorted in and checked again.
    Uebersichtsstand stand_;
};
