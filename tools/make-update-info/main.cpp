// make-update-info [-o OUTPUT] [INPUT]
// make-update-info --date YYYY-MM-DD[THH:MM[:SS]]
//
// Reads plain update lines (the eleven fields, each closed by ";") from INPUT or standard
// input and writes them enciphered, one per line, to OUTPUT (default "INFO.DAT"). Blank
// lines and lines starting with "#" are left out. Every line is checked by the same
// parser the program uses; when one fails, nothing is written. --date prints the
// release-date number (days since 30 December 1899) for field 11.

#include "core/platform/SdError.h"
#include "core/platform/TDateTime.h"
#include "core/settings/StringCipher.h"
#include "core/update/UpdateInformation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

int fail(const QString& text)
{
    std::fprintf(stderr, "make-update-info: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale::c()); // field 11 is written with "." in the input

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the enciphered update information file."));
    parser.addHelpOption();
    const QCommandLineOption outputOption({ QStringLiteral("o"), QStringLiteral("output") },
                                          QStringLiteral("The file to write (default INFO.DAT)."),
                                          QStringLiteral("file"), QStringLiteral("INFO.DAT"));
    const QCommandLineOption dateOption(QStringLiteral("date"),
                                        QStringLiteral("Print the field-11 number of a date."),
                                        QStringLiteral("date"));
    parser.addOption(outputOption);
    parser.addOption(dateOption);
    parser.addPositionalArgument(QStringLiteral("input"),
                                 QStringLiteral("Plain lines (default: standard input)."));
    parser.process(app);

    if (parser.isSet(dateOption)) {
        const QDateTime date = QDateTime::fromString(parser.value(dateOption), Qt::ISODate);
        if (!date.isValid())
            return fail(QStringLiteral("not a date: %1").arg(parser.value(dateOption)));
        std::printf("%s\n", qPrintable(QString::number(TDateTime::fromDateTime(date), 'f', 6)));
        return 0;
    }

    const QStringList inputs = parser.positionalArguments();
    if (inputs.size() > 1)
        return fail(QStringLiteral("give at most one input file"));
    QFile input;
    if (inputs.isEmpty()) {
        if (!input.open(stdin, QIODevice::ReadOnly | QIODevice::Text))
            return fail(QStringLiteral("cannot read standard input"));
    } else {
        input.setFileName(inputs.first());
        if (!input.open(QIODevice::ReadOnly | QIODevice::Text))
            return fail(QStringLiteral("%1: %2").arg(inputs.first(), input.errorString()));
    }

    QStringList enciphered;
    QTextStream in(&input);
    int number = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++number;
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(u'#'))
            continue;
        tinfodateifelder record;
        if (!ParseUpdateLine(line, record))
            return fail(
                QStringLiteral("line %1 is not a valid update line: %2").arg(number).arg(line));
        try {
            enciphered.append(EncryptText(line));
        } catch (const SdError& error) {
            return fail(QStringLiteral("line %1: %2").arg(number).arg(error.text()));
        }
    }

    QSaveFile output(parser.value(outputOption));
    if (!output.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("%1: %2").arg(output.fileName(), output.errorString()));
    for (const QString& line : enciphered)
        output.write(line.toLatin1() + "\r\n");
    if (!output.commit())
        return fail(QStringLiteral("%1: %2").arg(output.fileName(), output.errorString()));
    return 0;
}
