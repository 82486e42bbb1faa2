<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Languages</name>
    <message>
        <source>   --- no SOURCE file loaded ---</source>
        <translation>   --- aucun fichier SOURCE chargé ---</translation>
    </message>
    <message>
        <source>   --- Load Image File</source>
        <translation>   --- Charger un fichier image</translation>
    </message>
    <message>
        <source>   --- Extract Textures from Tomb Raider Levels</source>
        <translation>   --- Extraire les textures de niveaux Tomb Raider</translation>
    </message>
    <message>
        <source>   --- Extract Animated Textures from TR Levels</source>
        <translation>   --- Extraire les textures animées de niveaux TR</translation>
    </message>
    <message>
        <source>   --- no TARGET file saved ---</source>
        <translation>   --- aucun fichier CIBLE enregistré ---</translation>
    </message>
    <message>
        <source>   --- Save as Image File ( TGA, BMP, JPG )</source>
        <translation>   --- Enregistrer sous ( TGA, BMP, JPG )</translation>
    </message>
    <message>
        <source>   --- Create New</source>
        <translation>   --- Créer un nouveau</translation>
    </message>
    <message>
        <source>   --- Reload a Texture Set File ( TGA, BMP, JPG )</source>
        <translation>   --- Rouvrir un jeu de textures ( TGA, BMP, JPG )</translation>
    </message>
    <message>
        <source>   --- no TEXTURES extracted ---</source>
        <translation>   --- aucune TEXTURE extraite ---</translation>
    </message>
    <message>
        <source>GRID</source>
        <translation>GRILLE</translation>
    </message>
    <message>
        <source>TRANSPARENCY</source>
        <translation>TRANSPARENCE</translation>
    </message>
    <message>
        <source>ANIMATION</source>
        <translation>ANIMATION</translation>
    </message>
    <message>
        <source>TRANSFORMATIONS</source>
        <translation>TRANSFORMATIONS</translation>
    </message>
    <message>
        <source>Copy All ---&gt;</source>
        <translation>Tout copier ---&gt;</translation>
    </message>
    <message>
        <source>  Current Tile  </source>
        <translation>  Tuile courante  </translation>
    </message>
    <message>
        <source>  Clipboard  </source>
        <translation>  Presse-papiers  </translation>
    </message>
    <message>
        <source>      Multi Tile</source>
        <translation>      Multi-tuiles</translation>
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
        <translation>      Taille auto</translation>
    </message>
    <message>
        <source>      Scroll Tile</source>
        <translation>      Défilement</translation>
    </message>
    <message>
        <source>%1 x %2 pixels x %3</source>
        <translation>%1 x %2 pixels x %3</translation>
    </message>
    <message>
        <source>%1 x %2 pixels (%3 x %4 = %5 txtrs)</source>
        <translation>%1 x %2 pixels (%3 x %4 = %5 tuiles)</translation>
    </message>
    <message>
        <source>This image was too big! It was cropped to %1 pixels.
The right canvas must be used with standard Texture Sets, only.</source>
        <translation>Cette image était trop grande ! Elle a été recadrée à %1 pixels.
Le canevas de droite ne doit servir qu&apos;aux jeux de textures standard.</translation>
    </message>
    <message>
        <source>     SOURCE CANVAS. Left-click and drag to select, right-click and drag to animate.</source>
        <translation>     CANEVAS SOURCE. Clic gauche et glisser pour sélectionner, clic droit et glisser pour animer.</translation>
    </message>
    <message>
        <source>     File options.</source>
        <translation>     Options de fichier.</translation>
    </message>
    <message>
        <source>     Source area info.</source>
        <translation>     Infos sur la zone source.</translation>
    </message>
    <message>
        <source>     Reset: the grid goes back to the origin&apos;s position.</source>
        <translation>     Réinitialiser : la grille revient à sa position d&apos;origine.</translation>
    </message>
    <message>
        <source>     View: toggles the grid&apos;s visibility.</source>
        <translation>     Afficher : montre ou cache la grille.</translation>
    </message>
    <message>
        <source>     Style: selects the design of the grid.</source>
        <translation>     Style : choisit l&apos;aspect de la grille.</translation>
    </message>
    <message>
        <source>     Size: selects the resolution of the grid, in pixels ( 8x8, 16x16, 32x32, 64x64 ).</source>
        <translation>     Taille : choisit la résolution de la grille, en pixels ( 8x8, 16x16, 32x32, 64x64 ).</translation>
    </message>
    <message>
        <source>     None: textures are extracted as they are in-file.</source>
        <translation>     Aucune : les textures sont extraites telles qu&apos;elles sont dans le fichier.</translation>
    </message>
    <message>
        <source>     Convert: textures are rendered using magenta as transparent colour.</source>
        <translation>     Convertir : les textures sont rendues avec le magenta comme couleur transparente.</translation>
    </message>
    <message>
        <source>     Colour Picker: selects the colour to be replaced with magenta.</source>
        <translation>     Pipette : choisit la couleur à remplacer par le magenta.</translation>
    </message>
    <message>
        <source>     Alpha: extracts the alpha channel from the Source Canvas.</source>
        <translation>     Alpha : extrait le canal alpha du canevas source.</translation>
    </message>
    <message>
        <source>     Stop: stops the texture animation.</source>
        <translation>     Stop : arrête l&apos;animation des textures.</translation>
    </message>
    <message>
        <source>     Speed: slows down the speed of the texture animation.</source>
        <translation>     Vitesse : ralentit l&apos;animation des textures.</translation>
    </message>
    <message>
        <source>     CENTRAL PANEL. Left-click on empty space to cancel animations, transformations or pasting.</source>
        <translation>     PANNEAU CENTRAL. Clic gauche sur un espace vide pour annuler animations, transformations ou collage.</translation>
    </message>
    <message>
        <source>     Replaces the Target Canvas with the Source Canvas, using the Grid.</source>
        <translation>     Remplace le canevas cible par le canevas source, selon la grille.</translation>
    </message>
    <message>
        <source>     Resizes the selected tiles to standard sizes.</source>
        <translation>     Redimensionne les tuiles sélectionnées aux tailles standard.</translation>
    </message>
    <message>
        <source>     Colour pot: default transparent colour ( magenta = 255,0,255 )</source>
        <translation>     Pot de couleur : couleur transparente par défaut ( magenta = 255,0,255 )</translation>
    </message>
    <message>
        <source>     Colour pot: default empty colour ( black = 0,0,0 )</source>
        <translation>     Pot de couleur : couleur vide par défaut ( noir = 0,0,0 )</translation>
    </message>
    <message>
        <source>     Colour pot: suggested filler colour ( maroon = 128,0,0 ). Double-click to change the colour</source>
        <translation>     Pot de couleur : couleur de remplissage suggérée ( bordeaux = 128,0,0 ). Double-cliquer pour changer la couleur</translation>
    </message>
    <message>
        <source>     Tile viewer.</source>
        <translation>     Aperçu de la tuile.</translation>
    </message>
    <message>
        <source>     Export tiles to the Clipboard</source>
        <translation>     Exporter les tuiles vers le presse-papiers</translation>
    </message>
    <message>
        <source>     Import tiles from the Clipboard</source>
        <translation>     Importer les tuiles depuis le presse-papiers</translation>
    </message>
    <message>
        <source>     Export tiles to the Clipboard automatically</source>
        <translation>     Exporter automatiquement les tuiles vers le presse-papiers</translation>
    </message>
    <message>
        <source>     Import tiles from the Clipboard automatically</source>
        <translation>     Importer automatiquement les tuiles depuis le presse-papiers</translation>
    </message>
    <message>
        <source>     Help &amp; Credits</source>
        <translation>     Aide et crédits</translation>
    </message>
    <message>
        <source>     TARGET CANVAS. Press [CTRL] to repeat pasting. Right-click to cancel animations, transformations or pasting.</source>
        <translation>     CANEVAS CIBLE. Maintenir [CTRL] pour coller plusieurs fois. Clic droit pour annuler animations, transformations ou collage.</translation>
    </message>
    <message>
        <source>     Target Canvas width in pages ( 1 or 2 ), being 1 = 256 pixels for the Level Editors, 2 = 512 pixels for Libraries.</source>
        <translation>     Largeur du canevas cible en pages ( 1 ou 2 ) : 1 = 256 pixels pour les éditeurs de niveaux, 2 = 512 pixels pour les bibliothèques.</translation>
    </message>
    <message>
        <source>     Target Canvas height in pages, 1 to 64.</source>
        <translation>     Hauteur du canevas cible en pages, de 1 à 64.</translation>
    </message>
    <message>
        <source>     Target area info. Goes red if the number of tiles exceeds 256.</source>
        <translation>     Infos sur la zone cible. Passe au rouge au-delà de 256 tuiles.</translation>
    </message>
    <message>
        <source>     Stop: cancels the Transformations Mode.</source>
        <translation>     Stop : quitte le mode Transformations.</translation>
    </message>
    <message>
        <source>     Rotation: rotates a tile 90 degrees.</source>
        <translation>     Rotation : fait pivoter une tuile de 90 degrés.</translation>
    </message>
    <message>
        <source>     HFlip: mirrors a tile.</source>
        <translation>     Miroir H : retourne une tuile horizontalement.</translation>
    </message>
    <message>
        <source>     VFlip: inverts a tile.</source>
        <translation>     Miroir V : retourne une tuile verticalement.</translation>
    </message>
    <message>
        <source>     Swap: click-and-drag to exchange the position of two tiles.</source>
        <translation>     Échanger : cliquer-glisser pour échanger la position de deux tuiles.</translation>
    </message>
    <message>
        <source>     Move: click-and-drag to move one tile to another position.</source>
        <translation>     Déplacer : cliquer-glisser pour déplacer une tuile vers une autre position.</translation>
    </message>
    <message>
        <source>   --- Extract Level Textures as Tiles</source>
        <translation>   --- Extraire les textures du niveau en tuiles</translation>
    </message>
    <message>
        <source>page %1 · %2 × %3 at %4, %5</source>
        <translation>page %1 · %2 × %3 à %4, %5</translation>
    </message>
    <message>
        <source>1 object texture</source>
        <translation>1 texture d&apos;objet</translation>
    </message>
    <message>
        <source>%1 object textures</source>
        <translation>%1 textures d&apos;objet</translation>
    </message>
    <message>
        <source>animated</source>
        <translation>animée</translation>
    </message>
