<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Languages</name>
    <message>
        <source>   --- no SOURCE file loaded ---</source>
        <translation>   --- sin archivo de ORIGEN cargado ---</translation>
    </message>
    <message>
        <source>   --- Load Image File</source>
        <translation>   --- Cargar archivo de imagen</translation>
    </message>
    <message>
        <source>   --- Extract Textures from Tomb Raider Levels</source>
        <translation>   --- Extraer texturas de niveles de Tomb Raider</translation>
    </message>
    <message>
        <source>   --- Extract Animated Textures from TR Levels</source>
        <translation>   --- Extraer texturas animadas de niveles de TR</translation>
    </message>
    <message>
        <source>   --- no TARGET file saved ---</source>
        <translation>   --- sin archivo de DESTINO guardado ---</translation>
    </message>
    <message>
        <source>   --- Save as Image File ( TGA, BMP, JPG )</source>
        <translation>   --- Guardar como imagen ( TGA, BMP, JPG )</translation>
    </message>
    <message>
        <source>   --- Create New</source>
        <translation>   --- Crear nuevo</translation>
    </message>
    <message>
        <source>   --- Reload a Texture Set File ( TGA, BMP, JPG )</source>
        <translation>   --- Recargar set de texturas ( TGA, BMP, JPG )</translation>
    </message>
    <message>
        <source>   --- no TEXTURES extracted ---</source>
        <translation>   --- sin TEXTURAS extraídas ---</translation>
    </message>
    <message>
        <source>GRID</source>
        <translation>CUADRÍCULA</translation>
    </message>
    <message>
        <source>TRANSPARENCY</source>
        <translation>TRANSPARENCIA</translation>
    </message>
    <message>
        <source>ANIMATION</source>
        <translation>ANIMACIÓN</translation>
    </message>
    <message>
        <source>TRANSFORMATIONS</source>
        <translation>TRANSFORMACIONES</translation>
    </message>
    <message>
        <source>Copy All ---&gt;</source>
        <translation>Copiar todo ---&gt;</translation>
    </message>
    <message>
        <source>  Current Tile  </source>
        <translation>  Tile actual  </translation>
    </message>
    <message>
        <source>  Clipboard  </source>
        <translation>  Portapapeles  </translation>
    </message>
    <message>
        <source>      Multi Tile</source>
        <translation>      Multi tile</translation>
    </message>
    <message>
        <source>      64 x 64</source>
        <translation>      64 x 64</translation>
    </message>
    <message>
        <source>      128 x 128</source>
        <translation>      128 x 128</translation>
    </message>
    <message>
        <source>      256 x 256</source>
        <translation>      256 x 256</translation>
    </message>
    <message>
        <source>      Auto Size</source>
        <translation>      Autoajuste</translation>
    </message>
    <message>
        <source>      Scroll Tile</source>
        <translation>      Tile scroll</translation>
    </message>
    <message>
        <source>%1 x %2 pixels x %3</source>
        <translation>%1 x %2 píxeles x %3</translation>
    </message>
    <message>
        <source>%1 x %2 pixels (%3 x %4 = %5 txtrs)</source>
        <translation>%1 x %2 píxeles (%3 x %4 = %5 tiles)</translation>
    </message>
    <message>
        <source>This image was too big! It was cropped to %1 pixels.
The right canvas must be used with standard Texture Sets, only.</source>
        <translation>¡Esta imagen era demasiado grande! Se ha recortado a %1 píxeles.
El lienzo derecho solo debe usarse con sets de texturas estándar.</translation>
    </message>
    <message>
        <source>     SOURCE CANVAS. Left-click and drag to select, right-click and drag to animate.</source>
        <translation>     LIENZO DE ORIGEN. Clic izquierdo y arrastrar para seleccionar, clic derecho y arrastrar para animar.</translation>
    </message>
    <message>
        <source>     File options.</source>
        <translation>     Opciones de archivo.</translation>
    </message>
    <message>
        <source>     Source area info.</source>
        <translation>     Información del área de origen.</translation>
    </message>
    <message>
        <source>     Reset: the grid goes back to the origin&apos;s position.</source>
        <translation>     Reiniciar: la cuadrícula vuelve a su posición de origen.</translation>
    </message>
    <message>
        <source>     View: toggles the grid&apos;s visibility.</source>
        <translation>     Ver: muestra u oculta la cuadrícula.</translation>
    </message>
    <message>
        <source>     Style: selects the design of the grid.</source>
        <translation>     Estilo: elige el diseño de la cuadrícula.</translation>
    </message>
    <message>
        <source>     Size: selects the resolution of the grid, in pixels ( 8x8, 16x16, 32x32, 64x64 ).</source>
        <translation>     Tamaño: elige la resolución de la cuadrícula, en píxeles ( 8x8, 16x16, 32x32, 64x64 ).</translation>
    </message>
    <message>
        <source>     None: textures are extracted as they are in-file.</source>
        <translation>     Ninguna: las texturas se extraen tal como están en el archivo.</translation>
    </message>
    <message>
        <source>     Convert: textures are rendered using magenta as transparent colour.</source>
        <translation>     Convertir: las texturas se muestran con magenta como color transparente.</translation>
    </message>
    <message>
        <source>     Colour Picker: selects the colour to be replaced with magenta.</source>
        <translation>     Cuentagotas: elige el color que se reemplaza por magenta.</translation>
    </message>
    <message>
        <source>     Alpha: extracts the alpha channel from the Source Canvas.</source>
        <translation>     Alfa: extrae el canal alfa del lienzo de origen.</translation>
    </message>
    <message>
        <source>     Stop: stops the texture animation.</source>
        <translation>     Detener: detiene la animación de texturas.</translation>
    </message>
    <message>
        <source>     Speed: slows down the speed of the texture animation.</source>
        <translation>     Velocidad: ralentiza la animación de texturas.</translation>
    </message>
    <message>
        <source>     CENTRAL PANEL. Left-click on empty space to cancel animations, transformations or pasting.</source>
        <translation>     PANEL CENTRAL. Clic izquierdo en un espacio vacío para cancelar animaciones, transformaciones o el pegado.</translation>
    </message>
    <message>
        <source>     Replaces the Target Canvas with the Source Canvas, using the Grid.</source>
        <translation>     Reemplaza el lienzo de destino por el lienzo de origen, según la cuadrícula.</translation>
    </message>
    <message>
        <source>     Resizes the selected tiles to standard sizes.</source>
        <translation>     Redimensiona los tiles seleccionados a tamaños estándar.</translation>
    </message>
    <message>
        <source>     Colour pot: default transparent colour ( magenta = 255,0,255 )</source>
        <translation>     Bote de color: color transparente por defecto ( magenta = 255,0,255 )</translation>
    </message>
    <message>
        <source>     Colour pot: default empty colour ( black = 0,0,0 )</source>
        <translation>     Bote de color: color vacío por defecto ( negro = 0,0,0 )</translation>
    </message>
    <message>
        <source>     Colour pot: suggested filler colour ( maroon = 128,0,0 ). Double-click to change the colour</source>
        <translation>     Bote de color: color de relleno sugerido ( granate = 128,0,0 ). Doble clic para cambiar el color</translation>
    </message>
    <message>
        <source>     Tile viewer.</source>
        <translation>     Visor de tiles.</translation>
    </message>
    <message>
        <source>     Export tiles to the Clipboard</source>
        <translation>     Exportar tiles al portapapeles</translation>
    </message>
    <message>
        <source>     Import tiles from the Clipboard</source>
        <translation>     Importar tiles del portapapeles</translation>
    </message>
    <message>
        <source>     Export tiles to the Clipboard automatically</source>
        <translation>     Exportar tiles al portapapeles automáticamente</translation>
    </message>
    <message>
        <source>     Import tiles from the Clipboard automatically</source>
        <translation>     Importar tiles del portapapeles automáticamente</translation>
    </message>
    <message>
        <source>     Help &amp; Credits</source>
        <translation>     Ayuda y créditos</translation>
    </message>
    <message>
        <source>     TARGET CANVAS. Press [CTRL] to repeat pasting. Right-click to cancel animations, transformations or pasting.</source>
        <translation>     LIENZO DE DESTINO. Mantén [CTRL] para pegar varias veces. Clic derecho para cancelar animaciones, transformaciones o el pegado.</translation>
    </message>
    <message>
        <source>     Target Canvas width in pages ( 1 or 2 ), being 1 = 256 pixels for the Level Editors, 2 = 512 pixels for Libraries.</source>
        <translation>     Ancho del lienzo de destino en páginas ( 1 o 2 ): 1 = 256 píxeles para los editores de niveles, 2 = 512 píxeles para bibliotecas.</translation>
    </message>
    <message>
        <source>     Target Canvas height in pages, 1 to 64.</source>
        <translation>     Alto del lienzo de destino en páginas, de 1 a 64.</translation>
    </message>
    <message>
        <source>     Target area info. Goes red if the number of tiles exceeds 256.</source>
        <translation>     Información del área de destino. Se pone en rojo si hay más de 256 tiles.</translation>
    </message>
    <message>
        <source>     Stop: cancels the Transformations Mode.</source>
        <translation>     Detener: cancela el modo de transformaciones.</translation>
    </message>
    <message>
        <source>     Rotation: rotates a tile 90 degrees.</source>
        <translation>     Rotar: gira un tile 90 grados.</translation>
    </message>
    <message>
        <source>     HFlip: mirrors a tile.</source>
        <translation>     Voltear H: refleja un tile horizontalmente.</translation>
    </message>
    <message>
        <source>     VFlip: inverts a tile.</source>
        <translation>     Voltear V: invierte un tile verticalmente.</translation>
    </message>
    <message>
        <source>     Swap: click-and-drag to exchange the position of two tiles.</source>
        <translation>     Intercambiar: haz clic y arrastra para intercambiar la posición de dos tiles.</translation>
    </message>
    <message>
        <source>     Move: click-and-drag to move one tile to another position.</source>
        <translation>     Mover: haz clic y arrastra para mover un tile a otra posición.</translation>
    </message>
    <message>
        <source>   --- Extract Level Textures as Tiles</source>
        <translation>   --- Extraer texturas del nivel como mosaicos</translation>
    </message>
    <message>
        <source>page %1 · %2 × %3 at %4, %5</source>
        <translation>página %1 · %2 × %3 en %4, %5</translation>
    </message>
    <message>
        <source>1 object texture</source>
        <translation>1 textura de objeto</translation>
    </message>
    <message>
        <source>%1 object textures</source>
        <translation>%1 texturas de objeto</translation>
    </message>
    <message>
        <source>animated</source>
        <translation>animada</translation>
    </message>
