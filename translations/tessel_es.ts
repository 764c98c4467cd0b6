<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ButtonList</name>
    <message>
        <source>Buttons of the menu</source>
        <translation>Botones del menú</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>&amp;Ir a</translation>
    </message>
    <message>
        <source>&amp;Insert before</source>
        <translation>Insertar &amp;delante</translation>
    </message>
    <message>
        <source>Insert afte&amp;r</source>
        <translation>Insertar des&amp;pués</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Show the chosen button&apos;s page</source>
        <translation>Muestra la página del botón elegido</translation>
    </message>
    <message>
        <source>%1 (%2 in the list)</source>
        <translation>%1 (%2 en la lista)</translation>
    </message>
</context>
<context>
    <name>ButtonRows</name>
    <message>
        <source>(no link)</source>
        <translation>(sin enlace)</translation>
    </message>
    <message>
        <source>No picture chosen</source>
        <translation>Ninguna imagen elegida</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Imagen %1</translation>
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
        <translation>el complemento de plataforma: xcb, wayland, offscreen…</translation>
    </message>
    <message>
        <source>where to look for platform plugins</source>
        <translation>dónde buscar los complementos de plataforma</translation>
    </message>
    <message>
        <source>the platform theme</source>
        <translation>el tema de la plataforma</translation>
    </message>
    <message>
        <source>an input plugin to load</source>
        <translation>un complemento de entrada que cargar</translation>
    </message>
    <message>
        <source>the main window&apos;s geometry</source>
        <translation>la geometría de la ventana principal</translation>
    </message>
    <message>
        <source>the main window&apos;s icon</source>
        <translation>el icono de la ventana principal</translation>
    </message>
    <message>
        <source>the main window&apos;s title</source>
        <translation>el título de la ventana principal</translation>
    </message>
    <message>
        <source>the session to restore</source>
        <translation>la sesión que restaurar</translation>
    </message>
    <message>
        <source>the widget style: Fusion, Windows ...</source>
        <translation>el estilo de los elementos gráficos: Fusion, Windows…</translation>
    </message>
    <message>
        <source>a style sheet for every widget</source>
        <translation>una hoja de estilo para todos los elementos gráficos</translation>
    </message>
    <message>
        <source>the X display (X11)</source>
        <translation>la pantalla X (X11)</translation>
    </message>
    <message>
        <source>the main window&apos;s geometry (X11)</source>
        <translation>la geometría de la ventana principal (X11)</translation>
    </message>
    <message>
        <source>the main window&apos;s title (X11)</source>
        <translation>el título de la ventana principal (X11)</translation>
    </message>
    <message>
        <source>the main window&apos;s icon (X11)</source>
        <translation>el icono de la ventana principal (X11)</translation>
    </message>
    <message>
        <source>the window class&apos;s name (X11)</source>
        <translation>el nombre de la clase de ventana (X11)</translation>
    </message>
    <message>
        <source>the X visual to use (X11)</source>
        <translation>el visual de X que usar (X11)</translation>
    </message>
    <message>
        <source>lays the window out from right to left</source>
        <translation>dispone la ventana de derecha a izquierda</translation>
    </message>
    <message>
        <source>counts the widgets left at the end</source>
        <translation>cuenta al final los elementos gráficos restantes</translation>
    </message>
    <message>
        <source>loads the test helper plugin</source>
        <translation>carga el complemento de ayuda para pruebas</translation>
    </message>
    <message>
        <source>never grabs the mouse or the keyboard</source>
        <translation>nunca captura el ratón ni el teclado</translation>
    </message>
    <message>
        <source>grabs them even under a debugger</source>
        <translation>los captura incluso bajo un depurador</translation>
    </message>
    <message>
        <source>talks to the X server synchronously (X11)</source>
        <translation>se comunica con el servidor X de forma síncrona (X11)</translation>
    </message>
    <message>
        <source>Qt&apos;s options, for the window:</source>
        <translation>Opciones de Qt, para la ventana:</translation>
    </message>
    <message>
        <source>%1 is on another computer; open it from there</source>
        <translation>%1 está en otro equipo; abra la página desde allí</translation>
    </message>
    <message>
        <source>%1 names no page</source>
        <translation>%1 no indica ninguna página</translation>
    </message>
    <message>
        <source>Builds a web page with an image-rollover button menu.</source>
        <translation>Crea una página web con un menú de botones de imagen que cambian al pasar el ratón.</translation>
    </message>
    <message>
        <source>A menu page Tessel wrote, to open and change.</source>
        <translation>Una página de menú escrita por Tessel, para abrirla y cambiarla.</translation>
    </message>
    <message>
        <source>one page at a time</source>
        <translation>solo una página cada vez</translation>
    </message>
    <message>
        <source>PAGE</source>
        <translation>PÁGINA</translation>
    </message>
    <message>
        <source>the QML debugger&apos;s port, as =port</source>
        <translation>el puerto del depurador de QML, como =puerto</translation>
    </message>
    <message>
        <source>Write the menu of MENUPAGE into every page under DIR that holds it at its marker, all of them or none, and leave.</source>
        <translation>Escribir el menú de MENUPAGE en cada página bajo DIR que lo contenga en su marca, en todas o en ninguna, y salir.</translation>
    </message>
    <message>
        <source>--%1 takes two arguments</source>
        <translation>--%1 necesita dos argumentos</translation>
    </message>
    <message>
        <source>A page of a site marks the place of its menu with the line %1.</source>
        <translation>Una página de un sitio marca el lugar de su menú con la línea %1.</translation>
    </message>
    <message>
        <source>Put the menu of MENUPAGE, a page Tessel wrote in the site&apos;s folder, into PAGE after its marker, and leave.</source>
        <translation>Insertar el menú de MENUPAGE, una página escrita por Tessel en la carpeta del sitio, en PAGE después de su marca, y salir.</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The picture
