#pragma once

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

#include <map>
#include <memory>

namespace richedit::docx {

/// The parts of a .docx container, read with limits: a damaged archive, a part larger than
/// it says or than we accept, more XML in total than we accept, or XML with a document type
/// declaration ends in `richedit::Error`.
class Package {
public:
    explicit Package(const QByteArray &data);
    ~Package();
    Package(const Package &) = delete;
    Package &operator=(const Package &) = delete;

    bool contains(const QString &name) const;
    /// The part's bytes; throws when it is missing or too large.
    QByteArray read(const QString &name);
    /// The part parsed as XML; throws when it is missing, malformed or declares a DTD.
    std::unique_ptr<pugi::xml_document> readXml(const QString &name);

    /// Relationship id → target part name (or external address) of a part.
    struct Relationship {
        QString target;
        QString type;
        bool external = false;
    };
    std::map<QString, Relationship> relationships(const QString &partName);

    static constexpr qint64 maxXmlTotal = qint64(512) << 20;
    static constexpr qint64 maxPartSize = qint64(256) << 20;

private:
    void *m_archive = nullptr;
    void *m_source = nullptr;
    std::map<QString, qint64> m_entries; // name → index
    qint64 m_xmlRead = 0;
};

/// The local part of an element or attribute name ("w:p" → "p").
inline const char *localName(const char *name)
{
    for (const char *p = name; *p; ++p)
        if (*p == ':')
            return p + 1;
    return name;
}

/// The first child element with a local name, or an empty node.
pugi::xml_node child(pugi::xml_node node, const char *name);
/// An attribute by local name, or an empty attribute.
pugi::xml_attribute attribute(pugi::xml_node node, const char *name);
/// The "val" attribute of a child element.
QString childValue(pugi::xml_node node, const char *name);
bool hasLocalName(pugi::xml_node node, const char *name);

} // namespace richedit::docx
