#pragma once

#include <QLatin1StringView>
#include <QString>

#include <array>
#include <optional>

// The website details of a project. Every field has a getter named like the field and a
// setter; the fields can also be reached by their number (Field), which is how the
// project file readers and writers walk them, in this order.
//
// Setting one of Key1 ... Key15 recomputes AKeywords, setting Firstname or Lastname
// recomputes NameVorname; setting AKeywords or NameVorname stores the text unchanged.
class TProjektDetails
{
public:
    enum class Field : int {
        Title,
        URL,
        DescriptionShort,
        DescriptionLong,
        Key1,
        Key2,
        Key3,
        Key4,
        Key5,
        Key6,
        Key7,
        Key8,
        Key9,
        Key10,
        Key11,
        Key12,
        Key13,
        Key14,
        Key15,
        AKeywords,
        Language,
        webtype,
        Category,
        Firstname,
        Lastname,
        Greeting,
        Title_person,
        Age,
        FirstLastNameWebMaster,
        WebmasterEmail,
        Password,
        Company,
        country,
        State,
        Address,
        Postcode,
        City,
        GeneralEmail,
        phone,
        Fax,
        mobile,
        tollfree,
        products,
        NameVorname
    };
    static constexpr int FieldCount = 44;
    static constexpr int KeyCount = 15;

    static QLatin1StringView fieldName(Field field);
    static bool isIntegerField(Field field);
    // Case-insensitive, as the file readers look names up.
    static std::optional<Field> fieldByName(QLatin1StringView name);
    // The fields ordered by name without regard to case: the order in which AssignTo and
    // the text-form reader set them.
    static const std::array<Field, FieldCount>& fieldsInNameOrder();

    // Text fields give "" for an integer field and integer fields 0 for a text field.
    const QString& Text(Field field) const { return m_texts[int(field)]; }
    int Integer(Field field) const { return m_ints[int(field)]; }
    // Text fields only (a text given for an integer field is ignored); applies the
    // recomputations of the class comment.
    void SetText(Field field, const QString& value);
    void SetInteger(Field field, int value);

    // Key n, n from 1 to 15.
    const QString& Key(int n) const { return m_texts[keyIndex(n)]; }
    void SetKey(int n, const QString& value) { SetText(Field(keyIndex(n)), value); }

