#include "generator/PageFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// A device that takes `room` bytes and then fails, as a disk does when it fills up.
class FillingDevice : public QIODevice {
public:
    FillingDevice(qint64 room, bool reportError) : room_(room), reportError_(reportError) {
        open(QIODevice::WriteOnly);
    }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        const qint64 taken = qMin(size, room_ - written.size());
        if (taken <= 0 && reportError_) {
            setErrorString("No space left on device");
            return -1;
        }
        written.append(data, taken);
        return taken;
    }

private:
    qint64 room_;
    bool reportError_;
};

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

// Saving a page: whole or not at all, an existing file replaced only by a complete one.
class TestPageFile : public QObject {
    Q_OBJECT

    QByteArray page_ = QByteArray("<html>\r\n").repeated(20000);

private slots:
    void writesANewFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Tessel.html");
        QCOMPARE(PageFile::save(path, page_), QString());
        QCOMPARE(readFile(path), page_);
    }

    void replacesAnExistingFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("menu.htm");
        writeFile(path, QByteArray(500000, 'x'));
        QCOMPARE(PageFile::save(path, "short"), QString());
        QCOMPARE(readFile(path), QByteArray("short"));
    }

    void failures_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing folder") << "no/such/folder/menu.html";
        QTest::newRow("folder in the way") << "taken.html";
        QTest::newRow("name too long") << QString(300, 'n') + ".html";
    }

    void failures() {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("taken.html"));
        const QString path = dir.filePath(name);
        const QString reason = PageFile::save(path, page_);
        QVERIFY2(!reason.isEmpty(), qPrintable(name));
        QVERIFY(QFileInfo(dir.filePath("taken.html")).isDir());
        // Nothing but the folder that was already there.
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"taken.html"});
    }

    void noPermission() {
        if (geteuid() == 0)
            QSKIP("permissions do not stop root, who runs CI");
        QTemporaryDir dir;
        const QString path = dir.filePath("menu.html");
        writeFile(path, "old");
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(!PageFile::save(path, page_).isEmpty());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(readFile(path), QByteArray("old"));
    }

    void diskFillsMidWrite_data() {
        QTest::addColumn<bool>("reportError");
        QTest::newRow("short write") << false;
        QTest::newRow("write error") << true;
    }

    void diskFillsMidWrite() {
        QFETCH(bool, reportError);
        FillingDevice device(1000, reportError);
        QVERIFY(!PageFile::writeAll(device, page_).isEmpty());
        QCOMPARE(device.written.size(), 1000);
        FillingDevice roomy(page_.size(), reportError);
        QCOMPARE(PageFile::writeAll(roomy, page_), QString());
        QCOMPARE(roomy.written, page_);
    }

    void failedWriteLeavesTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("menu.html");
        writeFile(path, "the old page");
        // The page fills the disk after a few bytes.
        const auto fillsUp = [](QIODevice& device, const QByteArray& bytes) {
            device.write(bytes.left(10));
            return QString("No space left on device");
        };
        QCOMPARE(PageFile::save(path, page_, fillsUp), QString("No space left on device"));
        QCOMPARE(readFile(path), QByteArray("the old page"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"menu.html"});
        // And with no old file, none appears.
        QVERIFY(!PageFile::save(dir.filePath("new.html"), page_, fillsUp).isEmpty());
        QVERIFY(!QFile::exists(dir.filePath("new.html")));
    }
};

QTEST_APPLESS_MAIN(TestPageFile)
#include "test_page_file.moc"
