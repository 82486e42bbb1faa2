<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Languages</name>
    <message>
        <source>   --- no SOURCE file loaded ---</source>
        <translation>   --- nie wczytano pliku ŹRÓDŁOWEGO ---</translation>
    </message>
    <message>
        <source>   --- Load Image File</source>
        <translation>   --- Wczytaj plik obrazu</translation>
    </message>
    <message>
        <source>   --- Extract Textures from Tomb Raider Levels</source>
        <translation>   --- Wyodrębnij tekstury z poziomów Tomb Raider</translation>
    </message>
    <message>
        <source>   --- Extract Animated Textures from TR Levels</source>
        <translation>   --- Wyodrębnij animowane tekstury z poziomów TR</translation>
    </message>
    <message>
        <source>   --- no TARGET file saved ---</source>
        <translation>   --- nie zapisano pliku DOCELOWEGO ---</translation>
    </message>
    <message>
        <source>   --- Save as Image File ( TGA, BMP, JPG )</source>
        <translation>   --- Zapisz jako plik obrazu ( TGA, BMP, JPG )</translation>
    </message>
    <message>
        <source>   --- Create New</source>
        <translation>   --- Utwórz nowy</translation>
    </message>
    <message>
        <source>   --- Reload a Texture Set File ( TGA, BMP, JPG )</source>
        <translation>   --- Wczytaj zestaw tekstur ( TGA, BMP, JPG )</translation>
    </message>
    <message>
        <source>   --- no TEXTURES extracted ---</source>
        <translation>   --- nie wyodrębniono TEKSTUR ---</translation>
    </message>
    <message>
        <source>GRID</source>
        <translation>SIATKA</translation>
    </message>
    <message>
        <source>TRANSPARENCY</source>
        <translation>PRZEZROCZYSTOŚĆ</translation>
    </message>
    <message>
        <source>ANIMATION</source>
        <translation>ANIMACJA</translation>
    </message>
    <message>
        <source>TRANSFORMATIONS</source>
        <translation>PRZEKSZTAŁCENIA</translation>
    </message>
    <message>
        <source>Copy All ---&gt;</source>
        <translation>Kopiuj ---&gt;</translation>
    </message>
    <message>
        <source>  Current Tile  </source>
        <translation>  Bieżący kafelek  </translation>
    </message>
    <message>
        <source>  Clipboard  </source>
        <translation>  Schowek  </translation>
    </message>
    <message>
        <source>      Multi Tile</source>
        <translation>      Wiele kafli</translation>
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
        <translation>      Auto</translation>
    </message>
    <message>
        <source>      Scroll Tile</source>
        <translation>      Przewijany</translation>
    </message>
    <message>
        <source>%1 x %2 pixels x %3</source>
        <translation>%1 x %2 pikseli x %3</translation>
    </message>
    <message>
        <source>%1 x %2 pixels (%3 x %4 = %5 txtrs)</source>
        <translation>%1 x %2 pikseli (%3 x %4 = %5 kaf.)</translation>
    </message>
    <message>
        <source>This image was too big! It was cropped to %1 pixels.
The right canvas must be used with standard Texture Sets, only.</source>
        <translation>Ten obraz był za duży! Przycięto go do %1 pikseli.
Prawe płótno służy wyłącznie do standardowych zestawów tekstur.</translation>
    </message>
    <message>
        <source>     SOURCE CANVAS. Left-click and drag to select, right-click and drag to animate.</source>
        <translation>     PŁÓTNO ŹRÓDŁOWE. Kliknij lewym i przeciągnij, aby zaznaczyć; kliknij prawym i przeciągnij, aby animować.</translation>
    </message>
    <message>
        <source>     File options.</source>
        <translation>     Opcje pliku.</translation>
    </message>
    <message>
        <source>     Source area info.</source>
        <translation>     Informacje o obszarze źródłowym.</translation>
    </message>
    <message>
        <source>     Reset: the grid goes back to the origin&apos;s position.</source>
        <translation>     Resetuj: siatka wraca do punktu początkowego.</translation>
    </message>
    <message>
        <source>     View: toggles the grid&apos;s visibility.</source>
        <translation>     Widok: pokazuje lub ukrywa siatkę.</translation>
    </message>
    <message>
        <source>     Style: selects the design of the grid.</source>
        <translation>     Styl: wybiera wygląd siatki.</translation>
    </message>
    <message>
        <source>     Size: selects the resolution of the grid, in pixels ( 8x8, 16x16, 32x32, 64x64 ).</source>
        <translation>     Rozmiar: wybiera rozdzielczość siatki w pikselach ( 8x8, 16x16, 32x32, 64x64 ).</translation>
    </message>
    <message>
        <source>     None: textures are extracted as they are in-file.</source>
        <translation>     Brak: tekstury są wyodrębniane tak, jak są zapisane w pliku.</translation>
    </message>
    <message>
        <source>     Convert: textures are rendered using magenta as transparent colour.</source>
        <translation>     Konwertuj: tekstury są renderowane z magentą jako kolorem przezroczystym.</translation>
    </message>
    <message>
        <source>     Colour Picker: selects the colour to be replaced with magenta.</source>
        <translation>     Próbnik koloru: wybiera kolor, który zostanie zastąpiony magentą.</translation>
    </message>
    <message>
        <source>     Alpha: extracts the alpha channel from the Source Canvas.</source>
        <translation>     Alfa: wyodrębnia kanał alfa z płótna źródłowego.</translation>
    </message>
    <message>
        <source>     Stop: stops the texture animation.</source>
        <translation>     Stop: zatrzymuje animację tekstur.</translation>
    </message>
    <message>
        <source>     Speed: slows down the speed of the texture animation.</source>
        <translation>     Szybkość: spowalnia animację tekstur.</translation>
    </message>
    <message>
        <source>     CENTRAL PANEL. Left-click on empty space to cancel animations, transformations or pasting.</source>
        <translation>     PANEL ŚRODKOWY. Kliknij lewym w puste miejsce, aby anulować animacje, przekształcenia lub wklejanie.</translation>
    </message>
    <message>
        <source>     Replaces the Target Canvas with the Source Canvas, using the Grid.</source>
        <translation>     Zastępuje płótno docelowe płótnem źródłowym, według siatki.</translation>
    </message>
    <message>
        <source>     Resizes the selected tiles to standard sizes.</source>
        <translation>     Zmienia rozmiar zaznaczonych kafelków na standardowy.</translation>
    </message>
    <message>
        <source>     Colour pot: default transparent colour ( magenta = 255,0,255 )</source>
        <translation>     Próbka koloru: domyślny kolor przezroczysty ( magenta = 255,0,255 )</translation>
    </message>
    <message>
        <source>     Colour pot: default empty colour ( black = 0,0,0 )</source>
        <translation>     Próbka koloru: domyślny kolor pusty ( czarny = 0,0,0 )</translation>
    </message>
    <message>
        <source>     Colour pot: suggested filler colour ( maroon = 128,0,0 ). Double-click to change the colour</source>
        <translation>     Próbka koloru: sugerowany kolor wypełnienia ( bordowy = 128,0,0 ). Kliknij dwukrotnie, aby zmienić kolor</translation>
    </message>
    <message>
        <source>     Tile viewer.</source>
        <translation>     Podgląd kafelka.</translation>
    </message>
    <message>
        <source>     Export tiles to the Clipboard</source>
        <translation>     Eksportuj kafelki do schowka</translation>
    </message>
    <message>
        <source>     Import tiles from the Clipboard</source>
        <translation>     Importuj kafelki ze schowka</translation>
    </message>
    <message>
        <source>     Export tiles to the Clipboard automatically</source>
        <translation>     Automatycznie eksportuj kafelki do schowka</translation>
    </message>
    <message>
        <source>     Import tiles from the Clipboard automatically</source>
        <translation>     Automatycznie importuj kafelki ze schowka</translation>
    </message>
    <message>
        <source>     Help &amp; Credits</source>
        <translation>     Pomoc i autorzy</translation>
    </message>
    <message>
        <source>     TARGET CANVAS. Press [CTRL] to repeat pasting. Right-click to cancel animations, transformations or pasting.</source>
        <translation>     PŁÓTNO DOCELOWE. Przytrzymaj [CTRL], aby wklejać wielokrotnie. Kliknij prawym, aby anulować animacje, przekształcenia lub wklejanie.</translation>
    </message>
    <message>
        <source>     Target Canvas width in pages ( 1 or 2 ), being 1 = 256 pixels for the Level Editors, 2 = 512 pixels for Libraries.</source>
        <translation>     Szerokość płótna docelowego w stronach ( 1 lub 2 ): 1 = 256 pikseli dla edytorów poziomów, 2 = 512 pikseli dla bibliotek.</translation>
    </message>
    <message>
        <source>     Target Canvas height in pages, 1 to 64.</source>
        <translation>     Wysokość płótna docelowego w stronach, od 1 do 64.</translation>
    </message>
    <message>
        <source>     Target area info. Goes red if the number of tiles exceeds 256.</source>
        <translation>     Informacje o obszarze docelowym. Zmienia kolor na czerwony, gdy kafelków jest więcej niż 256.</translation>
    </message>
    <message>
        <source>     Stop: cancels the Transformations Mode.</source>
        <translation>     Stop: kończy tryb przekształceń.</translation>
    </message>
    <message>
        <source>     Rotation: rotates a tile 90 degrees.</source>
        <translation>     Obrót: obraca kafelek o 90 stopni.</translation>
    </message>
    <message>
        <source>     HFlip: mirrors a tile.</source>
        <translation>     Odbicie H: odbija kafelek w poziomie.</translation>
    </message>
    <message>
        <source>     VFlip: inverts a tile.</source>
        <translation>     Odbicie V: odbija kafelek w pionie.</translation>
    </message>
    <message>
        <source>     Swap: click-and-drag to exchange the position of two tiles.</source>
        <translation>     Zamiana: kliknij i przeciągnij, aby zamienić miejscami dwa kafelki.</translation>
    </message>
    <message>
        <source>     Move: click-and-drag to move one tile to another position.</source>
        <translation>     Przesuń: kliknij i przeciągnij, aby przenieść kafelek w inne miejsce.</translation>
    </message>
    <message>
        <source>   --- Extract Level Textures as Tiles</source>
        <translation>   --- Wyodrębnij tekstury poziomu jako kafle</translation>
    </message>
    <message>
        <source>page %1 · %2 × %3 at %4, %5</source>
        <translation>strona %1 · %2 × %3 w %4, %5</translation>
    </message>
    <message>
        <source>1 object texture</source>
        <translation>1 tekstura obiektu</translation>
    </message>
    <message>
        <source>%1 object textures</source>
        <translation>tekstury obiektów: %1</translation>
    </message>
    <message>
        <source>animated</source>
        <translation>animowana</translation>
    </message>
