#include "TestData.h"
#include "generator/MenuPage.h"

#include <QtTest>

// The page text byte for byte, and how user text is made safe inside it.
class TestMenuPage : public QObject {
    Q_OBJECT

private slots:
    void workedExample() {
        Menu menu;
        menu.buttons = {{"home.gif", "home2.gif", "index.html", ""},
                        {"news.gif", "news2.gif", "news.html", "main"}};
        const QByteArray vertical = TestData::read(TestData::path("example-vertical.html"));
        QCOMPARE(MenuPage::text(menu), vertical);
        menu.iMenuType = 2;
        QCOMPARE(MenuPage::text(menu),
                 QByteArray(vertical).replace("border=0></a><br>\r\n", "border=0></a>\r\n"));
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

    // One row per rule and frame kind: a value in one field and a whole line it must give.
    void userText_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("line");
        for (const QStringList& row : TestData::table("escaping.txt"))
            QTest::addRow("%s %s", qPrintable(row[0]), qPrintable(row[1]))
                << row[0] << row[1] << row[2].toLatin1();
    }

    void userText() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QByteArray, line);
        MenuButton button{"n.gif", "o.gif", "x\".html", ""};
        (field == "link"     ? button.link
         : field == "normal" ? button.normalImage
         : field == "over"   ? button.overImage
                             : button.frame) = value;
        Menu menu;
        menu.buttons = {button};
        const QByteArray page = MenuPage::text(menu);
        QVERIFY2(page.contains("\r\n" + line + "\r\n"), page.constData());
        QVERIFY2(std::all_of(page.begin(), page.end(), [](char c) { return uchar(c) < 0x80; }),
                 "the page is pure ASCII");
    }
};

QTEST_APPLESS_MAIN(TestMenuPage)
#include "test_menu_page.moc"
