#pragma once

#include <QString>
#include <QStringList>

#include <utility>

namespace kelvra {

// The pseudo-department of the program's own users, listed after the departments.
inline const QString programUsersDepartment = QStringLiteral("YOU");

// The program names Load Programs offers, in its own order.
const QStringList& loadProgramNames();

// "NAME|ID": one entry of the user list.
QString userEntry(const QString& name, const QString& id);
QString entryName(const QString& entry);
QString entryId(const QString& entry);

// The entries of (name, id) rows, ordered as the database orders them: by name, then ID,
// letter case aside.
QStringList sortedUserEntries(const QList<std::pair<QString, QString>>& rows);

// The access list as stored: every line followed by CR LF.
QString storedAccessList(const QStringList& lines);

// Which field a check of Add and Update sends the focus to.
enum class UserField
{
    None,
    UserId,
    UserName,
    Password,
    Programs,
};

struct UserCheck
{
    UserField focus = UserField::None;
    QString message; // an information box; empty when the checks pass
};

struct UserInput
{
    QString userId;
    QString userName;
    QString password;
    QStringList programs;
};

UserCheck checkUser(const UserInput& input);

// The password box of a program user: after View it holds a placeholder, not the password.
// Whether the operator changed it since decides what an update stores.
class PasswordBox
{
public:
    // View found a user whose stored password (a hash, or an older plain text) is `stored`.
    // Returns the placeholder to show: as many characters as a typical password, never the
    // stored value itself.
    QString viewed(const QString& stored);
    // The operator typed, pasted or deleted in the box.
    void edited() { m_edited = true; }
    // The fields were emptied.
    void cleared();

    bool holdsStoredPassword() const { return !m_edited && m_hasStored; }
    // What to write to USER_PASSWORD for the box's text: the stored value while the box is
    // unedited since View, else a new hash of the text.
    QString valueToStore(const QString& boxText) const;

private:
    QString m_stored;
    bool m_hasStored = false;
    bool m_edited = false;
};

} // namespace kelvra
