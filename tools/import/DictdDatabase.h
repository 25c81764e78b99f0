#pragma once

#include <QList>
#include <QString>

// One dictd database (NAME.index with NAME.dict.dz or NAME.dict), read as its articles: each
// article once, its term as spelled on its first line, its definition as the lines after the
// headword lines.
class DictdDatabase
{
public:
    struct Article
    {
        QString term;
        QString definition; // white space collapsed, {cross references} as plain text
    };

    struct Result
    {
        QList<Article> articles;
        QString error; // "file:line: what" when the database cannot be read faithfully
        bool ok() const { return error.isEmpty(); }
    };

    // basePath is the database without its extension, e.g. /usr/share/dictd/foldoc.
    static Result read(const QString& basePath);
    // The parts, for files already in memory.
    static Result parse(const QByteArray& index, const QString& indexName, const QByteArray& data,
                        const QString& dataName);
    static Article articleOf(const QString& text);
    static QString flatten(QStringView text);
};
