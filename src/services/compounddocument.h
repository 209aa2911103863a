#pragma once

#include <QByteArray>
#include <QString>

// A compound document (the container of .xls files) holding one stream.
// Throws ServiceError when the file cannot be written; the target is replaced
// only by a complete file.
void WriteCompoundDocument(const QString& fileName, const QString& streamName, QByteArray stream);
