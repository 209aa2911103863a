#pragma once

#include <QMdiArea>
#include <QPixmap>

// The client area of the main window: child windows over a stretched picture.
class BackgroundArea : public QMdiArea {
    Q_OBJECT

public:
    using QMdiArea::QMdiArea;

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
