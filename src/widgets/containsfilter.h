#pragma once

#include <QList>
#include <QSortFilterProxyModel>
#include <QStringList>

// The filter box of the lists: a row stays when any of the named fields
// contains the text, Latin letters compared without regard to case. Works on
// the rows already read; an empty text shows them all.
class ContainsFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit ContainsFilter(QObject* parent = nullptr);

    void setFields(const QStringList& fields);
    void setText(const QString& text);
    const QString& text() const { return text_; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    void resolveColumns();

    QStringList fields_;
    QList<int> columns_;
    QString text_;
};
