#include "core/app/HintTable.h"

#include <QCoreApplication>

namespace {

struct Row
{
    const char* title;
    const char* explanation;
    int helpTopic;
    int group;
};

const Row kRows[HintTable::kLastKind] = {
    {QT_TRANSLATE_NOOP("HintTable", "Submission with assistant"),
     QT_TRANSLATE_NOOP("HintTable",
                       "The assistant submits your website only to spider search engines. "
                       "Certain search engines require more details for a successful "
                       "registration. Go to the main program window to submit your website "
                       "also to these search engines."),
     11, THinweis::Hint},
    {QT_TRANSLATE_NOOP("HintTable", "Selection of search engines"),
     QT_TRANSLATE_NOOP("HintTable",
                       "To enable the selection that you have made by checking the boxes, "
                       "check the 'SELECTION' box. Otherwise, the selection will not be "
                       "applied."),
     56, THinweis::Hint},
    {QT_TRANSLATE_NOOP("HintTable", "'Search' field"),
     QT_TRANSLATE_NOOP("HintTable",
                       "To enable the 'Search' field, sort search engines by 'Name'. This "
                       "field is disabled with all other sort orders."),
     2030, THinweis::Hint},
    {QT_TRANSLATE_NOOP("HintTable", "Key for status codes"),
     QT_TRANSLATE_NOOP("HintTable",
                       "For the interpretation of the status code, please note that only "
                       "status codes between 400 and 599 indicate an unsuccessful "
                       "registration."),
     71, THinweis::Hint},
    {QT_TRANSLATE_NOOP("HintTable", "Entry of keywords"),
     QT_TRANSLATE_NOOP("HintTable",
                       "The keywords entered here are only submitted to directories. "
                       "Therefore, max. 15 entries are possible, which is more than "
                       "sufficient for directories. For spider engines, the keywords must be "
                       "included by means of meta tags!"),
     130, THinweis::Hint},
    {QT_TRANSLATE_NOOP("HintTable", "'Selection' check box"),
     QT_TRANSLATE_NOOP("HintTable",
                       "Check this box to display only the search engines that you have "
                       "'ticked off'. If you have not 'ticked off' any search engines and "
                       "check this box, the display is empty."),
     2010, THinweis::Hint},
    {QT_TRANSLATE_NOOP("HintTable", "'Filter' check box"),
     QT_TRANSLATE_NOOP("HintTable",
                       "If you check this box, only search engines that match the selected "
                       "filter criteria are displayed. Define the filter by clicking the "
                       "'Apply filter' button. If no search engine matches the filter "
                       "criteria the display is empty."),
     2020, THinweis::Hint},
    {QT_TRANSLATE_NOOP("HintTable", "Update manager and ZipMagic"),
     QT_TRANSLATE_NOOP("HintTable",
                       "Please note that certain compression programs such as ZipMagic "
                       "interfere with the decompression utility of Sendora! and thus prevent "
                       "access to the update zip file. If you encounter any problems, disable "
                       "these compression utilities."),
     33, THinweis::Hint},
    {QT_TRANSLATE_NOOP("HintTable", "Entry of e-mail address"),
     QT_TRANSLATE_NOOP("HintTable",
                       "The entry of your 'real' e-mail address may result in junk mail to "
                       "your mailbox. We recommend that you set up an anonymous e-mail "
                       "account with a free provider, for example at www.gmx.com, "
                       "mail.google.com, outlook.com or mail.yahoo.com."),
     565, THinweis::Tip},
    {QT_TRANSLATE_NOOP("HintTable", "Pop-up menu"),
     QT_TRANSLATE_NOOP("HintTable",
                       "Click the right mouse button to call up the pop-up menu with "
                       "additional options."),
     51, THinweis::Tip},
    {QT_TRANSLATE_NOOP("HintTable", "Load RTF reports"),
     QT_TRANSLATE_NOOP("HintTable",
                       "A status report is generated after each submission. Status reports are "
                       "saved in the \\REPORTS subfolder. The reports are in RTF format and "
                       "can be edited with a word processing program such as Winword."),
     250, THinweis::Tip},
    {QT_TRANSLATE_NOOP("HintTable", "Increase number of threads"),
     QT_TRANSLATE_NOOP("HintTable",
                       "To increase the number of threads, select TOOLS/PROGRAM OPTIONS. "
                       "Threads are 'channels' through which submission data is transferred "
                       "simultaneously. Generally, the default setting of 5 threads is "
                       "sufficient."),
     92, THinweis::Tip},
    {QT_TRANSLATE_NOOP("HintTable", "Entry of password"),
     QT_TRANSLATE_NOOP("HintTable",
                       "Never enter an existing or used password here, but create a new one. "
                       "This password is used by certain search engines for the setting up "
                       "of a new account for the registration of your website."),
     685, THinweis::Warning},
    {QT_TRANSLATE_NOOP("HintTable", "Entry of URL"),
     QT_TRANSLATE_NOOP("HintTable",
                       "Enter the main address of your website here, not the address of an "
                       "individual page such as http://www.example.com/products/page1.html. "
                       "Use meta tags to ensure that all pages of your website are properly "
                       "indexed. The 'Index' (robots) tag is especially useful for this "
                       "purpose!"),
     580, THinweis::Warning},
    {QT_TRANSLATE_NOOP("HintTable", "Selection of a category"),
     QT_TRANSLATE_NOOP("HintTable",
                       "Select the category that best matches the content of your website. If "
                       "your website is highly specialized and none of the available "
                       "categories is suitable, we recommend manual submission to "
                       "directories."),
     550, THinweis::Hint},
};

} // namespace

bool HintTable::isKind(int kind)
{
    return kind >= kFirstKind && kind <= kLastKind;
}

THinweis HintTable::hint(int kind)
{
    if (!isKind(kind))
        return {};
    const Row& row = kRows[kind - 1];
    return {QCoreApplication::translate("HintTable", row.title),
            QCoreApplication::translate("HintTable", row.explanation), row.helpTopic, row.group};
}
