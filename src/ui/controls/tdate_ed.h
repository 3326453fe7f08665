#pragma once

#include "herd/kurzdatum.h"

#include "controls/filterfeld.h"

class Clock;

// The date field: a line edit for the 4-byte record date. Accepts only what a date can be
// typed with and shows the normalised date when it is left.
class tdate_ed : public FilterFeld {
    Q_OBJECT
    Q_PROPERTY(bool AutoPreset READ AutoPreset WRITE setAutoPreset)
    Q_PROPERTY(bool Stadium READ Stadium WRITE setStadium)

public:
    explicit tdate_ed(const Clock& clock, QWidget* parent = nullptr);

    // An empty text means today (true) or no date (false).
    bool AutoPreset() const { return autoPreset_; }
    void setAutoPreset(bool on) { autoPreset_ = on; }
    // Kept with the form; nothing depends on it.
    bool Stadium() const { return stadium_; }
    void setStadium(bool on) { stadium_ = on; }

    // The date the text reads as; does not change the text.
    TKurzDatum Getdatum() const;
    // Shows the date in display form ("5.3.13", "15.11.00/2", empty for no date).
    void SetDatum(TKurzDatum d);

    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QString heuteText() const;

    const Clock& clock_;
    bool autoPreset_ = true;
    bool stadium_ = true;
};
