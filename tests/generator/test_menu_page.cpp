#include "generator/MenuPage.h"
#include "generator/PageEscaping.h"

#include <QFile>
#include <QTest>

// The page text, byte for byte, and how user text is made safe inside it.
class TestMenuPage : public QObject {
    Q_OBJECT

    static Menu workedExample(qint16 type) {
        Menu menu;
        menu.iMenuType = type;
        menu.buttons = {{"home.gif", "home2.gif", "index.html", ""},
                        {"news.gif", "news2.gif", "news.html", "main"}};
        return menu;
    }

    static Menu numbered(int count) {
        Menu menu;
        for (int i = 1; i <= count; ++i)
            menu.buttons.append({QString("n%1.gif").arg(i), QString("o%1.gif").arg(i),
                                 QString("p%1.html").arg(i), QString()});
        return menu;
    }

    static QByteArray golden() {
        QFile file(QFINDTESTDATA("data/example-vertical.html"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll();
    }

    static QList<QByteArray> lines(const QByteArray& page) {
        QList<QByteArray> result = page.split('\n');
        result.removeLast(); // after the final line end
        for (QByteArray& line : result)
            line.chop(1);
        return result;
    }

    static QByteArray lineContaining(const QByteArray& page, const QByteArray& marker) {
        for (const QByteArray& line : lines(page))
            if (line.contains(marker))
                return line;
        return {};
    }

private slots:
    void workedExample_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray vertical = golden();
        QVERIFY(!vertical.isEmpty());
        QByteArray horizontal = vertical;
        horizontal.replace("border=0></a><br>\r\n", "border=0></a>\r\n");
        QTest::newRow("vertical") << 1 << vertical;
        QTest::newRow("horizontal") << 2 << horizontal;
    }

    void workedExample() {
        QFETCH(int, type);
        QFETCH(QByteArray, expected);
        const QByteArray page = MenuPage::text(workedExample(qint16(type)));
        QCOMPARE(page, expected);
        QCOMPARE(lines(page).size(), 138);
        QCOMPARE(page.size(), type == 1 ? 3605 : 3605 - 8);
    }

    void lineCounts_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("lineCount");
        QTest::newRow("one button") << 1 << 118;
        QTest::newRow("two buttons") << 2 << 138;
        QTest::newRow("1000 buttons") << 1000 << 20098;
    }

    void lineCounts() {
        QFETCH(int, buttons);
        QFETCH(int, lineCount);
        const QByteArray page = MenuPage::text(numbered(buttons));
        QCOMPARE(page.count("\r\n"), lineCount);
        QCOMPARE(page.count('\n'), lineCount); // no bare line feeds
        QCOMPARE(page.count('\r'), lineCount); // no bare returns
        QVERIFY(page.endsWith("</body></html>\r\n"));
        QVERIFY(page.startsWith("<html>\r\n")); // no byte-order mark
        const QByteArray count = QByteArray::number(buttons);
        QVERIFY(page.contains("   OffMenuImage      = new Array(" + count + ")\r\n"));
        QVERIFY(page.contains("   OverMenuImage     = new Array(" + count + ")\r\n"));
        QVERIFY(!page.contains("OffMenuImage[0]"));
    }

    void buttonNumbersFromTen() {
        const QByteArray page = MenuPage::text(numbered(12));
        for (const QByteArray& expected :
             {QByteArray("\r\n<!-- Button 10 -->\r\n"), QByteArray("\r\n// Button 12\r\n"),
              QByteArray("\r\n      if (i == 10)\r\n         parent.location = \"p10.html\";\r\n"),
              QByteArray("\r\n   OffMenuImage[10] = new Image()\r\n"),
              QByteArray("\r\n   OverMenuImage[11].src = \"o11.gif\"\r\n"),
              QByteArray("\r\n   <a href=\"javascript:LinkSelected(10)\"\r\n"),
              QByteArray("\r\n      onMouseOver=\"OverButton(But10,10);\r\n"),
              QByteArray("\r\n      onMouseOut=\"OffButton(But12,12);\r\n"),
              QByteArray("\r\n   <img src=\"n10.gif\" Name=\"But10\" border=0></a><br>\r\n")})
            QVERIFY2(page.contains(expected), expected.constData());
        // Buttons come in ascending order in every section.
        QVERIFY(page.indexOf("// Button 9\r\n") < page.indexOf("// Button 10\r\n"));
        QVERIFY(page.indexOf("<!-- Button 9 -->") < page.indexOf("<!-- Button 10 -->"));
    }

