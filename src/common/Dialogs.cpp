#include "common/Dialogs.h"

namespace kelvra {

void Dialogs::information(QWidget* parent, const QString& text)
{
    show(parent, DialogKind::Information, text, DialogButtons::Ok);
}

void Dialogs::warning(QWidget* parent, const QString& text)
{
    show(parent, DialogKind::Warning, text, DialogButtons::Ok);
}

void Dialogs::error(QWidget* parent, const QString& text)
{
    show(parent, DialogKind::Error, text, DialogButtons::Ok);
}

void Dialogs::plain(QWidget* parent, const QString& text)
{
    show(parent, DialogKind::Plain, text, DialogButtons::Ok);
}

bool Dialogs::askOkCancel(QWidget* parent, DialogKind kind, const QString& text)
{
    return show(parent, kind, text, DialogButtons::OkCancel) == DialogAnswer::Ok;
}

bool Dialogs::answeredNo(QWidget* parent, DialogKind kind, const QString& text)
{
    return show(parent, kind, text, DialogButtons::YesNo) == DialogAnswer::No;
}

} // namespace kelvra
