#pragma once

#include <QDialog>

#include "print/reportdata.h"
#include "print/reportrenderer.h"
#include "print/reporttemplate.h"

class QLabel;
class QScrollArea;
class QSpinBox;

// The print preview: zoom, page navigation, find, page setup, print, save as
// PDF and close. A page is drawn when it is shown, so the first page appears
// at once however long the report is.
class PreviewWindow : public QDialog {
    Q_OBJECT

public:
    PreviewWindow(Report::ReportTemplate report, Report::ReportData data, QString pictureDir,
                  QWidget* parent = nullptr);

    int pageCount() const;
    int currentPage() const { return page_; }  // from 0
    double zoom() const { return zoom_; }
    const Report::RenderedReport& rendered() const { return rendered_; }

    void showPage(int page);
    void setZoom(double zoom);
    // The next page from the current one whose text contains the words; false when none.
    bool findText(const QString& words);
    void saveAsPdf(const QString& path);

private:
    void relayout();
    void printWithDialog();
    void pageSetup();
    void askSaveAsPdf();
    void askFind();

    Report::ReportTemplate report_;
    Report::ReportData data_;
    QString pictureDir_;
    Report::RenderedReport rendered_;
    int page_ = 0;
    double zoom_ = 1.0;
    QString lastFind_;
    QScrollArea* scroll_ = nullptr;
    QLabel* pageView_ = nullptr;
    QSpinBox* pageBox_ = nullptr;
    QLabel* pageTotal_ = nullptr;
};
