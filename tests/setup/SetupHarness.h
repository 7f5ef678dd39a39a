#pragma once

#include "support/TestServices.h"

#include <QWidget>

namespace kelvra::test {

// The services a setup screen gets, around the data modules of one installation; the
// operator "ADMIN" is signed on.
struct SetupServices : TestServices
{
    SetupServices(Tdf& df, Tds& ds)
        : TestServices(df, ds, QSize(1280, 800), QDateTime(QDate(2026, 12, 11), QTime(9, 5)))
    {
        session.setUserId("ADMIN");
        session.setSignedOn(true);
    }
};

template <typename T> T* child(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

} // namespace kelvra::test
