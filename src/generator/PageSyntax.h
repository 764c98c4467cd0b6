#pragma once

#include <QByteArrayView>

#include <memory>
#include <vector>

// A page's lines, and how a browser reads each: where its first character stands in live HTML
// (text or a tag), in live script code, or in anything that does not count (a comment, a
// string, the text of a style or title). Tessel's own lines are only ever live ones.
class PageSyntax {
public:
    enum Context : quint8 { Html, Script, Other };

    explicit PageSyntax(QByteArrayView bytes);
    ~PageSyntax();

    qsizetype lines() const;
    // Line `line` (from 0): where it starts, where its text ends before its line end, and where
    // the next one starts.
    qsizetype start(qsizetype line) const { return starts_[std::size_t(line)]; }
    qsizetype next(qsizetype line) const { return starts_[std::size_t(line) + 1]; }
    qsizetype end(qsizetype line) const;
    // Read as far as asked: a page read forwards is read once; a step back reads it all.
    Context context(qsizetype line);
    // Where line `line` begins in plain HTML (Html) or plain script code (Script), outside any
    // tag, comment or string; or Other. Asked forwards only, as `context`, with which it is not
    // mixed.
    Context settled(qsizetype line);
    // Goes on reading from line `line` in the settled `context`: the lines before it are known
    // to leave the page there, so they need no reading.
    void resume(qsizetype line, Context context);
    bool isBlank(qsizetype line) const;
    // The line that holds byte `at`.
    qsizetype lineAt(qsizetype at) const;

private:
    class Reader;
    qsizetype firstNonBlank(qsizetype line) const;

    QByteArrayView bytes_;
    std::vector<qsizetype> starts_; // one more than the lines: the page's end
    std::unique_ptr<Reader> reader_;
    qsizetype asked_ = -1; // the last line the reader was asked about, and its answer
    Context answer_ = Other;
    std::vector<quint8> contexts_; // every line's, once a step back asked for them
    qsizetype resumed_ = 0;        // where reading last resumed, and in which context
    Context resumedIn_ = Html;
    bool resumePending_ = false;
};
