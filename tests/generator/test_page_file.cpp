#include "generator/PageFile.h"

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

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

// Saving a page: whole or not at all, an existing file replaced only by a complete one.
class TestPageFile : public QObject {
    Q_OBJECT

    const QByteArray page_ = QByteArray("<html>\r\n").repeated(20000);

private slots:
    void save_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fillsUp");
        QTest::addColumn<bool>("saved");
        QTest::newRow("new file") << "new.html" << false << true;
        QTest::newRow("longer file replaced") << "old.html" << false << true;
        QTest::newRow("missing folder") << "no/such/menu.html" << false << false;
        QTest::newRow("folder in the way") << "folder.html" << false << false;
        QTest::newRow("name too long") << QString(300, 'n') + ".html" << false << false;
        QTest::newRow("disk full, old file") << "old.html" << true << false;
        QTest::newRow("disk full, no file") << "new.html" << true << false;
    }

    void save() {
        QFETCH(QString, name);
        QFETCH(bool, fillsUp);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder.html"));
        QFile old(dir.filePath("old.html"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(500000, 'x')) == 500000);
        old.close();
        const QStringList before = QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        const auto fillingUp = [](QIODevice& device, const QByteArray& bytes) {
            device.write(bytes.left(10));
            return QString("No space left on device");
        };
        const QString path = dir.filePath(name);
        const QString reason =
            fillsUp ? PageFile::save(path, page_, fillingUp) : PageFile::save(path, page_);
        QCOMPARE(reason.isEmpty(), saved);
        if (saved) {
            QCOMPARE(contents(path), page_);
            return;
        }
        // Nothing new, and the old file as it was.
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
        QCOMPARE(contents(old.fileName()), QByteArray(500000, 'x'));
    }

    void noPermission() {
        if (geteuid() == 0)
            QSKIP("permissions do not stop root");
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(!PageFile::save(dir.filePath("menu.html"), page_).isEmpty());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void diskFillsMidWrite_data() {
        QTest::addColumn<bool>("reportError");
        QTest::newRow("short write") << false;
        QTest::newRow("write error") << true;
    }

    void diskFillsMidWrite() {
        QFETCH(bool, reportError);
        FillingDevice full(1000, reportError);
        QVERIFY(!PageFile::writeAll(full, page_).isEmpty());
        FillingDevice roomy(page_.size(), reportError);
        QCOMPARE(PageFile::writeAll(roomy, page_), QString());
        QCOMPARE(roomy.written, page_);
    }
};

QTEST_APPLESS_MAIN(TestPageFile)
#include "test_page_file.moc"
