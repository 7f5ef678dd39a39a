#include "common/PasswordEcho.h"

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

void echoPasswordAsStars(QLineEdit& edit)
{
    auto* style = new StarEchoStyle;
    // The widget does not own its style: the style lives as long as the widget.
    style->setParent(&edit);
    edit.setStyle(style);
    edit.setEchoMode(QLineEdit::Password);
}

} // namespace kelvra
