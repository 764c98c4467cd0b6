#include "TestSupport.h"

#include "Translations.h"
#include "forms/Style.h"
#include "forms/Twips.h"

using TestSupport::Wizard;

// The wizard under other desktops: light and dark palettes, other widget styles, a larger
// desktop font. Every text must read against what it is drawn on and show whole.
class TestLooks : public QObject {
    Q_OBJECT

    const TestSupport::WorkingFolder work_;
    const QFont desktopFont_ = QApplication::font();

    static QPalette palette(const QString& name) {
        if (name != "dark")
            return QApplication::style()->standardPalette();
        const QColor text(238, 238, 236), grey(53, 53, 53); // as dark desktops commonly have it
        return QPalette(text, grey, grey.lighter(), grey.darker(), grey, text, Qt::white,
                        QColor(42, 42, 42), grey);
    }

    // Each control's text on its window colour and its Text on Base; the tutor's text last.
    static QStringList look(const Wizard& wizard) {
        QList<QWidget*> controls = wizard.form.findChildren<QWidget*>();
        controls.append(wizard.form.formTutor()->lblTutor);
        QStringList lines;
        for (const QWidget* control : controls) {
            const auto colour = [control](auto role) {
                return control->palette().color(QPalette::Active, role).name();
            };
            if (!control->objectName().isEmpty() && !control->objectName().startsWith("qt_"))
                lines.append(control->objectName() + '\t' + colour(control->foregroundRole()) +
                             " on " + colour(QPalette::Window) + ", " + colour(QPalette::Text) +
                             " on " + colour(QPalette::Base));
        }
        return lines;
    }

    // The colour most drawn inside a control, away from its edges: what its text stands on.
    static QColor mostDrawn(const QImage& shot, const QRect& area) {
        QHash<QRgb, int> drawn;
        for (int y = area.top() + 3; y <= area.bottom() - 3; ++y)
            for (int x = area.left() + 3; x <= area.right() - 3; ++x)
                ++drawn[shot.pixel(x, y)];
        const auto most = std::max_element(drawn.keyValueBegin(), drawn.keyValueEnd(),
                                           [](auto a, auto b) { return a.second < b.second; });
        return QColor::fromRgb(most->first);
    }

