<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ButtonList</name>
    <message>
        <source>Buttons of the menu</source>
        <translation>Schaltflächen des Menüs</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Insert before</source>
        <translation>Da&amp;vor einfügen</translation>
    </message>
    <message>
        <source>Insert afte&amp;r</source>
        <translation>Da&amp;hinter einfügen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Entfe&amp;rnen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach o&amp;ben</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Show the chosen button&apos;s page</source>
        <translation>Zeigt die Seite der gewählten Schaltfläche</translation>
    </message>
    <message>
        <source>%1 (%2 in the list)</source>
        <translation>%1 (%2 in der Liste)</translation>
    </message>
</context>
<context>
    <name>ButtonRows</name>
    <message>
        <source>(no link)</source>
        <translation>(kein Link)</translation>
    </message>
    <message>
        <source>No picture chosen</source>
        <translation>Kein Bild gewählt</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a button&apos;s text, then its link</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the platform plugin: xcb, wayland, offscreen ...</source>
        <translation>das Plattform-Modul: xcb, wayland, offscreen …</translation>
    </message>
    <message>
        <source>where to look for platform plugins</source>
        <translation>wo nach Plattform-Modulen gesucht wird</translation>
    </message>
    <message>
        <source>the platform theme</source>
        <translation>das Plattform-Thema</translation>
    </message>
    <message>
        <source>an input plugin to load</source>
        <translation>ein zu ladendes Eingabe-Modul</translation>
    </message>
    <message>
        <source>the main window&apos;s geometry</source>
        <translation>die Geometrie des Hauptfensters</translation>
    </message>
    <message>
        <source>the main window&apos;s icon</source>
        <translation>das Symbol des Hauptfensters</translation>
    </message>
    <message>
        <source>the main window&apos;s title</source>
        <translation>der Titel des Hauptfensters</translation>
    </message>
    <message>
        <source>the session to restore</source>
        <translation>die wiederherzustellende Sitzung</translation>
    </message>
    <message>
        <source>the widget style: Fusion, Windows ...</source>
        <translation>der Stil der Bedienelemente: Fusion, Windows …</translation>
    </message>
    <message>
        <source>a style sheet for every widget</source>
        <translation>ein Stylesheet für alle Bedienelemente</translation>
    </message>
    <message>
        <source>the X display (X11)</source>
        <translation>die X-Anzeige (X11)</translation>
    </message>
    <message>
        <source>the main window&apos;s geometry (X11)</source>
        <translation>die Geometrie des Hauptfensters (X11)</translation>
    </message>
    <message>
        <source>the main window&apos;s title (X11)</source>
        <translation>der Titel des Hauptfensters (X11)</translation>
    </message>
    <message>
        <source>the main window&apos;s icon (X11)</source>
        <translation>das Symbol des Hauptfensters (X11)</translation>
    </message>
    <message>
        <source>the window class&apos;s name (X11)</source>
        <translation>der Name der Fensterklasse (X11)</translation>
    </message>
    <message>
        <source>the X visual to use (X11)</source>
        <translation>das zu verwendende X-Visual (X11)</translation>
    </message>
    <message>
        <source>lays the window out from right to left</source>
        <translation>ordnet das Fenster von rechts nach links an</translation>
    </message>
    <message>
        <source>counts the widgets left at the end</source>
        <translation>zählt am Ende die übrigen Bedienelemente</translation>
    </message>
    <message>
        <source>loads the test helper plugin</source>
        <translation>lädt das Modul für Testhilfen</translation>
    </message>
    <message>
        <source>never grabs the mouse or the keyboard</source>
        <translation>belegt Maus und Tastatur nie exklusiv</translation>
    </message>
    <message>
        <source>grabs them even under a debugger</source>
        <translation>belegt sie auch unter einem Debugger</translation>
    </message>
    <message>
        <source>talks to the X server synchronously (X11)</source>
        <translation>spricht synchron mit dem X-Server (X11)</translation>
    </message>
    <message>
        <source>Qt&apos;s options, for the window:</source>
        <translation>Optionen von Qt, für das Fenster:</translation>
    </message>
    <message>
        <source>%1 is on another computer; open it from there</source>
        <translation>%1 liegt auf einem anderen Rechner; öffnen Sie die Seite dort</translation>
    </message>
    <message>
        <source>%1 names no page</source>
        <translation>%1 nennt keine Seite</translation>
    </message>
    <message>
        <source>Builds a web page with an image-rollover button menu.</source>
        <translation>Erstellt eine Webseite mit einem Menü aus Bild-Schaltflächen, die unter der Maus wechseln.</translation>
    </message>
    <message>
        <source>A menu page Tessel wrote, to open and change.</source>
        <translation>Eine von Tessel geschriebene Menüseite, die geöffnet und geändert werden soll.</translation>
    </message>
    <message>
        <source>one page at a time</source>
        <translation>nur eine Seite auf einmal</translation>
    </message>
    <message>
        <source>PAGE</source>
        <translation>SEITE</translation>
    </message>
    <message>
        <source>the QML debugger&apos;s port, as =port</source>
        <translation>der Port des QML-Debuggers, als =Port</translation>
    </message>
    <message>
        <source>Write the menu of MENUPAGE into every page under DIR that holds it at its marker, all of them or none, and leave.</source>
        <translation>Das Menü von MENUPAGE in jede Seite unter DIR schreiben, die es an ihrer Markierung enthält, in alle oder keine, und beenden.</translation>
    </message>
    <message>
        <source>--%1 takes two arguments</source>
        <translation>--%1 braucht zwei Argumente</translation>
    </message>
    <message>
        <source>A page of a site marks the place of its menu with the line %1.</source>
        <translation>Eine Seite einer Website markiert den Platz ihres Menüs mit der Zeile %1.</translation>
    </message>
    <message>
        <source>Put the menu of MENUPAGE, a page Tessel wrote in the site&apos;s folder, into PAGE after its marker, and leave.</source>
        <translation>Das Menü von MENUPAGE, einer von Tessel geschriebenen Seite im Ordner der Website, in PAGE nach ihrer Markierung einfügen und beenden.</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The picture
