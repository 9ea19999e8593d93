// A save that cannot complete keeps the file that was there before.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

#include "DocumentTestSupport.h"
#include "page/CalendarPanel32.h"
#include "richtext/WPRtfStorage.h"

using namespace doctest;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Files this process writes may not grow past `bytes` while it lives: the
// kernel refuses the write that would cross the limit, wherever it happens.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ok_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    bool ok() const { return ok_; }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
    bool ok_ = false;
};

} // namespace

TEST(DocumentSaveFailure, AFailedSaveLeavesThePreviousFileIntact)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Year.QXF");
    TComponent owner;
    auto* page = new TCalendarPanel32(&owner);
    page->SetUserTitle("first version");
    ASSERT_TRUE(page->SaveDocument(path));
    const QByteArray previous = readAll(path);

    // A bigger page, cut off at points all through the file: in the style
    // block, in the cells, in the last buffer, at the very last byte.
    for (int i = 1; i <= 42; ++i)
        page->CellTexts(i)->SetRtfText(TWPRtfText(rtfText("a longer text for cell " + QByteArray::number(i))));
    page->SetUserTitle("second version");
    QByteArray whole;
    {
        QTemporaryDir scratch;
        ASSERT_TRUE(page->SaveDocument(scratch.filePath("whole.QXF")));
        whole = readAll(scratch.filePath("whole.QXF"));
    }
    ASSERT_GT(whole.size(), 3000);
    for (qsizetype limit : {qsizetype(1), qsizetype(200), qsizetype(2500), whole.size() - 1000, whole.size() - 1}) {
        QString error;
        bool saved = true;
        {
            FileSizeLimit fileSizeLimit{rlim_t(limit)};
            ASSERT_TRUE(fileSizeLimit.ok());
            saved = page->SaveDocument(path, &error);
        }
        EXPECT_FALSE(saved) << limit;
        EXPECT_FALSE(error.isEmpty()) << limit;
        EXPECT_EQ(readAll(path), previous) << limit;
        // No temporary file is left behind.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Year.QXF"}) << limit;
    }

    // With room enough the new version replaces the old one.
    ASSERT_TRUE(page->SaveDocument(path));
    EXPECT_EQ(readAll(path), whole);
}

TEST(DocumentSaveFailure, TargetsThatCannotBeWrittenReportFailure)
{
    QTemporaryDir dir;
    TComponent owner;
    auto* page = new TCalendarPanel32(&owner);
    QString error;
    EXPECT_FALSE(page->SaveDocument(dir.filePath("missing/folder/Year.QXF"), &error));
    EXPECT_FALSE(error.isEmpty());

    // A folder in the way is not replaced.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Taken.QXS"));
    EXPECT_FALSE(page->SaveStyleSheet(dir.filePath("Taken.QXS")));
    EXPECT_TRUE(QFileInfo(dir.filePath("Taken.QXS")).isDir());

    // A style sheet cut off keeps the previous one too.
    const QString sheet = dir.filePath("Look.QXS");
    ASSERT_TRUE(page->SaveStyleSheet(sheet));
    const QByteArray previous = readAll(sheet);
    page->SetMonthName(1, QString(200, QLatin1Char('J')));
    {
        FileSizeLimit fileSizeLimit{rlim_t(previous.size())};
        ASSERT_TRUE(fileSizeLimit.ok());
        EXPECT_FALSE(page->SaveStyleSheet(sheet));
    }
    EXPECT_EQ(readAll(sheet), previous);
}