%1
cannot be used: %2.</source>
        <translation>La imagen
%1
no se puede usar: %2.</translation>
    </message>
    <message>
        <source>Missing picture: %1 (%2)</source>
        <translation>Imagen que falta: %1 (%2)</translation>
    </message>
    <message>
        <source>Normal picture of button %1: %2</source>
        <translation>Imagen normal del botón %1: %2</translation>
    </message>
    <message>
        <source>Mouse-over picture of button %1: %2</source>
        <translation>Imagen al pasar el ratón del botón %1: %2</translation>
    </message>
    <message>
        <source>no picture chosen</source>
        <translation>ninguna imagen elegida</translation>
    </message>
    <message>
        <source>Preview of button %1</source>
        <translation>Vista previa del botón %1</translation>
    </message>
    <message>
        <source>Shows the normal picture, and the mouse-over picture while the mouse is on it</source>
        <translation>Muestra la imagen normal y, mientras el ratón está encima, la imagen al pasar el ratón</translation>
    </message>
    <message>
        <source>Please enter a name for the Tessel file.</source>
        <translation>Introduzca un nombre para el archivo de Tessel.</translation>
    </message>
    <message>
        <source>The Tessel file could not be saved as
%1

%2.</source>
        <translation>No se pudo guardar el archivo de Tessel como
%1

%2.</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>Copy them beside the page now?</source>
        <translation>¿Copiarlas ahora junto a la página?</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Leave them</source>
        <translation>Dejarlas</translation>
    </message>
    <message>
        <source>The file
%1
is already there. %2

Replace it?</source>
        <translation>El archivo
%1
ya existe. %2

¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>The page
%1
cannot be opened: %2.</source>
        <translation>La página
%1
no se puede abrir: %2.</translation>
    </message>
    <message>
        <source>The page
%1
was changed by hand in the lines that hold its menu, first at line %2. Tessel has read its menu and will write its own form of the menu there; every other line stays as it is.</source>
        <translation>La página
