#include "common/FieldText.h"

#include <QtTest>

using kelvra::fieldView;
using kelvra::GetField;

class TestFieldText : public QObject
{
    Q_OBJECT

private slots:
    void getField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");

        QTest::newRow("first") << "a|b|c"
                               << "|" << 1 << "a";
        QTest::newRow("last") << "a|b|c"
                              << "|" << 3 << "c";
        QTest::newRow("past the end") << "a|b"
                                      << "|" << 3 << "";
        QTest::newRow("between adjacent separators") << "a||c"
                                                     << "|" << 2 << "";
        QTest::newRow("empty text") << ""
                                    << "|" << 1 << "";
        QTest::newRow("index zero") << "a|b"
                                    << "|" << 0 << "";
        QTest::newRow("negative index") << "a|b"
                                        << "|" << -1 << "";
        QTest::newRow("trailing separator") << "a|"
                                            << "|" << 2 << "";
        QTest::newRow("colon prefix") << "x:21.5^55"
                                      << ":" << 2 << "21.5^55";
        QTest::newRow("nothing after colon") << "21.5:"
                                             << ":" << 2 << "";
        QTest::newRow("no separator at all") << "21.5"
                                             << "^" << 1 << "21.5";
    }

    void getField()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(int, index);
        QFETCH(QString, expected);
        QCOMPARE(GetField(text, separator.at(0), index), expected);
        QCOMPARE(fieldView(text, separator.at(0), index).toString(), expected);
    }
};

QTEST_APPLESS_MAIN(TestFieldText)
#include "test_field_text.moc"
