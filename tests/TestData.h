#pragma once

#include <QtTest>

// The files beside the tests: fixture pictures, reference pages and tables of cases.
namespace TestData {

inline QString path(const QString& name) {
    return QStringLiteral(TESSEL_TEST_DATA "/") + name;
}

inline QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Tab-separated cells without blank and "#" lines; "\u{HEX}" stands for an unprintable character.
inline QList<QStringList> table(const QString& name) {
    static const QRegularExpression character(R"(\\u\{([0-9A-F]+)\})");
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(read(path(name))).split('\n')) {
        QStringList cells = line.split('\t');
        for (QString& cell : cells)
            for (auto hit = character.match(cell); hit.hasMatch(); hit = character.match(cell)) {
                const char32_t code = hit.captured(1).toUInt(nullptr, 16);
                cell.replace(hit.capturedStart(), hit.capturedLength(),
                             code > 0xFFFF ? QString::fromUcs4(&code, 1) : QChar(char16_t(code)));
            }
        if (!line.isEmpty() && !line.startsWith('#'))
            rows.append(cells);
    }
    return rows;
}

// Each row of a table as a case of the running test, read with QFETCH(QStringList, row).
inline void rows(const QString& name) {
    QTest::addColumn<QStringList>("row");
    for (const QStringList& row : table(name))
        QTest::addRow("%s", qPrintable(row.join(" | ").left(70))) << row;
}

} // namespace TestData