    void emptyValues() {
        Menu menu;
        menu.buttons = {MenuButton{}};
        const QByteArray page = MenuPage::text(menu);
        QVERIFY(page.contains("\r\n   OffMenuImage[1].src = \"\"\r\n"));
        QVERIFY(page.contains("\r\n   OverMenuImage[1].src = \"\"\r\n"));
        QVERIFY(page.contains("\r\n         parent.location = \"\";\r\n"));
        QVERIFY(page.contains("\r\n   <img src=\"\" Name=\"But1\" border=0></a><br>\r\n"));
    }

    void sameMenuSameBytes() {
        const Menu menu = workedExample(1);
        QCOMPARE(MenuPage::text(menu), MenuPage::text(menu));
        QCOMPARE(menu.buttons.at(1).frame, QString("main"));
    }

    // Each row puts one value into one field and names the line it must give.
    void userText_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("marker");
        QTest::addColumn<QByteArray>("expected");

        auto link = [&](const char* tag, const QString& value, const char* line) {
            QTest::newRow(tag) << "link" << value << QByteArray("parent.location")
                               << QByteArray("         ") + line;
        };
        link("plain link", "index.html", "parent.location = \"index.html\";");
        link("backslash", "pages\\news.html", "parent.location = \"pages\\\\news.html\";");
        link("double quote", "say \"hi\".html", "parent.location = \"say \\\"hi\\\".html\";");
        link("script end tag", "</script><b>", "parent.location = \"\\x3C/script>\\x3Cb>\";");
        link("tab and delete", QString("a\tb") + QChar(0x7F),
             "parent.location = \"a\\x09b\\x7F\";");
        link("accent", QString::fromUtf8("caf\u00e9.html"),
             "parent.location = \"caf%C3%A9.html\";");
        link("cjk", QString::fromUtf8("\u65e5\u672c.html"),
             "parent.location = \"%E6%97%A5%E6%9C%AC.html\";");
        link("beyond the BMP", QString::fromUtf8("\U0001F600"),
             "parent.location = \"%F0%9F%98%80\";");
        link("percent kept", "a%20b.html", "parent.location = \"a%20b.html\";");

        auto image = [&](const char* tag, const char* field, const QString& value,
                         const char* marker, const char* line) {
            QTest::newRow(tag) << field << value << QByteArray(marker) << QByteArray(line);
        };
        image("ampersand in src", "normal", "&copy.gif", "<img",
              "   <img src=\"&amp;copy.gif\" Name=\"But1\" border=0></a><br>");
        image("ampersand in script", "normal", "&copy.gif", "OffMenuImage[1].src",
              "   OffMenuImage[1].src = \"&copy.gif\"");
        image("quote in src", "normal", "a\"b.gif", "<img",
              "   <img src=\"a&quot;b.gif\" Name=\"But1\" border=0></a><br>");
        image("quote in script", "over", "a\"b.gif", "OverMenuImage[1].src",
              "   OverMenuImage[1].src = \"a\\\"b.gif\"");
        image("angle brackets in src", "normal", "<b>.gif", "<img",
              "   <img src=\"<b>.gif\" Name=\"But1\" border=0></a><br>");
        image("control in src", "normal", QString("a") + QChar(1) + "b", "<img",
              "   <img src=\"a&#1;b\" Name=\"But1\" border=0></a><br>");
        image("control in script", "normal", QString("a") + QChar(1) + "b", "OffMenuImage[1].src",
              "   OffMenuImage[1].src = \"a\\x01b\"");
        image("accent in src", "normal", QString::fromUtf8("\u00e9.gif"), "<img",
              "   <img src=\"%C3%A9.gif\" Name=\"But1\" border=0></a><br>");
        image("backslash in script", "over", "img\\b.gif", "OverMenuImage[1].src",
              "   OverMenuImage[1].src = \"img\\\\b.gif\"");

