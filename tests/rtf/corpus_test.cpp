// Real documents from other readers' test suites: our plain text against texts checked by hand and
// against the best reader available (see corpus/README.md for where and why they differ).
#include "rtf_test_util.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace rtf::test {
namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

TEST(Corpus, everyDocumentReadsToItsExpectedText)
{
    const QDir dir(QStringLiteral(RTF_CORPUS_DIR));
    const QStringList files = dir.entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 40);
    for (const QString& name : files) {
        QTextDocument doc;
        ASSERT_TRUE(readRtf(contents(dir.filePath(name)), &doc).ok) << name.toStdString();
        QString expectedName = name;
        expectedName.replace(QLatin1String(".rtf"), QLatin1String(".txt"));
        const QString expected = QString::fromUtf8(contents(dir.filePath(expectedName)));
        EXPECT_EQ(plainText(doc) + u'\n', expected) << name.toStdString();
    }
}

} // namespace
} // namespace rtf::test
