#include "ZipFixture.h"

#include <zip.h>

#include <cstdio>
#include <list>

namespace richedit::test {

QByteArray makeZip(const std::vector<std::pair<QString, QByteArray>> &entries, bool store)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t *archive = zip_open_from_source(source, ZIP_TRUNCATE, &error);
    zip_source_keep(source);
    std::list<QByteArray> keep; // libzip reads the buffers when the archive closes
    for (const auto &[name, content] : entries) {
        keep.push_back(content);
        zip_source_t *data = zip_source_buffer(archive, keep.back().constData(), zip_uint64_t(keep.back().size()), 0);
        const zip_int64_t index = zip_file_add(archive, name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8);
        if (store)
            zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0);
    }
    zip_close(archive);
    zip_source_open(source);
    zip_source_seek(source, 0, SEEK_END);
    const zip_int64_t size = zip_source_tell(source);
    zip_source_seek(source, 0, SEEK_SET);
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    zip_source_read(source, bytes.data(), zip_uint64_t(size));
    zip_source_close(source);
    zip_source_free(source);
    zip_error_fini(&error);
    return bytes;
}

QByteArray makeDocx(const QByteArray &bodyXml, const std::vector<std::pair<QString, QByteArray>> &extraParts,
                    const QByteArray &extraRelationships)
{
    std::vector<std::pair<QString, QByteArray>> parts = {
        {QStringLiteral("[Content_Types].xml"),
         "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>"},
        {QStringLiteral("_rels/.rels"),
         "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
         "Target=\"word/document.xml\"/></Relationships>"},
        {QStringLiteral("word/_rels/document.xml.rels"),
         "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
             extraRelationships + "</Relationships>"},
        {QStringLiteral("word/document.xml"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document "
         "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
         "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><w:body>" +
             bodyXml + "</w:body></w:document>"},
    };
    parts.insert(parts.end(), extraParts.begin(), extraParts.end());
    return makeZip(parts);
}

} // namespace richedit::test
