#include "ZipWriter.h"

#include <QFile>

#include <sys/stat.h>
#include <zip.h>

bool writeZip(const QString& path, const QList<ZipEntry>& entries)
{
    int error = 0;
    zip_t* archive
        = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    bool ok = true;
    for (const ZipEntry& entry : entries) {
        const QByteArray name = entry.name.toUtf8();
        zip_int64_t index = -1;
        if (entry.type == ZipEntry::Folder) {
            index = zip_dir_add(archive, name.constData(), ZIP_FL_ENC_UTF_8);
        } else {
            zip_source_t* source = zip_source_buffer(archive, entry.data.constData(),
                                                     zip_uint64_t(entry.data.size()), 0);
            index = source ? zip_file_add(archive, name.constData(), source,
                                          ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE)
                           : -1;
            if (index < 0)
                zip_source_free(source);
        }
        if (index < 0) {
            ok = false;
            break;
        }
        zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0);
        mode_t mode = entry.type == ZipEntry::Folder ? (S_IFDIR | 0755)
            : entry.type == ZipEntry::SymbolicLink   ? (S_IFLNK | 0777)
                                                     : (S_IFREG | (entry.executable ? 0755 : 0644));
        zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                         zip_uint32_t(mode) << 16);
    }
    if (!ok) {
        zip_discard(archive);
        return false;
    }
    return zip_close(archive) == 0;
}
