#include "TestData.h"
#include "generator/MenuPage.h"
#include "generator/PageBuffer.h"
#include "generator/PageCharset.h"
#include "generator/PageFile.h"
#include "generator/PageSyntax.h"
#include "generator/PicturePlaces.h"
#include "generator/SiteAddress.h"
#include "generator/SitePage.h"

#include <QtTest>

#include <cerrno>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// A file system of 64 kB, read-only or not, on `folder` where given, for the test's life.
struct FileSystem {
    const QByteArray at;
    const bool mounted, refused;
    FileSystem(const QString& folder, bool readOnly)
        : at(folder.toLocal8Bit()),
          mounted(!at.isEmpty() && ::mount("tmpfs", at.constData(), "tmpfs",
                                           readOnly ? MS_RDONLY : 0, "size=64k") == 0),
          refused(!at.isEmpty() && !mounted && errno == EPERM) {}
    ~FileSystem() {
        if (mounted)
            ::umount2(at.constData(), MNT_DETACH);
    }
    static constexpr char notRoot[] = "mounting a small file system needs root; run the test as "
                                      "root or inside unshare --user --map-root-user --mount";
};

// The most memory the test has held so far, in kB.
long peakMemory() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A page as Finish writes it: the blocks unchanged since it was read taken from the page.
QByteArray pieced(const Menu& menu, const PageFrame& frame) {
    PageBuffer written;
    QByteArray page;
    for (const QByteArrayView piece : MenuPage::pieces(menu, frame, written))
        page += piece;
    return page;
}

// A menu with hostile text in every field, drawn from pieces that each test an escape.
Menu hostileMenu(quint32 seed, int buttons) {
    // Split at "|", which none of them holds; a lone surrogate cannot stand in the text.
    static const QStringList pieces =
        QString("a|x y|\"|\\|<|</script>|&|\n|\r\n|\t|\x7F|é|日本|😀|%C3%A9|%c3%a9|%|%zz|top|self|"
                "_blank|_Top|content|main|frame$1|1st||\x7F%F0%9F%98%80")
            .split('|')
        << QString(QChar(0xD800));
    QRandomGenerator random(seed);
    const auto text = [&] {
        QString result;
        for (int i = int(random.bounded(4)); i > 0; --i)
            result += pieces[random.bounded(int(pieces.size()))];
        return result;
    };
    Menu menu{random.bounded(2) ? MenuType::Vertical : MenuType::Horizontal,
              {},
              random.bounded(2) ? PageForm::Classic : PageForm::Html5};
    for (int i = 0; i < buttons; ++i)
        menu.buttons.append({text(), text(), text(), text(), text()});
    return menu;
}

// The page text and its escapes, saving it whole or not at all, and the pictures it misses;
// reading a page back.
class TestGenerator : public QObject {
    Q_OBJECT

    const QByteArray page_ = QByteArray("<html>\r\n").repeated(20000);
    static constexpr QFile::Permissions readableByAll = QFile::ReadOwner | QFile::WriteOwner |
                                                        QFile::ReadUser | QFile::WriteUser |
                                                        QFile::ReadGroup | QFile::ReadOther;

    QTranslator english_; // the plural forms: "1 button", "2 buttons"

    // What reading the page at `path` says in `language`.
    static QString errorIn(const QString& language, const QString& path) {
        QTranslator words;
        if (!words.load("tessel_" + language, ":/i18n") ||
            !QCoreApplication::installTranslator(&words))
            return "no translation for " + language;
        return MenuPage::open(path).error;
    }

private slots:
    void initTestCase() {
        QVERIFY(english_.load("tessel_en", ":/i18n") &&
                QCoreApplication::installTranslator(&english_));
    }