%1
se cambió a mano en las líneas de su menú, primero en la línea %2. Tessel ha leído su menú y escribirá allí su propia forma del menú; las demás líneas se quedan como están.</translation>
    </message>
    <message>
        <source>Exit Tessel and lose them?</source>
        <translation>¿Salir de Tessel y perderlos?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Log out and lose them?</source>
        <translation>¿Cerrar la sesión y perderlos?</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Cerrar la sesión</translation>
    </message>
    <message>
        <source>Start a new menu and lose them?</source>
        <translation>¿Empezar un menú nuevo y perderlos?</translation>
    </message>
    <message>
        <source>Start a new menu</source>
        <translation>Empezar un menú nuevo</translation>
    </message>
    <message>
        <source>The buttons filled since the menu was last written are not written yet.</source>
        <translation>Los botones rellenados desde la última vez que se escribió el menú aún no están escritos.</translation>
    </message>
    <message>
        <source>its normal picture, %1</source>
        <translation>su imagen normal, %1</translation>
    </message>
    <message>
        <source>its mouse-over picture, %1</source>
        <translation>su imagen al pasar el ratón, %1</translation>
    </message>
    <message>
        <source>its link</source>
        <translation>su enlace</translation>
    </message>
    <message>
        <source>its frame, %1</source>
        <translation>su marco, %1</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of your own among its lines</source>
        <translation>
            <numerusform>%n línea suya entre sus líneas</numerusform>
            <numerusform>%n líneas suyas entre sus líneas</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove button %1%2 from the menu?</source>
        <translation>¿Quitar el botón %1%2 del menú?</translation>
    </message>
    <message>
        <source>These go with it:</source>
        <translation>Se quitan con él:</translation>
    </message>
    <message>
        <source>its text, %1</source>
        <translation>su texto, %1</translation>
    </message>
    <message>
        <source>Left as they are:
%1</source>
        <translation>Se dejan como están:
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n other page(s) of the site hold this menu as it was:
%1</source>
        <translation>
            <numerusform>%n página más del sitio contiene este menú tal como era:
%1</numerusform>
            <numerusform>%n páginas más del sitio contienen este menú tal como era:
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Write the change into them too?</source>
        <translation>¿Escribir también el cambio en ellas?</translation>
    </message>
    <message>
        <source>Write them</source>
        <translation>Escribirlas</translation>
    </message>
    <message>
        <source>None of them was written: %1.</source>
        <translation>No se escribió ninguna: %1.</translation>
    </message>
    <message>
        <source>%1 of them were written; then %2.</source>
        <translation>Se escribieron %1; luego %2.</translation>
    </message>
    <message>
        <source>after its line %1 (line %2)</source>
        <translation>después de su línea %1 (línea %2)</translation>
    </message>
    <message>
        <source>after line %1 (%2), on a line %3 that marks the place</source>
        <translation>después de la línea %1 (%2), en una línea %3 que marca el lugar</translation>
    </message>
    <message>
        <source>The page
%1
holds no menu. Put this window&apos;s menu into it %2?</source>
        <translation>La página
%1
no contiene ningún menú. ¿Insertar en ella el menú de esta ventana %2?</translation>
    </message>
    <message>
        <source>Put it in</source>
        <translation>Insertarlo</translation>
    </message>
