#include "pdftext.h"

#include <QProcess>

#include <utility>

namespace PdfText {

QStringList pages(const QString& pdfPath) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                          QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        return {};
    }
    // The CJK fonts share glyphs between radicals and characters, and the
    // reader may name the radical: map them back to the characters.
    QString text = QString::fromUtf8(p.readAllStandardOutput());
    for (QChar& c : text) {
        if (c.unicode() >= 0x2F00 && c.unicode() <= 0x2FDF) {
            c = QString(c).normalized(QString::NormalizationForm_KC).at(0);
        }
    }
    static const QList<std::pair<char16_t, char16_t>> radicals = {
        {0x2EC5, 0x89C1}, {0x2EC6, 0x89D2}, {0x2EC9, 0x8D1D}, {0x2ECB, 0x8F66}, {0x2ED3, 0x957F},
        {0x2ED4, 0x95E8}, {0x2EDA, 0x9875}, {0x2EDB, 0x98CE}, {0x2EDC, 0x98DE}, {0x2EDD, 0x98DF},
        {0x2EE2, 0x9A6C}, {0x2EE3, 0x9AA8}, {0x2EE4, 0x9B3C}, {0x2EE5, 0x9C7C}, {0x2EE6, 0x9E1F},
        {0x2EE9, 0x9EC4}, {0x2EEB, 0x9F50}, {0x2EED, 0x6B6F}, {0x2EEF, 0x9F99}, {0x2EF3, 0x9F9F},
    };
    for (const auto& [radical, character] : radicals) {
        text.replace(QChar(radical), QChar(character));
    }
    QStringList result = text.split(QLatin1Char('\f'));
    if (!result.isEmpty() && result.last().trimmed().isEmpty()) {
        result.removeLast();
    }
    return result;
}

}  // namespace PdfText