</context>
<context>
    <name>PictureFormat</name>
    <message>
        <source>Windows or OS/2 Bitmap</source>
        <translation>Mapa bitowa Windows lub OS/2</translation>
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
        <translation>Niebo edytora poziomów</translation>
    </message>
    <message>
        <source>Level Editor Font</source>
        <translation>Czcionka edytora poziomów</translation>
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
        <translation>4 bity (16 kol.)</translation>
    </message>
    <message>
        <source>8 bits (256 col)</source>
        <translation>8 bitów (256 kol.)</translation>
    </message>
    <message>
        <source>15 bits</source>
        <translation>15 bitów</translation>
    </message>
    <message>
        <source>16 bits</source>
        <translation>16 bitów</translation>
    </message>
    <message>
        <source>24 bits</source>
        <translation>24 bity</translation>
    </message>
    <message>
        <source>32 bits</source>
        <translation>32 bity</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
</context>
<context>
    <name>TileCensus</name>
    <message>
        <source>%1 cells: %2 used, %3 unique, %4 empty</source>
        <translation>Komórek: %1; zajętych: %2, unikalnych: %3, pustych: %4</translation>
    </message>
</context>
<context>
    <name>mosaicor</name>
    <message>
        <source>copies, also turned or mirrored</source>
        <translation>kopie, także obrócone lub odbite</translation>
    </message>
    <message>
        <source>exact copies</source>
        <translation>dokładne kopie</translation>
    </message>
    <message>
        <source>, near ones with every channel within %1</source>
        <translation>, także podobne, każdy kanał w granicach %1</translation>
    </message>
</context>
<context>
    <name>mosaicor::AboutWindow</name>
    <message>
        <source>   About,   Help   &amp;   Credits</source>
        <translation>   O programie,   Pomoc   i   Autorzy</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Texture sets builder
for the Tomb Raider legacy level editors</source>
        <translation>Kreator zestawów tekstur
do klasycznych edytorów poziomów Tomb Raider</translation>
    </message>
    <message>
        <source>Made by the Mosaicor developers.
CREDITS names the libraries it is built on.</source>
        <translation>Stworzony przez twórców Mosaicora.
AUTORZY wymienia biblioteki, na których się opiera.</translation>
    </message>
    <message>
        <source>The manual and the credits are in English.</source>
        <translation>Podręcznik i lista autorów są po angielsku.</translation>
    </message>
    <message>
        <source>Mosaicor is a fan-made tool, free to use. It is not made, endorsed or supported by the owners of the Tomb Raider games and their level editors, and it is not affiliated with them. Tomb Raider is a trademark of its owner. Keep copies of your work: the tool comes with no warranty.</source>
        <translation>Mosaicor to darmowe narzędzie stworzone przez fanów. Nie jest tworzone, popierane ani wspierane przez właścicieli gier Tomb Raider i ich edytorów poziomów i nie jest z nimi powiązane. Tomb Raider jest znakiem towarowym swojego właściciela. Rób kopie swojej pracy: narzędzie nie ma żadnej gwarancji.</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>POMOC</translation>
    </message>
    <message>
        <source>CREDITS</source>
        <translation>AUTORZY</translation>
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
        <translation>Autorzy</translation>
    </message>
</context>
<context>
    <name>mosaicor::HelpWindow</name>
    <message>
        <source>   Help</source>
        <translation>   Pomoc</translation>
    </message>