%1
cannot be used: %2.</source>
        <translation>Das Bild
%1
kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>Missing picture: %1 (%2)</source>
        <translation>Fehlendes Bild: %1 (%2)</translation>
    </message>
    <message>
        <source>Normal picture of button %1: %2</source>
        <translation>Normales Bild der Schaltfläche %1: %2</translation>
    </message>
    <message>
        <source>Mouse-over picture of button %1: %2</source>
        <translation>Mouse-over-Bild der Schaltfläche %1: %2</translation>
    </message>
    <message>
        <source>no picture chosen</source>
        <translation>kein Bild gewählt</translation>
    </message>
    <message>
        <source>Preview of button %1</source>
        <translation>Vorschau der Schaltfläche %1</translation>
    </message>
    <message>
        <source>Shows the normal picture, and the mouse-over picture while the mouse is on it</source>
        <translation>Zeigt das normale Bild und, solange die Maus darauf steht, das Mouse-over-Bild</translation>
    </message>
    <message>
        <source>Please enter a name for the Tessel file.</source>
        <translation>Bitte geben Sie einen Namen für die Tessel-Datei ein.</translation>
    </message>
    <message>
        <source>The Tessel file could not be saved as
%1

%2.</source>
        <translation>Die Tessel-Datei konnte nicht gespeichert werden als
%1

%2.</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>Copy them beside the page now?</source>
        <translation>Sollen sie jetzt neben die Seite kopiert werden?</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Leave them</source>
        <translation>Belassen</translation>
    </message>
    <message>
        <source>The file
%1
is already there. %2

Replace it?</source>
        <translation>Die Datei
%1
ist bereits vorhanden. %2

