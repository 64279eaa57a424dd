// The meta tag reader on large pages: a page of about a megabyte of ordinary HTML with
// a few meta tags, and a page with 100,000 "<META" occurrences. Prints seconds.
#include "core/details/SiteChecker.h"
#include "core/metatags/TLastInfo.h"
#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/platform/TextLines.h"

#include <QStringList>

#include <cstdio>
#include <ctime>

namespace {

class SilentMessages final : public Messages
{
public:
    Result show(Kind, const QString&, Buttons) override { return Result::No; }
};

// Processor time, so that other work on the machine does not count.
double cpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double secondsToRead(const QStringList& lines)
{
    const double start = cpuSeconds();
    TLastInfo info;
    info.ReadFromLines(lines);
    const QString text = TextLines::join(lines);
    TLastInfo::RefreshDelay(text);
    SiteChecker::extractTitle(text);
    return cpuSeconds() - start;
}

} // namespace

int main()
{
    SilentMessages messages;
    Platform::setMessages(&messages);

    QStringList page { "<html><head><title>Big page</title>",
                       "<meta name=\"keywords\" content=\"a, b, c\">",
                       "<meta http-equiv=\"refresh\" content=\"30\">", "</head><body>" };
    for (qsizetype size = 0; size < 1024 * 1024; size += page.last().size() + 2)
        page.append(QStringLiteral("<p>Some ordinary paragraph text with <b>markup</b> and a "
                                   "<a href=\"x.html\">link</a>, line %1.</p>")
                        .arg(page.size()));
    page.append("</body></html>");
    std::printf("metatags_read.megabyte_page %.4f s\n", secondsToRead(page));

    QStringList metas;
    for (int i = 0; i < 100000; ++i)
        metas.append(QStringLiteral("<META NAME=\"author\" CONTENT=\"a%1\">").arg(i));
    std::printf("metatags_read.100000_meta %.4f s\n", secondsToRead(metas));

    // One line of 100,000 tags without any line break, and the pathological page of
    // one long tag line with many names.
    std::printf("metatags_read.100000_meta_one_line %.4f s\n",
                secondsToRead({ metas.join(QString()) }));
    QString longTag = QStringLiteral("<meta ");
    while (longTag.size() < 1024 * 1024)
        longTag += QStringLiteral("content=x name=keywords ");
    std::printf("metatags_read.megabyte_single_tag %.4f s\n", secondsToRead({ longTag + ">" }));
    return 0;
}