</context>
<context>
    <name>mosaicor::LevelLoadingWindow</name>
    <message>
        <source>|TR1 (1996) - Tomb Raider (*.phd)|*.PHD|TR1 (1999) - Tomb Raider Gold (*.tub)|*.TUB|TR2 (1997) - Starring Lara Croft (*.tr2)|*.TR2|TR2 (1997) - Golden Mask (*.tr2)|*.TR2|TR3 (1998) - Adventures of Lara Croft (*.tr2)|*.TR2|TR3 (2000) - The Lost Artifact (*.tr2)|*.TR2|TR4 (1999) - The Last Revelation (*.tr4)|*.TR4|TR5 (2000) - Chronicles (*.trc)|*.TRC|All Files (*.*)|*.*</source>
        <extracomment>Name|patterns pairs: translate the names only, keep every | and pattern.</extracomment>
        <translation>|TR1 (1996) - Tomb Raider (*.phd)|*.PHD|TR1 (1999) - Tomb Raider Gold (*.tub)|*.TUB|TR2 (1997) - Starring Lara Croft (*.tr2)|*.TR2|TR2 (1997) - Golden Mask (*.tr2)|*.TR2|TR3 (1998) - Adventures of Lara Croft (*.tr2)|*.TR2|TR3 (2000) - The Lost Artifact (*.tr2)|*.TR2|TR4 (1999) - The Last Revelation (*.tr4)|*.TR4|TR5 (2000) - Chronicles (*.trc)|*.TRC|Wszystkie pliki (*.*)|*.*</translation>
    </message>
    <message>
        <source>Tomb Raider Files</source>
        <translation>Pliki Tomb Raider</translation>
    </message>
    <message>
        <source>   Loading...</source>
        <translation>   Wczytywanie...</translation>
    </message>
    <message>
        <source>   ----- EXTRACT TOMB RAIDER TEXTURES -----</source>
        <translation>   ----- WYODRĘBNIJ TEKSTURY TOMB RAIDER -----</translation>
    </message>
    <message>
        <source>Object Libraries</source>
        <translation>Biblioteki obiektów</translation>
    </message>
    <message>
        <source>   ----- EXTRACT LEVEL TEXTURES AS TILES -----</source>
        <translation>   ----- WYODRĘBNIJ TEKSTURY POZIOMU JAKO KAFLE -----</translation>
    </message>
</context>
<context>
    <name>mosaicor::MainWindow</name>
    <message>
        <source>The texture set has changes that are not saved.</source>
        <translation>Zestaw tekstur ma niezapisane zmiany.</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>Zapisać je najpierw?</translation>
    </message>
    <message>
        <source>x %1, y %2 · tile %3 · page %4</source>
        <translation>x %1, y %2 · kafelek %3 · strona %4</translation>
    </message>
    <message>
        <source>     Zoom: shows the canvas larger ( Ctrl + wheel, Ctrl++, Ctrl+-, Ctrl+0 ).</source>
        <translation>     Powiększenie: pokazuje płótno w większej skali ( Ctrl + kółko, Ctrl++, Ctrl+-, Ctrl+0 ).</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Styl</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konwertuj</translation>
    </message>
    <message>
        <source>Picker</source>
        <translation>Próbnik</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alfa</translation>
    </message>
    <message>
        <source>AUTO EXPORT</source>
        <translation>AUTO EKSPORT</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>AUTO IMPORT</source>
        <translation>AUTO IMPORT</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Obrót</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Zamiana</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Przesuń</translation>
    </message>
    <message>
        <source>     File options.</source>
        <translation>     Opcje pliku.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Load Image File...</source>
        <translation>Wczytaj plik obrazu...</translation>
    </message>
    <message>
        <source>Extract Textures...</source>
        <translation>Wyodrębnij tekstury...</translation>
    </message>
    <message>
        <source>Extract Animated Textures...</source>
        <translation>Wyodrębnij animowane tekstury...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Zapisz jako...</translation>
    </message>
    <message>
        <source>Reload a Texture Set File...</source>
        <translation>Wczytaj ponownie zestaw tekstur...</translation>
    </message>
    <message>
        <source>Create New</source>
        <translation>Utwórz nowy</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>     Undoes the last change to the Target.</source>
        <translation>     Cofa ostatnią zmianę płótna docelowego.</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>     Redoes the last change undone on the Target.</source>
        <translation>     Ponawia ostatnią cofniętą zmianę płótna docelowego.</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Kopiuj wszystko</translation>
    </message>
    <message>
        <source>Export tile</source>
        <translation>Eksportuj kafelek</translation>
    </message>
    <message>
        <source>Import tile</source>
        <translation>Importuj kafelek</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Cofnij: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ponów: %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>Grid shown</source>
        <translation>Pokaż siatkę</translation>
    </message>
    <message>
        <source>     Zoom of the canvas under the pointer.</source>
        <translation>     Powiększenie płótna pod wskaźnikiem.</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>Alpha layer</source>
        <translation>Kanał alfa</translation>
    </message>
    <message>
        <source>     Alpha: shows the alpha channel of the Source Canvas.</source>
        <translation>     Alfa: pokazuje kanał alfa płótna źródłowego.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Podręcznik</translation>
    </message>
    <message>
        <source>     Help &amp; Credits</source>
        <translation>     Pomoc i autorzy</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Brak pamięci.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles</source>
        <translation>Dodaj obrazy jako kafelki</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles…</source>
        <translation>Dodaj obrazy jako kafelki…</translation>
    </message>
    <message>
        <source>     Add Pictures as Tiles: each picture goes into the next free cells of the Target.</source>
        <translation>     Dodaj obrazy jako kafelki: każdy obraz trafia do kolejnych wolnych komórek płótna docelowego.</translation>
    </message>
    <message>
        <source>Tile Census</source>
        <translation>Spis kafelków</translation>
    </message>
    <message>
        <source>     Tile Census: numbers the Target&apos;s twin cells and shades its empty ones.</source>
        <translation>     Spis kafelków: numeruje bliźniacze komórki płótna docelowego i zacienia puste.</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>brak pamięci</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be added as tiles:

%3</source>
        <translation>Nie udało się dodać jako kafelki obrazów: %1 z %2:

%3</translation>
    </message>
    <message>
        <source>24-bit %1</source>
        <extracomment>%1 is the file&apos;s format: BMP, PNG, ...</extracomment>
        <translation>%1 24-bitowy</translation>
    </message>
    <message>
        <source>uncompressed 24-bit TGA</source>
        <translation>nieskompresowany 24-bitowy TGA</translation>
    </message>
    <message>
        <source>     Saved %1: %2 x %3 pixels, %4, %5 bytes</source>
        <translation>     Zapisano %1: %2 x %3 pikseli, %4, bajtów: %5</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… i %1 więcej.</translation>
    </message>
    <message>
        <source>Duplicates Up to Rotation and Mirror</source>
        <translation>Duplikaty z dokładnością do obrotu i odbicia</translation>
    </message>
    <message>
        <source>     Census: cells that are the same when turned or mirrored count as duplicates.</source>
        <translation>     Spis: komórki jednakowe po obróceniu lub odbiciu liczą się jako duplikaty.</translation>
    </message>
    <message>
        <source>Near Duplicates</source>
        <translation>Prawie duplikaty</translation>
    </message>
    <message>
        <source>     Census: cells within the tolerance of a group&apos;s first cell count as duplicates.</source>
        <translation>     Spis: komórki w granicach tolerancji od pierwszej komórki grupy liczą się jako duplikaty.</translation>
    </message>
    <message>
        <source>Near Duplicates Tolerance…</source>
        <translation>Tolerancja prawie duplikatów…</translation>
    </message>
    <message>
        <source>Compact Set…</source>
        <translation>Zagęść zestaw…</translation>
    </message>
    <message>
        <source>     Compact Set: drops the Target&apos;s empty and duplicate cells and moves the others to the front.</source>
        <translation>     Zagęść zestaw: usuwa puste i powtórzone komórki Celu i przesuwa pozostałe na początek.</translation>
    </message>
    <message>
        <source>Near Duplicates (Tolerance %1)</source>
        <translation>Prawie duplikaty (tolerancja %1)</translation>
    </message>
    <message>
        <source>Compact Set</source>
        <translation>Zagęść zestaw</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Zagęść</translation>
    </message>
    <message>
        <source>Move maps (*.csv)</source>
        <translation>Mapy przesunięć (*.csv)</translation>
    </message>
    <message>
        <source>Cells are near duplicates when no channel of any pixel differs by more than:</source>
        <translation>Komórki są prawie duplikatami, gdy żaden kanał żadnego piksela nie różni się o więcej niż:</translation>
    </message>
    <message>
        <source>The Target cannot be compacted: %1</source>
        <translation>Celu nie można zagęścić: %1</translation>
    </message>
    <message>
        <source>Alpha → Magenta</source>
        <translation>Alfa → Magenta</translation>
    </message>
    <message>
        <source>Pixels of a picture with transparency whose alpha is below the threshold become magenta</source>
        <translation>Piksele obrazu z przezroczystością, których alfa jest poniżej progu, stają się magentą</translation>
    </message>
    <message>
        <source>Clean fringe</source>
        <translation>Oczyść krawędź</translation>
    </message>
    <message>
        <source>This picture has transparency: TRANSPARENCY ▸ Alpha → Magenta keys it for the level editor</source>
        <translation>Ten obraz ma przezroczystość: PRZEZROCZYSTOŚĆ ▸ Alfa → Magenta zamienia ją na magentę dla edytora poziomów</translation>
    </message>
    <message>
        <source>%1 frames, delays in ms: %2</source>
        <translation>%1 klatek, opóźnienia w ms: %2</translation>
    </message>
    <message>
        <source>Extract Level Textures as Tiles...</source>
        <translation>Wyodrębnij tekstury poziomu jako kafle...</translation>
    </message>
    <message>
        <source>Save into Object Library…</source>
        <translation>Zapisz w bibliotece obiektów…</translation>
    </message>
    <message>
        <source>     Save into Object Library: the Target&apos;s pages become the texture pages of a .wad, the old file kept as .bak.wad.</source>
        <translation>     Zapisz w bibliotece obiektów: strony Celu stają się stronami tekstur pliku .wad; stary plik zostaje jako .bak.wad.</translation>
    </message>
    <message>
        <source>Save into Object Library</source>
        <translation>Zapisz w bibliotece obiektów</translation>
    </message>
    <message>
        <source>Object Libraries</source>
        <translation>Biblioteki obiektów</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>Save the Move Map: where each used cell of the old set now stands (CSV)</source>
        <translation>Zapisz mapę przesunięć: gdzie teraz jest każda używana komórka starego zestawu (CSV)</translation>
    </message>
    <message>
        <source>Compact the Target?

Duplicates: %1
Cells: %2 → %3 (the 64 x 64 places of the shown pages)
Pages: %4 → %5
Tiles: %6 → %7 (the cells that hold something; the level editor takes %8)

Each cell moves on its own: a texture that spans several cells may be split.
Afterwards you can save the move map, which tells a level&apos;s faces where their cells went.</source>
        <translation>Zagęścić Cel?

Duplikaty: %1
Komórki: %2 → %3 (miejsca 64 x 64 na pokazanych stronach)
Strony: %4 → %5
Kafle: %6 → %7 (komórki, które coś zawierają; edytor poziomów przyjmuje %8)

Każda komórka jest przenoszona osobno: tekstura na kilku komórkach może zostać rozdzielona.
Potem możesz zapisać mapę przesunięć, która mówi ścianom poziomu, dokąd trafiły ich komórki.</translation>
    </message>
    <message>
        <source>The compaction is undone. The move map saved with it,
%1,
describes a change that was undone: it no longer fits the Target. Delete it, or keep it only if you compact again the same way.</source>
        <translation>Zagęszczenie cofnięto. Zapisana z nim mapa przesunięć,
%1,
opisuje cofniętą zmianę: nie pasuje już do Celu. Usuń ją albo zachowaj tylko wtedy, gdy znów zagęścisz tak samo.</translation>
    </message>
    <message>
        <source>Also update the project that uses this set…</source>
        <translation>Zaktualizuj też projekt, który używa tego zestawu…</translation>
    </message>
    <message>
        <source>The Project That Uses This Set</source>
        <translation>Projekt, który używa tego zestawu</translation>
    </message>
    <message>
        <source>Level editor projects (*.prj *.PRJ)</source>
        <translation>Projekty edytora poziomów (*.prj *.PRJ)</translation>
    </message>
    <message>
        <source>Keep a Backup</source>
        <translation>Zachowaj kopię zapasową</translation>
    </message>
    <message>
        <source>With the project %1: animated cells stay where they are, cells whose settings differ are not merged, and the cells its faces show are used even when empty.</source>
        <translation>Z projektem %1: animowane komórki zostają na miejscu, komórki o różnych ustawieniach nie są łączone, a komórki pokazywane przez jego ściany liczą się jako używane, nawet puste.</translation>
    </message>
    <message>
        <source>Its texture file is %1, not %2: it is updated all the same.</source>
        <translation>Jego plik tekstur to %1, nie %2: zostanie mimo to zaktualizowany.</translation>
    </message>
    <message>
        <source>Nothing was saved: the backup %1 is kept as it was.</source>
        <translation>Nic nie zapisano: kopia zapasowa %1 pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>Saved the compacted set %1 and the updated project %2.
The old files are kept as %3 and %4.
Open %2 in the level editor: its faces show what they showed.</source>
        <translation>Zapisano zagęszczony zestaw %1 i zaktualizowany projekt %2.
Stare pliki zachowano jako %3 i %4.
Otwórz %2 w edytorze poziomów: jego ściany pokazują to, co pokazywały.</translation>
    </message>
    <message>
        <source>     Saved the Target&apos;s pages into %1; the old file is kept as %2</source>
        <translation>     Zapisano strony Celu w %1; stary plik zostaje jako %2</translation>
    </message>
    <message>
        <source>%1 already exists: it keeps the file as it was before an earlier save.

Replace it with the file as it is now?</source>
        <translation>%1 już istnieje: przechowuje plik w stanie sprzed wcześniejszego zapisu.

Zastąpić ją plikiem w obecnym stanie?</translation>
    </message>
</context>
<context>
    <name>mosaicor::PictureDialogs</name>
    <message>
        <source>   ----- LOADING IMAGE FILE -----</source>
        <translation>   ----- WCZYTYWANIE PLIKU OBRAZU -----</translation>
    </message>
    <message>
        <source>   ----- SAVING IMAGE FILE -----</source>
        <translation>   ----- ZAPISYWANIE PLIKU OBRAZU -----</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Supported Input Files</source>
        <translation>Obsługiwane pliki wejściowe</translation>
    </message>
    <message>
        <source>Supported Output Files</source>
        <translation>Obsługiwane pliki wyjściowe</translation>
    </message>
