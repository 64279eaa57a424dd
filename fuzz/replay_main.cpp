// Runs a libFuzzer target over the files of a corpus without libFuzzer, so that the
// normal build and ctest replay the seeds with any compiler. Arguments: files or
// folders; without arguments the folder named by SENDORA_CORPUS.
#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    QStringList inputs;
    for (int i = 1; i < argc; ++i)
        inputs << QString::fromLocal8Bit(argv[i]);
    if (inputs.isEmpty())
        inputs << qEnvironmentVariable("SENDORA_CORPUS");

    int count = 0;
    for (const QString& input : inputs) {
        QStringList files;
        if (QFileInfo(input).isDir()) {
            QDirIterator it(input, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << it.next();
        } else {
            files << input;
        }
        files.sort();
        for (const QString& path : files) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
                return 2;
            }
            const QByteArray bytes = file.readAll();
            std::printf("%s\n", qPrintable(QFileInfo(path).fileName()));
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   std::size_t(bytes.size()));
            ++count;
        }
    }
    std::printf("%d inputs replayed\n", count);
    return count > 0 ? 0 : 1;
}
