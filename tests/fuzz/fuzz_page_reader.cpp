// Feeds the page reader any bytes. A page it takes must write back, and read again, to the
// same menu and bytes; a page it takes as unchanged must be the page written from it, but for
// its line ends and title. Built with clang's libFuzzer (TESSEL_FUZZ).
#include "generator/MenuPage.h"

#include <cstdint>
#include <cstdlib>

namespace {

// The page with CR LF ends and its title line left out, for comparing what a title and line
// ends may change.
QByteArray withoutTitle(QByteArray page) {
    page.replace("\r\n", "\n").replace("\n", "\r\n");
    const qsizetype title = page.indexOf("\r\n<title>");
    return title < 0 ? page : page.remove(title, page.indexOf("\r\n", title + 2) - title);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const PageReading reading = MenuPage::read(bytes);
    if (!reading.error.isEmpty())
        return 0;
    const QByteArray page = MenuPage::text(reading.menu);
    const PageReading again = MenuPage::read(page);
    if (!again.error.isEmpty() || again.handEdited || MenuPage::text(again.menu) != page)
        std::abort();
    if (!reading.handEdited && withoutTitle(bytes) != withoutTitle(page))
        std::abort();
    return 0;
}
