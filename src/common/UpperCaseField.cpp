#include "common/UpperCaseField.h"

#include "common/PasswordEcho.h"

#include <QLineEdit>

namespace kelvra {

QValidator::State UpperCaseValidator::validate(QString& input, int& pos) const
{
    if (m_upperCase) {
        const QString before = input.left(pos).toUpper();
        input = before + input.mid(pos).toUpper();
        pos = int(before.size());
    }
    return input.size() <= m_max ? Acceptable : Invalid;
}

void makeUpperCaseField(QLineEdit& edit, int maxLength)
{
    edit.setMaxLength(32767);
    edit.setValidator(new UpperCaseValidator(maxLength, &edit));
}

void makePasswordField(QLineEdit& edit, int maxLength)
{
    makeUpperCaseField(edit, maxLength);
    echoPasswordAsStars(edit);
}

} // namespace kelvra
