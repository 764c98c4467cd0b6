#include "TestSupport.h"

#include "CommandLine.h"
#include "Translations.h"
#include "generator/MenuPage.h"
#include "generator/PageFile.h"
#include "generator/SitePage.h"

using TestSupport::Wizard;

// Walking the wizard: what each step stores, shows, enables and writes; what the user sees,
// what a screen reader says, and where the Tab key goes.
class TestWizard : public QObject {
    Q_OBJECT

    const TestSupport::WorkingFolder work_;

    static QByteArray page(const QList<MenuButton>& buttons, MenuType type = MenuType::Vertical) {
        return MenuPage::text({type, buttons});
    }

    static QString nameOf(QWidget* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    }

private slots:
    // The enable rule, About and OK, New and the tutor's switch, key by key from start-up.
    void roads_data() { TestData::rows("roads.txt"); }

    void roads() {
        QFETCH(TestData::Row, row);
        const TestSupport::WorkingFolder here; // each road writes a page of its own
        Wizard wizard;
        QCOMPARE(wizard.walk(row["keys"]), row.rest());
    }

    void completeRoad() {
        Wizard wizard;
        const Form1Layout& ui = wizard.ui;
        wizard.walk("3>");
        wizard.choose(0, work_.picture("red.bmp", "site/home.bmp"));
        wizard.choose(1, work_.picture("spin.gif", "site/home2.gif"));
        wizard.fill("  index.html  ", "");
        wizard.walk(">");
        wizard.fill(" \u00A0news.html", "\tmain "); // only blanks are trimmed
        wizard.walk(">");
        wizard.fill("typed, then left with Back", "");
        wizard.walk("<");
        QCOMPARE(wizard.fields(), "\u00A0news.html|\tmain");
        wizard.fill("news.html", "changed, then left with Back");
        wizard.walk("<");
        QCOMPARE(wizard.fields(), "index.html|");
        wizard.walk(">>");
        QCOMPARE(wizard.fields(), "|"); // the Back dropped them
        wizard.choose(1, work_.picture("blue.bmp", "pics/c2.bmp"));
        wizard.choose(0, work_.picture("green.gif", "site/c.gif"));
        wizard.fill("contact.html ", " my frame");
        wizard.walk(">");
        QCOMPARE(ui.txtFileName->text(), "Tessel"); // the name offered
        Wizard::type(ui.txtFileName, "  ../pics/road  ");
        QCOMPARE(wizard.walk("yF").last(), "3 EN---AT 4 ?Copy");
        // A bare name goes beside the picture chosen last; the note names pictures elsewhere.
        const QString written = work_.filePath("pics/road.html");
        QCOMPARE(TestData::read(written), page({{"home.bmp", "home2.gif", "index.html", ""},
                                                {"", "", "\u00A0news.html", "\tmain"},
                                                {"c.gif", "c2.bmp", "contact.html", "my frame"}}));
        QCOMPARE(ui.lblFileName->text() + ' ' + ui.lblFileName->toolTip(),
                 "../pics/road " + written);
        const QString note =
            wizard.messages->questions.join("") + wizard.messages->warnings.join("");
        QVERIFY2(note.contains(work_.filePath("pics") + "\n") && !note.contains("c2.bmp") &&
                     note.contains("\nc.gif, now in " + work_.filePath("site") + "\n\n"),
                 qPrintable(note));
        // Copied: every picture the page names now loads from the page's folder.
        QCOMPARE(wizard.messages->notes, {"3 pictures were copied beside the page."});
        for (const char* name : {"home.bmp", "home2.gif", "c.gif", "c2.bmp"})
            QVERIFY2(!QImage(work_.filePath("pics/") + name).isNull(), name);

        // New: step 0 again with the last choices shown; the next menu starts empty.
        QCOMPARE(wizard.walk("N").first() + ui.lblNumberOfButtons->text(), "0 EN->-AT 43");
        wizard.walk("1>");
        QCOMPARE(wizard.fields(), "|");
    }

