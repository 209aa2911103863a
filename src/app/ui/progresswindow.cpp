#include "app/ui/progresswindow.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QVBoxLayout>

Tformspzx::Tformspzx(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("Tformspzx"));
    setWindowTitle(QStringLiteral("工作进度"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProgressBar1);
    resize(360, 60);
}

void Tformspzx::SetProgressMin(int n) {
    ProgressBar1->setMinimum(n);
}

void Tformspzx::SetProgressMax(int n) {
    ProgressBar1->setMaximum(n);
}

void Tformspzx::SetProgressPosition(int n) {
    ProgressBar1->setValue(n);
    if (n == ProgressBar1->maximum()) {
        close();
        return;
    }
    // The work runs on this thread: let the bar paint between rows.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
