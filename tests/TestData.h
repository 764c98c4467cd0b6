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

// A row, its cells read by the names in the table's first row; a last "name..." takes the rest.
struct Row {
    QStringList names, cells;
    QString operator[](const QString& name) const {
        if (!names.contains(name))
            qFatal("the table has no column %s", qPrintable(name));
        return cells.value(names.indexOf(name));
    }
    QStringList rest() const { return cells.mid(names.size() - 1); }
};

// Tab-separated cells; "#" lines are comments, "+<tab>" goes on with the row above.
inline QList<Row> table(const QString& name) {
    static const QRegularExpression character(R"(\\u\{([0-9A-F]+)\})");
    QList<Row> rows;
    for (const QString& line : QString::fromUtf8(read(path(name))).split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        QStringList cells = line.split('\t');
        for (QString& cell : cells)
            for (auto hit = character.match(cell); hit.hasMatch(); hit = character.match(cell)) {
                const char32_t code = hit.captured(1).toUInt(nullptr, 16);
                cell.replace(hit.capturedStart(), hit.capturedLength(),
                             code > 0xFFFF ? QString::fromUcs4(&code, 1) : QChar(char16_t(code)));
            }
        if (cells.first() == "+" && !rows.isEmpty())
            rows.last().cells += cells.mid(1);
        else
            rows.append({rows.isEmpty() ? cells : rows.first().names, cells});
    }
    return rows.mid(1); // the first names the columns
}

// Each row of a table as a case of the running test, read with QFETCH(TestData::Row, row).
inline void rows(const QString& name) {
    QTest::addColumn<Row>("row");
    for (const Row& row : table(name))
        QTest::addRow("%s", qPrintable(row.cells.join(" | ").left(70))) << row;
}

} // namespace TestData

Q_DECLARE_METATYPE(TestData::Row)
