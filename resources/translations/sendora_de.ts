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
