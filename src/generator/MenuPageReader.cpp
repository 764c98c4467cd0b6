#include "generator/MenuPage.h"

#include "generator/PageEscaping.h"
#include "generator/PageFile.h"
#include "generator/PageKeys.h"
#include "generator/PageLayout.h"
#include "generator/PageMatcher.h"
#include "generator/PageRefusal.h"

#include <algorithm>
#include <optional>

namespace {

// Finds the menu in a page, wherever the author's HTML puts its blocks and whatever the author
// wrote among them, and keeps everything else as the page's frame: its key lines first, then
// each block around its key line, then the menu assembled from them.
class PageReader {
public:
    explicit PageReader(const QByteArray& bytes)
        : page_(bytes), bytes_(page_), syntax_(bytes_), charset_(bytes_),
          refusal_(bytes_, syntax_), state_{bytes_, syntax_, charset_, refusal_}, matcher_(state_) {
    }

    PageReading read() {
        keys_ = PageKeys::find(bytes_, syntax_);
        if (!PageKeys::check(keys_, refusal_, counted_))
            return refused();
        state_.menu.form = frame_.form = counted_.form;
        state_.menu.buttons.resize(counted_.count);
        qsizetype low = 0; // keys_ stand in page order
        for (std::size_t i = 0; i < keys_.size(); ++i) {
            const qsizetype high = i + 1 < keys_.size() ? keys_[i + 1].line : syntax_.lines();
            if (!readBlock(keys_[i], low, high))
                return refused();
            low = keys_[i].lastLine + 1;
        }
        if (!assemble())
            return refused();
        return reading();
    }

    // The page where each block stands whole in the writer's own form, in order, the author's
    // lines between blocks only: the blocks are read where they stand, and only the author's
    // lines are read for where they leave the page, since a block leaves it as it found it.
    // None where the page needs reading line by line.
    std::optional<PageReading> readQuickly() {
        int region = PageLayout::Count;
        qint64 button = 0;
        qsizetype low = 0;
        PageKey key;
        for (qsizetype line = 0; line < syntax_.lines(); ++line) {
            // The next block most often follows the last one at once: where it stands whole,
            // its key line is the one expected, as the writer puts it down.
            const bool follows = line == low && region > PageLayout::Count;
            if (follows)
                key = {region, button, low + PageKeys::linesBeforeKey(counted_.form, region)};
            if (follows && key.line < syntax_.lines() && readBlockQuickly(key, low)) {
                low = key.lastLine + 1;
                line = low - 1;
            } else if (const int keys = PageKeys::keysIn(bytes_, syntax_, line, key); keys > 0) {
                if (keys > 1 || key.region != region ||
                    (region != PageLayout::Count ? key.button != button : !startMenu(key)) ||
                    !readBlockQuickly(key, low))
                    return std::nullopt;
                low = key.lastLine + 1;
                line = low - 1;
            } else {
                continue;
            }
            if (region == PageLayout::Count || ++button > counted_.count) {
                region = nextRegion(counted_.form, region);
                button = 1;
            }
        }
        if (region != noRegion || !finish() || state_.changedLine != 0)
            return std::nullopt;
        return reading();
    }

private:
    static constexpr int noRegion = -1;

    // The region after `region` in the page's form, or none.
    static int nextRegion(PageForm form, int region) {
        for (int next = region + 1; next <= PageLayout::Buttons; ++next)
            if (PageLayout::hasRegion(form, next))
                return next;
        return noRegion;
    }

    // The block of `key`, in the writer's own form, where it starts no earlier than line `low`
    // in the context its key line is live in; the page is read on after it in that context.
    bool readBlockQuickly(PageKey& key, qsizetype low) {
        const qsizetype first = key.line - PageKeys::linesBeforeKey(counted_.form, key.region);
        const PageSyntax::Context live =
            PageLayout::inScript(counted_.form, key.region) ? PageSyntax::Script : PageSyntax::Html;
        if (first < low || syntax_.settled(first) != live ||
            !readBlock(key, low, syntax_.lines(), true))
            return false;
        syntax_.resume(key.lastLine + 1, live);
        return true;
    }

    // The count of `key` and its form, as every block of it holds.
    bool startMenu(const PageKey& key) {
        if (key.button < 1 || key.button > MenuPage::maxButtons)
            return false;
        counted_.count = key.button;
        counted_.form = state_.menu.form = frame_.form = key.form;
        for (int region = PageLayout::Script; region <= PageLayout::Buttons; ++region)
            counted_.held[std::size_t(region)] =
                PageLayout::hasRegion(key.form, region) ? key.button : 0;
        state_.menu.buttons.resize(counted_.count);
        state_.images.reserve(std::size_t(counted_.count));
        return true;
    }

    PageReading reading() {
        frame_.bytes = page_; // shared, not copied
        if (state_.changedLine == 0)
            frame_.read.menu = std::make_shared<const Menu>(state_.menu);
        return {std::move(state_.menu), std::move(frame_), state_.changedLine, Refusal::None, {}};
    }

    PageReading refused() const {
        return {Menu{}, PageFrame{}, 0, refusal_.why(), refusal_.words()};
    }