</context>
<context>
    <name>mosaicor::Reasons</name>
    <message>
        <source>not a level file</source>
        <translation>to nie jest plik poziomu</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>nie znaleziono pliku</translation>
    </message>
    <message>
        <source>unknown level version</source>
        <translation>nieznana wersja poziomu</translation>
    </message>
    <message>
        <source>encrypted TR4 level: not supported</source>
        <translation>zaszyfrowany poziom TR4: nieobsługiwany</translation>
    </message>
    <message>
        <source>level file ends early</source>
        <translation>plik poziomu kończy się przedwcześnie</translation>
    </message>
    <message>
        <source>level file ends early in %1</source>
        <translation>plik poziomu kończy się przedwcześnie: %1</translation>
    </message>
    <message>
        <source>32-bit texture pages are missing</source>
        <translation>brakuje 32-bitowych stron tekstur</translation>
    </message>
    <message>
        <source>no texture pages</source>
        <translation>brak stron tekstur</translation>
    </message>
    <message>
        <source>no animated textures</source>
        <translation>brak animowanych tekstur</translation>
    </message>
    <message>
        <source>damaged compressed data</source>
        <translation>uszkodzone skompresowane dane</translation>
    </message>
    <message>
        <source>damaged compressed data in %1</source>
        <translation>uszkodzone skompresowane dane: %1</translation>
    </message>
    <message>
        <source>the %1 at offset %2 (0x%3)</source>
        <translation>sekcja „%1” pod przesunięciem %2 (0x%3)</translation>
    </message>
    <message>
        <source>the %1 at offset %2 (0x%3) of the inflated level data</source>
        <translation>sekcja „%1” pod przesunięciem %2 (0x%3) rozpakowanych danych poziomu</translation>
    </message>
    <message>
        <source>room %1 at offset %2 (0x%3)</source>
        <translation>pomieszczenie %1 pod przesunięciem %2 (0x%3)</translation>
    </message>
    <message>
        <source>room %1 at offset %2 (0x%3) of the inflated level data</source>
        <translation>pomieszczenie %1 pod przesunięciem %2 (0x%3) rozpakowanych danych poziomu</translation>
    </message>
    <message>
        <source>compressed data unpacks to more than %1 MiB, more than any level holds</source>
        <translation>skompresowane dane po rozpakowaniu zajmują ponad %1 MiB, więcej niż zawiera jakikolwiek poziom</translation>
    </message>
    <message>
        <source>a %1 picture, not a Tomb Raider level</source>
        <translation>obraz %1, a nie poziom Tomb Raider</translation>
    </message>
    <message>
        <source>the level claims %1 texture pages (at most %2)</source>
        <translation>poziom deklaruje %1 stron tekstur (najwyżej %2)</translation>
    </message>
    <message>
        <source>the file is too large for a level (%1 MiB; levels are read up to %2 MiB)</source>
        <translation>plik jest za duży na poziom (%1 MiB; poziomy są czytane do %2 MiB)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>brak pamięci</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>to folder, a nie plik</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>plik jest pusty</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>nie można otworzyć: %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>nie można odczytać: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>%1 format not supported.</source>
        <translation>Format %1 nie jest obsługiwany.</translation>
    </message>
    <message>
        <source>This file has a non supported compression scheme.</source>
        <translation>Ten plik używa nieobsługiwanej metody kompresji.</translation>
    </message>
    <message>
        <source>a Tomb Raider level, not a picture</source>
        <translation>poziom Tomb Raider, a nie obraz</translation>
    </message>
    <message>
        <source>the file is too large (%1 MiB; pictures are read up to %2 MiB)</source>
        <translation>plik jest za duży (%1 MiB; obrazy są czytane do %2 MiB)</translation>
    </message>
    <message>
        <source>not enough memory for the 32-bit picture</source>
        <translation>za mało pamięci na obraz 32-bitowy</translation>
    </message>
    <message>
        <source>not enough memory for a %1 x %2 picture</source>
        <translation>za mało pamięci na obraz %1 x %2</translation>
    </message>
    <message>
        <source>no picture described</source>
        <translation>nie opisano żadnego obrazu</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1 x %2)</source>
        <translation>obraz nie ma pikseli (%1 x %2)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>obraz jest za duży (%1 x %2 pikseli)</translation>
    </message>
    <message>
        <source>the file is shorter than its %1 x %2 picture</source>
        <translation>plik jest krótszy niż jego obraz %1 x %2</translation>
    </message>
    <message>
        <source>the file is too short for its %1 x %2 picture</source>
        <translation>plik jest za krótki na swój obraz %1 x %2</translation>
    </message>
    <message>
        <source>not a BMP file</source>
        <translation>to nie jest plik BMP</translation>
    </message>
    <message>
        <source>the file ends inside the BMP header</source>
        <translation>plik kończy się w nagłówku BMP</translation>
    </message>
    <message>
        <source>unknown BMP header size %1</source>
        <translation>nieznany rozmiar nagłówka BMP %1</translation>
    </message>
    <message>
        <source>OS/2 Huffman and RLE24 bitmaps are not supported</source>
        <translation>bitmapy OS/2 Huffman i RLE24 nie są obsługiwane</translation>
    </message>
    <message>
        <source>the file ends inside the colour masks</source>
        <translation>plik kończy się w maskach kolorów</translation>
    </message>
    <message>
        <source>the pixel data lies outside the file</source>
        <translation>dane pikseli leżą poza plikiem</translation>
    </message>
    <message>
        <source>BMP files of %1 bits per pixel are not supported</source>
        <translation>pliki BMP o %1 bitach na piksel nie są obsługiwane</translation>
    </message>
    <message>
        <source>BMP compression %1 is not supported for %2 bits per pixel</source>
        <translation>kompresja BMP %1 nie jest obsługiwana przy %2 bitach na piksel</translation>
    </message>
    <message>
        <source>a run-length encoded BMP cannot be stored top-down</source>
        <translation>BMP kodowany RLE nie może być zapisany od góry do dołu</translation>
    </message>
    <message>
        <source>the picture is too large to decode progressively (%1 x %2 pixels)</source>
        <translation>obraz jest za duży do dekodowania progresywnego (%1 x %2 pikseli)</translation>
    </message>
    <message>
        <source>the file is cut short: it ends before the picture&apos;s last rows</source>
        <translation>plik jest ucięty: kończy się przed ostatnimi wierszami obrazu</translation>
    </message>
    <message>
        <source>JPEG error: %1</source>
        <translation>błąd JPEG: %1</translation>
    </message>
    <message>
        <source>not a PCX file</source>
        <translation>to nie jest plik PCX</translation>
    </message>
    <message>
        <source>PCX pictures of %1 bits in %2 planes are not supported</source>
        <translation>obrazy PCX o %1 bitach w %2 płaszczyznach nie są obsługiwane</translation>
    </message>
    <message>
        <source>unknown PCX encoding %1</source>
        <translation>nieznane kodowanie PCX %1</translation>
    </message>
    <message>
        <source>the PCX rows (%1 bytes) are too short for %2 pixels</source>
        <translation>wiersze PCX (%1 bajtów) są za krótkie na %2 pikseli</translation>
    </message>
    <message>
        <source>the PCX picture data ends at row %1 of %2</source>
        <translation>dane obrazu PCX kończą się w wierszu %1 z %2</translation>
    </message>
    <message>
        <source>not a PNG file</source>
        <translation>to nie jest plik PNG</translation>
    </message>
    <message>
        <source>the PNG file does not begin with its header chunk</source>
        <translation>plik PNG nie zaczyna się od bloku nagłówka</translation>
    </message>
    <message>
        <source>the PNG chunk &quot;%1&quot; at offset %2 claims %3 bytes, but only %4 are left</source>
        <translation>blok PNG „%1” pod przesunięciem %2 deklaruje %3 bajtów, ale zostało tylko %4</translation>
    </message>
    <message>
        <source>PNG error: %1</source>
        <translation>błąd PNG: %1</translation>
    </message>
    <message>
        <source>not a Photoshop file</source>
        <translation>to nie jest plik Photoshopa</translation>
    </message>
    <message>
        <source>Photoshop files of version %1 (large documents) are not supported</source>
        <translation>pliki Photoshopa w wersji %1 (duże dokumenty) nie są obsługiwane</translation>
    </message>
    <message>
        <source>the file ends inside its header sections</source>
        <translation>plik kończy się w sekcjach nagłówka</translation>
    </message>
    <message>
        <source>Photoshop colour mode %1 is not supported</source>
        <translation>tryb koloru Photoshopa %1 nie jest obsługiwany</translation>
    </message>
    <message>
        <source>Photoshop makes no %1 pictures of %2 bits a channel</source>
        <translation>Photoshop nie tworzy obrazów %1 o %2 bitach na kanał</translation>
    </message>
    <message>
        <source>the picture has %1 channels where its colour mode needs %2</source>
        <translation>obraz ma %1 kanałów, a jego tryb koloru wymaga %2</translation>
    </message>
    <message>
        <source>the indexed picture has no palette</source>
        <translation>obraz indeksowany nie ma palety</translation>
    </message>
    <message>
        <source>the file ends before its image data</source>
        <translation>plik kończy się przed danymi obrazu</translation>
    </message>
    <message>
        <source>the file ends inside its image data</source>
        <translation>plik kończy się w danych obrazu</translation>
    </message>
    <message>
        <source>Photoshop image data compression %1 is not supported</source>
        <translation>kompresja danych obrazu Photoshopa %1 nie jest obsługiwana</translation>
    </message>
    <message>
        <source>the file ends inside its row table</source>
        <translation>plik kończy się w tabeli wierszy</translation>
    </message>
    <message>
        <source>the image data is too short for the picture</source>
        <translation>dane obrazu są za krótkie na obraz</translation>
    </message>
    <message>
        <source>not a Paint Shop Pro file</source>
        <translation>to nie jest plik Paint Shop Pro</translation>
    </message>
    <message>
        <source>Paint Shop Pro files of format version %1 are not supported</source>
        <translation>pliki Paint Shop Pro w wersji formatu %1 nie są obsługiwane</translation>
    </message>
    <message>
        <source>the %1 is damaged</source>
        <translation>„%1” jest uszkodzony</translation>
    </message>
    <message>
        <source>the block at byte %1 is damaged</source>
        <translation>blok przy bajcie %1 jest uszkodzony</translation>
    </message>
    <message>
        <source>a channel holds too few bytes for its %1 x %2 pixels</source>
        <translation>kanał zawiera za mało bajtów na swoje %1 x %2 pikseli</translation>
    </message>
    <message>
        <source>a channel&apos;s compressed data is damaged</source>
        <translation>skompresowane dane kanału są uszkodzone</translation>
    </message>
    <message>
        <source>a channel unpacks to %1 bytes where %2 x %3 pixels need %4</source>
        <translation>kanał rozpakowuje się do %1 bajtów, a %2 x %3 pikseli wymaga %4</translation>
    </message>
    <message>
        <source>a channel lies outside the file</source>
        <translation>kanał leży poza plikiem</translation>
    </message>
    <message>
        <source>a layer lacks some of its colour channels</source>
        <translation>warstwie brakuje niektórych kanałów kolorów</translation>
    </message>
    <message>
        <source>the file has no image attributes</source>
        <translation>plik nie ma atrybutów obrazu</translation>
    </message>
    <message>
        <source>Paint Shop Pro pictures of %1 bits per pixel are not supported</source>
        <translation>obrazy Paint Shop Pro o %1 bitach na piksel nie są obsługiwane</translation>
    </message>
    <message>
        <source>Paint Shop Pro compression %1 is not supported</source>
        <translation>kompresja Paint Shop Pro %1 nie jest obsługiwana</translation>
    </message>
    <message>
        <source>the paletted picture has no palette</source>
        <translation>obraz z paletą nie ma palety</translation>
    </message>
    <message>
        <source>the file ends inside the TGA header</source>
        <translation>plik kończy się w nagłówku TGA</translation>
    </message>
    <message>
        <source>the picture has a pixel depth of 0</source>
        <translation>obraz ma głębię piksela 0</translation>
    </message>
    <message>
        <source>pixel depth %1 is not supported</source>
        <translation>głębia piksela %1 nie jest obsługiwana</translation>
    </message>
    <message>
        <source>TGA image type %1 is not supported</source>
        <translation>typ obrazu TGA %1 nie jest obsługiwany</translation>
    </message>
    <message>
        <source>colour map entries of %1 bits are not supported</source>
        <translation>wpisy mapy kolorów o %1 bitach nie są obsługiwane</translation>
    </message>
    <message>
        <source>the file ends inside the image ID</source>
        <translation>plik kończy się w identyfikatorze obrazu</translation>
    </message>
    <message>
        <source>the file ends inside the colour map</source>
        <translation>plik kończy się w mapie kolorów</translation>
    </message>
    <message>
        <source>not a TIFF file</source>
        <translation>to nie jest plik TIFF</translation>
    </message>
    <message>
        <source>not a readable TIFF file</source>
        <translation>to nie jest czytelny plik TIFF</translation>
    </message>
    <message>
        <source>TIFF error: %1</source>
        <translation>błąd TIFF: %1</translation>
    </message>
    <message>
        <source>the TIFF picture&apos;s strips or tiles do not fit it</source>
        <translation>paski lub kafle obrazu TIFF do niego nie pasują</translation>
    </message>
    <message>
        <source>the TIFF picture data is damaged</source>
        <translation>dane obrazu TIFF są uszkodzone</translation>
    </message>
    <message>
        <source>unsupported TIFF layout: %1</source>
        <translation>nieobsługiwany układ TIFF: %1</translation>
    </message>
    <message>
        <source>the TIFF picture has too many samples per pixel (%1)</source>
        <translation>obraz TIFF ma za dużo próbek na piksel (%1)</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Nie ma obrazu do zapisania.</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels is too large for a BMP file.</source>
        <translation>Obraz %1 x %2 pikseli jest za duży na plik BMP.</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels is too large for a TGA file (at most 65535 x 65535); save it as BMP instead.</source>
        <translation>Obraz %1 x %2 pikseli jest za duży na plik TGA (najwyżej 65535 x 65535); zapisz go zamiast tego jako BMP.</translation>
    </message>
    <message>
        <source>Cannot write the JPEG picture: %1</source>
        <translation>Nie można zapisać obrazu JPEG: %1</translation>
    </message>
    <message>
        <source>Cannot write the PNG picture: %1</source>
        <translation>Nie można zapisać obrazu PNG: %1</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>obraz jest pusty</translation>
    </message>
    <message>
        <source>cannot resample a %1 x %2 picture</source>
        <translation>nie można przepróbkować obrazu %1 x %2</translation>
    </message>
    <message>
        <source>not enough memory to grow the set</source>
        <translation>za mało pamięci, by powiększyć zestaw</translation>
    </message>
    <message>
        <source>the tile is empty</source>
        <translation>kafel jest pusty</translation>
    </message>
    <message>
        <source>a %1 x %2 tile is wider than the %3-pixel set</source>
        <translation>kafel %1 x %2 jest szerszy niż zestaw o szerokości %3 pikseli</translation>
    </message>
    <message>
        <source>a %1 x %2 tile is higher than %3 pages</source>
        <translation>kafel %1 x %2 jest wyższy niż %3 stron</translation>
    </message>
    <message>
        <source>no free cells left for a %1 x %2 tile within %3 pages</source>
        <translation>brak wolnych komórek na kafel %1 x %2 w obrębie %3 stron</translation>
    </message>
    <message>
        <source>the page counters %1 x %2 are out of range</source>
        <translation>liczniki stron %1 x %2 są poza zakresem</translation>
    </message>
    <message>
        <source>a %1 x %2 picture does not hold %3 x %4 pages</source>
        <translation>obraz %1 x %2 nie mieści %3 x %4 stron</translation>
    </message>
    <message>
        <source>too many paths</source>
        <translation>za dużo ścieżek</translation>
    </message>
    <message>
        <source>the path %1 is too long</source>
        <translation>ścieżka %1 jest za długa</translation>
    </message>
    <message>
        <source>the file ends inside the %1</source>
        <translation>plik kończy się w sekcji „%1”</translation>
    </message>
    <message>
        <source>a path of %1 bytes is longer than the file allows</source>
        <translation>ścieżka o długości %1 bajtów jest dłuższa, niż pozwala plik</translation>
    </message>
    <message>
        <source>%1 paths are more than a recovery file holds</source>
        <translation>%1 ścieżek to więcej, niż mieści plik odzyskiwania</translation>
    </message>
    <message>
        <source>not enough memory for the recovery file</source>
        <translation>za mało pamięci na plik odzyskiwania</translation>
    </message>
    <message>
        <source>not a recovery file</source>
        <translation>to nie jest plik odzyskiwania</translation>
    </message>
    <message>
        <source>recovery file version %1 is unknown</source>
        <translation>wersja pliku odzyskiwania %1 jest nieznana</translation>
    </message>
    <message>
        <source>a size in the header is out of range</source>
        <translation>rozmiar w nagłówku jest poza zakresem</translation>
    </message>
    <message>
        <source>the file holds %1 bytes of pixels where a %2 x %3 picture has %4 bytes</source>
        <translation>plik zawiera %1 bajtów pikseli, a obraz %2 x %3 ma %4 bajtów</translation>
    </message>
    <message>
        <source>not enough memory for the recovered picture</source>
        <translation>za mało pamięci na odzyskany obraz</translation>
    </message>
    <message>
        <source>not a GIF file</source>
        <translation>to nie jest plik GIF</translation>
    </message>
    <message>
        <source>this build of Qt has no GIF reader</source>
        <translation>ta kompilacja Qt nie ma czytnika GIF</translation>
    </message>
    <message>
        <source>the GIF file holds no frame</source>
        <translation>plik GIF nie zawiera żadnej klatki</translation>
    </message>
    <message>
        <source>GIF error in frame %1: %2</source>
        <translation>błąd GIF w klatce %1: %2</translation>
    </message>
    <message>
        <source>not enough memory for a frame</source>
        <translation>za mało pamięci na klatkę</translation>
    </message>
    <message>
        <source>not enough memory for the frames</source>
        <translation>za mało pamięci na klatki</translation>
    </message>
    <message>
        <source>cannot resample a %1 x %2 frame</source>
        <translation>nie można przeskalować klatki %1 x %2</translation>
    </message>
    <message>
        <source>the picture has %1 frames; 64 pages hold at most %2 frames of %3 x %4</source>
        <translation>obraz ma %1 klatek; 64 strony mieszczą najwyżej %2 klatek %3 x %4</translation>
    </message>
    <message>
        <source>a %1 is %2 x %2 pixels of %3 bits, %4 bytes; this file has %5 bytes</source>
        <translation>plik %1 ma %2 x %2 pikseli po %3 bity, %4 bajtów; ten plik ma %5 bajtów</translation>
    </message>
    <message>
        <source>not enough memory for a 256 x 256 picture</source>
        <translation>za mało pamięci na obraz 256 x 256</translation>
    </message>
    <message>
        <source>no object textures</source>
        <translation>brak tekstur obiektów</translation>
    </message>
    <message>
        <source>not enough memory for a texture set</source>
        <translation>za mało pamięci na zestaw tekstur</translation>
    </message>
    <message>
        <source>A %1 file holds a picture of 256 x 256 pixels; this one is %2 x %3.</source>
        <translation>Plik %1 zawiera obraz 256 x 256 pikseli; ten ma %2 x %3.</translation>
    </message>
    <message>
        <source>the file cannot be replaced</source>
        <translation>nie można zastąpić pliku</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>brak pamięci</translation>
    </message>
    <message>
        <source>unknown object library version %1 (versions 129 and 130 are read)</source>
        <translation>nieznana wersja %1 biblioteki obiektów (odczytywane są wersje 129 i 130)</translation>
    </message>
    <message>
        <source>object library ends early in %1</source>
        <translation>biblioteka obiektów kończy się przedwcześnie: %1</translation>
    </message>
    <message>
        <source>the file is too large for an object library (%1 MiB; object libraries are read up to %2 MiB)</source>
        <translation>plik jest za duży na bibliotekę obiektów (%1 MiB; biblioteki obiektów są odczytywane do %2 MiB)</translation>
    </message>
    <message>
        <source>the texture set is %1 x %2 pixels, but the object library&apos;s pages are %3 x %4</source>
        <translation>zestaw tekstur ma %1 x %2 pikseli, a strony biblioteki obiektów mają %3 x %4</translation>
    </message>
    <message>
        <source>an object library, not a picture</source>
        <translation>biblioteka obiektów, nie obraz</translation>
    </message>
    <message>
        <source>the file is too large (%1 MiB; files of this kind are read up to %2 MiB)</source>
        <translation>plik jest za duży (%1 MiB; pliki tego rodzaju są czytane do %2 MiB)</translation>
    </message>
    <message>
        <source>the tiles do not fit into %1 pages</source>
        <translation>kafle nie mieszczą się na %1 stronach</translation>
    </message>
    <message>
        <source>not a tiles description (tiles.json): %1</source>
        <translation>to nie jest opis kafli (tiles.json): %1</translation>
    </message>
    <message>
        <source>the tiles description names no tile on %1</source>
        <translation>opis kafli nie wymienia żadnego kafla na %1</translation>
    </message>
    <message>
        <source>not a project of the level editor (no PROJFILE signature)</source>
        <translation>to nie jest projekt edytora poziomów (brak sygnatury PROJFILE)</translation>
    </message>
    <message>
        <source>a project with 128-pixel tiles (&quot;big textures&quot;): not supported</source>
        <translation>projekt z kaflami 128-pikselowymi („big textures”): nieobsługiwany</translation>
    </message>
    <message>
        <source>the project uses no texture set (its texture file is NA)</source>
        <translation>projekt nie używa zestawu tekstur (jego plik tekstur to NA)</translation>
    </message>
    <message>
        <source>damaged project: it ends early, at byte %1</source>
        <translation>uszkodzony projekt: kończy się za wcześnie, na bajcie %1</translation>
    </message>
    <message>
        <source>damaged project: a count of %1 at byte %2</source>
        <translation>uszkodzony projekt: liczba %1 na bajcie %2</translation>
    </message>
    <message>
        <source>damaged project: an object of unknown kind %1 in room %2</source>
        <translation>uszkodzony projekt: obiekt nieznanego rodzaju %1 w pomieszczeniu %2</translation>
    </message>
    <message>
        <source>damaged project: a name longer than %1 bytes at byte %2</source>
        <translation>uszkodzony projekt: nazwa dłuższa niż %1 bajtów na bajcie %2</translation>
    </message>
    <message>
        <source>damaged project: %1 bytes follow where its reading ends</source>
        <translation>uszkodzony projekt: %1 bajtów następuje tam, gdzie kończy się jego odczyt</translation>
    </message>
    <message>
        <source>damaged project: a face in room %1 shows texture entry %2 of %3</source>
        <translation>uszkodzony projekt: ściana w pomieszczeniu %1 pokazuje wpis tekstury %2 z %3</translation>
    </message>
    <message>
        <source>the map names cell %1, which a project cannot have</source>
        <translation>mapa wymienia komórkę %1, której projekt nie może mieć</translation>
    </message>
    <message>
        <source>the map names cell %1 twice</source>
        <translation>mapa wymienia komórkę %1 dwa razy</translation>
    </message>
    <message>
        <source>the map moves cell %1, which is animated</source>
        <translation>mapa przenosi komórkę %1, która jest animowana</translation>
    </message>
    <message>
        <source>the map merges cell %1 into cell %2, which is animated</source>
        <translation>mapa łączy komórkę %1 z komórką %2, która jest animowana</translation>
    </message>
    <message>
        <source>the map merges cells %1 and %2, whose settings differ</source>
        <translation>mapa łączy komórki %1 i %2, które mają różne ustawienia</translation>
    </message>
    <message>
        <source>the map does not say where cell %1 went, which the project uses</source>
        <translation>mapa nie mówi, dokąd trafiła komórka %1, której używa projekt</translation>
    </message>
    <message>
        <source>the map moves cell %1, under a texture entry across several cells</source>
        <translation>mapa przenosi komórkę %1 pod wpisem tekstury obejmującym kilka komórek</translation>
    </message>
    <message>
        <source>the map puts cell %1 at %2, beyond the %3 cells a project names</source>
        <translation>mapa umieszcza komórkę %1 na %2, poza %3 komórkami, które nazywa projekt</translation>
    </message>
    <message>
        <source>the map puts cell %1 at %2, beyond the project&apos;s %3 texture entries</source>
        <translation>mapa umieszcza komórkę %1 na %2, poza %3 wpisami tekstur projektu</translation>
    </message>
    <message>
        <source>not a move map: its first line must be old_cell,new_cell,transform</source>
        <translation>to nie jest mapa przesunięć: pierwszy wiersz musi brzmieć old_cell,new_cell,transform</translation>
    </message>
    <message>
        <source>line %1 of the move map is not old_cell,new_cell,transform</source>
        <translation>wiersz %1 mapy przesunięć nie ma postaci old_cell,new_cell,transform</translation>
    </message>
    <message>
        <source>frame %1 of %2: %3</source>
        <translation>klatka %1 z %2: %3</translation>
    </message>
