#include "core/services/ServiceExport.h"

#include "core/platform/SdError.h"
#include "core/platform/Windows1252.h"
#include "core/services/TDatenmodul.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace ServiceExport {

namespace {

QStringList opening()
{
    return {QStringLiteral("<!doctype html public \"-//w3c//dtd html 4.0 transitional//en\">"),
            QStringLiteral("<html>"),
            QStringLiteral("<head>"),
            QStringLiteral("<title>")
                + QCoreApplication::translate("TfrmEnginesExport", "Search engines",
                                              "IDS_Suchmaschinen")
                + QStringLiteral("</title>"),
            QStringLiteral("</head>"),
            QStringLiteral("<body>"),
            QStringLiteral("<pre>")};
}

QStringList closing()
{
    return {QStringLiteral("</pre>"), QStringLiteral("</body>"), QStringLiteral("</html>")};
}

void listServices(const TDatenmodul& data, bool onlyTicked, QStringList& out)
{
    int number = 0;
    const QList<qint32> numbers = data.numbersInOrder(TDatenmodul::nameIndex(), onlyTicked);
    for (qint32 nr : numbers) {
        const TServiceRecord* r = data.recordByNr(nr);
        if (!r || (onlyTicked && !r->boolean(ServiceField::Ausgewaehlt)))
            continue;
        out << QString::number(++number) + QStringLiteral(") ") + r->text(ServiceField::Name);
    }
}

} // namespace

QStringList lines(const TDatenmodul& data, bool onlyTicked)
{
    QStringList out = opening();
    listServices(data, onlyTicked, out);
    out << closing();
    return out;
}

void write(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += Windows1252::encode(line) + "\r\n";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw SdError(QCoreApplication::translate("TfrmEnginesExport",
                                                  "The file %1 cannot be written: %2",
                                                  "IDS_Schreibfehler")
                          .arg(path, file.errorString()));
}

void exportServices(const TDatenmodul& data, bool onlyTicked, const QString& path)
{
    QStringList out = opening();
    try {
        listServices(data, onlyTicked, out);
    } catch (const SdError&) {
        out << closing();
        write(path, out);
        throw;
    }
    out << closing();
    write(path, out);
}

} // namespace ServiceExport