</context>
<context>
    <name>PictureFormat</name>
    <message>
        <source>Windows or OS/2 Bitmap</source>
        <translation>Bitmap Windows ou OS/2</translation>
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
        <translation>Ciel de l’éditeur de niveaux</translation>
    </message>
    <message>
        <source>Level Editor Font</source>
        <translation>Police de l’éditeur de niveaux</translation>
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
        <translation>4 bits (16 coul.)</translation>
    </message>
    <message>
        <source>8 bits (256 col)</source>
        <translation>8 bits (256 coul.)</translation>
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
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>TileCensus</name>
    <message>
        <source>%1 cells: %2 used, %3 unique, %4 empty</source>
        <translation>%1 cellules : %2 utilisées, %3 uniques, %4 vides</translation>
    </message>
</context>
<context>
    <name>mosaicor</name>
    <message>
        <source>copies, also turned or mirrored</source>
        <translation>copies, même tournées ou en miroir</translation>
    </message>
    <message>
        <source>exact copies</source>
        <translation>copies exactes</translation>
    </message>
    <message>
        <source>, near ones with every channel within %1</source>
        <translation>, et proches avec chaque canal à %1 près</translation>
    </message>
</context>
<context>
    <name>mosaicor::AboutWindow</name>
    <message>
        <source>   About,   Help   &amp;   Credits</source>
        <translation>   À propos,   Aide   &amp;   Crédits</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Texture sets builder
for the Tomb Raider legacy level editors</source>
        <translation>Créateur de jeux de textures
pour les éditeurs de niveaux classiques de Tomb Raider</translation>
    </message>
    <message>
        <source>Made by the Mosaicor developers.
CREDITS names the libraries it is built on.</source>
        <translation>Réalisé par les développeurs de Mosaicor.
CRÉDITS cite les bibliothèques sur lesquelles il repose.</translation>
    </message>
    <message>
        <source>The manual and the credits are in English.</source>
        <translation>Le manuel et les crédits sont en anglais.</translation>
    </message>
    <message>
        <source>Mosaicor is a fan-made tool, free to use. It is not made, endorsed or supported by the owners of the Tomb Raider games and their level editors, and it is not affiliated with them. Tomb Raider is a trademark of its owner. Keep copies of your work: the tool comes with no warranty.</source>
        <translation>Mosaicor est un outil fait par des fans, libre d&apos;utilisation. Il n&apos;est ni réalisé, ni approuvé, ni soutenu par les propriétaires des jeux Tomb Raider et de leurs éditeurs de niveaux, et n&apos;est pas affilié à eux. Tomb Raider est une marque de son propriétaire. Gardez des copies de votre travail : l&apos;outil est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AIDE</translation>
    </message>
    <message>
        <source>CREDITS</source>
        <translation>CRÉDITS</translation>
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
        <translation>Crédits</translation>
    </message>
</context>
<context>
    <name>mosaicor::HelpWindow</name>
    <message>
        <source>   Help</source>
        <translation>   Aide</translation>
    </message>
