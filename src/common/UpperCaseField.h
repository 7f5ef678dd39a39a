#pragma once

#include <QValidator>

class QLineEdit;

namespace kelvra {

// Typed and pasted letters become upper case with the cursor kept (unless `upperCase` is
// false); the length limit applies to the upper-cased text ("ß" is "SS") and to typing only,
// never to text the program sets, as QLineEdit::setMaxLength would.
class UpperCaseValidator final : public QValidator
{
public:
    UpperCaseValidator(int maxLength, QObject* parent, bool upperCase = true)
        : QValidator(parent), m_max(maxLength), m_upperCase(upperCase)
    {
    }
    State validate(QString& input, int& pos) const override;

private:
    int m_max;
    bool m_upperCase;
};

// An upper-case field of at most maxLength typed characters; a password field echoes "*".
void makeUpperCaseField(QLineEdit& edit, int maxLength);
void makePasswordField(QLineEdit& edit, int maxLength);

} // namespace kelvra
