#include "generator/MenuPage.h"

#include "generator/PageEscaping.h"
#include "generator/PageLayout.h"

#include <initializer_list>

namespace {

// Puts the page down, straight into the buffer that is returned: each byte is written once.
class PageWriter {
public:
    // About 2.4 kB fixed and 600 bytes a button: one allocation for the whole page.
    explicit PageWriter(qsizetype buttons) : out(2600 + 700 * buttons) {}

    PageBuffer out;

    bool ok() const { return true; }
    void append(const QByteArray& bytes) { out.append(bytes.constData(), bytes.size()); }
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
        out.append("\r\n", 2);
    }
    void emptyLines(int count) {
        for (int i = 0; i < count; ++i)
            out.append("\r\n", 2);
    }

    void title(const QString& text) {
        out.append("<title>", 7);
        if (text.isEmpty())
            out.append("  ", 2); // the blank title the page is born with
        for (const QChar c : text) {
            // The author's own HTML, kept as typed; anything that would break the line or the
            // page's plain ASCII becomes a character reference.
            if (c == u'\t' || (c.unicode() >= 0x20 && c.unicode() < 0x7F))
                out.append(char(c.unicode()));
            else
                append("&#" + QByteArray::number(c.unicode()) + ';');
        }
        endLine("</title>");
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
        // A vertical menu breaks the line after each button; a horizontal one runs on in a row.
        endLine(menuType == 1 ? "></a><br>" : "></a>");
    }
};

} // namespace

QByteArray MenuPage::text(const Menu& menu) {
    PageWriter writer(menu.buttons.size());
    PageLayout::page(writer, menu);
    return writer.out.take();
}
