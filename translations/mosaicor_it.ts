<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Languages</name>
    <message>
        <source>   --- no SOURCE file loaded ---</source>
        <translation>   --- nessun file SORGENTE caricato ---</translation>
    </message>
    <message>
        <source>   --- Load Image File</source>
        <translation>   --- Carica file immagine</translation>
    </message>
    <message>
        <source>   --- Extract Textures from Tomb Raider Levels</source>
        <translation>   --- Estrai texture dai livelli di Tomb Raider</translation>
    </message>
    <message>
        <source>   --- Extract Animated Textures from TR Levels</source>
        <translation>   --- Estrai texture animate dai livelli di TR</translation>
    </message>
    <message>
        <source>   --- no TARGET file saved ---</source>
        <translation>   --- nessun file DESTINAZIONE salvato ---</translation>
    </message>
    <message>
        <source>   --- Save as Image File ( TGA, BMP, JPG )</source>
        <translation>   --- Salva come file immagine ( TGA, BMP, JPG )</translation>
    </message>
    <message>
        <source>   --- Create New</source>
        <translation>   --- Crea nuovo</translation>
    </message>
    <message>
        <source>   --- Reload a Texture Set File ( TGA, BMP, JPG )</source>
        <translation>   --- Ricarica un set di texture ( TGA, BMP, JPG )</translation>
    </message>
    <message>
        <source>   --- no TEXTURES extracted ---</source>
        <translation>   --- nessuna TEXTURE estratta ---</translation>
    </message>
    <message>
        <source>GRID</source>
        <translation>GRIGLIA</translation>
    </message>
    <message>
        <source>TRANSPARENCY</source>
        <translation>TRASPARENZA</translation>
    </message>
    <message>
        <source>ANIMATION</source>
        <translation>ANIMAZIONE</translation>
    </message>
    <message>
        <source>TRANSFORMATIONS</source>
        <translation>TRASFORMAZIONI</translation>
    </message>
    <message>
        <source>Copy All ---&gt;</source>
        <translation>Copia tutto ---&gt;</translation>
    </message>
    <message>
        <source>  Current Tile  </source>
        <translation>  Tile corrente  </translation>
    </message>
    <message>
        <source>  Clipboard  </source>
        <translation>  Appunti  </translation>
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
        <translation>      Dim. auto</translation>
    </message>
    <message>
        <source>      Scroll Tile</source>
        <translation>      Scorrevole</translation>
    </message>
    <message>
        <source>%1 x %2 pixels x %3</source>
        <translation>%1 x %2 pixel x %3</translation>
    </message>
    <message>
        <source>%1 x %2 pixels (%3 x %4 = %5 txtrs)</source>
        <translation>%1 x %2 pixel (%3 x %4 = %5 tile)</translation>
    </message>
    <message>
        <source>This image was too big! It was cropped to %1 pixels.
The right canvas must be used with standard Texture Sets, only.</source>
        <translation>Questa immagine era troppo grande! È stata ritagliata a %1 pixel.
La tela destra va usata solo con set di texture standard.</translation>
    </message>
    <message>
        <source>     SOURCE CANVAS. Left-click and drag to select, right-click and drag to animate.</source>
        <translation>     TELA SORGENTE. Clic sinistro e trascina per selezionare, clic destro e trascina per animare.</translation>
    </message>
    <message>
        <source>     File options.</source>
        <translation>     Opzioni file.</translation>
    </message>
    <message>
        <source>     Source area info.</source>
        <translation>     Info sull&apos;area sorgente.</translation>
    </message>
    <message>
        <source>     Reset: the grid goes back to the origin&apos;s position.</source>
        <translation>     Azzera: la griglia torna nella posizione d&apos;origine.</translation>
    </message>
    <message>
        <source>     View: toggles the grid&apos;s visibility.</source>
        <translation>     Vista: mostra o nasconde la griglia.</translation>
    </message>
    <message>
        <source>     Style: selects the design of the grid.</source>
        <translation>     Stile: sceglie l&apos;aspetto della griglia.</translation>
    </message>
    <message>
        <source>     Size: selects the resolution of the grid, in pixels ( 8x8, 16x16, 32x32, 64x64 ).</source>
        <translation>     Dimensione: sceglie la risoluzione della griglia, in pixel ( 8x8, 16x16, 32x32, 64x64 ).</translation>
    </message>
    <message>
        <source>     None: textures are extracted as they are in-file.</source>
        <translation>     Nessuna: le texture vengono estratte così come sono nel file.</translation>
    </message>
    <message>
        <source>     Convert: textures are rendered using magenta as transparent colour.</source>
        <translation>     Converti: le texture vengono rese con il magenta come colore trasparente.</translation>
    </message>
    <message>
        <source>     Colour Picker: selects the colour to be replaced with magenta.</source>
        <translation>     Contagocce: sceglie il colore da sostituire con il magenta.</translation>
    </message>
    <message>
        <source>     Alpha: extracts the alpha channel from the Source Canvas.</source>
        <translation>     Alfa: estrae il canale alfa dalla tela sorgente.</translation>
    </message>
    <message>
        <source>     Stop: stops the texture animation.</source>
        <translation>     Stop: ferma l&apos;animazione delle texture.</translation>
    </message>
    <message>
        <source>     Speed: slows down the speed of the texture animation.</source>
        <translation>     Velocità: rallenta l&apos;animazione delle texture.</translation>
    </message>
    <message>
        <source>     CENTRAL PANEL. Left-click on empty space to cancel animations, transformations or pasting.</source>
        <translation>     PANNELLO CENTRALE. Clic sinistro su uno spazio vuoto per annullare animazioni, trasformazioni o incolla.</translation>
    </message>
    <message>
        <source>     Replaces the Target Canvas with the Source Canvas, using the Grid.</source>
        <translation>     Sostituisce la tela di destinazione con la tela sorgente, secondo la griglia.</translation>
    </message>
    <message>
        <source>     Resizes the selected tiles to standard sizes.</source>
        <translation>     Ridimensiona i tile selezionati alle dimensioni standard.</translation>
    </message>
    <message>
        <source>     Colour pot: default transparent colour ( magenta = 255,0,255 )</source>
        <translation>     Barattolo: colore trasparente predefinito ( magenta = 255,0,255 )</translation>
    </message>
    <message>
        <source>     Colour pot: default empty colour ( black = 0,0,0 )</source>
        <translation>     Barattolo: colore vuoto predefinito ( nero = 0,0,0 )</translation>
    </message>
    <message>
        <source>     Colour pot: suggested filler colour ( maroon = 128,0,0 ). Double-click to change the colour</source>
        <translation>     Barattolo: colore di riempimento suggerito ( marrone = 128,0,0 ). Doppio clic per cambiare il colore</translation>
    </message>
    <message>
        <source>     Tile viewer.</source>
        <translation>     Visore dei tile.</translation>
    </message>
    <message>
        <source>     Export tiles to the Clipboard</source>
        <translation>     Esporta i tile negli appunti</translation>
    </message>
    <message>
        <source>     Import tiles from the Clipboard</source>
        <translation>     Importa i tile dagli appunti</translation>
    </message>
    <message>
        <source>     Export tiles to the Clipboard automatically</source>
        <translation>     Esporta automaticamente i tile negli appunti</translation>
    </message>
    <message>
        <source>     Import tiles from the Clipboard automatically</source>
        <translation>     Importa automaticamente i tile dagli appunti</translation>
    </message>
    <message>
        <source>     Help &amp; Credits</source>
        <translation>     Aiuto e riconoscimenti</translation>
    </message>
    <message>
        <source>     TARGET CANVAS. Press [CTRL] to repeat pasting. Right-click to cancel animations, transformations or pasting.</source>
        <translation>     TELA DI DESTINAZIONE. Tieni premuto [CTRL] per incollare più volte. Clic destro per annullare animazioni, trasformazioni o incolla.</translation>
    </message>
    <message>
        <source>     Target Canvas width in pages ( 1 or 2 ), being 1 = 256 pixels for the Level Editors, 2 = 512 pixels for Libraries.</source>
        <translation>     Larghezza della tela di destinazione in pagine ( 1 o 2 ): 1 = 256 pixel per gli editor di livelli, 2 = 512 pixel per le librerie.</translation>
    </message>
    <message>
        <source>     Target Canvas height in pages, 1 to 64.</source>
        <translation>     Altezza della tela di destinazione in pagine, da 1 a 64.</translation>
    </message>
    <message>
        <source>     Target area info. Goes red if the number of tiles exceeds 256.</source>
        <translation>     Info sull&apos;area di destinazione. Diventa rossa se i tile sono più di 256.</translation>
    </message>
    <message>
        <source>     Stop: cancels the Transformations Mode.</source>
        <translation>     Stop: annulla la modalità Trasformazioni.</translation>
    </message>
    <message>
        <source>     Rotation: rotates a tile 90 degrees.</source>
        <translation>     Rotazione: ruota un tile di 90 gradi.</translation>
    </message>
    <message>
        <source>     HFlip: mirrors a tile.</source>
        <translation>     Rifletti O: specchia un tile in orizzontale.</translation>
    </message>
    <message>
        <source>     VFlip: inverts a tile.</source>
        <translation>     Rifletti V: capovolge un tile in verticale.</translation>
    </message>
    <message>
        <source>     Swap: click-and-drag to exchange the position of two tiles.</source>
        <translation>     Scambia: clicca e trascina per scambiare la posizione di due tile.</translation>
    </message>
    <message>
        <source>     Move: click-and-drag to move one tile to another position.</source>
        <translation>     Sposta: clicca e trascina per spostare un tile in un&apos;altra posizione.</translation>
    </message>
    <message>
        <source>   --- Extract Level Textures as Tiles</source>
        <translation>   --- Estrai le texture del livello come tessere</translation>
    </message>
    <message>
        <source>page %1 · %2 × %3 at %4, %5</source>
        <translation>pagina %1 · %2 × %3 a %4, %5</translation>
    </message>
    <message>
        <source>1 object texture</source>
        <translation>1 texture oggetto</translation>
    </message>
    <message>
        <source>%1 object textures</source>
        <translation>%1 texture oggetto</translation>
    </message>
    <message>
        <source>animated</source>
        <translation>animata</translation>
    </message>