</context>
<context>
    <name>Form1Layout</name>
    <message>
        <source>&amp;About</source>
        <translation>Ac&amp;erca de</translation>
    </message>
    <message>
        <source>&amp;Tutor</source>
        <translation>&amp;Tutor</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Back</source>
        <translation>&lt;&lt; &amp;Anterior</translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation>Si&amp;guiente</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Finalizar</translation>
    </message>
    <message>
        <source>What type of Tessel do you want?</source>
        <translation>¿Qué tipo de Tessel desea?</translation>
    </message>
    <message>
        <source>How many Buttons do you want to create?</source>
        <translation>¿Cuántos botones desea crear?</translation>
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
        <translation>Abrir una página de menú escrita por Tessel para cambiarla (Ctrl+O)</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>Go to any button; insert, remove and move buttons (Alt+L)</source>
        <translation>Ir a cualquier botón; insertar, quitar y mover botones (Alt+L)</translation>
    </message>
    <message>
        <source>select image</source>
        <translation>elegir…</translation>
    </message>
    <message>
        <source>Main image to display</source>
        <translation>Imagen que se muestra</translation>
    </message>
    <message>
        <source>Image to display when mouse passes over</source>
        <translation>Imagen al pasar el ratón por encima</translation>
    </message>
    <message>
        <source>This is how it will look when loaded onto your browser</source>
        <translation>Así se verá al cargarlo en su navegador</translation>
    </message>
    <message>
        <source>Enter hyper link related to this button</source>
        <translation>Introduzca el enlace de este botón</translation>
    </message>
    <message>
        <source>Name of Frame to open link in (default = _Top - open without frame)</source>
        <translation>Marco en el que abrir el enlace (por defecto _top: sin marco)</translation>
    </message>
    <message>
        <source>Enter a Name for the Tessel file</source>
        <translation>Introduzca un nombre para el archivo de Tessel</translation>
    </message>
    <message>
        <source>Select Extension for Tessel file</source>
        <translation>Elija la extensión del archivo de Tessel</translation>
    </message>
    <message>
        <source>Select the Finish button to write file</source>
        <translation>Elija «Finalizar» para escribir el archivo</translation>
    </message>
    <message>
        <source>File has been saved as:</source>
        <translation>El archivo se ha guardado como:</translation>
    </message>
    <message>
        <source>Place Tessel file and Menu Images in the same directory</source>
        <translation>Coloque el archivo de Tessel y las imágenes del menú en la misma carpeta</translation>
    </message>
    <message>
        <source>Select Exit to quit Tessel, or select New to create a new Tessel</source>
        <translation>«Salir» cierra Tessel; «Nuevo» crea un Tessel nuevo</translation>
    </message>
    <message>
        <source>version 1.0</source>
        <translation>versión 1.0</translation>
    </message>
    <message>
        <source>Made by the Tessel project: rollover menus without writing script</source>
        <translation>Del proyecto Tessel: menús rollover sin escribir scripts</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports:</source>
        <translation>Preguntas, ideas e informes de errores:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>A&amp;ceptar</translation>
    </message>
    <message>
        <source>Normal picture</source>
        <translation>Imagen normal</translation>
    </message>
    <message>
        <source>Mouse-over picture</source>
        <translation>Imagen al pasar el ratón</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Select the normal picture</source>
        <translation>Elegir la imagen normal</translation>
    </message>
    <message>
        <source>Select the mouse-over picture</source>
        <translation>Elegir la imagen al pasar el ratón</translation>
    </message>
    <message>
        <source>Open a page Tessel wrote</source>
        <translation>Abrir una página escrita por Tessel</translation>
    </message>
    <message>
        <source>List of buttons</source>
        <translation>Lista de botones</translation>
    </message>
    <message>
        <source>Go to any button; insert, remove and move buttons</source>
        <translation>Ir a cualquier botón; insertar, quitar y mover botones</translation>
    </message>
    <message>
        <source>The number of the button on this page</source>
        <translation>El número del botón de esta página</translation>
    </message>
    <message>
        <source>Open the written page</source>
        <translation>Abrir la página escrita</translation>
    </message>
    <message>
        <source>Opens the written page in your web browser</source>
        <translation>Abre la página escrita en su navegador web</translation>
    </message>
    <message>
        <source>Menu type</source>
        <translation>Tipo de menú</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Botón</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Finalizado</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>O&amp;pen...</source>
        <translation>A&amp;brir…</translation>
    </message>
    <message>
        <source>Text of this button (read aloud, and shown where pictures are not)</source>
        <translation>Texto del botón (leído en voz alta, mostrado sin las imágenes)</translation>
    </message>
    <message>
        <source>Written as the pictures&apos; alt text: say where the link goes</source>
        <translation>Se escribe como texto alternativo de las imágenes: diga adónde lleva el enlace</translation>
    </message>
    <message>
        <source>&amp;HTML5 page: links that work without JavaScript</source>
        <translation>Página &amp;HTML5: enlaces que funcionan sin JavaScript</translation>
    </message>
    <message>
        <source>Real links a visitor can open in a new tab, with the rollover under the mouse and the keyboard alike; without it, the classic page whose script opens each link</source>
        <translation>Enlaces reales que un visitante puede abrir en una pestaña nueva, con el cambio de imagen bajo el ratón y con el teclado; sin ello, la página clásica cuyo script abre cada enlace</translation>
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
        <translation>su nombre no termina en .html ni en .htm, así que «Finalizar» no podría volver a escribirla</translation>
    </message>
    <message>
        <source>its name is no more than its extension, so Finish could not write it back; give it a name before the extension</source>
        <translation>su nombre no es más que la extensión, así que «Finalizar» no podría volver a escribirla; póngale un nombre delante de la extensión</translation>
    </message>
    <message>
        <source>It is read-only.</source>
        <translation>Es de solo lectura.</translation>
    </message>
    <message>
        <source>It was changed since Tessel opened or wrote it.</source>
        <translation>Ha cambiado desde que Tessel lo abrió o lo escribió.</translation>
    </message>
    <message>
        <source>Tessel cannot read it: %1.</source>
        <translation>Tessel no puede leerlo: %1.</translation>
    </message>
    <message>
        <source>Tessel did not write it.</source>
        <translation>Tessel no lo escribió.</translation>
    </message>
    <message>
        <source>Tessel cannot read it back as one of its pages: %1.</source>
        <translation>Tessel no puede volver a leerlo como una de sus páginas: %1.</translation>
    </message>
    <message>
        <source>It is a Tessel page that holds another menu.</source>
        <translation>Es una página de Tessel que contiene otro menú.</translation>
    </message>
    <message>
        <source>It is a Tessel page with its author&apos;s own HTML.</source>
        <translation>Es una página de Tessel con HTML propio de su autor.</translation>
    </message>
    <message>
        <source>Menu</source>
        <comment>the title of a new HTML5 page</comment>
        <translation>Menú</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language code (BCP 47) of the pages Tessel writes</comment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>MenuPage</name>
    <message>
        <source>its count</source>
        <translation>su número de botones</translation>
    </message>
    <message>
        <source>its script</source>
        <translation>su script</translation>
    </message>
    <message>
        <source>its link function</source>
        <translation>su función de enlace</translation>
    </message>
    <message>
        <source>its menu</source>
        <translation>su menú</translation>
    </message>
    <message>
        <source>it has %1 buttons; a menu has at most %2</source>
        <translation>tiene %1 botones; un menú tiene como máximo %2</translation>
    </message>
    <message>
        <source>%1 holds no lines for its buttons</source>
        <translation>%1 no contiene líneas para sus botones</translation>
    </message>
    <message>
        <source>%1 holds no lines for button %2; the lines for button %3 stand at line %4</source>
        <translation>%1 no contiene líneas para el botón %2; las líneas del botón %3 están en la línea %4</translation>
    </message>
    <message>
        <source>%1 and %2 are mixed at line %3</source>
        <translation>%1 y %2 están mezclados en la línea %3</translation>
    </message>
    <message>
        <source>it is written in UTF-16; Tessel reads pages in UTF-8 or in an 8-bit encoding such as Windows-1252</source>
        <translation>está escrita en UTF-16; Tessel lee páginas en UTF-8 o en una codificación de 8 bits como Windows-1252</translation>
    </message>
    <message>
        <source>its lines end in CR alone; Tessel reads pages whose lines end in CR LF or in LF</source>
        <translation>sus líneas terminan solo en CR; Tessel lee páginas cuyas líneas terminan en CR LF o en LF</translation>
    </message>
    <message>
        <source>it is not a menu page written by Tessel</source>
        <translation>no es una página de menú escrita por Tessel</translation>
    </message>
    <message>
        <source>its count of buttons stands twice, at lines %1 and %2</source>
        <translation>su número de botones figura dos veces, en las líneas %1 y %2</translation>
    </message>
    <message>
        <source>the lines for button %1 stand twice in %2, at lines %3 and %4</source>
        <translation>las líneas del botón %1 figuran dos veces en %2, en las líneas %3 y %4</translation>
    </message>
    <message>
        <source>the page is cut short</source>
        <translation>la página está cortada</translation>
    </message>
    <message>
        <source>it was changed by hand where Tessel keeps the menu (line %1)</source>
        <translation>se cambió a mano donde Tessel guarda el menú (línea %1)</translation>
    </message>
    <message numerus="yes">
        <source>the page counts %n button(s) but holds %1</source>
        <translation>
            <numerusform>la página cuenta %n botón pero contiene %1</numerusform>
            <numerusform>la página cuenta %n botones pero contiene %1</numerusform>
        </translation>
    </message>
    <message>
        <source>its menu&apos;s lines were joined with others (line %1); Tessel finds them on lines of their own</source>
        <translation>las líneas de su menú se unieron a otras (línea %1); Tessel las encuentra en líneas propias</translation>
    </message>
    <message>
        <source>its count of buttons stands in a comment or outside its script (line %1), where no browser reads it</source>
        <translation>su número de botones está en un comentario o fuera de su script (línea %1), donde ningún navegador lo lee</translation>
    </message>
