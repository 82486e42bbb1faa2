<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Languages</name>
    <message>
        <source>   --- no SOURCE file loaded ---</source>
        <translation>   --- keine QUELL-Datei geladen ---</translation>
    </message>
    <message>
        <source>   --- Load Image File</source>
        <translation>   --- Bilddatei laden</translation>
    </message>
    <message>
        <source>   --- Extract Textures from Tomb Raider Levels</source>
        <translation>   --- Texturen aus Tomb Raider Levels extrahieren</translation>
    </message>
    <message>
        <source>   --- Extract Animated Textures from TR Levels</source>
        <translation>   --- Animierte Texturen aus TR-Levels extrahieren</translation>
    </message>
    <message>
        <source>   --- no TARGET file saved ---</source>
        <translation>   --- keine ZIEL-Datei gespeichert ---</translation>
    </message>
    <message>
        <source>   --- Save as Image File ( TGA, BMP, JPG )</source>
        <translation>   --- Als Bilddatei speichern ( TGA, BMP, JPG )</translation>
    </message>
    <message>
        <source>   --- Create New</source>
        <translation>   --- Neu erstellen</translation>
    </message>
    <message>
        <source>   --- Reload a Texture Set File ( TGA, BMP, JPG )</source>
        <translation>   --- Texturset-Datei neu laden ( TGA, BMP, JPG )</translation>
    </message>
    <message>
        <source>   --- no TEXTURES extracted ---</source>
        <translation>   --- keine TEXTUREN extrahiert ---</translation>
    </message>
    <message>
        <source>GRID</source>
        <translation>RASTER</translation>
    </message>
    <message>
        <source>TRANSPARENCY</source>
        <translation>TRANSPARENZ</translation>
    </message>
    <message>
        <source>ANIMATION</source>
        <translation>ANIMATION</translation>
    </message>
    <message>
        <source>TRANSFORMATIONS</source>
        <translation>TRANSFORMATIONEN</translation>
    </message>
    <message>
        <source>Copy All ---&gt;</source>
        <translation>Alles kopieren ---&gt;</translation>
    </message>
    <message>
        <source>  Current Tile  </source>
        <translation>  Aktuelles Tile  </translation>
    </message>
    <message>
        <source>  Clipboard  </source>
        <translation>  Zwischenablage  </translation>
    </message>
    <message>
        <source>      Multi Tile</source>
        <translation>      Multi-Tile</translation>
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
        <translation>      Auto-Größe</translation>
    </message>
    <message>
        <source>      Scroll Tile</source>
        <translation>      Scroll-Tile</translation>
    </message>
    <message>
        <source>%1 x %2 pixels x %3</source>
        <translation>%1 x %2 Pixel x %3</translation>
    </message>
    <message>
        <source>%1 x %2 pixels (%3 x %4 = %5 txtrs)</source>
        <translation>%1 x %2 Pixel (%3 x %4 = %5 Tiles)</translation>
    </message>
    <message>
        <source>This image was too big! It was cropped to %1 pixels.
The right canvas must be used with standard Texture Sets, only.</source>
        <translation>Dieses Bild war zu groß! Es wurde auf %1 Pixel zugeschnitten.
Die rechte Leinwand ist nur für Standard-Textursets gedacht.</translation>
    </message>
    <message>
        <source>     SOURCE CANVAS. Left-click and drag to select, right-click and drag to animate.</source>
        <translation>     QUELL-LEINWAND. Linksklick und Ziehen wählt aus, Rechtsklick und Ziehen animiert.</translation>
    </message>
    <message>
        <source>     File options.</source>
        <translation>     Dateioptionen.</translation>
    </message>
    <message>
        <source>     Source area info.</source>
        <translation>     Infos zur Quellfläche.</translation>
    </message>
    <message>
        <source>     Reset: the grid goes back to the origin&apos;s position.</source>
        <translation>     Zurücksetzen: Das Raster kehrt an den Ursprung zurück.</translation>
    </message>
    <message>
        <source>     View: toggles the grid&apos;s visibility.</source>
        <translation>     Ansicht: blendet das Raster ein oder aus.</translation>
    </message>
    <message>
        <source>     Style: selects the design of the grid.</source>
        <translation>     Stil: wählt das Aussehen des Rasters.</translation>
    </message>
    <message>
        <source>     Size: selects the resolution of the grid, in pixels ( 8x8, 16x16, 32x32, 64x64 ).</source>
        <translation>     Größe: wählt die Auflösung des Rasters in Pixeln ( 8x8, 16x16, 32x32, 64x64 ).</translation>
    </message>
    <message>
        <source>     None: textures are extracted as they are in-file.</source>
        <translation>     Keine: Texturen werden so extrahiert, wie sie in der Datei stehen.</translation>
    </message>
    <message>
        <source>     Convert: textures are rendered using magenta as transparent colour.</source>
        <translation>     Umwandeln: Texturen werden mit Magenta als transparenter Farbe dargestellt.</translation>
    </message>
    <message>
        <source>     Colour Picker: selects the colour to be replaced with magenta.</source>
        <translation>     Pipette: wählt die Farbe, die durch Magenta ersetzt wird.</translation>
    </message>
    <message>
        <source>     Alpha: extracts the alpha channel from the Source Canvas.</source>
        <translation>     Alpha: extrahiert den Alphakanal aus der Quell-Leinwand.</translation>
    </message>
    <message>
        <source>     Stop: stops the texture animation.</source>
        <translation>     Stopp: hält die Texturanimation an.</translation>
    </message>
    <message>
        <source>     Speed: slows down the speed of the texture animation.</source>
        <translation>     Geschwindigkeit: verlangsamt die Texturanimation.</translation>
    </message>
    <message>
        <source>     CENTRAL PANEL. Left-click on empty space to cancel animations, transformations or pasting.</source>
        <translation>     MITTELLEISTE. Linksklick auf eine freie Stelle bricht Animationen, Transformationen oder das Einfügen ab.</translation>
    </message>
    <message>
        <source>     Replaces the Target Canvas with the Source Canvas, using the Grid.</source>
        <translation>     Ersetzt die Ziel-Leinwand durch die Quell-Leinwand, nach dem Raster.</translation>
    </message>
    <message>
        <source>     Resizes the selected tiles to standard sizes.</source>
        <translation>     Skaliert die ausgewählten Tiles auf Standardgrößen.</translation>
    </message>
    <message>
        <source>     Colour pot: default transparent colour ( magenta = 255,0,255 )</source>
        <translation>     Farbtopf: Standard-Transparenzfarbe ( Magenta = 255,0,255 )</translation>
    </message>
    <message>
        <source>     Colour pot: default empty colour ( black = 0,0,0 )</source>
        <translation>     Farbtopf: Standard-Leerfarbe ( Schwarz = 0,0,0 )</translation>
    </message>
    <message>
        <source>     Colour pot: suggested filler colour ( maroon = 128,0,0 ). Double-click to change the colour</source>
        <translation>     Farbtopf: vorgeschlagene Füllfarbe ( Kastanienbraun = 128,0,0 ). Doppelklick ändert die Farbe</translation>
    </message>
    <message>
        <source>     Tile viewer.</source>
        <translation>     Tile-Ansicht.</translation>
    </message>
    <message>
        <source>     Export tiles to the Clipboard</source>
        <translation>     Tiles in die Zwischenablage exportieren</translation>
    </message>
    <message>
        <source>     Import tiles from the Clipboard</source>
        <translation>     Tiles aus der Zwischenablage importieren</translation>
    </message>
    <message>
        <source>     Export tiles to the Clipboard automatically</source>
        <translation>     Tiles automatisch in die Zwischenablage exportieren</translation>
    </message>
    <message>
        <source>     Import tiles from the Clipboard automatically</source>
        <translation>     Tiles automatisch aus der Zwischenablage importieren</translation>
    </message>
    <message>
        <source>     Help &amp; Credits</source>
        <translation>     Hilfe &amp; Credits</translation>
    </message>
    <message>
        <source>     TARGET CANVAS. Press [CTRL] to repeat pasting. Right-click to cancel animations, transformations or pasting.</source>
        <translation>     ZIEL-LEINWAND. [STRG] halten, um wiederholt einzufügen. Rechtsklick bricht Animationen, Transformationen oder das Einfügen ab.</translation>
    </message>
    <message>
        <source>     Target Canvas width in pages ( 1 or 2 ), being 1 = 256 pixels for the Level Editors, 2 = 512 pixels for Libraries.</source>
        <translation>     Breite der Ziel-Leinwand in Seiten ( 1 oder 2 ): 1 = 256 Pixel für die Level-Editoren, 2 = 512 Pixel für Bibliotheken.</translation>
    </message>
    <message>
        <source>     Target Canvas height in pages, 1 to 64.</source>
        <translation>     Höhe der Ziel-Leinwand in Seiten, 1 bis 64.</translation>
    </message>
    <message>
        <source>     Target area info. Goes red if the number of tiles exceeds 256.</source>
        <translation>     Infos zur Zielfläche. Wird rot, wenn es mehr als 256 Tiles sind.</translation>
    </message>
    <message>
        <source>     Stop: cancels the Transformations Mode.</source>
        <translation>     Stopp: beendet den Transformationsmodus.</translation>
    </message>
    <message>
        <source>     Rotation: rotates a tile 90 degrees.</source>
        <translation>     Drehen: dreht ein Tile um 90 Grad.</translation>
    </message>
    <message>
        <source>     HFlip: mirrors a tile.</source>
        <translation>     H-Spiegeln: spiegelt ein Tile horizontal.</translation>
    </message>
    <message>
        <source>     VFlip: inverts a tile.</source>
        <translation>     V-Spiegeln: spiegelt ein Tile vertikal.</translation>
    </message>
    <message>
        <source>     Swap: click-and-drag to exchange the position of two tiles.</source>
        <translation>     Tauschen: klicken und ziehen, um zwei Tiles zu vertauschen.</translation>
    </message>
    <message>
        <source>     Move: click-and-drag to move one tile to another position.</source>
        <translation>     Verschieben: klicken und ziehen, um ein Tile an eine andere Stelle zu setzen.</translation>
    </message>
    <message>
        <source>   --- Extract Level Textures as Tiles</source>
        <translation>   --- Level-Texturen als Kacheln extrahieren</translation>
    </message>
    <message>
        <source>page %1 · %2 × %3 at %4, %5</source>
        <translation>Seite %1 · %2 × %3 bei %4, %5</translation>
    </message>
    <message>
        <source>1 object texture</source>
        <translation>1 Objekttextur</translation>
    </message>
    <message>
        <source>%1 object textures</source>
        <translation>%1 Objekttexturen</translation>
    </message>
    <message>
        <source>animated</source>
        <translation>animiert</translation>
    </message>