    static bool showsWhole(QWidget* control) {
        if (auto* label = qobject_cast<QLabel*>(control))
            return label->heightForWidth(label->width()) <= label->height();
        // A push button's size hint also holds the style's least width, which its text needs
        // not; its caption keeps the style's margin from the edges, as in every language.
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            return button->fontMetrics().horizontalAdvance(button->text().remove('&')) +
                       button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button) / 2 <=
                   room.width();
        }
        return control->sizeHint().width() <= control->width();
    }

    // A window in the background is dimmed, and the tutor takes the focus on each step.
    static QStringList activate(QWidget* window) {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window) ? QStringList() : QStringList("inactive");
    }

    // Whether some part of a control (an outline, an arrow, a mark: at least 1% of it) stands
    // at 3:1 or more against what it is drawn on, as WCAG asks of controls.
    static bool standsOut(const QImage& shot, const QRect& area, const QColor& surface) {
        int parts = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                parts += Style::contrast(shot.pixelColor(x, y), surface) >= 3;
        return parts * 100 >= area.width() * area.height();
    }

    // Where a control shows something: a label only where its text runs. Two pixels of a
    // line's spacing may touch the next control, as in the design.
    static QRect shownAt(const QWidget* control) {
        const auto* label = qobject_cast<const QLabel*>(control);
        return label ? QRect(label->pos(),
                             QSize(label->width(), label->heightForWidth(label->width())))
                     : control->geometry();
    }

    // Texts a user cannot read or see whole, with their contrast, and controls that do not
    // stand out; a disabled control is meant to recede, and a page is the surface itself.
    static QStringList unreadable(QWidget* window) {
        QStringList faults = activate(window);
        const QImage shot = window->grab().toImage();
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QRect area(control->mapTo(window, QPoint()), control->size());
            if (control->isVisible() && control->isEnabled() &&
                control->focusPolicy() & Qt::TabFocus && !qobject_cast<PagePanel*>(control) &&
                !standsOut(shot, area, control->parentWidget()->palette().color(QPalette::Window)))
                faults.append(control->objectName() + " faint");
            const auto* label = qobject_cast<QLabel*>(control);
            const bool text =
                label ? !label->text().isEmpty()
                      : control->inherits("QAbstractButton") || control->inherits("QLineEdit");
            if (!text || !control->isVisible() || !control->isEnabled())
                continue;
            // Buttons and text boxes draw the desktop's own pairs while active; labels and option
            // buttons take colours chosen here for every state, options maybe in Text.
            const QPalette& colours = control->palette();
            QList<QColor> inks{colours.color(QPalette::Active, control->foregroundRole())};
            const bool radio = control->inherits("QRadioButton");
            for (const auto group : {QPalette::Inactive, QPalette::Disabled, QPalette::Active})
                if (label || radio)
                    inks << colours.color(group, control->foregroundRole())
                         << colours.color(group,
                                          radio ? QPalette::Text : control->foregroundRole());
            const QColor under = mostDrawn(shot, area);
            double ratio = 21;
            for (const QColor& ink : inks)
                ratio = std::min(ratio, Style::contrast(ink, under));
            if (ratio < 4.5 || !showsWhole(control))
                faults.append(QString("%1 %2").arg(control->objectName()).arg(ratio, 0, 'f', 2));
            for (const QWidget* other : control->parentWidget()->findChildren<QWidget*>(
                     Qt::FindDirectChildrenOnly)) // a label's text grown over another control
                if (label && other != control && other->isVisible() &&
                    shownAt(other).intersects(shownAt(control).adjusted(0, 2, 0, -2)))
                    faults.append(control->objectName() + " over " + other->objectName());
        }
        return faults;
    }

    // Whether the focus shows at 3:1 against the unfocused look, as WCAG asks of a focus
    // indicator: over at least half a frame's length of the control's pixels.
    static bool focusShows(const QImage& before, const QImage& now) {
        int marked = 0;
        for (int y = 0; y < now.height(); ++y)
            for (int x = 0; x < now.width(); ++x)
                marked += Style::contrast(now.pixelColor(x, y), before.pixelColor(x, y)) >= 3;
        return marked >= now.width() + now.height();
    }

    // The controls of the page in front that take the focus but do not show it: each is reached
    // with Tab and compared with itself while the control before it had the focus.
    static QStringList unmarkedFocus(QWidget* window) {
        QStringList faults = activate(window);
        const QWidget* start = QApplication::focusWidget();
        QImage before = window->grab().toImage();
        for (int stops = 0; stops == 0 || QApplication::focusWidget() != start; ++stops) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QWidget* focus = QApplication::focusWidget();
            const QImage now = window->grab().toImage();
            const QRect area(focus->mapTo(window, QPoint()), focus->size());
            // The frames Tessel draws itself (on the pages, the count's bar and the written
            // page's link) must show at 3:1; a style's own mark must show at all.
            const bool ownFrame = qobject_cast<const PagePanel*>(focus) ||
                                  qobject_cast<const QScrollBar*>(focus) ||
                                  qobject_cast<const LinkLabel*>(focus);
            if ((ownFrame ? !focusShows(before.copy(area), now.copy(area))
                          : now.copy(area) == before.copy(area)) ||
                stops > 30)
                faults.append(focus->objectName());
            before = now;
        }
        return faults;
    }

    // Buttons that answer the same Alt+letter, on screen together or on the pages `seen` so far
    // holds: a letter presses one button wherever the user is.
    static QStringList sharedLetters(const QWidget* window,
                                     QHash<QKeySequence, const QAbstractButton*>& seen) {
        QStringList shared;
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            const QKeySequence key = QKeySequence::mnemonic(button->text());
            if (!button->isVisible() || key.isEmpty())
                continue;
            if (seen.value(key, button) != button)
                shared.append(seen[key]->text() + " / " + button->text());
            seen[key] = button;
        }
        return shared;
    }