Soll sie ersetzt werden?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>The page
%1
cannot be opened: %2.</source>
        <translation>Die Seite
%1
kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The page
%1
was changed by hand in the lines that hold its menu, first at line %2. Tessel has read its menu and will write its own form of the menu there; every other line stays as it is.</source>
        <translation>Die Seite
%1
wurde in den Zeilen ihres Menüs von Hand geändert, zuerst in Zeile %2. Tessel hat das Menü gelesen und schreibt dort seine eigene Form des Menüs; alle anderen Zeilen bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Exit Tessel and lose them?</source>
        <translation>Tessel beenden und sie verlieren?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Log out and lose them?</source>
        <translation>Abmelden und sie verlieren?</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Start a new menu and lose them?</source>
        <translation>Ein neues Menü beginnen und sie verlieren?</translation>
    </message>
    <message>
        <source>Start a new menu</source>
        <translation>Neues Menü beginnen</translation>
    </message>
    <message>
        <source>The buttons filled since the menu was last written are not written yet.</source>
        <translation>Die Schaltflächen, die seit dem letzten Schreiben des Menüs ausgefüllt wurden, sind noch nicht geschrieben.</translation>
    </message>
    <message>
        <source>its normal picture, %1</source>
        <translation>ihr normales Bild, %1</translation>
    </message>
    <message>
        <source>its mouse-over picture, %1</source>
        <translation>ihr Mouse-over-Bild, %1</translation>
    </message>
    <message>
        <source>its link</source>
        <translation>ihr Link</translation>
    </message>
    <message>
        <source>its frame, %1</source>
        <translation>ihr Frame, %1</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of your own among its lines</source>
        <translation>
            <numerusform>%n eigene Zeile zwischen ihren Zeilen</numerusform>
            <numerusform>%n eigene Zeilen zwischen ihren Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove button %1%2 from the menu?</source>
        <translation>Schaltfläche %1%2 aus dem Menü entfernen?</translation>
    </message>
    <message>
        <source>These go with it:</source>
        <translation>Mit ihr werden entfernt:</translation>
    </message>
    <message>
        <source>its text, %1</source>
        <translation>ihr Text, %1</translation>
    </message>
    <message>
        <source>Left as they are:
%1</source>
        <translation>Unverändert gelassen:
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n other page(s) of the site hold this menu as it was:
%1</source>
        <translation>
            <numerusform>%n weitere Seite der Website enthält dieses Menü, wie es war:
%1</numerusform>
            <numerusform>%n weitere Seiten der Website enthalten dieses Menü, wie es war:
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Write the change into them too?</source>
        <translation>Die Änderung auch in sie schreiben?</translation>
    </message>
    <message>
        <source>Write them</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>None of them was written: %1.</source>
        <translation>Keine von ihnen wurde geschrieben: %1.</translation>
    </message>
    <message>
        <source>%1 of them were written; then %2.</source>
        <translation>%1 von ihnen wurden geschrieben; dann %2.</translation>
    </message>
    <message>
        <source>after its line %1 (line %2)</source>
        <translation>nach ihrer Zeile %1 (Zeile %2)</translation>
    </message>
    <message>
        <source>after line %1 (%2), on a line %3 that marks the place</source>
        <translation>nach Zeile %1 (%2), auf einer Zeile %3, die die Stelle markiert</translation>
    </message>
    <message>
        <source>The page
%1
holds no menu. Put this window&apos;s menu into it %2?</source>
        <translation>Die Seite
