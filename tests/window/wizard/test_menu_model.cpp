#include "TestData.h"
#include "generator/MenuPage.h"
#include "wizard/WizardState.h"

#include <QtTest>

// The menu being edited, without a window: the buttons as records, moved, inserted and
// removed with everything they hold.
class TestMenuModel : public QObject {
    Q_OBJECT

    // Button k as the table names it, holding something of its own in every field.
    static ButtonRecord named(int k) {
        const QString name = QStringLiteral("b%1").arg(k);
        ButtonRecord record{{name + ".gif", name + "2.gif"},
                            {"/pics/" + name + ".gif", "/pics/" + name + "2.gif"},
                            name + ".html",
                            name == "b2" ? "main" : ""};
        record.ownLines[1].bytes = name.toUtf8();
        return record;
    }

    // A button's name where everything it holds is its own, _ where it holds nothing.
    static QString nameOf(const ButtonRecord& record) {
        if (!record.holdsAnything() && record.ownLines[1].isEmpty())
            return "_";
        const QString name = record.link.section('.', 0, 0);
        const ButtonRecord own = named(name.mid(1).toInt());
        return own.imageFile == record.imageFile && own.picturePath == record.picturePath &&
                       own.frame == record.frame && own.ownLines == record.ownLines
                   ? name
                   : "?";
    }

private slots:
    void edits_data() { TestData::rows("menu-edits.txt"); }

    void edits() {
        QFETCH(TestData::Row, row);
        WizardState state;
        state.setButtonCount(qint16(row["buttons"].toInt()));
        for (qint16 k = 1; k <= state.iNumberOfButtons; ++k)
            state.record(k) = named(k);
        for (const QString& edit : row["edits"].split(' ')) {
            const qint16 a = qint16(edit.mid(1).toInt());
            if (edit.startsWith('+'))
                state.insertButton(a);
            else if (edit.startsWith('-'))
                state.removeButton(a);
            else
                state.moveButton(qint16(edit.section('>', 0, 0).toInt()),
                                 qint16(edit.section('>', 1).toInt()));
        }
        QStringList names;
        for (qint16 k = 1; k <= state.iNumberOfButtons; ++k)
            names.append(nameOf(state.record(k)));
        QCOMPARE(state.iLastStep, state.iNumberOfButtons + 1);
        QCOMPARE(state.menu().buttons.size(), state.iNumberOfButtons);
        QCOMPARE(names.size() <= 4 ? names.join(' ')
                                   : QStringLiteral("%1: %2 ... %3")
                                         .arg(names.size())
                                         .arg(names.first(), names.last()),
                 row["menu"]);
        QVERIFY(!names.contains("?"));
    }

    // The file in Finish's way, as the window's own table has it: whether Finish may replace
    // it without a question, and else why not; decided from the files alone.
    void replacing_data() { TestData::rows("replacing.txt"); }

    void replacing() {
        QFETCH(TestData::Row, row);
        const QByteArray ours = MenuPage::text({1, {{}}});
        const QMap<QString, QByteArray> files = {{"another menu", MenuPage::text({2, {{}}})},
                                                 {"author's", ours + "<p>Home</p>"},
                                                 {"foreign", "<p>mine</p>"},
                                                 {"opened", ours},
                                                 {"opened, then New", ours},
                                                 {"read-only", ours},
                                                 {"changed", ours + "<!-- later -->"}};
        if (row["there"] == "none")
            QSKIP("nothing in the way asks nothing");
        WizardState state;
        if (row["there"] == "opened" || row["there"] == "changed" || row["there"] == "read-only")
            state.wrote("/site/" + row["file"], ours, {});
        const Replacing replacing = state.replacing("/site/" + row["file"], files[row["there"]],
                                                    QString(), row["there"] == "read-only");
        QCOMPARE(replacing.ask, !row["why"].isEmpty());
        QCOMPARE(replacing.why, row["why"]);
    }
};

QTEST_APPLESS_MAIN(TestMenuModel)
#include "test_menu_model.moc"
