#pragma once

#include <QMainWindow>

class TDM_CS;

// The main window of the program; its menus and child windows grow from here.
class Tform1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Tform1(const TDM_CS& dataModule, QWidget* parent = nullptr);
};