        auto frame = [&](const char* tag, const QString& value, const char* line) {
            QTest::newRow(tag) << "frame" << value << QByteArray("x.html")
                               << QByteArray("         ") + line;
        };
        frame("no frame", "", "parent.location = \"x.html\";");
        frame("plain frame", "main", "parent.main.location = \"x.html\";");
        frame("dollar and digits", "$f_2", "parent.$f_2.location = \"x.html\";");
        frame("capital Top is no keyword", "Top", "parent.Top.location = \"x.html\";");
        frame("hyphen", "main-frame", "window.open(\"x.html\", \"main-frame\");");
        frame("blank inside", "my frame", "window.open(\"x.html\", \"my frame\");");
        frame("leading digit", "1", "window.open(\"x.html\", \"1\");");
        frame("_Top from the label", "_Top", "window.open(\"x.html\", \"_Top\");");
        frame("_blank", "_blank", "window.open(\"x.html\", \"_blank\");");
        frame("_PARENT", "_PARENT", "window.open(\"x.html\", \"_PARENT\");");
        frame("_self", "_self", "window.open(\"x.html\", \"_self\");");
        frame("top", "top", "window.open(\"x.html\", \"top\");");
        frame("name", "name", "window.open(\"x.html\", \"name\");");
        frame("content", "content", "window.open(\"x.html\", \"content\");");
        frame("navigation", "navigation", "window.open(\"x.html\", \"navigation\");");
        frame("accent", QString::fromUtf8("caf\u00e9"), "window.open(\"x.html\", \"caf\\u00E9\");");
        frame("cjk", QString::fromUtf8("\u65e5\u672c"),
              "window.open(\"x.html\", \"\\u65E5\\u672C\");");
        frame("surrogate pair", QString::fromUtf8("\U0001F600"),
              "window.open(\"x.html\", \"\\uD83D\\uDE00\");");
        frame("quote and backslash", "a\"b\\c", "window.open(\"x.html\", \"a\\\"b\\\\c\");");
        frame("end tag", "</script>", "window.open(\"x.html\", \"\\x3C/script>\");");
    }

    void userText() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QByteArray, marker);
        QFETCH(QByteArray, expected);
        MenuButton button{"n.gif", "o.gif", "x.html", ""};
        if (field == "link")
            button.link = value;
        else if (field == "normal")
            button.normalImage = value;
        else if (field == "over")
            button.overImage = value;
        else
            button.frame = value;
        Menu menu;
        menu.buttons = {button};
        const QByteArray page = MenuPage::text(menu);
        if (field == "frame")
            QCOMPARE(lines(page).at(52), expected); // B2 of the only button
        else
            QCOMPARE(lineContaining(page, marker), expected);
        QCOMPARE(lines(page).size(), 118);
        for (const char byte : page)
            QVERIFY2(uchar(byte) < 0x80, "the page must be pure ASCII");
    }

    void plainFrameNames_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<bool>("plain");
        QTest::newRow("letters") << "Frame1" << true;
        QTest::newRow("underscore first") << "_main" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("_TOP") << "_TOP" << false;
        QTest::newRow("window") << "window" << false;
        QTest::newRow("Window") << "Window" << true;
        QTest::newRow("dot") << "a.b" << false;
        QTest::newRow("non-ASCII letter") << QString::fromUtf8("\u00e9") << false;
    }

    void plainFrameNames() {
        QFETCH(QString, frame);
        QFETCH(bool, plain);
        QCOMPARE(PageEscaping::isPlainFrameName(frame), plain);
    }
};

QTEST_APPLESS_MAIN(TestMenuPage)
#include "test_menu_page.moc"
