#include "generator/MenuPage.h"

#include "generator/PageConversion.h"
#include "generator/PageEscaping.h"
#include "generator/PageLayout.h"
#include "generator/PageTokens.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

// Puts the page down, straight into the buffer that is returned: each byte is written once.
class PageWriter {
public:
    explicit PageWriter(PageBuffer& out) : out(out) {}

    PageBuffer& out;
    std::string_view eol = "\r\n";

    bool ok() const { return true; }
    void key(std::initializer_list<PageLayout::Part>) {}
    // A whole line into room taken once: most of a page is such lines.
    void line(int indent, std::initializer_list<PageLayout::Part> parts,
              std::initializer_list<PageLayout::Part> rest = {}) {
        static constexpr char blanks[] = "         ";
        qsizetype size = indent + qsizetype(eol.size());
        for (const PageLayout::Part& part : parts)
            size += qsizetype(part.text.size());
        for (const PageLayout::Part& part : rest)
            size += qsizetype(part.text.size());
        char* to = out.reserve(size);
        PageBuffer::copy(to, blanks, std::size_t(indent));
        to += indent;
        for (const PageLayout::Part& part : parts) {
            PageBuffer::copy(to, part.text.data(), part.text.size());
            to += part.text.size();
        }
        for (const PageLayout::Part& part : rest) {
            PageBuffer::copy(to, part.text.data(), part.text.size());
            to += part.text.size();
        }
        PageBuffer::copy(to, eol.data(), eol.size());
        out.wrote(size);
    }
    void beginLine(int indent, std::initializer_list<PageLayout::Part> parts) {
        static constexpr char blanks[] = "         ";
        out.append(blanks, indent);
        for (const PageLayout::Part& part : parts)
            append(part.text);
    }
    void endLine(std::string_view last) {
        append(last);
        append(eol);
    }
    void emptyLines(int count) {
        for (int i = 0; i < count; ++i)
            append(eol);
    }
    void scriptString(const QString& text) { PageEscaping::appendScriptString(out, text); }
    void linkStatement(const QString& frame, const QString& link) {
        PageEscaping::appendLinkStatement(out, frame, link);
    }
    void normalImageAttribute(const QString& name) { PageEscaping::appendHtmlAttribute(out, name); }
    void optionalAlt(const QString& text) {
        if (text.isEmpty())
            return;
        append(PageEscaping::altStart);
        PageEscaping::appendHtmlText(out, text);
        append("\"");
    }
    void lineBreak(MenuType menuType) {
        if (menuType == MenuType::Vertical)
            append(PageLayout::lineBreak);
    }
    void address(const QString& text) { PageEscaping::appendHtmlAttribute(out, text); }
    void target(const QString& frame) { PageEscaping::appendTarget(out, frame); }
    void currentPage(bool current) {
        if (current)
            append(PageLayout::currentMark);
    }
    // A button without a text is named by its link, which says more than nothing.
    void buttonText(const QString& text, const QString& link) {
        PageEscaping::appendHtmlText(out, text.isEmpty() ? link : text);
    }
    void sameText(const QString& text, const QString& link) { buttonText(text, link); }
    void pageText(const QString& text) { PageEscaping::appendHtmlText(out, text); }

private:
    void append(std::string_view text) { out.append(text.data(), qsizetype(text.size())); }
};

// Writes a block in its author's form: every byte of it again, but for the numbers and the
// values, which are written as the menu now has them.
class TemplateWriter : public PageTokens::Pieces<TemplateWriter> {
public:
    TemplateWriter(const BlockTemplate& form, PageBuffer& out)
        : form_(form), page_(out), out_(&out) {}

