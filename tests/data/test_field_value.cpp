#include "data/FieldValue.h"

#include <QLocale>
#include <QtTest>

using kelvra::FieldValue;

class TestFieldValue : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Stored numbers read the same on every workstation; a group separator is never read.
    void readsStoredNumbers_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<double>("number");
        QTest::addColumn<qlonglong>("whole");
        for (const char* locale : {"en_US", "de_DE"}) {
            QTest::addRow("%s, point", locale) << locale << QVariant("0.125") << 0.125 << 0LL;
            QTest::addRow("%s, negative", locale) << locale << QVariant("-20.5") << -20.5 << -20LL;
            QTest::addRow("%s, blanks", locale) << locale << QVariant(" 42 ") << 42.0 << 42LL;
            QTest::addRow("%s, grouped", locale) << locale << QVariant("1,234.5") << 0.0 << 0LL;
            QTest::addRow("%s, nan", locale) << locale << QVariant("nan") << 0.0 << 0LL;
            QTest::addRow("%s, inf", locale) << locale << QVariant("inf") << 0.0 << 0LL;
            QTest::addRow("%s, hex", locale) << locale << QVariant("0x10") << 0.0 << 0LL;
            QTest::addRow("%s, number", locale) << locale << QVariant(2.5) << 2.5 << 2LL;
            QTest::addRow("%s, NULL", locale) << locale << QVariant() << 0.0 << 0LL;
        }
        QTest::newRow("en_US, comma") << "en_US" << QVariant("1,5") << 0.0 << 0LL;
        QTest::newRow("de_DE, comma") << "de_DE" << QVariant("1,5") << 1.5 << 1LL;
        QTest::newRow("de_DE, grouped") << "de_DE" << QVariant("1.234,5") << 0.0 << 0LL;
    }

    void readsStoredNumbers()
    {
        QFETCH(QString, locale);
        QFETCH(QVariant, stored);
        QFETCH(double, number);
        QFETCH(qlonglong, whole);
        QLocale::setDefault(QLocale(locale));
        const FieldValue value(stored);
        QCOMPARE(value.asDouble(), number);
        QCOMPARE(value.asInt(), whole);
    }

    void readsYesNo_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("yes");
        QTest::newRow("-1") << QVariant(-1) << true;
        QTest::newRow("1") << QVariant(1) << true;
        QTest::newRow("0") << QVariant(0) << false;
        QTest::newRow("text -1") << QVariant("-1") << true;
        QTest::newRow("NULL") << QVariant() << false;
    }

    void readsYesNo()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, yes);
        QCOMPARE(FieldValue(stored).asBool(), yes);
    }
};

QTEST_GUILESS_MAIN(TestFieldValue)
#include "test_field_value.moc"
