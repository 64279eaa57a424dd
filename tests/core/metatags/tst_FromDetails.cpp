#include "core/metatags/FromDetails.h"
#include "core/project/TProjektDetails.h"
#include "support/ScriptedMessages.h"

#include <QHash>
#include <QTest>

using Input = TMetaTagInputs::Input;
using Result = Messages::Result;
using MetaTagImport::FromDetailsResult;

namespace {

class Inputs final : public TMetaTagInputs
{
public:
    QHash<int, QString> texts;
    bool isAssigned(Input) const override { return true; }
    QString text(Input input) const override { return texts.value(int(input)); }
    void setText(Input input, const QString& text) override { texts.insert(int(input), text); }
    int itemIndex(Input) const override { return -1; }
    void setItemIndex(Input, int) override { }
    QDateTime date() const override { return {}; }
    void setDate(const QDateTime&) override { }
};

QString category(int id)
{
    return id == 18 ? QStringLiteral("Chemicals") : QStringLiteral("other");
}

} // namespace

class TestFromDetails : public QObject
{
    Q_OBJECT

private slots:
    void fillsWithoutQuestion();
    void asksBeforeOverwriting();
    void nothingToImport();
    void pageTypes();
};

void TestFromDetails::fillsWithoutQuestion()
{
    ScriptedMessages messages;
    TProjektDetails details;
    details.SetCompany(QStringLiteral("Acme"));
    details.SetFirstLastNameWebMaster(QStringLiteral("Doe John"));
    details.SetCategory(18);
    details.SetWebtype(2);
    Inputs inputs;
    inputs.setText(Input::MTauthor, QStringLiteral("   "));
    QCOMPARE(MetaTagImport::FromDetails(details, inputs, category), FromDetailsResult::Imported);
    QVERIFY(messages.shown().isEmpty());
    QCOMPARE(inputs.text(Input::MTauthor), QStringLiteral("Doe John"));
    QCOMPARE(inputs.text(Input::MTpublisher), QStringLiteral("Acme"));
    QCOMPARE(inputs.text(Input::MTcopyright), QStringLiteral("Acme"));
    QCOMPARE(inputs.text(Input::MTpagetopic), QStringLiteral("Chemicals"));
    QCOMPARE(inputs.text(Input::MTpagetype), QStringLiteral("Government/authorities"));
}

void TestFromDetails::asksBeforeOverwriting()
{
    ScriptedMessages messages;
    messages.answer(Result::No);
    TProjektDetails details;
    details.SetCompany(QStringLiteral("Acme"));
    Inputs inputs;
    inputs.setText(Input::MTauthor, QStringLiteral("Kept"));
    QCOMPARE(MetaTagImport::FromDetails(details, inputs, category), FromDetailsResult::Declined);
    QCOMPARE(messages.texts(), QStringList { "Overwrite current meta tags?" });
    QCOMPARE(inputs.text(Input::MTauthor), QStringLiteral("Kept"));
    QVERIFY(inputs.text(Input::MTpublisher).isEmpty());
}

void TestFromDetails::nothingToImport()
{
    ScriptedMessages messages;
    messages.answer(Result::Yes);
    TProjektDetails details;
    details.SetCategory(-1);
    details.SetWebtype(-1);
    Inputs inputs;
    QCOMPARE(MetaTagImport::FromDetails(details, inputs, category), FromDetailsResult::EnterDetails);
    QCOMPARE(messages.texts(),
             QStringList { "No data could be imported as you have not entered the respective website "
                           "details. Would you like to enter the missing website details now?" });
}

void TestFromDetails::pageTypes()
{
    QCOMPARE(MetaTagImport::pageTypeForWebtype(0), QStringLiteral("Educational"));
    QCOMPARE(MetaTagImport::pageTypeForWebtype(1), QStringLiteral("Commercial"));
    QCOMPARE(MetaTagImport::pageTypeForWebtype(3), QStringLiteral("Non-profit"));
    QCOMPARE(MetaTagImport::pageTypeForWebtype(4), QStringLiteral("Private homepage"));
    QVERIFY(MetaTagImport::pageTypeForWebtype(5).isEmpty());
}

QTEST_GUILESS_MAIN(TestFromDetails)
#include "tst_FromDetails.moc"
