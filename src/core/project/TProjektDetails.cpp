#include "core/project/TProjektDetails.h"

#include <QStringList>

#include <algorithm>

namespace {

using Field = TProjektDetails::Field;

constexpr std::array<QLatin1StringView, TProjektDetails::FieldCount> kNames {
    QLatin1StringView("Title"),
    QLatin1StringView("URL"),
    QLatin1StringView("DescriptionShort"),
    QLatin1StringView("DescriptionLong"),
    QLatin1StringView("Key1"),
    QLatin1StringView("Key2"),
    QLatin1StringView("Key3"),
    QLatin1StringView("Key4"),
    QLatin1StringView("Key5"),
    QLatin1StringView("Key6"),
    QLatin1StringView("Key7"),
    QLatin1StringView("Key8"),
    QLatin1StringView("Key9"),
    QLatin1StringView("Key10"),
    QLatin1StringView("Key11"),
    QLatin1StringView("Key12"),
    QLatin1StringView("Key13"),
    QLatin1StringView("Key14"),
    QLatin1StringView("Key15"),
    QLatin1StringView("AKeywords"),
    QLatin1StringView("Language"),
    QLatin1StringView("webtype"),
    QLatin1StringView("Category"),
    QLatin1StringView("Firstname"),
    QLatin1StringView("Lastname"),
    QLatin1StringView("Greeting"),
    QLatin1StringView("Title_person"),
    QLatin1StringView("Age"),
    QLatin1StringView("FirstLastNameWebMaster"),
    QLatin1StringView("WebmasterEmail"),
    QLatin1StringView("Password"),
    QLatin1StringView("Company"),
    QLatin1StringView("country"),
    QLatin1StringView("State"),
    QLatin1StringView("Address"),
    QLatin1StringView("Postcode"),
    QLatin1StringView("City"),
    QLatin1StringView("GeneralEmail"),
    QLatin1StringView("phone"),
    QLatin1StringView("Fax"),
    QLatin1StringView("mobile"),
    QLatin1StringView("tollfree"),
    QLatin1StringView("products"),
    QLatin1StringView("NameVorname"),
};

constexpr std::array<bool, TProjektDetails::FieldCount> kIsInteger { false, false, false, false, false, false, false, false, false, false, false, false, false, false, false, false, false, false, false, false, true, true, true, false, false, true, false, true, false, false, false, false, true, false, false, false, false, false, false, false, false, false, false, false };

} // namespace

QLatin1StringView TProjektDetails::fieldName(Field field)
{
    return kNames[int(field)];
}

bool TProjektDetails::isIntegerField(Field field)
{
    return kIsInteger[int(field)];
}

std::optional<TProjektDetails::Field> TProjektDetails::fieldByName(QLatin1StringView name)
{
    for (int i = 0; i < FieldCount; ++i) {
        if (kNames[i].compare(name, Qt::CaseInsensitive) == 0)
            return Field(i);
    }
    return std::nullopt;
}

const std::array<TProjektDetails::Field, TProjektDetails::FieldCount>&
TProjektDetails::fieldsInNameOrder()
{
    static const std::array<Field, FieldCount> order = [] {
        std::array<Field, FieldCount> fields {};
        for (int i = 0; i < FieldCount; ++i)
            fields[i] = Field(i);
        std::stable_sort(fields.begin(), fields.end(), [](Field a, Field b) {
            return kNames[int(a)].compare(kNames[int(b)], Qt::CaseInsensitive) < 0;
        });
        return fields;
    }();
    return order;
}

int TProjektDetails::keyIndex(int n)
{
    Q_ASSERT(n >= 1 && n <= KeyCount);
    return int(Field::Key1) + qBound(1, n, KeyCount) - 1;
}

void TProjektDetails::SetText(Field field, const QString& value)
{
    const int i = int(field);
    if (kIsInteger[i])
        return;
    m_texts[i] = value;
    if (i >= int(Field::Key1) && i <= int(Field::Key15))
        recomputeKeywords();
    else if (field == Field::Firstname || field == Field::Lastname)
        recomputeName();
}

void TProjektDetails::SetInteger(Field field, int value)
{
    if (kIsInteger[int(field)])
        m_ints[int(field)] = value;
}

void TProjektDetails::recomputeKeywords()
{
    QStringList keys;
    for (int n = 1; n <= KeyCount; ++n) {
        if (!Key(n).isEmpty())
            keys.append(Key(n));
    }
    m_texts[int(Field::AKeywords)] = keys.join(QLatin1String(", "));
}

void TProjektDetails::recomputeName()
{
    const QString& first = m_texts[int(Field::Firstname)];
    const QString& last = m_texts[int(Field::Lastname)];
    if (first.isEmpty())
        m_texts[int(Field::NameVorname)] = last;
    else if (last.isEmpty())
        m_texts[int(Field::NameVorname)] = first;
    else
        m_texts[int(Field::NameVorname)] = first + QLatin1Char(' ') + last;
}

void TProjektDetails::AssignTo(TProjektDetails& target) const
{
    if (&target == this)
        return;
    for (Field field : fieldsInNameOrder()) {
        if (kIsInteger[int(field)])
            target.SetInteger(field, Integer(field));
        else
            target.SetText(field, Text(field));
    }
}