</context>
<context>
    <name>PictureFormat</name>
    <message>
        <source>Windows or OS/2 Bitmap</source>
        <translation>Mapa de bits de Windows u OS/2</translation>
    </message>
    <message>
        <source>Jpeg File Interchange</source>
        <translation>Jpeg File Interchange</translation>
    </message>
    <message>
        <source>Truevision Targa</source>
        <translation>Truevision Targa</translation>
    </message>
    <message>
        <source>Tagged Image File</source>
        <translation>Tagged Image File</translation>
    </message>
    <message>
        <source>Adobe Photoshop</source>
        <translation>Adobe Photoshop</translation>
    </message>
    <message>
        <source>Paint Shop Pro Image</source>
        <translation>Paint Shop Pro Image</translation>
    </message>
    <message>
        <source>ZSoft Paintbrush</source>
        <translation>ZSoft Paintbrush</translation>
    </message>
    <message>
        <source>Portable Network Graphics</source>
        <translation>Portable Network Graphics</translation>
    </message>
    <message>
        <source>Graphics Interchange Format</source>
        <translation>Graphics Interchange Format</translation>
    </message>
    <message>
        <source>Level Editor Sky</source>
        <translation>Cielo del editor de niveles</translation>
    </message>
    <message>
        <source>Level Editor Font</source>
        <translation>Fuente del editor de niveles</translation>
    </message>
</context>
<context>
    <name>PixelFormat</name>
    <message>
        <source>1 bit</source>
        <translation>1 bit</translation>
    </message>
    <message>
        <source>4 bits (16 col)</source>
        <translation>4 bits (16 colores)</translation>
    </message>
    <message>
        <source>8 bits (256 col)</source>
        <translation>8 bits (256 colores)</translation>
    </message>
    <message>
        <source>15 bits</source>
        <translation>15 bits</translation>
    </message>
    <message>
        <source>16 bits</source>
        <translation>16 bits</translation>
    </message>
    <message>
        <source>24 bits</source>
        <translation>24 bits</translation>
    </message>
    <message>
        <source>32 bits</source>
        <translation>32 bits</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>TileCensus</name>
    <message>
        <source>%1 cells: %2 used, %3 unique, %4 empty</source>
        <translation>%1 celdas: %2 usadas, %3 únicas, %4 vacías</translation>
    </message>
</context>
<context>
    <name>mosaicor</name>
    <message>
        <source>copies, also turned or mirrored</source>
        <translation>copias, también giradas o reflejadas</translation>
    </message>
    <message>
        <source>exact copies</source>
        <translation>copias exactas</translation>
    </message>
    <message>
        <source>, near ones with every channel within %1</source>
        <translation>, y parecidas con cada canal a %1 como mucho</translation>
    </message>
</context>
<context>
    <name>mosaicor::AboutWindow</name>
    <message>
        <source>   About,   Help   &amp;   Credits</source>
        <translation>   Acerca de,   Ayuda   y   Créditos</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Texture sets builder
for the Tomb Raider legacy level editors</source>
        <translation>Creador de sets de texturas
para los editores de niveles clásicos de Tomb Raider</translation>
    </message>
    <message>
        <source>Made by the Mosaicor developers.
CREDITS names the libraries it is built on.</source>
        <translation>Hecho por los desarrolladores de Mosaicor.
