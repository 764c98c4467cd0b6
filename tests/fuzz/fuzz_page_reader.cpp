// Feeds the page reader any bytes (clang's libFuzzer, TESSEL_FUZZ). A page read intact comes
// back byte for byte when its menu is written into its frame; any page read, once written
// back, reads again intact, with the same menu and the author's bytes before it.
#include "generator/MenuPage.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const PageReading reading = MenuPage::read(bytes);
    if (reading.refusal != Refusal::None)
        return 0;
    const QByteArray page = MenuPage::text(reading.menu, reading.frame);
    if (reading.changedLine == 0 && page != bytes)
        std::abort();
    const PageReading again = MenuPage::read(page);
    if (again.refusal != Refusal::None || again.changedLine != 0 || !(again.menu == reading.menu) ||
        MenuPage::text(again.menu, again.frame) != page ||
        page.first(reading.frame.regions[0].from) != bytes.first(reading.frame.regions[0].from))
        std::abort();
    return 0;
}
