#pragma once

#include "core/services/ServiceSchema.h"

#include <QLocale>
#include <QString>

#include <optional>

// The texts of the service details window, worked out from one row of dba.
namespace ServiceTexts {

QString kindText(const QString& kategorie);
QString automaticText(bool nurManuell);
QString feeText(bool kostetGeld);
// An empty rating counts as 0.
QString ratingText(const QVariant& bewertung);
// From AufnahmeMax (empty counts as 0) and the kind.
QString delayText(const QVariant& aufnahmeMax, const QString& kategorie);
QString lastSubmissionText(std::optional<double> zuletztRegistriert, const QLocale& locale);
QString countryText(const QString& land);
QString commentText(const QString& bemerkung);

// The page of the maker's website shown for a service without a start or submission
// page; language 1 English, 2 German, 3 French.
QString fallbackPage(int language);

struct Details
{
    QString name;
    QString country;
    QString flagResource; // "F" + Land in upper case; empty when Land is blank
    QString kind;
    QString automatic;
    QString fee;
    QString rating;
    QString delay;
    QString lastSubmission;
    QString comment;
    QString startPageCaption;
    QString startPageTarget;
    QString submitPageCaption;
    QString submitPageTarget;
};

Details details(const TServiceRecord& record, int language, const QLocale& locale);

} // namespace ServiceTexts