CRÉDITOS nombra las bibliotecas en las que se basa.</translation>
    </message>
    <message>
        <source>The manual and the credits are in English.</source>
        <translation>El manual y los créditos están en inglés.</translation>
    </message>
    <message>
        <source>Mosaicor is a fan-made tool, free to use. It is not made, endorsed or supported by the owners of the Tomb Raider games and their level editors, and it is not affiliated with them. Tomb Raider is a trademark of its owner. Keep copies of your work: the tool comes with no warranty.</source>
        <translation>Mosaicor es una herramienta hecha por fans y de uso libre. No está hecha, respaldada ni soportada por los propietarios de los juegos de Tomb Raider y de sus editores de niveles, ni está afiliada a ellos. Tomb Raider es una marca registrada de su propietario. Guarda copias de tu trabajo: la herramienta no ofrece ninguna garantía.</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AYUDA</translation>
    </message>
    <message>
        <source>CREDITS</source>
        <translation>CRÉDITOS</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>mosaicor::CreditsWindow</name>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
</context>
<context>
    <name>mosaicor::HelpWindow</name>
    <message>
        <source>   Help</source>
        <translation>   Ayuda</translation>
    </message>
</context>
<context>
    <name>mosaicor::LevelLoadingWindow</name>
    <message>
        <source>|TR1 (1996) - Tomb Raider (*.phd)|*.PHD|TR1 (1999) - Tomb Raider Gold (*.tub)|*.TUB|TR2 (1997) - Starring Lara Croft (*.tr2)|*.TR2|TR2 (1997) - Golden Mask (*.tr2)|*.TR2|TR3 (1998) - Adventures of Lara Croft (*.tr2)|*.TR2|TR3 (2000) - The Lost Artifact (*.tr2)|*.TR2|TR4 (1999) - The Last Revelation (*.tr4)|*.TR4|TR5 (2000) - Chronicles (*.trc)|*.TRC|All Files (*.*)|*.*</source>
        <extracomment>Name|patterns pairs: translate the names only, keep every | and pattern.</extracomment>
        <translation>|TR1 (1996) - Tomb Raider (*.phd)|*.PHD|TR1 (1999) - Tomb Raider Gold (*.tub)|*.TUB|TR2 (1997) - Starring Lara Croft (*.tr2)|*.TR2|TR2 (1997) - Golden Mask (*.tr2)|*.TR2|TR3 (1998) - Adventures of Lara Croft (*.tr2)|*.TR2|TR3 (2000) - The Lost Artifact (*.tr2)|*.TR2|TR4 (1999) - The Last Revelation (*.tr4)|*.TR4|TR5 (2000) - Chronicles (*.trc)|*.TRC|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Tomb Raider Files</source>
        <translation>Archivos de Tomb Raider</translation>
    </message>
    <message>
        <source>   Loading...</source>
        <translation>   Cargando...</translation>
    </message>
    <message>
        <source>   ----- EXTRACT TOMB RAIDER TEXTURES -----</source>
        <translation>   ----- EXTRAER TEXTURAS DE TOMB RAIDER -----</translation>
    </message>
    <message>
        <source>Object Libraries</source>
        <translation>Bibliotecas de objetos</translation>
    </message>
    <message>
        <source>   ----- EXTRACT LEVEL TEXTURES AS TILES -----</source>
        <translation>   ----- EXTRAER TEXTURAS DEL NIVEL COMO MOSAICOS -----</translation>
    </message>
</context>
<context>
    <name>mosaicor::MainWindow</name>
    <message>
        <source>The texture set has changes that are not saved.</source>
        <translation>El set de texturas tiene cambios sin guardar.</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>¿Guardarlos primero?</translation>
    </message>
    <message>
        <source>x %1, y %2 · tile %3 · page %4</source>
        <translation>x %1, y %2 · tile %3 · página %4</translation>
    </message>
    <message>
        <source>     Zoom: shows the canvas larger ( Ctrl + wheel, Ctrl++, Ctrl+-, Ctrl+0 ).</source>
        <translation>     Zoom: muestra el lienzo más grande ( Ctrl + rueda, Ctrl++, Ctrl+-, Ctrl+0 ).</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Picker</source>
        <translation>Cuentagotas</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alfa</translation>
    </message>
    <message>
        <source>AUTO EXPORT</source>
        <translation>AUTO EXPORTAR</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>AUTO IMPORT</source>
        <translation>AUTO IMPORTAR</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Rotar</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Intercambiar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>     File options.</source>
        <translation>     Opciones de archivo.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Load Image File...</source>
        <translation>Cargar archivo de imagen...</translation>
    </message>
    <message>
        <source>Extract Textures...</source>
        <translation>Extraer texturas...</translation>
    </message>
    <message>
        <source>Extract Animated Textures...</source>
        <translation>Extraer texturas animadas...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Reload a Texture Set File...</source>
        <translation>Recargar un set de texturas...</translation>
    </message>
    <message>
        <source>Create New</source>
        <translation>Crear nuevo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>     Undoes the last change to the Target.</source>
        <translation>     Deshace el último cambio en el destino.</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>     Redoes the last change undone on the Target.</source>
        <translation>     Rehace el último cambio deshecho en el destino.</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar todo</translation>
    </message>
    <message>
        <source>Export tile</source>
        <translation>Exportar tile</translation>
    </message>
    <message>
        <source>Import tile</source>
        <translation>Importar tile</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer: %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Grid shown</source>
        <translation>Mostrar cuadrícula</translation>
    </message>
    <message>
        <source>     Zoom of the canvas under the pointer.</source>
        <translation>     Zoom del lienzo bajo el puntero.</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Alpha layer</source>
        <translation>Capa alfa</translation>
    </message>
    <message>
        <source>     Alpha: shows the alpha channel of the Source Canvas.</source>
        <translation>     Alfa: muestra el canal alfa del lienzo de origen.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>     Help &amp; Credits</source>
        <translation>     Ayuda y créditos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles</source>
        <translation>Añadir imágenes como tiles</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles…</source>
        <translation>Añadir imágenes como tiles…</translation>
    </message>
    <message>
        <source>     Add Pictures as Tiles: each picture goes into the next free cells of the Target.</source>
        <translation>     Añadir imágenes como tiles: cada imagen va a las siguientes celdas libres del destino.</translation>
    </message>
    <message>
        <source>Tile Census</source>
        <translation>Censo de tiles</translation>
    </message>
    <message>
        <source>     Tile Census: numbers the Target&apos;s twin cells and shades its empty ones.</source>
        <translation>     Censo de tiles: numera las celdas gemelas del destino y sombrea las vacías.</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be added as tiles:

%3</source>
        <translation>No se pudieron añadir como tiles %1 de %2 imágenes:

%3</translation>
    </message>
    <message>
        <source>24-bit %1</source>
        <extracomment>%1 is the file&apos;s format: BMP, PNG, ...</extracomment>
        <translation>%1 de 24 bits</translation>
    </message>
    <message>
        <source>uncompressed 24-bit TGA</source>
        <translation>TGA de 24 bits sin comprimir</translation>
    </message>
    <message>
        <source>     Saved %1: %2 x %3 pixels, %4, %5 bytes</source>
        <translation>     Guardado %1: %2 x %3 píxeles, %4, %5 bytes</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… y %1 más.</translation>
    </message>
    <message>
        <source>Duplicates Up to Rotation and Mirror</source>
        <translation>Duplicados salvo giro y espejo</translation>
    </message>
    <message>
        <source>     Census: cells that are the same when turned or mirrored count as duplicates.</source>
        <translation>     Censo: las celdas iguales al girarlas o reflejarlas cuentan como duplicados.</translation>
    </message>
    <message>
        <source>Near Duplicates</source>
        <translation>Casi duplicados</translation>
    </message>
    <message>
        <source>     Census: cells within the tolerance of a group&apos;s first cell count as duplicates.</source>
        <translation>     Censo: las celdas dentro de la tolerancia de la primera celda de un grupo cuentan como duplicados.</translation>
    </message>
    <message>
        <source>Near Duplicates Tolerance…</source>
        <translation>Tolerancia de casi duplicados…</translation>
    </message>
    <message>
        <source>Compact Set…</source>
        <translation>Compactar set…</translation>
    </message>
    <message>
        <source>     Compact Set: drops the Target&apos;s empty and duplicate cells and moves the others to the front.</source>
        <translation>     Compactar set: quita las celdas vacías y duplicadas del Destino y adelanta las demás.</translation>
    </message>
    <message>
        <source>Near Duplicates (Tolerance %1)</source>
        <translation>Casi duplicados (tolerancia %1)</translation>
    </message>
    <message>
        <source>Compact Set</source>
        <translation>Compactar set</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Compactar</translation>
    </message>
    <message>
        <source>Move maps (*.csv)</source>
        <translation>Mapas de movimientos (*.csv)</translation>
    </message>
    <message>
        <source>Cells are near duplicates when no channel of any pixel differs by more than:</source>
        <translation>Las celdas son casi duplicados cuando ningún canal de ningún píxel difiere en más de:</translation>
    </message>
    <message>
        <source>The Target cannot be compacted: %1</source>
        <translation>El Destino no se puede compactar: %1</translation>
    </message>
    <message>
        <source>Alpha → Magenta</source>
        <translation>Alfa → Magenta</translation>
    </message>
    <message>
        <source>Pixels of a picture with transparency whose alpha is below the threshold become magenta</source>
        <translation>Los píxeles de una imagen con transparencia cuyo alfa está por debajo del umbral se vuelven magenta</translation>
    </message>
    <message>
        <source>Clean fringe</source>
        <translation>Limpiar borde</translation>
    </message>
    <message>
        <source>This picture has transparency: TRANSPARENCY ▸ Alpha → Magenta keys it for the level editor</source>
        <translation>Esta imagen tiene transparencia: TRANSPARENCIA ▸ Alfa → Magenta la convierte en magenta para el editor de niveles</translation>
    </message>
    <message>
        <source>%1 frames, delays in ms: %2</source>
        <translation>%1 fotogramas, retardos en ms: %2</translation>
    </message>
    <message>
        <source>Extract Level Textures as Tiles...</source>
        <translation>Extraer texturas del nivel como mosaicos...</translation>
    </message>
    <message>
        <source>Save into Object Library…</source>
        <translation>Guardar en biblioteca de objetos…</translation>
    </message>
    <message>
        <source>     Save into Object Library: the Target&apos;s pages become the texture pages of a .wad, the old file kept as .bak.wad.</source>
        <translation>     Guardar en biblioteca de objetos: las páginas del Destino pasan a ser las páginas de texturas de un .wad; el archivo antiguo se conserva como .bak.wad.</translation>
    </message>
    <message>
        <source>Save into Object Library</source>
        <translation>Guardar en biblioteca de objetos</translation>
    </message>
    <message>
        <source>Object Libraries</source>
        <translation>Bibliotecas de objetos</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Save the Move Map: where each used cell of the old set now stands (CSV)</source>
        <translation>Guardar el mapa de movimientos: dónde está ahora cada celda usada del set anterior (CSV)</translation>
    </message>
    <message>
        <source>Compact the Target?

Duplicates: %1
Cells: %2 → %3 (the 64 x 64 places of the shown pages)
Pages: %4 → %5
Tiles: %6 → %7 (the cells that hold something; the level editor takes %8)

Each cell moves on its own: a texture that spans several cells may be split.
Afterwards you can save the move map, which tells a level&apos;s faces where their cells went.</source>
        <translation>¿Compactar el Destino?

Duplicados: %1
Celdas: %2 → %3 (los huecos de 64 x 64 de las páginas mostradas)
Páginas: %4 → %5
Tiles: %6 → %7 (las celdas que contienen algo; el editor de niveles admite %8)

Cada celda se mueve por separado: una textura que ocupa varias celdas puede quedar dividida.
Después puede guardar el mapa de movimientos, que indica a las caras de un nivel adónde fueron sus celdas.</translation>
    </message>
    <message>
        <source>The compaction is undone. The move map saved with it,
%1,
describes a change that was undone: it no longer fits the Target. Delete it, or keep it only if you compact again the same way.</source>
        <translation>La compactación se ha deshecho. El mapa de movimientos guardado con ella,
%1,
describe un cambio deshecho: ya no corresponde al Destino. Bórrelo, o consérvelo solo si vuelve a compactar del mismo modo.</translation>
    </message>
    <message>
        <source>Also update the project that uses this set…</source>
        <translation>Actualizar también el proyecto que usa este set…</translation>
    </message>
    <message>
        <source>The Project That Uses This Set</source>
        <translation>El proyecto que usa este set</translation>
    </message>
    <message>
        <source>Level editor projects (*.prj *.PRJ)</source>
        <translation>Proyectos del editor de niveles (*.prj *.PRJ)</translation>
    </message>
    <message>
        <source>Keep a Backup</source>
        <translation>Guardar una copia de seguridad</translation>
    </message>
    <message>
        <source>With the project %1: animated cells stay where they are, cells whose settings differ are not merged, and the cells its faces show are used even when empty.</source>
        <translation>Con el proyecto %1: las celdas animadas se quedan donde están, las celdas con ajustes distintos no se unen y las celdas que muestran sus caras cuentan como usadas aunque estén vacías.</translation>
    </message>
    <message>
        <source>Its texture file is %1, not %2: it is updated all the same.</source>
        <translation>Su archivo de texturas es %1, no %2: se actualiza igualmente.</translation>
    </message>
    <message>
        <source>Nothing was saved: the backup %1 is kept as it was.</source>
        <translation>No se guardó nada: la copia de seguridad %1 se conserva como estaba.</translation>
    </message>
    <message>
        <source>Saved the compacted set %1 and the updated project %2.
The old files are kept as %3 and %4.
Open %2 in the level editor: its faces show what they showed.</source>
        <translation>Se guardaron el set compactado %1 y el proyecto actualizado %2.
Los archivos anteriores se conservan como %3 y %4.
Abra %2 en el editor de niveles: sus caras muestran lo que mostraban.</translation>
    </message>
    <message>
        <source>     Saved the Target&apos;s pages into %1; the old file is kept as %2</source>
        <translation>     Páginas del Destino guardadas en %1; el archivo antiguo se conserva como %2</translation>
    </message>
    <message>
        <source>%1 already exists: it keeps the file as it was before an earlier save.

Replace it with the file as it is now?</source>
        <translation>%1 ya existe: guarda el archivo tal como era antes de un guardado anterior.

