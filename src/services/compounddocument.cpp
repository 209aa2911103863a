#include "services/compounddocument.h"

#include <QSaveFile>
#include <QtEndian>

#include "services/serviceerror.h"

namespace {

constexpr int kSector = 512;
constexpr int kIdsPerSector = kSector / 4;
constexpr int kHeaderFatSlots = 109;
constexpr int kMiniStreamCutoff = 4096;
constexpr quint32 kFree = 0xFFFFFFFF;
constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFatSector = 0xFFFFFFFD;
constexpr quint32 kDifatSector = 0xFFFFFFFC;
constexpr quint32 kNoStream = 0xFFFFFFFF;

void put16(QByteArray& out, qsizetype at, quint16 v) {
    qToLittleEndian(v, out.data() + at);
}
void put32(QByteArray& out, qsizetype at, quint32 v) {
    qToLittleEndian(v, out.data() + at);
}

QByteArray directoryEntry(const QString& name, quint8 type, quint32 child, quint32 start,
                          quint32 size) {
    QByteArray entry(128, '\0');
    const qsizetype chars = qMin<qsizetype>(name.size(), 31);
    for (qsizetype i = 0; i < chars; ++i) {
        put16(entry, i * 2, name.at(i).unicode());
    }
    put16(entry, 64, static_cast<quint16>(name.isEmpty() ? 0 : (chars + 1) * 2));
    entry[66] = static_cast<char>(type);
    entry[67] = type == 0 ? 0 : 1;  // black in the red-black tree
    put32(entry, 68, kNoStream);
    put32(entry, 72, kNoStream);
    put32(entry, 76, child);
    put32(entry, 116, start);
    put32(entry, 120, size);
    return entry;
}

}  // namespace

void WriteCompoundDocument(const QString& fileName, const QString& streamName, QByteArray stream) {
    // Below the cutoff a stream would belong in the mini stream; padding keeps
    // it in ordinary sectors, which every reader accepts.
    if (stream.size() < kMiniStreamCutoff) {
        stream.append(QByteArray(kMiniStreamCutoff - stream.size(), '\0'));
    }
    if (stream.size() > 0x7FFFFFFF - 1024 * 1024) {
        throw ServiceError(QStringLiteral("数据太多，无法保存为 .xls 文件。"));
    }
    const quint32 streamSize = static_cast<quint32>(stream.size());
    const quint32 streamSectors = (streamSize + kSector - 1) / kSector;
    stream.append(QByteArray(streamSectors * kSector - streamSize, '\0'));

    // Sector order: stream, directory, FAT, DIFAT.
    quint32 fatSectors = 0;
    quint32 difatSectors = 0;
    for (;;) {
        const quint32 total = streamSectors + 1 + fatSectors + difatSectors;
        const quint32 fat = (total + kIdsPerSector - 1) / kIdsPerSector;
        const quint32 difat = fat > kHeaderFatSlots ? (fat - kHeaderFatSlots + kIdsPerSector - 2) /
                                                          (kIdsPerSector - 1)
                                                    : 0;
        if (fat == fatSectors && difat == difatSectors) {
            break;
        }
        fatSectors = fat;
        difatSectors = difat;
    }
    const quint32 directorySector = streamSectors;
    const quint32 firstFat = directorySector + 1;
    const quint32 firstDifat = firstFat + fatSectors;

    QByteArray fat(fatSectors * kSector, '\xFF');
    for (quint32 i = 0; i < streamSectors; ++i) {
        put32(fat, i * 4, i + 1 == streamSectors ? kEndOfChain : i + 1);
    }
    put32(fat, directorySector * 4, kEndOfChain);
    for (quint32 i = 0; i < fatSectors; ++i) {
        put32(fat, (firstFat + i) * 4, kFatSector);
    }
    for (quint32 i = 0; i < difatSectors; ++i) {
        put32(fat, (firstDifat + i) * 4, kDifatSector);
    }

    QByteArray header(kSector, '\0');
    const unsigned char signature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    for (int i = 0; i < 8; ++i) {
        header[i] = static_cast<char>(signature[i]);
    }
    put16(header, 24, 0x003E);
    put16(header, 26, 0x0003);
    put16(header, 28, 0xFFFE);
    put16(header, 30, 9);
    put16(header, 32, 6);
    put32(header, 44, fatSectors);
    put32(header, 48, directorySector);
    put32(header, 56, kMiniStreamCutoff);
    put32(header, 60, kEndOfChain);
    put32(header, 64, 0);
    put32(header, 68, difatSectors > 0 ? firstDifat : kEndOfChain);
    put32(header, 72, difatSectors);
    for (int i = 0; i < kHeaderFatSlots; ++i) {
        put32(header, 76 + i * 4,
              static_cast<quint32>(i) < fatSectors ? firstFat + static_cast<quint32>(i) : kFree);
    }

    QByteArray difat(difatSectors * kSector, '\xFF');
    for (quint32 i = kHeaderFatSlots; i < fatSectors; ++i) {
        const quint32 slot = i - kHeaderFatSlots;
        const quint32 sector = slot / (kIdsPerSector - 1);
        put32(difat, sector * kSector + (slot % (kIdsPerSector - 1)) * 4, firstFat + i);
    }
    for (quint32 s = 0; s < difatSectors; ++s) {
        put32(difat, s * kSector + (kIdsPerSector - 1) * 4,
              s + 1 == difatSectors ? kEndOfChain : firstDifat + s + 1);
    }

    QByteArray directory;
    directory += directoryEntry(QStringLiteral("Root Entry"), 5, 1, kEndOfChain, 0);
    directory += directoryEntry(streamName, 2, kNoStream, 0, streamSize);
    QByteArray unused = directoryEntry(QString(), 0, kNoStream, 0, 0);
    directory += unused;
    directory += unused;

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        throw ServiceError(QStringLiteral("无法写入文件 %1：%2").arg(fileName, file.errorString()));
    }
    file.write(header);
    file.write(stream);
    file.write(directory);
    file.write(fat);
    file.write(difat);
    if (!file.commit()) {
        throw ServiceError(QStringLiteral("无法写入文件 %1：%2").arg(fileName, file.errorString()));
    }
}