</context>
<context>
    <name>PictureFormat</name>
    <message>
        <source>Windows or OS/2 Bitmap</source>
        <translation>Windows- oder OS/2-Bitmap</translation>
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
        <translation>Level-Editor-Himmel</translation>
    </message>
    <message>
        <source>Level Editor Font</source>
        <translation>Level-Editor-Schrift</translation>
    </message>
</context>
<context>
    <name>PixelFormat</name>
    <message>
        <source>1 bit</source>
        <translation>1 Bit</translation>
    </message>
    <message>
        <source>4 bits (16 col)</source>
        <translation>4 Bit (16 Farben)</translation>
    </message>
    <message>
        <source>8 bits (256 col)</source>
        <translation>8 Bit (256 Farben)</translation>
    </message>
    <message>
        <source>15 bits</source>
        <translation>15 Bit</translation>
    </message>
    <message>
        <source>16 bits</source>
        <translation>16 Bit</translation>
    </message>
    <message>
        <source>24 bits</source>
        <translation>24 Bit</translation>
    </message>
    <message>
        <source>32 bits</source>
        <translation>32 Bit</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>TileCensus</name>
    <message>
        <source>%1 cells: %2 used, %3 unique, %4 empty</source>
        <translation>%1 Zellen: %2 belegt, %3 einzigartig, %4 leer</translation>
    </message>
</context>
<context>
    <name>mosaicor</name>
    <message>
        <source>copies, also turned or mirrored</source>
        <translation>Kopien, auch gedreht oder gespiegelt</translation>
    </message>
    <message>
        <source>exact copies</source>
        <translation>genaue Kopien</translation>
    </message>
    <message>
        <source>, near ones with every channel within %1</source>
        <translation>, ähnliche mit jedem Kanal innerhalb von %1</translation>
    </message>
</context>
<context>
    <name>mosaicor::AboutWindow</name>
    <message>
        <source>   About,   Help   &amp;   Credits</source>
        <translation>   Info,   Hilfe   &amp;   Credits</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Texture sets builder
for the Tomb Raider legacy level editors</source>
        <translation>Texturset-Baukasten
für die klassischen Level-Editoren von Tomb Raider</translation>
    </message>
    <message>
        <source>Made by the Mosaicor developers.
CREDITS names the libraries it is built on.</source>
        <translation>Von den Mosaicor-Entwicklern.
CREDITS nennt die Bibliotheken, auf denen es aufbaut.</translation>
    </message>
    <message>
        <source>The manual and the credits are in English.</source>
        <translation>Das Handbuch und die Credits sind auf Englisch.</translation>
    </message>
    <message>
        <source>Mosaicor is a fan-made tool, free to use. It is not made, endorsed or supported by the owners of the Tomb Raider games and their level editors, and it is not affiliated with them. Tomb Raider is a trademark of its owner. Keep copies of your work: the tool comes with no warranty.</source>
        <translation>Mosaicor ist ein Werkzeug von Fans und frei nutzbar. Es wird von den Inhabern der Spiele von Tomb Raider und ihrer Level-Editoren weder hergestellt noch empfohlen oder unterstützt und ist nicht mit ihnen verbunden. Tomb Raider ist eine Marke ihres Inhabers. Sichern Sie Ihre Arbeit: Das Werkzeug kommt ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>CREDITS</source>
        <translation>CREDITS</translation>
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
        <translation>Credits</translation>
    </message>
</context>
<context>
    <name>mosaicor::HelpWindow</name>
    <message>
        <source>   Help</source>
        <translation>   Hilfe</translation>
    </message>
