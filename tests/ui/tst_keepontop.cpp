// Keeping a window on top: the flag follows the option, and a shown window neither moves,
// nor resizes, nor disappears; a running modal dialog keeps running.
#include "platform/ui/KeepOnTop.h"

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QWindow>
#include <QtTest>

class TestKeepOnTop : public QObject {
    Q_OBJECT

private slots:
    void beforeTheFirstShow()
    {
        QWidget window;
        KeepOnTop::apply(&window, true);
        QVERIFY(KeepOnTop::isOnTop(&window));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void shownWindowKeepsPlaceSizeAndVisibility_data()
    {
        QTest::addColumn<bool>("startOnTop");
        QTest::newRow("set") << false;
        QTest::newRow("cleared") << true;
    }
    void shownWindowKeepsPlaceSizeAndVisibility()
    {
        QFETCH(bool, startOnTop);
        QWidget window;
        auto *label = new QLabel(QStringLiteral("Pitch"), &window);
        window.setGeometry(120, 90, 420, 260);
        KeepOnTop::apply(&window, startOnTop);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect before = window.geometry();
        const QWindow *handle = window.windowHandle();

        // Applied through a child widget, as a page of the window would.
        KeepOnTop::apply(label, !startOnTop);
        QCOMPARE(KeepOnTop::isOnTop(&window), !startOnTop);
        QCOMPARE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), !startOnTop);
        QVERIFY(window.isVisible());
        QVERIFY(label->isVisible());
        QCOMPARE(window.geometry(), before);
        QCOMPARE(window.windowHandle(), handle); // not re-created
        // Other flags of the window stay as they were.
        QVERIFY(window.windowFlags().testFlag(Qt::Window));

        // Applying the same state again changes nothing.
        KeepOnTop::apply(&window, !startOnTop);
        QCOMPARE(KeepOnTop::isOnTop(&window), !startOnTop);
        QCOMPARE(window.geometry(), before);
    }

    void modalDialogKeepsRunning()
    {
        QDialog dialog;
        dialog.resize(300, 150);
        bool stillVisible = false;
        QTimer::singleShot(0, &dialog, [&] {
            KeepOnTop::apply(&dialog, true);
            stillVisible = dialog.isVisible();
            QTimer::singleShot(0, &dialog, [&] { dialog.accept(); });
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(stillVisible);
        QVERIFY(KeepOnTop::isOnTop(&dialog));
    }

    void nullIsHarmless() { KeepOnTop::apply(nullptr, true); QVERIFY(!KeepOnTop::isOnTop(nullptr)); }
};

QTEST_MAIN(TestKeepOnTop)
#include "tst_keepontop.moc"
