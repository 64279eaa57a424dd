#include "core/services/ServiceTexts.h"

#include "core/platform/TDateTime.h"

#include <QCoreApplication>

namespace ServiceTexts {

namespace {

QString tr(const char* text, const char* id)
{
    return QCoreApplication::translate("TfrmDetailsZumSuchdienst", text, id);
}

} // namespace

QString kindText(const QString& kategorie)
{
    if (kategorie == QLatin1String("S"))
        return tr("Spider search engine", "IDS_Spider");
    if (kategorie == QLatin1String("V"))
        return tr("Directory", "IDS_Verzeichnis");
    if (kategorie == QLatin1String("A"))
        return tr("Other", "IDS_Andere");
    return tr("Unknown", "IDS_Unbekannt");
}

QString automaticText(bool nurManuell)
{
    return nurManuell ? tr("Only manual submission", "IDS_NurManuell") : tr("Yes", "IDS_Ja");
}

QString feeText(bool kostetGeld)
{
    return kostetGeld ? tr("Yes, this search service charges a fee", "IDS_Kostenpflichtig")
                      : tr("No, registration is free of charge", "IDS_Kostenlos");
}

QString ratingText(const QVariant& bewertung)
{
    switch (bewertung.isNull() ? 0 : bewertung.toInt()) {
    case 0: return tr("New or not very important search service", "IDS_Bewertung0");
    case 1: return tr("Small search service", "IDS_Bewertung1");
    case 2: return tr("Important search service", "IDS_Bewertung2");
    case 3: return tr("Highly important search service", "IDS_Bewertung3");
    case 4: return tr("Top search service", "IDS_Bewertung4");
    default: return tr("Search service not yet rated", "IDS_BewertungKeine");
    }
}

QString delayText(const QVariant& aufnahmeMax, const QString& kategorie)
{
    const int days = aufnahmeMax.isNull() ? 0 : aufnahmeMax.toInt();
    if (days != 0) {
        const int weeks = qRound(days / 7.0);
        if (weeks != 0)
            return tr("Up to %1 weeks", "IDS_Wochen").arg(weeks);
        return tr("%1 days", "IDS_Tage").arg(days);
    }
    if (kategorie == QLatin1String("V") || kategorie == QLatin1String("A"))
        return tr("Varies (generally several weeks)", "IDS_MehrereWochen");
    if (kategorie == QLatin1String("S"))
        return tr("Varies (generally several days)", "IDS_MehrereTage");
    return tr("Unknown", "IDS_Unbekannt");
}

QString lastSubmissionText(std::optional<double> zuletztRegistriert, const QLocale& locale)
{
    if (zuletztRegistriert && *zuletztRegistriert != 0.0) {
        const QDate date = TDateTime::toDate(*zuletztRegistriert);
        if (date.isValid())
            return tr("Website last submitted to this search service on %1", "IDS_Zuletzt")
                .arg(locale.toString(date, QLocale::ShortFormat));
    }
    return tr("You have not yet submitted your current website to this search service",
              "IDS_NochNicht");
}

QString countryText(const QString& land)
{
    return land.trimmed().isEmpty() ? tr("<Information not available>", "IDS_KeineAngabe") : land;
}

QString commentText(const QString& bemerkung)
{
    return bemerkung.trimmed().isEmpty() ? QStringLiteral("/") : bemerkung;
}

QString fallbackPage(int language)
{
    switch (language) {
    case 2: return QStringLiteral("https://sendora.example/de/suchdienste.html");
    case 3: return QStringLiteral("https://sendora.example/fr/services.html");
    default: return QStringLiteral("https://sendora.example/en/services.html");
    }
}

Details details(const TServiceRecord& r, int language, const QLocale& locale)
{
    using F = ServiceField;
    Details d;
    d.name = r.text(F::Name);
    const QString land = r.text(F::Land);
    d.country = countryText(land);
    if (!land.trimmed().isEmpty())
        d.flagResource = QLatin1Char('F') + land.trimmed().toUpper();
    d.kind = kindText(r.text(F::Kategorie));
    d.automatic = automaticText(r.boolean(F::NurManuell));
    d.fee = feeText(r.boolean(F::KostetGeld));
    d.rating = ratingText(r.value(F::Bewertung));
    d.delay = delayText(r.value(F::AufnahmeMax), r.text(F::Kategorie));
    d.lastSubmission = lastSubmissionText(r.date(F::ZuletztRegistriert), locale);
    d.comment = commentText(r.text(F::Bemerkung));
    d.startPageCaption = tr("Go to start page of ", "IDS_StartSeite") + d.name;
    d.startPageTarget = r.text(F::URL).isEmpty() ? fallbackPage(language) : r.text(F::URL);
    d.submitPageCaption = tr("Go to 'Submit URL' page of ", "IDS_AnmeldeSeite") + d.name;
    d.submitPageTarget
        = r.text(F::ManuellURL).isEmpty() ? fallbackPage(language) : r.text(F::ManuellURL);
    return d;
}

} // namespace ServiceTexts