</context>
<context>
    <name>PageFile</name>
    <message>
        <source>the page could not be written whole; the disk may be full</source>
        <translation>no se pudo escribir la página entera; puede que el disco esté lleno</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>una carpeta con ese nombre lo impide</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>at %1 bytes it is larger than any menu page</source>
        <translation>con %1 bytes es mayor que cualquier página de menú</translation>
    </message>
    <message>
        <source>it is larger than any menu page</source>
        <translation>es mayor que cualquier página de menú</translation>
    </message>
    <message>
        <source>its folder %1 cannot be written to (%2)</source>
        <translation>no se puede escribir en su carpeta %1 (%2)</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>the animation cannot be read</source>
        <translation>la animación no se puede leer</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>el archivo no se puede abrir</translation>
    </message>
    <message>
        <source>it is not a BMP, JPEG, GIF, PNG or WebP picture</source>
        <translation>no es una imagen BMP, JPEG, GIF, PNG ni WebP</translation>
    </message>
    <message>
        <source>at %1 x %2 pixels it is too large to open safely</source>
        <translation>con %1 × %2 píxeles es demasiado grande para abrirla con seguridad</translation>
    </message>
    <message>
        <source>the picture is damaged or incomplete</source>
        <translation>la imagen está dañada o incompleta</translation>
    </message>