</context>
<context>
    <name>PictureFormat</name>
    <message>
        <source>Windows or OS/2 Bitmap</source>
        <translation>Bitmap di Windows o OS/2</translation>
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
        <translation>Cielo dell’editor di livelli</translation>
    </message>
    <message>
        <source>Level Editor Font</source>
        <translation>Font dell’editor di livelli</translation>
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
        <translation>4 bit (16 colori)</translation>
    </message>
    <message>
        <source>8 bits (256 col)</source>
        <translation>8 bit (256 colori)</translation>
    </message>
    <message>
        <source>15 bits</source>
        <translation>15 bit</translation>
    </message>
    <message>
        <source>16 bits</source>
        <translation>16 bit</translation>
    </message>
    <message>
        <source>24 bits</source>
        <translation>24 bit</translation>
    </message>
    <message>
        <source>32 bits</source>
        <translation>32 bit</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
</context>
<context>
    <name>TileCensus</name>
    <message>
        <source>%1 cells: %2 used, %3 unique, %4 empty</source>
        <translation>%1 celle: %2 usate, %3 uniche, %4 vuote</translation>
    </message>
</context>
<context>
    <name>mosaicor</name>
    <message>
        <source>copies, also turned or mirrored</source>
        <translation>copie, anche ruotate o specchiate</translation>
    </message>
    <message>
        <source>exact copies</source>
        <translation>copie esatte</translation>
    </message>
    <message>
        <source>, near ones with every channel within %1</source>
        <translation>, e simili con ogni canale entro %1</translation>
    </message>
</context>
<context>
    <name>mosaicor::AboutWindow</name>
    <message>
        <source>   About,   Help   &amp;   Credits</source>
        <translation>   Informazioni,   Aiuto   e   Riconoscimenti</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Texture sets builder
for the Tomb Raider legacy level editors</source>
        <translation>Costruttore di set di texture
per gli editor di livelli classici di Tomb Raider</translation>
    </message>
    <message>
        <source>Made by the Mosaicor developers.
CREDITS names the libraries it is built on.</source>
        <translation>Realizzato dagli sviluppatori di Mosaicor.
RICONOSCIMENTI elenca le librerie su cui si basa.</translation>
    </message>
    <message>
        <source>The manual and the credits are in English.</source>
        <translation>Il manuale e i riconoscimenti sono in inglese.</translation>
    </message>
    <message>
        <source>Mosaicor is a fan-made tool, free to use. It is not made, endorsed or supported by the owners of the Tomb Raider games and their level editors, and it is not affiliated with them. Tomb Raider is a trademark of its owner. Keep copies of your work: the tool comes with no warranty.</source>
        <translation>Mosaicor è uno strumento fatto da fan, libero da usare. Non è realizzato, approvato o supportato dai proprietari dei giochi di Tomb Raider e dei loro editor di livelli, e non è affiliato a loro. Tomb Raider è un marchio del suo proprietario. Conserva copie del tuo lavoro: lo strumento è fornito senza alcuna garanzia.</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AIUTO</translation>
    </message>
    <message>
        <source>CREDITS</source>
        <translation>RICONOSCIMENTI</translation>
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
        <translation>Riconoscimenti</translation>
    </message>
</context>
<context>
    <name>mosaicor::HelpWindow</name>
    <message>
        <source>   Help</source>
        <translation>   Aiuto</translation>
    </message>
