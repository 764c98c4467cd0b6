<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ButtonList</name>
    <message>
        <source>Buttons of the menu</source>
        <translation>Boutons du menu</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;Insert before</source>
        <translation>Insérer a&amp;vant</translation>
    </message>
    <message>
        <source>Insert afte&amp;r</source>
        <translation>&amp;Insérer après</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Supp&amp;rimer</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Show the chosen button&apos;s page</source>
        <translation>Affiche la page du bouton choisi</translation>
    </message>
    <message>
        <source>%1 (%2 in the list)</source>
        <translation>%1 (%2 dans la liste)</translation>
    </message>
</context>
<context>
    <name>ButtonRows</name>
    <message>
        <source>(no link)</source>
        <translation>(aucun lien)</translation>
    </message>
    <message>
        <source>No picture chosen</source>
        <translation>Aucune image choisie</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Image %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a button&apos;s text, then its link</comment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the platform plugin: xcb, wayland, offscreen ...</source>
        <translation>le module de plateforme : xcb, wayland, offscreen…</translation>
    </message>
    <message>
        <source>where to look for platform plugins</source>
        <translation>où chercher les modules de plateforme</translation>
    </message>
    <message>
        <source>the platform theme</source>
        <translation>le thème de la plateforme</translation>
    </message>
    <message>
        <source>an input plugin to load</source>
        <translation>un module d’entrée à charger</translation>
    </message>
    <message>
        <source>the main window&apos;s geometry</source>
        <translation>la géométrie de la fenêtre principale</translation>
    </message>
    <message>
        <source>the main window&apos;s icon</source>
        <translation>l’icône de la fenêtre principale</translation>
    </message>
    <message>
        <source>the main window&apos;s title</source>
        <translation>le titre de la fenêtre principale</translation>
    </message>
    <message>
        <source>the session to restore</source>
        <translation>la session à restaurer</translation>
    </message>
    <message>
        <source>the widget style: Fusion, Windows ...</source>
        <translation>le style des éléments graphiques : Fusion, Windows…</translation>
    </message>
    <message>
        <source>a style sheet for every widget</source>
        <translation>une feuille de style pour tous les éléments graphiques</translation>
    </message>
    <message>
        <source>the X display (X11)</source>
        <translation>l’affichage X (X11)</translation>
    </message>
    <message>
        <source>the main window&apos;s geometry (X11)</source>
        <translation>la géométrie de la fenêtre principale (X11)</translation>
    </message>
    <message>
        <source>the main window&apos;s title (X11)</source>
        <translation>le titre de la fenêtre principale (X11)</translation>
    </message>
    <message>
        <source>the main window&apos;s icon (X11)</source>
        <translation>l’icône de la fenêtre principale (X11)</translation>
    </message>
    <message>
        <source>the window class&apos;s name (X11)</source>
        <translation>le nom de la classe de fenêtre (X11)</translation>
    </message>
    <message>
        <source>the X visual to use (X11)</source>
        <translation>le visuel X à utiliser (X11)</translation>
    </message>
    <message>
        <source>lays the window out from right to left</source>
        <translation>dispose la fenêtre de droite à gauche</translation>
    </message>
    <message>
        <source>counts the widgets left at the end</source>
        <translation>compte à la fin les éléments graphiques restants</translation>
    </message>
    <message>
        <source>loads the test helper plugin</source>
        <translation>charge le module d’aide aux tests</translation>
    </message>
    <message>
        <source>never grabs the mouse or the keyboard</source>
        <translation>ne capture jamais la souris ni le clavier</translation>
    </message>
    <message>
        <source>grabs them even under a debugger</source>
        <translation>les capture même sous un débogueur</translation>
    </message>
    <message>
        <source>talks to the X server synchronously (X11)</source>
        <translation>dialogue avec le serveur X de façon synchrone (X11)</translation>
    </message>
    <message>
        <source>Qt&apos;s options, for the window:</source>
        <translation>Options de Qt, pour la fenêtre :</translation>
    </message>
    <message>
        <source>%1 is on another computer; open it from there</source>
        <translation>%1 se trouve sur un autre ordinateur ; ouvrez la page depuis celui-ci</translation>
    </message>
    <message>
        <source>%1 names no page</source>
        <translation>%1 ne désigne aucune page</translation>
    </message>
    <message>
        <source>Builds a web page with an image-rollover button menu.</source>
        <translation>Crée une page web avec un menu de boutons en images qui changent au survol de la souris.</translation>
    </message>
    <message>
        <source>A menu page Tessel wrote, to open and change.</source>
        <translation>Une page de menu écrite par Tessel, à ouvrir et à modifier.</translation>
    </message>
    <message>
        <source>one page at a time</source>
        <translation>une seule page à la fois</translation>
    </message>
    <message>
        <source>PAGE</source>
        <translation>PAGE</translation>
    </message>
    <message>
        <source>the QML debugger&apos;s port, as =port</source>
        <translation>le port du débogueur QML, sous la forme =port</translation>
    </message>
    <message>
        <source>Write the menu of MENUPAGE into every page under DIR that holds it at its marker, all of them or none, and leave.</source>
        <translation>Écrire le menu de MENUPAGE dans chaque page sous DIR qui le contient à son repère, toutes ou aucune, puis quitter.</translation>
    </message>
    <message>
        <source>--%1 takes two arguments</source>
        <translation>--%1 prend deux arguments</translation>
    </message>
    <message>
        <source>A page of a site marks the place of its menu with the line %1.</source>
        <translation>Une page d&apos;un site marque la place de son menu par la ligne %1.</translation>
    </message>
    <message>
        <source>Put the menu of MENUPAGE, a page Tessel wrote in the site&apos;s folder, into PAGE after its marker, and leave.</source>
        <translation>Insérer le menu de MENUPAGE, une page écrite par Tessel dans le dossier du site, dans PAGE après son repère, puis quitter.</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The picture
