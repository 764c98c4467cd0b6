#include "generator/MenuPage.h"

#include <QFile>
#include <QTest>

// The page text byte for byte, and how user text is made safe inside it.
class TestMenuPage : public QObject {
    Q_OBJECT

    static QByteArray pageWith(const MenuButton& button) {
        Menu menu;
        menu.buttons = {button};
        return MenuPage::text(menu);
    }

private slots:
    void workedExample_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("expected");
        QFile file(TESSEL_TEST_DATA "/example-vertical.html");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray vertical = file.readAll();
        QTest::newRow("vertical") << 1 << vertical;
        QTest::newRow("horizontal")
            << 2 << QByteArray(vertical).replace("border=0></a><br>\r\n", "border=0></a>\r\n");
    }

    void workedExample() {
        QFETCH(int, type);
        QFETCH(QByteArray, expected);
        Menu menu;
        menu.iMenuType = qint16(type);
        menu.buttons = {{"home.gif", "home2.gif", "index.html", ""},
                        {"news.gif", "news2.gif", "news.html", "main"}};
        QCOMPARE(MenuPage::text(menu), expected);
    }

    void numbersPastNine() {
        Menu menu;
        for (int i = 1; i <= 12; ++i)
            menu.buttons.append({QString("n%1.gif").arg(i), "o.gif", QString("p%1").arg(i), ""});
        const QByteArray page = MenuPage::text(menu);
        for (const char* line :
             {"   OffMenuImage      = new Array(12)", "   OffMenuImage[12].src = \"n12.gif\"",
              "      if (i == 10)\r\n         parent.location = \"p10\";",
              "      onMouseOver=\"OverButton(But11,11);",
              "   <img src=\"n12.gif\" Name=\"But12\" border=0></a><br>"})
            QVERIFY2(page.contains(QByteArray("\r\n") + line + "\r\n"), line);
    }

    // One row per rule: a value in one field and a whole line it must give.
    void userText_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("line");
        const auto row = [](const char* field, const QString& value, const char* line) {
            QTest::addRow("%s %s", field, line) << field << value << QByteArray(line);
        };
        const auto link = [&](const QString& value, const char* escaped) {
            row("link", value,
                qPrintable(QString("         parent.location = \"%1\";").arg(escaped)));
        };
        link("a b%20c", "a b%20c");
        link("d\\e", "d\\\\e");
        link("say \"hi\"", "say \\\"hi\\\"");
        link("</script>", "\\x3C/script>");
        link(QString("\t") + QChar(0x1F) + QChar(0x7F), "\\x09\\x1F\\x7F");
        link(QString(QChar(0x80)) + QChar(0x7FF), "%C2%80%DF%BF");
        link(QString(QChar(0x800)) + QChar(0xFFFF), "%E0%A0%80%EF%BF%BF");
        link(QString::fromUcs4(U"\U00010000\U0010FFFF"), "%F0%90%80%80%F4%8F%BF%BF");
        link(QString(QChar(0xD800)) + "x", "%EF%BF%BDx");
        row("normal", "a&b\"c.gif", "   OffMenuImage[1].src = \"a&b\\\"c.gif\"");
        row("normal", "a&b\"c.gif",
            "   <img src=\"a&amp;b&quot;c.gif\" Name=\"But1\" border=0></a><br>");
        row("normal", QString("<\u00e9>") + QChar(1),
            "   <img src=\"<%C3%A9>&#1;\" Name=\"But1\" border=0></a><br>");
        row("over", QString("\\\u00e9") + QChar(1),
            "   OverMenuImage[1].src = \"\\\\%C3%A9\\x01\"");
        const auto frame = [&](const QString& value, const char* statement) {
            row("frame", value, qPrintable(QString("         %1").arg(statement)));
        };
        frame("", "parent.location = \"x.html\";");
        frame("main", "parent.main.location = \"x.html\";");
        frame("$f_2", "parent.$f_2.location = \"x.html\";");
        frame("_main", "parent._main.location = \"x.html\";");
        frame("Window", "parent.Window.location = \"x.html\";");
        frame("main-frame", "window.open(\"x.html\", \"main-frame\");");
        frame("my frame", "window.open(\"x.html\", \"my frame\");");
        frame("a.b", "window.open(\"x.html\", \"a.b\");");
        frame("1", "window.open(\"x.html\", \"1\");");
        frame("_Top", "window.open(\"x.html\", \"_Top\");");
        frame("\u00e9\u65e5", "window.open(\"x.html\", \"\\u00E9\\u65E5\");");
        frame(QString::fromUcs4(U"\U0001F600"), "window.open(\"x.html\", \"\\uD83D\\uDE00\");");
        frame("a\"b\\c</", "window.open(\"x.html\", \"a\\\"b\\\\c\\x3C/\");");
    }

    void userText() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QByteArray, line);
        MenuButton button{"n.gif", "o.gif", "x.html", ""};
        (field == "link"     ? button.link
         : field == "normal" ? button.normalImage
         : field == "over"   ? button.overImage
                             : button.frame) = value;
        const QByteArray page = pageWith(button);
        QVERIFY2(page.contains("\r\n" + line + "\r\n"), page.constData());
        QVERIFY2(std::all_of(page.begin(), page.end(), [](char c) { return uchar(c) < 0x80; }),
                 "the page is pure ASCII");
    }

    // A frame named like a window property or target keyword would reach the wrong window
    // as parent.<name>: every one of them goes through the browser's own target rule.
    void reservedFrameNames() {
        for (const char* name :
             {"top",      "parent",    "self",       "window",  "frames",   "opener",
              "name",     "length",    "status",     "closed",  "location", "history",
              "document", "navigator", "navigation", "screen",  "event",    "external",
              "origin",   "content",   "_top",       "_PARENT", "_Self",    "_blank"}) {
            const QByteArray page = pageWith({"n.gif", "o.gif", "x.html", name});
            QVERIFY2(page.contains(QByteArray("window.open(\"x.html\", \"") + name + "\");"), name);
        }
    }
};

QTEST_APPLESS_MAIN(TestMenuPage)
#include "test_menu_page.moc"
