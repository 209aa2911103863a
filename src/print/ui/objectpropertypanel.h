#pragma once

#include <QWidget>
#include <optional>

#include "print/reporttemplate.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;

// The designer's property panel for the selected object. A finished edit
// (Enter, leaving the box, a click) is announced once as the changed object.
class ObjectPropertyPanel : public QWidget {
    Q_OBJECT

public:
    explicit ObjectPropertyPanel(QWidget* parent = nullptr);

    // Shows the object, or empties and disables the panel for none.
    void showObject(const Report::ReportObject* object);
    // Puts an expression at the cursor of the text box and commits it.
    void insertExpression(const QString& expression);

signals:
    void edited(const Report::ReportObject& changed);

private:
    void commit();
    Report::ReportObject collect() const;

    std::optional<Report::ReportObject> shown_;
    QLineEdit* text_;
    QComboBox* format_;
    QComboBox* family_;
    QDoubleSpinBox* size_;
    QCheckBox* bold_;
    QCheckBox* italic_;
    QComboBox* align_;
    QList<QCheckBox*> frame_;
    QCheckBox* background_;
    QComboBox* barcode_;
    QList<QDoubleSpinBox*> geometry_;
};
