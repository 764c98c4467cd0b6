#pragma once

#include <QString>

#include <string>

// How user text is put into the page so that it means there what the user typed, whatever
// characters it holds and whatever encoding the browser assumes. Every result is pure ASCII.
namespace PageEscaping {

// Each appends its result to `out`, so a page is built without a buffer per value.

// Non-ASCII characters as the percent-encoded bytes of their UTF-8 form; ASCII is kept.
void appendPercentEncoded(std::string& out, const QString& text);

// An image name or a link inside a script's double-quoted string.
void appendScriptString(std::string& out, const QString& addressOrName);

// The normal image's name inside the img tag's double-quoted src attribute.
void appendHtmlAttribute(std::string& out, const QString& address);

// The statement (without indent) that opens `link` for a button whose frame is `frame`.
void appendLinkStatement(std::string& out, const QString& frame, const QString& link);

// True where `frame` can be reached as parent.<frame>: a plain script name that no browser
// keyword or built-in window property takes.
bool isPlainFrameName(const QString& frame);

} // namespace PageEscaping