    // Reads the block of `key`, which may reach from line `low` up to line `high`, and keeps
    // it, with its author's form where it has one. A region's first block gives the line end
    // its new blocks are written with.
    bool readBlock(PageKey& key, qsizetype low, qsizetype high, bool exactly = false) {
        PageFrame::Region& region = frame_.regions[std::size_t(key.region)];
        if (region.blocks.isEmpty()) {
            region.eol =
                bytes_.sliced(syntax_.end(key.line), syntax_.next(key.line) - syntax_.end(key.line))
                    .toByteArray();
            region.blocks.reserve(2 * counted_.count);
        }
        BlockTemplate form;
        if (exactly ? !matcher_.readExactly(key, low, high, region.eol)
                    : !matcher_.read(key, low, high, region.eol, form))
            return false;
        region.blocks.append(key.from);
        region.blocks.append(key.to);
        if (key.region == PageLayout::Count)
            frame_.countLines = std::move(form);
        else
            state_.menu.buttons[key.button - 1].ownLines.set(std::size_t(key.region - 1),
                                                             std::move(form));
        return true;
    }

    // After every block: the regions apart from one another, each block where its button
    // stands, and the pictures in the menu as the script names them.
    bool assemble() {
        std::array<qsizetype, 4> next = {1, 1, 1, 1};
        std::array<bool, 4> done = {};
        int current = -1;
        for (const PageKey& key : keys_) { // read in page order
            if (key.region != current && done[std::size_t(key.region)])
                return refusal_.mixed(current, key.region, syntax_.lineAt(key.from));
            if (current >= 0 && key.region != current)
                done[std::size_t(current)] = true;
            current = key.region;
            if (key.region != PageLayout::Count && key.button != next[std::size_t(key.region)])
                state_.changed(syntax_.lineAt(key.from));
            ++next[std::size_t(key.region)];
        }
        if (counted_.held[PageLayout::Buttons] < counted_.count)
            state_.changed(syntax_.lineAt(frame_.regions[PageLayout::Buttons].to()));
        return finish();
    }

    // The menu's direction, and the pictures in the menu as the script names them.
    bool finish() {
        state_.menu.iMenuType = state_.direction.value_or(MenuType::Vertical);
        PageBuffer written;
        for (const ImageCheck& image : state_.images) {
            written.clear();
            PageEscaping::appendHtmlAttribute(written,
                                              state_.menu.buttons[image.button - 1].normalImage);
            if (written.view() != (image.spelt >= 0
                                       ? QByteArrayView(state_.spelt[image.spelt])
                                       : bytes_.sliced(image.from, image.to - image.from)))
                state_.changed(image.line - 1);
        }
        return true;
    }

    const QByteArray page_;
    QByteArrayView bytes_;
    PageSyntax syntax_;
    PageCharset charset_;
    PageRefusal refusal_;
    ReadingState state_;
    PageMatcher matcher_;
    std::vector<PageKey> keys_;
    PageKeys::Counted counted_;
    PageFrame frame_;
};

} // namespace

bool MenuPage::keepsUnreadableBytes(const Menu& menu) {
    const auto raw = [](const QString& value) {
        return std::any_of(value.begin(), value.end(),
                           [](QChar c) { return PageCharset::isRawByte(c.unicode()); });
    };
    return std::any_of(menu.buttons.begin(), menu.buttons.end(), [&](const MenuButton& button) {
        return raw(button.normalImage) || raw(button.overImage) || raw(button.link) ||
               raw(button.frame) || raw(button.text);
    });
}

PageReading MenuPage::read(const QByteArray& bytes) {
    if (std::optional<PageReading> reading = PageReader(bytes).readQuickly())
        return std::move(*reading);
    return readLineByLine(bytes);
}

PageReading MenuPage::readLineByLine(const QByteArray& bytes) {
    PageReading reading = PageReader(bytes).read();
    // A page changed by hand gets Tessel's own form of its menu where it differs. Where the
    // page so written would not read back as this menu (a line of the author's left open
    // before a block, which would take it in), it is refused at its first change instead.
    if (reading.refusal == Refusal::None && reading.changedLine > 0) {
        const QByteArray written = text(reading.menu, reading.frame);
        const PageReading again = PageReader(written).read();
        const bool kept = again.changedLine == 0 || (keepsUnreadableBytes(again.menu) &&
                                                     text(again.menu, again.frame) == written);
        if (again.refusal != Refusal::None || !kept || !again.menu.sameValues(reading.menu)) {
            const PageSyntax syntax(bytes);
            PageRefusal refusal(bytes, syntax);
            refusal.changedBeyondReading(reading.changedLine - 1);
            return {Menu{}, PageFrame{}, 0, refusal.why(), refusal.words()};
        }
    }
    return reading;
}

PageReading MenuPage::open(const QString& path) {
    const PageFile::Loaded loaded = PageFile::load(path, maxBytes);
    if (!loaded.error.isEmpty())
        return {Menu{}, PageFrame{}, 0, Refusal::NoFile, loaded.error};
    return read(loaded.bytes);
}