    void piece(PageTokens::Kind kind, std::string_view text, bool) {
        using PageTokens::Kind;
        const qint32 from = mark(), to = form_.marks.value(2 * piece_ + 1, from);
        if (kind == Kind::Eol && out_ == &spelt_)
            endSpeltLine();
        ++piece_;
        if (kind == Kind::Number || (kind == Kind::Text && to == from))
            out_->append(text.data(), qsizetype(text.size()));
        else if (kind != Kind::Value && kind != Kind::Break) // the author's, as they stood
            out_->append(form_.bytes.constData() + from, to - from);
        at_ = to;
        if (kind == Kind::Indent)
            beginSpeltLine();
    }
    void scriptString(const QString& text) {
        value();
        PageEscaping::appendScriptString(*out_, text);
    }
    void linkStatement(const QString& frame, const QString& link) {
        value();
        PageEscaping::appendLinkStatement(*out_, frame, link);
    }
    void normalImageAttribute(const QString& name) {
        value();
        PageEscaping::appendHtmlAttribute(*out_, name);
    }
    void lineBreak(MenuType menuType) {
        const qint32 from = form_.marks.value(2 * piece_, at_),
                     to = form_.marks.value(2 * piece_ + 1, from);
        value(PageTokens::Kind::Break);
        if (menuType == MenuType::Vertical && to > from) // the author's <BR>
            out_->append(form_.bytes.constData() + from, to - from);
        else if (menuType == MenuType::Vertical)
            out_->append(PageLayout::lineBreak.data(), qsizetype(PageLayout::lineBreak.size()));
    }
    void optionalAlt(const QString& text) {
        value();
        PageWriter(*out_).optionalAlt(text);
    }
    void address(const QString& text) {
        value();
        PageEscaping::appendHtmlAttribute(*out_, text);
    }
    void target(const QString& frame) {
        value();
        PageEscaping::appendTarget(*out_, frame);
    }
    void currentPage(bool current) {
        value();
        PageWriter(*out_).currentPage(current);
    }
    void buttonText(const QString& text, const QString& link) {
        value();
        PageWriter(*out_).buttonText(text, link);
    }
    void sameText(const QString& text, const QString& link) { buttonText(text, link); }
    // Whatever of the author's follows the last piece.
    void finish() { out_->append(form_.bytes.constData() + at_, form_.bytes.size() - at_); }

private:
    // Writes the author's bytes up to the next piece and says where that piece starts.
    qint32 mark() {
        const qint32 from = form_.marks.value(2 * piece_, at_);
        out_->append(form_.bytes.constData() + at_, from - at_);
        return from;
    }
    // A line the author spelt otherwise is written in Tessel's spelling first: where that
    // comes out as it was read, the author's own spelling of it goes into the page instead.
    void beginSpeltLine() {
        if (keptIndex_ >= form_.kept.size() || form_.kept[keptIndex_].firstPiece != piece_ - 1)
            return;
        spelt_.clear();
        out_ = &spelt_;
    }
    void endSpeltLine() {
        const BlockTemplate::KeptLine& line = form_.kept[keptIndex_++];
        out_ = &page_;
        if (spelt_.view() == QByteArrayView(line.canonical)) {
            page_.append(line.original.constData(), line.original.size());
            return;
        }
        // A line spelt with single quotes for double ones keeps them where no value on it
        // holds a quote or an escape: a line within a tag closes or opens a value that
        // another line of the author's opens or closes with them.
        QByteArray written = spelt_.view().toByteArray();
        if (!written.contains('\'') && !written.contains('\\') &&
            QByteArray(line.canonical).replace('"', '\'') == line.original)
            written.replace('"', '\'');
        page_.append(written.constData(), written.size());
    }

    const BlockTemplate& form_;
    PageBuffer& page_;
    PageBuffer* out_;
    PageBuffer spelt_;
    qsizetype keptIndex_ = 0;
    qsizetype piece_ = 0;
    qint32 at_ = 0;
};

// About 2.4 kB fixed and 600 bytes a button: one allocation for the whole page.
constexpr qsizetype bytesPerButton = 700;

// Block `i` of a region, in the author's form where it has one.
void writeBlock(PageWriter& writer, int region, const Menu& menu, qsizetype i,
                const BlockTemplate& form) {
    if (form.isEmpty()) {
        PageLayout::block<PageWriter, const Menu>(menu.form, region)(writer, menu, i);
        return;
    }
    TemplateWriter author(form, writer.out);
    PageLayout::block<TemplateWriter, const Menu>(menu.form, region)(author, menu, i);
    author.finish();
}

} // namespace

QByteArray MenuPage::blockText(const Menu& menu, int region, qsizetype i, const BlockTemplate& form,
                               QByteArrayView eol) {
    PageBuffer out;
    PageWriter writer(out);
    writer.eol = std::string_view(eol.data(), std::size_t(eol.size()));
    writeBlock(writer, region, menu, i, form);
    return out.take();
}

QByteArray MenuPage::insertedMenu(const Menu& menu, QByteArrayView eol) {
    PageBuffer out(1000 + bytesPerButton * menu.buttons.size());
    PageWriter writer(out);
    writer.eol = std::string_view(eol.data(), std::size_t(eol.size()));
    if (menu.form == PageForm::Html5)
        PageLayout::insertedMenu(writer, menu);
    else
        PageLayout::insertedClassicMenu(writer, menu);
    return out.take();
}

