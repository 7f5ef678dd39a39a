#include "common/DecimalText.h"

#include <QtTest>

#include <optional>

using kelvra::parseDecimal;
using kelvra::trimmedOfBlanks;

Q_DECLARE_METATYPE(std::optional<double>)

class TestDecimalText : public QObject
{
    Q_OBJECT

private slots:
    void parsesWithTheWorkstationsDecimalSign_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("decimalSign");
        QTest::addColumn<std::optional<double>>("expected");
        const QChar point('.');
        const QChar comma(',');
        const std::optional<double> refused;

        QTest::newRow("point") << "0.125" << point << std::optional(0.125);
        QTest::newRow("comma") << "0,125" << comma << std::optional(0.125);
        // A group separator never makes a number 1000 times larger.
        QTest::newRow("point under comma") << "0.125" << comma << refused;
        QTest::newRow("group under point") << "1,234.5" << point << refused;
        QTest::newRow("group under comma") << "1.234,5" << comma << refused;
        QTest::newRow("negative") << "-20.5" << point << std::optional(-20.5);
        QTest::newRow("plus") << "+3" << point << std::optional(3.0);
        QTest::newRow("whole") << "42" << point << std::optional(42.0);
        QTest::newRow("leading sign only") << "-" << point << refused;
        QTest::newRow("trailing sign") << "5.0." << point << refused;
        QTest::newRow("no leading digit") << ".5" << point << std::optional(0.5);
        QTest::newRow("no trailing digit") << "5." << point << std::optional(5.0);
        QTest::newRow("sign alone with point") << "-." << point << refused;
        QTest::newRow("exponent") << "1.5E2" << point << std::optional(150.0);
        QTest::newRow("negative exponent") << "25e-1" << point << std::optional(2.5);
        QTest::newRow("exponent without digits") << "1e" << point << refused;
        QTest::newRow("blanks around") << " \t21.5 " << point << std::optional(21.5);
        QTest::newRow("blank inside") << "2 1" << point << refused;
        QTest::newRow("empty") << "" << point << refused;
        QTest::newRow("nan") << "nan" << point << refused;
        QTest::newRow("inf") << "inf" << point << refused;
        QTest::newRow("infinity") << "-Infinity" << point << refused;
        QTest::newRow("hex") << "0x1A" << point << refused;
        QTest::newRow("overflow") << "1e400" << point << refused;
        QTest::newRow("degree sign after") << "21.5°" << point << refused;
        QTest::newRow("no-break space after") << QString("5.0") + QChar(0xA0) << point << refused;
        QTest::newRow("arabic digits") << QString(QChar(0x0661)) << point << refused;
    }

    void parsesWithTheWorkstationsDecimalSign()
    {
        QFETCH(QString, text);
        QFETCH(QChar, decimalSign);
        QFETCH(std::optional<double>, expected);
        QCOMPARE(parseDecimal(text, decimalSign), expected);
    }

    void readsAPieceOfALongerText()
    {
        const QString cell = "21.5^55.0";
        QCOMPARE(parseDecimal(QStringView(cell).first(4), '.'), std::optional(21.5));
    }

    void trimsBlanksAndControlCharactersOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blanks") << "  LAB  "
                                << "LAB";
        QTest::newRow("control characters") << QString("\x01LAB\r\n") << "LAB";
        QTest::newRow("no-break space stays")
            << QString(QChar(0xA0)) + "LAB" << QString(QChar(0xA0)) + "LAB";
        QTest::newRow("inside stays") << " BLOOD BANK "
                                      << "BLOOD BANK";
        QTest::newRow("only blanks") << "   "
                                     << "";
    }

    void trimsBlanksAndControlCharactersOnly()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(trimmedOfBlanks(text), expected);
    }
};

QTEST_GUILESS_MAIN(TestDecimalText)
#include "test_decimal_text.moc"
