#pragma once

#include <QByteArray>
#include <QByteArrayView>

// A line of Tessel's that its author wrote otherwise but a browser reads alike, spelt again
// as Tessel writes it, so that it reads as Tessel's own: the same HTML with its attributes in
// Tessel's order and case, each value between double quotes; the same script with its strings
// between double quotes. Empty where the line is not such a line, or is spelt as Tessel's
// already.
namespace PageCanon {

// An HTML line against `tessels`, the line as Tessel writes it (with any values): its tags one
// by one, each the same tag with the same attributes, in any order and case, quoted in any way.
// A line that continues a tag of an earlier line has only its single quotes made double ones.
QByteArray html(QByteArrayView line, QByteArrayView tessels);

// A script line whose strings stand between single quotes.
QByteArray script(QByteArrayView line);

} // namespace PageCanon
