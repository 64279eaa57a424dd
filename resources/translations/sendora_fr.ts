<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
    <context>
        <name>Common</name>
        <message>
            <source>[Untitled]</source>
            <comment>IDS_GlobUnbenannteDateiName</comment>
            <translation>[Sans titre]</translation>
        </message>
    </context>
    <context>
        <name>IniFile</name>
        <message>
            <source>%1 is a folder, not a file.</source>
            <translation>%1 est un dossier, pas un fichier.</translation>
        </message>
        <message>
            <source>The file %1 cannot be opened: %2</source>
            <translation>Impossible d'ouvrir le fichier %1 : %2</translation>
        </message>
        <message>
            <source>The file %1 cannot be read: %2</source>
            <translation>Impossible de lire le fichier %1 : %2</translation>
        </message>
        <message>
            <source>The file %1 is not a text file.</source>
            <translation>Le fichier %1 n'est pas un fichier texte.</translation>
        </message>
        <message>
            <source>The file %1 cannot be replaced: no copy could be kept as %2.</source>
            <translation>Impossible de remplacer le fichier %1 : aucune copie n'a pu être conservée sous %2.</translation>
        </message>
        <message>
            <source>The file %1 cannot be written: %2</source>
            <translation>Impossible d'écrire le fichier %1 : %2</translation>
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
            <translation>Annuler</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <comment>IDS_BtnYes</comment>
            <translation>&amp;Oui</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <comment>IDS_BtnNo</comment>
            <translation>&amp;Non</translation>
        </message>
    </context>
    <context>
        <name>ProgramFolder</name>
        <message>
            <source>The program folder %1 cannot be created.</source>
            <translation>Impossible de créer le dossier du programme %1.</translation>
        </message>
        <message>
            <source>The program folder %1 is not writable.</source>
            <translation>Le dossier du programme %1 n'est pas accessible en écriture.</translation>
        </message>
        <message>
            <source>No folder for the program's files could be found.</source>
            <translation>Aucun dossier n'a été trouvé pour les fichiers du programme.</translation>
        </message>
    </context>
    <context>
        <name>Startup</name>
        <message>
            <source>Please select a higher screen resolution. %1 cannot be run with the currently set resolution of %2 x %3.</source>
            <comment>IDS_Aufloesung</comment>
            <translation>Veuillez choisir une résolution d'écran plus élevée. %1 ne peut pas être exécuté avec la résolution actuelle de %2 x %3.</translation>
        </message>
        <message>
            <source>Sendora! Special Edition</source>
            <comment>IDS_ProgName</comment>
            <translation>Sendora! Special Edition</translation>
        </message>
        <message>
            <source>Your system is currently set to only %1 colors. Please change the color settings in the control panel to a higher number of colors to gain a better display of the program elements!</source>
            <comment>IDS_Farben</comment>
            <translation>Votre système n'affiche actuellement que %1 couleurs. Veuillez augmenter le nombre de couleurs dans le panneau de configuration pour un meilleur affichage des éléments du programme !</translation>
        </message>
        <message>
            <source>(The current user might not have sufficient access rights!)</source>
            <comment>IDS_Zugriffsrechte</comment>
            <translation>(L'utilisateur actuel n'a peut-être pas les droits d'accès suffisants !)</translation>
        </message>
        <message>
            <source>Error during reading of registry data. Please check your system!</source>
            <comment>IDS_RegLesen</comment>
            <translation>Erreur lors de la lecture des données du registre. Veuillez vérifier votre système !</translation>
        </message>
        <message>
            <source>Error has occured while writing to registry. Check your system!</source>
            <comment>IDS_RegSchreiben</comment>
            <translation>Une erreur s'est produite lors de l'écriture dans le registre. Vérifiez votre système !</translation>
        </message>
        <message>
            <source>Error no. %1 - application is being terminated!</source>
            <comment>IDS_FehlerBeenden</comment>
            <translation>Erreur n° %1 - l'application va être arrêtée !</translation>
        </message>
    </context>
    <context>
        <name>StringCipher</name>
        <message>
            <source>Base64: Incorrect string format</source>
            <translation>Base64 : format de chaîne incorrect</translation>
        </message>
        <message>
            <source>The text holds characters that cannot be enciphered.</source>
            <translation>Le texte contient des caractères qui ne peuvent pas être chiffrés.</translation>
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
            <translation>&amp;Langue</translation>
        </message>
        <message>
            <source>&amp;English</source>
            <comment>IDS_MnuEnglisch</comment>
            <translation>&amp;Anglais</translation>
        </message>
        <message>
            <source>&amp;German</source>
            <comment>IDS_MnuDeutsch</comment>
            <translation>&amp;Allemand</translation>
        </message>
        <message>
            <source>&amp;French</source>
            <comment>IDS_MnuFranzoesisch</comment>
            <translation>&amp;Français</translation>
        </message>
    </context>
    <context>
        <name>TfrmSplashMain</name>
        <message>
            <source>More success for your website</source>
            <comment>IDS_Slogan</comment>
            <translation>Plus de succès pour votre site web</translation>
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
            <translation>&amp;Annuler</translation>
        </message>
    </context>
</TS>
