#include "generator/MenuPage.h"

#include "generator/PageEscaping.h"
#include "generator/PageLayout.h"

#include <initializer_list>

namespace {

// Puts the page down, straight into the buffer that is returned: each byte is written once.
class PageWriter {
public:
    // About 2.4 kB fixed and 600 bytes a button: one allocation for the whole page.
    explicit PageWriter(qsizetype size) : out(size) {}

    PageBuffer out;
    std::string_view eol = "\r\n";

    bool ok() const { return true; }
    void line(int indent, std::initializer_list<std::string_view> parts) {
        beginLine(indent, parts);
        endLine({});
    }
    void beginLine(int indent, std::initializer_list<std::string_view> parts) {
        out.append(indent, ' ');
        for (const std::string_view part : parts)
            out.append(part.data(), qsizetype(part.size()));
    }
    void endLine(std::string_view last) {
        out.append(last.data(), qsizetype(last.size()));
        out.append(eol.data(), qsizetype(eol.size()));
    }
    void emptyLines(int count) {
        for (int i = 0; i < count; ++i)
            out.append(eol.data(), qsizetype(eol.size()));
    }
    void count(const QList<MenuButton>& buttons) {
        const PageLayout::Decimal n(buttons.size());
        out.append(std::string_view(n).data(), qsizetype(std::string_view(n).size()));
    }
    void scriptString(const QString& text) { PageEscaping::appendScriptString(out, text); }
    void linkStatement(const QString& frame, const QString& link) {
        PageEscaping::appendLinkStatement(out, frame, link);
    }
    void normalImageAttribute(const QString& name) { PageEscaping::appendHtmlAttribute(out, name); }
    void buttonEnd(qint16 menuType) {
        endLine(menuType == 1 ? PageLayout::verticalEnd : PageLayout::horizontalEnd);
    }
};

// About 2.4 kB fixed and 600 bytes a button: one allocation for the whole page.
constexpr qsizetype bytesPerButton = 700;

} // namespace

QByteArray MenuPage::text(const Menu& menu) {
    PageWriter writer(2600 + bytesPerButton * menu.buttons.size());
    PageLayout::page(writer, menu);
    return writer.out.take();
}

QByteArray MenuPage::text(const Menu& menu, const PageFrame& frame) {
    PageWriter writer(frame.bytes.size() + bytesPerButton * menu.buttons.size());
    qsizetype at = 0;
    for (std::size_t i = 0; i < frame.regions.size(); ++i) {
        const PageFrame::Region& region = frame.regions[i];
        writer.out.append(frame.bytes.constData() + at, region.from - at);
        writer.eol = std::string_view(region.eol.constData(), std::size_t(region.eol.size()));
        PageLayout::regions<PageWriter, const Menu>[i](writer, menu);
        at = region.to;
    }
    writer.out.append(frame.bytes.constData() + at, frame.bytes.size() - at);
    return writer.out.take();
}