    // The reference pages, byte for byte: two buttons either way, and twelve.
    void workedExamples() {
        Menu menu{MenuType::Vertical,
                  {{"home.gif", "home2.gif", "index.html", ""},
                   {"news.gif", "news2.gif", "news.html", "main"}}};
        const QByteArray vertical = TestData::read(TestData::path("example-vertical.html"));
        QCOMPARE(MenuPage::text(menu), vertical);
        menu.iMenuType = MenuType::Horizontal;
        QCOMPARE(MenuPage::text(menu),
                 QByteArray(vertical).replace("border=0></a><br>\r\n", "border=0></a>\r\n"));
        menu = {};
        for (const QString i : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"})
            menu.buttons.append({"n" + i + ".gif", "o" + i + ".gif", "p" + i + ".html", ""});
        QCOMPARE(MenuPage::text(menu), TestData::read(TestData::path("example-twelve.html")));
        menu = {MenuType::Vertical,
                {{"home.gif", "home2.gif", "index.html", "", "Home"},
                 {"news.gif", "news2.gif", "news.html", "main", "News"}},
                PageForm::Html5};
        QCOMPARE(MenuPage::text(menu), TestData::read(TestData::path("example-html5.html")));
    }

    // One row per rule and frame kind: a value in one field and a whole line it must give.
    void userText_data() { TestData::rows("escaping.txt"); }

    void userText() {
        QFETCH(TestData::Row, row);
        const QString field = row["field"].section(' ', -1); // "html5 link": in the HTML5 form
        MenuButton button{"n.gif", "o.gif", "x\".html", ""};
        (field == "link"     ? button.link
         : field == "normal" ? button.normalImage
         : field == "over"   ? button.overImage
         : field == "text"   ? button.text
                             : button.frame) = row["value"];
        const PageForm form =
            row["field"].startsWith("html5 ") ? PageForm::Html5 : PageForm::Classic;
        const QByteArray page = MenuPage::text({MenuType::Vertical, {button}, form});
        QVERIFY2(page.contains("\r\n" + row["line"].toLatin1() + "\r\n"), page.constData());
        QVERIFY2(std::all_of(page.begin(), page.end(), [](char c) { return uchar(c) < 0x80; }),
                 "the page is pure ASCII");
    }

    void save_data() { TestData::rows("saving.txt"); }

    void save() {
        QFETCH(TestData::Row, row);
        const bool saved = row["result"] == "saved";
        QTemporaryDir dir;
        const bool readOnly = row["disk"] == "read-only";
        const FileSystem disk(row["disk"].isEmpty() ? QString() : dir.path(), readOnly);
        if (disk.refused)
            QSKIP(FileSystem::notRoot);
        if (readOnly) { // the folder is the reason, and is named
            const QString failure = PageFile::save(dir.filePath("new.html"), page_);
            QVERIFY2(failure.startsWith("its folder " + dir.path()) &&
                         failure.contains(row["result"].section(": ", 1)),
                     qPrintable(failure));
            return;
        }
        const QByteArray old(1000, 'x');
        const QByteArray oldPath = QFile::encodeName(dir.filePath("old.html"));
        QVERIFY(QDir(dir.path()).mkdir("folder.html") &&
                PageFile::save(dir.filePath("old.html"), old).isEmpty());
        // Another user's page, readable by its group alone: root replacing it leaves it theirs.
        QVERIFY(::chmod(oldPath, 0640) == 0 && (::geteuid() != 0 || ::chown(oldPath, 1, 1) == 0));
        const QStringList before =
            QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        // "(N bytes)": a page of a name that long is there, the most a file system takes
        // being 255.
        const QString name = row["name"];
        const qsizetype length = name.startsWith('(') ? name.mid(1).section(' ', 0, 0).toInt() : 0;
        const QString path = dir.filePath(length ? QString(length - 5, 'n') + ".html" : name);
        const mode_t mask = ::umask(022);
        QFile written(path); // one that long, written back
        QVERIFY(!length || length > 255 ||
                (written.open(QIODevice::WriteOnly) && written.write(old) > 0));
        written.close();
        const QString failure = PageFile::save(path, page_);
        ::umask(mask);
        QCOMPARE(failure.isEmpty(), saved);
        QVERIFY2(failure.contains(row["result"].section(": ", 1)), qPrintable(failure));
        if (saved) { // whole, or else nothing new and the old file as it was
            QCOMPARE(TestData::read(path), page_);
            struct stat now {};
            QVERIFY(::stat(QFile::encodeName(path), &now) == 0);
            QCOMPARE(now.st_mode & 07777, name == "old.html" ? 0640u : 0644u); // as umask says
            QVERIFY(::stat(oldPath, &now) == 0);
            QCOMPARE(now.st_mode & 07777, 0640u);
            QVERIFY(::geteuid() != 0 || (now.st_uid == 1 && now.st_gid == 1));
        } else {
            QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
            QCOMPARE(TestData::read(dir.filePath("old.html")), old);
        }
    }

    // Every page the writer gives reads back into a menu that writes the same bytes.
    void roundTrip() {
        for (const int buttons : {1, 2, 3, 12, 1000})
            for (quint32 seed = 1; seed <= (buttons < 100 ? 50 : 2); ++seed) {
                const QByteArray page = MenuPage::text(hostileMenu(seed, buttons));
                const PageReading reading = MenuPage::read(page);
                QVERIFY2(reading.error.isEmpty() && !reading.changedLine,
                         qPrintable(reading.error));
                QCOMPARE(MenuPage::text(reading.menu), page);
                QCOMPARE(MenuPage::text(reading.menu, reading.frame), page);
            }
        const Menu accents{MenuType::Vertical,
                           {{"é😀.gif", "%41.gif", "日本.html", "日本"}}}; // read as typed
        QCOMPARE(MenuPage::read(MenuPage::text(accents)).menu.buttons, accents.buttons);
        const QByteArray twelve = TestData::read(TestData::path("example-twelve.html"));
        QCOMPARE(MenuPage::text(MenuPage::read(twelve).menu), twelve);
    }

    void siteAddresses_data() { TestData::rows("site-addresses.txt"); }

    void siteAddresses() {
        QFETCH(TestData::Row, row);
        const QString page = row["page"], folder = page.section(u'/', 0, -2);
        QCOMPARE(SiteAddress::fromPage(row["address"], folder), row["from page"]);
        QCOMPARE(SiteAddress::leadsTo(row["address"], page), row["leads"] == "yes");
    }

    // Every address, from a page in any folder, reaches what it reaches from the site's
    // folder, as a browser resolves it.
    void siteAddressesReachTheSame() {
        const QStringList parts = {"a", "b", "..", ".", "index.html", "", "c.html"};
        const QUrl site("http://example.org/s1/s2/s3/"); // room to climb above the site
        QStringList addresses = parts;
        for (const QString& first : parts)
            for (const QString& second : parts) {
                addresses += first + '/' + second;
                for (const QString& third : parts)
                    addresses += first + '/' + second + '/' + third + "?q#p";
            }
        for (const QString& folder : QStringList{"", "a", "a/b", "c/d/e", "b/"})
            for (const QString& address : addresses) {
                if (address.isEmpty() || address.startsWith('?'))
                    continue; // no link
                const QUrl base = site.resolved(QUrl(folder.isEmpty() || folder.endsWith('/')
                                                         ? QString(folder)
                                                         : QString(folder) + '/'));
                const QString fromPage = SiteAddress::fromPage(address, folder);
                QVERIFY2(base.resolved(QUrl(fromPage)) == site.resolved(QUrl(address)),
                         qPrintable(address + " from " + folder + ": " + fromPage));
                // ... and read back from that page, the site's address again.
                const QString toSite = SiteAddress::toSite(fromPage, folder);
                QVERIFY2(site.resolved(QUrl(toSite)) == site.resolved(QUrl(address)),
                         qPrintable(fromPage + " in " + folder + ": " + toSite));
            }
    }

    // The site's menu put into a page of the author's at its marker, and read back from it.
    void puttingTheMenuIn_data() { TestData::rows("site-insertions.txt"); }

    void puttingTheMenuIn() {
        QFETCH(TestData::Row, row);
        const auto bytes = [](const QString& text) {
            return text.startsWith("latin1:") ? text.mid(7).toLatin1()
                   : text.startsWith("utf16:")
                       ? QByteArray("\xFF\xFE") +
                             QByteArray(reinterpret_cast<const char*>(text.mid(6).utf16()),
                                        text.mid(6).size() * 2)
                   : text.endsWith(".html") ? TestData::read(TestData::path(text))
                                            : text.toUtf8();
        };
        const QString page = row["in the site"];
        const bool classic = row["form"] == "classic";
        const Menu site{MenuType::Vertical,
                        {{"home.gif", "home2.gif", "index.html", "", "Home"},
                         {"img/news.gif", "img/news2.gif", "news/index.html", "main", "News"}},
                        classic ? PageForm::Classic : PageForm::Html5};
        const SitePage::Insertion put = SitePage::insert(bytes(row["page"]), site, page);
        if (row["put"].startsWith("refused: ")) {
            QVERIFY2(put.page.isEmpty() && put.error.startsWith(row["put"].mid(9)),
                     qPrintable(put.error));
            return;
        }
        QByteArray menu = TestData::read(TestData::path(
            classic                ? QString("site-menu-classic.html")
            : page == "about.html" ? QString("site-menu.html")
                                   : "site-menu-" + page.section('/', 0, 0) + ".html"));
        if (row["put"].contains("\r\n"))
            menu.replace("\n", "\r\n");
        QCOMPARE(put.page, bytes(row["put"]).replace("[menu]", menu));
        // Read back, it holds the site's menu, and writes back the same bytes.
        const PageReading reading = MenuPage::read(put.page);
        QVERIFY2(reading.error.isEmpty() && reading.changedLine == 0, qPrintable(reading.error));
        QCOMPARE(reading.menu.buttons[1].current, page == "news/index.html"); // its own page
        QCOMPARE(SitePage::forSite(reading.menu, page), site);
        QCOMPARE(MenuPage::text(reading.menu, reading.frame), put.page);
    }

    // A site of five pages that hold its menu: a changed link reaches all of them, and only the
    // menu's line for it changes; a page whose menu is another is named and left out; a page
    // that cannot be written means none is.
    void siteInStep_data() {
        QTest::addColumn<QString>("trouble");
        for (const char* trouble : {"", "another menu", "read-only"})
            QTest::newRow(trouble) << QString(trouble);
    }

    void siteInStep() {
        QFETCH(QString, trouble);
        QTemporaryDir site;
        const QDir folder(site.path());
        const QStringList pages = {"index.html", "about.html", "news/index.html", "shop/index.html",
                                   "shop/winter/boots.html"};
        QVERIFY(folder.mkpath("news") && folder.mkpath("shop/winter"));
        const FileSystem disk(trouble == "read-only" ? folder.filePath("shop/winter") : QString(),
                              false);
        if (disk.refused)
            QSKIP(FileSystem::notRoot);
        Menu before{MenuType::Vertical,
                    {{"home.gif", "home2.gif", "index.html", "", "Home"},
                     {"img/news.gif", "img/news2.gif", "news/index.html", "", "News"},
                     {"img/shop.gif", "img/shop2.gif", "shop/", "", "Shop"}},
                    PageForm::Html5};
        QMap<QString, QByteArray> old;
        for (const QString& page : pages) {
            const QByteArray own =
                "<h1>" + page.toUtf8() + "</h1>\r\n<!-- Tessel menu -->\r\n<p>Ours</p>\r\n";
            old[page] = SitePage::insert(own, before, page).page;
            QVERIFY(PageFile::save(folder.filePath(page), old[page]).isEmpty());
        }
        if (trouble == "another menu") {
            old["about.html"].replace("href=\"index.html\"", "href=\"start.html\"");
            QVERIFY(PageFile::save(folder.filePath("about.html"), old["about.html"]).isEmpty());
        }
        if (trouble == "read-only")
            QVERIFY(::mount(nullptr, disk.at.constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                            nullptr) == 0);
        Menu after = before;
        after.buttons[1].link = "news/latest.html";
        const SitePage::Sync sync = SitePage::sync(after, folder.path(), folder.path(),
                                                   folder.filePath("menu.html"), &before);
        QCOMPARE(sync.leftOut.join('\n'),
                 trouble == "another menu"
                     ? folder.filePath("about.html") + ": its menu is another one"
                     : QString());
        QCOMPARE(sync.pages.size(), pages.size() - (trouble == "another menu"));
        const PageFile::Saved saved = PageFile::saveAll(sync.pages);
        if (trouble == "read-only") {
            QVERIFY2(saved.replaced == 0 &&
                         saved.error.startsWith(folder.filePath("shop/winter/boots.html") + ": "),
                     qPrintable(saved.error));
            for (const QString& page : pages)
                QCOMPARE(TestData::read(folder.filePath(page)), old[page]);
            return;
        }
        QVERIFY2(saved.error.isEmpty() && saved.replaced == sync.pages.size(),
                 qPrintable(saved.error));
        for (const QString& page : pages) {
            const QByteArray now = TestData::read(folder.filePath(page));
            if (trouble == "another menu" && page == "about.html") {
                QCOMPARE(now, old[page]);
                continue;
            }
            const PageReading reading = MenuPage::read(now);
            QVERIFY(reading.error.isEmpty() && reading.changedLine == 0);
            QCOMPARE(SitePage::forSite(reading.menu, page), after);
            // Only the line of the link that changed: every other line stays as it was.
            const QList<QByteArray> was = old[page].split('\n'), is = now.split('\n');
            QCOMPARE(is.size(), was.size());
            QStringList changed;
            for (qsizetype i = 0; i < is.size(); ++i)
                if (is[i] != was[i])
                    changed.append(QString::fromUtf8(is[i]));
            QVERIFY2(changed.size() == 1 && changed.first().contains("latest.html"),
                     qPrintable(changed.join('\n')));
        }
    }

    void charsets_data() { TestData::rows("charsets.txt"); }

    void charsets() {
        QFETCH(TestData::Row, row);
        const QString page = row["page"];
        const QByteArray bytes =
            page.startsWith("latin1:") ? page.mid(7).toLatin1() : page.toUtf8();
        const PageCharset charset(bytes);
        QCOMPARE(charset.charset() == PageCharset::Utf8 ? "UTF-8" : "Windows-1252", row["reads"]);
        QCOMPARE(charset.decode(bytes), row["text"]);
    }

    void pageSyntax_data() { TestData::rows("page-syntax.txt"); }

    void pageSyntax() {
        QFETCH(TestData::Row, row);
        const QString before = row["before"];
        const QByteArray page = ((before.isEmpty() ? "" : before + '\n') + row["line"]).toUtf8();
        const QStringList names = {"Html", "Script", "Other"};
        PageSyntax syntax(page);
        QCOMPARE(syntax.lines(), before.isEmpty() ? 1 : before.count('\n') + 2);
        QCOMPARE(names.value(syntax.context(syntax.lines() - 1)), row["context"]);
    }

    // Equal HTML is read equally, and kept as its author spelt it until a value on it changes.
    void spellings_data() { TestData::rows("spellings.txt"); }

    void spellings() {
        QFETCH(TestData::Row, row);
        const bool html5 = row["find"].startsWith("html5:");
        const QByteArray example =
            TestData::read(TestData::path(html5 ? "example-html5.html" : "example-vertical.html"));
        const QByteArray find = row["find"].mid(html5 ? 6 : 0).toUtf8();
        const QByteArray tessels = QByteArray(example).replace(find, row["tessels"].toUtf8()),
                         authors = QByteArray(example).replace(find, row["author"].toUtf8());
        const PageReading own = MenuPage::read(tessels), read = MenuPage::read(authors);
        QVERIFY2(read.error.isEmpty() && read.changedLine == 0, qPrintable(read.error));
        QVERIFY(own.changedLine == 0 && read.menu.sameValues(own.menu));
        QCOMPARE(MenuPage::text(read.menu, read.frame), authors);
        // Moved a place down and given a picture with a quote in its name, a line that holds
        // the button's number or that name is written in Tessel's spelling, and the page reads
        // back as changed.
        Menu moved = read.menu;
        moved.buttons.swapItemsAt(0, 1);
        moved.buttons[1].overImage = "a\"b.gif";
        const QByteArray written = MenuPage::text(moved, read.frame);
        const PageReading again = MenuPage::read(written);
        QVERIFY(again.changedLine == 0 && again.menu.sameValues(moved));
        QCOMPARE(MenuPage::text(again.menu, again.frame), written);
    }

    void readingPages_data() { TestData::rows("page-readings.txt"); }

    void readingPages() {
        QFETCH(TestData::Row, row);
        const bool html5 = row["find"].startsWith("html5:"); // the HTML5 example instead
        const QString find = row["find"].mid(html5 ? 6 : 0), put = row["put"];
        QTemporaryDir dir;
        const QString path = dir.filePath("page.html");
        QByteArray page =
            TestData::read(TestData::path(html5 ? "example-html5.html" : "example-vertical.html"));
        if (find == "cut") {
            page.truncate(put.toInt());
        } else if (find == "lines" || find == "move") { // from one line to another
            QList<QByteArray> lines = page.split('\n');
            const int from = put.section('-', 0, 0).toInt() - 1,
                      count = put.section(QRegularExpression("[-:]"), 1, 1).toInt() - from;
            const QList<QByteArray> taken = lines.mid(from, count);
            lines.remove(from, count);
            if (find == "move")
                for (qsizetype i = 0; i < count; ++i)
                    lines.insert(put.section(':', 1).toInt() - 1 - count + i, taken[i]);
            page = lines.join('\n');
        } else if (find == "utf16") {
            page = QByteArray("\xFF\xFE") +
                   QByteArray(reinterpret_cast<const char*>(QString::fromLatin1(page).utf16()),
                              page.size() * 2);
        } else if (!find.isEmpty()) {
            page.replace(find.toUtf8(),
                         put.startsWith("latin1:") ? put.mid(7).toLatin1() : put.toUtf8());
        }
        if (!row["ends"].isEmpty()) // "none": one line, as a tool that makes pages small leaves it
            page.replace("\r\n", row["ends"] == "lf" ? "\n" : row["ends"] == "cr" ? "\r" : " ");
        if (find == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (find == "fifo")
            QCOMPARE(::mkfifo(qPrintable(path), 0600), 0);
        else if (find == "larger")
            QVERIFY(QFile(path).open(QIODevice::WriteOnly) &&
                    QFile(path).resize(MenuPage::maxBytes + 1)); // sparse: takes no room
        else if (find != "missing")
            QVERIFY(PageFile::save(path, page).isEmpty());
        const long memory = peakMemory();
        const PageReading reading = MenuPage::open(path);
        QVERIFY(MenuPage::read(page) == MenuPage::readLineByLine(page)); // the shortcut agrees
        QVERIFY2(find != "larger" || peakMemory() - memory < MenuPage::maxBytes / 4 / 1024,
                 "a larger file is refused before it is read whole");
        const QString expected = row["reading"].section(" | de: ", 0, 0);
        if (expected.startsWith("refused: ")) {
            QVERIFY2(reading.error.contains(expected.mid(9)), qPrintable(reading.error));
            // Each refusal once in German, as a German desktop shows it.
            const QString german = row["reading"].section(" | de: ", 1);
            QCOMPARE(german.isEmpty() ? german : errorIn("de", path), german);
            return;
        }
        QVERIFY2(reading.error.isEmpty(), qPrintable(reading.error));
        QCOMPARE(reading.changedLine, expected == "intact" ? 0 : expected.section(' ', -1).toInt());
        if (expected == "intact")
            QCOMPARE(MenuPage::text(reading.menu, reading.frame), page);
        QCOMPARE(pieced(reading.menu, reading.frame), MenuPage::text(reading.menu, reading.frame));
        // A link changed and a button added, then all but the first dropped: the frame stays.
        Menu changed = reading.menu;
        changed.buttons.first().link = "changed.html";
        changed.buttons.append({"n.gif", "o.gif", "new.html", "main", "New"});
        // A line spelt otherwise goes back into Tessel's spelling once a value on it changes.
        const bool spelt = std::any_of(
            reading.menu.buttons.begin(), reading.menu.buttons.end(), [](const MenuButton& b) {
                return std::any_of(b.ownLines.begin(), b.ownLines.end(),
                                   [](const BlockTemplate& form) { return !form.kept.isEmpty(); });
            });
        Menu turned = reading.menu; // the other way round
        turned.iMenuType =
            turned.iMenuType == MenuType::Vertical ? MenuType::Horizontal : MenuType::Vertical;
        for (const Menu& menu :
             {changed, turned, Menu{changed.iMenuType, {changed.buttons.first()}, changed.form}}) {
            const QByteArray written = MenuPage::text(menu, reading.frame);
            QCOMPARE(pieced(menu, reading.frame), written);
            const PageReading again = MenuPage::read(written);
            QVERIFY(again.changedLine == 0 && again.menu.sameValues(menu));
            // ... and the forms as they were, but for line breaks that went with the turn
            QVERIFY(spelt || menu.iMenuType != reading.menu.iMenuType || again.menu == menu);
            QCOMPARE(MenuPage::text(again.menu, again.frame), written);
            QCOMPARE(MenuPage::text(reading.menu, again.frame),
                     MenuPage::text(reading.menu, reading.frame));
        }
        // Into the HTML5 form, a page reads back as written, with the same menu.
        Menu html5Menu = reading.menu;
        html5Menu.form = PageForm::Html5;
        for (MenuButton& button : html5Menu.buttons)
            button.ownLines = {};
        const QByteArray converted = MenuPage::text(html5Menu, reading.frame);
        const PageReading back = MenuPage::read(converted);
        QVERIFY2(back.error.isEmpty() && back.changedLine == 0, qPrintable(back.error));
        QCOMPARE(back.menu, html5Menu);
        QCOMPARE(MenuPage::text(back.menu, back.frame), converted);
    }

    // Lines of the author's among the buttons stay where they stand, through a changed link, a
    // button added and one dropped: each page as Tessel writes it, with the same lines put in.
    void authorsLines_data() { TestData::rows("authors-lines.txt"); }

    void authorsLines() {
        QFETCH(TestData::Row, row);
        const QStringList edits = row.rest();
        const bool html5 = row["reading"].startsWith("html5 "); // the page in the HTML5 form
        const QString expected = row["reading"].mid(html5 ? 6 : 0);
        const bool intact = expected == "intact";
        int missing = 0;
        const auto edit = [&](QByteArray page) {
            for (qsizetype i = 0; i + 1 < edits.size(); i += 2) {
                const QString& put = edits[i + 1];
                missing += !page.contains(edits[i].toUtf8());
                page.replace(edits[i].toUtf8(),
                             put.startsWith("latin1:") ? put.mid(7).toLatin1() : put.toUtf8());
            }
            return page;
        };
        Menu menu{MenuType::Vertical, {}, html5 ? PageForm::Html5 : PageForm::Classic};
        for (const QString i : {"1", "2", "3"})
            menu.buttons.append(
                {"n" + i + ".gif", "o" + i + ".gif", "p" + i + ".html", i == "2" ? "main" : ""});
        const QByteArray page = edit(MenuPage::text(menu));
        QCOMPARE(missing, 0);
        const PageReading reading = MenuPage::read(page);
        QVERIFY(reading == MenuPage::readLineByLine(page));
        QVERIFY2(reading.error.isEmpty(), qPrintable(reading.error));
        QCOMPARE(reading.changedLine, intact ? 0 : expected.section(' ', -1).toInt());
        const MenuButton& button =
            reading.menu.buttons[row["button"].section(':', 0, 0).toInt() - 1];
        QCOMPARE(button.link + ':' + button.frame, row["button"].section(':', 1));
        Menu changed = reading.menu, longer = reading.menu, shorter = reading.menu;
        changed.buttons.first().link = "changed.html";
        longer.buttons.append({"n4.gif", "o4.gif", "p4.html", ""});
        shorter.buttons.removeLast();
        for (const Menu& now : {reading.menu, changed, longer, shorter}) {
            const QByteArray own = MenuPage::text(now); // Tessel's own form of the menu
            QCOMPARE(MenuPage::text(now, reading.frame), intact ? edit(own) : own);
            QCOMPARE(pieced(now, reading.frame), intact ? edit(own) : own);
        }
        // Down to one button, every line the author put between the buttons is still there;
        // a line inside a button's own lines went with it.
        const QByteArray single = MenuPage::text(
            {MenuType::Vertical, {reading.menu.buttons.first()}, menu.form}, reading.frame);
        // ... and in the HTML5 form of a classic page, every one of the author's lines but
        // those inside a button's lines, which were the classic form's.
        Menu html5Menu = reading.menu;
        html5Menu.form = PageForm::Html5;
        const QByteArray html5Page = MenuPage::text(html5Menu, reading.frame);
        QCOMPARE(MenuPage::read(html5Page).menu.form, PageForm::Html5);
        for (qsizetype i = 1; intact && i < edits.size(); i += 2)
            for (const QByteArray& line : edits[i].toUtf8().split('\n')) {
                std::array<bool, 2> inner = {}; // in a button's lines: one that went, or any
                const QByteArrayList words = line.split(' ') << line;
                for (const MenuButton& button : reading.menu.buttons)
                    for (const BlockTemplate& form : button.ownLines)
                        for (const QByteArray& word : words)
                            inner[&button != &reading.menu.buttons.first()] |=
                                (word.size() > 4 || word == line) && form.bytes.contains(word);
                inner[1] = inner[1] || MenuPage::text(menu).contains(line);
                QVERIFY2(inner[1] || single.contains(line), line.constData());
                QVERIFY2(inner[0] || inner[1] || html5Page.contains(line), line.constData());
            }
    }

    void picturesBesideThePage_data() { TestData::rows("picture-places.txt"); }

    void picturesBesideThePage() {
        QFETCH(TestData::Row, row);
        QStringList chosen = row["chosen"].split(' ');
        QTemporaryDir dir;
        for (const char* folder :
             {"page", "page/img", "pics", "A", "B", "pics/folder.gif", "ro", "full"})
            QVERIFY(QDir(dir.path()).mkdir(folder));
        QVERIFY(QFile::link(dir.filePath("page"), dir.filePath("link")) &&
                QFile::link(dir.filePath("pics"), dir.filePath("linkpics")));
        QStringList names = {"page/a.gif", "page/b.gif", "page/img/a.gif", "pics/a.gif",
                             "pics/c.gif", "A/home.gif", "B/home.gif"};
        for (int i = 1; i <= 12; ++i)
            names.append(QString("pics/%1.gif").arg(i));
        for (const QString& name : names) // bytes of its own, readable by a web server
            QVERIFY(PageFile::save(dir.filePath(name), name.toUtf8()).isEmpty() &&
                    QFile::setPermissions(dir.filePath(name), readableByAll));
        QVERIFY(PageFile::save(dir.filePath("pics/big.gif"), QByteArray(200000, 'b')).isEmpty());
        QVERIFY(QFile::copy(dir.filePath("page/b.gif"), dir.filePath("pics/b.gif")));
        const QString page = dir.filePath(row["folder"]);
        const bool small = !page.endsWith("/page");
        const FileSystem fileSystem(small ? page : QString(), page.endsWith("/ro"));
        if (fileSystem.refused)
            QSKIP(FileSystem::notRoot);
        QVERIFY2(!small || fileSystem.mounted, "a small file system is mounted");
        QList<PicturePlaces::Picture> named;
        for (const QString& path : chosen) // path:name, where the page names it otherwise
            named.append({dir.filePath(path.section(':', 0, 0)), {}, path.section(':', 1)});
        const QList<PicturePlaces::Picture> pictures = PicturePlaces::plan(named, page);
        const QString note = PicturePlaces::note(pictures, page);
        static const QRegularExpression namesAPicture(", now in |^and \\d+ more$|^It names ");
        QCOMPARE(note.split('\n').filter(namesAPicture),
                 row.rest().replaceInStrings("@", dir.path()));
        const QString copied = PicturePlaces::copyable(pictures) > 0
                                   ? PicturePlaces::copyBeside(pictures, page)
                                   : "none";
        QCOMPARE(copied.split('\n', Qt::SkipEmptyParts).join(" | "), row["report"]);
        for (const PicturePlaces::Picture& picture : pictures) { // whole copies, or none
            const QString name = QFileInfo(picture.path).fileName();
            const bool copiedIt =
                picture.place == PicturePlaces::Place::Elsewhere && !copied.contains(name + ": ");
            if (picture.place == PicturePlaces::Place::Elsewhere)
                QCOMPARE(TestData::read(page + '/' + name),
                         copiedIt ? TestData::read(picture.path) : QByteArray());
            if (copiedIt)
                QCOMPARE(QFile::permissions(page + '/' + name), readableByAll);
        }
        QCOMPARE(QDir(page).entryList({".tessel-*"}, QDir::Hidden | QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestGenerator)
#include "test_generator.moc"