%1
cannot be used: %2.</source>
        <translation>L’image
%1
ne peut pas être utilisée : %2.</translation>
    </message>
    <message>
        <source>Missing picture: %1 (%2)</source>
        <translation>Image manquante : %1 (%2)</translation>
    </message>
    <message>
        <source>Normal picture of button %1: %2</source>
        <translation>Image normale du bouton %1 : %2</translation>
    </message>
    <message>
        <source>Mouse-over picture of button %1: %2</source>
        <translation>Image de survol du bouton %1 : %2</translation>
    </message>
    <message>
        <source>no picture chosen</source>
        <translation>aucune image choisie</translation>
    </message>
    <message>
        <source>Preview of button %1</source>
        <translation>Aperçu du bouton %1</translation>
    </message>
    <message>
        <source>Shows the normal picture, and the mouse-over picture while the mouse is on it</source>
        <translation>Affiche l’image normale, et l’image de survol tant que la souris est dessus</translation>
    </message>
    <message>
        <source>Please enter a name for the Tessel file.</source>
        <translation>Veuillez saisir un nom pour le fichier Tessel.</translation>
    </message>
    <message>
        <source>The Tessel file could not be saved as
%1

%2.</source>
        <translation>Le fichier Tessel n’a pas pu être enregistré sous
%1

%2.</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Ouvrir %1</translation>
    </message>
    <message>
        <source>Copy them beside the page now?</source>
        <translation>Les copier maintenant à côté de la page ?</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Leave them</source>
        <translation>Les laisser</translation>
    </message>
    <message>
        <source>The file
%1
is already there. %2

Replace it?</source>
        <translation>Le fichier
%1
existe déjà. %2

Le remplacer ?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>The page
%1
cannot be opened: %2.</source>
        <translation>La page
%1
ne peut pas être ouverte : %2.</translation>
    </message>
    <message>
        <source>The page
%1
was changed by hand in the lines that hold its menu, first at line %2. Tessel has read its menu and will write its own form of the menu there; every other line stays as it is.</source>
        <translation>La page
