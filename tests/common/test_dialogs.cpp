#include "common/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace kelvra;

class TestDialogs : public QObject
{
    Q_OBJECT

    // Answers the box that the next show() opens, the way the operator would.
    static DialogAnswer answerYesNo(std::function<void(QMessageBox&)> operatorAction)
    {
        QTimer::singleShot(0, [operatorAction] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box)
                operatorAction(*box);
        });
        QtDialogs dialogs;
        return dialogs.show(nullptr, DialogKind::Confirmation, "CANCEL DELETE?",
                            DialogButtons::YesNo);
    }

private slots:
    // Escape and the close box never give the destroying answer.
    void onlyTheNoButtonAnswersNo()
    {
        QCOMPARE(answerYesNo([](QMessageBox& box) { box.button(QMessageBox::No)->click(); }),
                 DialogAnswer::No);
        QCOMPARE(answerYesNo([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); }),
                 DialogAnswer::Yes);
        QVERIFY(answerYesNo([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }) !=
                DialogAnswer::No);
        QVERIFY(answerYesNo([](QMessageBox& box) { box.close(); }) != DialogAnswer::No);
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
