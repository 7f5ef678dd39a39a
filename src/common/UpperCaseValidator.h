#pragma once

#include <QValidator>

namespace kelvra {

// Typed and pasted letters become upper case, then the text is held to `maxLength`
// characters. Unlike QLineEdit::setMaxLength it limits only what the operator enters, never
// a text the program sets.
class UpperCaseValidator : public QValidator
{
    Q_OBJECT

public:
    UpperCaseValidator(int maxLength, QObject* parent, bool upperCase = true);

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    int m_maxLength;
    bool m_upperCase;
};

} // namespace kelvra