</context>
<context>
    <name>mosaicor::LevelLoadingWindow</name>
    <message>
        <source>|TR1 (1996) - Tomb Raider (*.phd)|*.PHD|TR1 (1999) - Tomb Raider Gold (*.tub)|*.TUB|TR2 (1997) - Starring Lara Croft (*.tr2)|*.TR2|TR2 (1997) - Golden Mask (*.tr2)|*.TR2|TR3 (1998) - Adventures of Lara Croft (*.tr2)|*.TR2|TR3 (2000) - The Lost Artifact (*.tr2)|*.TR2|TR4 (1999) - The Last Revelation (*.tr4)|*.TR4|TR5 (2000) - Chronicles (*.trc)|*.TRC|All Files (*.*)|*.*</source>
        <extracomment>Name|patterns pairs: translate the names only, keep every | and pattern.</extracomment>
        <translation>|TR1 (1996) - Tomb Raider (*.phd)|*.PHD|TR1 (1999) - Tomb Raider Gold (*.tub)|*.TUB|TR2 (1997) - Starring Lara Croft (*.tr2)|*.TR2|TR2 (1997) - Golden Mask (*.tr2)|*.TR2|TR3 (1998) - Adventures of Lara Croft (*.tr2)|*.TR2|TR3 (2000) - The Lost Artifact (*.tr2)|*.TR2|TR4 (1999) - The Last Revelation (*.tr4)|*.TR4|TR5 (2000) - Chronicles (*.trc)|*.TRC|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Tomb Raider Files</source>
        <translation>Fichiers Tomb Raider</translation>
    </message>
    <message>
        <source>   Loading...</source>
        <translation>   Chargement...</translation>
    </message>
    <message>
        <source>   ----- EXTRACT TOMB RAIDER TEXTURES -----</source>
        <translation>   ----- EXTRAIRE TEXTURES TOMB RAIDER -----</translation>
    </message>
    <message>
        <source>Object Libraries</source>
        <translation>Bibliothèques d’objets</translation>
    </message>
    <message>
        <source>   ----- EXTRACT LEVEL TEXTURES AS TILES -----</source>
        <translation>   ----- EXTRAIRE LES TEXTURES DU NIVEAU EN TUILES -----</translation>
    </message>
</context>
<context>
    <name>mosaicor::MainWindow</name>
    <message>
        <source>The texture set has changes that are not saved.</source>
        <translation>Le jeu de textures a des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>Les enregistrer d&apos;abord ?</translation>
    </message>
    <message>
        <source>x %1, y %2 · tile %3 · page %4</source>
        <translation>x %1, y %2 · tuile %3 · page %4</translation>
    </message>
    <message>
        <source>     Zoom: shows the canvas larger ( Ctrl + wheel, Ctrl++, Ctrl+-, Ctrl+0 ).</source>
        <translation>     Zoom : affiche le canevas en plus grand ( Ctrl + molette, Ctrl++, Ctrl+-, Ctrl+0 ).</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
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
        <translation>EXPORT AUTO</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>AUTO IMPORT</source>
        <translation>IMPORT AUTO</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Échanger</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>     File options.</source>
        <translation>     Options de fichier.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Load Image File...</source>
        <translation>Charger un fichier image...</translation>
    </message>
    <message>
        <source>Extract Textures...</source>
        <translation>Extraire les textures...</translation>
    </message>
    <message>
        <source>Extract Animated Textures...</source>
        <translation>Extraire les textures animées...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Reload a Texture Set File...</source>
        <translation>Recharger un jeu de textures...</translation>
    </message>
    <message>
        <source>Create New</source>
        <translation>Créer un nouveau</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>     Undoes the last change to the Target.</source>
        <translation>     Annule la dernière modification de la cible.</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>     Redoes the last change undone on the Target.</source>
        <translation>     Rétablit la dernière modification annulée de la cible.</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Tout copier</translation>
    </message>
    <message>
        <source>Export tile</source>
        <translation>Exporter la tuile</translation>
    </message>
    <message>
        <source>Import tile</source>
        <translation>Importer une tuile</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Grid shown</source>
        <translation>Afficher la grille</translation>
    </message>
    <message>
        <source>     Zoom of the canvas under the pointer.</source>
        <translation>     Zoom du canevas sous le pointeur.</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Alpha layer</source>
        <translation>Canal alpha</translation>
    </message>
    <message>
        <source>     Alpha: shows the alpha channel of the Source Canvas.</source>
        <translation>     Alpha : affiche le canal alpha du canevas source.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>     Help &amp; Credits</source>
        <translation>     Aide et crédits</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s&apos;est produite.</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles</source>
        <translation>Ajouter des images comme tuiles</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles…</source>
        <translation>Ajouter des images comme tuiles…</translation>
    </message>
    <message>
        <source>     Add Pictures as Tiles: each picture goes into the next free cells of the Target.</source>
        <translation>     Ajouter des images comme tuiles : chaque image va dans les cellules libres suivantes de la cible.</translation>
    </message>
    <message>
        <source>Tile Census</source>
        <translation>Recensement des tuiles</translation>
    </message>
    <message>
        <source>     Tile Census: numbers the Target&apos;s twin cells and shades its empty ones.</source>
        <translation>     Recensement des tuiles : numérote les cellules jumelles de la cible et hachure ses cellules vides.</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be added as tiles:

%3</source>
        <translation>%1 images sur %2 n&apos;ont pas pu être ajoutées comme tuiles :