%1
a été modifiée à la main dans les lignes de son menu, d’abord à la ligne %2. Tessel a lu son menu et y écrira sa propre forme du menu ; toutes les autres lignes restent telles quelles.</translation>
    </message>
    <message>
        <source>Exit Tessel and lose them?</source>
        <translation>Quitter Tessel et les perdre ?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Log out and lose them?</source>
        <translation>Se déconnecter et les perdre ?</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Start a new menu and lose them?</source>
        <translation>Commencer un nouveau menu et les perdre ?</translation>
    </message>
    <message>
        <source>Start a new menu</source>
        <translation>Commencer un nouveau menu</translation>
    </message>
    <message>
        <source>The buttons filled since the menu was last written are not written yet.</source>
        <translation>Les boutons remplis depuis la dernière écriture du menu ne sont pas encore écrits.</translation>
    </message>
    <message>
        <source>its normal picture, %1</source>
        <translation>son image normale, %1</translation>
    </message>
    <message>
        <source>its mouse-over picture, %1</source>
        <translation>son image de survol, %1</translation>
    </message>
    <message>
        <source>its link</source>
        <translation>son lien</translation>
    </message>
    <message>
        <source>its frame, %1</source>
        <translation>son cadre, %1</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of your own among its lines</source>
        <translation>
            <numerusform>%n ligne à vous parmi ses lignes</numerusform>
            <numerusform>%n lignes à vous parmi ses lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove button %1%2 from the menu?</source>
        <translation>Retirer le bouton %1%2 du menu ?</translation>
    </message>
    <message>
        <source>These go with it:</source>
        <translation>Disparaissent avec lui :</translation>
    </message>
    <message>
        <source>its text, %1</source>
        <translation>son texte, %1</translation>
    </message>
    <message>
        <source>Left as they are:
%1</source>
        <translation>Laissées telles quelles :
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n other page(s) of the site hold this menu as it was:
%1</source>
        <translation>
            <numerusform>%n autre page du site contient ce menu tel qu&apos;il était :
%1</numerusform>
            <numerusform>%n autres pages du site contiennent ce menu tel qu&apos;il était :
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Write the change into them too?</source>
        <translation>Y écrire aussi la modification ?</translation>
    </message>
    <message>
        <source>Write them</source>
        <translation>Les écrire</translation>
    </message>
    <message>
        <source>None of them was written: %1.</source>
        <translation>Aucune n&apos;a été écrite : %1.</translation>
    </message>
    <message>
        <source>%1 of them were written; then %2.</source>
        <translation>%1 d&apos;entre elles ont été écrites ; puis %2.</translation>
    </message>
    <message>
        <source>after its line %1 (line %2)</source>
        <translation>après sa ligne %1 (ligne %2)</translation>
    </message>
    <message>
        <source>after line %1 (%2), on a line %3 that marks the place</source>
        <translation>après la ligne %1 (%2), sur une ligne %3 qui marque l&apos;endroit</translation>
    </message>
    <message>
        <source>The page
%1
holds no menu. Put this window&apos;s menu into it %2?</source>
        <translation>La page
%1
ne contient aucun menu. Y insérer le menu de cette fenêtre %2 ?</translation>
    </message>
    <message>
        <source>Put it in</source>
        <translation>L&apos;insérer</translation>
    </message>
