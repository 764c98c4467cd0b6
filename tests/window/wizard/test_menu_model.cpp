#include "TestData.h"
#include "wizard/MenuModel.h"

#include <QAbstractItemModelTester>
#include <QtTest>

// The menu being edited, without a window: the buttons moved, inserted and removed with
// everything they hold, and a view that follows the model's signals alone. The files Finish
// may replace are the window test's, through the whole window.
class TestMenuModel : public QObject {
    Q_OBJECT

    // The rows as a view learns them: only from the model's signals, never by reading it whole
    // after an edit.
    struct Follower {
        QStringList rows;
        explicit Follower(QAbstractItemModel& model) {
            const auto link = [&model](int row) { return model.index(row, 0).data().toString(); };
            connect(&model, &QAbstractItemModel::rowsInserted, [=, this](auto&, int from, int to) {
                for (int row = from; row <= to; ++row)
                    rows.insert(row, link(row));
            });
            connect(&model, &QAbstractItemModel::rowsRemoved,
                    [this](auto&, int from, int to) { rows.remove(from, to - from + 1); });
            connect(&model, &QAbstractItemModel::rowsMoved,
                    [this](auto&, int from, int, auto&, int before) {
                        rows.move(from, before > from ? before - 1 : before);
                    });
            connect(&model, &QAbstractItemModel::dataChanged,
                    [=, this](const QModelIndex& first, const QModelIndex& last) {
                        for (int row = first.row(); row <= last.row(); ++row)
                            rows[row] = link(row);
                    });
            connect(&model, &QAbstractItemModel::modelReset, [=, this, &model] {
                rows.clear();
                for (int row = 0; row < model.rowCount(); ++row)
                    rows.append(link(row));
            });
        }
    };

    // A menu of `count` buttons b1, b2 ..., each holding something of its own in every field.
    static void fill(MenuModel& model, qint16 count) {
        model.fix(MenuType::Vertical, count);
        for (qint16 k = 1; k <= count; ++k) {
            const QString name = QStringLiteral("b%1").arg(k);
            model.choosePicture(k, PictureKind::Normal, "/pics/" + name + ".gif");
            model.choosePicture(k, PictureKind::MouseOver, "/pics/" + name + "2.gif");
            model.setLink(k, name + ".html");
            model.setFrame(k, name + "-frame");
        }
    }

    // A button's name where everything it holds is its own, _ where it holds nothing.
    static QString nameOf(const MenuModel& model, qint16 k) {
        if (!model.holdsAnything(k))
            return "_";
        const QString name = model.sLink(k).section('.', 0, 0);
        const bool own =
            model.sImageFile(k, PictureKind::Normal) == name + ".gif" &&
            model.picturePath(k, PictureKind::MouseOver) == "/pics/" + name + "2.gif" &&
            model.sFrame(k) == name + "-frame";
        return own ? name : "?";
    }

private slots:
    void edits_data() { TestData::rows("menu-edits.txt"); }

    void edits() {
        QFETCH(TestData::Row, row);
        MenuModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        Follower list(model);
        QList<int> counts;
        connect(&model, &MenuModel::countChanged, [&counts](int count) { counts.append(count); });
        fill(model, qint16(row["buttons"].toInt()));
        for (const QString& edit : row["edits"].split(' ')) {
            const qint16 a = qint16(edit.mid(1).toInt());
            if (edit.startsWith('+'))
                model.insertButton(a);
            else if (edit.startsWith('-'))
                model.removeButton(a);
            else
                model.moveButton(qint16(edit.section('>', 0, 0).toInt()),
                                 qint16(edit.section('>', 1).toInt()));
            QStringList links;
            for (const MenuButton& button : model.menu().buttons)
                links.append(button.link);
            QCOMPARE(list.rows, links);
        }
        QStringList names;
        for (qint16 k = 1; k <= model.iNumberOfButtons(); ++k)
            names.append(nameOf(model, k));
        QCOMPARE(model.iLastStep(), model.iNumberOfButtons() + 1);
        QCOMPARE(counts.last(), model.iNumberOfButtons()); // the count's scroll bar follows
        QCOMPARE(names.size() <= 4 ? names.join(' ')
                                   : QStringLiteral("%1: %2 ... %3")
                                         .arg(names.size())
                                         .arg(names.first(), names.last()),
                 row["menu"]);
        QVERIFY(!names.contains("?"));
    }

    // The list's own edits at a chosen button: which it may make, and the button it shows
    // after each, at the ends of a menu of one, two and a full menu.
    void listEdits() {
        using Edit = MenuModel::Edit;
        MenuModel model;
        QVERIFY(!model.mayEdit(Edit::InsertBefore, 1)); // no menu yet
        fill(model, 1);
        QCOMPARE(model.edit(Edit::Remove, 1), std::nullopt); // a menu keeps one button
        QCOMPARE(model.edit(Edit::MoveUp, 1), std::nullopt);
        QCOMPARE(model.edit(Edit::InsertAfter, 1), qint16(2));
        QCOMPARE(model.edit(Edit::MoveDown, 2), std::nullopt);
        QCOMPARE(model.edit(Edit::MoveUp, 2), qint16(1));
        QCOMPARE(nameOf(model, 1) + nameOf(model, 2), "_b1");
        QCOMPARE(model.edit(Edit::Remove, 2), qint16(1)); // the last gone: the new last
        QCOMPARE(model.edit(Edit::InsertBefore, 1), qint16(1));
        QCOMPARE(model.edit(Edit::Remove, 1), qint16(1)); // the one that took its place
        fill(model, MenuModel::maxButtons);
        QVERIFY(!model.mayEdit(Edit::InsertAfter, 500) && model.mayEdit(Edit::Remove, 1000));
    }
};

QTEST_APPLESS_MAIN(TestMenuModel)
#include "test_menu_model.moc"
