#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGraphicsView>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "print/printerror.h"
#include "print/templatefile.h"
#include "print/ui/designerwindow.h"
#include "reportfixture.h"
#include "support/modalanswer.h"

using namespace Report;

namespace {

void trigger(DesignerWindow& window, const char* action) {
    window.findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

// Presses at the middle of the object, drags it by the offset in view pixels, lets go.
void drag(DesignerWindow& window, TemplateEditor::ObjectRef ref, const QPoint& offset) {
    QWidget* viewport = window.view()->viewport();
    const QPoint start = window.view()->mapFromScene(window.sceneRectOf(ref).center());
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    for (int step = 1; step <= 4; ++step) {
        QTest::mouseMove(viewport, start + offset * step / 4);
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, start + offset);
    QCoreApplication::processEvents();
}

}  // namespace

class TestDesignerWindow : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path_;

private slots:
    void init() {
        path_ = dir_.filePath(QStringLiteral("order.zrt"));
        QFile::remove(path_);
        TemplateFile::save(ReportFixture::orderList(), path_);
    }

    void editsByMouseAndPanelThenSavesTheSameFile() {
        DesignerWindow window(path_, QStringLiteral("xsd"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        trigger(window, "addText");
        const TemplateEditor::ObjectRef added = window.selected();
        QVERIFY(added.isValid());
        QCOMPARE(added.band, 0);
        const QRectF before = window.editor().object(added)->rect;

        // 10 mm to the right and 2 mm down, in the view's pixels.
        const QPoint offset(qRound(10 * window.perMm()), qRound(2 * window.perMm()));
        drag(window, added, offset);
        const QRectF moved = window.editor().object(window.selected())->rect;
        QCOMPARE(moved.x(), before.x() + 10);
        QCOMPARE(moved.y(), before.y() + 2);
        QCOMPARE(moved.size(), before.size());

        auto* text = window.findChild<QLineEdit*>(QStringLiteral("text"));
        text->setFocus();
        text->selectAll();
        QTest::keyClicks(text, QStringLiteral("Member: [header.KHMC]"));
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(window.editor().object(window.selected())->text,
                 QStringLiteral("Member: [header.KHMC]"));

        trigger(window, "undo");
        QCOMPARE(window.editor().object(window.selected())->text, QStringLiteral("文本"));
        QCOMPARE(text->text(), QStringLiteral("文本"));
        trigger(window, "redo");
        QCOMPARE(text->text(), QStringLiteral("Member: [header.KHMC]"));

        {
            ModalAnswer ok(QMessageBox::Ok);
            trigger(window, "save");
            QCOMPARE(ok.texts(), QStringList{QStringLiteral("保存成功！")});
        }
        QVERIFY(!window.editor().isModified());
        const ReportTemplate reloaded = TemplateFile::load(path_);
        QCOMPARE(TemplateFile::toJson(reloaded), TemplateFile::toJson(window.editor().report()));
        const ReportObject& saved = reloaded.bands[0].objects.last();
        QCOMPARE(saved.text, QStringLiteral("Member: [header.KHMC]"));
        QCOMPARE(saved.rect, moved);
    }

    void resizesByTheCornerAndMovesToAnotherBand() {
        DesignerWindow window(path_, QStringLiteral("xsd"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const TemplateEditor::ObjectRef first{3, 0};  // [lines.SPMC] in the lines band
        QTest::mouseClick(window.view()->viewport(), Qt::LeftButton, {},
                          window.view()->mapFromScene(window.sceneRectOf(first).center()));
        QCOMPARE(window.selected(), first);
        const QRectF before = window.editor().object(first)->rect;

        QWidget* viewport = window.view()->viewport();
        const QPoint corner =
            window.view()->mapFromScene(window.sceneRectOf(first).bottomRight() - QPointF(2, 2));
        const QPoint grow(qRound(5 * window.perMm()), 0);
        QTest::mousePress(viewport, Qt::LeftButton, {}, corner);
        QTest::mouseMove(viewport, corner + grow);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, corner + grow);
        QCoreApplication::processEvents();
        QCOMPARE(window.editor().object(first)->rect.width(), before.width() + 5);
        QCOMPARE(window.editor().object(first)->rect.topLeft(), before.topLeft());

        // Up into the column header band above.
        drag(window, first, QPoint(0, -qRound(8 * window.perMm())));
        QCOMPARE(window.selected().band, 2);
        QCOMPARE(window.editor().report().bands[3].objects.size(), 1);
        QCOMPARE(window.editor().report().bands[2].objects.last().text,
                 QStringLiteral("[lines.SPMC]"));
    }

    void fieldListArrowKeysAndDelete() {
        DesignerWindow window(path_, QStringLiteral("xsd"));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        trigger(window, "addText");
        const TemplateEditor::ObjectRef added = window.selected();
        auto* fields = window.findChild<QListWidget*>(QStringLiteral("fields"));
        const QList<QListWidgetItem*> found =
            fields->findItems(QStringLiteral("[header.KHMC]"), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        emit fields->itemDoubleClicked(found.front());
        QCOMPARE(window.editor().object(added)->text, QStringLiteral("文本[header.KHMC]"));

        const QRectF placed = window.editor().object(added)->rect;
        QTest::keyClick(window.view(), Qt::Key_Right);
        QCoreApplication::processEvents();
        QTest::keyClick(window.view(), Qt::Key_Down, Qt::ShiftModifier);
        QCoreApplication::processEvents();
        QCOMPARE(window.editor().object(added)->rect.topLeft(), placed.topLeft() + QPointF(0.5, 5));

        const qsizetype count = window.editor().report().bands[0].objects.size();
        QTest::keyClick(window.view(), Qt::Key_Delete);
        QCOMPARE(window.editor().report().bands[0].objects.size(), count - 1);
        QVERIFY(!window.selected().isValid());
    }

    void closingAsksAboutUnsavedChanges() {
        DesignerWindow window(path_, QStringLiteral("xsd"));
        window.show();
        trigger(window, "addLine");
        {
            ModalAnswer cancel(QMessageBox::Cancel);
            trigger(window, "close");
            QCOMPARE(cancel.texts(), QStringList{QStringLiteral("当前还没有保存，是否现在保存？")});
        }
        QVERIFY(window.isVisible());
        {
            ModalAnswer yes(QMessageBox::Yes);
            trigger(window, "close");
        }
        QVERIFY(!window.isVisible());
        const ReportTemplate saved = TemplateFile::load(path_);
        QCOMPARE(saved.bands[0].objects.last().kind, ObjectKind::Line);
    }

    void unreadableFileIsRefused() {
        QVERIFY_THROWS_EXCEPTION(
            PrintError,
            DesignerWindow(dir_.filePath(QStringLiteral("none.zrt")), QStringLiteral("xsd")));
    }
};

QTEST_MAIN(TestDesignerWindow)
#include "tst_designerwindow.moc"
