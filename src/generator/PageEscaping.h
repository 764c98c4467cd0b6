#pragma once

#include "generator/PageBuffer.h"
#include "generator/PageCharset.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <string_view>

// How user text is put into the page so that it means there what the user typed, whatever
// characters it holds and whatever encoding the browser assumes, and how it is read back.
// Every written result is pure ASCII.
namespace PageEscaping {

// Each appends its result to `out`, so a page is built without a buffer per value.

// Non-ASCII characters as the percent-encoded bytes of their UTF-8 form; ASCII is kept.
void appendPercentEncoded(PageBuffer& out, const QString& text);

// An image name or a link inside a script's double-quoted string.
void appendScriptString(PageBuffer& out, const QString& addressOrName);

// The normal image's name inside the img tag's double-quoted src attribute.
void appendHtmlAttribute(PageBuffer& out, const QString& address);

// Text inside an HTML attribute or element (a button's text, a page's title): ASCII but for
// & " < >, which are written as references, as are controls and every non-ASCII character, so
// that the page means the same in any encoding.
void appendHtmlText(PageBuffer& out, const QString& text);

// An HTML5 link's target: the frame, or the parent window where none is named, as the classic
// form's script opens it.
constexpr std::string_view parentTarget = "_parent";
void appendTarget(PageBuffer& out, const QString& frame);

// The statement (without indent) that opens `link` for a button whose frame is `frame`:
//   parent.location = "LINK";  parent.FRAME.location = "LINK";  window.open("LINK", "FRAME");
namespace LinkStatement {
constexpr std::string_view parentStart = "parent.", locationIs = ".location = \"", end = "\";";
constexpr std::string_view openStart = "window.open(\"", openBetween = "\", \"", openEnd = "\");";
} // namespace LinkStatement

void appendLinkStatement(PageBuffer& out, const QString& frame, const QString& link);

// True where `frame` can be reached as parent.<frame>: a plain script name that no browser
// keyword or built-in window property takes.
bool isPlainFrameName(const QString& frame);

// Reading back. Each takes the bytes from `at` on, moves `at` past what it read and says
// whether it could; `exact` turns false where the bytes are not what writing the result
// would give (a hand edit that still reads).

// Characters typed by hand, not escaped, are read in `charset`.

// A script string written by appendScriptString, up to its closing quote (not taken).
bool readScriptString(QByteArrayView bytes, qsizetype& at, QString& text,
                      const PageCharset& charset, bool& exact);

// Where an attribute value written by appendHtmlAttribute ends from `at` on: at its closing
// quote, which the value never holds; -1 where the line has none.
qsizetype htmlAttributeEnd(QByteArrayView bytes, qsizetype at);

// A statement written by appendLinkStatement.
bool readLinkStatement(QByteArrayView bytes, qsizetype& at, QString& frame, QString& link,
                       const PageCharset& charset, bool& exact);

// An attribute value written by appendHtmlAttribute or appendHtmlText, up to its closing
// quote (not taken); character references and, in an address, percent-encoded characters read.
bool readHtmlAddress(QByteArrayView bytes, qsizetype& at, QString& text, const PageCharset& charset,
                     bool& exact);
bool readHtmlText(QByteArrayView bytes, qsizetype& at, QString& text, const PageCharset& charset,
                  bool& exact);

// A target written by appendTarget.
bool readTarget(QByteArrayView bytes, qsizetype& at, QString& frame, const PageCharset& charset,
                bool& exact);

// The classic form's ` alt="TEXT"`, where the author or Tessel put a text in a button's img
// tag: from `at` to the tag's end. Moves `at` to it and past it where it is there and not
// empty, and says where it starts; else leaves `at` and the text empty. False where its value
// cannot be read.
bool readOptionalAlt(QByteArrayView bytes, qsizetype& at, qsizetype& start, QString& text,
                     const PageCharset& charset, bool& exact);
constexpr std::string_view altStart = " alt=\"";

} // namespace PageEscaping