</context>
<context>
    <name>Form1Layout</name>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Tutor</source>
        <translation>T&amp;uteur</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Back</source>
        <translation>&lt;&lt; R&amp;etour</translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation>&amp;Suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>What type of Tessel do you want?</source>
        <translation>Quel type de Tessel voulez-vous ?</translation>
    </message>
    <message>
        <source>How many Buttons do you want to create?</source>
        <translation>Combien de boutons voulez-vous créer ?</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Open a menu page Tessel wrote, to change it (Ctrl+O)</source>
        <translation>Ouvrir une page de menu écrite par Tessel pour la modifier (Ctrl+O)</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>Go to any button; insert, remove and move buttons (Alt+L)</source>
        <translation>Aller à n’importe quel bouton ; insérer, supprimer et déplacer des boutons (Alt+L)</translation>
    </message>
    <message>
        <source>select image</source>
        <translation>choisir…</translation>
    </message>
    <message>
        <source>Main image to display</source>
        <translation>Image affichée normalement</translation>
    </message>
    <message>
        <source>Image to display when mouse passes over</source>
        <translation>Image quand la souris passe dessus</translation>
    </message>
    <message>
        <source>This is how it will look when loaded onto your browser</source>
        <translation>Voici son aspect une fois chargé dans votre navigateur</translation>
    </message>
    <message>
        <source>Enter hyper link related to this button</source>
        <translation>Saisissez le lien de ce bouton</translation>
    </message>
    <message>
        <source>Name of Frame to open link in (default = _Top - open without frame)</source>
        <translation>Nom du cadre où ouvrir le lien (par défaut _top : sans cadre)</translation>
    </message>
    <message>
        <source>Enter a Name for the Tessel file</source>
        <translation>Saisissez un nom pour le fichier Tessel</translation>
    </message>
    <message>
        <source>Select Extension for Tessel file</source>
        <translation>Choisissez l’extension du fichier Tessel</translation>
    </message>
    <message>
        <source>Select the Finish button to write file</source>
        <translation>Choisissez « Terminer » pour écrire le fichier</translation>
    </message>
    <message>
        <source>File has been saved as:</source>
        <translation>Le fichier a été enregistré sous :</translation>
    </message>
    <message>
        <source>Place Tessel file and Menu Images in the same directory</source>
        <translation>Placez le fichier Tessel et les images du menu dans le même dossier</translation>
    </message>
    <message>
        <source>Select Exit to quit Tessel, or select New to create a new Tessel</source>
        <translation>« Quitter » ferme Tessel, « Nouveau » crée un nouveau Tessel</translation>
    </message>
    <message>
        <source>version 1.0</source>
        <translation>version 1.0</translation>
    </message>
    <message>
        <source>Made by the Tessel project: rollover menus without writing script</source>
        <translation>Par le projet Tessel : des menus à survol sans écrire de script</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports:</source>
        <translation>Questions, idées et rapports d’anomalie :</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Normal picture</source>
        <translation>Image normale</translation>
    </message>
    <message>
        <source>Mouse-over picture</source>
        <translation>Image de survol</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Select the normal picture</source>
        <translation>Choisir l’image normale</translation>
    </message>
    <message>
        <source>Select the mouse-over picture</source>
        <translation>Choisir l’image de survol</translation>
    </message>
    <message>
        <source>Open a page Tessel wrote</source>
        <translation>Ouvrir une page écrite par Tessel</translation>
    </message>
    <message>
        <source>List of buttons</source>
        <translation>Liste des boutons</translation>
    </message>
    <message>
        <source>Go to any button; insert, remove and move buttons</source>
        <translation>Aller à n’importe quel bouton ; insérer, supprimer et déplacer des boutons</translation>
    </message>
    <message>
        <source>The number of the button on this page</source>
        <translation>Le numéro du bouton de cette page</translation>
    </message>
    <message>
        <source>Open the written page</source>
        <translation>Ouvrir la page écrite</translation>
    </message>
    <message>
        <source>Opens the written page in your web browser</source>
        <translation>Ouvre la page écrite dans votre navigateur web</translation>
    </message>
    <message>
        <source>Menu type</source>
        <translation>Type de menu</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Bouton</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>O&amp;pen...</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Text of this button (read aloud, and shown where pictures are not)</source>
        <translation>Texte du bouton (lu à voix haute, montré sans les images)</translation>
    </message>
    <message>
        <source>Written as the pictures&apos; alt text: say where the link goes</source>
        <translation>Écrit comme texte alternatif des images : dites où mène le lien</translation>
    </message>
    <message>
        <source>&amp;HTML5 page: links that work without JavaScript</source>
        <translation>Page &amp;HTML5 : des liens qui fonctionnent sans JavaScript</translation>
    </message>
    <message>
        <source>Real links a visitor can open in a new tab, with the rollover under the mouse and the keyboard alike; without it, the classic page whose script opens each link</source>
        <translation>De vrais liens qu&apos;un visiteur peut ouvrir dans un nouvel onglet, avec le changement d&apos;image sous la souris comme au clavier ; sinon, la page classique dont le script ouvre chaque lien</translation>
    </message>
</context>
<context>
    <name>FormTutor</name>
    <message>
        <source>Tutor</source>
        <translation>Tuteur</translation>
    </message>
