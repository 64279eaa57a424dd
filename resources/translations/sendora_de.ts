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
            <source>No folder for the program's files could be found.</source>
            <translation>Es wurde kein Ordner für die Dateien des Programms gefunden.</translation>
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
        <name>TfrmWaitDialog</name>
        <message>
            <source>&amp;Abort</source>
            <comment>IDS_Abbruch</comment>
            <translation>&amp;Abbrechen</translation>
        </message>
    </context>
</TS>