</context>
<context>
    <name>mosaicor::LevelLoadingWindow</name>
    <message>
        <source>|TR1 (1996) - Tomb Raider (*.phd)|*.PHD|TR1 (1999) - Tomb Raider Gold (*.tub)|*.TUB|TR2 (1997) - Starring Lara Croft (*.tr2)|*.TR2|TR2 (1997) - Golden Mask (*.tr2)|*.TR2|TR3 (1998) - Adventures of Lara Croft (*.tr2)|*.TR2|TR3 (2000) - The Lost Artifact (*.tr2)|*.TR2|TR4 (1999) - The Last Revelation (*.tr4)|*.TR4|TR5 (2000) - Chronicles (*.trc)|*.TRC|All Files (*.*)|*.*</source>
        <extracomment>Name|patterns pairs: translate the names only, keep every | and pattern.</extracomment>
        <translation>|TR1 (1996) - Tomb Raider (*.phd)|*.PHD|TR1 (1999) - Tomb Raider Gold (*.tub)|*.TUB|TR2 (1997) - Starring Lara Croft (*.tr2)|*.TR2|TR2 (1997) - Golden Mask (*.tr2)|*.TR2|TR3 (1998) - Adventures of Lara Croft (*.tr2)|*.TR2|TR3 (2000) - The Lost Artifact (*.tr2)|*.TR2|TR4 (1999) - The Last Revelation (*.tr4)|*.TR4|TR5 (2000) - Chronicles (*.trc)|*.TRC|Tutti i file (*.*)|*.*</translation>
    </message>
    <message>
        <source>Tomb Raider Files</source>
        <translation>File di Tomb Raider</translation>
    </message>
    <message>
        <source>   Loading...</source>
        <translation>   Caricamento...</translation>
    </message>
    <message>
        <source>   ----- EXTRACT TOMB RAIDER TEXTURES -----</source>
        <translation>   ----- ESTRAI TEXTURE DI TOMB RAIDER -----</translation>
    </message>
    <message>
        <source>Object Libraries</source>
        <translation>Librerie di oggetti</translation>
    </message>
    <message>
        <source>   ----- EXTRACT LEVEL TEXTURES AS TILES -----</source>
        <translation>   ----- ESTRAI LE TEXTURE DEL LIVELLO COME TESSERE -----</translation>
    </message>
</context>
<context>
    <name>mosaicor::MainWindow</name>
    <message>
        <source>The texture set has changes that are not saved.</source>
        <translation>Il set di texture ha modifiche non salvate.</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>Salvarle prima?</translation>
    </message>
    <message>
        <source>x %1, y %2 · tile %3 · page %4</source>
        <translation>x %1, y %2 · tile %3 · pagina %4</translation>
    </message>
    <message>
        <source>     Zoom: shows the canvas larger ( Ctrl + wheel, Ctrl++, Ctrl+-, Ctrl+0 ).</source>
        <translation>     Zoom: mostra la tela più grande ( Ctrl + rotellina, Ctrl++, Ctrl+-, Ctrl+0 ).</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Picker</source>
        <translation>Contagocce</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alfa</translation>
    </message>
    <message>
        <source>AUTO EXPORT</source>
        <translation>AUTO ESPORTA</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>AUTO IMPORT</source>
        <translation>AUTO IMPORTA</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Scambia</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>     File options.</source>
        <translation>     Opzioni file.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Load Image File...</source>
        <translation>Carica file immagine...</translation>
    </message>
    <message>
        <source>Extract Textures...</source>
        <translation>Estrai texture...</translation>
    </message>
    <message>
        <source>Extract Animated Textures...</source>
        <translation>Estrai texture animate...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salva come...</translation>
    </message>
    <message>
        <source>Reload a Texture Set File...</source>
        <translation>Ricarica un set di texture...</translation>
    </message>
    <message>
        <source>Create New</source>
        <translation>Crea nuovo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>     Undoes the last change to the Target.</source>
        <translation>     Annulla l&apos;ultima modifica alla destinazione.</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>     Redoes the last change undone on the Target.</source>
        <translation>     Ripete l&apos;ultima modifica annullata sulla destinazione.</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copia tutto</translation>
    </message>
    <message>
        <source>Export tile</source>
        <translation>Esporta tile</translation>
    </message>
    <message>
        <source>Import tile</source>
        <translation>Importa tile</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annulla: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti: %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Grid shown</source>
        <translation>Mostra griglia</translation>
    </message>
    <message>
        <source>     Zoom of the canvas under the pointer.</source>
        <translation>     Zoom della tela sotto il puntatore.</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Rimpicciolisci</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Dimensione reale</translation>
    </message>
    <message>
        <source>Alpha layer</source>
        <translation>Canale alfa</translation>
    </message>
    <message>
        <source>     Alpha: shows the alpha channel of the Source Canvas.</source>
        <translation>     Alfa: mostra il canale alfa della tela sorgente.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>     Help &amp; Credits</source>
        <translation>     Aiuto e riconoscimenti</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria esaurita.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles</source>
        <translation>Aggiungi immagini come tile</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles…</source>
        <translation>Aggiungi immagini come tile…</translation>
    </message>
    <message>
        <source>     Add Pictures as Tiles: each picture goes into the next free cells of the Target.</source>
        <translation>     Aggiungi immagini come tile: ogni immagine va nelle successive celle libere della destinazione.</translation>
    </message>
    <message>
        <source>Tile Census</source>
        <translation>Censimento dei tile</translation>
    </message>
    <message>
        <source>     Tile Census: numbers the Target&apos;s twin cells and shades its empty ones.</source>
        <translation>     Censimento dei tile: numera le celle gemelle della destinazione e ombreggia quelle vuote.</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memoria esaurita</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be added as tiles:

%3</source>
        <translation>Non è stato possibile aggiungere come tile %1 immagini su %2:

%3</translation>
    </message>
    <message>
        <source>24-bit %1</source>
        <extracomment>%1 is the file&apos;s format: BMP, PNG, ...</extracomment>
        <translation>%1 a 24 bit</translation>
    </message>
    <message>
        <source>uncompressed 24-bit TGA</source>
        <translation>TGA a 24 bit non compresso</translation>
    </message>
    <message>
        <source>     Saved %1: %2 x %3 pixels, %4, %5 bytes</source>
        <translation>     Salvato %1: %2 x %3 pixel, %4, %5 byte</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… e altri %1.</translation>
    </message>
    <message>
        <source>Duplicates Up to Rotation and Mirror</source>
        <translation>Duplicati a meno di rotazione e specchio</translation>
    </message>
    <message>
        <source>     Census: cells that are the same when turned or mirrored count as duplicates.</source>
        <translation>     Censimento: le celle uguali se ruotate o specchiate contano come duplicati.</translation>
    </message>
    <message>
        <source>Near Duplicates</source>
        <translation>Quasi duplicati</translation>
    </message>
    <message>
        <source>     Census: cells within the tolerance of a group&apos;s first cell count as duplicates.</source>
        <translation>     Censimento: le celle entro la tolleranza dalla prima cella di un gruppo contano come duplicati.</translation>
    </message>
    <message>
        <source>Near Duplicates Tolerance…</source>
        <translation>Tolleranza dei quasi duplicati…</translation>
    </message>
    <message>
        <source>Compact Set…</source>
        <translation>Compatta set…</translation>
    </message>
    <message>
        <source>     Compact Set: drops the Target&apos;s empty and duplicate cells and moves the others to the front.</source>
        <translation>     Compatta set: toglie le celle vuote e duplicate del Target e sposta avanti le altre.</translation>
    </message>
    <message>
        <source>Near Duplicates (Tolerance %1)</source>
        <translation>Quasi duplicati (tolleranza %1)</translation>
    </message>
    <message>
        <source>Compact Set</source>
        <translation>Compatta set</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Compatta</translation>
    </message>
    <message>
        <source>Move maps (*.csv)</source>
        <translation>Mappe degli spostamenti (*.csv)</translation>
    </message>
    <message>
        <source>Cells are near duplicates when no channel of any pixel differs by more than:</source>
        <translation>Le celle sono quasi duplicati quando nessun canale di nessun pixel differisce di più di:</translation>
    </message>
    <message>
        <source>The Target cannot be compacted: %1</source>
        <translation>Il Target non può essere compattato: %1</translation>
    </message>
    <message>
        <source>Alpha → Magenta</source>
        <translation>Alfa → Magenta</translation>
    </message>
    <message>
        <source>Pixels of a picture with transparency whose alpha is below the threshold become magenta</source>
        <translation>I pixel di un’immagine con trasparenza il cui alfa è sotto la soglia diventano magenta</translation>
    </message>
    <message>
        <source>Clean fringe</source>
        <translation>Pulisci bordo</translation>
    </message>
    <message>
        <source>This picture has transparency: TRANSPARENCY ▸ Alpha → Magenta keys it for the level editor</source>
        <translation>Questa immagine ha trasparenza: TRASPARENZA ▸ Alfa → Magenta la rende magenta per l’editor di livelli</translation>
    </message>
    <message>
        <source>%1 frames, delays in ms: %2</source>
        <translation>%1 fotogrammi, ritardi in ms: %2</translation>
    </message>
    <message>
        <source>Extract Level Textures as Tiles...</source>
        <translation>Estrai le texture del livello come tessere...</translation>
    </message>
    <message>
        <source>Save into Object Library…</source>
        <translation>Salva nella libreria di oggetti…</translation>
    </message>
    <message>
        <source>     Save into Object Library: the Target&apos;s pages become the texture pages of a .wad, the old file kept as .bak.wad.</source>
        <translation>     Salva nella libreria di oggetti: le pagine del Target diventano le pagine di texture di un .wad; il vecchio file resta come .bak.wad.</translation>
    </message>
    <message>
        <source>Save into Object Library</source>
        <translation>Salva nella libreria di oggetti</translation>
    </message>
    <message>
        <source>Object Libraries</source>
        <translation>Librerie di oggetti</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Save the Move Map: where each used cell of the old set now stands (CSV)</source>
        <translation>Salva la mappa degli spostamenti: dove si trova ora ogni cella usata del vecchio set (CSV)</translation>
    </message>
    <message>
        <source>Compact the Target?

Duplicates: %1
Cells: %2 → %3 (the 64 x 64 places of the shown pages)
Pages: %4 → %5
Tiles: %6 → %7 (the cells that hold something; the level editor takes %8)

Each cell moves on its own: a texture that spans several cells may be split.
Afterwards you can save the move map, which tells a level&apos;s faces where their cells went.</source>
        <translation>Compattare il Target?

Duplicati: %1
Celle: %2 → %3 (i posti 64 x 64 delle pagine mostrate)
Pagine: %4 → %5
Tile: %6 → %7 (le celle che contengono qualcosa; l&apos;editor dei livelli ne accetta %8)

Ogni cella si sposta da sola: una texture su più celle può essere divisa.
Dopo puoi salvare la mappa degli spostamenti, che dice alle facce di un livello dove sono finite le loro celle.</translation>
    </message>
    <message>
        <source>The compaction is undone. The move map saved with it,
%1,
describes a change that was undone: it no longer fits the Target. Delete it, or keep it only if you compact again the same way.</source>
        <translation>La compattazione è stata annullata. La mappa degli spostamenti salvata con essa,
%1,
descrive una modifica annullata: non corrisponde più al Target. Eliminala, o tienila solo se compatti di nuovo allo stesso modo.</translation>
    </message>
    <message>
        <source>Also update the project that uses this set…</source>
        <translation>Aggiorna anche il progetto che usa questo set…</translation>
    </message>
    <message>
        <source>The Project That Uses This Set</source>
        <translation>Il progetto che usa questo set</translation>
    </message>
    <message>
        <source>Level editor projects (*.prj *.PRJ)</source>
        <translation>Progetti dell&apos;editor dei livelli (*.prj *.PRJ)</translation>
    </message>
    <message>
        <source>Keep a Backup</source>
        <translation>Tieni una copia di riserva</translation>
    </message>
    <message>
        <source>With the project %1: animated cells stay where they are, cells whose settings differ are not merged, and the cells its faces show are used even when empty.</source>
        <translation>Con il progetto %1: le celle animate restano dove sono, le celle con impostazioni diverse non vengono unite e le celle mostrate dalle sue facce contano come usate anche se vuote.</translation>
    </message>
    <message>
        <source>Its texture file is %1, not %2: it is updated all the same.</source>
        <translation>Il suo file di texture è %1, non %2: viene aggiornato lo stesso.</translation>
    </message>
    <message>
        <source>Nothing was saved: the backup %1 is kept as it was.</source>
        <translation>Non è stato salvato nulla: la copia di riserva %1 resta com&apos;era.</translation>
    </message>
    <message>
        <source>Saved the compacted set %1 and the updated project %2.
The old files are kept as %3 and %4.
Open %2 in the level editor: its faces show what they showed.</source>
        <translation>Salvati il set compattato %1 e il progetto aggiornato %2.
I vecchi file restano come %3 e %4.
Apri %2 nell&apos;editor dei livelli: le sue facce mostrano ciò che mostravano.</translation>
    </message>
    <message>
        <source>     Saved the Target&apos;s pages into %1; the old file is kept as %2</source>
        <translation>     Pagine del Target salvate in %1; il vecchio file resta come %2</translation>
    </message>
    <message>
        <source>%1 already exists: it keeps the file as it was before an earlier save.

Replace it with the file as it is now?</source>
        <translation>%1 esiste già: conserva il file com’era prima di un salvataggio precedente.

Sostituirla con il file com’è ora?</translation>
    </message>
</context>
<context>
    <name>mosaicor::PictureDialogs</name>
    <message>
        <source>   ----- LOADING IMAGE FILE -----</source>
        <translation>   ----- CARICAMENTO FILE IMMAGINE -----</translation>
    </message>
    <message>
        <source>   ----- SAVING IMAGE FILE -----</source>
        <translation>   ----- SALVATAGGIO FILE IMMAGINE -----</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Supported Input Files</source>
        <translation>File di input supportati</translation>
    </message>
    <message>
        <source>Supported Output Files</source>
        <translation>File di output supportati</translation>
    </message>
