// Saves and loads a project whose status report has 100,000 entries and whose
// submission state has 5,000 items, as a long-used project file would.
#include "core/platform/TDateTime.h"
#include "core/project/TSdProjectContainer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

// Processor time of this process: on a busy machine a fairer figure than the wall clock.
double cpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.sit"));

    TSdProjectContainer container;
    TSdProjectData* project = container.NewDefaultProject(1);
    TProjektDetails& details = project->ProjektDetails();
    details.SetTitle(QStringLiteral("Bench site"));
    details.SetURL(QStringLiteral("http://www.example.org/"));
    for (int n = 1; n <= 15; ++n)
        details.SetKey(n, QStringLiteral("keyword%1").arg(n));
    const double day = TDateTime::now();
    for (int i = 0; i < 5000; ++i) {
        TSDAnmeldeStatusItem* item = project->AnmeldeStatus().Add();
        item->SetText(QStringLiteral("Search service %1").arg(i));
        item->SetDate(i % 3 ? day - i : 0.0);
        item->SetNumber(i + 1);
    }
    for (int i = 0; i < 100000; ++i) {
        TStatusberichtItem* entry = project->Status().Add();
        entry->SetSuchdienst(QStringLiteral("Search service %1").arg(i % 5000));
        entry->SetDate(day - i / 1000.0);
        TStatusberichtDetails& d = entry->Details();
        d.SetFehlermeldung(i % 10 ? QStringLiteral("OK") : QStringLiteral("Zeitüberschreitung"));
        d.SetFehlercode(i % 10 ? 200 : 10060);
        d.SetEngineNr(i % 5000 + 1);
        d.SetURLAnmeldeseite(QStringLiteral("http://service%1.example/submit.php").arg(i % 5000));
        d.SetPfadAntwortSeite(QStringLiteral("/home/user/Sendora/HTML/20240101/Bench site/reply_%1.html").arg(i));
        d.SetSubmittedURL(QStringLiteral("http://www.example.org/"));
    }
    container.SetFilename(path);

    QElapsedTimer timer;
    timer.start();
    double cpu = cpuSeconds();
    container.SaveProjects();
    const double saveSeconds = timer.nsecsElapsed() / 1e9;
    const double saveCpu = cpuSeconds() - cpu;

    TSdProjectContainer loaded;
    loaded.SetFilename(path);
    timer.restart();
    cpu = cpuSeconds();
    loaded.LoadProjects();
    const double loadSeconds = timer.nsecsElapsed() / 1e9;
    const double loadCpu = cpuSeconds() - cpu;

    if (loaded.ProjectCount() != 1 || loaded.Project(0)->Status().Count() != 100000
        || loaded.Project(0)->AnmeldeStatus().Count() != 5000) {
        std::fprintf(stderr, "the loaded project differs\n");
        return 1;
    }
    std::printf("project_io.save %.3f s\n", saveSeconds);
    std::printf("project_io.save_cpu %.3f s\n", saveCpu);
    std::printf("project_io.load %.3f s\n", loadSeconds);
    std::printf("project_io.load_cpu %.3f s\n", loadCpu);
    std::printf("project_io.file_size %lld bytes\n", QFileInfo(path).size());
    return 0;
}
