#include "data/PasswordHash.h"

#include <QtTest>

using namespace kelvra;

class TestPasswordHash : public QObject
{
    Q_OBJECT

private slots:
    void hashesAreSaltedAndSelfDescribing()
    {
        const QString first = hashPassword("SECRET1", 1000);
        const QString second = hashPassword("SECRET1", 1000);
        QVERIFY(first.startsWith("pbkdf2-sha256$1000$"));
        QCOMPARE(first.split('$').size(), 4);
        QVERIFY(first != second); // a salt of its own
        QVERIFY(isPasswordHash(first));
        QVERIFY(!isPasswordHash("SECRET1"));
        QVERIFY(!isPasswordHash("pbkdf2-sha256"));
    }

    void checksTypedPasswords_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("matches");
        QTest::addColumn<bool>("needsNewHash");
        const QString hashed = hashPassword("SECRET1", passwordHashIterations);
        const QString weak = hashPassword("SECRET1", 1000);
        QTest::newRow("hash, right") << hashed << "SECRET1" << true << false;
        QTest::newRow("hash, wrong") << hashed << "SECRET2" << false << false;
        QTest::newRow("hash, case differs") << hashed << "secret1" << false << false;
        QTest::newRow("hash, empty") << hashed << "" << false << false;
        QTest::newRow("weaker hash, right") << weak << "SECRET1" << true << true;
        QTest::newRow("weaker hash, wrong") << weak << "NOPE" << false << false;
        QTest::newRow("plain, right") << "SECRET1" << "SECRET1" << true << true;
        QTest::newRow("plain, other case") << "secret1" << "SECRET1" << true << true;
        QTest::newRow("plain, wrong") << "SECRET1" << "SECRET" << false << true;
        QTest::newRow("damaged hash") << "pbkdf2-sha256$x$y$z" << "SECRET1" << false << false;
        QTest::newRow("hash text typed") << hashed << hashed << false << false;
    }

    void checksTypedPasswords()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, matches);
        QFETCH(bool, needsNewHash);
        const PasswordCheck check = checkPassword(typed, stored);
        QCOMPARE(check.matches, matches);
        if (matches)
            QCOMPARE(check.needsNewHash, needsNewHash);
    }
};

QTEST_APPLESS_MAIN(TestPasswordHash)
#include "test_password_hash.moc"
