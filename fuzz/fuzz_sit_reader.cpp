// Feeds arbitrary bytes to the project file loader. Besides crashes, hangs and oversized
// allocations, whatever loads must save and load again with the same projects.
#include "core/platform/SdError.h"
#include "core/project/TSdProjectContainer.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray save(TSdProjectContainer& container)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    container.WriteProjects(buffer);
    return buffer.data();
}

QByteArray reload(const QByteArray& saved, int projects)
{
    TSdProjectContainer container;
    try {
        container.ReadProjects(saved);
    } catch (const SdError&) {
        std::abort();
    }
    if (container.ProjectCount() != projects)
        std::abort();
    return save(container);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TSdProjectContainer container;
    try {
        container.ReadProjects(bytes);
    } catch (const SdError&) {
        return 0;
    }
    container.SetAllModified(false);
    const QByteArray first = save(container);
    // A file we wrote must load. Its second save may differ from the first only where
    // the format recomputes: an empty AKeywords or NameVorname is not stored, so it comes
    // back joined from the keys and names. From then on saving is a fixed point.
    const QByteArray second = reload(first, container.ProjectCount());
    const QByteArray third = reload(second, container.ProjectCount());
    if (third != second) {
        qsizetype i = 0;
        while (i < qMin(second.size(), third.size()) && second[i] == third[i])
            ++i;
        std::fprintf(stderr, "saved streams differ at byte %lld:\n%s\n%s\n", qint64(i),
                     second.mid(i - qMin<qsizetype>(i, 32), 64).toHex(' ').constData(),
                     third.mid(i - qMin<qsizetype>(i, 32), 64).toHex(' ').constData());
        std::abort();
    }
    return 0;
}
