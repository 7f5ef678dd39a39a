#include "common/UpperCaseValidator.h"

namespace kelvra {

UpperCaseValidator::UpperCaseValidator(int maxLength, QObject* parent, bool upperCase)
    : QValidator(parent), m_maxLength(maxLength), m_upperCase(upperCase)
{
}

QValidator::State UpperCaseValidator::validate(QString& input, int& pos) const
{
    if (m_upperCase) {
        // "ß" becomes "SS": the cursor follows the text that grew before it.
        const QString before = input.left(pos).toUpper();
        input = before + input.mid(pos).toUpper();
        pos = static_cast<int>(before.size());
    }
    if (input.size() > m_maxLength) {
        input.truncate(m_maxLength);
        pos = std::min(pos, m_maxLength);
    }
    return Acceptable;
}

void UpperCaseValidator::fixup(QString& input) const
{
    int pos = static_cast<int>(input.size());
    validate(input, pos);
}

} // namespace kelvra