</context>
<context>
    <name>PicturePlaces</name>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>the page&apos;s folder cannot be written to</source>
        <translation>no se puede escribir en la carpeta de la página</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>it cannot be written there (%1)</source>
        <translation>no se puede escribir allí (%1)</translation>
    </message>
    <message>
        <source>a different file of that name is in the way</source>
        <translation>otro archivo con ese nombre lo impide</translation>
    </message>
    <message>
        <source> (a different file of that name is in the way)</source>
        <translation> (otro archivo con ese nombre lo impide)</translation>
    </message>
    <message>
        <source> (another chosen picture has that name: rename one and choose it again)</source>
        <translation> (otra imagen elegida tiene ese nombre: cambie el nombre de una y vuelva a elegirla)</translation>
    </message>
    <message>
        <source> (it is gone from there: put it back, or choose it again)</source>
        <translation> (ya no está allí: vuelva a ponerla o elíjala de nuevo)</translation>
    </message>
    <message>
        <source>%1, now in %2%3</source>
        <translation>%1, ahora en %2%3</translation>
    </message>
    <message>
        <source>The page looks for its pictures in its own folder,
%1</source>
        <translation>La página busca sus imágenes en su propia carpeta,
%1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>

Copy these pictures there:
</source>
        <translation>

Copie allí estas imágenes:
</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>another chosen picture has that name</source>
        <translation>otra imagen elegida tiene ese nombre</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>ya no está</translation>
    </message>
    <message>
        <source>

Not copied:
</source>
        <translation>

No copiadas:
</translation>
    </message>
    <message numerus="yes">
        <source>

It names %n picture(s) that are not there: </source>
        <translation>
            <numerusform>

Indica %n imagen que no está allí: </numerusform>
            <numerusform>

Indica %n imágenes que no están allí: </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) were copied beside the page.</source>
        <translation>
            <numerusform>Se copió %n imagen junto a la página.</numerusform>
            <numerusform>Se copiaron %n imágenes junto a la página.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SiteCommand</name>
    <message>
        <source>it is not in the site&apos;s folder %1</source>
        <translation>no está en la carpeta %1 del sitio</translation>
    </message>
    <message>
        <source>%1; left as it was</source>
        <translation>%1; se deja como estaba</translation>
    </message>
    <message>
        <source>every page&apos;s menu is this one already</source>
        <translation>cada página ya tiene este menú</translation>
    </message>
    <message>
        <source>no page holds a menu put in at its marker</source>
        <translation>ninguna página contiene un menú insertado en su marca</translation>
    </message>
    <message>
        <source>%1; no page was written</source>
        <translation>%1; no se escribió ninguna página</translation>
    </message>
