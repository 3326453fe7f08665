#pragma once

#include "herd/numformat.h"
#include "herd/records.h"

#include "controls/filterfeld.h"
#include <cstdint>

class MessageService;
struct Waehrungstabelle;

// The number field: a value shown by kind (masks, currency, percentage, whole number), edited
// as a plain number, read back and checked against Min and Max when the field is left. Numbers
// are German whatever the system locale; typing takes only what can become a number the field
// holds.
class TNumEdit : public FilterFeld {
    Q_OBJECT
    Q_PROPERTY(double Wert READ Wert WRITE setWert)
    Q_PROPERTY(TNumericType NumericType READ NumericType WRITE setNumericType)
    Q_PROPERTY(int Nachkomma READ Nachkomma WRITE setNachkomma)
    Q_PROPERTY(int Digits READ Digits WRITE setDigits)
    Q_PROPERTY(QString PositiveMask READ PositiveMask WRITE setPositiveMask)
    Q_PROPERTY(QString NegativeMask READ NegativeMask WRITE setNegativeMask)
    Q_PROPERTY(QString ZeroMask READ ZeroMask WRITE setZeroMask)
    Q_PROPERTY(QString Mask READ Mask WRITE setMask)
    Q_PROPERTY(TWaehrung Waehrung READ Waehrung WRITE setWaehrung)
    Q_PROPERTY(bool UseRounding READ UseRounding WRITE setUseRounding)
    Q_PROPERTY(bool Validate READ Validate WRITE setValidate)
    Q_PROPERTY(double Min READ Min WRITE setMin)
    Q_PROPERTY(double Max READ Max WRITE setMax)
    Q_PROPERTY(bool PositivOnly READ PositivOnly WRITE setPositivOnly)
    Q_PROPERTY(bool UnEnabledGray READ UnEnabledGray WRITE setUnEnabledGray)
    Q_PROPERTY(double Divisor READ Divisor WRITE setDivisor)

public:
    enum TNumericType { ntGeneral, ntCurrency, ntPercentage, ntInteger };
    Q_ENUM(TNumericType)

    TNumEdit(MessageService& messages, const Waehrungstabelle& waehrungen,
             QWidget* parent = nullptr);

    double Wert() const { return wert_; }
    // From program code: a changed value is checked (when Validate is on; a failure is told
    // and keeps the old value), stored and shown. verlassen() is not emitted.
    void setWert(double v);

    std::int32_t AsInteger() const;
    std::int16_t AsInteger16() const;

    TNumericType NumericType() const { return typ_; }
    void setNumericType(TNumericType t);
    // Decimals shown for currency and percentage.
    int Nachkomma() const { return nachkomma_; }
    void setNachkomma(int n);
    // Significant digits of a currency display; while editing, the longest text (0: no limit).
    int Digits() const { return digits_; }
    void setDigits(int n);
    // Pictures of the general kind: positive;negative;zero. Mask, when set, is the picture a
    // general value is edited in.
    QString PositiveMask() const { return positiveMask_; }
    void setPositiveMask(const QString& m);
    QString NegativeMask() const { return negativeMask_; }
    void setNegativeMask(const QString& m);
    QString ZeroMask() const { return zeroMask_; }
    void setZeroMask(const QString& m);
    QString Mask() const { return mask_; }
    void setMask(const QString& m) { mask_ = m; }
    TWaehrung Waehrung() const { return waehrung_; }
    void setWaehrung(TWaehrung w);
    bool UseRounding() const { return useRounding_; }
    void setUseRounding(bool on) { useRounding_ = on; }
    bool Validate() const { return validate_; }
    void setValidate(bool on) { validate_ = on; }
    double Min() const { return min_; }
    void setMin(double v) { min_ = v; }
    double Max() const { return max_; }
    void setMax(double v) { max_ = v; }
    bool PositivOnly() const { return positivOnly_; }
    void setPositivOnly(bool on) { positivOnly_ = on; }
    // Off: a disabled field keeps the normal text colour.
    bool UnEnabledGray() const { return unEnabledGray_; }
    void setUnEnabledGray(bool on);
    double Divisor() const { return divisor_; }
    void setDivisor(double d) { divisor_ = d; }

    // The value as shown outside editing.
    QString anzeigeText() const;
    // The value as offered for editing.
    QString bearbeitungsText() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    numformat::Eingabeart eingabeart() const;
    QString zeichen(const QString& s) const;
    QString filtern(const QString& s) const;
    bool imBereich(double v) const; // tells the user when not
    void anzeigen();
    void laengeBegrenzen();
    void farbeSetzen();

    MessageService& messages_;
    const Waehrungstabelle& waehrungen_;
    double wert_ = 0;
    TNumericType typ_ = ntGeneral;
    int nachkomma_ = 2;
    int digits_ = 0;
    QString positiveMask_, negativeMask_, zeroMask_, mask_;
    TWaehrung waehrung_ = DM;
    bool useRounding_ = true;
    bool validate_ = false;
    double min_ = 0;
    double max_ = 0;
    bool positivOnly_ = false;
    bool unEnabledGray_ = false;
    double divisor_ = 1;

    int alteLaenge_ = 32767; // length limit outside editing
};
