#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One dictd database (NAME.index with NAME.dict.dz or NAME.dict), read as its articles: each
// article once, with every headword it is filed under and its definition.
class DictdDatabase
{
public:
    struct Article
    {
        QStringList terms;  // the headwords as spelled in the article, the main one first
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
    // Adds the index's keys for an article that its headword lines do not spell: a headword
    // wrapped over two lines is joined, any other key becomes a headword as the index spells it.
    static void addIndexKeys(Article& article, const QStringList& keys);
    static QString flatten(QStringView text);
};
