#pragma once

#include "common/Clock.h"

#include <QString>
#include <QStringList>

namespace kelvra {

// Who is signed on, what they may open, and when they last did something.
class Session
{
public:
    // A session idle for more minutes than this is signed out.
    static constexpr qint64 idleLimitMinutes = 15;

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

    // The minute of the last user action, counted in UTC minutes since the epoch so that
    // the top of an hour, midnight and daylight-saving changes do not disturb the count.
    qint64 LastActivityStamp() const { return m_lastActivityStamp; }
    void StampActivity();
    // True when the clock has moved on more than the idle limit since the last action.
    bool idleTooLong() const;

    static qint64 minuteOf(const QDateTime& moment);

private:
    const Clock& m_clock;
    bool m_signedOn = false;
    QString m_userId;
    QString m_userName;
    QStringList m_accessList;
    int m_okToSign = 0;
    qint64 m_lastActivityStamp = 0;
};

} // namespace kelvra