%1
enthält kein Menü. Das Menü dieses Fensters %2 in sie einfügen?</translation>
    </message>
    <message>
        <source>Put it in</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>Form1Layout</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Tutor</source>
        <translation>&amp;Tutor</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Back</source>
        <translation>&lt;&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation>&amp;Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>What type of Tessel do you want?</source>
        <translation>Welche Art von Tessel möchten Sie?</translation>
    </message>
    <message>
        <source>How many Buttons do you want to create?</source>
        <translation>Wie viele Schaltflächen möchten Sie erstellen?</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <source>Open a menu page Tessel wrote, to change it (Ctrl+O)</source>
        <translation>Eine von Tessel geschriebene Menüseite öffnen, um sie zu ändern (Strg+O)</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>Go to any button; insert, remove and move buttons (Alt+L)</source>
        <translation>Zu jeder Schaltfläche gehen; Schaltflächen einfügen, entfernen und verschieben (Alt+L)</translation>
    </message>
    <message>
        <source>select image</source>
        <translation>Bild wählen</translation>
    </message>
    <message>
        <source>Main image to display</source>
        <translation>Normal angezeigtes Bild</translation>
    </message>
    <message>
        <source>Image to display when mouse passes over</source>
        <translation>Bild, wenn die Maus darüber fährt</translation>
    </message>
    <message>
        <source>This is how it will look when loaded onto your browser</source>
        <translation>So sieht es aus, wenn Ihr Browser es lädt</translation>
    </message>
    <message>
        <source>Enter hyper link related to this button</source>
        <translation>Link dieser Schaltfläche eingeben</translation>
    </message>
    <message>
        <source>Name of Frame to open link in (default = _Top - open without frame)</source>
        <translation>Frame, in dem der Link öffnet (Vorgabe _top: ohne Frame)</translation>
    </message>
    <message>
        <source>Enter a Name for the Tessel file</source>
        <translation>Namen für die Tessel-Datei eingeben</translation>
    </message>
    <message>
        <source>Select Extension for Tessel file</source>
        <translation>Endung der Tessel-Datei wählen</translation>
    </message>
    <message>
        <source>Select the Finish button to write file</source>
        <translation>Wählen Sie »Fertig«, um die Datei zu schreiben</translation>
    </message>
    <message>
        <source>File has been saved as:</source>
        <translation>Die Datei wurde gespeichert als:</translation>
    </message>
    <message>
        <source>Place Tessel file and Menu Images in the same directory</source>
        <translation>Tessel-Datei und Menübilder in denselben Ordner legen</translation>
    </message>
    <message>
        <source>Select Exit to quit Tessel, or select New to create a new Tessel</source>
        <translation>»Ende« schließt Tessel, »Neu« erstellt ein neues Tessel</translation>
    </message>
    <message>
        <source>version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Made by the Tessel project: rollover menus without writing script</source>
        <translation>Vom Tessel-Projekt: Rollover-Menüs, ohne Skripte zu schreiben</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports:</source>
        <translation>Fragen, Ideen und Fehlerberichte:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Normal picture</source>
        <translation>Normales Bild</translation>
    </message>
    <message>
        <source>Mouse-over picture</source>
        <translation>Mouse-over-Bild</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Select the normal picture</source>
        <translation>Normales Bild wählen</translation>
    </message>
    <message>
        <source>Select the mouse-over picture</source>
        <translation>Mouse-over-Bild wählen</translation>
    </message>
    <message>
        <source>Open a page Tessel wrote</source>
        <translation>Eine von Tessel geschriebene Seite öffnen</translation>
    </message>
    <message>
        <source>List of buttons</source>
        <translation>Liste der Schaltflächen</translation>
    </message>
    <message>
        <source>Go to any button; insert, remove and move buttons</source>
        <translation>Zu jeder Schaltfläche gehen; Schaltflächen einfügen, entfernen und verschieben</translation>
    </message>
    <message>
        <source>The number of the button on this page</source>
        <translation>Die Nummer der Schaltfläche auf dieser Seite</translation>
    </message>
    <message>
        <source>Open the written page</source>
        <translation>Die geschriebene Seite öffnen</translation>
    </message>
    <message>
        <source>Opens the written page in your web browser</source>
        <translation>Öffnet die geschriebene Seite in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Menu type</source>
        <translation>Menüart</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Schaltfläche</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>O&amp;pen...</source>
        <translation>&amp;Öffnen …</translation>
    </message>
    <message>
        <source>Text of this button (read aloud, and shown where pictures are not)</source>
        <translation>Text dieser Schaltfläche (vorgelesen, und gezeigt, wo Bilder fehlen)</translation>
    </message>
    <message>
        <source>Written as the pictures&apos; alt text: say where the link goes</source>
        <translation>Wird als Alternativtext der Bilder geschrieben: sagen Sie, wohin der Link führt</translation>
    </message>
    <message>
        <source>&amp;HTML5 page: links that work without JavaScript</source>
        <translation>&amp;HTML5-Seite: Links, die ohne JavaScript funktionieren</translation>
    </message>
    <message>
        <source>Real links a visitor can open in a new tab, with the rollover under the mouse and the keyboard alike; without it, the classic page whose script opens each link</source>
        <translation>Echte Links, die Besucher in einem neuen Tab öffnen können, mit dem Bildwechsel unter der Maus wie mit der Tastatur; ohne dies die klassische Seite, deren Skript jeden Link öffnet</translation>
    </message>