</context>
<context>
    <name>MenuModel</name>
    <message>
        <source>its name does not end in .html or .htm, so Finish could not write it back</source>
        <translation>son nom ne se termine pas par .html ou .htm ; « Terminer » ne pourrait donc pas la réécrire</translation>
    </message>
    <message>
        <source>its name is no more than its extension, so Finish could not write it back; give it a name before the extension</source>
        <translation>son nom se réduit à son extension ; « Terminer » ne pourrait donc pas la réécrire. Donnez-lui un nom avant l’extension</translation>
    </message>
    <message>
        <source>It is read-only.</source>
        <translation>Il est en lecture seule.</translation>
    </message>
    <message>
        <source>It was changed since Tessel opened or wrote it.</source>
        <translation>Il a été modifié depuis que Tessel l’a ouvert ou écrit.</translation>
    </message>
    <message>
        <source>Tessel cannot read it: %1.</source>
        <translation>Tessel ne peut pas le lire : %1.</translation>
    </message>
    <message>
        <source>Tessel did not write it.</source>
        <translation>Tessel ne l’a pas écrit.</translation>
    </message>
    <message>
        <source>Tessel cannot read it back as one of its pages: %1.</source>
        <translation>Tessel ne peut pas le relire comme l’une de ses pages : %1.</translation>
    </message>
    <message>
        <source>It is a Tessel page that holds another menu.</source>
        <translation>C’est une page Tessel qui contient un autre menu.</translation>
    </message>
    <message>
        <source>It is a Tessel page with its author&apos;s own HTML.</source>
        <translation>C’est une page Tessel avec le HTML propre à son auteur.</translation>
    </message>
    <message>
        <source>Menu</source>
        <comment>the title of a new HTML5 page</comment>
        <translation>Menu</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language code (BCP 47) of the pages Tessel writes</comment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>MenuPage</name>
    <message>
        <source>its count</source>
        <translation>son nombre de boutons</translation>
    </message>
    <message>
        <source>its script</source>
        <translation>son script</translation>
    </message>
    <message>
        <source>its link function</source>
        <translation>sa fonction de lien</translation>
    </message>
    <message>
        <source>its menu</source>
        <translation>son menu</translation>
    </message>
    <message>
        <source>it has %1 buttons; a menu has at most %2</source>
        <translation>elle a %1 boutons ; un menu en a au plus %2</translation>
    </message>
    <message>
        <source>%1 holds no lines for its buttons</source>
        <translation>%1 ne contient aucune ligne pour ses boutons</translation>
    </message>
    <message>
        <source>%1 holds no lines for button %2; the lines for button %3 stand at line %4</source>
        <translation>%1 ne contient aucune ligne pour le bouton %2 ; les lignes du bouton %3 sont à la ligne %4</translation>
    </message>
    <message>
        <source>%1 and %2 are mixed at line %3</source>
        <translation>%1 et %2 sont mêlés à la ligne %3</translation>
    </message>
    <message>
        <source>it is written in UTF-16; Tessel reads pages in UTF-8 or in an 8-bit encoding such as Windows-1252</source>
        <translation>elle est écrite en UTF-16 ; Tessel lit les pages en UTF-8 ou dans un codage sur 8 bits comme Windows-1252</translation>
    </message>
    <message>
        <source>its lines end in CR alone; Tessel reads pages whose lines end in CR LF or in LF</source>
        <translation>ses lignes se terminent par CR seul ; Tessel lit les pages dont les lignes se terminent par CR LF ou par LF</translation>
    </message>
    <message>
        <source>it is not a menu page written by Tessel</source>
        <translation>ce n’est pas une page de menu écrite par Tessel</translation>
    </message>
    <message>
        <source>its count of buttons stands twice, at lines %1 and %2</source>
        <translation>son nombre de boutons y figure deux fois, aux lignes %1 et %2</translation>
    </message>
    <message>
        <source>the lines for button %1 stand twice in %2, at lines %3 and %4</source>
        <translation>les lignes du bouton %1 figurent deux fois dans %2, aux lignes %3 et %4</translation>
    </message>
    <message>
        <source>the page is cut short</source>
        <translation>la page est tronquée</translation>
    </message>
    <message>
        <source>it was changed by hand where Tessel keeps the menu (line %1)</source>
        <translation>elle a été modifiée à la main là où Tessel tient le menu (ligne %1)</translation>
    </message>
    <message numerus="yes">
        <source>the page counts %n button(s) but holds %1</source>
        <translation>
            <numerusform>la page compte %n bouton mais en contient %1</numerusform>
            <numerusform>la page compte %n boutons mais en contient %1</numerusform>
        </translation>
    </message>
    <message>
        <source>its menu&apos;s lines were joined with others (line %1); Tessel finds them on lines of their own</source>
        <translation>les lignes de son menu ont été jointes à d’autres (ligne %1) ; Tessel les trouve sur des lignes à part</translation>
    </message>
    <message>
        <source>its count of buttons stands in a comment or outside its script (line %1), where no browser reads it</source>
        <translation>son nombre de boutons se trouve dans un commentaire ou hors de son script (ligne %1), où aucun navigateur ne le lit</translation>
    </message>