</context>
<context>
    <name>mosaicor::Reasons</name>
    <message>
        <source>not a level file</source>
        <translation>non è un file di livello</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>file non trovato</translation>
    </message>
    <message>
        <source>unknown level version</source>
        <translation>versione del livello sconosciuta</translation>
    </message>
    <message>
        <source>encrypted TR4 level: not supported</source>
        <translation>livello TR4 cifrato: non supportato</translation>
    </message>
    <message>
        <source>level file ends early</source>
        <translation>il file di livello termina prima del previsto</translation>
    </message>
    <message>
        <source>level file ends early in %1</source>
        <translation>il file di livello termina prima del previsto: %1</translation>
    </message>
    <message>
        <source>32-bit texture pages are missing</source>
        <translation>mancano le pagine di texture a 32 bit</translation>
    </message>
    <message>
        <source>no texture pages</source>
        <translation>nessuna pagina di texture</translation>
    </message>
    <message>
        <source>no animated textures</source>
        <translation>nessuna texture animata</translation>
    </message>
    <message>
        <source>damaged compressed data</source>
        <translation>dati compressi danneggiati</translation>
    </message>
    <message>
        <source>damaged compressed data in %1</source>
        <translation>dati compressi danneggiati: %1</translation>
    </message>
    <message>
        <source>the %1 at offset %2 (0x%3)</source>
        <translation>sezione «%1» all’offset %2 (0x%3)</translation>
    </message>
    <message>
        <source>the %1 at offset %2 (0x%3) of the inflated level data</source>
        <translation>sezione «%1» all’offset %2 (0x%3) dei dati di livello decompressi</translation>
    </message>
    <message>
        <source>room %1 at offset %2 (0x%3)</source>
        <translation>stanza %1 all’offset %2 (0x%3)</translation>
    </message>
    <message>
        <source>room %1 at offset %2 (0x%3) of the inflated level data</source>
        <translation>stanza %1 all’offset %2 (0x%3) dei dati di livello decompressi</translation>
    </message>
    <message>
        <source>compressed data unpacks to more than %1 MiB, more than any level holds</source>
        <translation>i dati compressi superano %1 MiB una volta decompressi, più di quanto contenga qualsiasi livello</translation>
    </message>
    <message>
        <source>a %1 picture, not a Tomb Raider level</source>
        <translation>un’immagine %1, non un livello di Tomb Raider</translation>
    </message>
    <message>
        <source>the level claims %1 texture pages (at most %2)</source>
        <translation>il livello dichiara %1 pagine di texture (al massimo %2)</translation>
    </message>
    <message>
        <source>the file is too large for a level (%1 MiB; levels are read up to %2 MiB)</source>
        <translation>il file è troppo grande per un livello (%1 MiB; i livelli vengono letti fino a %2 MiB)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>impossibile aprire: %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>impossibile leggere: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 format not supported.</source>
        <translation>Formato %1 non supportato.</translation>
    </message>
    <message>
        <source>This file has a non supported compression scheme.</source>
        <translation>Questo file usa uno schema di compressione non supportato.</translation>
    </message>
    <message>
        <source>a Tomb Raider level, not a picture</source>
        <translation>un livello di Tomb Raider, non un’immagine</translation>
    </message>
    <message>
        <source>the file is too large (%1 MiB; pictures are read up to %2 MiB)</source>
        <translation>il file è troppo grande (%1 MiB; le immagini vengono lette fino a %2 MiB)</translation>
    </message>
    <message>
        <source>not enough memory for the 32-bit picture</source>
        <translation>memoria insufficiente per l’immagine a 32 bit</translation>
    </message>
    <message>
        <source>not enough memory for a %1 x %2 picture</source>
        <translation>memoria insufficiente per un’immagine di %1 x %2</translation>
    </message>
    <message>
        <source>no picture described</source>
        <translation>nessuna immagine descritta</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1 x %2)</source>
        <translation>l’immagine non ha pixel (%1 x %2)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>l’immagine è troppo grande (%1 x %2 pixel)</translation>
    </message>
    <message>
        <source>the file is shorter than its %1 x %2 picture</source>
        <translation>il file è più corto della sua immagine di %1 x %2</translation>
    </message>
    <message>
        <source>the file is too short for its %1 x %2 picture</source>
        <translation>il file è troppo corto per la sua immagine di %1 x %2</translation>
    </message>
    <message>
        <source>not a BMP file</source>
        <translation>non è un file BMP</translation>
    </message>
    <message>
        <source>the file ends inside the BMP header</source>
        <translation>il file termina dentro l’intestazione BMP</translation>
    </message>
    <message>
        <source>unknown BMP header size %1</source>
        <translation>dimensione dell’intestazione BMP sconosciuta %1</translation>
    </message>
    <message>
        <source>OS/2 Huffman and RLE24 bitmaps are not supported</source>
        <translation>le bitmap OS/2 Huffman e RLE24 non sono supportate</translation>
    </message>
    <message>
        <source>the file ends inside the colour masks</source>
        <translation>il file termina dentro le maschere di colore</translation>
    </message>
    <message>
        <source>the pixel data lies outside the file</source>
        <translation>i dati dei pixel sono fuori dal file</translation>
    </message>
    <message>
        <source>BMP files of %1 bits per pixel are not supported</source>
        <translation>i file BMP a %1 bit per pixel non sono supportati</translation>
    </message>
    <message>
        <source>BMP compression %1 is not supported for %2 bits per pixel</source>
        <translation>la compressione BMP %1 non è supportata a %2 bit per pixel</translation>
    </message>
    <message>
        <source>a run-length encoded BMP cannot be stored top-down</source>
        <translation>un BMP con codifica RLE non può essere memorizzato dall’alto in basso</translation>
    </message>
    <message>
        <source>the picture is too large to decode progressively (%1 x %2 pixels)</source>
        <translation>l’immagine è troppo grande per la decodifica progressiva (%1 x %2 pixel)</translation>
    </message>
    <message>
        <source>the file is cut short: it ends before the picture&apos;s last rows</source>
        <translation>il file è troncato: termina prima delle ultime righe dell’immagine</translation>
    </message>
    <message>
        <source>JPEG error: %1</source>
        <translation>errore JPEG: %1</translation>
    </message>
    <message>
        <source>not a PCX file</source>
        <translation>non è un file PCX</translation>
    </message>
    <message>
        <source>PCX pictures of %1 bits in %2 planes are not supported</source>
        <translation>le immagini PCX a %1 bit su %2 piani non sono supportate</translation>
    </message>
    <message>
        <source>unknown PCX encoding %1</source>
        <translation>codifica PCX sconosciuta %1</translation>
    </message>
    <message>
        <source>the PCX rows (%1 bytes) are too short for %2 pixels</source>
        <translation>le righe PCX (%1 byte) sono troppo corte per %2 pixel</translation>
    </message>
    <message>
        <source>the PCX picture data ends at row %1 of %2</source>
        <translation>i dati dell’immagine PCX terminano alla riga %1 di %2</translation>
    </message>
    <message>
        <source>not a PNG file</source>
        <translation>non è un file PNG</translation>
    </message>
    <message>
        <source>the PNG file does not begin with its header chunk</source>
        <translation>il file PNG non inizia con il suo blocco di intestazione</translation>
    </message>
    <message>
        <source>the PNG chunk &quot;%1&quot; at offset %2 claims %3 bytes, but only %4 are left</source>
        <translation>il blocco PNG «%1» all’offset %2 dichiara %3 byte, ma ne restano solo %4</translation>
    </message>
    <message>
        <source>PNG error: %1</source>
        <translation>errore PNG: %1</translation>
    </message>
    <message>
        <source>not a Photoshop file</source>
        <translation>non è un file Photoshop</translation>
    </message>
    <message>
        <source>Photoshop files of version %1 (large documents) are not supported</source>
        <translation>i file Photoshop della versione %1 (documenti grandi) non sono supportati</translation>
    </message>
    <message>
        <source>the file ends inside its header sections</source>
        <translation>il file termina dentro le sue sezioni di intestazione</translation>
    </message>
    <message>
        <source>Photoshop colour mode %1 is not supported</source>
        <translation>la modalità colore Photoshop %1 non è supportata</translation>
    </message>
    <message>
        <source>Photoshop makes no %1 pictures of %2 bits a channel</source>
        <translation>Photoshop non crea immagini %1 a %2 bit per canale</translation>
    </message>
    <message>
        <source>the picture has %1 channels where its colour mode needs %2</source>
        <translation>l’immagine ha %1 canali dove la sua modalità colore ne richiede %2</translation>
    </message>
    <message>
        <source>the indexed picture has no palette</source>
        <translation>l’immagine indicizzata non ha tavolozza</translation>
    </message>
    <message>
        <source>the file ends before its image data</source>
        <translation>il file termina prima dei suoi dati immagine</translation>
    </message>
    <message>
        <source>the file ends inside its image data</source>
        <translation>il file termina dentro i suoi dati immagine</translation>
    </message>
    <message>
        <source>Photoshop image data compression %1 is not supported</source>
        <translation>la compressione dei dati immagine Photoshop %1 non è supportata</translation>
    </message>
    <message>
        <source>the file ends inside its row table</source>
        <translation>il file termina dentro la sua tabella delle righe</translation>
    </message>
    <message>
        <source>the image data is too short for the picture</source>
        <translation>i dati immagine sono troppo corti per l’immagine</translation>
    </message>
    <message>
        <source>not a Paint Shop Pro file</source>
        <translation>non è un file Paint Shop Pro</translation>
    </message>
    <message>
        <source>Paint Shop Pro files of format version %1 are not supported</source>
        <translation>i file Paint Shop Pro con versione di formato %1 non sono supportati</translation>
    </message>
    <message>
        <source>the %1 is damaged</source>
        <translation>«%1» è danneggiato</translation>
    </message>
    <message>
        <source>the block at byte %1 is damaged</source>
        <translation>il blocco al byte %1 è danneggiato</translation>
    </message>
    <message>
        <source>a channel holds too few bytes for its %1 x %2 pixels</source>
        <translation>un canale contiene troppo pochi byte per i suoi %1 x %2 pixel</translation>
    </message>
    <message>
        <source>a channel&apos;s compressed data is damaged</source>
        <translation>i dati compressi di un canale sono danneggiati</translation>
    </message>
    <message>
        <source>a channel unpacks to %1 bytes where %2 x %3 pixels need %4</source>
        <translation>un canale si decomprime in %1 byte dove %2 x %3 pixel ne richiedono %4</translation>
    </message>
    <message>
        <source>a channel lies outside the file</source>
        <translation>un canale è fuori dal file</translation>
    </message>
    <message>
        <source>a layer lacks some of its colour channels</source>
        <translation>a un livello mancano alcuni dei suoi canali di colore</translation>
    </message>
    <message>
        <source>the file has no image attributes</source>
        <translation>il file non ha attributi dell’immagine</translation>
    </message>
    <message>
        <source>Paint Shop Pro pictures of %1 bits per pixel are not supported</source>
        <translation>le immagini Paint Shop Pro a %1 bit per pixel non sono supportate</translation>
    </message>
    <message>
        <source>Paint Shop Pro compression %1 is not supported</source>
        <translation>la compressione Paint Shop Pro %1 non è supportata</translation>
    </message>
    <message>
        <source>the paletted picture has no palette</source>
        <translation>l’immagine a tavolozza non ha tavolozza</translation>
    </message>
    <message>
        <source>the file ends inside the TGA header</source>
        <translation>il file termina dentro l’intestazione TGA</translation>
    </message>
    <message>
        <source>the picture has a pixel depth of 0</source>
        <translation>l’immagine ha una profondità di pixel pari a 0</translation>
    </message>
    <message>
        <source>pixel depth %1 is not supported</source>
        <translation>la profondità di pixel %1 non è supportata</translation>
    </message>
    <message>
        <source>TGA image type %1 is not supported</source>
        <translation>il tipo di immagine TGA %1 non è supportato</translation>
    </message>
    <message>
        <source>colour map entries of %1 bits are not supported</source>
        <translation>le voci della mappa colori a %1 bit non sono supportate</translation>
    </message>
    <message>
        <source>the file ends inside the image ID</source>
        <translation>il file termina dentro l’identificativo dell’immagine</translation>
    </message>
    <message>
        <source>the file ends inside the colour map</source>
        <translation>il file termina dentro la mappa colori</translation>
    </message>
    <message>
        <source>not a TIFF file</source>
        <translation>non è un file TIFF</translation>
    </message>
    <message>
        <source>not a readable TIFF file</source>
        <translation>non è un file TIFF leggibile</translation>
    </message>
    <message>
        <source>TIFF error: %1</source>
        <translation>errore TIFF: %1</translation>
    </message>
    <message>
        <source>the TIFF picture&apos;s strips or tiles do not fit it</source>
        <translation>le strisce o i riquadri dell’immagine TIFF non vi corrispondono</translation>
    </message>
    <message>
        <source>the TIFF picture data is damaged</source>
        <translation>i dati dell’immagine TIFF sono danneggiati</translation>
    </message>
    <message>
        <source>unsupported TIFF layout: %1</source>
        <translation>struttura TIFF non supportata: %1</translation>
    </message>
    <message>
        <source>the TIFF picture has too many samples per pixel (%1)</source>
        <translation>l’immagine TIFF ha troppi campioni per pixel (%1)</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Non c’è nessuna immagine da salvare.</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels is too large for a BMP file.</source>
        <translation>Un’immagine di %1 x %2 pixel è troppo grande per un file BMP.</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels is too large for a TGA file (at most 65535 x 65535); save it as BMP instead.</source>
        <translation>Un’immagine di %1 x %2 pixel è troppo grande per un file TGA (al massimo 65535 x 65535); salvala invece come BMP.</translation>
    </message>
    <message>
        <source>Cannot write the JPEG picture: %1</source>
        <translation>Impossibile scrivere l’immagine JPEG: %1</translation>
    </message>
    <message>
        <source>Cannot write the PNG picture: %1</source>
        <translation>Impossibile scrivere l’immagine PNG: %1</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>l’immagine è vuota</translation>
    </message>
    <message>
        <source>cannot resample a %1 x %2 picture</source>
        <translation>impossibile ricampionare un’immagine di %1 x %2</translation>
    </message>
    <message>
        <source>not enough memory to grow the set</source>
        <translation>memoria insufficiente per ingrandire il set</translation>
    </message>
    <message>
        <source>the tile is empty</source>
        <translation>il riquadro è vuoto</translation>
    </message>
    <message>
        <source>a %1 x %2 tile is wider than the %3-pixel set</source>
        <translation>un riquadro di %1 x %2 è più largo del set di %3 pixel</translation>
    </message>
    <message>
        <source>a %1 x %2 tile is higher than %3 pages</source>
        <translation>un riquadro di %1 x %2 è più alto di %3 pagine</translation>
    </message>
    <message>
        <source>no free cells left for a %1 x %2 tile within %3 pages</source>
        <translation>non restano celle libere per un riquadro di %1 x %2 entro %3 pagine</translation>
    </message>
    <message>
        <source>the page counters %1 x %2 are out of range</source>
        <translation>i contatori di pagine %1 x %2 sono fuori intervallo</translation>
    </message>
    <message>
        <source>a %1 x %2 picture does not hold %3 x %4 pages</source>
        <translation>un’immagine di %1 x %2 non contiene %3 x %4 pagine</translation>
    </message>
    <message>
        <source>too many paths</source>
        <translation>troppi percorsi</translation>
    </message>
    <message>
        <source>the path %1 is too long</source>
        <translation>il percorso %1 è troppo lungo</translation>
    </message>
    <message>
        <source>the file ends inside the %1</source>
        <translation>il file termina dentro la sezione «%1»</translation>
    </message>
    <message>
        <source>a path of %1 bytes is longer than the file allows</source>
        <translation>un percorso di %1 byte è più lungo di quanto il file consenta</translation>
    </message>
    <message>
        <source>%1 paths are more than a recovery file holds</source>
        <translation>%1 percorsi sono più di quanti ne contenga un file di ripristino</translation>
    </message>
    <message>
        <source>not enough memory for the recovery file</source>
        <translation>memoria insufficiente per il file di ripristino</translation>
    </message>
    <message>
        <source>not a recovery file</source>
        <translation>non è un file di ripristino</translation>
    </message>
    <message>
        <source>recovery file version %1 is unknown</source>
        <translation>la versione %1 del file di ripristino è sconosciuta</translation>
    </message>
    <message>
        <source>a size in the header is out of range</source>
        <translation>una dimensione nell’intestazione è fuori intervallo</translation>
    </message>
    <message>
        <source>the file holds %1 bytes of pixels where a %2 x %3 picture has %4 bytes</source>
        <translation>il file contiene %1 byte di pixel dove un’immagine di %2 x %3 ne ha %4</translation>
    </message>
    <message>
        <source>not enough memory for the recovered picture</source>
        <translation>memoria insufficiente per l’immagine ripristinata</translation>
    </message>
    <message>
        <source>not a GIF file</source>
        <translation>non è un file GIF</translation>
    </message>
    <message>
        <source>this build of Qt has no GIF reader</source>
        <translation>questa build di Qt non ha un lettore GIF</translation>
    </message>
    <message>
        <source>the GIF file holds no frame</source>
        <translation>il file GIF non contiene alcun fotogramma</translation>
    </message>
    <message>
        <source>GIF error in frame %1: %2</source>
        <translation>errore GIF nel fotogramma %1: %2</translation>
    </message>
    <message>
        <source>not enough memory for a frame</source>
        <translation>memoria insufficiente per un fotogramma</translation>
    </message>
    <message>
        <source>not enough memory for the frames</source>
        <translation>memoria insufficiente per i fotogrammi</translation>
    </message>
    <message>
        <source>cannot resample a %1 x %2 frame</source>
        <translation>impossibile ricampionare un fotogramma di %1 x %2</translation>
    </message>
    <message>
        <source>the picture has %1 frames; 64 pages hold at most %2 frames of %3 x %4</source>
        <translation>l’immagine ha %1 fotogrammi; 64 pagine contengono al massimo %2 fotogrammi di %3 x %4</translation>
    </message>
    <message>
        <source>a %1 is %2 x %2 pixels of %3 bits, %4 bytes; this file has %5 bytes</source>
        <translation>un file %1 è di %2 x %2 pixel a %3 bit, %4 byte; questo file ha %5 byte</translation>
    </message>
    <message>
        <source>not enough memory for a 256 x 256 picture</source>
        <translation>memoria insufficiente per un’immagine di 256 x 256</translation>
    </message>
    <message>
        <source>no object textures</source>
        <translation>nessuna texture di oggetto</translation>
    </message>
    <message>
        <source>not enough memory for a texture set</source>
        <translation>memoria insufficiente per un set di texture</translation>
    </message>
    <message>
        <source>A %1 file holds a picture of 256 x 256 pixels; this one is %2 x %3.</source>
        <translation>Un file %1 contiene un’immagine di 256 x 256 pixel; questa è di %2 x %3.</translation>
    </message>
    <message>
        <source>the file cannot be replaced</source>
        <translation>il file non può essere sostituito</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memoria esaurita</translation>
    </message>
    <message>
        <source>unknown object library version %1 (versions 129 and 130 are read)</source>
        <translation>versione %1 della libreria di oggetti sconosciuta (si leggono le versioni 129 e 130)</translation>
    </message>
    <message>
        <source>object library ends early in %1</source>
        <translation>la libreria di oggetti termina prima del previsto: %1</translation>
    </message>
    <message>
        <source>the file is too large for an object library (%1 MiB; object libraries are read up to %2 MiB)</source>
        <translation>il file è troppo grande per una libreria di oggetti (%1 MiB; le librerie di oggetti si leggono fino a %2 MiB)</translation>
    </message>
    <message>
        <source>the texture set is %1 x %2 pixels, but the object library&apos;s pages are %3 x %4</source>
        <translation>il set di texture è di %1 x %2 pixel, ma le pagine della libreria di oggetti sono di %3 x %4</translation>
    </message>
    <message>
        <source>an object library, not a picture</source>
        <translation>una libreria di oggetti, non un’immagine</translation>
    </message>
    <message>
        <source>the file is too large (%1 MiB; files of this kind are read up to %2 MiB)</source>
        <translation>il file è troppo grande (%1 MiB; i file di questo tipo si leggono fino a %2 MiB)</translation>
    </message>
    <message>
        <source>the tiles do not fit into %1 pages</source>
        <translation>i tile non entrano in %1 pagine</translation>
    </message>
    <message>
        <source>not a tiles description (tiles.json): %1</source>
        <translation>non è una descrizione di tile (tiles.json): %1</translation>
    </message>
    <message>
        <source>the tiles description names no tile on %1</source>
        <translation>la descrizione dei tile non nomina alcun tile su %1</translation>
    </message>
    <message>
        <source>not a project of the level editor (no PROJFILE signature)</source>
        <translation>non è un progetto dell&apos;editor dei livelli (manca la firma PROJFILE)</translation>
    </message>
    <message>
        <source>a project with 128-pixel tiles (&quot;big textures&quot;): not supported</source>
        <translation>un progetto con tile da 128 pixel (&quot;big textures&quot;): non supportato</translation>
    </message>
    <message>
        <source>the project uses no texture set (its texture file is NA)</source>
        <translation>il progetto non usa alcun set di texture (il suo file di texture è NA)</translation>
    </message>
    <message>
        <source>damaged project: it ends early, at byte %1</source>
        <translation>progetto danneggiato: finisce troppo presto, al byte %1</translation>
    </message>
    <message>
        <source>damaged project: a count of %1 at byte %2</source>
        <translation>progetto danneggiato: un conteggio di %1 al byte %2</translation>
    </message>
    <message>
        <source>damaged project: an object of unknown kind %1 in room %2</source>
        <translation>progetto danneggiato: un oggetto di tipo sconosciuto %1 nella stanza %2</translation>
    </message>
    <message>
        <source>damaged project: a name longer than %1 bytes at byte %2</source>
        <translation>progetto danneggiato: un nome più lungo di %1 byte al byte %2</translation>
    </message>
    <message>
        <source>damaged project: %1 bytes follow where its reading ends</source>
        <translation>progetto danneggiato: seguono %1 byte dove finisce la sua lettura</translation>
    </message>
    <message>
        <source>damaged project: a face in room %1 shows texture entry %2 of %3</source>
        <translation>progetto danneggiato: una faccia nella stanza %1 mostra la voce di texture %2 di %3</translation>
    </message>
    <message>
        <source>the map names cell %1, which a project cannot have</source>
        <translation>la mappa nomina la cella %1, che un progetto non può avere</translation>
    </message>
    <message>
        <source>the map names cell %1 twice</source>
        <translation>la mappa nomina la cella %1 due volte</translation>
    </message>
    <message>
        <source>the map moves cell %1, which is animated</source>
        <translation>la mappa sposta la cella %1, che è animata</translation>
    </message>
    <message>
        <source>the map merges cell %1 into cell %2, which is animated</source>
        <translation>la mappa unisce la cella %1 alla cella %2, che è animata</translation>
    </message>
    <message>
        <source>the map merges cells %1 and %2, whose settings differ</source>
        <translation>la mappa unisce le celle %1 e %2, che hanno impostazioni diverse</translation>
    </message>
    <message>
        <source>the map does not say where cell %1 went, which the project uses</source>
        <translation>la mappa non dice dove è andata la cella %1, che il progetto usa</translation>
    </message>
    <message>
        <source>the map moves cell %1, under a texture entry across several cells</source>
        <translation>la mappa sposta la cella %1, sotto una voce di texture su più celle</translation>
    </message>
    <message>
        <source>the map puts cell %1 at %2, beyond the %3 cells a project names</source>
        <translation>la mappa mette la cella %1 in %2, oltre le %3 celle che un progetto nomina</translation>
    </message>
    <message>
        <source>the map puts cell %1 at %2, beyond the project&apos;s %3 texture entries</source>
        <translation>la mappa mette la cella %1 in %2, oltre le %3 voci di texture del progetto</translation>
    </message>
    <message>
        <source>not a move map: its first line must be old_cell,new_cell,transform</source>
        <translation>non è una mappa degli spostamenti: la prima riga deve essere old_cell,new_cell,transform</translation>
    </message>
    <message>
        <source>line %1 of the move map is not old_cell,new_cell,transform</source>
        <translation>la riga %1 della mappa degli spostamenti non è old_cell,new_cell,transform</translation>
    </message>
    <message>
        <source>frame %1 of %2: %3</source>
        <translation>fotogramma %1 di %2: %3</translation>
    </message>