</context>
<context>
    <name>FormTutor</name>
    <message>
        <source>Tutor</source>
        <translation>Tutor</translation>
    </message>
</context>
<context>
    <name>MenuModel</name>
    <message>
        <source>its name does not end in .html or .htm, so Finish could not write it back</source>
        <translation>ihr Name endet nicht auf .html oder .htm, daher könnte »Fertig« sie nicht zurückschreiben</translation>
    </message>
    <message>
        <source>its name is no more than its extension, so Finish could not write it back; give it a name before the extension</source>
        <translation>ihr Name besteht nur aus der Endung, daher könnte »Fertig« sie nicht zurückschreiben; geben Sie ihr einen Namen vor der Endung</translation>
    </message>
    <message>
        <source>It is read-only.</source>
        <translation>Sie ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>It was changed since Tessel opened or wrote it.</source>
        <translation>Sie wurde geändert, seit Tessel sie geöffnet oder geschrieben hat.</translation>
    </message>
    <message>
        <source>Tessel cannot read it: %1.</source>
        <translation>Tessel kann sie nicht lesen: %1.</translation>
    </message>
    <message>
        <source>Tessel did not write it.</source>
        <translation>Tessel hat sie nicht geschrieben.</translation>
    </message>
    <message>
        <source>Tessel cannot read it back as one of its pages: %1.</source>
        <translation>Tessel kann sie nicht als eine seiner Seiten zurücklesen: %1.</translation>
    </message>
    <message>
        <source>It is a Tessel page that holds another menu.</source>
        <translation>Sie ist eine Tessel-Seite mit einem anderen Menü.</translation>
    </message>
    <message>
        <source>It is a Tessel page with its author&apos;s own HTML.</source>
        <translation>Sie ist eine Tessel-Seite mit eigenem HTML ihres Autors.</translation>
    </message>
    <message>
        <source>Menu</source>
        <comment>the title of a new HTML5 page</comment>
        <translation>Menü</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language code (BCP 47) of the pages Tessel writes</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>MenuPage</name>
    <message>
        <source>its count</source>
        <translation>ihre Anzahl der Schaltflächen</translation>
    </message>
    <message>
        <source>its script</source>
        <translation>ihr Skript</translation>
    </message>
    <message>
        <source>its link function</source>
        <translation>ihre Link-Funktion</translation>
    </message>
    <message>
        <source>its menu</source>
        <translation>ihr Menü</translation>
    </message>
    <message>
        <source>it has %1 buttons; a menu has at most %2</source>
        <translation>sie hat %1 Schaltflächen; ein Menü hat höchstens %2</translation>
    </message>
    <message>
        <source>%1 holds no lines for its buttons</source>
        <translation>%1 enthält keine Zeilen für ihre Schaltflächen</translation>
    </message>
    <message>
        <source>%1 holds no lines for button %2; the lines for button %3 stand at line %4</source>
        <translation>%1 enthält keine Zeilen für Schaltfläche %2; die Zeilen für Schaltfläche %3 stehen in Zeile %4</translation>
    </message>
    <message>
        <source>%1 and %2 are mixed at line %3</source>
        <translation>%1 und %2 sind in Zeile %3 vermischt</translation>
    </message>
    <message>
        <source>it is written in UTF-16; Tessel reads pages in UTF-8 or in an 8-bit encoding such as Windows-1252</source>
        <translation>sie ist in UTF-16 geschrieben; Tessel liest Seiten in UTF-8 oder in einer 8-Bit-Kodierung wie Windows-1252</translation>
    </message>
    <message>
        <source>its lines end in CR alone; Tessel reads pages whose lines end in CR LF or in LF</source>
        <translation>ihre Zeilen enden nur auf CR; Tessel liest Seiten, deren Zeilen auf CR LF oder auf LF enden</translation>
    </message>
    <message>
        <source>it is not a menu page written by Tessel</source>
        <translation>sie ist keine von Tessel geschriebene Menüseite</translation>
    </message>
    <message>
        <source>its count of buttons stands twice, at lines %1 and %2</source>
        <translation>ihre Anzahl der Schaltflächen steht zweimal darin, in den Zeilen %1 und %2</translation>
    </message>
    <message>
        <source>the lines for button %1 stand twice in %2, at lines %3 and %4</source>
        <translation>%2 enthält die Zeilen für Schaltfläche %1 zweimal, in den Zeilen %3 und %4</translation>
    </message>
    <message>
        <source>the page is cut short</source>
        <translation>die Seite ist abgeschnitten</translation>
    </message>
    <message>
        <source>it was changed by hand where Tessel keeps the menu (line %1)</source>
        <translation>sie wurde dort von Hand geändert, wo Tessel das Menü führt (Zeile %1)</translation>
    </message>
    <message numerus="yes">
        <source>the page counts %n button(s) but holds %1</source>
        <translation>
            <numerusform>die Seite zählt %n Schaltfläche, enthält aber %1</numerusform>
            <numerusform>die Seite zählt %n Schaltflächen, enthält aber %1</numerusform>
        </translation>
    </message>
    <message>
        <source>its menu&apos;s lines were joined with others (line %1); Tessel finds them on lines of their own</source>
        <translation>die Zeilen ihres Menüs wurden mit anderen zusammengefügt (Zeile %1); Tessel findet sie nur auf eigenen Zeilen</translation>
    </message>
    <message>
        <source>its count of buttons stands in a comment or outside its script (line %1), where no browser reads it</source>
        <translation>ihre Anzahl der Schaltflächen steht in einem Kommentar oder außerhalb ihres Skripts (Zeile %1), wo kein Browser sie liest</translation>
    </message>
