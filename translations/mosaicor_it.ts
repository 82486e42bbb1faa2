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
        <source>Save the Move Map</source>
        <translation>Salva la mappa degli spostamenti</translation>
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
        <source>Compact the Target?

Cells: %1 → %2
Pages: %3 → %4
Tiles: %5 → %6 (the level editor takes %7)</source>
        <translation>Compattare il Target?

Celle: %1 → %2
Pagine: %3 → %4
Tile: %5 → %6 (l&apos;editor dei livelli ne accetta %7)</translation>
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
</context>
<context>
    <name>mosaicor::PictureDialogs</name>
    <message>
        <source>   ----- LOADING IMAGE FILE -----</source>
        <translation>   ----- CARICAMENTO FILE IMMAGINE -----</translation>
    </message>
    <message>
        <source>Supported Input Files|*.BMP;*.JPG;*.JPEG;*.TGA;*.TIF;*.TIFF;*.PSD;*.PSP;*.PSPIMAGE;*.PCX;*.PNG;*.GIF;*.RAW;*.PC|Windows or OS/2 Bitmap (*.bmp)|*.BMP|Jpeg File Interchange (*.jpg;*.jpeg)|*.JPG;*.JPEG|Truevision Targa (*.tga)|*.TGA|Tagged Image File (*.tif;*.tiff)|*.TIF;*.TIFF|Adobe Photoshop (*.psd)|*.PSD|Paint Shop Pro Image (*.psp;*.pspimage)|*.PSP;*.PSPIMAGE|ZSoft Paintbrush (*.pcx)|*.PCX|Portable Network Graphics (*.png)|*.PNG|Graphics Interchange Format (*.gif)|*.GIF|Level Editor Sky (*.raw)|*.RAW|Level Editor Font (*.pc)|*.PC|All Files (*.*)|*.*</source>
        <extracomment>Name|patterns pairs: translate the names only, keep every | and pattern.</extracomment>
        <translation>File di input supportati|*.BMP;*.JPG;*.JPEG;*.TGA;*.TIF;*.TIFF;*.PSD;*.PSP;*.PSPIMAGE;*.PCX;*.PNG;*.GIF;*.RAW;*.PC|Bitmap di Windows o OS/2 (*.bmp)|*.BMP|Jpeg File Interchange (*.jpg;*.jpeg)|*.JPG;*.JPEG|Truevision Targa (*.tga)|*.TGA|Tagged Image File (*.tif;*.tiff)|*.TIF;*.TIFF|Adobe Photoshop (*.psd)|*.PSD|Paint Shop Pro Image (*.psp;*.pspimage)|*.PSP;*.PSPIMAGE|ZSoft Paintbrush (*.pcx)|*.PCX|Portable Network Graphics (*.png)|*.PNG|Graphics Interchange Format (*.gif)|*.GIF|Cielo dell’editor di livelli (*.raw)|*.RAW|Font dell’editor di livelli (*.pc)|*.PC|Tutti i file (*.*)|*.*</translation>
    </message>
    <message>
        <source>   ----- SAVING IMAGE FILE -----</source>
        <translation>   ----- SALVATAGGIO FILE IMMAGINE -----</translation>
    </message>
    <message>
        <source>Supported Output Files|*.TGA;*.BMP;*.JPG;*.JPEG;*.PNG|Windows or OS/2 Bitmap (*.bmp)|*.BMP|Jpeg File Interchange (*.jpg;*.jpeg)|*.JPG;*.JPEG|Truevision Targa (*.tga)|*.TGA|Portable Network Graphics (*.png)|*.PNG|All Files (*.*)|*.*</source>
        <extracomment>Name|patterns pairs: translate the names only, keep every | and pattern.</extracomment>
        <translation>File di output supportati|*.TGA;*.BMP;*.JPG;*.JPEG;*.PNG|Bitmap di Windows o OS/2 (*.bmp)|*.BMP|Jpeg File Interchange (*.jpg;*.jpeg)|*.JPG;*.JPEG|Truevision Targa (*.tga)|*.TGA|Portable Network Graphics (*.png)|*.PNG|Tutti i file (*.*)|*.*</translation>
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