%3</translation>
    </message>
    <message>
        <source>24-bit %1</source>
        <extracomment>%1 is the file&apos;s format: BMP, PNG, ...</extracomment>
        <translation>%1 24 bits</translation>
    </message>
    <message>
        <source>uncompressed 24-bit TGA</source>
        <translation>TGA 24 bits non compressé</translation>
    </message>
    <message>
        <source>     Saved %1: %2 x %3 pixels, %4, %5 bytes</source>
        <translation>     Enregistré %1 : %2 x %3 pixels, %4, %5 octets</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… et %1 de plus.</translation>
    </message>
    <message>
        <source>Duplicates Up to Rotation and Mirror</source>
        <translation>Doublons à rotation et miroir près</translation>
    </message>
    <message>
        <source>     Census: cells that are the same when turned or mirrored count as duplicates.</source>
        <translation>     Recensement : les cellules identiques une fois tournées ou retournées comptent comme doublons.</translation>
    </message>
    <message>
        <source>Near Duplicates</source>
        <translation>Quasi-doublons</translation>
    </message>
    <message>
        <source>     Census: cells within the tolerance of a group&apos;s first cell count as duplicates.</source>
        <translation>     Recensement : les cellules dans la tolérance de la première cellule d’un groupe comptent comme doublons.</translation>
    </message>
    <message>
        <source>Near Duplicates Tolerance…</source>
        <translation>Tolérance des quasi-doublons…</translation>
    </message>
    <message>
        <source>Compact Set…</source>
        <translation>Compacter le set…</translation>
    </message>
    <message>
        <source>     Compact Set: drops the Target&apos;s empty and duplicate cells and moves the others to the front.</source>
        <translation>     Compacter le set : retire les cellules vides et en double de la Cible et avance les autres.</translation>
    </message>
    <message>
        <source>Near Duplicates (Tolerance %1)</source>
        <translation>Quasi-doublons (tolérance %1)</translation>
    </message>
    <message>
        <source>Compact Set</source>
        <translation>Compacter le set</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Compacter</translation>
    </message>
    <message>
        <source>Move maps (*.csv)</source>
        <translation>Tables des déplacements (*.csv)</translation>
    </message>
    <message>
        <source>Cells are near duplicates when no channel of any pixel differs by more than:</source>
        <translation>Des cellules sont des quasi-doublons quand aucun canal d’aucun pixel ne diffère de plus de :</translation>
    </message>
    <message>
        <source>The Target cannot be compacted: %1</source>
        <translation>La Cible ne peut pas être compactée : %1</translation>
    </message>
    <message>
        <source>Alpha → Magenta</source>
        <translation>Alpha → Magenta</translation>
    </message>
    <message>
        <source>Pixels of a picture with transparency whose alpha is below the threshold become magenta</source>
        <translation>Les pixels d’une image transparente dont l’alpha est sous le seuil deviennent magenta</translation>
    </message>
    <message>
        <source>Clean fringe</source>
        <translation>Nettoyer le bord</translation>
    </message>
    <message>
        <source>This picture has transparency: TRANSPARENCY ▸ Alpha → Magenta keys it for the level editor</source>
        <translation>Cette image a de la transparence : TRANSPARENCE ▸ Alpha → Magenta la convertit en magenta pour l’éditeur de niveaux</translation>
    </message>
    <message>
        <source>%1 frames, delays in ms: %2</source>
        <translation>%1 images, délais en ms : %2</translation>
    </message>
    <message>
        <source>Extract Level Textures as Tiles...</source>
        <translation>Extraire les textures du niveau en tuiles...</translation>
    </message>
    <message>
        <source>Save into Object Library…</source>
        <translation>Enregistrer dans une bibliothèque d’objets…</translation>
    </message>
    <message>
        <source>     Save into Object Library: the Target&apos;s pages become the texture pages of a .wad, the old file kept as .bak.wad.</source>
        <translation>     Enregistrer dans une bibliothèque d’objets : les pages de la Cible deviennent les pages de textures d’un .wad ; l’ancien fichier est gardé en .bak.wad.</translation>
    </message>
    <message>
        <source>Save into Object Library</source>
        <translation>Enregistrer dans une bibliothèque d’objets</translation>
    </message>
    <message>
        <source>Object Libraries</source>
        <translation>Bibliothèques d’objets</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Save the Move Map: where each used cell of the old set now stands (CSV)</source>
        <translation>Enregistrer la table des déplacements : où se trouve maintenant chaque cellule utilisée de l’ancien set (CSV)</translation>
    </message>
    <message>
        <source>Compact the Target?

Duplicates: %1
Cells: %2 → %3 (the 64 x 64 places of the shown pages)
Pages: %4 → %5
Tiles: %6 → %7 (the cells that hold something; the level editor takes %8)

Each cell moves on its own: a texture that spans several cells may be split.
Afterwards you can save the move map, which tells a level&apos;s faces where their cells went.</source>
        <translation>Compacter la Cible ?

Doublons : %1
Cellules : %2 → %3 (les places de 64 x 64 des pages affichées)
Pages : %4 → %5
Tiles : %6 → %7 (les cellules qui contiennent quelque chose ; l’éditeur de niveaux en prend %8)

Chaque cellule est déplacée seule : une texture sur plusieurs cellules peut être séparée.
Ensuite, vous pouvez enregistrer la table des déplacements, qui indique aux faces d’un niveau où sont allées leurs cellules.</translation>
    </message>
    <message>
        <source>The compaction is undone. The move map saved with it,
%1,
describes a change that was undone: it no longer fits the Target. Delete it, or keep it only if you compact again the same way.</source>
        <translation>Le compactage est annulé. La table des déplacements enregistrée avec lui,
%1,
décrit un changement annulé : elle ne correspond plus à la Cible. Supprimez-la, ou gardez-la seulement si vous compactez de nouveau de la même façon.</translation>
    </message>
    <message>
        <source>Also update the project that uses this set…</source>
        <translation>Mettre aussi à jour le projet qui utilise ce set…</translation>
    </message>
    <message>
        <source>The Project That Uses This Set</source>
        <translation>Le projet qui utilise ce set</translation>
    </message>
    <message>
        <source>Level editor projects (*.prj *.PRJ)</source>
        <translation>Projets de l’éditeur de niveaux (*.prj *.PRJ)</translation>
    </message>
    <message>
        <source>Keep a Backup</source>
        <translation>Garder une sauvegarde</translation>
    </message>
    <message>
        <source>With the project %1: animated cells stay where they are, cells whose settings differ are not merged, and the cells its faces show are used even when empty.</source>
        <translation>Avec le projet %1 : les cellules animées restent à leur place, les cellules aux réglages différents ne sont pas fusionnées, et les cellules que montrent ses faces comptent comme utilisées même vides.</translation>
    </message>
    <message>
        <source>Its texture file is %1, not %2: it is updated all the same.</source>
        <translation>Son fichier de textures est %1, pas %2 : il est mis à jour quand même.</translation>
    </message>
    <message>
        <source>Nothing was saved: the backup %1 is kept as it was.</source>
        <translation>Rien n’a été enregistré : la sauvegarde %1 est gardée telle quelle.</translation>
    </message>
    <message>
        <source>Saved the compacted set %1 and the updated project %2.
The old files are kept as %3 and %4.
Open %2 in the level editor: its faces show what they showed.</source>
        <translation>Le set compacté %1 et le projet mis à jour %2 sont enregistrés.
Les anciens fichiers sont gardés sous %3 et %4.
Ouvrez %2 dans l’éditeur de niveaux : ses faces montrent ce qu’elles montraient.</translation>
    </message>
    <message>
        <source>     Saved the Target&apos;s pages into %1; the old file is kept as %2</source>
        <translation>     Pages de la Cible enregistrées dans %1 ; l’ancien fichier est gardé sous %2</translation>
    </message>
    <message>
        <source>%1 already exists: it keeps the file as it was before an earlier save.

Replace it with the file as it is now?</source>
        <translation>%1 existe déjà : il garde le fichier tel qu’il était avant un enregistrement précédent.

Le remplacer par le fichier tel qu’il est maintenant ?</translation>
    </message>
</context>
<context>
    <name>mosaicor::PictureDialogs</name>
    <message>
        <source>   ----- LOADING IMAGE FILE -----</source>
        <translation>   ----- CHARGEMENT D&apos;UN FICHIER IMAGE -----</translation>
    </message>
    <message>
        <source>   ----- SAVING IMAGE FILE -----</source>
        <translation>   ----- ENREGISTREMENT D&apos;UN FICHIER IMAGE -----</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Supported Input Files</source>
        <translation>Fichiers d&apos;entrée pris en charge</translation>
    </message>
    <message>
        <source>Supported Output Files</source>
        <translation>Fichiers de sortie pris en charge</translation>
    </message>
