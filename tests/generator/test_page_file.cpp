#include "generator/PageFile.h"
#include "generator/PicturePlaces.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// A device that takes `room` bytes and then fails, as a disk does when it fills up.
class FillingDevice : public QIODevice {
public:
    FillingDevice(qint64 room, bool reportError) : room_(room), reportError_(reportError) {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override {
        const qint64 taken = qMin(size, room_);
        room_ -= taken;
        return taken == 0 && reportError_ ? -1 : taken;
    }

private:
    qint64 room_;
    bool reportError_;
};

// Saving a page whole or not at all, and the pictures the page will not find beside it.
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
        QFile old(dir.filePath("old.html"));
        QVERIFY(QDir(dir.path()).mkdir("folder.html") && old.open(QIODevice::WriteOnly));
        old.write(QByteArray(500000, 'x'));
        old.close();
        const QStringList before =
            QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        const auto fillingUp = [&](QIODevice& file, const QByteArray& bytes) {
            file.write(bytes.left(10));
            return QString("No space left on device");
        };
        const QString path = dir.filePath(name);
        QCOMPARE((fillsUp ? PageFile::save(path, page_, fillingUp) : PageFile::save(path, page_))
                     .isEmpty(),
                 saved);
        old.open(QIODevice::ReadOnly);
        if (saved) {
            QFile written(path);
            QVERIFY(written.open(QIODevice::ReadOnly) && written.readAll() == page_);
        } else { // nothing new, and the old file as it was
            QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
            QCOMPARE(old.readAll(), QByteArray(500000, 'x'));
        }
    }

    void diskFillsMidWrite() {
        for (const bool reportError : {false, true}) {
            FillingDevice full(1000, reportError), roomy(page_.size(), reportError);
            QVERIFY(!PageFile::writeAll(full, page_).isEmpty());
            QCOMPARE(PageFile::writeAll(roomy, page_), QString());
        }
        QFile full("/dev/full"); // takes a short page into its buffer, then fails to flush it
        QVERIFY(full.open(QIODevice::WriteOnly) && !PageFile::writeAll(full, "<html>").isEmpty());
    }

    void picturesBesideThePage_data() {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QStringList>("named"); // "@" stands for the test's folder
        QTest::newRow("all beside")
            << QStringList{"page/a.gif", "page/b.gif", "page/a.gif"} << QStringList{};
        QTest::newRow("through a link and ..")
            << QStringList{"link/a.gif", "page/../page/b.gif"} << QStringList{};
        QTest::newRow("one elsewhere, twice")
            << QStringList{"page/a.gif", "pics/c.gif", "pics/c.gif"}
            << QStringList{"c.gif, now in @/pics"};
        QTest::newRow("another file in the way")
            << QStringList{"pics/a.gif"}
            << QStringList{"a.gif, now in @/pics (a different file of that name is in the way)"};
        QStringList many;
        for (int i = 1; i <= 12; ++i)
            many << QString("pics/%1.gif").arg(i);
        QTest::newRow("more than ten")
            << many << QStringList{"1.gif, now in @/pics", "10.gif, now in @/pics", "and 2 more"};
    }

    void picturesBesideThePage() {
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, named);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("page") && QDir(dir.path()).mkdir("pics"));
        QVERIFY(QFile::link(dir.filePath("page"), dir.filePath("link")));
        for (const char* name : {"page/a.gif", "page/b.gif", "pics/a.gif", "pics/c.gif"})
            QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
        for (QString& path : chosen)
            path = dir.filePath(path);
        const QStringList lines =
            PicturePlaces::missingNote(chosen, dir.filePath("page")).split('\n');
        for (const QString& line : named)
            QVERIFY2(lines.contains(QString(line).replace("@", dir.path())),
                     qPrintable(lines.join('\n')));
        const bool cut = named.value(named.size() - 1).startsWith("and");
        QCOMPARE(lines.filter(", now in ").size(), cut ? 10 : named.size());
    }
};

QTEST_APPLESS_MAIN(TestPageFile)
#include "test_page_file.moc"
