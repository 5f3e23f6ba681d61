#pragma once
// Numbers as the user's system writes them: the decimal separator every
// number on screen is shown with, and the style the entry fields take them
// in (number_style.h). Read from the default locale, which is the system's
// unless a test has set another.

#include <QDoubleSpinBox>
#include <QString>

#include "display_numbers.h"
#include "number_style.h"

namespace zorvik {

// The system's decimal and thousands separators.
NumberStyle SystemNumberStyle();

// A figure of a table or a description, with the system's decimal
// separator, no thousands separator, and as many decimals as its size
// needs: two below 10, one below 100, none above.
QString TableNumber(double value);

// A spin box for figures the user types: shown with the system's decimal
// separator and read with it or ".", never with a thousands separator (which
// a plain spin box reads in some languages, taking "1.500" for fifteen
// hundred). A key that would make the text such a number is refused and the
// box says why, in a tool tip beside it.
class DecimalSpinBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit DecimalSpinBox(QWidget* parent = nullptr);

    QValidator::State validate(QString& text, int& position) const override;
    double valueFromText(const QString& text) const override;
    QString textFromValue(double value) const override;

private:
    void ExplainRefusal(const QString& text) const;
};

}  // namespace zorvik