</context>
<context>
    <name>PageFile</name>
    <message>
        <source>the page could not be written whole; the disk may be full</source>
        <translation>die Seite konnte nicht vollständig geschrieben werden; der Datenträger ist vielleicht voll</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ein Ordner dieses Namens steht im Weg</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>at %1 bytes it is larger than any menu page</source>
        <translation>mit %1 Bytes ist sie größer als jede Menüseite</translation>
    </message>
    <message>
        <source>it is larger than any menu page</source>
        <translation>sie ist größer als jede Menüseite</translation>
    </message>
    <message>
        <source>its folder %1 cannot be written to (%2)</source>
        <translation>ihr Ordner %1 ist nicht beschreibbar (%2)</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>the animation cannot be read</source>
        <translation>die Animation kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>it is not a BMP, JPEG, GIF, PNG or WebP picture</source>
        <translation>es ist kein BMP-, JPEG-, GIF-, PNG- oder WebP-Bild</translation>
    </message>
    <message>
        <source>at %1 x %2 pixels it is too large to open safely</source>
        <translation>mit %1 × %2 Pixeln ist es zu groß, um es sicher zu öffnen</translation>
    </message>
    <message>
        <source>the picture is damaged or incomplete</source>
        <translation>das Bild ist beschädigt oder unvollständig</translation>
    </message>