</context>
<context>
    <name>mosaicor::RecoveryKeeper</name>
    <message>
        <source>     The recovery file could not be written: %1</source>
        <translation>     Nie udało się zapisać pliku odzyskiwania: %1</translation>
    </message>
    <message>
        <source>%1
The texture set left by a run that did not end cleanly cannot be recovered: %2</source>
        <translation>%1
Nie można odzyskać zestawu tekstur z sesji, która nie zakończyła się poprawnie: %2</translation>
    </message>
    <message>
        <source>Recover the texture set you were building at %1?</source>
        <translation>Odzyskać zestaw tekstur, nad którym pracowano o %1?</translation>
    </message>
    <message>
        <source>No deletes it; Cancel keeps it for the next start.</source>
        <translation>Nie usuwa go; Anuluj zachowuje go do następnego uruchomienia.</translation>
    </message>
    <message>
        <source>this system names no folder for it</source>
        <translation>ten system nie wskazuje na nią folderu</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>nie można zapisywać w folderze %1</translation>
    </message>
    <message>
        <source>Until it can be, a crash would lose every change since the last save.</source>
        <translation>Dopóki to niemożliwe, awaria utraciłaby wszystkie zmiany od ostatniego zapisu.</translation>
    </message>
    <message>
        <source>The file is kept as %1.</source>
        <translation>Plik zachowano jako %1.</translation>
    </message>