</context>
<context>
    <name>PageFile</name>
    <message>
        <source>the page could not be written whole; the disk may be full</source>
        <translation>la page n’a pas pu être écrite en entier ; le disque est peut-être plein</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>un dossier de ce nom est dans le chemin</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>at %1 bytes it is larger than any menu page</source>
        <translation>avec %1 octets, elle est plus grande que toute page de menu</translation>
    </message>
    <message>
        <source>it is larger than any menu page</source>
        <translation>elle est plus grande que toute page de menu</translation>
    </message>
    <message>
        <source>its folder %1 cannot be written to (%2)</source>
        <translation>son dossier %1 n’est pas accessible en écriture (%2)</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>the animation cannot be read</source>
        <translation>l’animation ne peut pas être lue</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>it is not a BMP, JPEG, GIF, PNG or WebP picture</source>
        <translation>ce n’est pas une image BMP, JPEG, GIF, PNG ou WebP</translation>
    </message>
    <message>
        <source>at %1 x %2 pixels it is too large to open safely</source>
        <translation>avec %1 × %2 pixels, elle est trop grande pour être ouverte sans risque</translation>
    </message>
    <message>
        <source>the picture is damaged or incomplete</source>
        <translation>l’image est endommagée ou incomplète</translation>
    </message>
</context>
<context>
    <name>PicturePlaces</name>
    <message>
        <source>it cannot be read</source>
        <translation>elle ne peut pas être lue</translation>
    </message>
    <message>
        <source>the page&apos;s folder cannot be written to</source>
        <translation>le dossier de la page n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>it cannot be written there (%1)</source>
        <translation>elle ne peut pas y être écrite (%1)</translation>
    </message>
    <message>
        <source>a different file of that name is in the way</source>
        <translation>un autre fichier de ce nom est dans le chemin</translation>
    </message>
    <message>
        <source> (a different file of that name is in the way)</source>
        <translation> (un autre fichier de ce nom est dans le chemin)</translation>
    </message>
    <message>
        <source> (another chosen picture has that name: rename one and choose it again)</source>
        <translation> (une autre image choisie porte ce nom : renommez-en une et choisissez-la de nouveau)</translation>
    </message>
    <message>
        <source> (it is gone from there: put it back, or choose it again)</source>
        <translation> (elle n’y est plus : remettez-la ou choisissez-la de nouveau)</translation>
    </message>
    <message>
        <source>%1, now in %2%3</source>
        <translation>%1, actuellement dans %2%3</translation>
    </message>
    <message>
        <source>The page looks for its pictures in its own folder,
%1</source>
        <translation>La page cherche ses images dans son propre dossier,
%1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>

Copy these pictures there:
</source>
        <translation>

Copiez-y ces images :
</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> et %1 autres</translation>
    </message>
    <message>
        <source>another chosen picture has that name</source>
        <translation>une autre image choisie porte ce nom</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>elle n’existe plus</translation>
    </message>
    <message>
        <source>

Not copied:
</source>
        <translation>

Non copiées :
</translation>
    </message>
    <message numerus="yes">
        <source>

It names %n picture(s) that are not there: </source>
        <translation>
            <numerusform>

Elle désigne %n image qui n’y est pas : </numerusform>
            <numerusform>

Elle désigne %n images qui n’y sont pas : </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) were copied beside the page.</source>
        <translation>
            <numerusform>%n image a été copiée à côté de la page.</numerusform>
            <numerusform>%n images ont été copiées à côté de la page.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SiteCommand</name>
    <message>
        <source>it is not in the site&apos;s folder %1</source>
        <translation>elle n&apos;est pas dans le dossier %1 du site</translation>
    </message>
    <message>
        <source>%1; left as it was</source>
        <translation>%1 ; laissée telle quelle</translation>
    </message>
    <message>
        <source>every page&apos;s menu is this one already</source>
        <translation>chaque page a déjà ce menu</translation>
    </message>
    <message>
        <source>no page holds a menu put in at its marker</source>
        <translation>aucune page ne contient de menu inséré à son repère</translation>
    </message>
    <message>
        <source>%1; no page was written</source>
        <translation>%1 ; aucune page n&apos;a été écrite</translation>
    </message>
