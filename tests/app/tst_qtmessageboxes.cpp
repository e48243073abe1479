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
    void modalBoxWithOneOkButtonUntilDismissed();
};

void QtMessageBoxesTest::modalBoxWithOneOkButtonUntilDismissed()
{
    QStringList seen;
    // Set up before each box blocks: look at it, then press its one button.
    const auto inspectAndDismiss = [&] {
        QTimer::singleShot(0, [&] {
            auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box && box->buttons().size() == 1);
            seen << QString("%1|%2|%3").arg(box->windowTitle(), box->text()).arg(box->icon());
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
    };
    QtMessageBoxes boxes;
    inspectAndDismiss();
    boxes.information(nullptr, "Title", "Prompt.");
    inspectAndDismiss();
    boxes.error(nullptr, "Oops", "Reason.");

    QCOMPARE(seen, QStringList({QString("Title|Prompt.|%1").arg(QMessageBox::Information),
                                QString("Oops|Reason.|%1").arg(QMessageBox::Critical)}));
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(QtMessageBoxesTest)
#include "tst_qtmessageboxes.moc"
