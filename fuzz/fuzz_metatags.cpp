// Feeds arbitrary bytes as a page to the meta tag reader, the tag extractor, the
// refresh reader and the title extraction; what was read must generate lines that read
// back without a crash, and every extracted tag must be shorter than the page.
#include "core/details/SiteChecker.h"
#include "core/metatags/TLastInfo.h"
#include "core/platform/HtmlText.h"
#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/platform/TextLines.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

class SilentMessages final : public Messages
{
public:
    Result show(Kind, const QString&, Buttons buttons) override
    {
        return buttons == Buttons::Ok ? Result::Ok : Result::Yes;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static SilentMessages messages;
    Platform::setMessages(&messages);

    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = HtmlText::decode(bytes).text;
    const QStringList lines = TextLines::split(text);

    const QStringList tags = TLastInfo::ExtractMetaTags(text);
    for (const QString& tag : tags) {
        if (tag.size() > text.size())
            std::abort();
        const QString normalized = TLastInfo::NormalizeTag(tag);
        if (normalized.size() > tag.size() || normalized.contains(QLatin1Char('"')))
            std::abort();
    }
    if (TLastInfo::RefreshDelay(text) < -1)
        std::abort();
    (void)SiteChecker::extractTitle(text);

    TLastInfo info;
    if (info.ReadFromLines(lines)) {
        QStringList generated;
        if (info.GenerateLines(generated)) {
            TLastInfo again;
            (void)again.ReadFromLines(generated);
        }
    }
    return 0;
}
