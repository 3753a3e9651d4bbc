#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// Every RTF document of the disc, each with the function that writes its content.
namespace kestrane::demo {

struct Document
{
    QString folder; // "richtext" or "dalworth"
    QString name;   // "57desc.rtf"
    std::function<QByteArray()> make;
};

QList<Document> yearDocuments();                  // per model year and the special categories
QList<Document> categoryDocuments();              // descriptions of the category pages
QList<Document> photoDetailDocuments(bool small); // one per photograph of the detail categories
QList<Document> menuDocuments();                  // articles, magazines, reference and help texts

QList<Document> allDocuments(bool small);

} // namespace kestrane::demo
