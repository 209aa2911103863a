#pragma once

#include <QDialog>

class QProgressBar;

// 工作进度: a bare progress bar for long loops; it closes itself when the
// position reaches the maximum.
class Tformspzx : public QDialog {
    Q_OBJECT

public:
    explicit Tformspzx(QWidget* parent = nullptr);

    void SetProgressMin(int n);
    void SetProgressMax(int n);
    void SetProgressPosition(int n);

private:
    QProgressBar* ProgressBar1;
};