private slots:
    void contrastAsWcagDefinesIt() { // as any checker of the guidelines gives it
        QCOMPARE(qRound(Style::contrast(Qt::black, Qt::white) * 100), 2100);
        QCOMPARE(qRound(Style::contrast(QColor(0x777777), Qt::white) * 100), 448);
        QCOMPARE(qRound(Style::contrast(Qt::white, Qt::blue) * 100), 859);
    }

    // Every control of the design at its place, once, under the default style.
    // Left to right, and as a mirror shows them right to left (-reverse, or Arabic, Hebrew).
    void placesAsDesigned_data() {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("left to right") << Qt::LeftToRight;
        QTest::newRow("right to left") << Qt::RightToLeft;
    }

    void placesAsDesigned() {
        QFETCH(Qt::LayoutDirection, direction);
        QGuiApplication::setLayoutDirection(direction);
        Wizard wizard;
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QStringList misplaced;
        for (const TestData::Row& row : TestData::table("places.txt")) {
            const QWidget* control = wizard.form.findChild<QWidget*>(row["control"]);
            if (!control) {
                misplaced.append(row["control"]);
                continue;
            }
            QRect place = Twips::rect(row["left"].toInt(), row["top"].toInt(), row["width"].toInt(),
                                      row["height"].toInt());
            if (direction == Qt::RightToLeft) // the right edge where the left one was
                place.moveRight(control->parentWidget()->width() - 1 - place.left());
            const int x = direction == Qt::RightToLeft ? control->geometry().right() - place.right()
                                                       : control->x() - place.x();
            if (x != 0 || control->y() != place.y() || control->width() < place.width() ||
                control->height() < place.height())
                misplaced.append(row["control"]);
        }
        QCOMPARE(misplaced, QStringList());
    }

    // Each look in each of Tessel's languages, English first.
    void readableEverywhere_data() {
        QTest::addColumn<TestData::Row>("row");
        QTest::addColumn<QString>("language");
        for (const TestData::Row& row : TestData::table("looks.txt"))
            for (const char* language : {"en", "de", "fr", "es"})
                QTest::addRow("%s %s", qPrintable(row.cells.join(' ')), language)
                    << row << QString(language);
    }

    void readableEverywhere() {
        QFETCH(TestData::Row, row);
        QFETCH(QString, language);
        Translations words{QLocale(language)};
        words.install();
        if (!QStyleFactory::keys().contains(row["style"]))
            QSKIP("this widget style is not installed here");
        QApplication::setStyle(row["style"]);
        QApplication::setPalette(palette(row["palette"]));
        QFont font = desktopFont_;
        font.setPointSizeF(desktopFont_.pointSizeF() * row["font"].toDouble());
        QApplication::setFont(font);
        Wizard wizard;
        QVERIFY(language == "en" || wizard.ui.cmdStep(3)->text() != "&Next >>"); // it speaks it
        wizard.walk("T");
        QStringList recorded;
        for (const TestData::Row& line : TestData::table(row["look"]))
            recorded.append(line.cells.join('\t'));
        if (row["look"] != "-") // today's light look, and the dark one
            QCOMPARE(look(wizard), recorded);
        if (row["switch"] != "-") {
            QApplication::setPalette(palette(row["switch"]));
            Wizard started;
            started.walk("T");
            QCOMPARE(look(wizard), look(started)); // as if it had started under the new one
        }
        QCOMPARE(wizard.form.size(), QSize(416, 327)); // 6240 x 4908 twips, in every style
        // The notes of the file-name and finish pages keep the design's colour, or where it
        // does not read take the desktop's own text colour: never one of Tessel's making.
        QStringList design;
        for (const TestData::Row& line : TestData::table("light-look.txt"))
            design.append(line.cells.join('\t'));
        for (const char* note :
             {"Label1(6)", "Label1(7)", "Label1(8)", "Label1(10)", "Label1(11)"}) {
            const auto* label = wizard.form.findChild<QWidget*>(note);
            const QString ink = label->palette().color(label->foregroundRole()).name();
            const QString desktop = QApplication::palette().color(QPalette::WindowText).name();
            const QString own = design.filter(QString(note) + '\t').value(0).section('\t', 1);
            QVERIFY2(own.startsWith(ink + " on") || ink == desktop, qPrintable(note + (' ' + ink)));
        }
        QHash<QKeySequence, const QAbstractButton*> letters;
        for (const QChar key : QString(">>>FA")) {
            const PagePanel* page = wizard.ui.picStep(wizard.form.shownPage());
            QCOMPARE(wizard.form.grab().toImage().pixelColor(10, 66), // the page is painted
                     page->palette().color(QPalette::Window));
            QCOMPARE(unreadable(&wizard.form).join(", "), QString());
            QCOMPARE(sharedLetters(&wizard.form, letters).join(", "), QString());
            QCOMPARE(unmarkedFocus(&wizard.form).join(", "), QString());
            if (wizard.form.formTutor())
                QCOMPARE(unreadable(wizard.form.formTutor()).join(", "), QString());
            if (wizard.form.shownPage() == Page::Button) { // and the list of buttons over it
                wizard.walk("L");                          // Alt+L in every language
                QCOMPARE(unreadable(&wizard.form).join(", "), QString());
                QCOMPARE(sharedLetters(&wizard.form, letters).join(", "), QString());
                QTest::keyClick(wizard.form.buttonList()->lstButtons, Qt::Key_Escape);
            }
            if (key == 'F') // a name the finish page must wrap
                Wizard::type(wizard.ui.txtFileName,
                             "the pages of our little shop in the old town, with prices and hours");
            wizard.walk(key);
        }
        QCOMPARE(unreadable(&wizard.form).join(", "), QString());
    }
};

QTEST_MAIN(TestLooks)
#include "test_looks.moc"
