#pragma once

#include <QValidator>

class QLineEdit;

namespace kelvra {

// Typed and pasted letters become upper case with the cursor kept; the length limit applies
// to the upper-cased text and to typing only, never to text the program sets.
class UpperCaseValidator final : public QValidator
{
public:
    UpperCaseValidator(int maxLength, QObject* parent) : QValidator(parent), m_max(maxLength) {}
    State validate(QString& input, int& pos) const override;

private:
    int m_max;
};

// An upper-case field of at most maxLength typed characters; a password field echoes "*".
void makeUpperCaseField(QLineEdit& edit, int maxLength);
void makePasswordField(QLineEdit& edit, int maxLength);

} // namespace kelvra