</context>
<context>
    <name>PicturePlaces</name>
    <message>
        <source>it cannot be read</source>
        <translation>es kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the page&apos;s folder cannot be written to</source>
        <translation>in den Ordner der Seite kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>it cannot be written there (%1)</source>
        <translation>es kann dort nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>a different file of that name is in the way</source>
        <translation>eine andere Datei dieses Namens steht im Weg</translation>
    </message>
    <message>
        <source> (a different file of that name is in the way)</source>
        <translation> (eine andere Datei dieses Namens steht im Weg)</translation>
    </message>
    <message>
        <source> (another chosen picture has that name: rename one and choose it again)</source>
        <translation> (ein anderes gewähltes Bild hat diesen Namen: benennen Sie eines um und wählen Sie es erneut)</translation>
    </message>
    <message>
        <source> (it is gone from there: put it back, or choose it again)</source>
        <translation> (es ist dort nicht mehr: legen Sie es zurück oder wählen Sie es erneut)</translation>
    </message>
    <message>
        <source>%1, now in %2%3</source>
        <translation>%1, jetzt in %2%3</translation>
    </message>
    <message>
        <source>The page looks for its pictures in its own folder,
%1</source>
        <translation>Die Seite sucht ihre Bilder in ihrem eigenen Ordner,
%1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>

Copy these pictures there:
</source>
        <translation>

Kopieren Sie diese Bilder dorthin:
</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>another chosen picture has that name</source>
        <translation>ein anderes gewähltes Bild hat diesen Namen</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>es ist nicht mehr da</translation>
    </message>
    <message>
        <source>

Not copied:
</source>
        <translation>

Nicht kopiert:
</translation>
    </message>
    <message numerus="yes">
        <source>

It names %n picture(s) that are not there: </source>
        <translation>
            <numerusform>

Sie nennt %n Bild, das dort nicht liegt: </numerusform>
            <numerusform>

Sie nennt %n Bilder, die dort nicht liegen: </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) were copied beside the page.</source>
        <translation>
            <numerusform>%n Bild wurde neben die Seite kopiert.</numerusform>
            <numerusform>%n Bilder wurden neben die Seite kopiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SiteCommand</name>
    <message>
        <source>it is not in the site&apos;s folder %1</source>
        <translation>sie liegt nicht im Ordner %1 der Website</translation>
    </message>
    <message>
        <source>%1; left as it was</source>
        <translation>%1; unverändert gelassen</translation>
    </message>
    <message>
        <source>every page&apos;s menu is this one already</source>
        <translation>jede Seite hat dieses Menü schon</translation>
    </message>
    <message>
        <source>no page holds a menu put in at its marker</source>
        <translation>keine Seite enthält ein an ihrer Markierung eingefügtes Menü</translation>
    </message>
    <message>
        <source>%1; no page was written</source>
        <translation>%1; keine Seite wurde geschrieben</translation>
    </message>
</context>
<context>
    <name>SitePage</name>
    <message>
        <source>it holds a menu already</source>
        <translation>sie enthält schon ein Menü</translation>
    </message>
    <message>
        <source>it has no line %1 to mark where the menu goes</source>
        <translation>sie hat keine Zeile %1, die zeigt, wo das Menü hingehört</translation>
    </message>
    <message>
        <source>the menu put into it would not read back as it is (%1)</source>
        <translation>das eingefügte Menü ließe sich nicht so zurücklesen, wie es ist (%1)</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>its menu is not put in at its marker</source>
        <translation>ihr Menü steht nicht an ihrer Markierung</translation>
    </message>
    <message>
        <source>it is not in the site&apos;s folder</source>
        <translation>sie liegt nicht im Ordner der Website</translation>
    </message>
    <message>
        <source>its menu was changed by hand at line %1</source>
        <translation>ihr Menü wurde in Zeile %1 von Hand geändert</translation>
    </message>
    <message>
        <source>its menu is another one</source>
        <translation>ihr Menü ist ein anderes</translation>
    </message>
