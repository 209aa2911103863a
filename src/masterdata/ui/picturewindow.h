#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>

class QLabel;
class Database;

// 商品图片预览窗口: shows a product's picture and sets it from any folder. The
// path is stored into the product when the window closes.
class TBM_TP : public QDialog {
    Q_OBJECT

public:
    TBM_TP(const Database& db, const QString& productCode, QWidget* parent = nullptr);

    // The window shown again for another product.
    void setProductCode(const QString& productCode);
    const QString& picturePath() const { return path_; }
    // What "选择图片" does once the operator has picked the file.
    void choosePicture(const QString& file);
    void clearPicture();
    bool pictureShown() const;
    // Closing stores the path into the product, however the window is left.
    void done(int result) override;

signals:
    // The path has been stored into the product.
    void pictureStored();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void loadProduct();
    void showPicture();
    void askForPicture();

    const Database& db_;
    QString code_;
    QString path_;
    QPixmap picture_;
    QLabel* area_ = nullptr;
};