</context>
<context>
    <name>mosaicor::LevelLoadingWindow</name>
    <message>
        <source>|TR1 (1996) - Tomb Raider (*.phd)|*.PHD|TR1 (1999) - Tomb Raider Gold (*.tub)|*.TUB|TR2 (1997) - Starring Lara Croft (*.tr2)|*.TR2|TR2 (1997) - Golden Mask (*.tr2)|*.TR2|TR3 (1998) - Adventures of Lara Croft (*.tr2)|*.TR2|TR3 (2000) - The Lost Artifact (*.tr2)|*.TR2|TR4 (1999) - The Last Revelation (*.tr4)|*.TR4|TR5 (2000) - Chronicles (*.trc)|*.TRC|All Files (*.*)|*.*</source>
        <extracomment>Name|patterns pairs: translate the names only, keep every | and pattern.</extracomment>
        <translation>|TR1 (1996) - Tomb Raider (*.phd)|*.PHD|TR1 (1999) - Tomb Raider Gold (*.tub)|*.TUB|TR2 (1997) - Starring Lara Croft (*.tr2)|*.TR2|TR2 (1997) - Golden Mask (*.tr2)|*.TR2|TR3 (1998) - Adventures of Lara Croft (*.tr2)|*.TR2|TR3 (2000) - The Lost Artifact (*.tr2)|*.TR2|TR4 (1999) - The Last Revelation (*.tr4)|*.TR4|TR5 (2000) - Chronicles (*.trc)|*.TRC|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Tomb Raider Files</source>
        <translation>Tomb Raider Dateien</translation>
    </message>
    <message>
        <source>   Loading...</source>
        <translation>   Lädt...</translation>
    </message>
    <message>
        <source>   ----- EXTRACT TOMB RAIDER TEXTURES -----</source>
        <translation>   ----- TOMB RAIDER TEXTUREN EXTRAHIEREN -----</translation>
    </message>
    <message>
        <source>Object Libraries</source>
        <translation>Objektbibliotheken</translation>
    </message>
    <message>
        <source>   ----- EXTRACT LEVEL TEXTURES AS TILES -----</source>
        <translation>   ----- LEVEL-TEXTUREN ALS KACHELN EXTRAHIEREN -----</translation>
    </message>
</context>
<context>
    <name>mosaicor::MainWindow</name>
    <message>
        <source>The texture set has changes that are not saved.</source>
        <translation>Das Texturset hat ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>Zuerst speichern?</translation>
    </message>
    <message>
        <source>x %1, y %2 · tile %3 · page %4</source>
        <translation>x %1, y %2 · Tile %3 · Seite %4</translation>
    </message>
    <message>
        <source>     Zoom: shows the canvas larger ( Ctrl + wheel, Ctrl++, Ctrl+-, Ctrl+0 ).</source>
        <translation>     Zoom: zeigt die Leinwand größer ( Strg + Mausrad, Strg++, Strg+-, Strg+0 ).</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Picker</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>AUTO EXPORT</source>
        <translation>AUTO-EXPORT</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>AUTO IMPORT</source>
        <translation>AUTO-IMPORT</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Tauschen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>     File options.</source>
        <translation>     Dateioptionen.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Load Image File...</source>
        <translation>Bilddatei laden...</translation>
    </message>
    <message>
        <source>Extract Textures...</source>
        <translation>Texturen extrahieren...</translation>
    </message>
    <message>
        <source>Extract Animated Textures...</source>
        <translation>Animierte Texturen extrahieren...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Reload a Texture Set File...</source>
        <translation>Texturset-Datei neu laden...</translation>
    </message>
    <message>
        <source>Create New</source>
        <translation>Neu erstellen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>     Undoes the last change to the Target.</source>
        <translation>     Macht die letzte Änderung am Ziel rückgängig.</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>     Redoes the last change undone on the Target.</source>
        <translation>     Stellt die zuletzt rückgängig gemachte Änderung am Ziel wieder her.</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Alles kopieren</translation>
    </message>
    <message>
        <source>Export tile</source>
        <translation>Tile exportieren</translation>
    </message>
    <message>
        <source>Import tile</source>
        <translation>Tile importieren</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Grid shown</source>
        <translation>Raster anzeigen</translation>
    </message>
    <message>
        <source>     Zoom of the canvas under the pointer.</source>
        <translation>     Zoom der Leinwand unter dem Mauszeiger.</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Alpha layer</source>
        <translation>Alpha-Ebene</translation>
    </message>
    <message>
        <source>     Alpha: shows the alpha channel of the Source Canvas.</source>
        <translation>     Alpha: zeigt den Alphakanal der Quell-Leinwand.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>     Help &amp; Credits</source>
        <translation>     Hilfe &amp; Credits</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genug Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles</source>
        <translation>Bilder als Tiles hinzufügen</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles…</source>
        <translation>Bilder als Tiles hinzufügen…</translation>
    </message>
    <message>
        <source>     Add Pictures as Tiles: each picture goes into the next free cells of the Target.</source>
        <translation>     Bilder als Tiles hinzufügen: Jedes Bild kommt in die nächsten freien Zellen des Ziels.</translation>
    </message>
    <message>
        <source>Tile Census</source>
        <translation>Tile-Zählung</translation>
    </message>
    <message>
        <source>     Tile Census: numbers the Target&apos;s twin cells and shades its empty ones.</source>
        <translation>     Tile-Zählung: nummeriert die doppelten Zellen des Ziels und schraffiert seine leeren.</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be added as tiles:

%3</source>
        <translation>%1 von %2 Bildern konnten nicht als Tiles hinzugefügt werden:

%3</translation>
    </message>
    <message>
        <source>24-bit %1</source>
        <extracomment>%1 is the file&apos;s format: BMP, PNG, ...</extracomment>
        <translation>24-Bit-%1</translation>
    </message>
    <message>
        <source>uncompressed 24-bit TGA</source>
        <translation>unkomprimiertes 24-Bit-TGA</translation>
    </message>
    <message>
        <source>     Saved %1: %2 x %3 pixels, %4, %5 bytes</source>
        <translation>     %1 gespeichert: %2 x %3 Pixel, %4, %5 Bytes</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… und %1 weitere.</translation>
    </message>
    <message>
        <source>Duplicates Up to Rotation and Mirror</source>
        <translation>Duplikate bis auf Drehung und Spiegelung</translation>
    </message>
    <message>
        <source>     Census: cells that are the same when turned or mirrored count as duplicates.</source>
        <translation>     Zählung: Zellen, die gedreht oder gespiegelt gleich sind, zählen als Duplikate.</translation>
    </message>
    <message>
        <source>Near Duplicates</source>
        <translation>Beinahe-Duplikate</translation>
    </message>
    <message>
        <source>     Census: cells within the tolerance of a group&apos;s first cell count as duplicates.</source>
        <translation>     Zählung: Zellen innerhalb der Toleranz zur ersten Zelle einer Gruppe zählen als Duplikate.</translation>
    </message>
    <message>
        <source>Near Duplicates Tolerance…</source>
        <translation>Toleranz der Beinahe-Duplikate…</translation>
    </message>
    <message>
        <source>Compact Set…</source>
        <translation>Set verdichten…</translation>
    </message>
    <message>
        <source>     Compact Set: drops the Target&apos;s empty and duplicate cells and moves the others to the front.</source>
        <translation>     Set verdichten: entfernt die leeren und doppelten Zellen des Ziels und rückt die übrigen nach vorn.</translation>
    </message>
    <message>
        <source>Near Duplicates (Tolerance %1)</source>
        <translation>Beinahe-Duplikate (Toleranz %1)</translation>
    </message>
    <message>
        <source>Compact Set</source>
        <translation>Set verdichten</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Verdichten</translation>
    </message>
    <message>
        <source>Move maps (*.csv)</source>
        <translation>Verschiebungstabellen (*.csv)</translation>
    </message>
    <message>
        <source>Cells are near duplicates when no channel of any pixel differs by more than:</source>
        <translation>Zellen sind Beinahe-Duplikate, wenn kein Kanal eines Pixels mehr abweicht als:</translation>
    </message>
    <message>
        <source>The Target cannot be compacted: %1</source>
        <translation>Das Ziel kann nicht verdichtet werden: %1</translation>
    </message>
    <message>
        <source>Alpha → Magenta</source>
        <translation>Alpha → Magenta</translation>
    </message>
    <message>
        <source>Pixels of a picture with transparency whose alpha is below the threshold become magenta</source>
        <translation>Pixel eines Bildes mit Transparenz, deren Alpha unter der Schwelle liegt, werden magenta</translation>
    </message>
    <message>
        <source>Clean fringe</source>
        <translation>Rand säubern</translation>
    </message>
    <message>
        <source>This picture has transparency: TRANSPARENCY ▸ Alpha → Magenta keys it for the level editor</source>
        <translation>Dieses Bild hat Transparenz: TRANSPARENZ ▸ Alpha → Magenta macht sie für den Level-Editor zu Magenta</translation>
    </message>
    <message>
        <source>%1 frames, delays in ms: %2</source>
        <translation>%1 Bilder, Verzögerungen in ms: %2</translation>
    </message>
    <message>
        <source>Extract Level Textures as Tiles...</source>
        <translation>Level-Texturen als Kacheln extrahieren...</translation>
    </message>
    <message>
        <source>Save into Object Library…</source>
        <translation>In Objektbibliothek speichern…</translation>
    </message>
    <message>
        <source>     Save into Object Library: the Target&apos;s pages become the texture pages of a .wad, the old file kept as .bak.wad.</source>
        <translation>     In Objektbibliothek speichern: die Seiten des Ziels werden die Texturseiten einer .wad; die alte Datei bleibt als .bak.wad erhalten.</translation>
    </message>
    <message>
        <source>Save into Object Library</source>
        <translation>In Objektbibliothek speichern</translation>
    </message>
    <message>
        <source>Object Libraries</source>
        <translation>Objektbibliotheken</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Save the Move Map: where each used cell of the old set now stands (CSV)</source>
        <translation>Verschiebungstabelle speichern: wo jede benutzte Zelle des alten Sets jetzt steht (CSV)</translation>
    </message>
    <message>
        <source>Compact the Target?

Duplicates: %1
Cells: %2 → %3 (the 64 x 64 places of the shown pages)
Pages: %4 → %5
Tiles: %6 → %7 (the cells that hold something; the level editor takes %8)

Each cell moves on its own: a texture that spans several cells may be split.
Afterwards you can save the move map, which tells a level&apos;s faces where their cells went.</source>
        <translation>Das Ziel verdichten?

Duplikate: %1
Zellen: %2 → %3 (die 64 x 64-Plätze der gezeigten Seiten)
Seiten: %4 → %5
Tiles: %6 → %7 (die Zellen, die etwas enthalten; der Level-Editor nimmt %8)

Jede Zelle wird einzeln verschoben: eine Textur über mehrere Zellen kann getrennt werden.
Danach können Sie die Verschiebungstabelle speichern, die den Flächen eines Levels sagt, wohin ihre Zellen gingen.</translation>
    </message>
    <message>
        <source>The compaction is undone. The move map saved with it,
%1,
describes a change that was undone: it no longer fits the Target. Delete it, or keep it only if you compact again the same way.</source>
        <translation>Das Verdichten ist rückgängig gemacht. Die dabei gespeicherte Verschiebungstabelle,
%1,
beschreibt eine rückgängig gemachte Änderung: sie passt nicht mehr zum Ziel. Löschen Sie sie, oder behalten Sie sie nur, wenn Sie noch einmal genauso verdichten.</translation>
    </message>
    <message>
        <source>Also update the project that uses this set…</source>
        <translation>Auch das Projekt aktualisieren, das dieses Set verwendet…</translation>
    </message>
    <message>
        <source>The Project That Uses This Set</source>
        <translation>Das Projekt, das dieses Set verwendet</translation>
    </message>
    <message>
        <source>Level editor projects (*.prj *.PRJ)</source>
        <translation>Projekte des Level-Editors (*.prj *.PRJ)</translation>
    </message>
    <message>
        <source>Keep a Backup</source>
        <translation>Sicherung behalten</translation>
    </message>
    <message>
        <source>With the project %1: animated cells stay where they are, cells whose settings differ are not merged, and the cells its faces show are used even when empty.</source>
        <translation>Mit dem Projekt %1: animierte Zellen bleiben, wo sie sind, Zellen mit unterschiedlichen Einstellungen werden nicht zusammengelegt, und die Zellen, die seine Flächen zeigen, gelten als benutzt, auch wenn sie leer sind.</translation>
    </message>
    <message>
        <source>Its texture file is %1, not %2: it is updated all the same.</source>
        <translation>Seine Texturdatei ist %1, nicht %2: es wird trotzdem aktualisiert.</translation>
    </message>
    <message>
        <source>Nothing was saved: the backup %1 is kept as it was.</source>
        <translation>Nichts wurde gespeichert: die Sicherung %1 bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Saved the compacted set %1 and the updated project %2.
The old files are kept as %3 and %4.
Open %2 in the level editor: its faces show what they showed.</source>
        <translation>Das verdichtete Set %1 und das aktualisierte Projekt %2 sind gespeichert.
Die alten Dateien bleiben als %3 und %4 erhalten.
Öffnen Sie %2 im Level-Editor: seine Flächen zeigen, was sie zeigten.</translation>
    </message>
    <message>
        <source>     Saved the Target&apos;s pages into %1; the old file is kept as %2</source>
        <translation>     Seiten des Ziels in %1 gespeichert; die alte Datei bleibt als %2 erhalten</translation>
    </message>
    <message>
        <source>%1 already exists: it keeps the file as it was before an earlier save.

Replace it with the file as it is now?</source>
        <translation>%1 existiert bereits: sie bewahrt die Datei, wie sie vor einem früheren Speichern war.

Durch die Datei in ihrem jetzigen Stand ersetzen?</translation>
    </message>