</context>
<context>
    <name>TutorTexts</name>
    <message>
        <source>First, select the Type of menu to create - up/down (vertical) or left/right (horizontal).</source>
        <translation>Wählen Sie zuerst die Art des Menüs – untereinander (senkrecht) oder nebeneinander (waagerecht).</translation>
    </message>
    <message>
        <source>Then select the number of buttons to create.</source>
        <translation>Wählen Sie dann die Anzahl der Schaltflächen.</translation>
    </message>
    <message>
        <source>press the Next&gt;&gt; button to goto the next step.</source>
        <translation>Mit »Weiter &gt;&gt;« geht es zum nächsten Schritt.</translation>
    </message>
    <message>
        <source>press the Tutor button again to turn this tutor off.</source>
        <translation>Ein weiterer Druck auf »Tutor« schaltet diesen Tutor aus.</translation>
    </message>
    <message>
        <source>First, press the top Select button to open image for main button display.</source>
        <translation>Wählen Sie zuerst mit der oberen Schaltfläche »Bild wählen« das normal angezeigte Bild.</translation>
    </message>
    <message>
        <source>Then press the bottom Select button to open image file to display when mouse passes over button.</source>
        <translation>Wählen Sie dann mit der unteren Schaltfläche »Bild wählen« das Bild, das erscheint, wenn die Maus darüber fährt.</translation>
    </message>
    <message>
        <source>Now enter Page to open when button is selected (ie. www.example.com).</source>
        <translation>Geben Sie nun die Seite ein, die die Schaltfläche öffnet (z. B. www.example.com).</translation>
    </message>
    <message>
        <source>If link is to be loaded into a frame, enter the Frame Name (ie. Frame1) in the bottom box.</source>
        <translation>Soll der Link in einem Frame öffnen, geben Sie im unteren Feld den Namen des Frames ein (z. B. Frame1).</translation>
    </message>
    <message>
        <source>Press the Next&gt;&gt; button to continue.</source>
        <translation>Mit »Weiter &gt;&gt;« geht es weiter.</translation>
    </message>
    <message>
        <source>Press the Tutor button again to turn this tutor off.</source>
        <translation>Ein weiterer Druck auf »Tutor« schaltet diesen Tutor aus.</translation>
    </message>
    <message>
        <source>First, enter a Filename to save the animated button menu as.</source>
        <translation>Geben Sie zuerst den Dateinamen ein, unter dem das Schaltflächenmenü gespeichert wird.</translation>
    </message>
    <message>
        <source>Then select the extension for the file.</source>
        <translation>Wählen Sie dann die Endung der Datei.</translation>
    </message>
    <message>
        <source>Press the Finish button to write the file.</source>
        <translation>Mit »Fertig« wird die Datei geschrieben.</translation>
    </message>
    <message>
        <source>The list shows every button of the menu.</source>
        <translation>Die Liste zeigt jede Schaltfläche des Menüs.</translation>
    </message>
    <message>
        <source>Choose one and press Go to to show its page; Insert before and Insert after add an empty button, Remove takes it out, Move up and Move down move it.</source>
        <translation>Wählen Sie eine aus und wählen Sie Anzeigen, um ihre Seite zu zeigen; Davor einfügen und Dahinter einfügen fügen eine leere Schaltfläche ein, Entfernen nimmt sie heraus, Nach oben und Nach unten verschieben sie.</translation>
    </message>
    <message>
        <source>Close goes back to the button you were on.</source>
        <translation>Schließen führt zurück zu der Schaltfläche, auf der Sie waren.</translation>
    </message>
</context>
</TS>
