#include "TestData.h"
#include "generator/MenuPage.h"
#include "generator/PageFile.h"
#include "generator/PicturePlaces.h"

#include <QtTest>

// A disk that fills up after `room` bytes: then it takes nothing or, `failing`, fails.
struct FillingDevice : QIODevice {
    qint64 room;
    bool failing;
    FillingDevice(qint64 room, bool failing) : room(room), failing(failing) { open(WriteOnly); }
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override {
        const qint64 taken = qMin(size, room);
        room -= taken;
        return taken == 0 && failing ? -1 : taken;
    }
};

// The page text and its escapes, saving it whole or not at all, and the pictures it misses.
class TestGenerator : public QObject {
    Q_OBJECT

    const QByteArray page_ = QByteArray("<html>\r\n").repeated(20000);

private slots:
    // The reference pages, byte for byte: two buttons either way, and twelve.
    void workedExamples() {
        Menu menu{1,
                  {{"home.gif", "home2.gif", "index.html", ""},
                   {"news.gif", "news2.gif", "news.html", "main"}}};
        const QByteArray vertical = TestData::read(TestData::path("example-vertical.html"));
        QCOMPARE(MenuPage::text(menu), vertical);
        menu.iMenuType = 2;
        QCOMPARE(MenuPage::text(menu),
                 QByteArray(vertical).replace("border=0></a><br>\r\n", "border=0></a>\r\n"));
        menu = {};
        for (const QString i : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"})
            menu.buttons.append({"n" + i + ".gif", "o" + i + ".gif", "p" + i + ".html", ""});
        QCOMPARE(MenuPage::text(menu), TestData::read(TestData::path("example-twelve.html")));
    }

    // One row per rule and frame kind: a value in one field and a whole line it must give.
    void userText_data() { TestData::rows("escaping.txt"); }

    void userText() {
        QFETCH(QStringList, row);
        const QString& field = row[0];
        MenuButton button{"n.gif", "o.gif", "x\".html", ""};
        (field == "link"     ? button.link
         : field == "normal" ? button.normalImage
         : field == "over"   ? button.overImage
                             : button.frame) = row[1];
        const QByteArray page = MenuPage::text({1, {button}});
        QVERIFY2(page.contains("\r\n" + row[2].toLatin1() + "\r\n"), page.constData());
        QVERIFY2(std::all_of(page.begin(), page.end(), [](char c) { return uchar(c) < 0x80; }),
                 "the page is pure ASCII");
    }

    void save_data() { TestData::rows("saving.txt"); }

    void save() {
        QFETCH(QStringList, row);
        const bool fillsUp = row[1] == "disk full", saved = row[2] == "saved";
        QTemporaryDir dir;
        const QByteArray old(500000, 'x');
        QVERIFY(QDir(dir.path()).mkdir("folder.html") &&
                PageFile::save(dir.filePath("old.html"), old).isEmpty());
        const QStringList before =
            QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        const auto fillingUp = [](QIODevice& file, const QByteArray& bytes) {
            file.write(bytes.left(10));
            return QString("No space left on device");
        };
        const QString path = dir.filePath(row[0]);
        QCOMPARE((fillsUp ? PageFile::save(path, page_, fillingUp) : PageFile::save(path, page_))
                     .isEmpty(),
                 saved);
        if (saved) { // whole, or else nothing new and the old file as it was
            QCOMPARE(TestData::read(path), page_);
        } else {
            QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
            QCOMPARE(TestData::read(dir.filePath("old.html")), old);
        }
    }

    void diskFillsMidWrite() {
        for (const bool failing : {false, true}) {
            FillingDevice full(1000, failing), roomy(page_.size(), failing);
            QVERIFY(!PageFile::writeAll(full, page_).isEmpty());
            QCOMPARE(PageFile::writeAll(roomy, page_), QString());
        }
        QFile full("/dev/full"); // takes a short page into its buffer, then fails to flush it
        QVERIFY(full.open(QIODevice::WriteOnly) && !PageFile::writeAll(full, "<html>").isEmpty());
    }

    void picturesBesideThePage_data() { TestData::rows("picture-places.txt"); }

    void picturesBesideThePage() {
        QFETCH(QStringList, row);
        QStringList chosen = row.takeFirst().split(' ');
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("page") && QDir(dir.path()).mkdir("pics"));
        QVERIFY(QFile::link(dir.filePath("page"), dir.filePath("link")));
        for (const char* name : {"page/a.gif", "page/b.gif", "pics/a.gif", "pics/c.gif"})
            QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
        for (QString& path : chosen)
            path = dir.filePath(path);
        const QString note = PicturePlaces::missingNote(chosen, dir.filePath("page"));
        static const QRegularExpression namesAPicture(", now in |^and \\d+ more$");
        QCOMPARE(note.split('\n').filter(namesAPicture), row.replaceInStrings("@", dir.path()));
    }
};

QTEST_APPLESS_MAIN(TestGenerator)
#include "test_generator.moc"
