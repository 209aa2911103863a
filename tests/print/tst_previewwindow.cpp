#include <QAction>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "pdftext.h"
#include "print/ui/previewwindow.h"
#include "reportfixture.h"

namespace {

QSize shownPage(const PreviewWindow& window) {
    return window.findChild<QScrollArea*>()->widget()->size();
}

QAction* action(const PreviewWindow& window, const QString& text) {
    for (QAction* a : window.findChildren<QAction*>()) {
        if (a->text() == text) {
            return a;
        }
    }
    return nullptr;
}

}  // namespace

class TestPreviewWindow : public QObject {
    Q_OBJECT

private slots:
    void navigatesByKeysAndTheBox() {
        PreviewWindow window(ReportFixture::orderList(), ReportFixture::orderData(120), {});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(window.pageCount() >= 3);
        QCOMPARE(window.currentPage(), 0);
        QTest::keyClick(&window, Qt::Key_PageDown);
        QCOMPARE(window.currentPage(), 1);
        QTest::keyClick(&window, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(window.currentPage(), window.pageCount() - 1);
        QTest::keyClick(&window, Qt::Key_PageDown);
        QCOMPARE(window.currentPage(), window.pageCount() - 1);
        QTest::keyClick(&window, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(window.currentPage(), 0);
        QTest::keyClick(&window, Qt::Key_PageUp);
        QCOMPARE(window.currentPage(), 0);
        window.findChild<QSpinBox*>()->setValue(2);
        QCOMPARE(window.currentPage(), 1);
    }

    void zoomScalesThePage() {
        PreviewWindow window(ReportFixture::orderList(), ReportFixture::orderData(3), {});
        window.show();
        const QSize normal = shownPage(window);
        action(window, QStringLiteral("放大"))->trigger();
        QCOMPARE(window.zoom(), 1.25);
        QVERIFY(qAbs(shownPage(window).width() - normal.width() * 1.25) <= 1);
        action(window, QStringLiteral("100%"))->trigger();
        QCOMPARE(shownPage(window), normal);
        for (int i = 0; i < 20; ++i) {
            action(window, QStringLiteral("缩小"))->trigger();
        }
        QCOMPARE(window.zoom(), 0.25);
    }

    void findGoesToThePageWithTheWords() {
        PreviewWindow window(ReportFixture::orderList(), ReportFixture::orderData(120), {});
        QVERIFY(window.findText(QStringLiteral("商品110")));
        QVERIFY(window.currentPage() > 0);
        QVERIFY(!window.findText(QStringLiteral("没有的文字")));
    }

    void savesEveryPageAsPdf() {
        PreviewWindow window(ReportFixture::orderList(), ReportFixture::orderData(120), {});
        window.show();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("preview"));
        // The file dialog reads its folder in the background and may take back
        // a chosen name, so the test saves through the call the action makes.
        QVERIFY(action(window, QStringLiteral("保存PDF")));
        window.saveAsPdf(path + QStringLiteral(".pdf"));
        const QStringList pages = PdfText::pages(path + QStringLiteral(".pdf"));
        QCOMPARE(pages.size(), window.pageCount());
        for (const QString& page : pages) {
            QVERIFY(page.contains(QStringLiteral("商品名称")));
        }
        QVERIFY(pages.last().contains(QStringLiteral("商品120")));
        QVERIFY(pages.last().contains(QStringLiteral("第%1页").arg(pages.size())));
    }

    void escapeCloses() {
        PreviewWindow window(ReportFixture::orderList(), ReportFixture::orderData(3), {});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "tst_previewwindow.moc"
