// Every text of the program exists in German and French: the translation files are
// complete, match each other and match what the sources ask for.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

QString key(const Message& m)
{
    return m.context + QLatin1Char('\x1f') + m.source + QLatin1Char('\x1f') + m.comment;
}

// The text of the current element. lupdate writes characters that XML cannot carry
// (the carriage returns of composed messages) as <byte value="xd"/>.
QString readText(QXmlStreamReader& xml)
{
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.name() == QLatin1String("byte")) {
                QString value = xml.attributes().value(QLatin1String("value")).toString();
                if (value.startsWith(QLatin1Char('x')))
                    value = QStringLiteral("0") + value;
                bool ok = false;
                const uint code = value.toUInt(&ok, 0);
                if (ok)
                    text += QChar(char16_t(code));
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return text;
}

QList<Message> readTs(const QString& path, QString* error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = readText(xml);
        } else if (name == QLatin1String("message")) {
            current = Message {context, {}, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            current.source = readText(xml);
        } else if (name == QLatin1String("comment")) {
            current.comment = readText(xml);
        } else if (name == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            current.translation = readText(xml);
            messages << current;
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QString translationsFolder()
{
    return qEnvironmentVariable("SENDORA_SOURCE_DIR") + QStringLiteral("/resources/translations");
}

QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("%\\d+"));
    QSet<QString> found;
    for (const auto& m : re.globalMatch(text))
        found << m.captured();
    return found;
}

bool hasMnemonic(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&'))
                return true;
            ++i;
        }
    }
    return false;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void complete_data();
    void complete();
    void languagesMatchEachOther();
    void filesMatchTheSources();
    void noHomeMadeTrFunctions();
};

void TestTranslations::complete_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "de";
    QTest::newRow("French") << "fr";
}

void TestTranslations::complete()
{
    QFETCH(QString, language);
    QString error;
    const auto messages
        = readTs(translationsFolder() + QStringLiteral("/sendora_%1.ts").arg(language), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!messages.isEmpty());
    for (const Message& m : messages) {
        const QByteArray where = (m.context + QStringLiteral(": ") + m.source).toUtf8();
        QVERIFY2(m.type.isEmpty(), where.constData());
        QVERIFY2(!m.translation.trimmed().isEmpty(), where.constData());
        QVERIFY2(placeholders(m.translation) == placeholders(m.source), where.constData());
        QVERIFY2(hasMnemonic(m.translation) == hasMnemonic(m.source), where.constData());
    }
}

void TestTranslations::languagesMatchEachOther()
{
    QString error;
    QSet<QString> german;
    for (const Message& m : readTs(translationsFolder() + QStringLiteral("/sendora_de.ts"), &error))
        german << key(m);
    QSet<QString> french;
    for (const Message& m : readTs(translationsFolder() + QStringLiteral("/sendora_fr.ts"), &error))
        french << key(m);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(german, french);
}

void TestTranslations::filesMatchTheSources()
{
    const QString lupdate = qEnvironmentVariable("SENDORA_LUPDATE");
    if (lupdate.isEmpty() || !QFileInfo(lupdate).isExecutable())
        QSKIP("lupdate is not available");

    QTemporaryDir dir;
    const QString extracted = dir.filePath(QStringLiteral("extracted.ts"));
    QProcess process;
    process.start(lupdate, {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                            QStringLiteral("none"), QStringLiteral("-silent"),
                            qEnvironmentVariable("SENDORA_SOURCE_DIR") + QStringLiteral("/src"),
                            QStringLiteral("-ts"), extracted});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);

    QString error;
    QSet<QString> wanted;
    for (const Message& m : readTs(extracted, &error))
        wanted << key(m);
    QSet<QString> present;
    for (const Message& m : readTs(translationsFolder() + QStringLiteral("/sendora_de.ts"), &error))
        present << key(m);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    const QSet<QString> missing = wanted - present;
    const QSet<QString> stale = present - wanted;
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("not in the translation files (run the update_translations "
                                       "target and translate): ")
                        + QStringList(missing.values()).join(QStringLiteral(" | "))));
    QVERIFY2(stale.isEmpty(),
             qPrintable(QStringLiteral("no longer in the sources: ")
                        + QStringList(stale.values()).join(QStringLiteral(" | "))));
}

void TestTranslations::noHomeMadeTrFunctions()
{
    // A free function "tr" that forwards to QCoreApplication::translate hides the real
    // context from lupdate: the texts are extracted under one context and looked up
    // under another, so they are never translated. Q_DECLARE_TR_FUNCTIONS(Context) in a
    // small struct, or QCoreApplication::translate with the literal context, keep both
    // in step.
    static const QRegularExpression homeMade(
        QStringLiteral("^\\s*(static\\s+|inline\\s+)*QString\\s+tr\\s*\\("),
        QRegularExpression::MultilineOption);
    const QString root = qEnvironmentVariable("SENDORA_SOURCE_DIR") + QStringLiteral("/src");
    QDirIterator it(root, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    QStringList offenders;
    while (it.hasNext()) {
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        if (homeMade.match(QString::fromUtf8(file.readAll())).hasMatch())
            offenders << QDir(root).relativeFilePath(file.fileName());
    }
    QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QStringLiteral(", "))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_Translations.moc"