</context>
<context>
    <name>mosaicor::RecoveryKeeper</name>
    <message>
        <source>     The recovery file could not be written: %1</source>
        <translation>     Impossibile scrivere il file di recupero: %1</translation>
    </message>
    <message>
        <source>%1
The texture set left by a run that did not end cleanly cannot be recovered: %2</source>
        <translation>%1
Il set di texture di una sessione non chiusa correttamente non può essere recuperato: %2</translation>
    </message>
    <message>
        <source>Recover the texture set you were building at %1?</source>
        <translation>Recuperare il set di texture su cui stavi lavorando alle %1?</translation>
    </message>
    <message>
        <source>No deletes it; Cancel keeps it for the next start.</source>
        <translation>No lo elimina; Annulla lo conserva per il prossimo avvio.</translation>
    </message>
    <message>
        <source>this system names no folder for it</source>
        <translation>questo sistema non indica alcuna cartella</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>impossibile scrivere nella cartella %1</translation>
    </message>
    <message>
        <source>Until it can be, a crash would lose every change since the last save.</source>
        <translation>Finché non sarà possibile, un arresto anomalo perderebbe ogni modifica dall’ultimo salvataggio.</translation>
    </message>
    <message>
        <source>The file is kept as %1.</source>
        <translation>Il file è conservato come %1.</translation>
    </message>