¿Reemplazarla por el archivo tal como está ahora?</translation>
    </message>
</context>
<context>
    <name>mosaicor::PictureDialogs</name>
    <message>
        <source>   ----- LOADING IMAGE FILE -----</source>
        <translation>   ----- CARGANDO ARCHIVO DE IMAGEN -----</translation>
    </message>
    <message>
        <source>   ----- SAVING IMAGE FILE -----</source>
        <translation>   ----- GUARDANDO ARCHIVO DE IMAGEN -----</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Supported Input Files</source>
        <translation>Archivos de entrada admitidos</translation>
    </message>
    <message>
        <source>Supported Output Files</source>
        <translation>Archivos de salida admitidos</translation>
    </message>
</context>
<context>
    <name>mosaicor::Reasons</name>
    <message>
        <source>not a level file</source>
        <translation>no es un archivo de nivel</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>archivo no encontrado</translation>
    </message>
    <message>
        <source>unknown level version</source>
        <translation>versión de nivel desconocida</translation>
    </message>
    <message>
        <source>encrypted TR4 level: not supported</source>
        <translation>nivel TR4 cifrado: no admitido</translation>
    </message>
    <message>
        <source>level file ends early</source>
        <translation>el archivo de nivel termina antes de tiempo</translation>
    </message>
    <message>
        <source>level file ends early in %1</source>
        <translation>el archivo de nivel termina antes de tiempo: %1</translation>
    </message>
    <message>
        <source>32-bit texture pages are missing</source>
        <translation>faltan las páginas de texturas de 32 bits</translation>
    </message>
    <message>
        <source>no texture pages</source>
        <translation>no hay páginas de texturas</translation>
    </message>
    <message>
        <source>no animated textures</source>
        <translation>no hay texturas animadas</translation>
    </message>
    <message>
        <source>damaged compressed data</source>
        <translation>datos comprimidos dañados</translation>
    </message>
    <message>
        <source>damaged compressed data in %1</source>
        <translation>datos comprimidos dañados: %1</translation>
    </message>
    <message>
        <source>the %1 at offset %2 (0x%3)</source>
        <translation>sección «%1» en el desplazamiento %2 (0x%3)</translation>
    </message>
    <message>
        <source>the %1 at offset %2 (0x%3) of the inflated level data</source>
        <translation>sección «%1» en el desplazamiento %2 (0x%3) de los datos de nivel descomprimidos</translation>
    </message>
    <message>
        <source>room %1 at offset %2 (0x%3)</source>
        <translation>sala %1 en el desplazamiento %2 (0x%3)</translation>
    </message>
    <message>
        <source>room %1 at offset %2 (0x%3) of the inflated level data</source>
        <translation>sala %1 en el desplazamiento %2 (0x%3) de los datos de nivel descomprimidos</translation>
    </message>
    <message>
        <source>compressed data unpacks to more than %1 MiB, more than any level holds</source>
        <translation>los datos comprimidos ocupan más de %1 MiB al descomprimirse, más de lo que contiene cualquier nivel</translation>
    </message>
    <message>
        <source>a %1 picture, not a Tomb Raider level</source>
        <translation>una imagen %1, no un nivel de Tomb Raider</translation>
    </message>
    <message>
        <source>the level claims %1 texture pages (at most %2)</source>
        <translation>el nivel declara %1 páginas de texturas (como máximo %2)</translation>
    </message>
    <message>
        <source>the file is too large for a level (%1 MiB; levels are read up to %2 MiB)</source>
        <translation>el archivo es demasiado grande para un nivel (%1 MiB; los niveles se leen hasta %2 MiB)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 format not supported.</source>
        <translation>Formato %1 no admitido.</translation>
    </message>
    <message>
        <source>This file has a non supported compression scheme.</source>
        <translation>Este archivo usa un esquema de compresión no admitido.</translation>
    </message>
    <message>
        <source>a Tomb Raider level, not a picture</source>
        <translation>un nivel de Tomb Raider, no una imagen</translation>
    </message>
    <message>
        <source>the file is too large (%1 MiB; pictures are read up to %2 MiB)</source>
        <translation>el archivo es demasiado grande (%1 MiB; las imágenes se leen hasta %2 MiB)</translation>
    </message>
    <message>
        <source>not enough memory for the 32-bit picture</source>
        <translation>memoria insuficiente para la imagen de 32 bits</translation>
    </message>
    <message>
        <source>not enough memory for a %1 x %2 picture</source>
        <translation>memoria insuficiente para una imagen de %1 x %2</translation>
    </message>
    <message>
        <source>no picture described</source>
        <translation>no se describe ninguna imagen</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1 x %2)</source>
        <translation>la imagen no tiene píxeles (%1 x %2)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>la imagen es demasiado grande (%1 x %2 píxeles)</translation>
    </message>
    <message>
        <source>the file is shorter than its %1 x %2 picture</source>
        <translation>el archivo es más corto que su imagen de %1 x %2</translation>
    </message>
    <message>
        <source>the file is too short for its %1 x %2 picture</source>
        <translation>el archivo es demasiado corto para su imagen de %1 x %2</translation>
    </message>
    <message>
        <source>not a BMP file</source>
        <translation>no es un archivo BMP</translation>
    </message>
    <message>
        <source>the file ends inside the BMP header</source>
        <translation>el archivo termina dentro de la cabecera BMP</translation>
    </message>
    <message>
        <source>unknown BMP header size %1</source>
        <translation>tamaño de cabecera BMP desconocido %1</translation>
    </message>
    <message>
        <source>OS/2 Huffman and RLE24 bitmaps are not supported</source>
        <translation>los mapas de bits OS/2 Huffman y RLE24 no se admiten</translation>
    </message>
    <message>
        <source>the file ends inside the colour masks</source>
        <translation>el archivo termina dentro de las máscaras de color</translation>
    </message>
    <message>
        <source>the pixel data lies outside the file</source>
        <translation>los datos de píxeles quedan fuera del archivo</translation>
    </message>
    <message>
        <source>BMP files of %1 bits per pixel are not supported</source>
        <translation>los archivos BMP de %1 bits por píxel no se admiten</translation>
    </message>
    <message>
        <source>BMP compression %1 is not supported for %2 bits per pixel</source>
        <translation>la compresión BMP %1 no se admite con %2 bits por píxel</translation>
    </message>
    <message>
        <source>a run-length encoded BMP cannot be stored top-down</source>
        <translation>un BMP con codificación RLE no puede almacenarse de arriba abajo</translation>
    </message>
    <message>
        <source>the picture is too large to decode progressively (%1 x %2 pixels)</source>
        <translation>la imagen es demasiado grande para decodificarse de forma progresiva (%1 x %2 píxeles)</translation>
    </message>
    <message>
        <source>the file is cut short: it ends before the picture&apos;s last rows</source>
        <translation>el archivo está cortado: termina antes de las últimas filas de la imagen</translation>
    </message>
    <message>
        <source>JPEG error: %1</source>
        <translation>error de JPEG: %1</translation>
    </message>
    <message>
        <source>not a PCX file</source>
        <translation>no es un archivo PCX</translation>
    </message>
    <message>
        <source>PCX pictures of %1 bits in %2 planes are not supported</source>
        <translation>las imágenes PCX de %1 bits en %2 planos no se admiten</translation>
    </message>
    <message>
        <source>unknown PCX encoding %1</source>
        <translation>codificación PCX desconocida %1</translation>
    </message>
    <message>
        <source>the PCX rows (%1 bytes) are too short for %2 pixels</source>
        <translation>las filas PCX (%1 bytes) son demasiado cortas para %2 píxeles</translation>
    </message>
    <message>
        <source>the PCX picture data ends at row %1 of %2</source>
        <translation>los datos de imagen PCX terminan en la fila %1 de %2</translation>
    </message>
    <message>
        <source>not a PNG file</source>
        <translation>no es un archivo PNG</translation>
    </message>
    <message>
        <source>the PNG file does not begin with its header chunk</source>
        <translation>el archivo PNG no empieza con su bloque de cabecera</translation>
    </message>
    <message>
        <source>the PNG chunk &quot;%1&quot; at offset %2 claims %3 bytes, but only %4 are left</source>
        <translation>el bloque PNG «%1» en el desplazamiento %2 declara %3 bytes, pero solo quedan %4</translation>
    </message>
    <message>
        <source>PNG error: %1</source>
        <translation>error de PNG: %1</translation>
    </message>
    <message>
        <source>not a Photoshop file</source>
        <translation>no es un archivo de Photoshop</translation>
    </message>
    <message>
        <source>Photoshop files of version %1 (large documents) are not supported</source>
        <translation>los archivos de Photoshop de la versión %1 (documentos grandes) no se admiten</translation>
    </message>
    <message>
        <source>the file ends inside its header sections</source>
        <translation>el archivo termina dentro de sus secciones de cabecera</translation>
    </message>
    <message>
        <source>Photoshop colour mode %1 is not supported</source>
        <translation>el modo de color de Photoshop %1 no se admite</translation>
    </message>
    <message>
        <source>Photoshop makes no %1 pictures of %2 bits a channel</source>
        <translation>Photoshop no crea imágenes %1 de %2 bits por canal</translation>
    </message>
    <message>
        <source>the picture has %1 channels where its colour mode needs %2</source>
        <translation>la imagen tiene %1 canales donde su modo de color necesita %2</translation>
    </message>
    <message>
        <source>the indexed picture has no palette</source>
        <translation>la imagen indexada no tiene paleta</translation>
    </message>
    <message>
        <source>the file ends before its image data</source>
        <translation>el archivo termina antes de sus datos de imagen</translation>
    </message>
    <message>
        <source>the file ends inside its image data</source>
        <translation>el archivo termina dentro de sus datos de imagen</translation>
    </message>
    <message>
        <source>Photoshop image data compression %1 is not supported</source>
        <translation>la compresión de datos de imagen de Photoshop %1 no se admite</translation>
    </message>
    <message>
        <source>the file ends inside its row table</source>
        <translation>el archivo termina dentro de su tabla de filas</translation>
    </message>
    <message>
        <source>the image data is too short for the picture</source>
        <translation>los datos de imagen son demasiado cortos para la imagen</translation>
    </message>
    <message>
        <source>not a Paint Shop Pro file</source>
        <translation>no es un archivo de Paint Shop Pro</translation>
    </message>
    <message>
        <source>Paint Shop Pro files of format version %1 are not supported</source>
        <translation>los archivos de Paint Shop Pro con versión de formato %1 no se admiten</translation>
    </message>
    <message>
        <source>the %1 is damaged</source>
        <translation>«%1» está dañado</translation>
    </message>
    <message>
        <source>the block at byte %1 is damaged</source>
        <translation>el bloque en el byte %1 está dañado</translation>
    </message>
    <message>
        <source>a channel holds too few bytes for its %1 x %2 pixels</source>
        <translation>un canal contiene muy pocos bytes para sus %1 x %2 píxeles</translation>
    </message>
    <message>
        <source>a channel&apos;s compressed data is damaged</source>
        <translation>los datos comprimidos de un canal están dañados</translation>
    </message>
    <message>
        <source>a channel unpacks to %1 bytes where %2 x %3 pixels need %4</source>
        <translation>un canal se descomprime en %1 bytes donde %2 x %3 píxeles necesitan %4</translation>
    </message>
    <message>
        <source>a channel lies outside the file</source>
        <translation>un canal queda fuera del archivo</translation>
    </message>
    <message>
        <source>a layer lacks some of its colour channels</source>
        <translation>a una capa le faltan algunos de sus canales de color</translation>
    </message>
    <message>
        <source>the file has no image attributes</source>
        <translation>el archivo no tiene atributos de imagen</translation>
    </message>
    <message>
        <source>Paint Shop Pro pictures of %1 bits per pixel are not supported</source>
        <translation>las imágenes de Paint Shop Pro de %1 bits por píxel no se admiten</translation>
    </message>
    <message>
        <source>Paint Shop Pro compression %1 is not supported</source>
        <translation>la compresión de Paint Shop Pro %1 no se admite</translation>
    </message>
    <message>
        <source>the paletted picture has no palette</source>
        <translation>la imagen con paleta no tiene paleta</translation>
    </message>
    <message>
        <source>the file ends inside the TGA header</source>
        <translation>el archivo termina dentro de la cabecera TGA</translation>
    </message>
    <message>
        <source>the picture has a pixel depth of 0</source>
        <translation>la imagen tiene una profundidad de píxel de 0</translation>
    </message>
    <message>
        <source>pixel depth %1 is not supported</source>
        <translation>la profundidad de píxel %1 no se admite</translation>
    </message>
    <message>
        <source>TGA image type %1 is not supported</source>
        <translation>el tipo de imagen TGA %1 no se admite</translation>
    </message>
    <message>
        <source>colour map entries of %1 bits are not supported</source>
        <translation>las entradas de mapa de colores de %1 bits no se admiten</translation>
    </message>
    <message>
        <source>the file ends inside the image ID</source>
        <translation>el archivo termina dentro del identificador de imagen</translation>
    </message>
    <message>
        <source>the file ends inside the colour map</source>
        <translation>el archivo termina dentro del mapa de colores</translation>
    </message>
    <message>
        <source>not a TIFF file</source>
        <translation>no es un archivo TIFF</translation>
    </message>
    <message>
        <source>not a readable TIFF file</source>
        <translation>no es un archivo TIFF legible</translation>
    </message>
    <message>
        <source>TIFF error: %1</source>
        <translation>error de TIFF: %1</translation>
    </message>
    <message>
        <source>the TIFF picture&apos;s strips or tiles do not fit it</source>
        <translation>las tiras o mosaicos de la imagen TIFF no encajan con ella</translation>
    </message>
    <message>
        <source>the TIFF picture data is damaged</source>
        <translation>los datos de imagen TIFF están dañados</translation>
    </message>
    <message>
        <source>unsupported TIFF layout: %1</source>
        <translation>estructura TIFF no admitida: %1</translation>
    </message>
    <message>
        <source>the TIFF picture has too many samples per pixel (%1)</source>
        <translation>la imagen TIFF tiene demasiadas muestras por píxel (%1)</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>No hay ninguna imagen que guardar.</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels is too large for a BMP file.</source>
        <translation>Una imagen de %1 x %2 píxeles es demasiado grande para un archivo BMP.</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels is too large for a TGA file (at most 65535 x 65535); save it as BMP instead.</source>
        <translation>Una imagen de %1 x %2 píxeles es demasiado grande para un archivo TGA (como máximo 65535 x 65535); guárdela como BMP.</translation>
    </message>
    <message>
        <source>Cannot write the JPEG picture: %1</source>
        <translation>No se puede escribir la imagen JPEG: %1</translation>
    </message>
    <message>
        <source>Cannot write the PNG picture: %1</source>
        <translation>No se puede escribir la imagen PNG: %1</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>la imagen está vacía</translation>
    </message>
    <message>
        <source>cannot resample a %1 x %2 picture</source>
        <translation>no se puede remuestrear una imagen de %1 x %2</translation>
    </message>
    <message>
        <source>not enough memory to grow the set</source>
        <translation>memoria insuficiente para ampliar el conjunto</translation>
    </message>
    <message>
        <source>the tile is empty</source>
        <translation>el mosaico está vacío</translation>
    </message>
    <message>
        <source>a %1 x %2 tile is wider than the %3-pixel set</source>
        <translation>un mosaico de %1 x %2 es más ancho que el conjunto de %3 píxeles</translation>
    </message>
    <message>
        <source>a %1 x %2 tile is higher than %3 pages</source>
        <translation>un mosaico de %1 x %2 es más alto que %3 páginas</translation>
    </message>
    <message>
        <source>no free cells left for a %1 x %2 tile within %3 pages</source>
        <translation>no quedan celdas libres para un mosaico de %1 x %2 en %3 páginas</translation>
    </message>
    <message>
        <source>the page counters %1 x %2 are out of range</source>
        <translation>los contadores de páginas %1 x %2 están fuera de rango</translation>
    </message>
    <message>
        <source>a %1 x %2 picture does not hold %3 x %4 pages</source>
        <translation>una imagen de %1 x %2 no contiene %3 x %4 páginas</translation>
    </message>
    <message>
        <source>too many paths</source>
        <translation>demasiadas rutas</translation>
    </message>
    <message>
        <source>the path %1 is too long</source>
        <translation>la ruta %1 es demasiado larga</translation>
    </message>
    <message>
        <source>the file ends inside the %1</source>
        <translation>el archivo termina dentro de la sección «%1»</translation>
    </message>
    <message>
        <source>a path of %1 bytes is longer than the file allows</source>
        <translation>una ruta de %1 bytes es más larga de lo que permite el archivo</translation>
    </message>
    <message>
        <source>%1 paths are more than a recovery file holds</source>
        <translation>%1 rutas son más de las que admite un archivo de recuperación</translation>
    </message>
    <message>
        <source>not enough memory for the recovery file</source>
        <translation>memoria insuficiente para el archivo de recuperación</translation>
    </message>
    <message>
        <source>not a recovery file</source>
        <translation>no es un archivo de recuperación</translation>
    </message>
    <message>
        <source>recovery file version %1 is unknown</source>
        <translation>la versión %1 del archivo de recuperación es desconocida</translation>
    </message>
    <message>
        <source>a size in the header is out of range</source>
        <translation>un tamaño de la cabecera está fuera de rango</translation>
    </message>
    <message>
        <source>the file holds %1 bytes of pixels where a %2 x %3 picture has %4 bytes</source>
        <translation>el archivo contiene %1 bytes de píxeles donde una imagen de %2 x %3 tiene %4 bytes</translation>
    </message>
    <message>
        <source>not enough memory for the recovered picture</source>
        <translation>memoria insuficiente para la imagen recuperada</translation>
    </message>
    <message>
        <source>not a GIF file</source>
        <translation>no es un archivo GIF</translation>
    </message>
    <message>
        <source>this build of Qt has no GIF reader</source>
        <translation>esta compilación de Qt no tiene lector de GIF</translation>
    </message>
    <message>
        <source>the GIF file holds no frame</source>
        <translation>el archivo GIF no contiene ningún fotograma</translation>
    </message>
    <message>
        <source>GIF error in frame %1: %2</source>
        <translation>error de GIF en el fotograma %1: %2</translation>
    </message>
    <message>
        <source>not enough memory for a frame</source>
        <translation>memoria insuficiente para un fotograma</translation>
    </message>
    <message>
        <source>not enough memory for the frames</source>
        <translation>memoria insuficiente para los fotogramas</translation>
    </message>
    <message>
        <source>cannot resample a %1 x %2 frame</source>
        <translation>no se puede remuestrear un fotograma de %1 x %2</translation>
    </message>
    <message>
        <source>the picture has %1 frames; 64 pages hold at most %2 frames of %3 x %4</source>
        <translation>la imagen tiene %1 fotogramas; 64 páginas caben como máximo %2 fotogramas de %3 x %4</translation>
    </message>
    <message>
        <source>a %1 is %2 x %2 pixels of %3 bits, %4 bytes; this file has %5 bytes</source>
        <translation>un archivo %1 tiene %2 x %2 píxeles de %3 bits, %4 bytes; este archivo tiene %5 bytes</translation>
    </message>
    <message>
        <source>not enough memory for a 256 x 256 picture</source>
        <translation>memoria insuficiente para una imagen de 256 x 256</translation>
    </message>
    <message>
        <source>no object textures</source>
        <translation>no hay texturas de objeto</translation>
    </message>
    <message>
        <source>not enough memory for a texture set</source>
        <translation>memoria insuficiente para un conjunto de texturas</translation>
    </message>
    <message>
        <source>A %1 file holds a picture of 256 x 256 pixels; this one is %2 x %3.</source>
        <translation>Un archivo %1 contiene una imagen de 256 x 256 píxeles; esta es de %2 x %3.</translation>
    </message>
    <message>
        <source>the file cannot be replaced</source>
        <translation>el archivo no se puede reemplazar</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>unknown object library version %1 (versions 129 and 130 are read)</source>
        <translation>versión %1 de biblioteca de objetos desconocida (se leen las versiones 129 y 130)</translation>
    </message>
    <message>
        <source>object library ends early in %1</source>
        <translation>la biblioteca de objetos termina antes de tiempo: %1</translation>
    </message>
    <message>
        <source>the file is too large for an object library (%1 MiB; object libraries are read up to %2 MiB)</source>
        <translation>el archivo es demasiado grande para una biblioteca de objetos (%1 MiB; las bibliotecas de objetos se leen hasta %2 MiB)</translation>
    </message>
    <message>
        <source>the texture set is %1 x %2 pixels, but the object library&apos;s pages are %3 x %4</source>
        <translation>el conjunto de texturas mide %1 x %2 píxeles, pero las páginas de la biblioteca de objetos miden %3 x %4</translation>
    </message>
    <message>
        <source>an object library, not a picture</source>
        <translation>una biblioteca de objetos, no una imagen</translation>
    </message>
    <message>
        <source>the file is too large (%1 MiB; files of this kind are read up to %2 MiB)</source>
        <translation>el archivo es demasiado grande (%1 MiB; los archivos de este tipo se leen hasta %2 MiB)</translation>
    </message>
    <message>
        <source>the tiles do not fit into %1 pages</source>
        <translation>los tiles no caben en %1 páginas</translation>
    </message>
    <message>
        <source>not a tiles description (tiles.json): %1</source>
        <translation>no es una descripción de tiles (tiles.json): %1</translation>
    </message>
    <message>
        <source>the tiles description names no tile on %1</source>
        <translation>la descripción de tiles no nombra ningún tile en %1</translation>
    </message>
    <message>
        <source>not a project of the level editor (no PROJFILE signature)</source>
        <translation>no es un proyecto del editor de niveles (sin la firma PROJFILE)</translation>
    </message>
    <message>
        <source>a project with 128-pixel tiles (&quot;big textures&quot;): not supported</source>
        <translation>un proyecto con tiles de 128 píxeles («big textures»): no admitido</translation>
    </message>
    <message>
        <source>the project uses no texture set (its texture file is NA)</source>
        <translation>el proyecto no usa ningún set de texturas (su archivo de texturas es NA)</translation>
    </message>
    <message>
        <source>damaged project: it ends early, at byte %1</source>
        <translation>proyecto dañado: termina antes de tiempo, en el byte %1</translation>
    </message>
    <message>
        <source>damaged project: a count of %1 at byte %2</source>
        <translation>proyecto dañado: una cantidad de %1 en el byte %2</translation>
    </message>
    <message>
        <source>damaged project: an object of unknown kind %1 in room %2</source>
        <translation>proyecto dañado: un objeto de tipo desconocido %1 en la sala %2</translation>
    </message>
    <message>
        <source>damaged project: a name longer than %1 bytes at byte %2</source>
        <translation>proyecto dañado: un nombre de más de %1 bytes en el byte %2</translation>
    </message>
    <message>
        <source>damaged project: %1 bytes follow where its reading ends</source>
        <translation>proyecto dañado: siguen %1 bytes donde termina su lectura</translation>
    </message>
    <message>
        <source>damaged project: a face in room %1 shows texture entry %2 of %3</source>
        <translation>proyecto dañado: una cara de la sala %1 muestra la entrada de textura %2 de %3</translation>
    </message>
    <message>
        <source>the map names cell %1, which a project cannot have</source>
        <translation>el mapa nombra la celda %1, que un proyecto no puede tener</translation>
    </message>
    <message>
        <source>the map names cell %1 twice</source>
        <translation>el mapa nombra la celda %1 dos veces</translation>
    </message>
    <message>
        <source>the map moves cell %1, which is animated</source>
        <translation>el mapa mueve la celda %1, que está animada</translation>
    </message>
    <message>
        <source>the map merges cell %1 into cell %2, which is animated</source>
        <translation>el mapa une la celda %1 con la celda %2, que está animada</translation>
    </message>
    <message>
        <source>the map merges cells %1 and %2, whose settings differ</source>
        <translation>el mapa une las celdas %1 y %2, cuyos ajustes difieren</translation>
    </message>
    <message>
        <source>the map does not say where cell %1 went, which the project uses</source>
        <translation>el mapa no dice adónde fue la celda %1, que el proyecto usa</translation>
    </message>
    <message>
        <source>the map moves cell %1, under a texture entry across several cells</source>
        <translation>el mapa mueve la celda %1, bajo una entrada de textura que abarca varias celdas</translation>
    </message>
    <message>
        <source>the map puts cell %1 at %2, beyond the %3 cells a project names</source>
        <translation>el mapa pone la celda %1 en %2, más allá de las %3 celdas que nombra un proyecto</translation>
    </message>
    <message>
        <source>the map puts cell %1 at %2, beyond the project&apos;s %3 texture entries</source>
        <translation>el mapa pone la celda %1 en %2, más allá de las %3 entradas de textura del proyecto</translation>
    </message>
    <message>
        <source>not a move map: its first line must be old_cell,new_cell,transform</source>
        <translation>no es un mapa de movimientos: su primera línea debe ser old_cell,new_cell,transform</translation>
    </message>
    <message>
        <source>line %1 of the move map is not old_cell,new_cell,transform</source>
        <translation>la línea %1 del mapa de movimientos no es old_cell,new_cell,transform</translation>
    </message>
    <message>
        <source>frame %1 of %2: %3</source>
        <translation>fotograma %1 de %2: %3</translation>
    </message>
