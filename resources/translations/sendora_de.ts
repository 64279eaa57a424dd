<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Common</name>
    <message>
        <source>[Untitled]</source>
        <comment>IDS_GlobUnbenannteDateiName</comment>
        <translation>[Unbenannt]</translation>
    </message>
    <message>
        <source>Internal error: %1  - Please contact our support team at %2!</source>
        <comment>IDS_InternerFehler</comment>
        <translation>Interner Fehler: %1  - Bitte wenden Sie sich an unser Support-Team unter %2!</translation>
    </message>
</context>
<context>
    <name>FilterExpression</name>
    <message>
        <source>The text that begins at position %1 of the filter has no closing quote.</source>
        <translation>Dem Text, der an Position %1 des Filters beginnt, fehlt das schließende Anführungszeichen.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; at position %2 of the filter is not allowed.</source>
        <translation>Das Zeichen „%1“ an Position %2 des Filters ist nicht erlaubt.</translation>
    </message>
    <message>
        <source>&quot;and&quot;, &quot;or&quot; or the end</source>
        <translation>„and“, „or“ oder das Ende</translation>
    </message>
    <message>
        <source>the end of the filter</source>
        <translation>das Ende des Filters</translation>
    </message>
    <message>
        <source>Syntax error in the filter at position %1: %2 expected, %3 found.</source>
        <translation>Syntaxfehler im Filter an Position %1: %2 erwartet, %3 gefunden.</translation>
    </message>
    <message>
        <source>The filter nests brackets too deeply.</source>
        <translation>Der Filter schachtelt Klammern zu tief.</translation>
    </message>
    <message>
        <source>&quot;)&quot;</source>
        <translation>„)“</translation>
    </message>
    <message>
        <source>a field name or &quot;(&quot;</source>
        <translation>ein Feldname oder „(“</translation>
    </message>
    <message>
        <source>The filter names the field &quot;%1&quot;, which the service table does not have.</source>
        <translation>Der Filter nennt das Feld „%1“, das die Suchdiensttabelle nicht hat.</translation>
    </message>
    <message>
        <source>a comparison operator (=, &lt;&gt;, &lt;, &gt;, &lt;=, &gt;=)</source>
        <translation>ein Vergleichsoperator (=, &lt;&gt;, &lt;, &gt;, &lt;=, &gt;=)</translation>
    </message>
    <message>
        <source>a value</source>
        <translation>ein Wert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the filter is not a date (expected like %2).</source>
        <translation>„%1“ im Filter ist kein Datum (erwartet wie %2).</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; can only be compared with null by = or &lt;&gt;.</source>
        <translation>Das Feld „%1“ kann nur mit = oder &lt;&gt; mit null verglichen werden.</translation>
    </message>
    <message>
        <source>The value %1 cannot be compared with the field &quot;%2&quot; that way.</source>
        <translation>Der Wert %1 kann so nicht mit dem Feld „%2“ verglichen werden.</translation>
    </message>
    <message>
        <source>The filter is too long.</source>
        <translation>Der Filter ist zu lang.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Sendora help</source>
        <translation>Sendora-Hilfe</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Vorwärts &gt;</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Stichwort eingeben</translation>
    </message>
    <message>
        <source>The help page &quot;%1&quot; does not exist. Please choose a topic from the contents.</source>
        <translation>Die Hilfeseite „%1“ gibt es nicht. Bitte wählen Sie ein Thema aus dem Inhalt.</translation>
    </message>
</context>
<context>
    <name>HintTable</name>
    <message>
        <source>Submission with assistant</source>
        <translation>Anmeldung mit dem Assistenten</translation>
    </message>
    <message>
        <source>The assistant submits your website only to spider search engines. Certain search engines require more details for a successful registration. Go to the main program window to submit your website also to these search engines.</source>
        <translation>Der Assistent meldet Ihre Website nur bei Spider-Suchmaschinen an. Manche Suchmaschinen verlangen für eine erfolgreiche Anmeldung weitere Angaben. Wechseln Sie in das Hauptfenster des Programms, um Ihre Website auch bei diesen Suchmaschinen anzumelden.</translation>
    </message>
    <message>
        <source>Selection of search engines</source>
        <translation>Auswahl der Suchmaschinen</translation>
    </message>
    <message>
        <source>To enable the selection that you have made by checking the boxes, check the &apos;SELECTION&apos; box. Otherwise, the selection will not be applied.</source>
        <translation>Damit die Auswahl gilt, die Sie durch Ankreuzen getroffen haben, kreuzen Sie das Feld &apos;AUSWAHL&apos; an. Sonst wird die Auswahl nicht angewendet.</translation>
    </message>
    <message>
        <source>&apos;Search&apos; field</source>
        <translation>Feld &apos;Suchen&apos;</translation>
    </message>
    <message>
        <source>To enable the &apos;Search&apos; field, sort search engines by &apos;Name&apos;. This field is disabled with all other sort orders.</source>
        <translation>Um das Feld &apos;Suchen&apos; zu nutzen, sortieren Sie die Suchmaschinen nach &apos;Name&apos;. Bei allen anderen Sortierungen ist das Feld gesperrt.</translation>
    </message>
    <message>
        <source>Key for status codes</source>
        <translation>Schlüssel für Statuscodes</translation>
    </message>
    <message>
        <source>For the interpretation of the status code, please note that only status codes between 400 and 599 indicate an unsuccessful registration.</source>
        <translation>Beachten Sie bei der Deutung des Statuscodes, dass nur Statuscodes zwischen 400 und 599 eine erfolglose Anmeldung anzeigen.</translation>
    </message>
    <message>
        <source>Entry of keywords</source>
        <translation>Eingabe der Schlüsselwörter</translation>
    </message>
    <message>
        <source>The keywords entered here are only submitted to directories. Therefore, max. 15 entries are possible, which is more than sufficient for directories. For spider engines, the keywords must be included by means of meta tags!</source>
        <translation>Die hier eingegebenen Schlüsselwörter werden nur an Verzeichnisse übermittelt. Deshalb sind höchstens 15 Einträge möglich, was für Verzeichnisse mehr als genug ist. Für Spider-Suchmaschinen müssen die Schlüsselwörter über Meta-Tags eingebunden werden!</translation>
    </message>
    <message>
        <source>&apos;Selection&apos; check box</source>
        <translation>Kontrollkästchen &apos;Auswahl&apos;</translation>
    </message>
    <message>
        <source>Check this box to display only the search engines that you have &apos;ticked off&apos;. If you have not &apos;ticked off&apos; any search engines and check this box, the display is empty.</source>
        <translation>Kreuzen Sie dieses Feld an, um nur die Suchmaschinen anzuzeigen, die Sie &apos;abgehakt&apos; haben. Haben Sie keine Suchmaschine &apos;abgehakt&apos; und kreuzen das Feld an, bleibt die Anzeige leer.</translation>
    </message>
    <message>
        <source>&apos;Filter&apos; check box</source>
        <translation>Kontrollkästchen &apos;Filter&apos;</translation>
    </message>
    <message>
        <source>If you check this box, only search engines that match the selected filter criteria are displayed. Define the filter by clicking the &apos;Apply filter&apos; button. If no search engine matches the filter criteria the display is empty.</source>
        <translation>Wenn Sie dieses Feld ankreuzen, werden nur Suchmaschinen angezeigt, die den gewählten Filterkriterien entsprechen. Den Filter legen Sie mit der Schaltfläche &apos;Filter anwenden&apos; fest. Passt keine Suchmaschine zu den Kriterien, bleibt die Anzeige leer.</translation>
    </message>
    <message>
        <source>Update manager and ZipMagic</source>
        <translation>Update-Manager und ZipMagic</translation>
    </message>
    <message>
        <source>Please note that certain compression programs such as ZipMagic interfere with the decompression utility of Sendora! and thus prevent access to the update zip file. If you encounter any problems, disable these compression utilities.</source>
        <translation>Bitte beachten Sie, dass manche Komprimierungsprogramme wie ZipMagic das Entpacken durch Sendora! stören und so den Zugriff auf die ZIP-Datei des Updates verhindern. Sollten Probleme auftreten, schalten Sie diese Programme ab.</translation>
    </message>
    <message>
        <source>Entry of e-mail address</source>
        <translation>Eingabe der E-Mail-Adresse</translation>
    </message>
    <message>
        <source>The entry of your &apos;real&apos; e-mail address may result in junk mail to your mailbox. We recommend that you set up an anonymous e-mail account with a free provider, for example at www.gmx.com, mail.google.com, outlook.com or mail.yahoo.com.</source>
        <translation>Die Angabe Ihrer &apos;echten&apos; E-Mail-Adresse kann Ihnen unerwünschte Werbepost bescheren. Wir empfehlen, bei einem kostenlosen Anbieter ein anonymes E-Mail-Konto einzurichten, zum Beispiel bei www.gmx.com, mail.google.com, outlook.com oder mail.yahoo.com.</translation>
    </message>
    <message>
        <source>Pop-up menu</source>
        <translation>Kontextmenü</translation>
    </message>
    <message>
        <source>Click the right mouse button to call up the pop-up menu with additional options.</source>
        <translation>Klicken Sie mit der rechten Maustaste, um das Kontextmenü mit weiteren Möglichkeiten aufzurufen.</translation>
    </message>
    <message>
        <source>Load RTF reports</source>
        <translation>RTF-Berichte laden</translation>
    </message>
    <message>
        <source>A status report is generated after each submission. Status reports are saved in the \REPORTS subfolder. The reports are in RTF format and can be edited with a word processing program such as Winword.</source>
        <translation>Nach jeder Anmeldung wird ein Statusbericht erstellt. Statusberichte werden im Unterordner \REPORTS gespeichert. Die Berichte liegen im RTF-Format vor und lassen sich mit einem Textverarbeitungsprogramm wie Winword bearbeiten.</translation>
    </message>
    <message>
        <source>Increase number of threads</source>
        <translation>Anzahl der Threads erhöhen</translation>
    </message>
    <message>
        <source>To increase the number of threads, select TOOLS/PROGRAM OPTIONS. Threads are &apos;channels&apos; through which submission data is transferred simultaneously. Generally, the default setting of 5 threads is sufficient.</source>
        <translation>Um die Anzahl der Threads zu erhöhen, wählen Sie EXTRAS/PROGRAMMOPTIONEN. Threads sind &apos;Kanäle&apos;, über die Anmeldedaten gleichzeitig übertragen werden. In der Regel genügt die Voreinstellung von 5 Threads.</translation>
    </message>
    <message>
        <source>Entry of password</source>
        <translation>Eingabe des Kennworts</translation>
    </message>
    <message>
        <source>Never enter an existing or used password here, but create a new one. This password is used by certain search engines for the setting up of a new account for the registration of your website.</source>
        <translation>Geben Sie hier nie ein bestehendes oder bereits benutztes Kennwort ein, sondern legen Sie ein neues an. Manche Suchmaschinen richten mit diesem Kennwort ein neues Konto für die Anmeldung Ihrer Website ein.</translation>
    </message>
    <message>
        <source>Entry of URL</source>
        <translation>Eingabe der URL</translation>
    </message>
    <message>
        <source>Enter the main address of your website here, not the address of an individual page such as http://www.example.com/products/page1.html. Use meta tags to ensure that all pages of your website are properly indexed. The &apos;Index&apos; (robots) tag is especially useful for this purpose!</source>
        <translation>Geben Sie hier die Hauptadresse Ihrer Website ein, nicht die Adresse einer einzelnen Seite wie http://www.example.com/products/page1.html. Sorgen Sie mit Meta-Tags dafür, dass alle Seiten Ihrer Website richtig indiziert werden. Besonders nützlich ist dafür das Tag &apos;Index&apos; (robots)!</translation>
    </message>
    <message>
        <source>Selection of a category</source>
        <translation>Auswahl einer Kategorie</translation>
    </message>
    <message>
        <source>Select the category that best matches the content of your website. If your website is highly specialized and none of the available categories is suitable, we recommend manual submission to directories.</source>
        <translation>Wählen Sie die Kategorie, die am besten zum Inhalt Ihrer Website passt. Ist Ihre Website sehr speziell und passt keine der Kategorien, empfehlen wir die manuelle Anmeldung bei Verzeichnissen.</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a text file.</source>
        <translation>Die Datei %1 ist keine Textdatei.</translation>
    </message>
    <message>
        <source>The file %1 cannot be replaced: no copy could be kept as %2.</source>
        <translation>Die Datei %1 kann nicht ersetzt werden: Es konnte keine Kopie als %2 angelegt werden.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>OK</source>
        <comment>IDS_BtnOK</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>IDS_BtnCancel</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <comment>IDS_BtnYes</comment>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <comment>IDS_BtnNo</comment>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>MetaTagInsertion</name>
    <message>
        <source>Source and target file must not be identical!</source>
        <translation>Quell- und Zieldatei dürfen nicht identisch sein!</translation>
    </message>
    <message>
        <source>Insert meta tags from file %1 into %2?</source>
        <translation>Meta-Tags aus der Datei %1 in %2 einfügen?</translation>
    </message>
    <message>
        <source>File %1 does not seem to be a valid mtg-file. Only mtg-files may be used!</source>
        <translation>Die Datei %1 scheint keine gültige mtg-Datei zu sein. Es dürfen nur mtg-Dateien verwendet werden!</translation>
    </message>
    <message>
        <source>File %1 contains no valid HEAD section. Meta tags must be pasted into HEAD section. Check HTML syntax of the file!</source>
        <translation>Die Datei %1 enthält keinen gültigen HEAD-Bereich. Meta-Tags müssen in den HEAD-Bereich eingefügt werden. Überprüfen Sie die HTML-Syntax der Datei!</translation>
    </message>
    <message>
        <source>Target file %1 already contains meta tags. Paste meta tags from %2 anyway? (Existing meta tags will not be overwritten.)</source>
        <translation>Die Zieldatei %1 enthält bereits Meta-Tags. Meta-Tags aus %2 trotzdem einfügen? (Vorhandene Meta-Tags werden nicht überschrieben.)</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>ModulePlaceholder</name>
    <message>
        <source>Website details</source>
        <comment>IDS_PH_Kenndaten</comment>
        <translation>Website-Angaben</translation>
    </message>
    <message>
        <source>Meta Tag Generator</source>
        <comment>IDS_PH_MetaTags</comment>
        <translation>Meta-Tag-Generator</translation>
    </message>
    <message>
        <source>Search services</source>
        <comment>IDS_PH_Suchdienste</comment>
        <translation>Suchdienste</translation>
    </message>
    <message>
        <source>Status report</source>
        <comment>IDS_PH_Status</comment>
        <translation>Statusbericht</translation>
    </message>
    <message>
        <source>The editor for the details of your website, its contact person, webmaster and company will appear here.</source>
        <comment>IDS_PH_KenndatenText</comment>
        <translation>Hier erscheint der Editor für die Angaben zu Ihrer Website, zur Kontaktperson, zum Webmaster und zur Firma.</translation>
    </message>
    <message>
        <source>Here you will generate meta tags from your details, import them from web pages and insert them into your HTML files.</source>
        <comment>IDS_PH_MetaTagsText</comment>
        <translation>Hier erzeugen Sie Meta-Tags aus Ihren Angaben, importieren sie aus Webseiten und fügen sie in Ihre HTML-Dateien ein.</translation>
    </message>
    <message>
        <source>The search services of the database will be listed here, ready to be ticked and submitted to.</source>
        <comment>IDS_PH_SuchdiensteText</comment>
        <translation>Hier werden die Suchdienste der Datenbank aufgelistet, bereit zum Ankreuzen und Anmelden.</translation>
    </message>
    <message>
        <source>Every submission of this project will be listed here with its date, code and message.</source>
        <comment>IDS_PH_StatusText</comment>
        <translation>Hier wird jede Anmeldung dieses Projekts mit Datum, Code und Meldung aufgelistet.</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>The program folder %1 cannot be created.</source>
        <translation>Der Programmordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The program folder %1 is not writable.</source>
        <translation>In den Programmordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>No folder for the program&apos;s files could be found.</source>
        <translation>Es wurde kein Ordner für die Dateien des Programms gefunden.</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Error: %1</source>
        <comment>IDS_103</comment>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Report no.</source>
        <comment>IDS_113</comment>
        <translation>Bericht Nr.</translation>
    </message>
    <message>
        <source>Code:</source>
        <comment>IDS_110</comment>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Message:</source>
        <comment>IDS_111</comment>
        <translation>Meldung:</translation>
    </message>
    <message>
        <source>&lt;No entries&gt;</source>
        <comment>IDS_101</comment>
        <translation>&lt;Keine Einträge&gt;</translation>
    </message>
    <message>
        <source>&lt;No entries&gt;</source>
        <comment>IDS_102</comment>
        <translation>&lt;Keine Einträge&gt;</translation>
    </message>
    <message>
        <source>RTF template not available! Check settings under Tools/Program options.</source>
        <comment>IDS_107</comment>
        <translation>RTF-Vorlage nicht verfügbar! Prüfen Sie die Einstellungen unter Extras/Programmoptionen.</translation>
    </message>
    <message>
        <source>Create report with standard template?</source>
        <comment>IDS_108</comment>
        <translation>Bericht mit der Standardvorlage erstellen?</translation>
    </message>
    <message>
        <source>Standard template (schablone.rtf) not found!</source>
        <comment>IDS_109</comment>
        <translation>Standardvorlage (schablone.rtf) nicht gefunden!</translation>
    </message>
</context>
<context>
    <name>SiteEvaluation</name>
    <message>
        <source>Error!</source>
        <comment>IDS_21</comment>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Not OK</source>
        <comment>IDS_22</comment>
        <translation>Nicht OK</translation>
    </message>
    <message>
        <source>Partly OK</source>
        <comment>IDS_23</comment>
        <translation>Teilweise OK</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>IDS_24</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Title</source>
        <comment>IDS_2</comment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>You have not entered a title. Replace &quot;index&quot; with suitable title.</source>
        <comment>IDS_3</comment>
        <translation>Sie haben keinen Titel eingegeben. Ersetzen Sie „index“ durch einen passenden Titel.</translation>
    </message>
    <message>
        <source>You should never submit websites without a title! Add a title to your website by entering a suitable text in the &apos;title&apos; tag.</source>
        <comment>IDS_20</comment>
        <translation>Sie sollten niemals Websites ohne Titel anmelden! Geben Sie Ihrer Website einen Titel, indem Sie einen passenden Text in das &apos;title&apos;-Tag eintragen.</translation>
    </message>
    <message>
        <source>You should never submit websites that have no title! Add a suitable title for your website in the &apos;title&apos; tag.</source>
        <comment>IDS_4</comment>
        <translation>Sie sollten niemals Websites anmelden, die keinen Titel haben! Tragen Sie einen passenden Titel für Ihre Website in das &apos;title&apos;-Tag ein.</translation>
    </message>
    <message>
        <source>The website has a title, but the title is too short. You should consider entering a longer title, for example a brief description of the content of the document.</source>
        <comment>IDS_5</comment>
        <translation>Die Website hat einen Titel, aber der Titel ist zu kurz. Sie sollten einen längeren Titel eingeben, zum Beispiel eine kurze Beschreibung des Inhalts des Dokuments.</translation>
    </message>
    <message>
        <source>Website has a title, but the title should be longer. Enter for example a brief description of the document&apos;s content of the document.</source>
        <comment>IDS_6</comment>
        <translation>Die Website hat einen Titel, aber der Titel sollte länger sein. Geben Sie zum Beispiel eine kurze Beschreibung des Inhalts des Dokuments ein.</translation>
    </message>
    <message>
        <source>Website has a correct title. However, you may add more text in the title.</source>
        <comment>IDS_7</comment>
        <translation>Die Website hat einen korrekten Titel. Sie können dem Titel jedoch noch mehr Text hinzufügen.</translation>
    </message>
    <message>
        <source>Website has a correct title.</source>
        <comment>IDS_8</comment>
        <translation>Die Website hat einen korrekten Titel.</translation>
    </message>
    <message>
        <source>Title is a little too long. Consider shortening the title. Note that the title should not consist of a detailed description of your website or a list of keywords.</source>
        <comment>IDS_9</comment>
        <translation>Der Titel ist etwas zu lang. Erwägen Sie, den Titel zu kürzen. Beachten Sie, dass der Titel keine ausführliche Beschreibung Ihrer Website oder eine Liste von Suchbegriffen sein sollte.</translation>
    </message>
    <message>
        <source>The title is too long. Consider shortening the title. Note that the title should not consist of a detailed description of your website or a list of keywords.</source>
        <comment>IDS_10</comment>
        <translation>Der Titel ist zu lang. Erwägen Sie, den Titel zu kürzen. Beachten Sie, dass der Titel keine ausführliche Beschreibung Ihrer Website oder eine Liste von Suchbegriffen sein sollte.</translation>
    </message>
    <message>
        <source>The title is far too long. You must shorten the title. Note that the title should not consist of a detailed description of your website or a list of keywords.</source>
        <comment>IDS_11</comment>
        <translation>Der Titel ist viel zu lang. Sie müssen den Titel kürzen. Beachten Sie, dass der Titel keine ausführliche Beschreibung Ihrer Website oder eine Liste von Suchbegriffen sein sollte.</translation>
    </message>
    <message>
        <source>The title contains no invalid capitalization.</source>
        <comment>IDS_12</comment>
        <translation>Der Titel enthält keine unzulässige Großschreibung.</translation>
    </message>
    <message>
        <source>Avoid unnecessary capitals! Most search services do not like them.</source>
        <comment>IDS_13</comment>
        <translation>Vermeiden Sie unnötige Großbuchstaben! Die meisten Suchdienste mögen sie nicht.</translation>
    </message>
    <message>
        <source>There are too many capitals in your text! Most search services do not like them.</source>
        <comment>IDS_14</comment>
        <translation>Ihr Text enthält zu viele Großbuchstaben! Die meisten Suchdienste mögen sie nicht.</translation>
    </message>
    <message>
        <source>You must eliminate unnecessary capitals! Most search services do not like them.</source>
        <comment>IDS_15</comment>
        <translation>Sie müssen unnötige Großbuchstaben entfernen! Die meisten Suchdienste mögen sie nicht.</translation>
    </message>
    <message>
        <source>The text does not contain invalid repetitions of terms.</source>
        <comment>IDS_16</comment>
        <translation>Der Text enthält keine unzulässigen Wiederholungen von Begriffen.</translation>
    </message>
    <message>
        <source>Check whether your text contains invalid repetitions of terms.</source>
        <comment>IDS_17</comment>
        <translation>Prüfen Sie, ob Ihr Text unzulässige Wiederholungen von Begriffen enthält.</translation>
    </message>
    <message>
        <source>Avoid repetitions of terms.</source>
        <comment>IDS_18</comment>
        <translation>Vermeiden Sie Wiederholungen von Begriffen.</translation>
    </message>
    <message>
        <source>You must eliminate repeated terms.</source>
        <comment>IDS_19</comment>
        <translation>Sie müssen wiederholte Begriffe entfernen.</translation>
    </message>
    <message>
        <source>You have entered only %1 characters. This is not sufficient! We recommend to enter up to 255 characters.</source>
        <comment>IDS_27</comment>
        <translation>Sie haben nur %1 Zeichen eingegeben. Das reicht nicht aus! Wir empfehlen bis zu 255 Zeichen.</translation>
    </message>
    <message>
        <source>You have entered only %1 characters. This by far short! We recommend to enter up to 255 characters.</source>
        <comment>IDS_45</comment>
        <translation>Sie haben nur %1 Zeichen eingegeben. Das ist viel zu kurz! Wir empfehlen bis zu 255 Zeichen.</translation>
    </message>
    <message>
        <source>You have only entered %1 characters. This is not sufficient! We recommend to enter up to 255 characters.</source>
        <comment>IDS_28</comment>
        <translation>Sie haben erst %1 Zeichen eingegeben. Das reicht nicht aus! Wir empfehlen bis zu 255 Zeichen.</translation>
    </message>
    <message>
        <source>You have entered only %1 characters. This is not sufficient! We recommend to enter up to 255 characters.</source>
        <comment>IDS_46</comment>
        <translation>Sie haben nur %1 Zeichen eingegeben. Das reicht nicht aus! Wir empfehlen bis zu 255 Zeichen.</translation>
    </message>
    <message>
        <source>You have entered %1 characters. We recommend to enter up to 255 characters.</source>
        <comment>IDS_29</comment>
        <translation>Sie haben %1 Zeichen eingegeben. Wir empfehlen bis zu 255 Zeichen.</translation>
    </message>
    <message>
        <source>Keywords entered and correct.</source>
        <comment>IDS_30</comment>
        <translation>Suchbegriffe eingegeben und korrekt.</translation>
    </message>
    <message>
        <source>Description entered and correct.</source>
        <comment>IDS_48</comment>
        <translation>Beschreibung eingegeben und korrekt.</translation>
    </message>
    <message>
        <source>Too many keywords! You have entered %1 characters. We recommend to enter max.255 characters.</source>
        <comment>IDS_31</comment>
        <translation>Zu viele Suchbegriffe! Sie haben %1 Zeichen eingegeben. Wir empfehlen max. 255 Zeichen.</translation>
    </message>
    <message>
        <source>The description is too long. You have entered %1 characters. We recommend to enter max. 255 characters.</source>
        <comment>IDS_49</comment>
        <translation>Die Beschreibung ist zu lang. Sie haben %1 Zeichen eingegeben. Wir empfehlen max. 255 Zeichen.</translation>
    </message>
    <message>
        <source>Reduce the number of keywords! You have entered %1 characters. That is too much! We recommend to enter max. 255 characters.</source>
        <comment>IDS_32</comment>
        <translation>Verringern Sie die Anzahl der Suchbegriffe! Sie haben %1 Zeichen eingegeben. Das ist zu viel! Wir empfehlen max. 255 Zeichen.</translation>
    </message>
    <message>
        <source>Shorten the description! You have entered %1 characters. That is too much! We recommend to enter max. 255 characters.</source>
        <comment>IDS_50</comment>
        <translation>Kürzen Sie die Beschreibung! Sie haben %1 Zeichen eingegeben. Das ist zu viel! Wir empfehlen max. 255 Zeichen.</translation>
    </message>
    <message>
        <source>You must reduce the number of keywords! You have entered %1 characters. This is far too much! We recommend to enter max. 255 characters.</source>
        <comment>IDS_33</comment>
        <translation>Sie müssen die Anzahl der Suchbegriffe verringern! Sie haben %1 Zeichen eingegeben. Das ist viel zu viel! Wir empfehlen max. 255 Zeichen.</translation>
    </message>
    <message>
        <source>You must shorten your description! You have entered %1 characters. This is far too much! We recommend to enter max.255 characters.</source>
        <comment>IDS_51</comment>
        <translation>Sie müssen Ihre Beschreibung kürzen! Sie haben %1 Zeichen eingegeben. Das ist viel zu viel! Wir empfehlen max. 255 Zeichen.</translation>
    </message>
    <message>
        <source>In addition, there are only %1 words, which might indicate another problem. Ensure that the individual keywords are separated by commas.</source>
        <comment>IDS_34</comment>
        <translation>Außerdem gibt es nur %1 Wörter, was auf ein weiteres Problem hindeuten kann. Achten Sie darauf, dass die einzelnen Suchbegriffe durch Kommas getrennt sind.</translation>
    </message>
    <message>
        <source>In addition, there are only %1 words, which might indicate another problem.</source>
        <comment>IDS_52</comment>
        <translation>Außerdem gibt es nur %1 Wörter, was auf ein weiteres Problem hindeuten kann.</translation>
    </message>
    <message>
        <source>In addition, there are only %1 words, which might indicate another problem. You should consider entering more terms.</source>
        <comment>IDS_35</comment>
        <translation>Außerdem gibt es nur %1 Wörter, was auf ein weiteres Problem hindeuten kann. Sie sollten weitere Begriffe eingeben.</translation>
    </message>
    <message>
        <source>Keywords</source>
        <comment>IDS_25</comment>
        <translation>Suchbegriffe</translation>
    </message>
    <message>
        <source>Description</source>
        <comment>IDS_43</comment>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>No keywords! Add keywords to your website by entering suitable terms through the &apos;keywords&apos; meta tag.</source>
        <comment>IDS_26</comment>
        <translation>Keine Suchbegriffe! Fügen Sie Ihrer Website Suchbegriffe hinzu, indem Sie passende Begriffe über das Meta-Tag &apos;keywords&apos; eintragen.</translation>
    </message>
    <message>
        <source>You should never submit websites without a description! Add a description to your website by entering this information through the &apos;description&apos; meta tag.</source>
        <comment>IDS_44</comment>
        <translation>Sie sollten niemals Websites ohne Beschreibung anmelden! Fügen Sie Ihrer Website eine Beschreibung hinzu, indem Sie sie über das Meta-Tag &apos;description&apos; eintragen.</translation>
    </message>
    <message>
        <source>You must eliminate unnecessary capitals! Most search services do not like them.</source>
        <comment>IDS_39</comment>
        <translation>Sie müssen unnötige Großbuchstaben entfernen! Die meisten Suchdienste mögen sie nicht.</translation>
    </message>
    <message>
        <source>The keywords contain no invalid capitalization.</source>
        <comment>IDS_36</comment>
        <translation>Die Suchbegriffe enthalten keine unzulässige Großschreibung.</translation>
    </message>
    <message>
        <source>Avoid unnecessary capitals! Most search services do not like them.</source>
        <comment>IDS_37</comment>
        <translation>Vermeiden Sie unnötige Großbuchstaben! Die meisten Suchdienste mögen sie nicht.</translation>
    </message>
    <message>
        <source>There are too many capitals in your text! Most search services do not like them.</source>
        <comment>IDS_38</comment>
        <translation>Ihr Text enthält zu viele Großbuchstaben! Die meisten Suchdienste mögen sie nicht.</translation>
    </message>
    <message>
        <source>Description contains no invalid capitalization.</source>
        <comment>IDS_54</comment>
        <translation>Die Beschreibung enthält keine unzulässige Großschreibung.</translation>
    </message>
    <message>
        <source>Avoid unnecessary capitals! Most search services do not like them.</source>
        <comment>IDS_55</comment>
        <translation>Vermeiden Sie unnötige Großbuchstaben! Die meisten Suchdienste mögen sie nicht.</translation>
    </message>
    <message>
        <source>There are too many capitals in your text! Most search services do not like them.</source>
        <comment>IDS_56</comment>
        <translation>Ihr Text enthält zu viele Großbuchstaben! Die meisten Suchdienste mögen sie nicht.</translation>
    </message>
    <message>
        <source>Text contains no invalid repetitions of terms.</source>
        <comment>IDS_57</comment>
        <translation>Der Text enthält keine unzulässigen Wiederholungen von Begriffen.</translation>
    </message>
    <message>
        <source>Check whether your text contains invalid repetitions of terms. %1 identical terms have been found.</source>
        <comment>IDS_40</comment>
        <translation>Prüfen Sie, ob Ihr Text unzulässige Wiederholungen von Begriffen enthält. Es wurden %1 identische Begriffe gefunden.</translation>
    </message>
    <message>
        <source>Avoid repetitions of terms. %1 identical terms have been found.</source>
        <comment>IDS_41</comment>
        <translation>Vermeiden Sie Wiederholungen von Begriffen. Es wurden %1 identische Begriffe gefunden.</translation>
    </message>
    <message>
        <source>You must eliminate repeated terms. %1 identical terms have been found.</source>
        <comment>IDS_42</comment>
        <translation>Sie müssen wiederholte Begriffe entfernen. Es wurden %1 identische Begriffe gefunden.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>IDS_69</comment>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>No refresh</source>
        <comment>IDS_70</comment>
        <translation>Kein Refresh</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>IDS_71</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Refresh value is too low! Enter a higher value!</source>
        <comment>IDS_61</comment>
        <translation>Der Refresh-Wert ist zu niedrig! Geben Sie einen höheren Wert ein!</translation>
    </message>
    <message>
        <source>Refresh value is within the acceptable range.</source>
        <comment>IDS_62</comment>
        <translation>Der Refresh-Wert liegt im zulässigen Bereich.</translation>
    </message>
    <message>
        <source>Overall assessment: %1 %2 - Rectify these problems before submitting your website.</source>
        <comment>IDS_63</comment>
        <translation>Gesamtbewertung: %1 %2 - Beheben Sie diese Probleme, bevor Sie Ihre Website anmelden.</translation>
    </message>
    <message>
        <source>Overall assessment: %1 %2 - Read the notes and hints.</source>
        <comment>IDS_64</comment>
        <translation>Gesamtbewertung: %1 %2 - Lesen Sie die Hinweise und Tipps.</translation>
    </message>
    <message>
        <source>Overall assessment: %1 %2 - All checked parameters are OK.</source>
        <comment>IDS_65</comment>
        <translation>Gesamtbewertung: %1 %2 - Alle geprüften Parameter sind in Ordnung.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment>IDS_1001</comment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Comment</source>
        <comment>IDS_1002</comment>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>IDS_1006</comment>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>The website has no REFRESH value.</source>
        <comment>IDS_68</comment>
        <translation>Die Website hat keinen REFRESH-Wert.</translation>
    </message>
    <message>
        <source>The website has a REFRESH value of %1&apos;.</source>
        <comment>IDS_67</comment>
        <translation>Die Website hat einen REFRESH-Wert von %1&apos;.</translation>
    </message>
    <message>
        <source>Current title</source>
        <comment>IDS_1003</comment>
        <translation>Aktueller Titel</translation>
    </message>
    <message>
        <source>Current keywords</source>
        <comment>IDS_1004</comment>
        <translation>Aktuelle Suchbegriffe</translation>
    </message>
    <message>
        <source>Current description</source>
        <comment>IDS_1005</comment>
        <translation>Aktuelle Beschreibung</translation>
    </message>
    <message>
        <source>Number of words: %1 Number of characters: %2</source>
        <comment>IDS_66</comment>
        <translation>Anzahl der Wörter: %1 Anzahl der Zeichen: %2</translation>
    </message>
</context>
<context>
    <name>SiteValidation</name>
    <message>
        <source>Do you wish to continue?</source>
        <translation>Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Avoid repeated exclamation marks. Most search services do not like them.</source>
        <translation>Vermeiden Sie wiederholte Ausrufezeichen. Die meisten Suchdienste mögen sie nicht.</translation>
    </message>
    <message>
        <source>Avoid special characters such as *, # or &lt;. Most search services do not like them.</source>
        <translation>Vermeiden Sie Sonderzeichen wie *, # oder &lt;. Die meisten Suchdienste mögen sie nicht.</translation>
    </message>
    <message>
        <source>Avoid unnecessary capitals! Most search services do not like them.</source>
        <translation>Vermeiden Sie unnötige Großbuchstaben! Die meisten Suchdienste mögen sie nicht.</translation>
    </message>
</context>
<context>
    <name>SkinPictures</name>
    <message>
        <source>Site details</source>
        <translation>Website-Daten</translation>
    </message>
    <message>
        <source>Meta tags</source>
        <translation>Meta-Tags</translation>
    </message>
    <message>
        <source>Automatic submission</source>
        <translation>Automatische Anmeldung</translation>
    </message>
    <message>
        <source>Manual submission</source>
        <translation>Manuelle Anmeldung</translation>
    </message>
    <message>
        <source>Status report</source>
        <translation>Statusbericht</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Please select a higher screen resolution. %1 cannot be run with the currently set resolution of %2 x %3.</source>
        <comment>IDS_Aufloesung</comment>
        <translation>Bitte wählen Sie eine höhere Bildschirmauflösung. %1 kann mit der eingestellten Auflösung von %2 x %3 nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>Sendora! Special Edition</source>
        <comment>IDS_ProgName</comment>
        <translation>Sendora! Special Edition</translation>
    </message>
    <message>
        <source>Your system is currently set to only %1 colors. Please change the color settings in the control panel to a higher number of colors to gain a better display of the program elements!</source>
        <comment>IDS_Farben</comment>
        <translation>Ihr System ist zurzeit auf nur %1 Farben eingestellt. Bitte stellen Sie in der Systemsteuerung eine höhere Farbanzahl ein, damit die Programmelemente besser dargestellt werden!</translation>
    </message>
    <message>
        <source>(The current user might not have sufficient access rights!)</source>
        <comment>IDS_Zugriffsrechte</comment>
        <translation>(Möglicherweise hat der aktuelle Benutzer nicht genügend Zugriffsrechte!)</translation>
    </message>
    <message>
        <source>Error during reading of registry data. Please check your system!</source>
        <comment>IDS_RegLesen</comment>
        <translation>Fehler beim Lesen der Registrierungsdaten. Bitte überprüfen Sie Ihr System!</translation>
    </message>
    <message>
        <source>Error has occured while writing to registry. Check your system!</source>
        <comment>IDS_RegSchreiben</comment>
        <translation>Beim Schreiben der Registrierungsdaten ist ein Fehler aufgetreten. Überprüfen Sie Ihr System!</translation>
    </message>
    <message>
        <source>Error no. %1 - application is being terminated!</source>
        <comment>IDS_FehlerBeenden</comment>
        <translation>Fehler Nr. %1 - die Anwendung wird beendet!</translation>
    </message>
    <message>
        <source>Error no. %1 - application is being closed!</source>
        <comment>IDS_FehlerSchliessen</comment>
        <translation>Fehler Nr. %1 - die Anwendung wird geschlossen!</translation>
    </message>
</context>
<context>
    <name>StringCipher</name>
    <message>
        <source>Base64: Incorrect string format</source>
        <translation>Base64: Ungültiges Zeichenkettenformat</translation>
    </message>
    <message>
        <source>The text holds characters that cannot be enciphered.</source>
        <translation>Der Text enthält Zeichen, die nicht verschlüsselt werden können.</translation>
    </message>
</context>
<context>
    <name>SubmissionJob</name>
    <message>
        <source>Please wait ...</source>
        <translation>Bitte warten ...</translation>
    </message>
</context>
<context>
    <name>SubmissionRun</name>
    <message>
        <source>Please wait ...</source>
        <translation>Bitte warten ...</translation>
    </message>
    <message>
        <source>Preparing transfer, please wait ...</source>
        <translation>Übertragung wird vorbereitet, bitte warten ...</translation>
    </message>
    <message>
        <source>Generating status report, please wait ...</source>
        <translation>Statusbericht wird erstellt, bitte warten ...</translation>
    </message>
    <message>
        <source>Resetting search service database. Please wait ...</source>
        <translation>Suchdienst-Datenbank wird zurückgesetzt. Bitte warten ...</translation>
    </message>
</context>
<context>
    <name>TDatenmodul</name>
    <message>
        <source>There is no search service to edit.</source>
        <comment>IDS_KeinDatensatz</comment>
        <translation>Es gibt keinen Suchdienst zum Bearbeiten.</translation>
    </message>
    <message>
        <source>The field %1 of a search service cannot be changed.</source>
        <comment>IDS_NurLesen</comment>
        <translation>Das Feld %1 eines Suchdienstes kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>Non-critical error! Error no. %1</source>
        <comment>IDS_NeuerDatensatz</comment>
        <translation>Nicht kritischer Fehler! Fehler Nr. %1</translation>
    </message>
    <message>
        <source>The search-service database is not open.</source>
        <comment>IDS_NichtOffen</comment>
        <translation>Die Suchdienst-Datenbank ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Exception error during reading</source>
        <comment>IDS_FehlerBeimLesen</comment>
        <translation>Ausnahmefehler beim Lesen</translation>
    </message>
    <message>
        <source>Search engine selection file not found!</source>
        <comment>IDS_AuswahlDateiFehlt</comment>
        <translation>Die Suchmaschinen-Auswahldatei wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Error no. %1<byte value="xd"/><byte value="xd"/>Possible causes for this error: <byte value="xd"/>   - Application has not been closed properly.<byte value="xd"/>   - Database files have been deleted or damaged.<byte value="xd"/>   - Incorrect installation.<byte value="xd"/><byte value="xd"/>Restart your computer and then restart %2.<byte value="xd"/>If this error persists, please contact our technical support!<byte value="xd"/><byte value="xd"/>This application is now being terminated!</source>
        <comment>IDS_DatenbankFehler</comment>
        <translation>Fehler Nr. %1<byte value="xd"/><byte value="xd"/>Mögliche Ursachen für diesen Fehler: <byte value="xd"/>   - Die Anwendung wurde nicht ordnungsgemäß beendet.<byte value="xd"/>   - Datenbankdateien wurden gelöscht oder beschädigt.<byte value="xd"/>   - Fehlerhafte Installation.<byte value="xd"/><byte value="xd"/>Starten Sie Ihren Computer neu und starten Sie dann %2 erneut.<byte value="xd"/>Falls der Fehler weiterhin auftritt, wenden Sie sich bitte an unseren technischen Support!<byte value="xd"/><byte value="xd"/>Die Anwendung wird jetzt beendet!</translation>
    </message>
    <message>
        <source>The number of search engines has changed.<byte value="xd"/><byte value="xd"/>This problem can be solved as follows: <byte value="xd"/>Save the file and load it again.<byte value="xd"/>IMPORTANT: Save with command F i l e | S a v e   a s . . . (NOT: File|Save)!<byte value="xd"/><byte value="xd"/>If this error persists, the SIT file is damaged/invalid.</source>
        <comment>IDS_AnzahlGeaendert</comment>
        <translation>Die Anzahl der Suchmaschinen hat sich geändert.<byte value="xd"/><byte value="xd"/>Dieses Problem lässt sich wie folgt lösen: <byte value="xd"/>Speichern Sie die Datei und laden Sie sie erneut.<byte value="xd"/>WICHTIG: Speichern mit dem Befehl D a t e i | S p e i c h e r n   u n t e r . . . (NICHT: Datei|Speichern)!<byte value="xd"/><byte value="xd"/>Falls der Fehler weiterhin auftritt, ist die SIT-Datei beschädigt/ungültig.</translation>
    </message>
</context>
<context>
    <name>TLastInfo</name>
    <message>
        <source>Special characters have been found. Do you wish to replace these characters with HTML codes?</source>
        <translation>Es wurden Sonderzeichen gefunden. Möchten Sie diese Zeichen durch HTML-Codes ersetzen?</translation>
    </message>
    <message>
        <source>To complete the desired process, enter at least one meta tag!</source>
        <translation>Geben Sie mindestens ein Meta-Tag ein, um den gewünschten Vorgang abzuschließen!</translation>
    </message>
    <message>
        <source>Empty string - non-critical error no. 881102</source>
        <translation>Leere Zeichenkette - nicht kritischer Fehler Nr. 881102</translation>
    </message>
    <message>
        <source>This file has seemingly caused a program error. Please forward the file that has caused this error to</source>
        <translation>Diese Datei hat anscheinend einen Programmfehler verursacht. Bitte senden Sie die Datei, die diesen Fehler verursacht hat, an</translation>
    </message>
    <message>
        <source>. Thank you!</source>
        <translation>. Vielen Dank!</translation>
    </message>
    <message>
        <source>The following meta tags are found more than once:</source>
        <translation>Die folgenden Meta-Tags kommen mehrfach vor:</translation>
    </message>
    <message>
        <source>Only the first respective meta tag (of several identical ones) has been loaded!</source>
        <translation>Es wurde jeweils nur das erste von mehreren gleichen Meta-Tags geladen!</translation>
    </message>
    <message>
        <source>HEAD found, but HEAD does not contain any (correct or mandatory) meta tags to be loaded!</source>
        <translation>HEAD gefunden, aber HEAD enthält keine (korrekten oder erforderlichen) Meta-Tags zum Laden!</translation>
    </message>
</context>
<context>
    <name>TMetaTagData</name>
    <message>
        <source>File name is empty!</source>
        <translation>Der Dateiname ist leer!</translation>
    </message>
    <message>
        <source>The input %1 is not assigned!</source>
        <translation>Das Eingabefeld %1 ist nicht zugewiesen!</translation>
    </message>
</context>
<context>
    <name>TSdProjectContainer</name>
    <message>
        <source>The file %1 cannot be opened: %2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>&apos;%1&apos; ist kein gültiges Datum mit Uhrzeit</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
</context>
<context>
    <name>TfrmAboutBox</name>
    <message>
        <source>About Sendora</source>
        <translation>Über Sendora</translation>
    </message>
    <message>
        <source>Sendora! Special Edition</source>
        <translation>Sendora! Special Edition</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Submits your website to search engines and directories, keeps your site details and meta tags, and reports the result of every submission.</source>
        <translation>Meldet Ihre Website bei Suchmaschinen und Verzeichnissen an, verwaltet Ihre Website-Angaben und Meta-Tags und berichtet über das Ergebnis jeder Anmeldung.</translation>
    </message>
</context>
<context>
    <name>TfrmDetailErklaerung</name>
    <message>
        <source>Click here to view more information on this topic.</source>
        <translation>Klicken Sie hier, um mehr zu diesem Thema zu erfahren.</translation>
    </message>
    <message>
        <source>Do not show this hint anymore</source>
        <translation>Diesen Hinweis nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>TfrmDetailsZumSuchdienst</name>
    <message>
        <source>Spider search engine</source>
        <comment>IDS_Spider</comment>
        <translation>Spider-Suchmaschine</translation>
    </message>
    <message>
        <source>Directory</source>
        <comment>IDS_Verzeichnis</comment>
        <translation>Verzeichnis</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>IDS_Andere</comment>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>IDS_Unbekannt</comment>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Only manual submission</source>
        <comment>IDS_NurManuell</comment>
        <translation>Nur manuelle Anmeldung</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>IDS_Ja</comment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Yes, this search service charges a fee</source>
        <comment>IDS_Kostenpflichtig</comment>
        <translation>Ja, dieser Suchdienst ist kostenpflichtig</translation>
    </message>
    <message>
        <source>No, registration is free of charge</source>
        <comment>IDS_Kostenlos</comment>
        <translation>Nein, die Anmeldung ist kostenlos</translation>
    </message>
    <message>
        <source>New or not very important search service</source>
        <comment>IDS_Bewertung0</comment>
        <translation>Neuer oder weniger wichtiger Suchdienst</translation>
    </message>
    <message>
        <source>Small search service</source>
        <comment>IDS_Bewertung1</comment>
        <translation>Kleiner Suchdienst</translation>
    </message>
    <message>
        <source>Important search service</source>
        <comment>IDS_Bewertung2</comment>
        <translation>Wichtiger Suchdienst</translation>
    </message>
    <message>
        <source>Highly important search service</source>
        <comment>IDS_Bewertung3</comment>
        <translation>Sehr wichtiger Suchdienst</translation>
    </message>
    <message>
        <source>Top search service</source>
        <comment>IDS_Bewertung4</comment>
        <translation>Top-Suchdienst</translation>
    </message>
    <message>
        <source>Search service not yet rated</source>
        <comment>IDS_BewertungKeine</comment>
        <translation>Suchdienst noch nicht bewertet</translation>
    </message>
    <message>
        <source>Up to %1 weeks</source>
        <comment>IDS_Wochen</comment>
        <translation>Bis zu %1 Wochen</translation>
    </message>
    <message>
        <source>%1 days</source>
        <comment>IDS_Tage</comment>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>Varies (generally several weeks)</source>
        <comment>IDS_MehrereWochen</comment>
        <translation>Unterschiedlich (meist mehrere Wochen)</translation>
    </message>
    <message>
        <source>Varies (generally several days)</source>
        <comment>IDS_MehrereTage</comment>
        <translation>Unterschiedlich (meist mehrere Tage)</translation>
    </message>
    <message>
        <source>Website last submitted to this search service on %1</source>
        <comment>IDS_Zuletzt</comment>
        <translation>Website zuletzt am %1 bei diesem Suchdienst angemeldet</translation>
    </message>
    <message>
        <source>You have not yet submitted your current website to this search service</source>
        <comment>IDS_NochNicht</comment>
        <translation>Sie haben Ihre aktuelle Website noch nicht bei diesem Suchdienst angemeldet</translation>
    </message>
    <message>
        <source>&lt;Information not available&gt;</source>
        <comment>IDS_KeineAngabe</comment>
        <translation>&lt;Keine Angabe&gt;</translation>
    </message>
    <message>
        <source>Go to start page of </source>
        <comment>IDS_StartSeite</comment>
        <translation>Zur Startseite von </translation>
    </message>
    <message>
        <source>Go to &apos;Submit URL&apos; page of </source>
        <comment>IDS_AnmeldeSeite</comment>
        <translation>Zur Seite &apos;URL anmelden&apos; von </translation>
    </message>
</context>
<context>
    <name>TfrmEnginesExport</name>
    <message>
        <source>Search engines</source>
        <comment>IDS_Suchmaschinen</comment>
        <translation>Suchmaschinen</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <comment>IDS_Schreibfehler</comment>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>TfrmFetchURL</name>
    <message>
        <source>Retrieve data</source>
        <translation>Daten abrufen</translation>
    </message>
    <message>
        <source>Please wait. The data is being retrieved</source>
        <translation>Bitte warten. Die Daten werden abgerufen</translation>
    </message>
</context>
<context>
    <name>TfrmHauptFormular</name>
    <message>
        <source>Sendora! Special Edition - %1</source>
        <comment>IDS_Caption</comment>
        <translation>Sendora! Special Edition - %1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <comment>IDS_MnuSprache</comment>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <comment>IDS_MnuEnglisch</comment>
        <translation>&amp;Englisch</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <comment>IDS_MnuDeutsch</comment>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <comment>IDS_MnuFranzoesisch</comment>
        <translation>&amp;Französisch</translation>
    </message>
    <message>
        <source>Would you like to save file %1 now?</source>
        <comment>IDS_DateiSpeichern</comment>
        <translation>Möchten Sie die Datei %1 jetzt speichern?</translation>
    </message>
    <message>
        <source>Would you like to save current form data?</source>
        <comment>IDS_FormularSpeichern</comment>
        <translation>Möchten Sie die aktuellen Formulardaten speichern?</translation>
    </message>
    <message>
        <source>Would you like to save the current form data now?</source>
        <comment>IDS_FormularJetztSpeichern</comment>
        <translation>Möchten Sie die aktuellen Formulardaten jetzt speichern?</translation>
    </message>
    <message>
        <source>Would you like to exit the program now?</source>
        <comment>IDS_ProgrammBeenden</comment>
        <translation>Möchten Sie das Programm jetzt beenden?</translation>
    </message>
    <message>
        <source>Error while loading file %1</source>
        <comment>IDS_FehlerBeimLaden</comment>
        <translation>Fehler beim Laden der Datei %1</translation>
    </message>
    <message>
        <source>Exception while reading</source>
        <comment>IDS_AusnahmeBeimLesen</comment>
        <translation>Ausnahme beim Lesen</translation>
    </message>
    <message>
        <source>File %1 has been saved.</source>
        <comment>IDS_DateiGespeichert</comment>
        <translation>Die Datei %1 wurde gespeichert.</translation>
    </message>
    <message>
        <source>Please wait ...</source>
        <comment>IDS_BitteWarten</comment>
        <translation>Bitte warten ...</translation>
    </message>
    <message>
        <source>Loading file, please wait ...</source>
        <comment>IDS_DateiLaden</comment>
        <translation>Datei wird geladen, bitte warten ...</translation>
    </message>
    <message>
        <source>Saving data, please wait ...</source>
        <comment>IDS_DatenSpeichern</comment>
        <translation>Daten werden gespeichert, bitte warten ...</translation>
    </message>
    <message>
        <source>Load details file</source>
        <comment>IDS_OeffnenTitel</comment>
        <translation>Angabendatei laden</translation>
    </message>
    <message>
        <source>Site details files|*.sit|All files|*.*</source>
        <comment>IDS_DateiFilter</comment>
        <translation>Website-Angabendateien|*.sit|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>Saving details file</source>
        <comment>IDS_SpeichernTitel</comment>
        <translation>Angabendatei speichern</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>IDS_MnuDatei</comment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>IDS_MnuNeu</comment>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <comment>IDS_MnuOeffnen</comment>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>IDS_MnuSpeichern</comment>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as ...</source>
        <comment>IDS_MnuSpeichernUnter</comment>
        <translation>Speichern &amp;unter ...</translation>
    </message>
    <message>
        <source>Update Manager</source>
        <comment>IDS_MnuUpdateManager</comment>
        <translation>Update-Manager</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <comment>IDS_MnuBeenden</comment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Start a new, untitled project</source>
        <comment>IDS_HintNeu</comment>
        <translation>Ein neues, unbenanntes Projekt beginnen</translation>
    </message>
    <message>
        <source>Open a details file</source>
        <comment>IDS_HintOeffnen</comment>
        <translation>Eine Angabendatei öffnen</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <comment>IDS_HintSpeichern</comment>
        <translation>Das aktuelle Projekt speichern</translation>
    </message>
    <message>
        <source>Save the current project under a new name</source>
        <comment>IDS_HintSpeichernUnter</comment>
        <translation>Das aktuelle Projekt unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <comment>IDS_HintBeenden</comment>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <comment>IDS_MnuExtras</comment>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>Open &amp;One-Minute Assistant</source>
        <comment>IDS_MnuAssistent</comment>
        <translation>&amp;Ein-Minuten-Assistent öffnen</translation>
    </message>
    <message>
        <source>Export &amp;search services</source>
        <comment>IDS_MnuExport</comment>
        <translation>&amp;Suchdienste exportieren</translation>
    </message>
    <message>
        <source>&amp;Program options</source>
        <comment>IDS_MnuOptionen</comment>
        <translation>&amp;Programmoptionen</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <comment>IDS_MnuGeheZu</comment>
        <translation>&amp;Gehe zu</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <comment>IDS_MnuDetails</comment>
        <translation>&amp;Angaben</translation>
    </message>
    <message>
        <source>&amp;Meta Tag Generator</source>
        <comment>IDS_MnuMetaTags</comment>
        <translation>&amp;Meta-Tag-Generator</translation>
    </message>
    <message>
        <source>&amp;Automatic Submission</source>
        <comment>IDS_MnuAutomatisch</comment>
        <translation>&amp;Automatische Anmeldung</translation>
    </message>
    <message>
        <source>Manual Submission</source>
        <comment>IDS_MnuManuell</comment>
        <translation>Manuelle Anmeldung</translation>
    </message>
    <message>
        <source>&amp;Status Report</source>
        <comment>IDS_MnuStatus</comment>
        <translation>&amp;Statusbericht</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <comment>IDS_MnuHilfe</comment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <comment>IDS_MnuInhalt</comment>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Tuturi&amp;al</source>
        <comment>IDS_MnuTutorial</comment>
        <translation>Tutori&amp;al</translation>
    </message>
    <message>
        <source>&amp;Questions and problems</source>
        <comment>IDS_MnuFragen</comment>
        <translation>&amp;Fragen und Probleme</translation>
    </message>
    <message>
        <source>S&amp;upport forum</source>
        <comment>IDS_MnuForum</comment>
        <translation>S&amp;upport-Forum</translation>
    </message>
    <message>
        <source>Tips and &amp;hints</source>
        <comment>IDS_MnuTipps</comment>
        <translation>Tipps und &amp;Hinweise</translation>
    </message>
    <message>
        <source>10 &amp;important hints</source>
        <comment>IDS_MnuWichtigeHinweise</comment>
        <translation>10 &amp;wichtige Hinweise</translation>
    </message>
    <message>
        <source>New &amp;search service</source>
        <comment>IDS_MnuNeuerSuchdienst</comment>
        <translation>Neuer &amp;Suchdienst</translation>
    </message>
    <message>
        <source>&amp;Tip of the day</source>
        <comment>IDS_MnuTippDesTages</comment>
        <translation>&amp;Tipp des Tages</translation>
    </message>
    <message>
        <source>A&amp;bout ...</source>
        <comment>IDS_MnuInfo</comment>
        <translation>Ü&amp;ber ...</translation>
    </message>
    <message>
        <source>Pri&amp;nt</source>
        <comment>IDS_BtnDrucken</comment>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;RTF report</source>
        <comment>IDS_BtnRTF</comment>
        <translation>&amp;RTF-Bericht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>IDS_BtnHilfe</comment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Enter website details. Details are divided in four sections: WEBSITE, PERSON, WEBMASTER and COMPANY</source>
        <comment>IDS_StatusKenndaten</comment>
        <translation>Geben Sie die Website-Angaben ein. Die Angaben sind in vier Bereiche gegliedert: WEBSITE, PERSON, WEBMASTER und FIRMA</translation>
    </message>
    <message>
        <source>Enter website details. Details are divided into four sections: WEBSITE, PERSON, WEBMASTER and COMPANY</source>
        <comment>IDS_InfoKenndaten</comment>
        <translation>Geben Sie die Website-Angaben ein. Die Angaben sind in vier Bereiche gegliedert: WEBSITE, PERSON, WEBMASTER und FIRMA</translation>
    </message>
    <message>
        <source>Generate or import meta tags that can be pasted into HTML files.</source>
        <comment>IDS_StatusMetaTags</comment>
        <translation>Erzeugen oder importieren Sie Meta-Tags, die sich in HTML-Dateien einfügen lassen.</translation>
    </message>
    <message>
        <source>Displayed search services support automatic submission.</source>
        <comment>IDS_StatusAutomatisch</comment>
        <translation>Die angezeigten Suchdienste unterstützen die automatische Anmeldung.</translation>
    </message>
    <message>
        <source>Your website can be submitted to the displayed search services with the Submission assistant.</source>
        <comment>IDS_StatusManuell</comment>
        <translation>Bei den angezeigten Suchdiensten können Sie Ihre Website mit dem Anmeldeassistenten anmelden.</translation>
    </message>
    <message>
        <source>View and print status of your last submission.</source>
        <comment>IDS_StatusStatus</comment>
        <translation>Zeigen Sie den Status Ihrer letzten Anmeldung an und drucken Sie ihn.</translation>
    </message>
    <message>
        <source>No.</source>
        <comment>IDS_500</comment>
        <translation>Anz.</translation>
    </message>
    <message>
        <source>Welcome to Sendora!</source>
        <comment>IDS_Willkommen</comment>
        <translation>Willkommen bei Sendora!</translation>
    </message>
</context>
<context>
    <name>TfrmInfoFenster</name>
    <message>
        <source>Welcome to Sendora! This window contains useful tips and hints</source>
        <translation>Willkommen bei Sendora! Dieses Fenster enthält nützliche Tipps und Hinweise</translation>
    </message>
    <message>
        <source>Close the info window</source>
        <translation>Infofenster schließen</translation>
    </message>
</context>
<context>
    <name>TfrmKenndaten</name>
    <message>
        <source>Enter website&apos;s URL in field &apos;URL&apos; and click &apos;Check URL&apos; again!</source>
        <translation>Geben Sie die URL der Website in das Feld &apos;URL&apos; ein und klicken Sie erneut auf &apos;URL prüfen&apos;!</translation>
    </message>
    <message>
        <source>Data could not be retrieved!</source>
        <translation>Die Daten konnten nicht abgerufen werden!</translation>
    </message>
    <message>
        <source>Error code: %1 (%2).</source>
        <translation>Fehlercode: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>TfrmKeywords</name>
    <message>
        <source>The clipboard contains no text but graphics, etc.! The command can therefore not be executed. Copy text to clipboard and try again.</source>
        <translation>Die Zwischenablage enthält keinen Text, sondern Grafiken o. Ä.! Der Befehl kann daher nicht ausgeführt werden. Kopieren Sie Text in die Zwischenablage und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The clipboard contains more than 1024 characters. Only the first 1024 characters are being used. Keywords should not exceed 255 characters!</source>
        <translation>Die Zwischenablage enthält mehr als 1024 Zeichen. Es werden nur die ersten 1024 Zeichen verwendet. Suchbegriffe sollten 255 Zeichen nicht überschreiten!</translation>
    </message>
    <message>
        <source>Clipboard empty!</source>
        <translation>Zwischenablage leer!</translation>
    </message>
</context>
<context>
    <name>TfrmMetaTagGenerator</name>
    <message>
        <source>Educational</source>
        <translation>Bildung</translation>
    </message>
    <message>
        <source>Commercial</source>
        <translation>Kommerziell</translation>
    </message>
    <message>
        <source>Government/authorities</source>
        <translation>Regierung/Behörden</translation>
    </message>
    <message>
        <source>Non-profit</source>
        <translation>Gemeinnützig</translation>
    </message>
    <message>
        <source>Private homepage</source>
        <translation>Private Homepage</translation>
    </message>
    <message>
        <source>Overwrite current meta tags?</source>
        <translation>Aktuelle Meta-Tags überschreiben?</translation>
    </message>
    <message>
        <source>No data could be imported as you have not entered the respective website details. Would you like to enter the missing website details now?</source>
        <translation>Es konnten keine Daten importiert werden, da Sie die entsprechenden Website-Daten nicht eingegeben haben. Möchten Sie die fehlenden Website-Daten jetzt eingeben?</translation>
    </message>
</context>
<context>
    <name>TfrmSdDialogfeld</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>TfrmSplashMain</name>
    <message>
        <source>More success for your website</source>
        <comment>IDS_Slogan</comment>
        <translation>Mehr Erfolg für Ihre Website</translation>
    </message>
    <message>
        <source>Version %1</source>
        <comment>IDS_SplashVersion</comment>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>TfrmSuchdiensteAuswahl</name>
    <message>
        <source>Not available! (database error)</source>
        <comment>IDS_DatenbankFehler</comment>
        <translation>Nicht verfügbar! (Datenbankfehler)</translation>
    </message>
    <message>
        <source>Internal error: %1  - Contact our support team at %2!</source>
        <comment>IDS_InternerFehler</comment>
        <translation>Interner Fehler: %1  - Wenden Sie sich an unser Support-Team unter %2!</translation>
    </message>
</context>
<context>
    <name>TfrmTippDesTages</name>
    <message>
        <source>Tip of the day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Wussten Sie schon ...</translation>
    </message>
    <message>
        <source>&amp;Show tip of the day at next program start</source>
        <translation>Tipp des Tages beim nächsten Programmstart &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Next tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>File %1 could not be found. Tip of the Day cannot be displayed!</source>
        <translation>Die Datei %1 wurde nicht gefunden. Der Tipp des Tages kann nicht angezeigt werden!</translation>
    </message>
</context>
<context>
    <name>TfrmTrennzeichen</name>
    <message>
        <source>Clipboard contains no text</source>
        <comment>IDS_1</comment>
        <translation>Die Zwischenablage enthält keinen Text</translation>
    </message>
</context>
<context>
    <name>TfrmUPManager</name>
    <message>
        <source>Internal error: %1  - Please contact our support team at %2!</source>
        <comment>IDS_InternalError</comment>
        <translation>Interner Fehler: %1  - Bitte wenden Sie sich an unser Support-Team unter %2!</translation>
    </message>
    <message>
        <source>Update Manager</source>
        <comment>IDS_Title</comment>
        <translation>Update-Manager</translation>
    </message>
    <message>
        <source>FTP access</source>
        <comment>IDS_Heading</comment>
        <translation>FTP-Zugang</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <comment>IDS_Next</comment>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <comment>IDS_Exit</comment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <comment>IDS_Cancel</comment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Update Manager ensures that your software is always up-to-date. All new versions are installed automatically.</source>
        <comment>IDS_Description</comment>
        <translation>Der Update-Manager hält Ihre Software stets auf dem neuesten Stand. Alle neuen Versionen werden automatisch installiert.</translation>
    </message>
    <message>
        <source>Would you like to terminate the update manager now?</source>
        <comment>IDS_CloseQuestion</comment>
        <translation>Möchten Sie den Update-Manager jetzt beenden?</translation>
    </message>
    <message>
        <source>Welcome to Update Manager</source>
        <comment>IDS_Page1</comment>
        <translation>Willkommen beim Update-Manager</translation>
    </message>
    <message>
        <source>View information</source>
        <comment>IDS_Page2</comment>
        <translation>Informationen abrufen</translation>
    </message>
    <message>
        <source>Select updates</source>
        <comment>IDS_Page3</comment>
        <translation>Updates auswählen</translation>
    </message>
    <message>
        <source>Processing query ...</source>
        <comment>IDS_Page4</comment>
        <translation>Anfrage wird bearbeitet ...</translation>
    </message>
    <message>
        <source>Installing updates</source>
        <comment>IDS_Page5</comment>
        <translation>Updates werden installiert</translation>
    </message>
    <message>
        <source>Update completed</source>
        <comment>IDS_Page6</comment>
        <translation>Update abgeschlossen</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>IDS_Page7</comment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please wait. Program is looking for available updates.</source>
        <comment>IDS_LookingForUpdates</comment>
        <translation>Bitte warten. Das Programm sucht nach verfügbaren Updates.</translation>
    </message>
    <message>
        <source>Update Manager ensures that your software is always up-to-date.</source>
        <comment>IDS_Page1a</comment>
        <translation>Der Update-Manager hält Ihre Software stets auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>Start Update Manager to detect and install all currently available updates.</source>
        <comment>IDS_Page1b</comment>
        <translation>Starten Sie den Update-Manager, um alle derzeit verfügbaren Updates zu finden und zu installieren.</translation>
    </message>
    <message>
        <source>Click &quot;Next &gt;&quot; to start process.</source>
        <comment>IDS_Page1c</comment>
        <translation>Klicken Sie auf „Weiter &gt;“, um den Vorgang zu starten.</translation>
    </message>
    <message>
        <source>Select the update you wish to install. We recommend to always install all updates.</source>
        <comment>IDS_Page3a</comment>
        <translation>Wählen Sie das Update aus, das Sie installieren möchten. Wir empfehlen, stets alle Updates zu installieren.</translation>
    </message>
    <message>
        <source>Details:</source>
        <comment>IDS_Details</comment>
        <translation>Details:</translation>
    </message>
    <message>
        <source>Your software has been successfully updated. The following updates have been installed:</source>
        <comment>IDS_Page6a</comment>
        <translation>Ihre Software wurde erfolgreich aktualisiert. Die folgenden Updates wurden installiert:</translation>
    </message>
    <message>
        <source>Click &quot;Close&quot; to exit Update Manager.</source>
        <comment>IDS_Page6b</comment>
        <translation>Klicken Sie auf „Schließen“, um den Update-Manager zu beenden.</translation>
    </message>
    <message>
        <source>Connecting to server ...</source>
        <comment>IDS_StepConnect</comment>
        <translation>Verbindung zum Server wird hergestellt ...</translation>
    </message>
    <message>
        <source>Disconnecting ...</source>
        <comment>IDS_StepDisconnect</comment>
        <translation>Verbindung wird getrennt ...</translation>
    </message>
    <message>
        <source>Looking for available updates ...</source>
        <comment>IDS_StepLooking</comment>
        <translation>Suche nach verfügbaren Updates ...</translation>
    </message>
    <message>
        <source>Transferring updates</source>
        <comment>IDS_StepTransfer</comment>
        <translation>Updates werden übertragen</translation>
    </message>
    <message>
        <source>Required data has been found. Click &quot;Next &gt;&quot;.</source>
        <comment>IDS_LabelOK1</comment>
        <translation>Die benötigten Daten wurden gefunden. Klicken Sie auf „Weiter &gt;“.</translation>
    </message>
    <message>
        <source>Selected updates have been successfully installed. Click &quot;Next &gt;&quot;.</source>
        <comment>IDS_LabelOK2</comment>
        <translation>Die ausgewählten Updates wurden erfolgreich installiert. Klicken Sie auf „Weiter &gt;“.</translation>
    </message>
    <message>
        <source>Download not completed. Click &quot;Close&quot; to exit Update Manager.</source>
        <comment>IDS_LabelFehler</comment>
        <translation>Download nicht abgeschlossen. Klicken Sie auf „Schließen“, um den Update-Manager zu beenden.</translation>
    </message>
    <message>
        <source>Cannot retrieve version information because no home URL was provided.</source>
        <comment>IDS_NoHomeUrl</comment>
        <translation>Die Versionsinformationen können nicht abgerufen werden, da keine Home-URL angegeben wurde.</translation>
    </message>
    <message>
        <source>Connection error: </source>
        <comment>IDS_ConnectionError</comment>
        <translation>Verbindungsfehler: </translation>
    </message>
    <message>
        <source>Error code: </source>
        <comment>IDS_ErrorCode</comment>
        <translation>Fehlercode: </translation>
    </message>
    <message>
        <source>No updates available!</source>
        <comment>IDS_NoUpdates</comment>
        <translation>Keine Updates verfügbar!</translation>
    </message>
    <message>
        <source>Available updates</source>
        <comment>IDS_AvailableUpdates</comment>
        <translation>Verfügbare Updates</translation>
    </message>
    <message>
        <source>The update manager was unable to load the available update (error code: %1). This problem is most likely only temporary (e.g. update server temporarily offline, etc.).</source>
        <comment>IDS_FetchFailed</comment>
        <translation>Der Update-Manager konnte das verfügbare Update nicht laden (Fehlercode: %1). Dieses Problem ist höchstwahrscheinlich nur vorübergehend (z. B. Update-Server vorübergehend nicht erreichbar usw.).</translation>
    </message>
    <message>
        <source>Please try to download again later. If this error persists, please download the update directly from our website (%1)!</source>
        <comment>IDS_FetchFailed2</comment>
        <translation>Bitte versuchen Sie den Download später erneut. Falls der Fehler weiterhin auftritt, laden Sie das Update bitte direkt von unserer Website (%1) herunter!</translation>
    </message>
    <message>
        <source>Update manager is being terminated.</source>
        <comment>IDS_Terminated</comment>
        <translation>Der Update-Manager wird beendet.</translation>
    </message>
    <message>
        <source>Process has been terminated (error code: %1).</source>
        <comment>IDS_DownloadCancelled</comment>
        <translation>Der Vorgang wurde abgebrochen (Fehlercode: %1).</translation>
    </message>
    <message>
        <source>The update manager was unable to download the available updates (error code: %1, %2). This problem is most likely only temporary (e.g. update server temporarily offline, etc.).</source>
        <comment>IDS_DownloadFailed</comment>
        <translation>Der Update-Manager konnte die verfügbaren Updates nicht herunterladen (Fehlercode: %1, %2). Dieses Problem ist höchstwahrscheinlich nur vorübergehend (z. B. Update-Server vorübergehend nicht erreichbar usw.).</translation>
    </message>
    <message>
        <source>Please check your proxy settings and try again. If this error persists, please contact our technical support.</source>
        <comment>IDS_DownloadFailed2</comment>
        <translation>Bitte überprüfen Sie Ihre Proxy-Einstellungen und versuchen Sie es erneut. Falls der Fehler weiterhin auftritt, wenden Sie sich bitte an unseren technischen Support.</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment>IDS_Progress</comment>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>New version is being downloaded</source>
        <comment>IDS_Downloading</comment>
        <translation>Die neue Version wird heruntergeladen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>IDS_ProgressCancel</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 of %2 bytes received.</source>
        <comment>IDS_BytesReceived</comment>
        <translation>%1 von %2 Bytes empfangen.</translation>
    </message>
    <message>
        <source>The installation utility of the new version has been saved in the following directory and can be started again at any time, if required: </source>
        <comment>IDS_SetupSaved</comment>
        <translation>Das Installationsprogramm der neuen Version wurde im folgenden Verzeichnis gespeichert und kann bei Bedarf jederzeit erneut gestartet werden: </translation>
    </message>
    <message>
        <source>Installation utility cannot be started!</source>
        <comment>IDS_SetupCannotStart</comment>
        <translation>Das Installationsprogramm kann nicht gestartet werden!</translation>
    </message>
    <message>
        <source>Could not close database!</source>
        <comment>IDS_CannotClose</comment>
        <translation>Die Datenbank konnte nicht geschlossen werden!</translation>
    </message>
    <message>
        <source>Could not open database!</source>
        <comment>IDS_CannotOpen</comment>
        <translation>Die Datenbank konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>The database update has been installed successfully.</source>
        <comment>IDS_DatabaseInstalled</comment>
        <translation>Das Datenbank-Update wurde erfolgreich installiert.</translation>
    </message>
    <message>
        <source>Error during installation of the database update</source>
        <comment>IDS_DatabaseFailed</comment>
        <translation>Fehler bei der Installation des Datenbank-Updates</translation>
    </message>
    <message>
        <source>Please close %1 and copy the content of the %2 zip file to the DATA subfolder in the %3 folder.</source>
        <comment>IDS_DatabaseFailed2</comment>
        <translation>Bitte schließen Sie %1 und kopieren Sie den Inhalt der ZIP-Datei %2 in den Unterordner DATA im Ordner %3.</translation>
    </message>
    <message>
        <source>Please close %1 and copy the content of the %2 zip file to the %3 program folder.</source>
        <comment>IDS_CopyToProgramFolder</comment>
        <translation>Bitte schließen Sie %1 und kopieren Sie den Inhalt der ZIP-Datei %2 in den Programmordner %3.</translation>
    </message>
    <message>
        <source>The help file has been installed successfully.</source>
        <comment>IDS_HelpInstalled</comment>
        <translation>Die Hilfedatei wurde erfolgreich installiert.</translation>
    </message>
    <message>
        <source>Error during installation of the help update</source>
        <comment>IDS_HelpFailed</comment>
        <translation>Fehler bei der Installation des Hilfe-Updates</translation>
    </message>
    <message>
        <source>The documentation has been installed successfully.</source>
        <comment>IDS_DocuInstalled</comment>
        <translation>Die Dokumentation wurde erfolgreich installiert.</translation>
    </message>
    <message>
        <source>Error during installation of the documentation update</source>
        <comment>IDS_DocuFailed</comment>
        <translation>Fehler bei der Installation des Dokumentations-Updates</translation>
    </message>
    <message>
        <source>Update of program files successfully completed. %1 is being restarted.</source>
        <comment>IDS_ProgramInstalled</comment>
        <translation>Das Update der Programmdateien wurde erfolgreich abgeschlossen. %1 wird neu gestartet.</translation>
    </message>
    <message>
        <source>An internal error occurred during the decompressing of the files.</source>
        <comment>IDS_ProgramFailed</comment>
        <translation>Beim Entpacken der Dateien ist ein interner Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Restart %1.</source>
        <comment>IDS_Restart</comment>
        <translation>Starten Sie %1 neu.</translation>
    </message>
    <message>
        <source>Errors occurred. Please follow the instructions on the following pages.</source>
        <comment>IDS_ErrorsOccurred</comment>
        <translation>Es sind Fehler aufgetreten. Bitte folgen Sie den Anweisungen auf den folgenden Seiten.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>IDS_ErrorCaption</comment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Installation utility is being started. %1 is therefore being terminated. After successful installation of the new version, start program as usual via the applications menu of your desktop (%2)</source>
        <comment>IDS_SetupStarting</comment>
        <translation>Das Installationsprogramm wird gestartet. %1 wird daher beendet. Starten Sie das Programm nach erfolgreicher Installation der neuen Version wie gewohnt über das Anwendungsmenü Ihres Desktops (%2)</translation>
    </message>
</context>
<context>
    <name>TfrmWaitDialog</name>
    <message>
        <source>&amp;Abort</source>
        <comment>IDS_Abbruch</comment>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TvtPostIt</name>
    <message>
        <source>Connection timed out (Error #10060)</source>
        <translation>Zeitüberschreitung der Verbindung (Fehler #10060)</translation>
    </message>
    <message>
        <source>Connection aborted on request</source>
        <translation>Verbindung auf Anforderung abgebrochen</translation>
    </message>
    <message>
        <source>The reply page cannot be stored: &quot;%1&quot; is not a valid file name.</source>
        <translation>Die Antwortseite kann nicht gespeichert werden: „%1“ ist kein gültiger Dateiname.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The reply page &quot;%1&quot; cannot be created: %2</source>
        <translation>Die Antwortseite „%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The property value should be in [1..%1]</source>
        <translation>Der Eigenschaftswert muss im Bereich [1..%1] liegen</translation>
    </message>
    <message>
        <source>Couldnot start, old jobs are still active! Use Stop method to interrupt.</source>
        <translation>Start nicht möglich, alte Aufträge sind noch aktiv! Unterbrechen Sie sie mit der Methode Stop.</translation>
    </message>
</context>
</TS>