QByteArray MenuPage::text(const Menu& menu) {
    PageBuffer out(2600 + bytesPerButton * menu.buttons.size());
    PageWriter writer(out);
    PageLayout::page(writer, menu);
    return out.take();
}

namespace {

// Per button of `menu`, whether its blocks stand in the page as read just as they are written
// for it: its values and place, and the menu's direction, are as they were read. Last, the
// same for the count lines.
std::vector<bool> unchangedBlocks(const Menu& menu, const PageFrame& frame) {
    std::vector<bool> unchanged(std::size_t(menu.buttons.size()) + 1, false);
    const Menu* read = frame.read.menu.get();
    if (!read || read->iMenuType != menu.iMenuType || read->form != menu.form)
        return unchanged;
    for (qsizetype i = 0; i < menu.buttons.size() && i < read->buttons.size(); ++i)
        unchanged[std::size_t(i)] = read->buttons[i] == menu.buttons[i];
    unchanged.back() = read->buttons.size() == menu.buttons.size();
    return unchanged;
}

// Each region's blocks go where the page had them, and the author's lines between two blocks
// stay between the blocks at the same places. New blocks follow the last one; where there are
// fewer, the author's lines from between the blocks that went stay after the last one. The
// page's own bytes are shared into `out` where `frame` outlives it, and a block unchanged since
// the page was read is taken from them.
void writeInto(const Menu& menu, const PageFrame& frame, PageBuffer& out, bool share) {
    if (frame.form == PageForm::Classic && menu.form == PageForm::Html5) {
        Menu html5 = menu; // the author's form of each block is the classic one's
        for (MenuButton& button : html5.buttons)
            button.ownLines = {};
        return writeInto(html5, PageConversion::toHtml5(frame, menu), out, false);
    }
    if (frame.form != menu.form) { // an HTML5 page stays one: its lines were never a script's
        Menu same = menu;
        same.form = frame.form;
        return writeInto(same, frame, out, share);
    }
    PageWriter writer(out);
    const char* bytes = frame.bytes.constData();
    const auto page = [&](qsizetype from, qsizetype to) {
        share ? out.appendShared(bytes + from, to - from) : out.append(bytes + from, to - from);
    };
    std::vector<int> order;
    for (int r = 0; r < int(frame.regions.size()); ++r)
        if (PageLayout::hasRegion(frame.form, r))
            order.push_back(r);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return frame.regions[std::size_t(a)].from() < frame.regions[std::size_t(b)].from();
    });
    const std::vector<bool> unchanged = share ? unchangedBlocks(menu, frame) : std::vector<bool>();
    qsizetype at = 0;
    for (const int r : order) {
        const PageFrame::Region& region = frame.regions[std::size_t(r)];
        page(at, region.from());
        writer.eol = std::string_view(region.eol.constData(), std::size_t(region.eol.size()));
        const qsizetype blocks = r == PageLayout::Count ? 1 : menu.buttons.size();
        for (qsizetype i = 0; i < blocks; ++i) {
            const std::size_t button =
                r == PageLayout::Count ? unchanged.size() - 1 : std::size_t(i);
            if (share && i < region.count() && unchanged[button])
                page(region.blocks[2 * i], region.blocks[2 * i + 1]);
            else
                writeBlock(writer, r, menu, i + 1,
                           r == PageLayout::Count ? frame.countLines
                                                  : menu.buttons[i].ownLines[std::size_t(r - 1)]);
            // the gaps after it: the one to the next block, or all that are left after the last
            for (qsizetype g = i; g < region.count() - 1 && (g == i || i == blocks - 1); ++g)
                page(region.blocks[2 * g + 1], region.blocks[2 * g + 2]);
        }
        at = region.to();
    }
    page(at, frame.bytes.size());
}

} // namespace

QByteArray MenuPage::text(const Menu& menu, const PageFrame& frame) {
    PageBuffer out(frame.bytes.size() + bytesPerButton * menu.buttons.size());
    writeInto(menu, frame, out, false);
    return out.take();
}

std::vector<QByteArrayView> MenuPage::pieces(const Menu& menu, const PageFrame& frame,
                                             PageBuffer& written) {
    written.keepPieces();
    writeInto(menu, frame, written, true);
    return written.pieces();
}
