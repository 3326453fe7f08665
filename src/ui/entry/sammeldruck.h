#pragma once

#include "platform/druckausgabe.h"

#include <vector>

class AppContext;

// The cards of several sows as one print job: one page per sow, in the order given.
class Sammeldruck : public Druckbar {
public:
    Sammeldruck(AppContext& ctx, std::vector<int> sauen);

    void druckInhalt(Canvas& canvas) override;
    QString druckTitel() const override { return QStringLiteral("Sauenkarten"); }
    MessageService* druckMeldungen() const override;

private:
    AppContext& ctx_;
    std::vector<int> sauen_;
};