</context>
<context>
    <name>SitePage</name>
    <message>
        <source>it holds a menu already</source>
        <translation>elle contient déjà un menu</translation>
    </message>
    <message>
        <source>it has no line %1 to mark where the menu goes</source>
        <translation>elle n&apos;a pas de ligne %1 pour marquer où va le menu</translation>
    </message>
    <message>
        <source>the menu put into it would not read back as it is (%1)</source>
        <translation>le menu inséré ne se relirait pas tel qu&apos;il est (%1)</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>its menu is not put in at its marker</source>
        <translation>son menu n&apos;est pas placé à son repère</translation>
    </message>
    <message>
        <source>it is not in the site&apos;s folder</source>
        <translation>elle n&apos;est pas dans le dossier du site</translation>
    </message>
    <message>
        <source>its menu was changed by hand at line %1</source>
        <translation>son menu a été modifié à la main à la ligne %1</translation>
    </message>
    <message>
        <source>its menu is another one</source>
        <translation>son menu en est un autre</translation>
    </message>
</context>
<context>
    <name>TutorTexts</name>
    <message>
        <source>First, select the Type of menu to create - up/down (vertical) or left/right (horizontal).</source>
        <translation>Choisissez d’abord le type de menu : de haut en bas (vertical) ou de gauche à droite (horizontal).</translation>
    </message>
    <message>
        <source>Then select the number of buttons to create.</source>
        <translation>Choisissez ensuite le nombre de boutons à créer.</translation>
    </message>
    <message>
        <source>press the Next&gt;&gt; button to goto the next step.</source>
        <translation>Appuyez sur « Suivant &gt;&gt; » pour passer à l’étape suivante.</translation>
    </message>
    <message>
        <source>press the Tutor button again to turn this tutor off.</source>
        <translation>Appuyez de nouveau sur « Tuteur » pour fermer ce tuteur.</translation>
    </message>
    <message>
        <source>First, press the top Select button to open image for main button display.</source>
        <translation>Appuyez d’abord sur le bouton « choisir… » du haut pour ouvrir l’image affichée normalement.</translation>
    </message>
    <message>
        <source>Then press the bottom Select button to open image file to display when mouse passes over button.</source>
        <translation>Appuyez ensuite sur le bouton « choisir… » du bas pour ouvrir l’image affichée au survol de la souris.</translation>
    </message>
    <message>
        <source>Now enter Page to open when button is selected (ie. www.example.com).</source>
        <translation>Saisissez maintenant la page à ouvrir quand on clique sur le bouton (p. ex. www.example.com).</translation>
    </message>
    <message>
        <source>If link is to be loaded into a frame, enter the Frame Name (ie. Frame1) in the bottom box.</source>
        <translation>Si le lien doit s’ouvrir dans un cadre, saisissez le nom du cadre (p. ex. Frame1) dans la zone du bas.</translation>
    </message>
    <message>
        <source>Press the Next&gt;&gt; button to continue.</source>
        <translation>Appuyez sur « Suivant &gt;&gt; » pour continuer.</translation>
    </message>
    <message>
        <source>Press the Tutor button again to turn this tutor off.</source>
        <translation>Appuyez de nouveau sur « Tuteur » pour fermer ce tuteur.</translation>
    </message>
    <message>
        <source>First, enter a Filename to save the animated button menu as.</source>
        <translation>Saisissez d’abord le nom de fichier sous lequel enregistrer le menu de boutons.</translation>
    </message>
    <message>
        <source>Then select the extension for the file.</source>
        <translation>Choisissez ensuite l’extension du fichier.</translation>
    </message>
    <message>
        <source>Press the Finish button to write the file.</source>
        <translation>Appuyez sur « Terminer » pour écrire le fichier.</translation>
    </message>
    <message>
        <source>The list shows every button of the menu.</source>
        <translation>La liste montre chaque bouton du menu.</translation>
    </message>
    <message>
        <source>Choose one and press Go to to show its page; Insert before and Insert after add an empty button, Remove takes it out, Move up and Move down move it.</source>
        <translation>Choisissez-en un et appuyez sur Afficher pour montrer sa page ; Insérer avant et Insérer après ajoutent un bouton vide, Supprimer le retire, Monter et Descendre le déplacent.</translation>
    </message>
    <message>
        <source>Close goes back to the button you were on.</source>
        <translation>Fermer vous ramène au bouton où vous étiez.</translation>
    </message>
</context>
</TS>