    void finish_data() { TestData::rows("file-names.txt"); }

    void finish() {
        QFETCH(TestData::Row, row);
        const QString written = row["written"];
        const TestSupport::WorkingFolder here;
        QVERIFY(QDir().mkdir("sub") && QDir().mkdir("taken.html"));
        Wizard wizard;
        LinkLabel* link = wizard.ui.lblFileName;
        Wizard::click(wizard.ui.optMenuType(1));
        wizard.walk("1>>");
        Wizard::type(wizard.ui.txtFileName, row["typed"]);
        Wizard::click(wizard.ui.optExtension(row["extension"].toInt()));
        const bool refused = written.startsWith("refused: ");
        QCOMPARE(wizard.walk("F"), QStringList(refused ? "2 EN<-FAT 2" : "3 EN---AT 2"));
        // A refusal is told over the file-name page: nothing says the page was saved.
        QCOMPARE(wizard.messages->scenesAtWarnings, QStringList(refused ? 1 : 0, "2 EN<-FAT 2"));
        QVERIFY(!refused || wizard.messages->warnings.first().contains(written.mid(9)));
        const QRect needed = link->fontMetrics().boundingRect(
            link->contentsRect(), Qt::TextWordWrap, link->text()); // a long name wraps, whole
        QVERIFY(link->contentsRect().contains(needed));
        QCOMPARE(wizard.messages->notes, QStringList()); // no pictures, nothing to copy
        // The written page opens from its link, by Enter or a click, not by a press released off
        // it; no other page opens.
        QTest::mousePress(link, Qt::LeftButton, {}, link->rect().center());
        QTest::mouseRelease(link, Qt::LeftButton, {}, link->rect().bottomRight() + QPoint(30, 30));
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Return);
        if (!refused)
            Wizard::click(link);
        QAccessibleInterface* announced = QAccessible::queryAccessibleInterface(link);
        QCOMPARE(announced->role(), QAccessible::Link); // a screen reader follows it too
        announced->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        const QUrl url = QUrl::fromLocalFile(here.filePath(written));
        QCOMPARE(wizard.messages->opened, QList<QUrl>(refused ? 0 : 3, url));
        QCOMPARE(TestData::read(written),
                 refused ? QByteArray() : page({{}}, MenuType::Horizontal));
    }

    // Every way in opens a page alike. Next takes its buttons, as many as the count asks, with
    // pictures where the page names them; Finish under a new name keeps the page's frame.
    // A menu put into three pages of a small site; one link changed in the page in its folder:
    // Finish names the two others and, asked to, writes the change into them too.
    void keepingASiteInStep() {
        const TestSupport::WorkingFolder here;
        const Menu site{MenuType::Vertical,
                        {{"h1.gif", "h2.gif", "index.html", "", "Home"},
                         {"n1.gif", "n2.gif", "news/index.html", "", "News"}},
                        PageForm::Html5};
        const QStringList pages = {"about.html", "index.html", "news/index.html"};
        QVERIFY(QDir().mkpath("news"));
        // The site's own menu page, which Tessel wrote whole, holds it too.
        QVERIFY(PageFile::save(here.filePath("menu.html"), MenuPage::text(site)).isEmpty());
        for (const QString& page : pages) {
            const QByteArray own = "<h1>" + page.toUtf8() + "</h1>\n<!-- Tessel menu -->\n";
            QVERIFY(PageFile::save(here.filePath(page), SitePage::insert(own, site, page).page)
                        .isEmpty());
        }
        Wizard wizard;
        wizard.dialog->answers.append(here.filePath("news/index.html"));
        Wizard::click(wizard.ui.cmdOpen);
        wizard.walk(">");
        Wizard::type(wizard.ui.txtButtonLinks, "../start.html"); // as this page names it
        wizard.messages->answers.append(true);
        wizard.walk(">>F");
        QCOMPARE(wizard.messages->questions.join('|'),
                 "Write them: 3 other pages of the site hold this menu as it was:\n" +
                     QDir::toNativeSeparators(here.filePath("about.html")) + '\n' +
                     QDir::toNativeSeparators(here.filePath("index.html")) + '\n' +
                     QDir::toNativeSeparators(here.filePath("menu.html")) +
                     "\n\nWrite the change into them too?");
        for (const QString& page : pages + QStringList{"menu.html"}) {
            const PageReading reading = MenuPage::read(TestData::read(here.filePath(page)));
            QVERIFY2(reading.error.isEmpty() && reading.changedLine == 0, qPrintable(page));
            QCOMPARE(SitePage::forSite(reading.menu, page).buttons[0].link, "start.html");
        }
    }

    // A page of the author's without a menu or a marker: Tessel proposes a place and names it;
    // the menu goes in there, with a marker, every byte of the author's kept around it.
    void puttingTheMenuIntoAPage_data() {
        QTest::addColumn<bool>("put");
        QTest::newRow("put it in") << true;
        QTest::newRow("cancel") << false;
    }

    void puttingTheMenuIntoAPage() {
        QFETCH(bool, put);
        const TestSupport::WorkingFolder here;
        const QByteArray
            head = "<!DOCTYPE html>\n<html lang=\"en\">\n<head><title>About</title></head>\n"
                   "<body class=\"plain\">\n",
            tail = "<p>About us</p>\n</body>\n</html>\n";
        QVERIFY(PageFile::save(here.filePath("about.html"), head + tail).isEmpty());
        Wizard wizard;
        wizard.walk("2");
        wizard.dialog->answers.append(here.filePath("about.html"));
        wizard.messages->answers.append(put);
        Wizard::click(wizard.ui.cmdOpen);
        QCOMPARE(wizard.messages->questions.join('|'),
                 "Put it in: The page\n" + QDir::toNativeSeparators(here.filePath("about.html")) +
                     "\nholds no menu. Put this window's menu into it after line 4 (<body "
                     "class=\"plain\">), on a line <!-- Tessel menu --> that marks the place?");
        QCOMPARE(wizard.messages->warnings, QStringList());
        QCOMPARE(wizard.ui.txtFileName->text(), put ? "about" : "Tessel"); // opened, or not
        QCOMPARE(wizard.ui.chkHtml5->isChecked() && !wizard.ui.chkHtml5->isEnabled(), put);
        if (!put)
            return;
        wizard.walk(">");
        Wizard::type(wizard.ui.txtButtonLinks, "index.html");
        wizard.walk(">");
        Wizard::type(wizard.ui.txtButtonLinks, "about.html");
        wizard.walk(">F");
        const QByteArray written = TestData::read(here.filePath("about.html"));
        QVERIFY2(written.startsWith(head + "<!-- Tessel menu -->\n<style>\n") &&
                     written.endsWith("</nav>\n" + tail),
                 written.constData());
        const PageReading reading = MenuPage::read(written);
        QCOMPARE(reading.menu.buttons.size(), 2);
        QCOMPARE(reading.menu.buttons[1].link + QString::number(reading.menu.buttons[1].current),
                 "about.html1"); // its own page's button, marked
    }

    void openingPages_data() { TestData::rows("openings.txt"); }

    void openingPages() {
        QFETCH(TestData::Row, row);
        const QString way = row["way"];
        const int count = row["count"].toInt();
        const TestSupport::WorkingFolder here;
        // Values kept as read: a link longer than a text box holds, a frame with blanks, a
        // picture in a folder of the page's, one named by an address and one by the site's root.
        Menu menu{MenuType::Horizontal,
                  {{"red.bmp", "gone.gif", "a \"b\" & c.html", ""},
                   {"/img/r.bmp", "blue.bmp", "news.html?" + QString(40000, 'x'), " main "},
                   {"img/x.gif", "http://example.org/y.gif", "日本.html", "top"}}};
        for (const char* picture : {"site/red.bmp", "site/blue.bmp", "site/img/x.gif"})
            here.picture("red.bmp", picture);
        const QString path = here.filePath("site/my.menu.htm");
        const QByteArray page =
            MenuPage::text(menu).replace("<title>  </title>", "<TITLE>Café</TITLE>");
        QVERIFY(PageFile::save(path, page).isEmpty());
        Wizard wizard;
        const Form1Layout& ui = wizard.ui;
        wizard.dialog->answers.append(path);
        if (way == "command line")
            wizard.form.openPage(path);
        else if (way == "shortcut")
            QTest::keyClick(&wizard.form, Qt::Key_O, Qt::ControlModifier);
        else if (way == "button")
            Wizard::click(ui.cmdOpen);
        else
            QVERIFY(Wizard::dropOn(ui.Label1(0), {path})); // anywhere on the page
        QCOMPARE(ui.lblNumberOfButtons->text() + ui.txtFileName->text() +
                     wizard.messages->notes.join(""), // no note on a page as written
                 "3my.menu");
        QVERIFY(ui.optMenuType(1)->isChecked() && ui.optExtension(1)->isChecked());
        if (count > 0)
            wizard.walk(QString::number(count));
        menu.buttons.resize(count > 0 ? count : 3);
        wizard.walk(">");
        QVERIFY(!wizard.shown(0).isNull() && wizard.shown(1).isNull());
        QVERIFY(ui.imgButtons(1)->toolTip().startsWith("Missing picture"));
        wizard.walk(">"); // the long link, edited, stays whole
        QTest::keyClick(ui.txtButtonLinks, Qt::Key_End);
        QTest::keyClick(ui.txtButtonLinks, Qt::Key_Y);
        menu.buttons[1].link += 'y';
        while (ui.cmdStep(3)->isEnabled())
            wizard.walk(">");
        Wizard::type(ui.txtFileName, "copy");
        wizard.walk("F");
        QCOMPARE(TestData::read(here.filePath("site/copy.htm")),
                 MenuPage::text(menu, MenuPage::read(page).frame)); // the author's title kept
        QCOMPARE(wizard.messages->warnings + wizard.messages->questions, QStringList());
        QCOMPARE(wizard.messages->notes.join("").section("\n\n", 1), // the page names them
                 "It names 1 picture that is not there: gone.gif");
    }

    // Refused pages and ways in off the menu-type page change nothing; a page changed by hand
    // opens with a note; New forgets an opened page, its title and name too.
    void refusedOpenings() {
        const TestSupport::WorkingFolder here;
        QVERIFY(QDir().mkdir("site"));
        const QString page = here.filePath("site/page.html"), text = here.filePath("notes.txt");
        const QByteArray ours = MenuPage::text({MenuType::Vertical, {{"", "", "x.html", ""}}})
                                    .replace("<title>  </title>", "<title>Old title</title>");
        QVERIFY(PageFile::save(page, ours).isEmpty() && QFile::copy(page, text));
        QVERIFY(PageFile::save("edited.html",
                               QByteArray(ours).replace("<img src=\"\"", "<img src=\"y.gif\""))
                    .isEmpty());
        Wizard wizard;
        wizard.form.openPage("edited.html");
        wizard.form.openPage(page);
        QCOMPARE(wizard.messages->notes.size(), 1);
        QVERIFY(wizard.messages->notes[0].contains("edited.html\nwas changed by hand in the "
                                                   "lines that hold its menu, first at line 109."));
        wizard.walk("N>"); // New forgets the buttons read, not only the name
        QVERIFY(wizard.fields() == "|" && wizard.shown(0).isNull());
        wizard.walk("N");
        wizard.form.openPage(TestData::path("red.bmp"));
        wizard.form.openPage(text);
        QVERIFY(QFile::copy(page, ".html"));
        wizard.form.openPage(".html");
        const QStringList& warnings = wizard.messages->warnings;
        QCOMPARE(warnings.size(), 3);
        QVERIFY(warnings[0].contains("red.bmp\ncannot be opened: it is not a menu page"));
        QVERIFY(warnings[1].contains("notes.txt\ncannot be opened: its name does not end in"));
        QVERIFY(warnings[2].contains("/.html\ncannot be opened: its name is no more than its"));
        QCOMPARE(wizard.walk("1>"), QStringList({"0 EN->-AT 1", "1 EN->-AT 1"}));
        wizard.dialog->answers.append(page);
        wizard.form.openPage(page);
        QTest::keyClick(&wizard.form, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(!Wizard::dropOn(wizard.ui.picStep(0), {page}));
        QCOMPARE(wizard.where() + wizard.fields() + wizard.ui.txtFileName->text(),
                 "1 EN->-AT 1|Tessel"); // New forgot the opened page's name
        QCOMPARE(wizard.dialog->filters.size() + warnings.size(), 3);
        wizard.walk(">F"); // the new menu is written where a new one goes, not over the page
        QCOMPARE(TestData::read("Tessel.html"), MenuPage::text({MenuType::Vertical, {{}}}));
    }

    // A page its author built on: a link changed, a button added, every line of theirs kept.
    void authorsPage() {
        const TestSupport::WorkingFolder here;
        const QByteArray page = TestData::read(TestData::path("authors-page.html"));
        QVERIFY(PageFile::save("shop.html", page).isEmpty());
        Wizard wizard;
        wizard.form.openPage("shop.html");
        QCOMPARE(wizard.walk("3>l>>>F").last(), "3 EN---AT 4"); // its own page: no question
        const PageReading reading = MenuPage::read(page);
        Menu menu = reading.menu;
        menu.buttons.first().link = "a.html";
        menu.buttons.append(MenuButton());
        QCOMPARE(TestData::read("shop.html"), MenuPage::text(menu, reading.frame));
    }

    // The letter of a step button that is disabled types nothing into the box with the focus.
    void disabledLetters() {
        Wizard wizard;
        const auto press = [](QLineEdit* box, const QString& text, const QString& letters) {
            Wizard::type(box, text);
            for (const QChar letter : letters)
                QTest::keyClick(box, Qt::Key(letter.toUpper().unicode()), Qt::AltModifier);
            return box->text();
        };
        wizard.walk("1>>"); // Next is disabled on the file-name page
        QCOMPARE(press(wizard.ui.txtFileName, "b", "n"), "b");
        wizard.walk("<"); // Back and Finish on the first button
        QCOMPARE(press(wizard.ui.txtButtonLinks, "a", "fb"), "a");
    }

    // A reopened page changed anywhere with the keyboard alone: the author's line between two
    // buttons stays between the same two places, and everything else is Tessel's menu.
    // In either form of the page: its form is kept, and each button's text goes with it.
    void changeAnywhere_data() {
        QTest::addColumn<bool>("html5");
        QTest::addColumn<bool>("intoHtml5"); // the HTML5 page chosen before Finish
        QTest::newRow("classic") << false << false;
        QTest::newRow("HTML5") << true << false;
        QTest::newRow("classic into HTML5") << false << true;
    }

    void changeAnywhere() {
        QFETCH(bool, html5);
        QFETCH(bool, intoHtml5);
        const TestSupport::WorkingFolder here;
        Menu menu{MenuType::Vertical, {}, html5 ? PageForm::Html5 : PageForm::Classic};
        for (const QString i : {"1", "2", "3", "4"})
            menu.buttons.append(
                {"n" + i + ".gif", "o" + i + ".gif", "p" + i + ".html", "", "Page " + i});
        const QByteArray page = MenuPage::text(menu).replace(
            "<!-- Button 3 -->", "<hr class=\"sep\">\r\n<!-- Button 3 -->");
        QVERIFY(PageFile::save("shop.html", page).isEmpty());
        Wizard wizard;
        wizard.form.openPage("shop.html");
        QCOMPARE(wizard.ui.chkHtml5->isChecked(), html5);
        wizard.walk("nLjjg"); // to button 3
        QCOMPARE(wizard.ui.txtButtonText->text(), "Page 3");
        Wizard::type(wizard.ui.txtButtonLinks, "contact.html");
        Wizard::type(wizard.ui.txtButtonText, " Contact ");
        QCOMPARE(wizard.walk("Lrjuuuujjjjm").last(), "1 EN<>-AT 4 L"); // the empty one goes
        wizard.walk("cnnnn");
        QCOMPARE(wizard.ui.chkHtml5->isEnabled(), !html5); // no script to go back to
        if (intoHtml5)
            Wizard::click(wizard.ui.chkHtml5);
        QCOMPARE(wizard.walk("f").last(), "3 EN---AT 5");
        QCOMPARE(wizard.messages->questions, QStringList()); // its own page, nothing in the way
        menu.buttons[2].link = "contact.html";
        menu.buttons[2].text = "Contact";
        menu.buttons.move(3, 0);
        menu.form = html5 || intoHtml5 ? PageForm::Html5 : PageForm::Classic;
        QCOMPARE(TestData::read("shop.html"), MenuPage::text(menu, MenuPage::read(page).frame));
        QCOMPARE(MenuPage::read(TestData::read("shop.html")).menu.form, menu.form);
        QVERIFY(
            TestData::read("shop.html").contains("\r\n<hr class=\"sep\">\r\n<!-- Button 3 -->"));
    }

    // Finish replaces without asking only the page this window opened or wrote, as it was
    // then; it names any other file in the way, and why, and keeps it on Cancel.
    void replacing_data() { TestData::rows("replacing.txt"); }

    void replacing() {
        QFETCH(TestData::Row, row);
        const TestSupport::WorkingFolder here;
        const QByteArray ours = MenuPage::text({MenuType::Vertical, {{}}});
        const QMap<QString, QByteArray> files = {
            {"another menu", MenuPage::text({MenuType::Horizontal, {{}}})},
            {"author's", QByteArray(ours).replace("  </t", "Home</t")},
            {"foreign", "<p>mine</p>"},
            {"opened", ours},
            {"opened, then New", ours},
            // Larger than any buffer, so that a change at its end is one a check must reach.
            {"changed", QByteArray(ours).replace("  </t", QByteArray(70000, 'x') + "</t")},
            {"read-only", ours}};
        const QByteArray there = files.value(row["there"]);
        const QString file = row["file"];
        QVERIFY(there.isEmpty() || PageFile::save(here.filePath(file), there).isEmpty());
        Wizard wizard;
        if (QStringList{"opened", "opened, then New", "changed", "read-only"}.contains(
                row["there"]))
            wizard.form.openPage(file);
        if (row["there"] == "read-only") // even the page this window opened
            QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup));
        if (row["there"] == "changed")
            QVERIFY(PageFile::save(file, there + "<!-- later -->").isEmpty()); // by hand
        const QStringList seen = wizard.walk(row["keys"]);
        QCOMPARE(seen, row.rest());
        QStringList whys; // why each question said the file may not simply be replaced
        for (const QString& question : wizard.messages->questions.filter("is already there. "))
            whys.append(question.section("is already there. ", 1).section("\n\n", 0, 0));
        QCOMPARE(whys, row["why"].isEmpty() ? QStringList() : QStringList(row["why"]));
        const QByteArray later = row["there"] == "changed" ? "<!-- later -->" : "";
        QCOMPARE(TestData::read(file), seen.last().startsWith("2 ") ? there + later : ours);
        QCOMPARE(QDir().entryList(QDir::Files), QStringList(file)); // and no other file
    }

    // What the README tells of the keys is what the program does: each language's letters for
    // Next and New, and the list's keys to insert before and after and to remove.
    void readmeTellsTheKeys() {
        const QString readme = TestData::read(TestData::path("../../README.md"));
        const QMap<QString, QString> languages = {
            {"English", "en"}, {"German", "de"}, {"French", "fr"}, {"Spanish", "es"}};
        static const QRegularExpression row(R"(\| (\w+) \| Alt\+(\w) \(\*[^*]+\*\) \| Alt\+(\w) )");
        QStringList told, taken;
        for (auto hit = row.globalMatch(readme); hit.hasNext();) {
            const QRegularExpressionMatch claim = hit.next();
            told << claim.captured(1) + claim.captured(2) + claim.captured(3);
            Translations words{QLocale(languages.value(claim.captured(1), "C"))};
            words.install();
            Wizard wizard;
            QString letters = claim.captured(1);
            for (const StepButton step : {StepButton::Next, StepButton::New})
                letters +=
                    QKeySequence::mnemonic(wizard.ui.cmdStep(int(step))->text()).toString().back();
            taken << letters;
        }
        QCOMPARE(told.size(), languages.size());
        QCOMPARE(told, taken);
        static const QRegularExpression keys(
            R"(in the list,\s+(\S+) inserts before,\s+(\S+) after,\s+(\S+) removes)");
        const QRegularExpressionMatch claim = keys.match(readme);
        Wizard wizard;
        wizard.walk("2>L");
        const ButtonList* list = wizard.form.buttonList();
        QStringList tips, said;
        for (QPushButton* button : {list->cmdInsertBefore, list->cmdInsertAfter, list->cmdRemove}) {
            tips << button->toolTip().section('(', 1).section(' ', 0, 0);
            said << QKeySequence(claim.captured(int(said.size()) + 1))
                        .toString(QKeySequence::NativeText);
        }
        QCOMPARE(said, tips);
    }

    // Each language walks the same road to the same page, byte for byte, and names the line a
    // page was changed by hand at alike.
    // A new menu in the HTML5 form, chosen by its letter: the page is in the wizard's language.
    void newHtml5Page() {
        const TestSupport::WorkingFolder here;
        Translations words{QLocale("de")};
        words.install();
        Wizard wizard;
        wizard.walk("1>");
        wizard.fill("index.html", "");
        Wizard::type(wizard.ui.txtButtonText, " Start ");
        wizard.walk(">h");
        Wizard::type(wizard.ui.txtFileName, "menu");
        wizard.walk("F");
        const Menu menu{MenuType::Vertical,
                        {{"", "", "index.html", "", "Start"}},
                        PageForm::Html5,
                        "Menü",
                        "de"};
        QCOMPARE(TestData::read("menu.html"), MenuPage::text(menu));
    }

    void sameRoadInEveryLanguage() {
        const auto road = [](const QString& language) {
            const TestSupport::WorkingFolder here;
            Translations words{QLocale(language)};
            words.install();
            const QByteArray page =
                MenuPage::text({MenuType::Horizontal, {{"", "", "x.html", "main"}}});
            if (!PageFile::save("shop.html",
                                QByteArray(page).replace("<img src=\"\"", "<img src=\"y.gif\""))
                     .isEmpty())
                return QStringList("not saved");
            Wizard wizard;
            wizard.form.openPage("shop.html");
            wizard.walk("2>p");
            wizard.fill("a b.html", "_blank");
            wizard.walk(">l>");
            Wizard::type(wizard.ui.txtFileName, "menu");
            wizard.walk("F");
            const QString notes = wizard.messages->notes.join("").remove(QDir::currentPath());
            return notes.split(QRegularExpression("\\D+"))
                   << wizard.where() << TestData::read("menu.html");
        };
        const QStringList english = road("en");
        QVERIFY(english.last().size() > 1000);
        for (const char* language : {"de", "fr", "es"})
            QCOMPARE(road(language), english);
    }

    // The real message boxes: title and text in place, Enter on the default, Escape on no.
    void messageBoxes() {
        BoxMessenger boxes;
        QStringList seen;
        const auto answerWith = [&seen](Qt::Key key) {
            QTimer::singleShot(0, [&seen, key] { // once the box waits for the user
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                // Whole on the screen, a long unbroken name wrapped within it.
                const bool onScreen =
                    box && box->screen()->availableGeometry().contains(box->frameGeometry());
                seen.append(box ? box->windowTitle() + ": " + box->text().left(12) +
                                      (onScreen ? "" : " off the screen")
                                : "no box");
                if (box)
                    QTest::keyClick(box, key);
            });
        };
        for (const auto& [yesIsDefault, key] :
             {std::pair(true, Qt::Key_Return), {false, Qt::Key_Return}, {true, Qt::Key_Escape}}) {
            answerWith(key);
            seen.last() +=
                boxes.ask(nullptr, "Question", "Sure?", "Yes", "No", yesIsDefault) ? " yes" : " no";
        }
        answerWith(Qt::Key_Return);
        boxes.warn(nullptr, "Warning", "Broken: /" + QString(250, 'n') + ".html");
        QCOMPARE(seen, (QStringList{"Question: Sure? yes", "Question: Sure? no",
                                    "Question: Sure? no", "Warning: Broken: /nnn"}));
    }

    // What the command line asks for: a page, or an answer (its start) before any window.
    void commandLine_data() { TestData::rows("command-line.txt"); }

    void commandLine() {
        QFETCH(TestData::Row, row);
        const QStringList arguments = row["arguments"].split(' ', Qt::SkipEmptyParts);
        const CommandLine line = CommandLine::read(QStringList("tessel") + arguments, "1.0");
        const QString answer = row["answer"]; // "…": somewhere in it, not at its start
        const QString printed = answer.startsWith(u'…') && line.answer.contains(answer.mid(1))
                                    ? answer
                                    : line.answer.left(answer.size());
        QCOMPARE(line.page + '|' + QString::number(line.exitStatus.value_or(-1)) + '|' + printed,
                 row["page"] + '|' + row["status"] + '|' + answer);
    }

    // From every page, Tab goes round the controls the user can see, and only those.
    void tabWalk_data() { TestData::rows("tab-order.txt"); }

    void tabWalk() {
        QFETCH(TestData::Row, row);
        const TestSupport::WorkingFolder here;
        Wizard wizard;
        wizard.walk(row["keys"]);
        const QWidget* start = QApplication::focusWidget();
        QStringList walked;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked.append(QApplication::focusWidget()->objectName());
        } while (QApplication::focusWidget() != start && walked.size() < 30);
        QCOMPARE(walked.join(' '), row["order"]);
    }

    void everythingHasAName() {
        Wizard wizard;
        const Form1Layout& ui = wizard.ui;
        QCOMPARE(nameOf(ui.Image1), "Tessel");
        QVERIFY(!ui.Image1->pixmap().isNull() && !wizard.form.windowIcon().isNull()); // artwork
        QCOMPARE(ui.lblFileName->text() + nameOf(ui.lblFileName), "Open the written page");
        wizard.walk("3>>"); // named for the new button before any picture is chosen
        QCOMPARE(nameOf(ui.imgButtons(1)), "Mouse-over picture of button 2: no picture chosen");
        wizard.choose(0, TestData::path("red.bmp"));
        for (QWidget* control : wizard.form.findChildren<QWidget*>())
            if (control->focusPolicy() & Qt::TabFocus || qobject_cast<ImageBox*>(control))
                QVERIFY2(!nameOf(control).isEmpty(), qPrintable(control->objectName()));
        QCOMPARE(nameOf(ui.imgButtons(0)), "Normal picture of button 2: red.bmp");
        QCOMPARE(nameOf(ui.imgButtons(3)), "Preview of button 2");
        QCOMPARE(nameOf(ui.txtFrameName), ui.Label1(4)->text()); // the question above it
    }
};

QTEST_MAIN(TestWizard)
#include "test_wizard.moc"
