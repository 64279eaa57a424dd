#include "core/metatags/FromDetails.h"

#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/platform/TextLines.h"
#include "core/project/TProjektDetails.h"

#include <QCoreApplication>

namespace MetaTagImport {

using Input = TMetaTagInputs::Input;

QString pageTypeForWebtype(int webtype)
{
    // The page-type suggestions of the generator window, matched to the web types.
    static const char* const pageTypes[] = {
        QT_TRANSLATE_NOOP("TfrmMetaTagGenerator", "Educational"),
        QT_TRANSLATE_NOOP("TfrmMetaTagGenerator", "Commercial"),
        QT_TRANSLATE_NOOP("TfrmMetaTagGenerator", "Government/authorities"),
        QT_TRANSLATE_NOOP("TfrmMetaTagGenerator", "Non-profit"),
        QT_TRANSLATE_NOOP("TfrmMetaTagGenerator", "Private homepage"),
    };
    if (webtype < 0 || webtype > 4)
        return {};
    return QCoreApplication::translate("TfrmMetaTagGenerator", pageTypes[webtype]);
}

FromDetailsResult FromDetails(const TProjektDetails& details, TMetaTagInputs& inputs,
                              const std::function<QString(int)>& categoryName)
{
    Messages& messages = Platform::messages();
    const Input checked[] = { Input::MTauthor,   Input::MTcopyright, Input::MTpublisher,
                              Input::MTpagetopic, Input::MTkeywords, Input::MTdescription,
                              Input::MTpagetype, Input::MTrobots,    Input::MTaudience };
    bool hasText = false;
    for (const Input input : checked) {
        if (inputs.isAssigned(input) && !TextLines::trimBlanks(inputs.text(input)).isEmpty())
            hasText = true;
    }
    if (hasText
        && messages.confirm(QCoreApplication::translate("TfrmMetaTagGenerator",
                                                        "Overwrite current meta tags?"))
            != Messages::Result::Yes)
        return FromDetailsResult::Declined;

    bool taken = false;
    auto take = [&](Input input, const QString& value) {
        if (inputs.isAssigned(input))
            inputs.setText(input, value);
        taken = true;
    };
    if (!details.FirstLastNameWebMaster().isEmpty())
        take(Input::MTauthor, details.FirstLastNameWebMaster());
    if (!details.Company().isEmpty()) {
        take(Input::MTpublisher, details.Company());
        take(Input::MTcopyright, details.Company());
    }
    if (details.Category() >= 0)
        take(Input::MTpagetopic, categoryName ? categoryName(details.Category()) : QString());
    if (!details.AKeywords().isEmpty())
        take(Input::MTkeywords, details.AKeywords());
    if (!details.DescriptionLong().isEmpty())
        take(Input::MTdescription, details.DescriptionLong());
    if (const QString pageType = pageTypeForWebtype(details.webtype()); !pageType.isEmpty())
        take(Input::MTpagetype, pageType);
    if (taken)
        return FromDetailsResult::Imported;

    const bool enter = messages.confirm(QCoreApplication::translate(
                           "TfrmMetaTagGenerator",
                           "No data could be imported as you have not entered the respective website "
                           "details. Would you like to enter the missing website details now?"))
        == Messages::Result::Yes;
    return enter ? FromDetailsResult::EnterDetails : FromDetailsResult::NothingImported;
}

} // namespace MetaTagImport