</context>
<context>
    <name>mosaicor::RecoveryKeeper</name>
    <message>
        <source>     The recovery file could not be written: %1</source>
        <translation>     No se pudo escribir el archivo de recuperación: %1</translation>
    </message>
    <message>
        <source>%1
The texture set left by a run that did not end cleanly cannot be recovered: %2</source>
        <translation>%1
No se puede recuperar el set de texturas de una sesión que no terminó correctamente: %2</translation>
    </message>
    <message>
        <source>Recover the texture set you were building at %1?</source>
        <translation>¿Recuperar el set de texturas en el que trabajabas a las %1?</translation>
    </message>
    <message>
        <source>No deletes it; Cancel keeps it for the next start.</source>
        <translation>No lo borra; Cancelar lo conserva para el próximo inicio.</translation>
    </message>
    <message>
        <source>this system names no folder for it</source>
        <translation>este sistema no indica ninguna carpeta para ello</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>no se puede escribir en la carpeta %1</translation>
    </message>
    <message>
        <source>Until it can be, a crash would lose every change since the last save.</source>
        <translation>Mientras no se pueda, un fallo perdería todos los cambios desde el último guardado.</translation>
    </message>
    <message>
        <source>The file is kept as %1.</source>
        <translation>El archivo se conserva como %1.</translation>
    </message>
