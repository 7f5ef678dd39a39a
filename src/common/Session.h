#pragma once

#include "common/Clock.h"

#include <QString>
#include <QStringList>

namespace kelvra {

// Who is signed on, what they may open, and when they last did something.
class Session
{
public:
    explicit Session(const Clock& clock);

    bool isSignedOn() const { return m_signedOn; }
    void setSignedOn(bool signedOn) { m_signedOn = signedOn; }

    const QString& userId() const { return m_userId; }
    void setUserId(const QString& userId) { m_userId = userId; }
    const QString& userName() const { return m_userName; }
    void setUserName(const QString& userName) { m_userName = userName; }

    const QStringList& accessList() const { return m_accessList; }
    void setAccessList(const QStringList& accessList) { m_accessList = accessList; }
    void releaseAccessList() { m_accessList.clear(); }
    bool hasAccess(const QString& accessName) const;

    int okToSign() const { return m_okToSign; }
    void setOkToSign(int okToSign) { m_okToSign = okToSign; }

    // The time of the last user action as hours * 100 + minutes.
    int LastActivityStamp() const { return m_lastActivityStamp; }
    void StampActivity();

    static int hhmm(const QTime& time) { return time.hour() * 100 + time.minute(); }

private:
    const Clock& m_clock;
    bool m_signedOn = false;
    QString m_userId;
    QString m_userName;
    QStringList m_accessList;
    int m_okToSign = 0;
    int m_lastActivityStamp = 0;
};

} // namespace kelvra
