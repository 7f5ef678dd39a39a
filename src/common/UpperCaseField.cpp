#include "common/UpperCaseField.h"

#include <QLineEdit>
#include <QProxyStyle>

namespace kelvra {

namespace {

class StarEchoStyle final : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

QValidator::State UpperCaseValidator::validate(QString& input, int& pos) const
{
    const QString before = input.left(pos).toUpper();
    input = before + input.mid(pos).toUpper();
    pos = int(before.size());
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
    auto* style = new StarEchoStyle;
    style->setParent(&edit);
    edit.setStyle(style);
    edit.setEchoMode(QLineEdit::Password);
}

} // namespace kelvra
