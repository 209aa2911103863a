#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "demodata.h"
#include "print/templatefile.h"
#include "print/ui/designerwindow.h"
#include "print/ui/previewwindow.h"

// The pictures of the documentation, taken only when asked:
//   ZORLIK_SCREENSHOT_DIR=docs/screenshots ./build/tests/print/tst_printscreenshots
class TestPrintScreenshots : public QObject {
    Q_OBJECT

    QString out_;

    void save(QWidget& window, const char* name) {
        window.resize(1280, 860);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        const QString path = QDir(out_).filePath(QString::fromLatin1(name));
        QVERIFY(window.grab().save(path));
    }

private slots:
    void initTestCase() {
        out_ = qEnvironmentVariable("ZORLIK_SCREENSHOT_DIR");
        if (out_.isEmpty()) {
            QSKIP("set ZORLIK_SCREENSHOT_DIR to take the pictures");
        }
        QDir().mkpath(out_);
    }

    void preview() {
        const Report::ReportTemplate form =
            TemplateFile::load(QStringLiteral(":/home/PrintFormat/xsd.zrt"));
        PreviewWindow window(form, DemoData::forKind(QStringLiteral("xsd"), form), {});
        save(window, "print-preview.png");
    }

    void designer() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("xsd.zrt"));
        QVERIFY(QFile::copy(QStringLiteral(":/home/PrintFormat/xsd.zrt"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        DesignerWindow window(path, QStringLiteral("xsd"));
        save(window, "print-designer.png");
    }
};

QTEST_MAIN(TestPrintScreenshots)
#include "tst_printscreenshots.moc"