</context>
<context>
    <name>SitePage</name>
    <message>
        <source>it holds a menu already</source>
        <translation>ya contiene un menú</translation>
    </message>
    <message>
        <source>it has no line %1 to mark where the menu goes</source>
        <translation>no tiene ninguna línea %1 que marque dónde va el menú</translation>
    </message>
    <message>
        <source>the menu put into it would not read back as it is (%1)</source>
        <translation>el menú insertado no se volvería a leer tal como es (%1)</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>its menu is not put in at its marker</source>
        <translation>su menú no está en su marca</translation>
    </message>
    <message>
        <source>it is not in the site&apos;s folder</source>
        <translation>no está en la carpeta del sitio</translation>
    </message>
    <message>
        <source>its menu was changed by hand at line %1</source>
        <translation>su menú se cambió a mano en la línea %1</translation>
    </message>
    <message>
        <source>its menu is another one</source>
        <translation>su menú es otro</translation>
    </message>
</context>
<context>
    <name>TutorTexts</name>
    <message>
        <source>First, select the Type of menu to create - up/down (vertical) or left/right (horizontal).</source>
        <translation>Primero, elija el tipo de menú: de arriba abajo (vertical) o de izquierda a derecha (horizontal).</translation>
    </message>
    <message>
        <source>Then select the number of buttons to create.</source>
        <translation>Después, elija el número de botones que crear.</translation>
    </message>
    <message>
        <source>press the Next&gt;&gt; button to goto the next step.</source>
        <translation>Pulse «Siguiente» para ir al paso siguiente.</translation>
    </message>
    <message>
        <source>press the Tutor button again to turn this tutor off.</source>
        <translation>Pulse otra vez «Tutor» para desactivar este tutor.</translation>
    </message>
    <message>
        <source>First, press the top Select button to open image for main button display.</source>
        <translation>Primero, pulse el botón «elegir…» de arriba para abrir la imagen que se muestra.</translation>
    </message>
    <message>
        <source>Then press the bottom Select button to open image file to display when mouse passes over button.</source>
        <translation>Después, pulse el botón «elegir…» de abajo para abrir la imagen que se muestra al pasar el ratón.</translation>
    </message>
    <message>
        <source>Now enter Page to open when button is selected (ie. www.example.com).</source>
        <translation>Ahora introduzca la página que abre el botón (p. ej., www.example.com).</translation>
    </message>
    <message>
        <source>If link is to be loaded into a frame, enter the Frame Name (ie. Frame1) in the bottom box.</source>
        <translation>Si el enlace debe abrirse en un marco, introduzca el nombre del marco (p. ej., Frame1) en el cuadro de abajo.</translation>
    </message>
    <message>
        <source>Press the Next&gt;&gt; button to continue.</source>
        <translation>Pulse «Siguiente» para continuar.</translation>
    </message>
    <message>
        <source>Press the Tutor button again to turn this tutor off.</source>
        <translation>Pulse otra vez «Tutor» para desactivar este tutor.</translation>
    </message>
    <message>
        <source>First, enter a Filename to save the animated button menu as.</source>
        <translation>Primero, introduzca el nombre de archivo con el que guardar el menú de botones.</translation>
    </message>
    <message>
        <source>Then select the extension for the file.</source>
        <translation>Después, elija la extensión del archivo.</translation>
    </message>
    <message>
        <source>Press the Finish button to write the file.</source>
        <translation>Pulse «Finalizar» para escribir el archivo.</translation>
    </message>
    <message>
        <source>The list shows every button of the menu.</source>
        <translation>La lista muestra cada botón del menú.</translation>
    </message>
    <message>
        <source>Choose one and press Go to to show its page; Insert before and Insert after add an empty button, Remove takes it out, Move up and Move down move it.</source>
        <translation>Elija uno y pulse Ir a para mostrar su página; Insertar delante e Insertar después añaden un botón vacío, Quitar lo elimina, Subir y Bajar lo mueven.</translation>
    </message>
    <message>
        <source>Close goes back to the button you were on.</source>
        <translation>Cerrar vuelve al botón en el que estaba.</translation>
    </message>
</context>
</TS>
