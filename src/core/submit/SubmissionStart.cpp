#include "core/submit/SubmissionStart.h"

#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/platform/SdError.h"
#include "core/platform/TDateTime.h"
#include "core/project/TStatusbericht.h"
#include "core/services/TDatenmodul.h"
#include "core/submit/ResultCodes.h"

#include <QCoreApplication>

#include <array>

using F = ServiceField;
using D = TProjektDetails::Field;

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(TfrmSuchdiensteAuswahl)
};

const char kSupportAddress[] = "support@sendora.example";

bool isPassedOver(const TServiceRecord& r)
{
    return r.boolean(F::KostetGeld) || r.boolean(F::NurManuell);
}

bool isSubmittableAutomatically(const TServiceRecord& r)
{
    return !r.text(F::Action).isEmpty() && r.integer(F::Status) == 0
        && !r.text(F::Methode).isEmpty();
}

void addDatabaseErrorEntry(TStatusbericht& report, const TServiceRecord& r)
{
    TStatusberichtItem* entry = report.Add();
    entry->SetSuchdienst(r.text(F::Name));
    entry->SetDate(TDateTime::now());
    TStatusberichtDetails& details = entry->Details();
    details.SetFehlermeldung(Tr::tr("Not available! (database error)", "IDS_DatenbankFehler"));
    details.SetEngineNr(r.nr());
    details.SetFehlercode(ResultCodes::kError);
    details.SetURLAnmeldeseite(r.text(F::ManuellURL));
}

} // namespace

TEnginesArray GatherServices(TDatenmodul& data, TStatusbericht& projectReport)
{
    TEnginesArray engines;
    if (!data.isOpen()) {
        Platform::messages().error(
            Tr::tr("Internal error: %1  - Contact our support team at %2!", "IDS_InternerFehler")
                .arg(QStringLiteral("vv677-119"), QLatin1String(kSupportAddress)));
        return engines;
    }
    data.PostPendingEdit();

    // Posting a row does not rebuild the view, so both passes see the same rows.
    bool moved = false;
    int count = 0;
    for (int row = 0; row < data.rowCount(); ++row) {
        const TServiceRecord record = data.viewRecord(row);
        if (isPassedOver(record))
            continue;
        try {
            if (!isSubmittableAutomatically(record)) {
                data.setRowValue(row, F::NurManuell, true);
                moved = true;
            } else if (record.boolean(F::Ausgewaehlt)) {
                ++count;
            }
        } catch (const SdError&) {
            data.Cancel();
        }
    }

    engines.reserve(count);
    for (int row = 0; row < data.rowCount(); ++row) {
        const TServiceRecord record = data.viewRecord(row);
        if (isPassedOver(record))
            continue;
        if (!isSubmittableAutomatically(record)) {
            // Only a row whose change failed in the first pass comes here.
            addDatabaseErrorEntry(projectReport, record);
            try {
                data.setRowValue(row, F::NurManuell, true);
                moved = true;
            } catch (const SdError&) {
                data.Cancel();
            }
            continue;
        }
        if (!record.boolean(F::Ausgewaehlt))
            continue;
        try {
            engines.append(data.detailEngine(record));
        } catch (const SdError&) {
            addDatabaseErrorEntry(projectReport, record);
        }
    }

    if (moved) {
        // The moved rows leave the automatic list now.
        try {
            data.ApplyViewFilter();
        } catch (const SdError&) {
        }
    }
    return engines;
}

namespace {

enum class Fails { WhenEmpty, WhenNegative, WhenNotPositive };

struct DetailRule
{
    D field;
    Fails fails;
    bool fullOnly;
    DetailsSection section;
    const char* control;
};

using S = DetailsSection;

// In the order in which the details are checked.
constexpr std::array<DetailRule, 28> kRules = {{
    {D::Title, Fails::WhenEmpty, false, S::Website, "TitleEdit"},
    {D::URL, Fails::WhenEmpty, false, S::Website, "URLEdit"},
    {D::DescriptionShort, Fails::WhenEmpty, false, S::Website, "DescriptionShortEdit"},
    {D::DescriptionLong, Fails::WhenEmpty, false, S::Website, "DescriptionMemo"},
    {D::AKeywords, Fails::WhenEmpty, true, S::Website, "KeywordsMemo"},
    {D::Language, Fails::WhenNegative, true, S::Website, "LanguageCombo"},
    {D::webtype, Fails::WhenNegative, true, S::Website, "webtypecombo"},
    {D::Category, Fails::WhenNegative, true, S::Website, "KategorienCombo"},
    {D::Firstname, Fails::WhenEmpty, false, S::Person, "FirstNameEdit"},
    {D::Lastname, Fails::WhenEmpty, false, S::Person, "LastNameEdit"},
    {D::Greeting, Fails::WhenNegative, true, S::Person, "GreetingCombo"},
    {D::Title_person, Fails::WhenEmpty, true, S::Person, "title_personEdit"},
    {D::Age, Fails::WhenNotPositive, true, S::Person, "ageEdit"},
    {D::FirstLastNameWebMaster, Fails::WhenEmpty, false, S::Webmaster, "NameVornameWebMasterEdit"},
    {D::WebmasterEmail, Fails::WhenEmpty, false, S::Webmaster, "WebmasterEmailEdit"},
    {D::Password, Fails::WhenEmpty, true, S::Webmaster, "passwordedit"},
    {D::Company, Fails::WhenEmpty, false, S::Company, "CompanyEdit"},
    {D::country, Fails::WhenNegative, true, S::Company, "countryCombo"},
    {D::State, Fails::WhenEmpty, true, S::Company, "StateEdit"},
    {D::Address, Fails::WhenEmpty, false, S::Company, "AddressEdit"},
    {D::Postcode, Fails::WhenEmpty, false, S::Company, "PostcodeEdit"},
    {D::City, Fails::WhenEmpty, false, S::Company, "CityEdit"},
    {D::GeneralEmail, Fails::WhenEmpty, false, S::Company, "emailEdit"},
    {D::phone, Fails::WhenEmpty, true, S::Company, "phoneEdit"},
    {D::Fax, Fails::WhenEmpty, true, S::Company, "FaxEdit"},
    {D::mobile, Fails::WhenEmpty, true, S::Company, "mobileEdit"},
    {D::tollfree, Fails::WhenEmpty, true, S::Company, "tollfreeEdit"},
    {D::products, Fails::WhenEmpty, true, S::Company, "productsEdit"},
}};

bool isMissing(const TProjektDetails& details, const DetailRule& rule)
{
    switch (rule.fails) {
    case Fails::WhenEmpty:
        return details.Text(rule.field).isEmpty();
    case Fails::WhenNegative:
        return details.Integer(rule.field) < 0;
    case Fails::WhenNotPositive:
        return details.Integer(rule.field) <= 0;
    }
    return false;
}

} // namespace

std::optional<MissingDetail> CheckDetailsComplete(const TProjektDetails& details, bool fullCheck)
{
    for (const DetailRule& rule : kRules) {
        if (rule.fullOnly && !fullCheck)
            continue;
        if (isMissing(details, rule))
            return MissingDetail {rule.field, rule.section, QLatin1StringView(rule.control)};
    }
    return std::nullopt;
}
