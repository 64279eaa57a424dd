#include "core/services/CountryCodeTable.h"

#include <array>

namespace {

struct CountryNames
{
    const char16_t* english;
    const char16_t* german;
    const char16_t* french;
};

// The names are fixed texts of the program (code 18 is "Spanien" in English too), so
// they are kept here rather than in the translation files.
constexpr std::array<CountryNames, CountryCodeTable::kLastCode> kCountries = {{
    {u"Andorra", u"Andorra", u"Andorre"},
    {u"Armenia", u"Armenien", u"Arménie"},
    {u"Antarctica", u"Antarktis", u"Antarctique"},
    {u"Argentina", u"Argentinien", u"Argentine"},
    {u"Austria", u"Österreich", u"Autriche"},
    {u"Australia", u"Australien", u"Australie"},
    {u"Belgium", u"Belgien", u"Belgique"},
    {u"Bulgaria", u"Bulgarien", u"Bulgarie"},
    {u"Brazil", u"Brasilien", u"Brésil"},
    {u"Canada", u"Kanada", u"Canada"},
    {u"Switzerland", u"Schweiz", u"Suisse"},
    {u"China", u"China", u"Chine"},
    {u"Colombia", u"Kolumbien", u"Colombie"},
    {u"Cyprus", u"Zypern", u"Chypre"},
    {u"Czech Republic", u"Tschechien", u"Rép. tchèque"},
    {u"Germany", u"Deutschland", u"Allemagne"},
    {u"Denmark", u"Dänemark", u"Danemark"},
    {u"Spanien", u"Spanien", u"Espagne"},
    {u"Finland", u"Finnland", u"Finlande"},
    {u"France", u"Frankreich", u"France"},
    {u"Greece", u"Griechenland", u"Grèce"},
    {u"Hungary", u"Ungarn", u"Hongrie"},
    {u"Ireland", u"Irland", u"Irlande"},
    {u"Israel", u"Israel", u"Israël"},
    {u"India", u"Indien", u"Inde"},
    {u"Iran", u"Iran", u"Iran"},
    {u"Iceland", u"Island", u"Islande"},
    {u"Italy", u"Italien", u"Italie"},
    {u"Japan", u"Japan", u"Japon"},
    {u"Lebanon", u"Libanon", u"Liban"},
    {u"Luxembourg", u"Luxemburg", u"Luxembourg"},
    {u"Monaco", u"Monaco", u"Monaco"},
    {u"Mauritius", u"Mauritius", u"Ile Maurice"},
    {u"Mexico", u"Mexiko", u"Mexique"},
    {u"Netherlands", u"Niederlande", u"Pays-Bas"},
    {u"Norway", u"Norwegen", u"Norvège"},
    {u"New Zealand", u"Neuseeland", u"Nouv.-Zélande"},
    {u"Panama", u"Panama", u"Panama"},
    {u"Peru", u"Peru", u"Pérou"},
    {u"Poland", u"Polen", u"Pologne"},
    {u"Portugal", u"Portugal", u"Portugal"},
    {u"Romania", u"Rumänien", u"Roumanie"},
    {u"Russia", u"Russland", u"Russie"},
    {u"Sweden", u"Schweden", u"Suède"},
    {u"Singapore", u"Singapur", u"Singapour"},
    {u"Slovenia", u"Slowenien", u"Slovénie"},
    {u"Turkey", u"Türkei", u"Turquie"},
    {u"UK", u"Großbritannien", u"Grande-Bretagne"},
    {u"USA", u"USA", u"USA"},
    {u"Uruguay", u"Uruguay", u"Uruguay"},
    {u"Venezuela", u"Venezuela", u"Vénézuela"},
    {u"South Africa", u"Südafrika", u"Afrique du Sud"},
    {u"Other", u"Sonstiges", u"Autres"},
    {u"Not known", u"Unbekannt", u"Inconnu"},
}};

} // namespace

namespace CountryCodeTable {

bool isValidCode(int code)
{
    return code >= kFirstCode && code <= kLastCode;
}

QString name(int code, int language)
{
    if (!isValidCode(code))
        return {};
    const CountryNames& names = kCountries[std::size_t(code - 1)];
    switch (language) {
    case 2: return QString::fromUtf16(names.german);
    case 3: return QString::fromUtf16(names.french);
    default: return QString::fromUtf16(names.english);
    }
}

} // namespace CountryCodeTable
