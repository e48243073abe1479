#include "qtmessageboxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace keymint;

class QtMessageBoxesTest : public QObject
{
    Q_OBJECT

private slots:
    void showsModalBoxWithSingleOkUntilDismissed_data();
    void showsModalBoxWithSingleOkUntilDismissed();
};

void QtMessageBoxesTest::showsModalBoxWithSingleOkUntilDismissed_data()
{
    QTest::addColumn<bool>("isError");
    QTest::newRow("information") << false;
    QTest::newRow("error") << true;
}

void QtMessageBoxesTest::showsModalBoxWithSingleOkUntilDismissed()
{
    QFETCH(bool, isError);
    QString seenTitle, seenText;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    QList<QAbstractButton *> seenButtons;
    // Set up before the box blocks: look at it, then press its one button.
    QTimer::singleShot(0, [&] {
        auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenIcon = box->icon();
        seenButtons = box->buttons();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });

    QtMessageBoxes boxes;
    if (isError)
        boxes.error(nullptr, "Title", "Prompt.");
    else
        boxes.information(nullptr, "Title", "Prompt.");

    QCOMPARE(seenTitle, QString("Title"));
    QCOMPARE(seenText, QString("Prompt."));
    QCOMPARE(seenIcon, isError ? QMessageBox::Critical : QMessageBox::Information);
    QCOMPARE(seenButtons.size(), 1);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(QtMessageBoxesTest)
#include "tst_qtmessageboxes.moc"
