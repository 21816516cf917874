#include "DocxPackage.h"

#include "platform/richedit/Error.h"

#include <QDir>

#include <cstring>
#include <zip.h>

namespace richedit::docx {

namespace {

zip_t *archive(void *handle) { return static_cast<zip_t *>(handle); }

QString zipMessage(zip_error_t *error)
{
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

} // namespace

Package::Package(const QByteArray &data)
{
    if (data.isEmpty())
        throw Error(QStringLiteral("it is not a valid Word document: the file is empty."));
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(data.constData(), zip_uint64_t(data.size()), 0, &error);
    if (!source) {
        const QString message = zipMessage(&error);
        zip_error_fini(&error);
        throw Error(QStringLiteral("its Word container could not be opened (%1).").arg(message));
    }
    zip_t *za = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!za) {
        zip_source_free(source);
        const QString message = zipMessage(&error);
        zip_error_fini(&error);
        throw Error(QStringLiteral("it is not a valid Word document: the container is damaged or incomplete (%1).")
                        .arg(message));
    }
    zip_error_fini(&error);
    m_archive = za;
    const zip_int64_t count = zip_get_num_entries(za, 0);
    for (zip_int64_t i = 0; i < count; ++i)
        if (const char *name = zip_get_name(za, zip_uint64_t(i), ZIP_FL_ENC_GUESS))
            m_entries[QString::fromUtf8(name)] = i;
}

Package::~Package()
{
    if (m_archive)
        zip_discard(archive(m_archive));
}

bool Package::contains(const QString &name) const
{
    return m_entries.count(name) > 0;
}

QByteArray Package::read(const QString &name)
{
    const auto it = m_entries.find(name);
    if (it == m_entries.end())
        throw Error(QStringLiteral("the part \"%1\" is missing.").arg(name));
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive(m_archive), zip_uint64_t(it->second), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        throw Error(QStringLiteral("the part \"%1\" is damaged.").arg(name));
    if (stat.size > zip_uint64_t(maxPartSize))
        throw Error(QStringLiteral("the part \"%1\" is larger than %2 MiB.").arg(name).arg(maxPartSize >> 20));
    zip_file_t *file = zip_fopen_index(archive(m_archive), zip_uint64_t(it->second), 0);
    if (!file)
        throw Error(QStringLiteral("the part \"%1\" could not be unpacked.").arg(name));
    // Read one byte more than declared: an entry that inflates beyond its size is refused.
    QByteArray bytes(qsizetype(stat.size) + 1, Qt::Uninitialized);
    qint64 total = 0;
    while (total < bytes.size()) {
        const zip_int64_t got = zip_fread(file, bytes.data() + total, zip_uint64_t(bytes.size() - total));
        if (got < 0) {
            zip_fclose(file);
            throw Error(QStringLiteral("the part \"%1\" is damaged and could not be unpacked.").arg(name));
        }
        if (got == 0)
            break;
        total += got;
    }
    zip_fclose(file);
    if (total != qint64(stat.size))
        throw Error(QStringLiteral("the part \"%1\" does not have the size the container declares.").arg(name));
    bytes.truncate(total);
    return bytes;
}

std::unique_ptr<pugi::xml_document> Package::readXml(const QString &name)
{
    const QByteArray bytes = read(name);
    m_xmlRead += bytes.size();
    if (m_xmlRead > maxXmlTotal)
        throw Error(QStringLiteral("it holds more than %1 MiB of XML.").arg(maxXmlTotal >> 20));
    auto document = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result result = document->load_buffer(
        bytes.constData(), std::size_t(bytes.size()), pugi::parse_default | pugi::parse_ws_pcdata_single | pugi::parse_doctype);
    if (!result)
        throw Error(QStringLiteral("the part \"%1\" is not well-formed XML (%2 at byte %3).")
                        .arg(name, QString::fromUtf8(result.description()))
                        .arg(result.offset));
    for (pugi::xml_node node = document->first_child(); node; node = node.next_sibling())
        if (node.type() == pugi::node_doctype)
            throw Error(QStringLiteral("the part \"%1\" declares a document type or entities, which is refused.")
                            .arg(name));
    return document;
}

std::map<QString, Package::Relationship> Package::relationships(const QString &partName)
{
    std::map<QString, Relationship> result;
    const qsizetype slash = partName.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QString() : partName.left(slash);
    const QString relsName = (folder.isEmpty() ? QString() : folder + QLatin1Char('/')) + QStringLiteral("_rels/") +
                             partName.mid(slash + 1) + QStringLiteral(".rels");
    if (!contains(relsName))
        return result;
    const auto xml = readXml(relsName);
    for (pugi::xml_node node : xml->document_element().children()) {
        if (!hasLocalName(node, "Relationship"))
            continue;
        Relationship relationship;
        relationship.type = QString::fromUtf8(node.attribute("Type").value());
        relationship.external = std::strcmp(node.attribute("TargetMode").value(), "External") == 0;
        const QString target = QString::fromUtf8(node.attribute("Target").value());
        if (relationship.external) {
            relationship.target = target;
        } else {
            const QString joined = target.startsWith(QLatin1Char('/')) ? target.mid(1)
                                   : folder.isEmpty()                  ? target
                                                                       : folder + QLatin1Char('/') + target;
            relationship.target = QDir::cleanPath(joined);
            if (relationship.target.startsWith(QLatin1String("..")))
                relationship.target.clear(); // outside the package
        }
        result[QString::fromUtf8(node.attribute("Id").value())] = relationship;
    }
    return result;
}

bool hasLocalName(pugi::xml_node node, const char *name)
{
    return std::strcmp(localName(node.name()), name) == 0;
}

pugi::xml_node child(pugi::xml_node node, const char *name)
{
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element && hasLocalName(c, name))
            return c;
    return {};
}

pugi::xml_attribute attribute(pugi::xml_node node, const char *name)
{
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
        if (std::strcmp(localName(a.name()), name) == 0)
            return a;
    return {};
}

QString childValue(pugi::xml_node node, const char *name)
{
    return QString::fromUtf8(attribute(child(node, name), "val").value());
}

} // namespace richedit::docx
