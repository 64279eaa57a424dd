// Feeds arbitrary text to the site evaluation: the first byte picks the refresh delay,
// the rest is split at NUL bytes into title, keywords and description. Every score must
// stay within 0 to 60 and the sum must match the elements.
#include "core/evaluation/SiteEvaluation.h"
#include "core/platform/Windows1252.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int delay = int(data[0]) - 2;
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const QList<QByteArray> parts = rest.split('\0');
    const QString title = Windows1252::decodeUtf8OrWindows1252(parts.value(0));
    const QString keywords = Windows1252::decodeUtf8OrWindows1252(parts.value(1));
    const QString description = Windows1252::decodeUtf8OrWindows1252(parts.value(2));

    const SiteEvaluation::Result result = SiteEvaluation::evaluate(title, keywords, description, delay);
    int sum = 0;
    for (const SiteEvaluation::ElementResult& e : result.elements) {
        if (e.score < 0 || e.score > 60 || e.rating.isEmpty())
            std::abort();
        sum += e.score;
    }
    if (result.elements.size() != 4 || sum != result.sum || result.statusText.isEmpty())
        std::abort();
    for (int i = 0; i < 4; ++i) {
        if (SiteEvaluation::details(result, i).isEmpty())
            std::abort();
    }
    const SiteEvaluation::Repetitions rep = SiteEvaluation::repetitions(title, true);
    if (rep.repeated < 0 || rep.repeated > rep.words)
        std::abort();
    return 0;
}