</context>
<context>
    <name>mosaicor::TargetCensus</name>
    <message>
        <source>%1 / %2 tiles</source>
        <translation>%1 / %2 tiles</translation>
    </message>
    <message>
        <source>Compact: %1 → %2 tiles</source>
        <translation>Compactar: %1 → %2 tiles</translation>
    </message>
</context>
<context>
    <name>mosaicor::TargetHistory</name>
    <message>
        <source>Create New</source>
        <translation>Crear nuevo</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Drop on Target</source>
        <translation>Soltar en el destino</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar todo</translation>
    </message>
    <message>
        <source>Rotate tile</source>
        <translation>Rotar tile</translation>
    </message>
    <message>
        <source>Mirror tile</source>
        <translation>Voltear tile horizontalmente</translation>
    </message>
    <message>
        <source>Invert tile</source>
        <translation>Voltear tile verticalmente</translation>
    </message>
    <message>
        <source>Swap tiles</source>
        <translation>Intercambiar tiles</translation>
    </message>
    <message>
        <source>Move tile</source>
        <translation>Mover tile</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformar</translation>
    </message>
    <message>
        <source>Paste tile</source>
        <translation>Pegar tile</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles</source>
        <translation>Añadir imágenes como tiles</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Page count</source>
        <translation>Número de páginas</translation>
    </message>
    <message>
        <source>Compact Set</source>
        <translation>Compactar set</translation>
    </message>
</context>
</TS>
