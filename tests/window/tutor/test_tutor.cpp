#include "TestSupport.h"

using TestSupport::Wizard;

// The tutor's texts and where its window stands; roads.txt has its switching and closing.
class TestTutor : public QObject {
    Q_OBJECT

private slots:
    // Each page's own explanation, and the list's over a button page, known by a few words.
    void textsFollowTheSteps() {
        const QStringList pages = {"Type of menu", "top Select button", "enter a Filename",
                                   "every button of the menu"};
        Wizard wizard;
        QStringList seen;
        for (const QChar key : QString("T>>><Lc")) {
            if (key == 'L' || key == 'c') // clicked: the tutor's window may have the keyboard
                Wizard::click(key == 'L' ? wizard.ui.cmdList : wizard.form.buttonList()->cmdClose);
            else
                wizard.walk(key);
            const QString text = wizard.form.formTutor()->lblTutor->text();
            const auto page = std::find_if(pages.begin(), pages.end(), [&](const QString& words) {
                return text.contains(words);
            });
            seen.append(page == pages.end() ? text : *page);
        }
        QCOMPARE(seen, (QStringList{pages[0], pages[1], pages[1], pages[2], pages[1], pages[3],
                                    pages[1]}));
    }

    void placement_data() {
        QTest::addColumn<QPoint>("mainAt");
        QTest::newRow("near the origin") << QPoint(0, 0);
        QTest::newRow("far right, not clamped") << QPoint(5000, 40);
    }

    void placement() {
        QFETCH(QPoint, mainAt);
        Wizard wizard;
        wizard.form.move(mainAt);
        wizard.walk("T");
        const auto beside = [&] {
            const QRect main = wizard.form.frameGeometry();
            return QRect(main.right() + 2, main.top(), 130, main.height()); // 20 and 1950 twips
        };
        FormTutor* tutor = wizard.form.formTutor();
        QCOMPARE(tutor->frameGeometry(), beside());
        QCOMPARE(tutor->lblTutor->geometry(), QRect(8, 8, 130 - 16, beside().height() - 16));
        QCOMPARE(tutor->grab().toImage().pixelColor(2, 2), QColor(255, 255, 192));
        QCOMPARE(tutor->parentWidget(), nullptr); // no owner
        wizard.form.move(mainAt + QPoint(40, 30));
        wizard.walk(">"); // each step places it anew
        QCOMPARE(tutor->frameGeometry(), beside());
    }
};

QTEST_MAIN(TestTutor)
#include "test_tutor.moc"