    const QString& Title() const { return m_texts[int(Field::Title)]; }
    void SetTitle(const QString& value) { SetText(Field::Title, value); }
    const QString& URL() const { return m_texts[int(Field::URL)]; }
    void SetURL(const QString& value) { SetText(Field::URL, value); }
    const QString& DescriptionShort() const { return m_texts[int(Field::DescriptionShort)]; }
    void SetDescriptionShort(const QString& value) { SetText(Field::DescriptionShort, value); }
    const QString& DescriptionLong() const { return m_texts[int(Field::DescriptionLong)]; }
    void SetDescriptionLong(const QString& value) { SetText(Field::DescriptionLong, value); }
    const QString& Key1() const { return m_texts[int(Field::Key1)]; }
    void SetKey1(const QString& value) { SetText(Field::Key1, value); }
    const QString& Key2() const { return m_texts[int(Field::Key2)]; }
    void SetKey2(const QString& value) { SetText(Field::Key2, value); }
    const QString& Key3() const { return m_texts[int(Field::Key3)]; }
    void SetKey3(const QString& value) { SetText(Field::Key3, value); }
    const QString& Key4() const { return m_texts[int(Field::Key4)]; }
    void SetKey4(const QString& value) { SetText(Field::Key4, value); }
    const QString& Key5() const { return m_texts[int(Field::Key5)]; }
    void SetKey5(const QString& value) { SetText(Field::Key5, value); }
    const QString& Key6() const { return m_texts[int(Field::Key6)]; }
    void SetKey6(const QString& value) { SetText(Field::Key6, value); }
    const QString& Key7() const { return m_texts[int(Field::Key7)]; }
    void SetKey7(const QString& value) { SetText(Field::Key7, value); }
    const QString& Key8() const { return m_texts[int(Field::Key8)]; }
    void SetKey8(const QString& value) { SetText(Field::Key8, value); }
    const QString& Key9() const { return m_texts[int(Field::Key9)]; }
    void SetKey9(const QString& value) { SetText(Field::Key9, value); }
    const QString& Key10() const { return m_texts[int(Field::Key10)]; }
    void SetKey10(const QString& value) { SetText(Field::Key10, value); }
    const QString& Key11() const { return m_texts[int(Field::Key11)]; }
    void SetKey11(const QString& value) { SetText(Field::Key11, value); }
    const QString& Key12() const { return m_texts[int(Field::Key12)]; }
    void SetKey12(const QString& value) { SetText(Field::Key12, value); }
    const QString& Key13() const { return m_texts[int(Field::Key13)]; }
    void SetKey13(const QString& value) { SetText(Field::Key13, value); }
    const QString& Key14() const { return m_texts[int(Field::Key14)]; }
    void SetKey14(const QString& value) { SetText(Field::Key14, value); }
    const QString& Key15() const { return m_texts[int(Field::Key15)]; }
    void SetKey15(const QString& value) { SetText(Field::Key15, value); }
    const QString& AKeywords() const { return m_texts[int(Field::AKeywords)]; }
    void SetAKeywords(const QString& value) { SetText(Field::AKeywords, value); }
    int Language() const { return m_ints[int(Field::Language)]; }
    void SetLanguage(int value) { m_ints[int(Field::Language)] = value; }
    int webtype() const { return m_ints[int(Field::webtype)]; }
    void SetWebtype(int value) { m_ints[int(Field::webtype)] = value; }
    int Category() const { return m_ints[int(Field::Category)]; }
    void SetCategory(int value) { m_ints[int(Field::Category)] = value; }
    const QString& Firstname() const { return m_texts[int(Field::Firstname)]; }
    void SetFirstname(const QString& value) { SetText(Field::Firstname, value); }
    const QString& Lastname() const { return m_texts[int(Field::Lastname)]; }
    void SetLastname(const QString& value) { SetText(Field::Lastname, value); }
    int Greeting() const { return m_ints[int(Field::Greeting)]; }
    void SetGreeting(int value) { m_ints[int(Field::Greeting)] = value; }
    const QString& Title_person() const { return m_texts[int(Field::Title_person)]; }
    void SetTitle_person(const QString& value) { SetText(Field::Title_person, value); }
    int Age() const { return m_ints[int(Field::Age)]; }
    void SetAge(int value) { m_ints[int(Field::Age)] = value; }
    const QString& FirstLastNameWebMaster() const { return m_texts[int(Field::FirstLastNameWebMaster)]; }
    void SetFirstLastNameWebMaster(const QString& value) { SetText(Field::FirstLastNameWebMaster, value); }
    const QString& WebmasterEmail() const { return m_texts[int(Field::WebmasterEmail)]; }
    void SetWebmasterEmail(const QString& value) { SetText(Field::WebmasterEmail, value); }
    const QString& Password() const { return m_texts[int(Field::Password)]; }
    void SetPassword(const QString& value) { SetText(Field::Password, value); }
    const QString& Company() const { return m_texts[int(Field::Company)]; }
    void SetCompany(const QString& value) { SetText(Field::Company, value); }
    int country() const { return m_ints[int(Field::country)]; }
    void SetCountry(int value) { m_ints[int(Field::country)] = value; }
    const QString& State() const { return m_texts[int(Field::State)]; }
    void SetState(const QString& value) { SetText(Field::State, value); }
    const QString& Address() const { return m_texts[int(Field::Address)]; }
    void SetAddress(const QString& value) { SetText(Field::Address, value); }
    const QString& Postcode() const { return m_texts[int(Field::Postcode)]; }
    void SetPostcode(const QString& value) { SetText(Field::Postcode, value); }
    const QString& City() const { return m_texts[int(Field::City)]; }
    void SetCity(const QString& value) { SetText(Field::City, value); }
    const QString& GeneralEmail() const { return m_texts[int(Field::GeneralEmail)]; }
    void SetGeneralEmail(const QString& value) { SetText(Field::GeneralEmail, value); }
    const QString& phone() const { return m_texts[int(Field::phone)]; }
    void SetPhone(const QString& value) { SetText(Field::phone, value); }
    const QString& Fax() const { return m_texts[int(Field::Fax)]; }
    void SetFax(const QString& value) { SetText(Field::Fax, value); }
    const QString& mobile() const { return m_texts[int(Field::mobile)]; }
    void SetMobile(const QString& value) { SetText(Field::mobile, value); }
    const QString& tollfree() const { return m_texts[int(Field::tollfree)]; }
    void SetTollfree(const QString& value) { SetText(Field::tollfree, value); }
    const QString& products() const { return m_texts[int(Field::products)]; }
    void SetProducts(const QString& value) { SetText(Field::products, value); }
    const QString& NameVorname() const { return m_texts[int(Field::NameVorname)]; }
    void SetNameVorname(const QString& value) { SetText(Field::NameVorname, value); }

    // Copies every field to target through its setter, in name order (so target's
    // AKeywords ends up as its joined keys while NameVorname keeps the copied text).
    void AssignTo(TProjektDetails& target) const;

    bool operator==(const TProjektDetails& other) const = default;

private:
    static int keyIndex(int n);
    void recomputeKeywords();
    void recomputeName();

    std::array<QString, FieldCount> m_texts;
    std::array<int, FieldCount> m_ints {};
};
