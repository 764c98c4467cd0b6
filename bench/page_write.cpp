// Finish for the 1000-button page (20,098 lines in the classic form), in each form, opened
// from its file and one link changed, as the window does it: the changed block written and
// the rest taken from the page as read, in one atomic save; against the least any durable
// save of the same bytes costs: one write, fdatasync and a rename. And the menu written into
// a page that holds 1 MB of its author's HTML, against the page alone. The measures take
// turns round by round; each ratio is the median of the rounds' ratios.
#include "PageBench.h"
#include "generator/MenuPage.h"
#include "generator/PageBuffer.h"
#include "generator/PageFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// Whether Finish of the page of `form` stays within its limits.
bool finishWithinLimits(PageForm form) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tessel.html"), scratch = dir.filePath("scratch");
    const Menu menu = bigMenu(form);
    const QByteArray bytes = MenuPage::text(menu);
    const QByteArray authors = QByteArray("<p>Our own words, with accents: café, Straße.</p>\r\n")
                                   .repeated((1 << 20) / 50);
    const QByteArray before = "should be before the menu -->\r\n";
    const PageFrame frame =
        MenuPage::read(QByteArray(bytes).replace(before, before + authors)).frame;
    const PageFrame own = MenuPage::read(bytes).frame;
    Menu changed = menu;
    changed.buttons[500].link = "pages/changed.html";
    const QByteArray finished = MenuPage::text(changed, own);
    const auto save = [&](const QByteArray& page) {
        if (!PageFile::save(path, page).isEmpty())
            std::abort();
    };
    const auto floor = [&] {
        QFile file(scratch);
        if (!file.open(QIODevice::WriteOnly) || file.write(finished) != finished.size() ||
            !file.flush() || ::fdatasync(file.handle()) != 0)
            std::abort();
        file.close();
        if (std::rename(qPrintable(scratch), qPrintable(path)) != 0)
            std::abort();
    };
    const auto times = interleaved(
        101, {[&] { (void)MenuPage::text(menu); }, [&] { save(bytes); },
              [&] {
                  PageBuffer written;
                  if (!PageFile::save(path, MenuPage::pieces(changed, own, written)).isEmpty())
                      std::abort();
              },
              floor, [&] { (void)MenuPage::text(menu, frame); }});
    const double finish = medianRatio(times[2], times[3]), author = medianRatio(times[4], times[0]);
    std::printf("%s page: %lld bytes, %lld lines; the author's page %lld bytes\n", formName(form),
                qint64(bytes.size()), qint64(bytes.count('\n')), qint64(frame.bytes.size()));
    std::printf("page text alone:                   %.3f ms\n", median(times[0]));
    std::printf("atomic save of the text:           %.3f ms (%.2f x floor)\n", median(times[1]),
                medianRatio(times[1], times[3]));
    std::printf("Finish, text + atomic save:        %.3f ms (%.2f x floor, at most 1.25)\n",
                median(times[2]), finish);
    std::printf("floor, write + fdatasync + rename: %.3f ms\n", median(times[3]));
    std::printf("menu into the author's page:       %.3f ms (%.2f x the page alone, at most 2)\n",
                median(times[4]), author);
    return finish <= 1.25 && author <= 2;
}

int main() {
    const bool classic = finishWithinLimits(PageForm::Classic);
    return finishWithinLimits(PageForm::Html5) && classic ? 0 : 1;
}