</context>
<context>
    <name>mosaicor::PictureDialogs</name>
    <message>
        <source>   ----- LOADING IMAGE FILE -----</source>
        <translation>   ----- BILDDATEI LADEN -----</translation>
    </message>
    <message>
        <source>   ----- SAVING IMAGE FILE -----</source>
        <translation>   ----- BILDDATEI SPEICHERN -----</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Supported Input Files</source>
        <translation>Unterstützte Eingabedateien</translation>
    </message>
    <message>
        <source>Supported Output Files</source>
        <translation>Unterstützte Ausgabedateien</translation>
    </message>
</context>
<context>
    <name>mosaicor::Reasons</name>
    <message>
        <source>not a level file</source>
        <translation>keine Level-Datei</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>unknown level version</source>
        <translation>unbekannte Level-Version</translation>
    </message>
    <message>
        <source>encrypted TR4 level: not supported</source>
        <translation>verschlüsseltes TR4-Level: nicht unterstützt</translation>
    </message>
    <message>
        <source>level file ends early</source>
        <translation>Level-Datei endet zu früh</translation>
    </message>
    <message>
        <source>level file ends early in %1</source>
        <translation>Level-Datei endet zu früh: %1</translation>
    </message>
    <message>
        <source>32-bit texture pages are missing</source>
        <translation>32-Bit-Texturseiten fehlen</translation>
    </message>
    <message>
        <source>no texture pages</source>
        <translation>keine Texturseiten</translation>
    </message>
    <message>
        <source>no animated textures</source>
        <translation>keine animierten Texturen</translation>
    </message>
    <message>
        <source>damaged compressed data</source>
        <translation>beschädigte komprimierte Daten</translation>
    </message>
    <message>
        <source>damaged compressed data in %1</source>
        <translation>beschädigte komprimierte Daten: %1</translation>
    </message>
    <message>
        <source>the %1 at offset %2 (0x%3)</source>
        <translation>Abschnitt „%1“ bei Offset %2 (0x%3)</translation>
    </message>
    <message>
        <source>the %1 at offset %2 (0x%3) of the inflated level data</source>
        <translation>Abschnitt „%1“ bei Offset %2 (0x%3) der entpackten Level-Daten</translation>
    </message>
    <message>
        <source>room %1 at offset %2 (0x%3)</source>
        <translation>Raum %1 bei Offset %2 (0x%3)</translation>
    </message>
    <message>
        <source>room %1 at offset %2 (0x%3) of the inflated level data</source>
        <translation>Raum %1 bei Offset %2 (0x%3) der entpackten Level-Daten</translation>
    </message>
    <message>
        <source>compressed data unpacks to more than %1 MiB, more than any level holds</source>
        <translation>komprimierte Daten ergeben entpackt mehr als %1 MiB, mehr als jedes Level enthält</translation>
    </message>
    <message>
        <source>a %1 picture, not a Tomb Raider level</source>
        <translation>ein %1-Bild, kein Tomb Raider-Level</translation>
    </message>
    <message>
        <source>the level claims %1 texture pages (at most %2)</source>
        <translation>das Level gibt %1 Texturseiten an (höchstens %2)</translation>
    </message>
    <message>
        <source>the file is too large for a level (%1 MiB; levels are read up to %2 MiB)</source>
        <translation>die Datei ist zu groß für ein Level (%1 MiB; Levels werden bis %2 MiB gelesen)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Speicher</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 format not supported.</source>
        <translation>Format %1 wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>This file has a non supported compression scheme.</source>
        <translation>Diese Datei verwendet ein nicht unterstütztes Kompressionsverfahren.</translation>
    </message>
    <message>
        <source>a Tomb Raider level, not a picture</source>
        <translation>ein Tomb Raider-Level, kein Bild</translation>
    </message>
    <message>
        <source>the file is too large (%1 MiB; pictures are read up to %2 MiB)</source>
        <translation>die Datei ist zu groß (%1 MiB; Bilder werden bis %2 MiB gelesen)</translation>
    </message>
    <message>
        <source>not enough memory for the 32-bit picture</source>
        <translation>nicht genug Speicher für das 32-Bit-Bild</translation>
    </message>
    <message>
        <source>not enough memory for a %1 x %2 picture</source>
        <translation>nicht genug Speicher für ein Bild von %1 x %2</translation>
    </message>
    <message>
        <source>no picture described</source>
        <translation>kein Bild beschrieben</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1 x %2)</source>
        <translation>das Bild hat keine Pixel (%1 x %2)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>das Bild ist zu groß (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>the file is shorter than its %1 x %2 picture</source>
        <translation>die Datei ist kürzer als ihr Bild von %1 x %2</translation>
    </message>
    <message>
        <source>the file is too short for its %1 x %2 picture</source>
        <translation>die Datei ist zu kurz für ihr Bild von %1 x %2</translation>
    </message>
    <message>
        <source>not a BMP file</source>
        <translation>keine BMP-Datei</translation>
    </message>
    <message>
        <source>the file ends inside the BMP header</source>
        <translation>die Datei endet im BMP-Kopf</translation>
    </message>
    <message>
        <source>unknown BMP header size %1</source>
        <translation>unbekannte BMP-Kopfgröße %1</translation>
    </message>
    <message>
        <source>OS/2 Huffman and RLE24 bitmaps are not supported</source>
        <translation>OS/2-Bitmaps mit Huffman und RLE24 werden nicht unterstützt</translation>
    </message>
    <message>
        <source>the file ends inside the colour masks</source>
        <translation>die Datei endet in den Farbmasken</translation>
    </message>
    <message>
        <source>the pixel data lies outside the file</source>
        <translation>die Pixeldaten liegen außerhalb der Datei</translation>
    </message>
    <message>
        <source>BMP files of %1 bits per pixel are not supported</source>
        <translation>BMP-Dateien mit %1 Bit pro Pixel werden nicht unterstützt</translation>
    </message>
    <message>
        <source>BMP compression %1 is not supported for %2 bits per pixel</source>
        <translation>BMP-Kompression %1 wird bei %2 Bit pro Pixel nicht unterstützt</translation>
    </message>
    <message>
        <source>a run-length encoded BMP cannot be stored top-down</source>
        <translation>ein lauflängenkodiertes BMP kann nicht von oben nach unten gespeichert sein</translation>
    </message>
    <message>
        <source>the picture is too large to decode progressively (%1 x %2 pixels)</source>
        <translation>das Bild ist zu groß für progressives Dekodieren (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>the file is cut short: it ends before the picture&apos;s last rows</source>
        <translation>die Datei ist abgeschnitten: sie endet vor den letzten Zeilen des Bildes</translation>
    </message>
    <message>
        <source>JPEG error: %1</source>
        <translation>JPEG-Fehler: %1</translation>
    </message>
    <message>
        <source>not a PCX file</source>
        <translation>keine PCX-Datei</translation>
    </message>
    <message>
        <source>PCX pictures of %1 bits in %2 planes are not supported</source>
        <translation>PCX-Bilder mit %1 Bit in %2 Ebenen werden nicht unterstützt</translation>
    </message>
    <message>
        <source>unknown PCX encoding %1</source>
        <translation>unbekannte PCX-Kodierung %1</translation>
    </message>
    <message>
        <source>the PCX rows (%1 bytes) are too short for %2 pixels</source>
        <translation>die PCX-Zeilen (%1 Byte) sind zu kurz für %2 Pixel</translation>
    </message>
    <message>
        <source>the PCX picture data ends at row %1 of %2</source>
        <translation>die PCX-Bilddaten enden in Zeile %1 von %2</translation>
    </message>
    <message>
        <source>not a PNG file</source>
        <translation>keine PNG-Datei</translation>
    </message>
    <message>
        <source>the PNG file does not begin with its header chunk</source>
        <translation>die PNG-Datei beginnt nicht mit ihrem Kopf-Chunk</translation>
    </message>
    <message>
        <source>the PNG chunk &quot;%1&quot; at offset %2 claims %3 bytes, but only %4 are left</source>
        <translation>der PNG-Chunk „%1“ bei Offset %2 gibt %3 Byte an, es sind aber nur %4 übrig</translation>
    </message>
    <message>
        <source>PNG error: %1</source>
        <translation>PNG-Fehler: %1</translation>
    </message>
    <message>
        <source>not a Photoshop file</source>
        <translation>keine Photoshop-Datei</translation>
    </message>
    <message>
        <source>Photoshop files of version %1 (large documents) are not supported</source>
        <translation>Photoshop-Dateien der Version %1 (große Dokumente) werden nicht unterstützt</translation>
    </message>
    <message>
        <source>the file ends inside its header sections</source>
        <translation>die Datei endet in ihren Kopfabschnitten</translation>
    </message>
    <message>
        <source>Photoshop colour mode %1 is not supported</source>
        <translation>Photoshop-Farbmodus %1 wird nicht unterstützt</translation>
    </message>
    <message>
        <source>Photoshop makes no %1 pictures of %2 bits a channel</source>
        <translation>Photoshop erstellt keine %1-Bilder mit %2 Bit pro Kanal</translation>
    </message>
    <message>
        <source>the picture has %1 channels where its colour mode needs %2</source>
        <translation>das Bild hat %1 Kanäle, sein Farbmodus braucht %2</translation>
    </message>
    <message>
        <source>the indexed picture has no palette</source>
        <translation>das indizierte Bild hat keine Palette</translation>
    </message>
    <message>
        <source>the file ends before its image data</source>
        <translation>die Datei endet vor ihren Bilddaten</translation>
    </message>
    <message>
        <source>the file ends inside its image data</source>
        <translation>die Datei endet in ihren Bilddaten</translation>
    </message>
    <message>
        <source>Photoshop image data compression %1 is not supported</source>
        <translation>Photoshop-Bilddatenkompression %1 wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the file ends inside its row table</source>
        <translation>die Datei endet in ihrer Zeilentabelle</translation>
    </message>
    <message>
        <source>the image data is too short for the picture</source>
        <translation>die Bilddaten sind zu kurz für das Bild</translation>
    </message>
    <message>
        <source>not a Paint Shop Pro file</source>
        <translation>keine Paint Shop Pro-Datei</translation>
    </message>
    <message>
        <source>Paint Shop Pro files of format version %1 are not supported</source>
        <translation>Paint Shop Pro-Dateien der Formatversion %1 werden nicht unterstützt</translation>
    </message>
    <message>
        <source>the %1 is damaged</source>
        <translation>„%1“ ist beschädigt</translation>
    </message>
    <message>
        <source>the block at byte %1 is damaged</source>
        <translation>der Block bei Byte %1 ist beschädigt</translation>
    </message>
    <message>
        <source>a channel holds too few bytes for its %1 x %2 pixels</source>
        <translation>ein Kanal enthält zu wenige Byte für seine %1 x %2 Pixel</translation>
    </message>
    <message>
        <source>a channel&apos;s compressed data is damaged</source>
        <translation>die komprimierten Daten eines Kanals sind beschädigt</translation>
    </message>
    <message>
        <source>a channel unpacks to %1 bytes where %2 x %3 pixels need %4</source>
        <translation>ein Kanal ergibt entpackt %1 Byte, %2 x %3 Pixel brauchen %4</translation>
    </message>
    <message>
        <source>a channel lies outside the file</source>
        <translation>ein Kanal liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>a layer lacks some of its colour channels</source>
        <translation>einer Ebene fehlen einige ihrer Farbkanäle</translation>
    </message>
    <message>
        <source>the file has no image attributes</source>
        <translation>die Datei hat keine Bildattribute</translation>
    </message>
    <message>
        <source>Paint Shop Pro pictures of %1 bits per pixel are not supported</source>
        <translation>Paint Shop Pro-Bilder mit %1 Bit pro Pixel werden nicht unterstützt</translation>
    </message>
    <message>
        <source>Paint Shop Pro compression %1 is not supported</source>
        <translation>Paint Shop Pro-Kompression %1 wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the paletted picture has no palette</source>
        <translation>das Palettenbild hat keine Palette</translation>
    </message>
    <message>
        <source>the file ends inside the TGA header</source>
        <translation>die Datei endet im TGA-Kopf</translation>
    </message>
    <message>
        <source>the picture has a pixel depth of 0</source>
        <translation>das Bild hat eine Pixeltiefe von 0</translation>
    </message>
    <message>
        <source>pixel depth %1 is not supported</source>
        <translation>Pixeltiefe %1 wird nicht unterstützt</translation>
    </message>
    <message>
        <source>TGA image type %1 is not supported</source>
        <translation>TGA-Bildtyp %1 wird nicht unterstützt</translation>
    </message>
    <message>
        <source>colour map entries of %1 bits are not supported</source>
        <translation>Farbtabelleneinträge mit %1 Bit werden nicht unterstützt</translation>
    </message>
    <message>
        <source>the file ends inside the image ID</source>
        <translation>die Datei endet in der Bildkennung</translation>
    </message>
    <message>
        <source>the file ends inside the colour map</source>
        <translation>die Datei endet in der Farbtabelle</translation>
    </message>
    <message>
        <source>not a TIFF file</source>
        <translation>keine TIFF-Datei</translation>
    </message>
    <message>
        <source>not a readable TIFF file</source>
        <translation>keine lesbare TIFF-Datei</translation>
    </message>
    <message>
        <source>TIFF error: %1</source>
        <translation>TIFF-Fehler: %1</translation>
    </message>
    <message>
        <source>the TIFF picture&apos;s strips or tiles do not fit it</source>
        <translation>die Streifen oder Kacheln des TIFF-Bildes passen nicht zu ihm</translation>
    </message>
    <message>
        <source>the TIFF picture data is damaged</source>
        <translation>die TIFF-Bilddaten sind beschädigt</translation>
    </message>
    <message>
        <source>unsupported TIFF layout: %1</source>
        <translation>nicht unterstützter TIFF-Aufbau: %1</translation>
    </message>
    <message>
        <source>the TIFF picture has too many samples per pixel (%1)</source>
        <translation>das TIFF-Bild hat zu viele Werte pro Pixel (%1)</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Es gibt kein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels is too large for a BMP file.</source>
        <translation>Ein Bild von %1 x %2 Pixeln ist zu groß für eine BMP-Datei.</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels is too large for a TGA file (at most 65535 x 65535); save it as BMP instead.</source>
        <translation>Ein Bild von %1 x %2 Pixeln ist zu groß für eine TGA-Datei (höchstens 65535 x 65535); speichern Sie es stattdessen als BMP.</translation>
    </message>
    <message>
        <source>Cannot write the JPEG picture: %1</source>
        <translation>Das JPEG-Bild kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Cannot write the PNG picture: %1</source>
        <translation>Das PNG-Bild kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
    <message>
        <source>cannot resample a %1 x %2 picture</source>
        <translation>ein Bild von %1 x %2 kann nicht neu berechnet werden</translation>
    </message>
    <message>
        <source>not enough memory to grow the set</source>
        <translation>nicht genug Speicher, um das Set zu vergrößern</translation>
    </message>
    <message>
        <source>the tile is empty</source>
        <translation>die Kachel ist leer</translation>
    </message>
    <message>
        <source>a %1 x %2 tile is wider than the %3-pixel set</source>
        <translation>eine Kachel von %1 x %2 ist breiter als das %3 Pixel breite Set</translation>
    </message>
    <message>
        <source>a %1 x %2 tile is higher than %3 pages</source>
        <translation>eine Kachel von %1 x %2 ist höher als %3 Seiten</translation>
    </message>
    <message>
        <source>no free cells left for a %1 x %2 tile within %3 pages</source>
        <translation>keine freien Zellen mehr für eine Kachel von %1 x %2 innerhalb von %3 Seiten</translation>
    </message>
    <message>
        <source>the page counters %1 x %2 are out of range</source>
        <translation>die Seitenzähler %1 x %2 liegen außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>a %1 x %2 picture does not hold %3 x %4 pages</source>
        <translation>ein Bild von %1 x %2 fasst keine %3 x %4 Seiten</translation>
    </message>
    <message>
        <source>too many paths</source>
        <translation>zu viele Pfade</translation>
    </message>
    <message>
        <source>the path %1 is too long</source>
        <translation>der Pfad %1 ist zu lang</translation>
    </message>
    <message>
        <source>the file ends inside the %1</source>
        <translation>die Datei endet im Abschnitt „%1“</translation>
    </message>
    <message>
        <source>a path of %1 bytes is longer than the file allows</source>
        <translation>ein Pfad von %1 Byte ist länger, als die Datei erlaubt</translation>
    </message>
    <message>
        <source>%1 paths are more than a recovery file holds</source>
        <translation>%1 Pfade sind mehr, als eine Wiederherstellungsdatei fasst</translation>
    </message>
    <message>
        <source>not enough memory for the recovery file</source>
        <translation>nicht genug Speicher für die Wiederherstellungsdatei</translation>
    </message>
    <message>
        <source>not a recovery file</source>
        <translation>keine Wiederherstellungsdatei</translation>
    </message>
    <message>
        <source>recovery file version %1 is unknown</source>
        <translation>Version %1 der Wiederherstellungsdatei ist unbekannt</translation>
    </message>
    <message>
        <source>a size in the header is out of range</source>
        <translation>eine Größe im Kopf liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>the file holds %1 bytes of pixels where a %2 x %3 picture has %4 bytes</source>
        <translation>die Datei enthält %1 Byte Pixel, ein Bild von %2 x %3 hat %4 Byte</translation>
    </message>
    <message>
        <source>not enough memory for the recovered picture</source>
        <translation>nicht genug Speicher für das wiederhergestellte Bild</translation>
    </message>
    <message>
        <source>not a GIF file</source>
        <translation>keine GIF-Datei</translation>
    </message>
    <message>
        <source>this build of Qt has no GIF reader</source>
        <translation>diese Qt-Version hat keinen GIF-Leser</translation>
    </message>
    <message>
        <source>the GIF file holds no frame</source>
        <translation>die GIF-Datei enthält kein Bild</translation>
    </message>
    <message>
        <source>GIF error in frame %1: %2</source>
        <translation>GIF-Fehler in Bild %1: %2</translation>
    </message>
    <message>
        <source>not enough memory for a frame</source>
        <translation>nicht genug Speicher für ein Einzelbild</translation>
    </message>
    <message>
        <source>not enough memory for the frames</source>
        <translation>nicht genug Speicher für die Einzelbilder</translation>
    </message>
    <message>
        <source>cannot resample a %1 x %2 frame</source>
        <translation>ein Einzelbild von %1 x %2 kann nicht umgerechnet werden</translation>
    </message>
    <message>
        <source>the picture has %1 frames; 64 pages hold at most %2 frames of %3 x %4</source>
        <translation>das Bild hat %1 Einzelbilder; 64 Seiten fassen höchstens %2 Einzelbilder von %3 x %4</translation>
    </message>
    <message>
        <source>a %1 is %2 x %2 pixels of %3 bits, %4 bytes; this file has %5 bytes</source>
        <translation>eine Datei „%1“ hat %2 x %2 Pixel zu %3 Bit, %4 Byte; diese Datei hat %5 Byte</translation>
    </message>
    <message>
        <source>not enough memory for a 256 x 256 picture</source>
        <translation>nicht genug Speicher für ein Bild von 256 x 256</translation>
    </message>
    <message>
        <source>no object textures</source>
        <translation>keine Objekttexturen</translation>
    </message>
    <message>
        <source>not enough memory for a texture set</source>
        <translation>nicht genug Speicher für ein Texturset</translation>
    </message>
    <message>
        <source>A %1 file holds a picture of 256 x 256 pixels; this one is %2 x %3.</source>
        <translation>Eine %1-Datei enthält ein Bild von 256 x 256 Pixeln; dieses hat %2 x %3.</translation>
    </message>
    <message>
        <source>the file cannot be replaced</source>
        <translation>die Datei kann nicht ersetzt werden</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>unknown object library version %1 (versions 129 and 130 are read)</source>
        <translation>unbekannte Version %1 der Objektbibliothek (gelesen werden die Versionen 129 und 130)</translation>
    </message>
    <message>
        <source>object library ends early in %1</source>
        <translation>Objektbibliothek endet zu früh: %1</translation>
    </message>
    <message>
        <source>the file is too large for an object library (%1 MiB; object libraries are read up to %2 MiB)</source>
        <translation>die Datei ist zu groß für eine Objektbibliothek (%1 MiB; Objektbibliotheken werden bis %2 MiB gelesen)</translation>
    </message>
    <message>
        <source>the texture set is %1 x %2 pixels, but the object library&apos;s pages are %3 x %4</source>
        <translation>das Texturset hat %1 x %2 Pixel, die Seiten der Objektbibliothek aber %3 x %4</translation>
    </message>
    <message>
        <source>an object library, not a picture</source>
        <translation>eine Objektbibliothek, kein Bild</translation>
    </message>
    <message>
        <source>the file is too large (%1 MiB; files of this kind are read up to %2 MiB)</source>
        <translation>die Datei ist zu groß (%1 MiB; Dateien dieser Art werden bis %2 MiB gelesen)</translation>
    </message>
    <message>
        <source>the tiles do not fit into %1 pages</source>
        <translation>die Tiles passen nicht in %1 Seiten</translation>
    </message>
    <message>
        <source>not a tiles description (tiles.json): %1</source>
        <translation>keine Tile-Beschreibung (tiles.json): %1</translation>
    </message>
    <message>
        <source>the tiles description names no tile on %1</source>
        <translation>die Tile-Beschreibung nennt kein Tile auf %1</translation>
    </message>
    <message>
        <source>not a project of the level editor (no PROJFILE signature)</source>
        <translation>kein Projekt des Level-Editors (keine PROJFILE-Kennung)</translation>
    </message>
    <message>
        <source>a project with 128-pixel tiles (&quot;big textures&quot;): not supported</source>
        <translation>ein Projekt mit 128-Pixel-Tiles („big textures“): nicht unterstützt</translation>
    </message>
    <message>
        <source>the project uses no texture set (its texture file is NA)</source>
        <translation>das Projekt verwendet kein Textur-Set (seine Texturdatei ist NA)</translation>
    </message>
    <message>
        <source>damaged project: it ends early, at byte %1</source>
        <translation>beschädigtes Projekt: es endet zu früh, bei Byte %1</translation>
    </message>
    <message>
        <source>damaged project: a count of %1 at byte %2</source>
        <translation>beschädigtes Projekt: eine Anzahl von %1 bei Byte %2</translation>
    </message>
    <message>
        <source>damaged project: an object of unknown kind %1 in room %2</source>
        <translation>beschädigtes Projekt: ein Objekt unbekannter Art %1 in Raum %2</translation>
    </message>
    <message>
        <source>damaged project: a name longer than %1 bytes at byte %2</source>
        <translation>beschädigtes Projekt: ein Name länger als %1 Bytes bei Byte %2</translation>
    </message>
    <message>
        <source>damaged project: %1 bytes follow where its reading ends</source>
        <translation>beschädigtes Projekt: %1 Bytes folgen, wo sein Lesen endet</translation>
    </message>
    <message>
        <source>damaged project: a face in room %1 shows texture entry %2 of %3</source>
        <translation>beschädigtes Projekt: eine Fläche in Raum %1 zeigt Textureintrag %2 von %3</translation>
    </message>
    <message>
        <source>the map names cell %1, which a project cannot have</source>
        <translation>die Tabelle nennt Zelle %1, die ein Projekt nicht haben kann</translation>
    </message>
    <message>
        <source>the map names cell %1 twice</source>
        <translation>die Tabelle nennt Zelle %1 zweimal</translation>
    </message>
    <message>
        <source>the map moves cell %1, which is animated</source>
        <translation>die Tabelle verschiebt Zelle %1, die animiert ist</translation>
    </message>
    <message>
        <source>the map merges cell %1 into cell %2, which is animated</source>
        <translation>die Tabelle legt Zelle %1 mit Zelle %2 zusammen, die animiert ist</translation>
    </message>
    <message>
        <source>the map merges cells %1 and %2, whose settings differ</source>
        <translation>die Tabelle legt die Zellen %1 und %2 zusammen, deren Einstellungen sich unterscheiden</translation>
    </message>
    <message>
        <source>the map does not say where cell %1 went, which the project uses</source>
        <translation>die Tabelle sagt nicht, wohin Zelle %1 ging, die das Projekt verwendet</translation>
    </message>
    <message>
        <source>the map moves cell %1, under a texture entry across several cells</source>
        <translation>die Tabelle verschiebt Zelle %1 unter einem Textureintrag über mehrere Zellen</translation>
    </message>
    <message>
        <source>the map puts cell %1 at %2, beyond the %3 cells a project names</source>
        <translation>die Tabelle setzt Zelle %1 auf %2, jenseits der %3 Zellen, die ein Projekt nennt</translation>
    </message>
    <message>
        <source>the map puts cell %1 at %2, beyond the project&apos;s %3 texture entries</source>
        <translation>die Tabelle setzt Zelle %1 auf %2, jenseits der %3 Textureinträge des Projekts</translation>
    </message>
    <message>
        <source>not a move map: its first line must be old_cell,new_cell,transform</source>
        <translation>keine Verschiebungstabelle: ihre erste Zeile muss old_cell,new_cell,transform sein</translation>
    </message>
    <message>
        <source>line %1 of the move map is not old_cell,new_cell,transform</source>
        <translation>Zeile %1 der Verschiebungstabelle ist nicht old_cell,new_cell,transform</translation>
    </message>
    <message>
        <source>frame %1 of %2: %3</source>
        <translation>Bild %1 von %2: %3</translation>
    </message>
</context>
<context>
    <name>mosaicor::RecoveryKeeper</name>
    <message>
        <source>     The recovery file could not be written: %1</source>
        <translation>     Die Wiederherstellungsdatei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>%1
The texture set left by a run that did not end cleanly cannot be recovered: %2</source>
        <translation>%1
Das Texturset einer nicht sauber beendeten Sitzung kann nicht wiederhergestellt werden: %2</translation>
    </message>
    <message>
        <source>Recover the texture set you were building at %1?</source>
        <translation>Das Texturset wiederherstellen, an dem Sie um %1 gearbeitet haben?</translation>
    </message>
    <message>
        <source>No deletes it; Cancel keeps it for the next start.</source>
        <translation>Nein löscht es; Abbrechen behält es für den nächsten Start.</translation>
    </message>
    <message>
        <source>this system names no folder for it</source>
        <translation>dieses System nennt keinen Ordner dafür</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Until it can be, a crash would lose every change since the last save.</source>
        <translation>Solange das nicht geht, würde ein Absturz alle Änderungen seit dem letzten Speichern verlieren.</translation>
    </message>
    <message>
        <source>The file is kept as %1.</source>
        <translation>Die Datei bleibt als %1 erhalten.</translation>
    </message>
</context>
<context>
    <name>mosaicor::TargetCensus</name>
    <message>
        <source>%1 / %2 tiles</source>
        <translation>%1 / %2 Tiles</translation>
    </message>
    <message>
        <source>Compact: %1 → %2 tiles</source>
        <translation>Verdichten: %1 → %2 Tiles</translation>
    </message>
</context>
<context>
    <name>mosaicor::TargetHistory</name>
    <message>
        <source>Create New</source>
        <translation>Neu erstellen</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Drop on Target</source>
        <translation>Auf das Ziel abgelegt</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Alles kopieren</translation>
    </message>
    <message>
        <source>Rotate tile</source>
        <translation>Tile drehen</translation>
    </message>
    <message>
        <source>Mirror tile</source>
        <translation>Tile horizontal spiegeln</translation>
    </message>
    <message>
        <source>Invert tile</source>
        <translation>Tile vertikal spiegeln</translation>
    </message>
    <message>
        <source>Swap tiles</source>
        <translation>Tiles tauschen</translation>
    </message>
    <message>
        <source>Move tile</source>
        <translation>Tile verschieben</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformieren</translation>
    </message>
    <message>
        <source>Paste tile</source>
        <translation>Tile einfügen</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles</source>
        <translation>Bilder als Tiles hinzufügen</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Page count</source>
        <translation>Seitenzahl</translation>
    </message>
    <message>
        <source>Compact Set</source>
        <translation>Set verdichten</translation>
    </message>
</context>
</TS>