</context>
<context>
    <name>mosaicor::TargetCensus</name>
    <message>
        <source>%1 / %2 tiles</source>
        <translation>%1 / %2 tile</translation>
    </message>
    <message>
        <source>Compact: %1 → %2 tiles</source>
        <translation>Compatta: %1 → %2 tile</translation>
    </message>
</context>
<context>
    <name>mosaicor::TargetHistory</name>
    <message>
        <source>Create New</source>
        <translation>Crea nuovo</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <source>Drop on Target</source>
        <translation>Rilascio sulla destinazione</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copia tutto</translation>
    </message>
    <message>
        <source>Rotate tile</source>
        <translation>Ruota tile</translation>
    </message>
    <message>
        <source>Mirror tile</source>
        <translation>Rifletti tile in orizzontale</translation>
    </message>
    <message>
        <source>Invert tile</source>
        <translation>Rifletti tile in verticale</translation>
    </message>
    <message>
        <source>Swap tiles</source>
        <translation>Scambia tile</translation>
    </message>
    <message>
        <source>Move tile</source>
        <translation>Sposta tile</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Trasforma</translation>
    </message>
    <message>
        <source>Paste tile</source>
        <translation>Incolla tile</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles</source>
        <translation>Aggiungi immagini come tile</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recupera</translation>
    </message>
    <message>
        <source>Page count</source>
        <translation>Numero di pagine</translation>
    </message>
    <message>
        <source>Compact Set</source>
        <translation>Compatta set</translation>
    </message>
</context>
</TS>