</context>
<context>
    <name>mosaicor::Reasons</name>
    <message>
        <source>not a level file</source>
        <translation>pas un fichier de niveau</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>unknown level version</source>
        <translation>version de niveau inconnue</translation>
    </message>
    <message>
        <source>encrypted TR4 level: not supported</source>
        <translation>niveau TR4 chiffré : non pris en charge</translation>
    </message>
    <message>
        <source>level file ends early</source>
        <translation>le fichier de niveau se termine trop tôt</translation>
    </message>
    <message>
        <source>level file ends early in %1</source>
        <translation>le fichier de niveau se termine trop tôt : %1</translation>
    </message>
    <message>
        <source>32-bit texture pages are missing</source>
        <translation>les pages de textures 32 bits manquent</translation>
    </message>
    <message>
        <source>no texture pages</source>
        <translation>aucune page de textures</translation>
    </message>
    <message>
        <source>no animated textures</source>
        <translation>aucune texture animée</translation>
    </message>
    <message>
        <source>damaged compressed data</source>
        <translation>données compressées endommagées</translation>
    </message>
    <message>
        <source>damaged compressed data in %1</source>
        <translation>données compressées endommagées : %1</translation>
    </message>
    <message>
        <source>the %1 at offset %2 (0x%3)</source>
        <translation>section « %1 » à l’offset %2 (0x%3)</translation>
    </message>
    <message>
        <source>the %1 at offset %2 (0x%3) of the inflated level data</source>
        <translation>section « %1 » à l’offset %2 (0x%3) des données de niveau décompressées</translation>
    </message>
    <message>
        <source>room %1 at offset %2 (0x%3)</source>
        <translation>salle %1 à l’offset %2 (0x%3)</translation>
    </message>
    <message>
        <source>room %1 at offset %2 (0x%3) of the inflated level data</source>
        <translation>salle %1 à l’offset %2 (0x%3) des données de niveau décompressées</translation>
    </message>
    <message>
        <source>compressed data unpacks to more than %1 MiB, more than any level holds</source>
        <translation>les données compressées dépassent %1 Mio une fois décompressées, plus que ne contient aucun niveau</translation>
    </message>
    <message>
        <source>a %1 picture, not a Tomb Raider level</source>
        <translation>une image %1, pas un niveau Tomb Raider</translation>
    </message>
    <message>
        <source>the level claims %1 texture pages (at most %2)</source>
        <translation>le niveau annonce %1 pages de textures (au plus %2)</translation>
    </message>
    <message>
        <source>the file is too large for a level (%1 MiB; levels are read up to %2 MiB)</source>
        <translation>le fichier est trop grand pour un niveau (%1 Mio ; les niveaux sont lus jusqu’à %2 Mio)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>ouverture impossible : %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>lecture impossible : %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>%1 format not supported.</source>
        <translation>Format %1 non pris en charge.</translation>
    </message>
    <message>
        <source>This file has a non supported compression scheme.</source>
        <translation>Ce fichier utilise un mode de compression non pris en charge.</translation>
    </message>
    <message>
        <source>a Tomb Raider level, not a picture</source>
        <translation>un niveau Tomb Raider, pas une image</translation>
    </message>
    <message>
        <source>the file is too large (%1 MiB; pictures are read up to %2 MiB)</source>
        <translation>le fichier est trop grand (%1 Mio ; les images sont lues jusqu’à %2 Mio)</translation>
    </message>
    <message>
        <source>not enough memory for the 32-bit picture</source>
        <translation>mémoire insuffisante pour l’image 32 bits</translation>
    </message>
    <message>
        <source>not enough memory for a %1 x %2 picture</source>
        <translation>mémoire insuffisante pour une image de %1 x %2</translation>
    </message>
    <message>
        <source>no picture described</source>
        <translation>aucune image décrite</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1 x %2)</source>
        <translation>l’image n’a aucun pixel (%1 x %2)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>l’image est trop grande (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>the file is shorter than its %1 x %2 picture</source>
        <translation>le fichier est plus court que son image de %1 x %2</translation>
    </message>
    <message>
        <source>the file is too short for its %1 x %2 picture</source>
        <translation>le fichier est trop court pour son image de %1 x %2</translation>
    </message>
    <message>
        <source>not a BMP file</source>
        <translation>pas un fichier BMP</translation>
    </message>
    <message>
        <source>the file ends inside the BMP header</source>
        <translation>le fichier se termine dans l’en-tête BMP</translation>
    </message>
    <message>
        <source>unknown BMP header size %1</source>
        <translation>taille d’en-tête BMP inconnue %1</translation>
    </message>
    <message>
        <source>OS/2 Huffman and RLE24 bitmaps are not supported</source>
        <translation>les bitmaps OS/2 Huffman et RLE24 ne sont pas pris en charge</translation>
    </message>
    <message>
        <source>the file ends inside the colour masks</source>
        <translation>le fichier se termine dans les masques de couleur</translation>
    </message>
    <message>
        <source>the pixel data lies outside the file</source>
        <translation>les données de pixels sont hors du fichier</translation>
    </message>
    <message>
        <source>BMP files of %1 bits per pixel are not supported</source>
        <translation>les fichiers BMP de %1 bits par pixel ne sont pas pris en charge</translation>
    </message>
    <message>
        <source>BMP compression %1 is not supported for %2 bits per pixel</source>
        <translation>la compression BMP %1 n’est pas prise en charge à %2 bits par pixel</translation>
    </message>
    <message>
        <source>a run-length encoded BMP cannot be stored top-down</source>
        <translation>un BMP compressé en RLE ne peut pas être stocké de haut en bas</translation>
    </message>
    <message>
        <source>the picture is too large to decode progressively (%1 x %2 pixels)</source>
        <translation>l’image est trop grande pour un décodage progressif (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>the file is cut short: it ends before the picture&apos;s last rows</source>
        <translation>le fichier est tronqué : il se termine avant les dernières lignes de l’image</translation>
    </message>
    <message>
        <source>JPEG error: %1</source>
        <translation>erreur JPEG : %1</translation>
    </message>
    <message>
        <source>not a PCX file</source>
        <translation>pas un fichier PCX</translation>
    </message>
    <message>
        <source>PCX pictures of %1 bits in %2 planes are not supported</source>
        <translation>les images PCX de %1 bits sur %2 plans ne sont pas prises en charge</translation>
    </message>
    <message>
        <source>unknown PCX encoding %1</source>
        <translation>codage PCX inconnu %1</translation>
    </message>
    <message>
        <source>the PCX rows (%1 bytes) are too short for %2 pixels</source>
        <translation>les lignes PCX (%1 octets) sont trop courtes pour %2 pixels</translation>
    </message>
    <message>
        <source>the PCX picture data ends at row %1 of %2</source>
        <translation>les données d’image PCX s’arrêtent à la ligne %1 sur %2</translation>
    </message>
    <message>
        <source>not a PNG file</source>
        <translation>pas un fichier PNG</translation>
    </message>
    <message>
        <source>the PNG file does not begin with its header chunk</source>
        <translation>le fichier PNG ne commence pas par son bloc d’en-tête</translation>
    </message>
    <message>
        <source>the PNG chunk &quot;%1&quot; at offset %2 claims %3 bytes, but only %4 are left</source>
        <translation>le bloc PNG « %1 » à l’offset %2 annonce %3 octets, mais il n’en reste que %4</translation>
    </message>
    <message>
        <source>PNG error: %1</source>
        <translation>erreur PNG : %1</translation>
    </message>
    <message>
        <source>not a Photoshop file</source>
        <translation>pas un fichier Photoshop</translation>
    </message>
    <message>
        <source>Photoshop files of version %1 (large documents) are not supported</source>
        <translation>les fichiers Photoshop de version %1 (grands documents) ne sont pas pris en charge</translation>
    </message>
    <message>
        <source>the file ends inside its header sections</source>
        <translation>le fichier se termine dans ses sections d’en-tête</translation>
    </message>
    <message>
        <source>Photoshop colour mode %1 is not supported</source>
        <translation>le mode couleur Photoshop %1 n’est pas pris en charge</translation>
    </message>
    <message>
        <source>Photoshop makes no %1 pictures of %2 bits a channel</source>
        <translation>Photoshop ne crée pas d’images %1 de %2 bits par canal</translation>
    </message>
    <message>
        <source>the picture has %1 channels where its colour mode needs %2</source>
        <translation>l’image a %1 canaux là où son mode couleur en demande %2</translation>
    </message>
    <message>
        <source>the indexed picture has no palette</source>
        <translation>l’image indexée n’a pas de palette</translation>
    </message>
    <message>
        <source>the file ends before its image data</source>
        <translation>le fichier se termine avant ses données d’image</translation>
    </message>
    <message>
        <source>the file ends inside its image data</source>
        <translation>le fichier se termine dans ses données d’image</translation>
    </message>
    <message>
        <source>Photoshop image data compression %1 is not supported</source>
        <translation>la compression de données d’image Photoshop %1 n’est pas prise en charge</translation>
    </message>
    <message>
        <source>the file ends inside its row table</source>
        <translation>le fichier se termine dans sa table de lignes</translation>
    </message>
    <message>
        <source>the image data is too short for the picture</source>
        <translation>les données d’image sont trop courtes pour l’image</translation>
    </message>
    <message>
        <source>not a Paint Shop Pro file</source>
        <translation>pas un fichier Paint Shop Pro</translation>
    </message>
    <message>
        <source>Paint Shop Pro files of format version %1 are not supported</source>
        <translation>les fichiers Paint Shop Pro de version de format %1 ne sont pas pris en charge</translation>
    </message>
    <message>
        <source>the %1 is damaged</source>
        <translation>« %1 » est endommagé</translation>
    </message>
    <message>
        <source>the block at byte %1 is damaged</source>
        <translation>le bloc à l’octet %1 est endommagé</translation>
    </message>
    <message>
        <source>a channel holds too few bytes for its %1 x %2 pixels</source>
        <translation>un canal contient trop peu d’octets pour ses %1 x %2 pixels</translation>
    </message>
    <message>
        <source>a channel&apos;s compressed data is damaged</source>
        <translation>les données compressées d’un canal sont endommagées</translation>
    </message>
    <message>
        <source>a channel unpacks to %1 bytes where %2 x %3 pixels need %4</source>
        <translation>un canal se décompresse en %1 octets là où %2 x %3 pixels en demandent %4</translation>
    </message>
    <message>
        <source>a channel lies outside the file</source>
        <translation>un canal est hors du fichier</translation>
    </message>
    <message>
        <source>a layer lacks some of its colour channels</source>
        <translation>il manque à un calque certains de ses canaux de couleur</translation>
    </message>
    <message>
        <source>the file has no image attributes</source>
        <translation>le fichier n’a pas d’attributs d’image</translation>
    </message>
    <message>
        <source>Paint Shop Pro pictures of %1 bits per pixel are not supported</source>
        <translation>les images Paint Shop Pro de %1 bits par pixel ne sont pas prises en charge</translation>
    </message>
    <message>
        <source>Paint Shop Pro compression %1 is not supported</source>
        <translation>la compression Paint Shop Pro %1 n’est pas prise en charge</translation>
    </message>
    <message>
        <source>the paletted picture has no palette</source>
        <translation>l’image à palette n’a pas de palette</translation>
    </message>
    <message>
        <source>the file ends inside the TGA header</source>
        <translation>le fichier se termine dans l’en-tête TGA</translation>
    </message>
    <message>
        <source>the picture has a pixel depth of 0</source>
        <translation>l’image a une profondeur de pixel de 0</translation>
    </message>
    <message>
        <source>pixel depth %1 is not supported</source>
        <translation>la profondeur de pixel %1 n’est pas prise en charge</translation>
    </message>
    <message>
        <source>TGA image type %1 is not supported</source>
        <translation>le type d’image TGA %1 n’est pas pris en charge</translation>
    </message>
    <message>
        <source>colour map entries of %1 bits are not supported</source>
        <translation>les entrées de table de couleurs de %1 bits ne sont pas prises en charge</translation>
    </message>
    <message>
        <source>the file ends inside the image ID</source>
        <translation>le fichier se termine dans l’identifiant d’image</translation>
    </message>
    <message>
        <source>the file ends inside the colour map</source>
        <translation>le fichier se termine dans la table de couleurs</translation>
    </message>
    <message>
        <source>not a TIFF file</source>
        <translation>pas un fichier TIFF</translation>
    </message>
    <message>
        <source>not a readable TIFF file</source>
        <translation>pas un fichier TIFF lisible</translation>
    </message>
    <message>
        <source>TIFF error: %1</source>
        <translation>erreur TIFF : %1</translation>
    </message>
    <message>
        <source>the TIFF picture&apos;s strips or tiles do not fit it</source>
        <translation>les bandes ou tuiles de l’image TIFF ne lui correspondent pas</translation>
    </message>
    <message>
        <source>the TIFF picture data is damaged</source>
        <translation>les données d’image TIFF sont endommagées</translation>
    </message>
    <message>
        <source>unsupported TIFF layout: %1</source>
        <translation>structure TIFF non prise en charge : %1</translation>
    </message>
    <message>
        <source>the TIFF picture has too many samples per pixel (%1)</source>
        <translation>l’image TIFF a trop d’échantillons par pixel (%1)</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Il n’y a aucune image à enregistrer.</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels is too large for a BMP file.</source>
        <translation>Une image de %1 x %2 pixels est trop grande pour un fichier BMP.</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels is too large for a TGA file (at most 65535 x 65535); save it as BMP instead.</source>
        <translation>Une image de %1 x %2 pixels est trop grande pour un fichier TGA (au plus 65535 x 65535) ; enregistrez-la plutôt en BMP.</translation>
    </message>
    <message>
        <source>Cannot write the JPEG picture: %1</source>
        <translation>Impossible d’écrire l’image JPEG : %1</translation>
    </message>
    <message>
        <source>Cannot write the PNG picture: %1</source>
        <translation>Impossible d’écrire l’image PNG : %1</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>l’image est vide</translation>
    </message>
    <message>
        <source>cannot resample a %1 x %2 picture</source>
        <translation>impossible de rééchantillonner une image de %1 x %2</translation>
    </message>
    <message>
        <source>not enough memory to grow the set</source>
        <translation>mémoire insuffisante pour agrandir le jeu</translation>
    </message>
    <message>
        <source>the tile is empty</source>
        <translation>la tuile est vide</translation>
    </message>
    <message>
        <source>a %1 x %2 tile is wider than the %3-pixel set</source>
        <translation>une tuile de %1 x %2 est plus large que le jeu de %3 pixels</translation>
    </message>
    <message>
        <source>a %1 x %2 tile is higher than %3 pages</source>
        <translation>une tuile de %1 x %2 est plus haute que %3 pages</translation>
    </message>
    <message>
        <source>no free cells left for a %1 x %2 tile within %3 pages</source>
        <translation>plus de cellules libres pour une tuile de %1 x %2 dans %3 pages</translation>
    </message>
    <message>
        <source>the page counters %1 x %2 are out of range</source>
        <translation>les compteurs de pages %1 x %2 sont hors limites</translation>
    </message>
    <message>
        <source>a %1 x %2 picture does not hold %3 x %4 pages</source>
        <translation>une image de %1 x %2 ne contient pas %3 x %4 pages</translation>
    </message>
    <message>
        <source>too many paths</source>
        <translation>trop de chemins</translation>
    </message>
    <message>
        <source>the path %1 is too long</source>
        <translation>le chemin %1 est trop long</translation>
    </message>
    <message>
        <source>the file ends inside the %1</source>
        <translation>le fichier se termine dans la section « %1 »</translation>
    </message>
    <message>
        <source>a path of %1 bytes is longer than the file allows</source>
        <translation>un chemin de %1 octets est plus long que le fichier ne le permet</translation>
    </message>
    <message>
        <source>%1 paths are more than a recovery file holds</source>
        <translation>%1 chemins, c’est plus que n’en contient un fichier de récupération</translation>
    </message>
    <message>
        <source>not enough memory for the recovery file</source>
        <translation>mémoire insuffisante pour le fichier de récupération</translation>
    </message>
    <message>
        <source>not a recovery file</source>
        <translation>pas un fichier de récupération</translation>
    </message>
    <message>
        <source>recovery file version %1 is unknown</source>
        <translation>la version %1 du fichier de récupération est inconnue</translation>
    </message>
    <message>
        <source>a size in the header is out of range</source>
        <translation>une taille de l’en-tête est hors limites</translation>
    </message>
    <message>
        <source>the file holds %1 bytes of pixels where a %2 x %3 picture has %4 bytes</source>
        <translation>le fichier contient %1 octets de pixels là où une image de %2 x %3 en a %4</translation>
    </message>
    <message>
        <source>not enough memory for the recovered picture</source>
        <translation>mémoire insuffisante pour l’image récupérée</translation>
    </message>
    <message>
        <source>not a GIF file</source>
        <translation>pas un fichier GIF</translation>
    </message>
    <message>
        <source>this build of Qt has no GIF reader</source>
        <translation>cette version de Qt n’a pas de lecteur GIF</translation>
    </message>
    <message>
        <source>the GIF file holds no frame</source>
        <translation>le fichier GIF ne contient aucune image</translation>
    </message>
    <message>
        <source>GIF error in frame %1: %2</source>
        <translation>erreur GIF dans l’image %1 : %2</translation>
    </message>
    <message>
        <source>not enough memory for a frame</source>
        <translation>mémoire insuffisante pour une image de l’animation</translation>
    </message>
    <message>
        <source>not enough memory for the frames</source>
        <translation>mémoire insuffisante pour les images de l’animation</translation>
    </message>
    <message>
        <source>cannot resample a %1 x %2 frame</source>
        <translation>impossible de rééchantillonner une image de %1 x %2</translation>
    </message>
    <message>
        <source>the picture has %1 frames; 64 pages hold at most %2 frames of %3 x %4</source>
        <translation>l’image a %1 images ; 64 pages contiennent au plus %2 images de %3 x %4</translation>
    </message>
    <message>
        <source>a %1 is %2 x %2 pixels of %3 bits, %4 bytes; this file has %5 bytes</source>
        <translation>un fichier %1 fait %2 x %2 pixels de %3 bits, %4 octets ; ce fichier fait %5 octets</translation>
    </message>
    <message>
        <source>not enough memory for a 256 x 256 picture</source>
        <translation>mémoire insuffisante pour une image de 256 x 256</translation>
    </message>
    <message>
        <source>no object textures</source>
        <translation>aucune texture d’objet</translation>
    </message>
    <message>
        <source>not enough memory for a texture set</source>
        <translation>mémoire insuffisante pour un jeu de textures</translation>
    </message>
    <message>
        <source>A %1 file holds a picture of 256 x 256 pixels; this one is %2 x %3.</source>
        <translation>Un fichier %1 contient une image de 256 x 256 pixels ; celle-ci fait %2 x %3.</translation>
    </message>
    <message>
        <source>the file cannot be replaced</source>
        <translation>le fichier ne peut pas être remplacé</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>unknown object library version %1 (versions 129 and 130 are read)</source>
        <translation>version %1 de bibliothèque d’objets inconnue (les versions 129 et 130 sont lues)</translation>
    </message>
    <message>
        <source>object library ends early in %1</source>
        <translation>la bibliothèque d’objets se termine trop tôt : %1</translation>
    </message>
    <message>
        <source>the file is too large for an object library (%1 MiB; object libraries are read up to %2 MiB)</source>
        <translation>le fichier est trop grand pour une bibliothèque d’objets (%1 Mio ; les bibliothèques d’objets sont lues jusqu’à %2 Mio)</translation>
    </message>
    <message>
        <source>the texture set is %1 x %2 pixels, but the object library&apos;s pages are %3 x %4</source>
        <translation>le jeu de textures fait %1 x %2 pixels, mais les pages de la bibliothèque d’objets font %3 x %4</translation>
    </message>
    <message>
        <source>an object library, not a picture</source>
        <translation>une bibliothèque d’objets, pas une image</translation>
    </message>
    <message>
        <source>the file is too large (%1 MiB; files of this kind are read up to %2 MiB)</source>
        <translation>le fichier est trop grand (%1 Mio ; les fichiers de ce genre sont lus jusqu’à %2 Mio)</translation>
    </message>
    <message>
        <source>the tiles do not fit into %1 pages</source>
        <translation>les tiles ne tiennent pas dans %1 pages</translation>
    </message>
    <message>
        <source>not a tiles description (tiles.json): %1</source>
        <translation>pas une description de tiles (tiles.json) : %1</translation>
    </message>
    <message>
        <source>the tiles description names no tile on %1</source>
        <translation>la description des tiles ne nomme aucun tile sur %1</translation>
    </message>
    <message>
        <source>not a project of the level editor (no PROJFILE signature)</source>
        <translation>pas un projet de l’éditeur de niveaux (pas de signature PROJFILE)</translation>
    </message>
    <message>
        <source>a project with 128-pixel tiles (&quot;big textures&quot;): not supported</source>
        <translation>un projet aux tiles de 128 pixels (« big textures ») : non pris en charge</translation>
    </message>
    <message>
        <source>the project uses no texture set (its texture file is NA)</source>
        <translation>le projet n’utilise aucun set de textures (son fichier de textures est NA)</translation>
    </message>
    <message>
        <source>damaged project: it ends early, at byte %1</source>
        <translation>projet endommagé : il se termine trop tôt, à l’octet %1</translation>
    </message>
    <message>
        <source>damaged project: a count of %1 at byte %2</source>
        <translation>projet endommagé : un nombre de %1 à l’octet %2</translation>
    </message>
    <message>
        <source>damaged project: an object of unknown kind %1 in room %2</source>
        <translation>projet endommagé : un objet de genre inconnu %1 dans la salle %2</translation>
    </message>
    <message>
        <source>damaged project: a name longer than %1 bytes at byte %2</source>
        <translation>projet endommagé : un nom de plus de %1 octets à l’octet %2</translation>
    </message>
    <message>
        <source>damaged project: %1 bytes follow where its reading ends</source>
        <translation>projet endommagé : %1 octets suivent là où sa lecture se termine</translation>
    </message>
    <message>
        <source>damaged project: a face in room %1 shows texture entry %2 of %3</source>
        <translation>projet endommagé : une face de la salle %1 montre l’entrée de texture %2 sur %3</translation>
    </message>
    <message>
        <source>the map names cell %1, which a project cannot have</source>
        <translation>la table nomme la cellule %1, qu’un projet ne peut pas avoir</translation>
    </message>
    <message>
        <source>the map names cell %1 twice</source>
        <translation>la table nomme la cellule %1 deux fois</translation>
    </message>
    <message>
        <source>the map moves cell %1, which is animated</source>
        <translation>la table déplace la cellule %1, qui est animée</translation>
    </message>
    <message>
        <source>the map merges cell %1 into cell %2, which is animated</source>
        <translation>la table fusionne la cellule %1 avec la cellule %2, qui est animée</translation>
    </message>
    <message>
        <source>the map merges cells %1 and %2, whose settings differ</source>
        <translation>la table fusionne les cellules %1 et %2, dont les réglages diffèrent</translation>
    </message>
    <message>
        <source>the map does not say where cell %1 went, which the project uses</source>
        <translation>la table ne dit pas où est allée la cellule %1, que le projet utilise</translation>
    </message>
    <message>
        <source>the map moves cell %1, under a texture entry across several cells</source>
        <translation>la table déplace la cellule %1, sous une entrée de texture qui couvre plusieurs cellules</translation>
    </message>
    <message>
        <source>the map puts cell %1 at %2, beyond the %3 cells a project names</source>
        <translation>la table place la cellule %1 en %2, au-delà des %3 cellules qu’un projet nomme</translation>
    </message>
    <message>
        <source>the map puts cell %1 at %2, beyond the project&apos;s %3 texture entries</source>
        <translation>la table place la cellule %1 en %2, au-delà des %3 entrées de texture du projet</translation>
    </message>
    <message>
        <source>not a move map: its first line must be old_cell,new_cell,transform</source>
        <translation>pas une table des déplacements : sa première ligne doit être old_cell,new_cell,transform</translation>
    </message>
    <message>
        <source>line %1 of the move map is not old_cell,new_cell,transform</source>
        <translation>la ligne %1 de la table des déplacements n’est pas old_cell,new_cell,transform</translation>
    </message>
    <message>
        <source>frame %1 of %2: %3</source>
        <translation>image %1 sur %2 : %3</translation>
    </message>
</context>
<context>
    <name>mosaicor::RecoveryKeeper</name>
    <message>
        <source>     The recovery file could not be written: %1</source>
        <translation>     Le fichier de récupération n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>%1
The texture set left by a run that did not end cleanly cannot be recovered: %2</source>
        <translation>%1
Le jeu de textures d&apos;une session qui ne s&apos;est pas terminée correctement ne peut pas être récupéré : %2</translation>
    </message>
    <message>
        <source>Recover the texture set you were building at %1?</source>
        <translation>Récupérer le jeu de textures sur lequel vous travailliez à %1 ?</translation>
    </message>
    <message>
        <source>No deletes it; Cancel keeps it for the next start.</source>
        <translation>Non le supprime ; Annuler le garde pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>this system names no folder for it</source>
        <translation>ce système n’indique aucun dossier pour cela</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>impossible d’écrire dans le dossier %1</translation>
    </message>
    <message>
        <source>Until it can be, a crash would lose every change since the last save.</source>
        <translation>Tant que ce n’est pas possible, un plantage perdrait toutes les modifications depuis le dernier enregistrement.</translation>
    </message>
    <message>
        <source>The file is kept as %1.</source>
        <translation>Le fichier est conservé sous le nom %1.</translation>
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
        <translation>Compacter : %1 → %2 tiles</translation>
    </message>
</context>
<context>
    <name>mosaicor::TargetHistory</name>
    <message>
        <source>Create New</source>
        <translation>Créer un nouveau</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Rechargement</translation>
    </message>
    <message>
        <source>Drop on Target</source>
        <translation>Dépôt sur la cible</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Tout copier</translation>
    </message>
    <message>
        <source>Rotate tile</source>
        <translation>Rotation de la tuile</translation>
    </message>
    <message>
        <source>Mirror tile</source>
        <translation>Miroir horizontal de la tuile</translation>
    </message>
    <message>
        <source>Invert tile</source>
        <translation>Miroir vertical de la tuile</translation>
    </message>
    <message>
        <source>Swap tiles</source>
        <translation>Échange de tuiles</translation>
    </message>
    <message>
        <source>Move tile</source>
        <translation>Déplacement de tuile</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformation</translation>
    </message>
    <message>
        <source>Paste tile</source>
        <translation>Collage de tuile</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles</source>
        <translation>Ajout d&apos;images comme tuiles</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Récupération</translation>
    </message>
    <message>
        <source>Page count</source>
        <translation>Nombre de pages</translation>
    </message>
    <message>
        <source>Compact Set</source>
        <translation>Compacter le set</translation>
    </message>
</context>
</TS>
