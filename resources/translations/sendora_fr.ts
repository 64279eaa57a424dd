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
    <message>
        <source>Internal error: %1  - Please contact our support team at %2!</source>
        <comment>IDS_InternerFehler</comment>
        <translation>Erreur interne : %1  - Veuillez contacter notre équipe d&apos;assistance à l&apos;adresse %2 !</translation>
    </message>
</context>
<context>
    <name>FilterExpression</name>
    <message>
        <source>The text that begins at position %1 of the filter has no closing quote.</source>
        <translation>Le texte qui commence à la position %1 du filtre n&apos;a pas de guillemet fermant.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; at position %2 of the filter is not allowed.</source>
        <translation>Le caractère « %1 » à la position %2 du filtre n&apos;est pas autorisé.</translation>
    </message>
    <message>
        <source>&quot;and&quot;, &quot;or&quot; or the end</source>
        <translation>« and », « or » ou la fin</translation>
    </message>
    <message>
        <source>the end of the filter</source>
        <translation>la fin du filtre</translation>
    </message>
    <message>
        <source>Syntax error in the filter at position %1: %2 expected, %3 found.</source>
        <translation>Erreur de syntaxe dans le filtre à la position %1 : %2 attendu, %3 trouvé.</translation>
    </message>
    <message>
        <source>The filter nests brackets too deeply.</source>
        <translation>Le filtre imbrique trop de parenthèses.</translation>
    </message>
    <message>
        <source>&quot;)&quot;</source>
        <translation>« ) »</translation>
    </message>
    <message>
        <source>a field name or &quot;(&quot;</source>
        <translation>un nom de champ ou « ( »</translation>
    </message>
    <message>
        <source>The filter names the field &quot;%1&quot;, which the service table does not have.</source>
        <translation>Le filtre nomme le champ « %1 », qui n&apos;existe pas dans la table des services.</translation>
    </message>
    <message>
        <source>a comparison operator (=, &lt;&gt;, &lt;, &gt;, &lt;=, &gt;=)</source>
        <translation>un opérateur de comparaison (=, &lt;&gt;, &lt;, &gt;, &lt;=, &gt;=)</translation>
    </message>
    <message>
        <source>a value</source>
        <translation>une valeur</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the filter is not a date (expected like %2).</source>
        <translation>« %1 » dans le filtre n&apos;est pas une date (attendu comme %2).</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; can only be compared with null by = or &lt;&gt;.</source>
        <translation>Le champ « %1 » ne peut être comparé à null qu&apos;avec = ou &lt;&gt;.</translation>
    </message>
    <message>
        <source>The value %1 cannot be compared with the field &quot;%2&quot; that way.</source>
        <translation>La valeur %1 ne peut pas être comparée ainsi au champ « %2 ».</translation>
    </message>
    <message>
        <source>The filter is too long.</source>
        <translation>Le filtre est trop long.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Sendora help</source>
        <translation>Aide de Sendora</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Saisissez un mot-clé</translation>
    </message>
    <message>
        <source>The help page &quot;%1&quot; does not exist. Please choose a topic from the contents.</source>
        <translation>La page d&apos;aide « %1 » n&apos;existe pas. Veuillez choisir un sujet dans le sommaire.</translation>
    </message>
</context>
<context>
    <name>HintTable</name>
    <message>
        <source>Submission with assistant</source>
        <translation>Inscription avec l&apos;assistant</translation>
    </message>
    <message>
        <source>The assistant submits your website only to spider search engines. Certain search engines require more details for a successful registration. Go to the main program window to submit your website also to these search engines.</source>
        <translation>L&apos;assistant n&apos;inscrit votre site que dans les moteurs de recherche à robot. Certains moteurs exigent davantage d&apos;informations pour une inscription réussie. Passez à la fenêtre principale du programme pour inscrire votre site également dans ces moteurs.</translation>
    </message>
    <message>
        <source>Selection of search engines</source>
        <translation>Sélection des moteurs de recherche</translation>
    </message>
    <message>
        <source>To enable the selection that you have made by checking the boxes, check the &apos;SELECTION&apos; box. Otherwise, the selection will not be applied.</source>
        <translation>Pour activer la sélection que vous avez faite en cochant les cases, cochez la case &apos;SÉLECTION&apos;. Sinon, la sélection ne sera pas appliquée.</translation>
    </message>
    <message>
        <source>&apos;Search&apos; field</source>
        <translation>Champ &apos;Rechercher&apos;</translation>
    </message>
    <message>
        <source>To enable the &apos;Search&apos; field, sort search engines by &apos;Name&apos;. This field is disabled with all other sort orders.</source>
        <translation>Pour activer le champ &apos;Rechercher&apos;, triez les moteurs de recherche par &apos;Nom&apos;. Ce champ est désactivé pour tous les autres ordres de tri.</translation>
    </message>
    <message>
        <source>Key for status codes</source>
        <translation>Légende des codes d&apos;état</translation>
    </message>
    <message>
        <source>For the interpretation of the status code, please note that only status codes between 400 and 599 indicate an unsuccessful registration.</source>
        <translation>Pour interpréter le code d&apos;état, notez que seuls les codes compris entre 400 et 599 signalent une inscription infructueuse.</translation>
    </message>
    <message>
        <source>Entry of keywords</source>
        <translation>Saisie des mots-clés</translation>
    </message>
    <message>
        <source>The keywords entered here are only submitted to directories. Therefore, max. 15 entries are possible, which is more than sufficient for directories. For spider engines, the keywords must be included by means of meta tags!</source>
        <translation>Les mots-clés saisis ici ne sont transmis qu&apos;aux annuaires. C&apos;est pourquoi 15 entrées au plus sont possibles, ce qui suffit largement pour les annuaires. Pour les moteurs à robot, les mots-clés doivent être intégrés au moyen de balises meta !</translation>
    </message>
    <message>
        <source>&apos;Selection&apos; check box</source>
        <translation>Case à cocher &apos;Sélection&apos;</translation>
    </message>
    <message>
        <source>Check this box to display only the search engines that you have &apos;ticked off&apos;. If you have not &apos;ticked off&apos; any search engines and check this box, the display is empty.</source>
        <translation>Cochez cette case pour n&apos;afficher que les moteurs de recherche que vous avez &apos;cochés&apos;. Si vous n&apos;avez &apos;coché&apos; aucun moteur et que vous cochez cette case, l&apos;affichage est vide.</translation>
    </message>
    <message>
        <source>&apos;Filter&apos; check box</source>
        <translation>Case à cocher &apos;Filtre&apos;</translation>
    </message>
    <message>
        <source>If you check this box, only search engines that match the selected filter criteria are displayed. Define the filter by clicking the &apos;Apply filter&apos; button. If no search engine matches the filter criteria the display is empty.</source>
        <translation>Si vous cochez cette case, seuls les moteurs de recherche correspondant aux critères de filtre choisis sont affichés. Définissez le filtre avec le bouton &apos;Appliquer le filtre&apos;. Si aucun moteur ne correspond aux critères, l&apos;affichage est vide.</translation>
    </message>
    <message>
        <source>Update manager and ZipMagic</source>
        <translation>Gestionnaire de mises à jour et ZipMagic</translation>
    </message>
    <message>
        <source>Please note that certain compression programs such as ZipMagic interfere with the decompression utility of Sendora! and thus prevent access to the update zip file. If you encounter any problems, disable these compression utilities.</source>
        <translation>Notez que certains programmes de compression comme ZipMagic perturbent la décompression de Sendora! et empêchent ainsi l&apos;accès au fichier zip de la mise à jour. En cas de problème, désactivez ces utilitaires.</translation>
    </message>
    <message>
        <source>Entry of e-mail address</source>
        <translation>Saisie de l&apos;adresse e-mail</translation>
    </message>
    <message>
        <source>The entry of your &apos;real&apos; e-mail address may result in junk mail to your mailbox. We recommend that you set up an anonymous e-mail account with a free provider, for example at www.gmx.com, mail.google.com, outlook.com or mail.yahoo.com.</source>
        <translation>Indiquer votre &apos;vraie&apos; adresse e-mail peut vous valoir des courriers indésirables. Nous vous conseillons d&apos;ouvrir un compte e-mail anonyme chez un fournisseur gratuit, par exemple www.gmx.com, mail.google.com, outlook.com ou mail.yahoo.com.</translation>
    </message>
    <message>
        <source>Pop-up menu</source>
        <translation>Menu contextuel</translation>
    </message>
    <message>
        <source>Click the right mouse button to call up the pop-up menu with additional options.</source>
        <translation>Cliquez avec le bouton droit de la souris pour ouvrir le menu contextuel et ses options supplémentaires.</translation>
    </message>
    <message>
        <source>Load RTF reports</source>
        <translation>Charger les rapports RTF</translation>
    </message>
    <message>
        <source>A status report is generated after each submission. Status reports are saved in the \REPORTS subfolder. The reports are in RTF format and can be edited with a word processing program such as Winword.</source>
        <translation>Un rapport d&apos;état est créé après chaque inscription. Les rapports d&apos;état sont enregistrés dans le sous-dossier \REPORTS. Ils sont au format RTF et peuvent être modifiés avec un traitement de texte comme Winword.</translation>
    </message>
    <message>
        <source>Increase number of threads</source>
        <translation>Augmenter le nombre de threads</translation>
    </message>
    <message>
        <source>To increase the number of threads, select TOOLS/PROGRAM OPTIONS. Threads are &apos;channels&apos; through which submission data is transferred simultaneously. Generally, the default setting of 5 threads is sufficient.</source>
        <translation>Pour augmenter le nombre de threads, choisissez OUTILS/OPTIONS DU PROGRAMME. Les threads sont des &apos;canaux&apos; par lesquels les données d&apos;inscription sont transmises simultanément. En général, le réglage par défaut de 5 threads suffit.</translation>
    </message>
    <message>
        <source>Entry of password</source>
        <translation>Saisie du mot de passe</translation>
    </message>
    <message>
        <source>Never enter an existing or used password here, but create a new one. This password is used by certain search engines for the setting up of a new account for the registration of your website.</source>
        <translation>Ne saisissez jamais ici un mot de passe existant ou déjà utilisé, créez-en un nouveau. Certains moteurs de recherche utilisent ce mot de passe pour ouvrir un nouveau compte lors de l&apos;inscription de votre site.</translation>
    </message>
    <message>
        <source>Entry of URL</source>
        <translation>Saisie de l&apos;URL</translation>
    </message>
    <message>
        <source>Enter the main address of your website here, not the address of an individual page such as http://www.example.com/products/page1.html. Use meta tags to ensure that all pages of your website are properly indexed. The &apos;Index&apos; (robots) tag is especially useful for this purpose!</source>
        <translation>Saisissez ici l&apos;adresse principale de votre site et non celle d&apos;une page isolée comme http://www.example.com/products/page1.html. Utilisez les balises meta pour que toutes les pages de votre site soient bien indexées. La balise &apos;Index&apos; (robots) est particulièrement utile à cet effet !</translation>
    </message>
    <message>
        <source>Selection of a category</source>
        <translation>Choix d&apos;une catégorie</translation>
    </message>
    <message>
        <source>Select the category that best matches the content of your website. If your website is highly specialized and none of the available categories is suitable, we recommend manual submission to directories.</source>
        <translation>Choisissez la catégorie qui correspond le mieux au contenu de votre site. Si votre site est très spécialisé et qu&apos;aucune catégorie ne convient, nous vous conseillons l&apos;inscription manuelle dans les annuaires.</translation>
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
        <translation>Impossible d&apos;ouvrir le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Impossible de lire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 is not a text file.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier texte.</translation>
    </message>
    <message>
        <source>The file %1 cannot be replaced: no copy could be kept as %2.</source>
        <translation>Impossible de remplacer le fichier %1 : aucune copie n&apos;a pu être conservée sous %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
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
    <name>MetaTagInsertion</name>
    <message>
        <source>Source and target file must not be identical!</source>
        <translation>Les fichiers source et cible ne doivent pas être identiques !</translation>
    </message>
    <message>
        <source>Insert meta tags from file %1 into %2?</source>
        <translation>Insérer les balises méta du fichier %1 dans %2 ?</translation>
    </message>
    <message>
        <source>File %1 does not seem to be a valid mtg-file. Only mtg-files may be used!</source>
        <translation>Le fichier %1 ne semble pas être un fichier mtg valide. Seuls les fichiers mtg peuvent être utilisés !</translation>
    </message>
    <message>
        <source>File %1 contains no valid HEAD section. Meta tags must be pasted into HEAD section. Check HTML syntax of the file!</source>
        <translation>Le fichier %1 ne contient pas de section HEAD valide. Les balises méta doivent être insérées dans la section HEAD. Vérifiez la syntaxe HTML du fichier !</translation>
    </message>
    <message>
        <source>Target file %1 already contains meta tags. Paste meta tags from %2 anyway? (Existing meta tags will not be overwritten.)</source>
        <translation>Le fichier cible %1 contient déjà des balises méta. Insérer quand même les balises méta de %2 ? (Les balises méta existantes ne seront pas écrasées.)</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Le fichier n&apos;a pas pu être lu.</translation>
    </message>
</context>
<context>
    <name>ModulePlaceholder</name>
    <message>
        <source>Website details</source>
        <comment>IDS_PH_Kenndaten</comment>
        <translation>Informations sur le site</translation>
    </message>
    <message>
        <source>Meta Tag Generator</source>
        <comment>IDS_PH_MetaTags</comment>
        <translation>Générateur de balises meta</translation>
    </message>
    <message>
        <source>Search services</source>
        <comment>IDS_PH_Suchdienste</comment>
        <translation>Services de recherche</translation>
    </message>
    <message>
        <source>Status report</source>
        <comment>IDS_PH_Status</comment>
        <translation>Rapport d&apos;état</translation>
    </message>
    <message>
        <source>The editor for the details of your website, its contact person, webmaster and company will appear here.</source>
        <comment>IDS_PH_KenndatenText</comment>
        <translation>L&apos;éditeur des informations sur votre site, sa personne de contact, son webmestre et son entreprise apparaîtra ici.</translation>
    </message>
    <message>
        <source>Here you will generate meta tags from your details, import them from web pages and insert them into your HTML files.</source>
        <comment>IDS_PH_MetaTagsText</comment>
        <translation>Vous générerez ici les balises meta à partir de vos informations, les importerez depuis des pages web et les insérerez dans vos fichiers HTML.</translation>
    </message>
    <message>
        <source>The search services of the database will be listed here, ready to be ticked and submitted to.</source>
        <comment>IDS_PH_SuchdiensteText</comment>
        <translation>Les services de recherche de la base seront listés ici, prêts à être cochés pour une inscription.</translation>
    </message>
    <message>
        <source>Every submission of this project will be listed here with its date, code and message.</source>
        <comment>IDS_PH_StatusText</comment>
        <translation>Chaque inscription de ce projet sera listée ici avec sa date, son code et son message.</translation>
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
        <translation>Le dossier du programme %1 n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>No folder for the program&apos;s files could be found.</source>
        <translation>Aucun dossier n&apos;a été trouvé pour les fichiers du programme.</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Error: %1</source>
        <comment>IDS_103</comment>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>Report no.</source>
        <comment>IDS_113</comment>
        <translation>Rapport n°</translation>
    </message>
    <message>
        <source>Code:</source>
        <comment>IDS_110</comment>
        <translation>Code :</translation>
    </message>
    <message>
        <source>Message:</source>
        <comment>IDS_111</comment>
        <translation>Message :</translation>
    </message>
    <message>
        <source>&lt;No entries&gt;</source>
        <comment>IDS_101</comment>
        <translation>&lt;Aucune entrée&gt;</translation>
    </message>
    <message>
        <source>&lt;No entries&gt;</source>
        <comment>IDS_102</comment>
        <translation>&lt;Aucune entrée&gt;</translation>
    </message>
    <message>
        <source>RTF template not available! Check settings under Tools/Program options.</source>
        <comment>IDS_107</comment>
        <translation>Modèle RTF non disponible ! Vérifiez les paramètres sous Outils/Options du programme.</translation>
    </message>
    <message>
        <source>Create report with standard template?</source>
        <comment>IDS_108</comment>
        <translation>Créer le rapport avec le modèle standard ?</translation>
    </message>
    <message>
        <source>Standard template (schablone.rtf) not found!</source>
        <comment>IDS_109</comment>
        <translation>Modèle standard (schablone.rtf) introuvable !</translation>
    </message>
</context>
<context>
    <name>SiteEvaluation</name>
    <message>
        <source>Error!</source>
        <comment>IDS_21</comment>
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>Not OK</source>
        <comment>IDS_22</comment>
        <translation>Pas OK</translation>
    </message>
    <message>
        <source>Partly OK</source>
        <comment>IDS_23</comment>
        <translation>Partiellement OK</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>IDS_24</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Title</source>
        <comment>IDS_2</comment>
        <translation>Titre</translation>
    </message>
    <message>
        <source>You have not entered a title. Replace &quot;index&quot; with suitable title.</source>
        <comment>IDS_3</comment>
        <translation>Vous n&apos;avez pas saisi de titre. Remplacez « index » par un titre approprié.</translation>
    </message>
    <message>
        <source>You should never submit websites without a title! Add a title to your website by entering a suitable text in the &apos;title&apos; tag.</source>
        <comment>IDS_20</comment>
        <translation>Ne soumettez jamais de site web sans titre ! Ajoutez un titre à votre site web en saisissant un texte approprié dans la balise &apos;title&apos;.</translation>
    </message>
    <message>
        <source>You should never submit websites that have no title! Add a suitable title for your website in the &apos;title&apos; tag.</source>
        <comment>IDS_4</comment>
        <translation>Ne soumettez jamais de sites web qui n&apos;ont pas de titre ! Ajoutez un titre approprié à votre site web dans la balise &apos;title&apos;.</translation>
    </message>
    <message>
        <source>The website has a title, but the title is too short. You should consider entering a longer title, for example a brief description of the content of the document.</source>
        <comment>IDS_5</comment>
        <translation>Le site web a un titre, mais ce titre est trop court. Envisagez un titre plus long, par exemple une brève description du contenu du document.</translation>
    </message>
    <message>
        <source>Website has a title, but the title should be longer. Enter for example a brief description of the document&apos;s content of the document.</source>
        <comment>IDS_6</comment>
        <translation>Le site web a un titre, mais il devrait être plus long. Saisissez par exemple une brève description du contenu du document.</translation>
    </message>
    <message>
        <source>Website has a correct title. However, you may add more text in the title.</source>
        <comment>IDS_7</comment>
        <translation>Le site web a un titre correct. Vous pouvez toutefois ajouter du texte au titre.</translation>
    </message>
    <message>
        <source>Website has a correct title.</source>
        <comment>IDS_8</comment>
        <translation>Le site web a un titre correct.</translation>
    </message>
    <message>
        <source>Title is a little too long. Consider shortening the title. Note that the title should not consist of a detailed description of your website or a list of keywords.</source>
        <comment>IDS_9</comment>
        <translation>Le titre est un peu trop long. Envisagez de le raccourcir. Notez que le titre ne doit pas être une description détaillée de votre site web ni une liste de mots-clés.</translation>
    </message>
    <message>
        <source>The title is too long. Consider shortening the title. Note that the title should not consist of a detailed description of your website or a list of keywords.</source>
        <comment>IDS_10</comment>
        <translation>Le titre est trop long. Envisagez de le raccourcir. Notez que le titre ne doit pas être une description détaillée de votre site web ni une liste de mots-clés.</translation>
    </message>
    <message>
        <source>The title is far too long. You must shorten the title. Note that the title should not consist of a detailed description of your website or a list of keywords.</source>
        <comment>IDS_11</comment>
        <translation>Le titre est beaucoup trop long. Vous devez le raccourcir. Notez que le titre ne doit pas être une description détaillée de votre site web ni une liste de mots-clés.</translation>
    </message>
    <message>
        <source>The title contains no invalid capitalization.</source>
        <comment>IDS_12</comment>
        <translation>Le titre ne contient pas de majuscules abusives.</translation>
    </message>
    <message>
        <source>Avoid unnecessary capitals! Most search services do not like them.</source>
        <comment>IDS_13</comment>
        <translation>Évitez les majuscules inutiles ! La plupart des services de recherche ne les apprécient pas.</translation>
    </message>
    <message>
        <source>There are too many capitals in your text! Most search services do not like them.</source>
        <comment>IDS_14</comment>
        <translation>Votre texte contient trop de majuscules ! La plupart des services de recherche ne les apprécient pas.</translation>
    </message>
    <message>
        <source>You must eliminate unnecessary capitals! Most search services do not like them.</source>
        <comment>IDS_15</comment>
        <translation>Vous devez supprimer les majuscules inutiles ! La plupart des services de recherche ne les apprécient pas.</translation>
    </message>
    <message>
        <source>The text does not contain invalid repetitions of terms.</source>
        <comment>IDS_16</comment>
        <translation>Le texte ne contient pas de répétitions abusives de termes.</translation>
    </message>
    <message>
        <source>Check whether your text contains invalid repetitions of terms.</source>
        <comment>IDS_17</comment>
        <translation>Vérifiez si votre texte contient des répétitions abusives de termes.</translation>
    </message>
    <message>
        <source>Avoid repetitions of terms.</source>
        <comment>IDS_18</comment>
        <translation>Évitez les répétitions de termes.</translation>
    </message>
    <message>
        <source>You must eliminate repeated terms.</source>
        <comment>IDS_19</comment>
        <translation>Vous devez supprimer les termes répétés.</translation>
    </message>
    <message>
        <source>You have entered only %1 characters. This is not sufficient! We recommend to enter up to 255 characters.</source>
        <comment>IDS_27</comment>
        <translation>Vous n&apos;avez saisi que %1 caractères. Ce n&apos;est pas suffisant ! Nous recommandons jusqu&apos;à 255 caractères.</translation>
    </message>
    <message>
        <source>You have entered only %1 characters. This by far short! We recommend to enter up to 255 characters.</source>
        <comment>IDS_45</comment>
        <translation>Vous n&apos;avez saisi que %1 caractères. C&apos;est beaucoup trop court ! Nous recommandons jusqu&apos;à 255 caractères.</translation>
    </message>
    <message>
        <source>You have only entered %1 characters. This is not sufficient! We recommend to enter up to 255 characters.</source>
        <comment>IDS_28</comment>
        <translation>Vous n&apos;avez saisi que %1 caractères. Ce n&apos;est pas suffisant ! Nous recommandons jusqu&apos;à 255 caractères.</translation>
    </message>
    <message>
        <source>You have entered only %1 characters. This is not sufficient! We recommend to enter up to 255 characters.</source>
        <comment>IDS_46</comment>
        <translation>Vous n&apos;avez saisi que %1 caractères. Ce n&apos;est pas suffisant ! Nous recommandons jusqu&apos;à 255 caractères.</translation>
    </message>
    <message>
        <source>You have entered %1 characters. We recommend to enter up to 255 characters.</source>
        <comment>IDS_29</comment>
        <translation>Vous avez saisi %1 caractères. Nous recommandons jusqu&apos;à 255 caractères.</translation>
    </message>
    <message>
        <source>Keywords entered and correct.</source>
        <comment>IDS_30</comment>
        <translation>Mots-clés saisis et corrects.</translation>
    </message>
    <message>
        <source>Description entered and correct.</source>
        <comment>IDS_48</comment>
        <translation>Description saisie et correcte.</translation>
    </message>
    <message>
        <source>Too many keywords! You have entered %1 characters. We recommend to enter max.255 characters.</source>
        <comment>IDS_31</comment>
        <translation>Trop de mots-clés ! Vous avez saisi %1 caractères. Nous recommandons 255 caractères au maximum.</translation>
    </message>
    <message>
        <source>The description is too long. You have entered %1 characters. We recommend to enter max. 255 characters.</source>
        <comment>IDS_49</comment>
        <translation>La description est trop longue. Vous avez saisi %1 caractères. Nous recommandons 255 caractères au maximum.</translation>
    </message>
    <message>
        <source>Reduce the number of keywords! You have entered %1 characters. That is too much! We recommend to enter max. 255 characters.</source>
        <comment>IDS_32</comment>
        <translation>Réduisez le nombre de mots-clés ! Vous avez saisi %1 caractères. C&apos;est trop ! Nous recommandons 255 caractères au maximum.</translation>
    </message>
    <message>
        <source>Shorten the description! You have entered %1 characters. That is too much! We recommend to enter max. 255 characters.</source>
        <comment>IDS_50</comment>
        <translation>Raccourcissez la description ! Vous avez saisi %1 caractères. C&apos;est trop ! Nous recommandons 255 caractères au maximum.</translation>
    </message>
    <message>
        <source>You must reduce the number of keywords! You have entered %1 characters. This is far too much! We recommend to enter max. 255 characters.</source>
        <comment>IDS_33</comment>
        <translation>Vous devez réduire le nombre de mots-clés ! Vous avez saisi %1 caractères. C&apos;est beaucoup trop ! Nous recommandons 255 caractères au maximum.</translation>
    </message>
    <message>
        <source>You must shorten your description! You have entered %1 characters. This is far too much! We recommend to enter max.255 characters.</source>
        <comment>IDS_51</comment>
        <translation>Vous devez raccourcir votre description ! Vous avez saisi %1 caractères. C&apos;est beaucoup trop ! Nous recommandons 255 caractères au maximum.</translation>
    </message>
    <message>
        <source>In addition, there are only %1 words, which might indicate another problem. Ensure that the individual keywords are separated by commas.</source>
        <comment>IDS_34</comment>
        <translation>De plus, il n&apos;y a que %1 mots, ce qui peut indiquer un autre problème. Assurez-vous que les mots-clés sont séparés par des virgules.</translation>
    </message>
    <message>
        <source>In addition, there are only %1 words, which might indicate another problem.</source>
        <comment>IDS_52</comment>
        <translation>De plus, il n&apos;y a que %1 mots, ce qui peut indiquer un autre problème.</translation>
    </message>
    <message>
        <source>In addition, there are only %1 words, which might indicate another problem. You should consider entering more terms.</source>
        <comment>IDS_35</comment>
        <translation>De plus, il n&apos;y a que %1 mots, ce qui peut indiquer un autre problème. Envisagez de saisir davantage de termes.</translation>
    </message>
    <message>
        <source>Keywords</source>
        <comment>IDS_25</comment>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>Description</source>
        <comment>IDS_43</comment>
        <translation>Description</translation>
    </message>
    <message>
        <source>No keywords! Add keywords to your website by entering suitable terms through the &apos;keywords&apos; meta tag.</source>
        <comment>IDS_26</comment>
        <translation>Aucun mot-clé ! Ajoutez des mots-clés à votre site web en saisissant des termes appropriés dans la balise méta &apos;keywords&apos;.</translation>
    </message>
    <message>
        <source>You should never submit websites without a description! Add a description to your website by entering this information through the &apos;description&apos; meta tag.</source>
        <comment>IDS_44</comment>
        <translation>Ne soumettez jamais de site web sans description ! Ajoutez une description à votre site web au moyen de la balise méta &apos;description&apos;.</translation>
    </message>
    <message>
        <source>You must eliminate unnecessary capitals! Most search services do not like them.</source>
        <comment>IDS_39</comment>
        <translation>Vous devez supprimer les majuscules inutiles ! La plupart des services de recherche ne les apprécient pas.</translation>
    </message>
    <message>
        <source>The keywords contain no invalid capitalization.</source>
        <comment>IDS_36</comment>
        <translation>Les mots-clés ne contiennent pas de majuscules abusives.</translation>
    </message>
    <message>
        <source>Avoid unnecessary capitals! Most search services do not like them.</source>
        <comment>IDS_37</comment>
        <translation>Évitez les majuscules inutiles ! La plupart des services de recherche ne les apprécient pas.</translation>
    </message>
    <message>
        <source>There are too many capitals in your text! Most search services do not like them.</source>
        <comment>IDS_38</comment>
        <translation>Votre texte contient trop de majuscules ! La plupart des services de recherche ne les apprécient pas.</translation>
    </message>
    <message>
        <source>Description contains no invalid capitalization.</source>
        <comment>IDS_54</comment>
        <translation>La description ne contient pas de majuscules abusives.</translation>
    </message>
    <message>
        <source>Avoid unnecessary capitals! Most search services do not like them.</source>
        <comment>IDS_55</comment>
        <translation>Évitez les majuscules inutiles ! La plupart des services de recherche ne les apprécient pas.</translation>
    </message>
    <message>
        <source>There are too many capitals in your text! Most search services do not like them.</source>
        <comment>IDS_56</comment>
        <translation>Votre texte contient trop de majuscules ! La plupart des services de recherche ne les apprécient pas.</translation>
    </message>
    <message>
        <source>Text contains no invalid repetitions of terms.</source>
        <comment>IDS_57</comment>
        <translation>Le texte ne contient pas de répétitions abusives de termes.</translation>
    </message>
    <message>
        <source>Check whether your text contains invalid repetitions of terms. %1 identical terms have been found.</source>
        <comment>IDS_40</comment>
        <translation>Vérifiez si votre texte contient des répétitions abusives de termes. %1 termes identiques ont été trouvés.</translation>
    </message>
    <message>
        <source>Avoid repetitions of terms. %1 identical terms have been found.</source>
        <comment>IDS_41</comment>
        <translation>Évitez les répétitions de termes. %1 termes identiques ont été trouvés.</translation>
    </message>
    <message>
        <source>You must eliminate repeated terms. %1 identical terms have been found.</source>
        <comment>IDS_42</comment>
        <translation>Vous devez supprimer les termes répétés. %1 termes identiques ont été trouvés.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>IDS_69</comment>
        <translation>Rafraîchissement</translation>
    </message>
    <message>
        <source>No refresh</source>
        <comment>IDS_70</comment>
        <translation>Pas de rafraîchissement</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>IDS_71</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Refresh value is too low! Enter a higher value!</source>
        <comment>IDS_61</comment>
        <translation>La valeur de rafraîchissement est trop basse ! Saisissez une valeur plus élevée !</translation>
    </message>
    <message>
        <source>Refresh value is within the acceptable range.</source>
        <comment>IDS_62</comment>
        <translation>La valeur de rafraîchissement se situe dans la plage acceptable.</translation>
    </message>
    <message>
        <source>Overall assessment: %1 %2 - Rectify these problems before submitting your website.</source>
        <comment>IDS_63</comment>
        <translation>Évaluation globale : %1 %2 - Corrigez ces problèmes avant de soumettre votre site web.</translation>
    </message>
    <message>
        <source>Overall assessment: %1 %2 - Read the notes and hints.</source>
        <comment>IDS_64</comment>
        <translation>Évaluation globale : %1 %2 - Lisez les remarques et conseils.</translation>
    </message>
    <message>
        <source>Overall assessment: %1 %2 - All checked parameters are OK.</source>
        <comment>IDS_65</comment>
        <translation>Évaluation globale : %1 %2 - Tous les paramètres vérifiés sont corrects.</translation>
    </message>
    <message>
        <source>Status</source>
        <comment>IDS_1001</comment>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Comment</source>
        <comment>IDS_1002</comment>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>IDS_1006</comment>
        <translation>Rafraîchissement</translation>
    </message>
    <message>
        <source>The website has no REFRESH value.</source>
        <comment>IDS_68</comment>
        <translation>Le site web n&apos;a pas de valeur REFRESH.</translation>
    </message>
    <message>
        <source>The website has a REFRESH value of %1&apos;.</source>
        <comment>IDS_67</comment>
        <translation>Le site web a une valeur REFRESH de %1&apos;.</translation>
    </message>
    <message>
        <source>Current title</source>
        <comment>IDS_1003</comment>
        <translation>Titre actuel</translation>
    </message>
    <message>
        <source>Current keywords</source>
        <comment>IDS_1004</comment>
        <translation>Mots-clés actuels</translation>
    </message>
    <message>
        <source>Current description</source>
        <comment>IDS_1005</comment>
        <translation>Description actuelle</translation>
    </message>
    <message>
        <source>Number of words: %1 Number of characters: %2</source>
        <comment>IDS_66</comment>
        <translation>Nombre de mots : %1 Nombre de caractères : %2</translation>
    </message>
</context>
<context>
    <name>SiteValidation</name>
    <message>
        <source>Do you wish to continue?</source>
        <translation>Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Avoid repeated exclamation marks. Most search services do not like them.</source>
        <translation>Évitez les points d&apos;exclamation répétés. La plupart des services de recherche ne les apprécient pas.</translation>
    </message>
    <message>
        <source>Avoid special characters such as *, # or &lt;. Most search services do not like them.</source>
        <translation>Évitez les caractères spéciaux tels que *, # ou &lt;. La plupart des services de recherche ne les apprécient pas.</translation>
    </message>
    <message>
        <source>Avoid unnecessary capitals! Most search services do not like them.</source>
        <translation>Évitez les majuscules inutiles ! La plupart des services de recherche ne les apprécient pas.</translation>
    </message>
</context>
<context>
    <name>SkinPictures</name>
    <message>
        <source>Site details</source>
        <translation>Données du site</translation>
    </message>
    <message>
        <source>Meta tags</source>
        <translation>Balises meta</translation>
    </message>
    <message>
        <source>Automatic submission</source>
        <translation>Inscription automatique</translation>
    </message>
    <message>
        <source>Manual submission</source>
        <translation>Inscription manuelle</translation>
    </message>
    <message>
        <source>Status report</source>
        <translation>Rapport d&apos;état</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Please select a higher screen resolution. %1 cannot be run with the currently set resolution of %2 x %3.</source>
        <comment>IDS_Aufloesung</comment>
        <translation>Veuillez choisir une résolution d&apos;écran plus élevée. %1 ne peut pas être exécuté avec la résolution actuelle de %2 x %3.</translation>
    </message>
    <message>
        <source>Sendora! Special Edition</source>
        <comment>IDS_ProgName</comment>
        <translation>Sendora! Special Edition</translation>
    </message>
    <message>
        <source>Your system is currently set to only %1 colors. Please change the color settings in the control panel to a higher number of colors to gain a better display of the program elements!</source>
        <comment>IDS_Farben</comment>
        <translation>Votre système n&apos;affiche actuellement que %1 couleurs. Veuillez augmenter le nombre de couleurs dans le panneau de configuration pour un meilleur affichage des éléments du programme !</translation>
    </message>
    <message>
        <source>(The current user might not have sufficient access rights!)</source>
        <comment>IDS_Zugriffsrechte</comment>
        <translation>(L&apos;utilisateur actuel n&apos;a peut-être pas les droits d&apos;accès suffisants !)</translation>
    </message>
    <message>
        <source>Error during reading of registry data. Please check your system!</source>
        <comment>IDS_RegLesen</comment>
        <translation>Erreur lors de la lecture des données du registre. Veuillez vérifier votre système !</translation>
    </message>
    <message>
        <source>Error has occured while writing to registry. Check your system!</source>
        <comment>IDS_RegSchreiben</comment>
        <translation>Une erreur s&apos;est produite lors de l&apos;écriture dans le registre. Vérifiez votre système !</translation>
    </message>
    <message>
        <source>Error no. %1 - application is being terminated!</source>
        <comment>IDS_FehlerBeenden</comment>
        <translation>Erreur n° %1 - l&apos;application va être arrêtée !</translation>
    </message>
    <message>
        <source>Error no. %1 - application is being closed!</source>
        <comment>IDS_FehlerSchliessen</comment>
        <translation>Erreur n° %1 - l&apos;application va être fermée !</translation>
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
    <name>SubmissionJob</name>
    <message>
        <source>Please wait ...</source>
        <translation>Veuillez patienter ...</translation>
    </message>
</context>
<context>
    <name>SubmissionRun</name>
    <message>
        <source>Please wait ...</source>
        <translation>Veuillez patienter ...</translation>
    </message>
    <message>
        <source>Preparing transfer, please wait ...</source>
        <translation>Préparation de la transmission, veuillez patienter ...</translation>
    </message>
    <message>
        <source>Generating status report, please wait ...</source>
        <translation>Création du rapport d&apos;état, veuillez patienter ...</translation>
    </message>
    <message>
        <source>Resetting search service database. Please wait ...</source>
        <translation>Réinitialisation de la base des services de recherche. Veuillez patienter ...</translation>
    </message>
</context>
<context>
    <name>TDatenmodul</name>
    <message>
        <source>There is no search service to edit.</source>
        <comment>IDS_KeinDatensatz</comment>
        <translation>Il n&apos;y a aucun service de recherche à modifier.</translation>
    </message>
    <message>
        <source>The field %1 of a search service cannot be changed.</source>
        <comment>IDS_NurLesen</comment>
        <translation>Le champ %1 d&apos;un service de recherche ne peut pas être modifié.</translation>
    </message>
    <message>
        <source>Non-critical error! Error no. %1</source>
        <comment>IDS_NeuerDatensatz</comment>
        <translation>Erreur non critique ! Erreur n° %1</translation>
    </message>
    <message>
        <source>The search-service database is not open.</source>
        <comment>IDS_NichtOffen</comment>
        <translation>La base de données des services de recherche n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <source>Exception error during reading</source>
        <comment>IDS_FehlerBeimLesen</comment>
        <translation>Erreur d&apos;exception lors de la lecture</translation>
    </message>
    <message>
        <source>Search engine selection file not found!</source>
        <comment>IDS_AuswahlDateiFehlt</comment>
        <translation>Fichier de sélection des moteurs de recherche introuvable !</translation>
    </message>
    <message>
        <source>Error no. %1<byte value="xd"/><byte value="xd"/>Possible causes for this error: <byte value="xd"/>   - Application has not been closed properly.<byte value="xd"/>   - Database files have been deleted or damaged.<byte value="xd"/>   - Incorrect installation.<byte value="xd"/><byte value="xd"/>Restart your computer and then restart %2.<byte value="xd"/>If this error persists, please contact our technical support!<byte value="xd"/><byte value="xd"/>This application is now being terminated!</source>
        <comment>IDS_DatenbankFehler</comment>
        <translation>Erreur n° %1<byte value="xd"/><byte value="xd"/>Causes possibles de cette erreur : <byte value="xd"/>   - L&apos;application n&apos;a pas été fermée correctement.<byte value="xd"/>   - Des fichiers de la base de données ont été supprimés ou endommagés.<byte value="xd"/>   - Installation incorrecte.<byte value="xd"/><byte value="xd"/>Redémarrez votre ordinateur puis relancez %2.<byte value="xd"/>Si cette erreur persiste, veuillez contacter notre support technique !<byte value="xd"/><byte value="xd"/>L&apos;application va maintenant être fermée !</translation>
    </message>
    <message>
        <source>The number of search engines has changed.<byte value="xd"/><byte value="xd"/>This problem can be solved as follows: <byte value="xd"/>Save the file and load it again.<byte value="xd"/>IMPORTANT: Save with command F i l e | S a v e   a s . . . (NOT: File|Save)!<byte value="xd"/><byte value="xd"/>If this error persists, the SIT file is damaged/invalid.</source>
        <comment>IDS_AnzahlGeaendert</comment>
        <translation>Le nombre de moteurs de recherche a changé.<byte value="xd"/><byte value="xd"/>Ce problème peut être résolu ainsi : <byte value="xd"/>Enregistrez le fichier puis rechargez-le.<byte value="xd"/>IMPORTANT : enregistrez avec la commande F i c h i e r | E n r e g i s t r e r   s o u s . . . (PAS : Fichier|Enregistrer) !<byte value="xd"/><byte value="xd"/>Si cette erreur persiste, le fichier SIT est endommagé/non valide.</translation>
    </message>
</context>
<context>
    <name>TLastInfo</name>
    <message>
        <source>Special characters have been found. Do you wish to replace these characters with HTML codes?</source>
        <translation>Des caractères spéciaux ont été trouvés. Voulez-vous les remplacer par des codes HTML ?</translation>
    </message>
    <message>
        <source>To complete the desired process, enter at least one meta tag!</source>
        <translation>Pour effectuer cette opération, saisissez au moins une balise méta !</translation>
    </message>
    <message>
        <source>Empty string - non-critical error no. 881102</source>
        <translation>Chaîne vide - erreur non critique n° 881102</translation>
    </message>
    <message>
        <source>This file has seemingly caused a program error. Please forward the file that has caused this error to</source>
        <translation>Ce fichier semble avoir provoqué une erreur du programme. Veuillez envoyer le fichier qui a causé cette erreur à</translation>
    </message>
    <message>
        <source>. Thank you!</source>
        <translation>. Merci !</translation>
    </message>
    <message>
        <source>The following meta tags are found more than once:</source>
        <translation>Les balises méta suivantes apparaissent plusieurs fois :</translation>
    </message>
    <message>
        <source>Only the first respective meta tag (of several identical ones) has been loaded!</source>
        <translation>Seule la première de plusieurs balises méta identiques a été chargée !</translation>
    </message>
    <message>
        <source>HEAD found, but HEAD does not contain any (correct or mandatory) meta tags to be loaded!</source>
        <translation>HEAD trouvé, mais HEAD ne contient aucune balise méta (correcte ou obligatoire) à charger !</translation>
    </message>
</context>
<context>
    <name>TMetaTagData</name>
    <message>
        <source>File name is empty!</source>
        <translation>Le nom de fichier est vide !</translation>
    </message>
    <message>
        <source>The input %1 is not assigned!</source>
        <translation>Le champ de saisie %1 n&apos;est pas attribué !</translation>
    </message>
</context>
<context>
    <name>TSdProjectContainer</name>
    <message>
        <source>The file %1 cannot be opened: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Impossible de lire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>&apos;%1&apos; n&apos;est pas une date et une heure valides</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
</context>
<context>
    <name>TfrmAboutBox</name>
    <message>
        <source>About Sendora</source>
        <translation>À propos de Sendora</translation>
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
        <translation>Inscrit votre site dans les moteurs de recherche et les annuaires, conserve les informations et les balises meta de votre site et rend compte du résultat de chaque inscription.</translation>
    </message>
</context>
<context>
    <name>TfrmDetailErklaerung</name>
    <message>
        <source>Click here to view more information on this topic.</source>
        <translation>Cliquez ici pour en savoir plus sur ce sujet.</translation>
    </message>
    <message>
        <source>Do not show this hint anymore</source>
        <translation>Ne plus afficher ce conseil</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
</context>
<context>
    <name>TfrmDetailsZumSuchdienst</name>
    <message>
        <source>Spider search engine</source>
        <comment>IDS_Spider</comment>
        <translation>Moteur de recherche (robot)</translation>
    </message>
    <message>
        <source>Directory</source>
        <comment>IDS_Verzeichnis</comment>
        <translation>Annuaire</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>IDS_Andere</comment>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>IDS_Unbekannt</comment>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Only manual submission</source>
        <comment>IDS_NurManuell</comment>
        <translation>Inscription manuelle uniquement</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>IDS_Ja</comment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Yes, this search service charges a fee</source>
        <comment>IDS_Kostenpflichtig</comment>
        <translation>Oui, ce service de recherche est payant</translation>
    </message>
    <message>
        <source>No, registration is free of charge</source>
        <comment>IDS_Kostenlos</comment>
        <translation>Non, l&apos;inscription est gratuite</translation>
    </message>
    <message>
        <source>New or not very important search service</source>
        <comment>IDS_Bewertung0</comment>
        <translation>Service de recherche nouveau ou peu important</translation>
    </message>
    <message>
        <source>Small search service</source>
        <comment>IDS_Bewertung1</comment>
        <translation>Petit service de recherche</translation>
    </message>
    <message>
        <source>Important search service</source>
        <comment>IDS_Bewertung2</comment>
        <translation>Service de recherche important</translation>
    </message>
    <message>
        <source>Highly important search service</source>
        <comment>IDS_Bewertung3</comment>
        <translation>Service de recherche très important</translation>
    </message>
    <message>
        <source>Top search service</source>
        <comment>IDS_Bewertung4</comment>
        <translation>Service de recherche de premier plan</translation>
    </message>
    <message>
        <source>Search service not yet rated</source>
        <comment>IDS_BewertungKeine</comment>
        <translation>Service de recherche pas encore évalué</translation>
    </message>
    <message>
        <source>Up to %1 weeks</source>
        <comment>IDS_Wochen</comment>
        <translation>Jusqu&apos;à %1 semaines</translation>
    </message>
    <message>
        <source>%1 days</source>
        <comment>IDS_Tage</comment>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>Varies (generally several weeks)</source>
        <comment>IDS_MehrereWochen</comment>
        <translation>Variable (généralement plusieurs semaines)</translation>
    </message>
    <message>
        <source>Varies (generally several days)</source>
        <comment>IDS_MehrereTage</comment>
        <translation>Variable (généralement plusieurs jours)</translation>
    </message>
    <message>
        <source>Website last submitted to this search service on %1</source>
        <comment>IDS_Zuletzt</comment>
        <translation>Site web soumis à ce service de recherche pour la dernière fois le %1</translation>
    </message>
    <message>
        <source>You have not yet submitted your current website to this search service</source>
        <comment>IDS_NochNicht</comment>
        <translation>Vous n&apos;avez pas encore soumis votre site web actuel à ce service de recherche</translation>
    </message>
    <message>
        <source>&lt;Information not available&gt;</source>
        <comment>IDS_KeineAngabe</comment>
        <translation>&lt;Information non disponible&gt;</translation>
    </message>
    <message>
        <source>Go to start page of </source>
        <comment>IDS_StartSeite</comment>
        <translation>Aller à la page d&apos;accueil de </translation>
    </message>
    <message>
        <source>Go to &apos;Submit URL&apos; page of </source>
        <comment>IDS_AnmeldeSeite</comment>
        <translation>Aller à la page &apos;Soumettre une URL&apos; de </translation>
    </message>
</context>
<context>
    <name>TfrmEnginesExport</name>
    <message>
        <source>Search engines</source>
        <comment>IDS_Suchmaschinen</comment>
        <translation>Moteurs de recherche</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <comment>IDS_Schreibfehler</comment>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
</context>
<context>
    <name>TfrmFetchURL</name>
    <message>
        <source>Retrieve data</source>
        <translation>Récupérer les données</translation>
    </message>
    <message>
        <source>Please wait. The data is being retrieved</source>
        <translation>Veuillez patienter. Les données sont en cours de récupération</translation>
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
    <message>
        <source>Would you like to save file %1 now?</source>
        <comment>IDS_DateiSpeichern</comment>
        <translation>Voulez-vous enregistrer le fichier %1 maintenant ?</translation>
    </message>
    <message>
        <source>Would you like to save current form data?</source>
        <comment>IDS_FormularSpeichern</comment>
        <translation>Voulez-vous enregistrer les données actuelles du formulaire ?</translation>
    </message>
    <message>
        <source>Would you like to save the current form data now?</source>
        <comment>IDS_FormularJetztSpeichern</comment>
        <translation>Voulez-vous enregistrer maintenant les données actuelles du formulaire ?</translation>
    </message>
    <message>
        <source>Would you like to exit the program now?</source>
        <comment>IDS_ProgrammBeenden</comment>
        <translation>Voulez-vous quitter le programme maintenant ?</translation>
    </message>
    <message>
        <source>Error while loading file %1</source>
        <comment>IDS_FehlerBeimLaden</comment>
        <translation>Erreur lors du chargement du fichier %1</translation>
    </message>
    <message>
        <source>Exception while reading</source>
        <comment>IDS_AusnahmeBeimLesen</comment>
        <translation>Exception lors de la lecture</translation>
    </message>
    <message>
        <source>File %1 has been saved.</source>
        <comment>IDS_DateiGespeichert</comment>
        <translation>Le fichier %1 a été enregistré.</translation>
    </message>
    <message>
        <source>Please wait ...</source>
        <comment>IDS_BitteWarten</comment>
        <translation>Veuillez patienter ...</translation>
    </message>
    <message>
        <source>Loading file, please wait ...</source>
        <comment>IDS_DateiLaden</comment>
        <translation>Chargement du fichier, veuillez patienter ...</translation>
    </message>
    <message>
        <source>Saving data, please wait ...</source>
        <comment>IDS_DatenSpeichern</comment>
        <translation>Enregistrement des données, veuillez patienter ...</translation>
    </message>
    <message>
        <source>Load details file</source>
        <comment>IDS_OeffnenTitel</comment>
        <translation>Charger un fichier d&apos;informations</translation>
    </message>
    <message>
        <source>Site details files|*.sit|All files|*.*</source>
        <comment>IDS_DateiFilter</comment>
        <translation>Fichiers d&apos;informations du site|*.sit|Tous les fichiers|*.*</translation>
    </message>
    <message>
        <source>Saving details file</source>
        <comment>IDS_SpeichernTitel</comment>
        <translation>Enregistrer le fichier d&apos;informations</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>IDS_MnuDatei</comment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>IDS_MnuNeu</comment>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <comment>IDS_MnuOeffnen</comment>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>IDS_MnuSpeichern</comment>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as ...</source>
        <comment>IDS_MnuSpeichernUnter</comment>
        <translation>Enregistrer &amp;sous ...</translation>
    </message>
    <message>
        <source>Update Manager</source>
        <comment>IDS_MnuUpdateManager</comment>
        <translation>Gestionnaire de mises à jour</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <comment>IDS_MnuBeenden</comment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Start a new, untitled project</source>
        <comment>IDS_HintNeu</comment>
        <translation>Commencer un nouveau projet sans titre</translation>
    </message>
    <message>
        <source>Open a details file</source>
        <comment>IDS_HintOeffnen</comment>
        <translation>Ouvrir un fichier d&apos;informations</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <comment>IDS_HintSpeichern</comment>
        <translation>Enregistrer le projet actuel</translation>
    </message>
    <message>
        <source>Save the current project under a new name</source>
        <comment>IDS_HintSpeichernUnter</comment>
        <translation>Enregistrer le projet actuel sous un nouveau nom</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <comment>IDS_HintBeenden</comment>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <comment>IDS_MnuExtras</comment>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Open &amp;One-Minute Assistant</source>
        <comment>IDS_MnuAssistent</comment>
        <translation>Ouvrir l&apos;assistant &amp;une minute</translation>
    </message>
    <message>
        <source>Export &amp;search services</source>
        <comment>IDS_MnuExport</comment>
        <translation>Exporter les &amp;services de recherche</translation>
    </message>
    <message>
        <source>&amp;Program options</source>
        <comment>IDS_MnuOptionen</comment>
        <translation>Options du &amp;programme</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <comment>IDS_MnuGeheZu</comment>
        <translation>&amp;Aller à</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <comment>IDS_MnuDetails</comment>
        <translation>&amp;Informations</translation>
    </message>
    <message>
        <source>&amp;Meta Tag Generator</source>
        <comment>IDS_MnuMetaTags</comment>
        <translation>Générateur de balises &amp;meta</translation>
    </message>
    <message>
        <source>&amp;Automatic Submission</source>
        <comment>IDS_MnuAutomatisch</comment>
        <translation>Inscription &amp;automatique</translation>
    </message>
    <message>
        <source>Manual Submission</source>
        <comment>IDS_MnuManuell</comment>
        <translation>Inscription manuelle</translation>
    </message>
    <message>
        <source>&amp;Status Report</source>
        <comment>IDS_MnuStatus</comment>
        <translation>&amp;Rapport d&apos;état</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <comment>IDS_MnuHilfe</comment>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <comment>IDS_MnuInhalt</comment>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Tuturi&amp;al</source>
        <comment>IDS_MnuTutorial</comment>
        <translation>Didacticie&amp;l</translation>
    </message>
    <message>
        <source>&amp;Questions and problems</source>
        <comment>IDS_MnuFragen</comment>
        <translation>&amp;Questions et problèmes</translation>
    </message>
    <message>
        <source>S&amp;upport forum</source>
        <comment>IDS_MnuForum</comment>
        <translation>Forum d&apos;ass&amp;istance</translation>
    </message>
    <message>
        <source>Tips and &amp;hints</source>
        <comment>IDS_MnuTipps</comment>
        <translation>Astuces et &amp;conseils</translation>
    </message>
    <message>
        <source>10 &amp;important hints</source>
        <comment>IDS_MnuWichtigeHinweise</comment>
        <translation>10 conseils &amp;importants</translation>
    </message>
    <message>
        <source>New &amp;search service</source>
        <comment>IDS_MnuNeuerSuchdienst</comment>
        <translation>Nouveau &amp;service de recherche</translation>
    </message>
    <message>
        <source>&amp;Tip of the day</source>
        <comment>IDS_MnuTippDesTages</comment>
        <translation>&amp;Astuce du jour</translation>
    </message>
    <message>
        <source>A&amp;bout ...</source>
        <comment>IDS_MnuInfo</comment>
        <translation>À &amp;propos ...</translation>
    </message>
    <message>
        <source>Pri&amp;nt</source>
        <comment>IDS_BtnDrucken</comment>
        <translation>Impri&amp;mer</translation>
    </message>
    <message>
        <source>&amp;RTF report</source>
        <comment>IDS_BtnRTF</comment>
        <translation>Rapport &amp;RTF</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>IDS_BtnHilfe</comment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Enter website details. Details are divided in four sections: WEBSITE, PERSON, WEBMASTER and COMPANY</source>
        <comment>IDS_StatusKenndaten</comment>
        <translation>Saisissez les informations du site. Elles sont réparties en quatre sections : SITE WEB, PERSONNE, WEBMESTRE et ENTREPRISE</translation>
    </message>
    <message>
        <source>Enter website details. Details are divided into four sections: WEBSITE, PERSON, WEBMASTER and COMPANY</source>
        <comment>IDS_InfoKenndaten</comment>
        <translation>Saisissez les informations du site. Elles sont réparties en quatre sections : SITE WEB, PERSONNE, WEBMESTRE et ENTREPRISE</translation>
    </message>
    <message>
        <source>Generate or import meta tags that can be pasted into HTML files.</source>
        <comment>IDS_StatusMetaTags</comment>
        <translation>Générez ou importez des balises meta à insérer dans vos fichiers HTML.</translation>
    </message>
    <message>
        <source>Displayed search services support automatic submission.</source>
        <comment>IDS_StatusAutomatisch</comment>
        <translation>Les services de recherche affichés acceptent l&apos;inscription automatique.</translation>
    </message>
    <message>
        <source>Your website can be submitted to the displayed search services with the Submission assistant.</source>
        <comment>IDS_StatusManuell</comment>
        <translation>Vous pouvez inscrire votre site dans les services de recherche affichés avec l&apos;assistant d&apos;inscription.</translation>
    </message>
    <message>
        <source>View and print status of your last submission.</source>
        <comment>IDS_StatusStatus</comment>
        <translation>Affichez et imprimez l&apos;état de votre dernière inscription.</translation>
    </message>
    <message>
        <source>No.</source>
        <comment>IDS_500</comment>
        <translation>Nbre</translation>
    </message>
    <message>
        <source>Welcome to Sendora!</source>
        <comment>IDS_Willkommen</comment>
        <translation>Bienvenue dans Sendora !</translation>
    </message>
</context>
<context>
    <name>TfrmInfoFenster</name>
    <message>
        <source>Welcome to Sendora! This window contains useful tips and hints</source>
        <translation>Bienvenue dans Sendora ! Cette fenêtre contient des astuces et des conseils utiles</translation>
    </message>
    <message>
        <source>Close the info window</source>
        <translation>Fermer la fenêtre d&apos;information</translation>
    </message>
</context>
<context>
    <name>TfrmKenndaten</name>
    <message>
        <source>Enter website&apos;s URL in field &apos;URL&apos; and click &apos;Check URL&apos; again!</source>
        <translation>Saisissez l&apos;URL du site web dans le champ &apos;URL&apos; et cliquez à nouveau sur &apos;Vérifier l&apos;URL&apos; !</translation>
    </message>
    <message>
        <source>Data could not be retrieved!</source>
        <translation>Les données n&apos;ont pas pu être récupérées !</translation>
    </message>
    <message>
        <source>Error code: %1 (%2).</source>
        <translation>Code d&apos;erreur : %1 (%2).</translation>
    </message>
</context>
<context>
    <name>TfrmKeywords</name>
    <message>
        <source>The clipboard contains no text but graphics, etc.! The command can therefore not be executed. Copy text to clipboard and try again.</source>
        <translation>Le presse-papiers ne contient pas de texte mais des images, etc. ! La commande ne peut donc pas être exécutée. Copiez du texte dans le presse-papiers et réessayez.</translation>
    </message>
    <message>
        <source>The clipboard contains more than 1024 characters. Only the first 1024 characters are being used. Keywords should not exceed 255 characters!</source>
        <translation>Le presse-papiers contient plus de 1024 caractères. Seuls les 1024 premiers caractères sont utilisés. Les mots-clés ne doivent pas dépasser 255 caractères !</translation>
    </message>
    <message>
        <source>Clipboard empty!</source>
        <translation>Presse-papiers vide !</translation>
    </message>
</context>
<context>
    <name>TfrmMetaTagGenerator</name>
    <message>
        <source>Educational</source>
        <translation>Éducation</translation>
    </message>
    <message>
        <source>Commercial</source>
        <translation>Commercial</translation>
    </message>
    <message>
        <source>Government/authorities</source>
        <translation>Gouvernement/administrations</translation>
    </message>
    <message>
        <source>Non-profit</source>
        <translation>Non lucratif</translation>
    </message>
    <message>
        <source>Private homepage</source>
        <translation>Page d&apos;accueil privée</translation>
    </message>
    <message>
        <source>Overwrite current meta tags?</source>
        <translation>Écraser les balises méta actuelles ?</translation>
    </message>
    <message>
        <source>No data could be imported as you have not entered the respective website details. Would you like to enter the missing website details now?</source>
        <translation>Aucune donnée n&apos;a pu être importée car vous n&apos;avez pas saisi les informations correspondantes du site web. Voulez-vous saisir maintenant les informations manquantes ?</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
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
    <name>TfrmSuchdiensteAuswahl</name>
    <message>
        <source>Not available! (database error)</source>
        <comment>IDS_DatenbankFehler</comment>
        <translation>Non disponible ! (erreur de base de données)</translation>
    </message>
    <message>
        <source>Internal error: %1  - Contact our support team at %2!</source>
        <comment>IDS_InternerFehler</comment>
        <translation>Erreur interne : %1  - Contactez notre équipe d&apos;assistance à l&apos;adresse %2 !</translation>
    </message>
</context>
<context>
    <name>TfrmTippDesTages</name>
    <message>
        <source>Tip of the day</source>
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <source>Did you know ...</source>
        <translation>Le saviez-vous ...</translation>
    </message>
    <message>
        <source>&amp;Show tip of the day at next program start</source>
        <translation>&amp;Afficher l&apos;astuce du jour au prochain démarrage</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Next tip</source>
        <translation>Astuce &amp;suivante</translation>
    </message>
    <message>
        <source>File %1 could not be found. Tip of the Day cannot be displayed!</source>
        <translation>Le fichier %1 est introuvable. L&apos;astuce du jour ne peut pas être affichée !</translation>
    </message>
</context>
<context>
    <name>TfrmTrennzeichen</name>
    <message>
        <source>Clipboard contains no text</source>
        <comment>IDS_1</comment>
        <translation>Le presse-papiers ne contient pas de texte</translation>
    </message>
</context>
<context>
    <name>TfrmUPManager</name>
    <message>
        <source>Internal error: %1  - Please contact our support team at %2!</source>
        <comment>IDS_InternalError</comment>
        <translation>Erreur interne : %1  - Veuillez contacter notre équipe d&apos;assistance à l&apos;adresse %2 !</translation>
    </message>
    <message>
        <source>Update Manager</source>
        <comment>IDS_Title</comment>
        <translation>Gestionnaire de mises à jour</translation>
    </message>
    <message>
        <source>FTP access</source>
        <comment>IDS_Heading</comment>
        <translation>Accès FTP</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <comment>IDS_Next</comment>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <comment>IDS_Exit</comment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <comment>IDS_Cancel</comment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Update Manager ensures that your software is always up-to-date. All new versions are installed automatically.</source>
        <comment>IDS_Description</comment>
        <translation>Le gestionnaire de mises à jour maintient votre logiciel toujours à jour. Toutes les nouvelles versions sont installées automatiquement.</translation>
    </message>
    <message>
        <source>Would you like to terminate the update manager now?</source>
        <comment>IDS_CloseQuestion</comment>
        <translation>Voulez-vous quitter le gestionnaire de mises à jour maintenant ?</translation>
    </message>
    <message>
        <source>Welcome to Update Manager</source>
        <comment>IDS_Page1</comment>
        <translation>Bienvenue dans le gestionnaire de mises à jour</translation>
    </message>
    <message>
        <source>View information</source>
        <comment>IDS_Page2</comment>
        <translation>Consulter les informations</translation>
    </message>
    <message>
        <source>Select updates</source>
        <comment>IDS_Page3</comment>
        <translation>Sélectionner les mises à jour</translation>
    </message>
    <message>
        <source>Processing query ...</source>
        <comment>IDS_Page4</comment>
        <translation>Traitement de la requête ...</translation>
    </message>
    <message>
        <source>Installing updates</source>
        <comment>IDS_Page5</comment>
        <translation>Installation des mises à jour</translation>
    </message>
    <message>
        <source>Update completed</source>
        <comment>IDS_Page6</comment>
        <translation>Mise à jour terminée</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>IDS_Page7</comment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please wait. Program is looking for available updates.</source>
        <comment>IDS_LookingForUpdates</comment>
        <translation>Veuillez patienter. Le programme recherche les mises à jour disponibles.</translation>
    </message>
    <message>
        <source>Update Manager ensures that your software is always up-to-date.</source>
        <comment>IDS_Page1a</comment>
        <translation>Le gestionnaire de mises à jour maintient votre logiciel toujours à jour.</translation>
    </message>
    <message>
        <source>Start Update Manager to detect and install all currently available updates.</source>
        <comment>IDS_Page1b</comment>
        <translation>Lancez le gestionnaire de mises à jour pour détecter et installer toutes les mises à jour disponibles.</translation>
    </message>
    <message>
        <source>Click &quot;Next &gt;&quot; to start process.</source>
        <comment>IDS_Page1c</comment>
        <translation>Cliquez sur « Suivant &gt; » pour lancer le processus.</translation>
    </message>
    <message>
        <source>Select the update you wish to install. We recommend to always install all updates.</source>
        <comment>IDS_Page3a</comment>
        <translation>Sélectionnez la mise à jour à installer. Nous recommandons de toujours installer toutes les mises à jour.</translation>
    </message>
    <message>
        <source>Details:</source>
        <comment>IDS_Details</comment>
        <translation>Détails :</translation>
    </message>
    <message>
        <source>Your software has been successfully updated. The following updates have been installed:</source>
        <comment>IDS_Page6a</comment>
        <translation>Votre logiciel a été mis à jour avec succès. Les mises à jour suivantes ont été installées :</translation>
    </message>
    <message>
        <source>Click &quot;Close&quot; to exit Update Manager.</source>
        <comment>IDS_Page6b</comment>
        <translation>Cliquez sur « Fermer » pour quitter le gestionnaire de mises à jour.</translation>
    </message>
    <message>
        <source>Connecting to server ...</source>
        <comment>IDS_StepConnect</comment>
        <translation>Connexion au serveur ...</translation>
    </message>
    <message>
        <source>Disconnecting ...</source>
        <comment>IDS_StepDisconnect</comment>
        <translation>Déconnexion ...</translation>
    </message>
    <message>
        <source>Looking for available updates ...</source>
        <comment>IDS_StepLooking</comment>
        <translation>Recherche des mises à jour disponibles ...</translation>
    </message>
    <message>
        <source>Transferring updates</source>
        <comment>IDS_StepTransfer</comment>
        <translation>Transfert des mises à jour</translation>
    </message>
    <message>
        <source>Required data has been found. Click &quot;Next &gt;&quot;.</source>
        <comment>IDS_LabelOK1</comment>
        <translation>Les données nécessaires ont été trouvées. Cliquez sur « Suivant &gt; ».</translation>
    </message>
    <message>
        <source>Selected updates have been successfully installed. Click &quot;Next &gt;&quot;.</source>
        <comment>IDS_LabelOK2</comment>
        <translation>Les mises à jour sélectionnées ont été installées avec succès. Cliquez sur « Suivant &gt; ».</translation>
    </message>
    <message>
        <source>Download not completed. Click &quot;Close&quot; to exit Update Manager.</source>
        <comment>IDS_LabelFehler</comment>
        <translation>Téléchargement inachevé. Cliquez sur « Fermer » pour quitter le gestionnaire de mises à jour.</translation>
    </message>
    <message>
        <source>Cannot retrieve version information because no home URL was provided.</source>
        <comment>IDS_NoHomeUrl</comment>
        <translation>Impossible de récupérer les informations de version car aucune URL d&apos;origine n&apos;a été fournie.</translation>
    </message>
    <message>
        <source>Connection error: </source>
        <comment>IDS_ConnectionError</comment>
        <translation>Erreur de connexion : </translation>
    </message>
    <message>
        <source>Error code: </source>
        <comment>IDS_ErrorCode</comment>
        <translation>Code d&apos;erreur : </translation>
    </message>
    <message>
        <source>No updates available!</source>
        <comment>IDS_NoUpdates</comment>
        <translation>Aucune mise à jour disponible !</translation>
    </message>
    <message>
        <source>Available updates</source>
        <comment>IDS_AvailableUpdates</comment>
        <translation>Mises à jour disponibles</translation>
    </message>
    <message>
        <source>The update manager was unable to load the available update (error code: %1). This problem is most likely only temporary (e.g. update server temporarily offline, etc.).</source>
        <comment>IDS_FetchFailed</comment>
        <translation>Le gestionnaire de mises à jour n&apos;a pas pu charger la mise à jour disponible (code d&apos;erreur : %1). Ce problème n&apos;est très probablement que temporaire (par ex. serveur de mises à jour momentanément hors ligne, etc.).</translation>
    </message>
    <message>
        <source>Please try to download again later. If this error persists, please download the update directly from our website (%1)!</source>
        <comment>IDS_FetchFailed2</comment>
        <translation>Veuillez réessayer le téléchargement plus tard. Si cette erreur persiste, téléchargez la mise à jour directement depuis notre site web (%1) !</translation>
    </message>
    <message>
        <source>Update manager is being terminated.</source>
        <comment>IDS_Terminated</comment>
        <translation>Le gestionnaire de mises à jour va être fermé.</translation>
    </message>
    <message>
        <source>Process has been terminated (error code: %1).</source>
        <comment>IDS_DownloadCancelled</comment>
        <translation>Le processus a été interrompu (code d&apos;erreur : %1).</translation>
    </message>
    <message>
        <source>The update manager was unable to download the available updates (error code: %1, %2). This problem is most likely only temporary (e.g. update server temporarily offline, etc.).</source>
        <comment>IDS_DownloadFailed</comment>
        <translation>Le gestionnaire de mises à jour n&apos;a pas pu télécharger les mises à jour disponibles (code d&apos;erreur : %1, %2). Ce problème n&apos;est très probablement que temporaire (par ex. serveur de mises à jour momentanément hors ligne, etc.).</translation>
    </message>
    <message>
        <source>Please check your proxy settings and try again. If this error persists, please contact our technical support.</source>
        <comment>IDS_DownloadFailed2</comment>
        <translation>Veuillez vérifier vos paramètres de proxy et réessayer. Si cette erreur persiste, veuillez contacter notre support technique.</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment>IDS_Progress</comment>
        <translation>Progression</translation>
    </message>
    <message>
        <source>New version is being downloaded</source>
        <comment>IDS_Downloading</comment>
        <translation>La nouvelle version est en cours de téléchargement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>IDS_ProgressCancel</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 of %2 bytes received.</source>
        <comment>IDS_BytesReceived</comment>
        <translation>%1 octets reçus sur %2.</translation>
    </message>
    <message>
        <source>The installation utility of the new version has been saved in the following directory and can be started again at any time, if required: </source>
        <comment>IDS_SetupSaved</comment>
        <translation>L&apos;utilitaire d&apos;installation de la nouvelle version a été enregistré dans le dossier suivant et peut être relancé à tout moment si nécessaire : </translation>
    </message>
    <message>
        <source>Installation utility cannot be started!</source>
        <comment>IDS_SetupCannotStart</comment>
        <translation>L&apos;utilitaire d&apos;installation ne peut pas être lancé !</translation>
    </message>
    <message>
        <source>Could not close database!</source>
        <comment>IDS_CannotClose</comment>
        <translation>Impossible de fermer la base de données !</translation>
    </message>
    <message>
        <source>Could not open database!</source>
        <comment>IDS_CannotOpen</comment>
        <translation>Impossible d&apos;ouvrir la base de données !</translation>
    </message>
    <message>
        <source>The database update has been installed successfully.</source>
        <comment>IDS_DatabaseInstalled</comment>
        <translation>La mise à jour de la base de données a été installée avec succès.</translation>
    </message>
    <message>
        <source>Error during installation of the database update</source>
        <comment>IDS_DatabaseFailed</comment>
        <translation>Erreur lors de l&apos;installation de la mise à jour de la base de données</translation>
    </message>
    <message>
        <source>Please close %1 and copy the content of the %2 zip file to the DATA subfolder in the %3 folder.</source>
        <comment>IDS_DatabaseFailed2</comment>
        <translation>Veuillez fermer %1 et copier le contenu du fichier zip %2 dans le sous-dossier DATA du dossier %3.</translation>
    </message>
    <message>
        <source>Please close %1 and copy the content of the %2 zip file to the %3 program folder.</source>
        <comment>IDS_CopyToProgramFolder</comment>
        <translation>Veuillez fermer %1 et copier le contenu du fichier zip %2 dans le dossier du programme %3.</translation>
    </message>
    <message>
        <source>The help file has been installed successfully.</source>
        <comment>IDS_HelpInstalled</comment>
        <translation>Le fichier d&apos;aide a été installé avec succès.</translation>
    </message>
    <message>
        <source>Error during installation of the help update</source>
        <comment>IDS_HelpFailed</comment>
        <translation>Erreur lors de l&apos;installation de la mise à jour de l&apos;aide</translation>
    </message>
    <message>
        <source>The documentation has been installed successfully.</source>
        <comment>IDS_DocuInstalled</comment>
        <translation>La documentation a été installée avec succès.</translation>
    </message>
    <message>
        <source>Error during installation of the documentation update</source>
        <comment>IDS_DocuFailed</comment>
        <translation>Erreur lors de l&apos;installation de la mise à jour de la documentation</translation>
    </message>
    <message>
        <source>Update of program files successfully completed. %1 is being restarted.</source>
        <comment>IDS_ProgramInstalled</comment>
        <translation>La mise à jour des fichiers du programme est terminée. %1 va redémarrer.</translation>
    </message>
    <message>
        <source>An internal error occurred during the decompressing of the files.</source>
        <comment>IDS_ProgramFailed</comment>
        <translation>Une erreur interne s&apos;est produite lors de la décompression des fichiers.</translation>
    </message>
    <message>
        <source>Restart %1.</source>
        <comment>IDS_Restart</comment>
        <translation>Redémarrez %1.</translation>
    </message>
    <message>
        <source>Errors occurred. Please follow the instructions on the following pages.</source>
        <comment>IDS_ErrorsOccurred</comment>
        <translation>Des erreurs se sont produites. Veuillez suivre les instructions des pages suivantes.</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>IDS_ErrorCaption</comment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Installation utility is being started. %1 is therefore being terminated. After successful installation of the new version, start program as usual via the applications menu of your desktop (%2)</source>
        <comment>IDS_SetupStarting</comment>
        <translation>L&apos;utilitaire d&apos;installation va être lancé. %1 va donc être fermé. Une fois la nouvelle version installée, lancez le programme comme d&apos;habitude depuis le menu des applications de votre bureau (%2)</translation>
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
<context>
    <name>TvtPostIt</name>
    <message>
        <source>Connection timed out (Error #10060)</source>
        <translation>Délai de connexion dépassé (erreur n° 10060)</translation>
    </message>
    <message>
        <source>Connection aborted on request</source>
        <translation>Connexion interrompue sur demande</translation>
    </message>
    <message>
        <source>The reply page cannot be stored: &quot;%1&quot; is not a valid file name.</source>
        <translation>Impossible d&apos;enregistrer la page de réponse : « %1 » n&apos;est pas un nom de fichier valide.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>Impossible de créer le dossier « %1 ».</translation>
    </message>
    <message>
        <source>The reply page &quot;%1&quot; cannot be created: %2</source>
        <translation>Impossible de créer la page de réponse « %1 » : %2</translation>
    </message>
    <message>
        <source>The property value should be in [1..%1]</source>
        <translation>La valeur de la propriété doit être comprise dans [1..%1]</translation>
    </message>
    <message>
        <source>Couldnot start, old jobs are still active! Use Stop method to interrupt.</source>
        <translation>Démarrage impossible, d&apos;anciennes tâches sont encore actives ! Utilisez la méthode Stop pour les interrompre.</translation>
    </message>
</context>
</TS>