</context>
<context>
    <name>mosaicor::TargetCensus</name>
    <message>
        <source>%1 / %2 tiles</source>
        <translation>%1 / %2 kafli</translation>
    </message>
    <message>
        <source>Compact: %1 → %2 tiles</source>
        <translation>Zagęszczenie: %1 → %2 kafli</translation>
    </message>
</context>
<context>
    <name>mosaicor::TargetHistory</name>
    <message>
        <source>Create New</source>
        <translation>Utwórz nowy</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ponowne wczytanie</translation>
    </message>
    <message>
        <source>Drop on Target</source>
        <translation>Upuszczenie na płótno docelowe</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Kopiuj wszystko</translation>
    </message>
    <message>
        <source>Rotate tile</source>
        <translation>Obrót kafelka</translation>
    </message>
    <message>
        <source>Mirror tile</source>
        <translation>Odbicie kafelka w poziomie</translation>
    </message>
    <message>
        <source>Invert tile</source>
        <translation>Odbicie kafelka w pionie</translation>
    </message>
    <message>
        <source>Swap tiles</source>
        <translation>Zamiana kafelków</translation>
    </message>
    <message>
        <source>Move tile</source>
        <translation>Przesunięcie kafelka</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Przekształcenie</translation>
    </message>
    <message>
        <source>Paste tile</source>
        <translation>Wklejenie kafelka</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles</source>
        <translation>Dodanie obrazów jako kafelków</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Odzyskanie</translation>
    </message>
    <message>
        <source>Page count</source>
        <translation>Liczba stron</translation>
    </message>
    <message>
        <source>Compact Set</source>
        <translation>Zagęść zestaw</translation>
    </message>
</context>
</TS>
