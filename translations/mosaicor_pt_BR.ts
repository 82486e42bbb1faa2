<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Languages</name>
    <message>
        <source>   --- no SOURCE file loaded ---</source>
        <translation>   --- nenhum arquivo de ORIGEM carregado ---</translation>
    </message>
    <message>
        <source>   --- Load Image File</source>
        <translation>   --- Carregar arquivo de imagem</translation>
    </message>
    <message>
        <source>   --- Extract Textures from Tomb Raider Levels</source>
        <translation>   --- Extrair texturas de níveis de Tomb Raider</translation>
    </message>
    <message>
        <source>   --- Extract Animated Textures from TR Levels</source>
        <translation>   --- Extrair texturas animadas de níveis de TR</translation>
    </message>
    <message>
        <source>   --- no TARGET file saved ---</source>
        <translation>   --- nenhum arquivo de DESTINO salvo ---</translation>
    </message>
    <message>
        <source>   --- Save as Image File ( TGA, BMP, JPG )</source>
        <translation>   --- Salvar como imagem ( TGA, BMP, JPG )</translation>
    </message>
    <message>
        <source>   --- Create New</source>
        <translation>   --- Criar novo</translation>
    </message>
    <message>
        <source>   --- Reload a Texture Set File ( TGA, BMP, JPG )</source>
        <translation>   --- Recarregar texturas ( TGA, BMP, JPG )</translation>
    </message>
    <message>
        <source>   --- no TEXTURES extracted ---</source>
        <translation>   --- nenhuma TEXTURA extraída ---</translation>
    </message>
    <message>
        <source>GRID</source>
        <translation>GRADE</translation>
    </message>
    <message>
        <source>TRANSPARENCY</source>
        <translation>TRANSPARÊNCIA</translation>
    </message>
    <message>
        <source>ANIMATION</source>
        <translation>ANIMAÇÃO</translation>
    </message>
    <message>
        <source>TRANSFORMATIONS</source>
        <translation>TRANSFORMAÇÕES</translation>
    </message>
    <message>
        <source>Copy All ---&gt;</source>
        <translation>Copiar tudo ---&gt;</translation>
    </message>
    <message>
        <source>  Current Tile  </source>
        <translation>  Tile atual  </translation>
    </message>
    <message>
        <source>  Clipboard  </source>
        <translation>  Área de transf.  </translation>
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
        <translation>      Rolagem</translation>
    </message>
    <message>
        <source>%1 x %2 pixels x %3</source>
        <translation>%1 x %2 pixels x %3</translation>
    </message>
    <message>
        <source>%1 x %2 pixels (%3 x %4 = %5 txtrs)</source>
        <translation>%1 x %2 pixels (%3 x %4 = %5 tiles)</translation>
    </message>
    <message>
        <source>This image was too big! It was cropped to %1 pixels.
The right canvas must be used with standard Texture Sets, only.</source>
        <translation>Esta imagem era grande demais! Ela foi cortada para %1 pixels.
A tela da direita deve ser usada apenas com conjuntos de texturas padrão.</translation>
    </message>
    <message>
        <source>     SOURCE CANVAS. Left-click and drag to select, right-click and drag to animate.</source>
        <translation>     TELA DE ORIGEM. Clique com o botão esquerdo e arraste para selecionar; com o direito, para animar.</translation>
    </message>
    <message>
        <source>     File options.</source>
        <translation>     Opções de arquivo.</translation>
    </message>
    <message>
        <source>     Source area info.</source>
        <translation>     Informações da área de origem.</translation>
    </message>
    <message>
        <source>     Reset: the grid goes back to the origin&apos;s position.</source>
        <translation>     Redefinir: a grade volta à posição de origem.</translation>
    </message>
    <message>
        <source>     View: toggles the grid&apos;s visibility.</source>
        <translation>     Exibir: mostra ou oculta a grade.</translation>
    </message>
    <message>
        <source>     Style: selects the design of the grid.</source>
        <translation>     Estilo: escolhe o visual da grade.</translation>
    </message>
    <message>
        <source>     Size: selects the resolution of the grid, in pixels ( 8x8, 16x16, 32x32, 64x64 ).</source>
        <translation>     Tamanho: escolhe a resolução da grade, em pixels ( 8x8, 16x16, 32x32, 64x64 ).</translation>
    </message>
    <message>
        <source>     None: textures are extracted as they are in-file.</source>
        <translation>     Nenhuma: as texturas são extraídas como estão no arquivo.</translation>
    </message>
    <message>
        <source>     Convert: textures are rendered using magenta as transparent colour.</source>
        <translation>     Converter: as texturas são exibidas com magenta como cor transparente.</translation>
    </message>
    <message>
        <source>     Colour Picker: selects the colour to be replaced with magenta.</source>
        <translation>     Conta-gotas: escolhe a cor a ser substituída por magenta.</translation>
    </message>
    <message>
        <source>     Alpha: extracts the alpha channel from the Source Canvas.</source>
        <translation>     Alfa: extrai o canal alfa da tela de origem.</translation>
    </message>
    <message>
        <source>     Stop: stops the texture animation.</source>
        <translation>     Parar: para a animação das texturas.</translation>
    </message>
    <message>
        <source>     Speed: slows down the speed of the texture animation.</source>
        <translation>     Velocidade: deixa a animação das texturas mais lenta.</translation>
    </message>
    <message>
        <source>     CENTRAL PANEL. Left-click on empty space to cancel animations, transformations or pasting.</source>
        <translation>     PAINEL CENTRAL. Clique com o botão esquerdo num espaço vazio para cancelar animações, transformações ou a colagem.</translation>
    </message>
    <message>
        <source>     Replaces the Target Canvas with the Source Canvas, using the Grid.</source>
        <translation>     Substitui a tela de destino pela tela de origem, seguindo a grade.</translation>
    </message>
    <message>
        <source>     Resizes the selected tiles to standard sizes.</source>
        <translation>     Redimensiona os tiles selecionados para tamanhos padrão.</translation>
    </message>
    <message>
        <source>     Colour pot: default transparent colour ( magenta = 255,0,255 )</source>
        <translation>     Pote de cor: cor transparente padrão ( magenta = 255,0,255 )</translation>
    </message>
    <message>
        <source>     Colour pot: default empty colour ( black = 0,0,0 )</source>
        <translation>     Pote de cor: cor vazia padrão ( preto = 0,0,0 )</translation>
    </message>
    <message>
        <source>     Colour pot: suggested filler colour ( maroon = 128,0,0 ). Double-click to change the colour</source>
        <translation>     Pote de cor: cor de preenchimento sugerida ( marrom = 128,0,0 ). Clique duas vezes para mudar a cor</translation>
    </message>
    <message>
        <source>     Tile viewer.</source>
        <translation>     Visualizador de tiles.</translation>
    </message>
    <message>
        <source>     Export tiles to the Clipboard</source>
        <translation>     Exportar tiles para a área de transferência</translation>
    </message>
    <message>
        <source>     Import tiles from the Clipboard</source>
        <translation>     Importar tiles da área de transferência</translation>
    </message>
    <message>
        <source>     Export tiles to the Clipboard automatically</source>
        <translation>     Exportar tiles para a área de transferência automaticamente</translation>
    </message>
    <message>
        <source>     Import tiles from the Clipboard automatically</source>
        <translation>     Importar tiles da área de transferência automaticamente</translation>
    </message>
    <message>
        <source>     Help &amp; Credits</source>
        <translation>     Ajuda e créditos</translation>
    </message>
    <message>
        <source>     TARGET CANVAS. Press [CTRL] to repeat pasting. Right-click to cancel animations, transformations or pasting.</source>
        <translation>     TELA DE DESTINO. Segure [CTRL] para colar várias vezes. Clique com o botão direito para cancelar animações, transformações ou a colagem.</translation>
    </message>
    <message>
        <source>     Target Canvas width in pages ( 1 or 2 ), being 1 = 256 pixels for the Level Editors, 2 = 512 pixels for Libraries.</source>
        <translation>     Largura da tela de destino em páginas ( 1 ou 2 ): 1 = 256 pixels para os editores de níveis, 2 = 512 pixels para bibliotecas.</translation>
    </message>
    <message>
        <source>     Target Canvas height in pages, 1 to 64.</source>
        <translation>     Altura da tela de destino em páginas, de 1 a 64.</translation>
    </message>
    <message>
        <source>     Target area info. Goes red if the number of tiles exceeds 256.</source>
        <translation>     Informações da área de destino. Fica vermelha se houver mais de 256 tiles.</translation>
    </message>
    <message>
        <source>     Stop: cancels the Transformations Mode.</source>
        <translation>     Parar: cancela o modo de transformações.</translation>
    </message>
    <message>
        <source>     Rotation: rotates a tile 90 degrees.</source>
        <translation>     Girar: gira um tile em 90 graus.</translation>
    </message>
    <message>
        <source>     HFlip: mirrors a tile.</source>
        <translation>     Espelhar H: espelha um tile na horizontal.</translation>
    </message>
    <message>
        <source>     VFlip: inverts a tile.</source>
        <translation>     Espelhar V: inverte um tile na vertical.</translation>
    </message>
    <message>
        <source>     Swap: click-and-drag to exchange the position of two tiles.</source>
        <translation>     Trocar: clique e arraste para trocar a posição de dois tiles.</translation>
    </message>
    <message>
        <source>     Move: click-and-drag to move one tile to another position.</source>
        <translation>     Mover: clique e arraste para mover um tile para outra posição.</translation>
    </message>
    <message>
        <source>   --- Extract Level Textures as Tiles</source>
        <translation>   --- Extrair texturas do nível como ladrilhos</translation>
    </message>
    <message>
        <source>page %1 · %2 × %3 at %4, %5</source>
        <translation>página %1 · %2 × %3 em %4, %5</translation>
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
        <translation>Bitmap do Windows ou OS/2</translation>
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
        <translation>Céu do editor de níveis</translation>
    </message>
    <message>
        <source>Level Editor Font</source>
        <translation>Fonte do editor de níveis</translation>
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
        <translation>4 bits (16 cores)</translation>
    </message>
    <message>
        <source>8 bits (256 col)</source>
        <translation>8 bits (256 cores)</translation>
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
        <translation>Desconhecido</translation>
    </message>
</context>
<context>
    <name>TileCensus</name>
    <message>
        <source>%1 cells: %2 used, %3 unique, %4 empty</source>
        <translation>%1 células: %2 usadas, %3 únicas, %4 vazias</translation>
    </message>
</context>
<context>
    <name>mosaicor</name>
    <message>
        <source>copies, also turned or mirrored</source>
        <translation>cópias, também giradas ou espelhadas</translation>
    </message>
    <message>
        <source>exact copies</source>
        <translation>cópias exatas</translation>
    </message>
    <message>
        <source>, near ones with every channel within %1</source>
        <translation>, e parecidas com cada canal dentro de %1</translation>
    </message>
</context>
<context>
    <name>mosaicor::AboutWindow</name>
    <message>
        <source>   About,   Help   &amp;   Credits</source>
        <translation>   Sobre,   Ajuda   e   Créditos</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Texture sets builder
for the Tomb Raider legacy level editors</source>
        <translation>Construtor de conjuntos de texturas
para os editores de níveis clássicos de Tomb Raider</translation>
    </message>
    <message>
        <source>Made by the Mosaicor developers.
CREDITS names the libraries it is built on.</source>
        <translation>Feito pelos desenvolvedores do Mosaicor.
CRÉDITOS lista as bibliotecas em que ele se baseia.</translation>
    </message>
    <message>
        <source>The manual and the credits are in English.</source>
        <translation>O manual e os créditos estão em inglês.</translation>
    </message>
    <message>
        <source>Mosaicor is a fan-made tool, free to use. It is not made, endorsed or supported by the owners of the Tomb Raider games and their level editors, and it is not affiliated with them. Tomb Raider is a trademark of its owner. Keep copies of your work: the tool comes with no warranty.</source>
        <translation>Mosaicor é uma ferramenta feita por fãs, de uso livre. Não é feita, endossada nem apoiada pelos donos dos jogos de Tomb Raider e de seus editores de níveis, e não tem vínculo com eles. Tomb Raider é uma marca registrada de seu dono. Guarde cópias do seu trabalho: a ferramenta não tem nenhuma garantia.</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AJUDA</translation>
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
        <translation>   Ajuda</translation>
    </message>
</context>
<context>
    <name>mosaicor::LevelLoadingWindow</name>
    <message>
        <source>|TR1 (1996) - Tomb Raider (*.phd)|*.PHD|TR1 (1999) - Tomb Raider Gold (*.tub)|*.TUB|TR2 (1997) - Starring Lara Croft (*.tr2)|*.TR2|TR2 (1997) - Golden Mask (*.tr2)|*.TR2|TR3 (1998) - Adventures of Lara Croft (*.tr2)|*.TR2|TR3 (2000) - The Lost Artifact (*.tr2)|*.TR2|TR4 (1999) - The Last Revelation (*.tr4)|*.TR4|TR5 (2000) - Chronicles (*.trc)|*.TRC|All Files (*.*)|*.*</source>
        <extracomment>Name|patterns pairs: translate the names only, keep every | and pattern.</extracomment>
        <translation>|TR1 (1996) - Tomb Raider (*.phd)|*.PHD|TR1 (1999) - Tomb Raider Gold (*.tub)|*.TUB|TR2 (1997) - Starring Lara Croft (*.tr2)|*.TR2|TR2 (1997) - Golden Mask (*.tr2)|*.TR2|TR3 (1998) - Adventures of Lara Croft (*.tr2)|*.TR2|TR3 (2000) - The Lost Artifact (*.tr2)|*.TR2|TR4 (1999) - The Last Revelation (*.tr4)|*.TR4|TR5 (2000) - Chronicles (*.trc)|*.TRC|Todos os arquivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Tomb Raider Files</source>
        <translation>Arquivos de Tomb Raider</translation>
    </message>
    <message>
        <source>   Loading...</source>
        <translation>   Carregando...</translation>
    </message>
    <message>
        <source>   ----- EXTRACT TOMB RAIDER TEXTURES -----</source>
        <translation>   ----- EXTRAIR TEXTURAS DE TOMB RAIDER -----</translation>
    </message>
    <message>
        <source>Object Libraries</source>
        <translation>Bibliotecas de objetos</translation>
    </message>
    <message>
        <source>   ----- EXTRACT LEVEL TEXTURES AS TILES -----</source>
        <translation>   ----- EXTRAIR TEXTURAS DO NÍVEL COMO LADRILHOS -----</translation>
    </message>
</context>
<context>
    <name>mosaicor::MainWindow</name>
    <message>
        <source>The texture set has changes that are not saved.</source>
        <translation>O conjunto de texturas tem alterações não salvas.</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>Salvar antes?</translation>
    </message>
    <message>
        <source>x %1, y %2 · tile %3 · page %4</source>
        <translation>x %1, y %2 · tile %3 · página %4</translation>
    </message>
    <message>
        <source>     Zoom: shows the canvas larger ( Ctrl + wheel, Ctrl++, Ctrl+-, Ctrl+0 ).</source>
        <translation>     Zoom: mostra a tela ampliada ( Ctrl + roda, Ctrl++, Ctrl+-, Ctrl+0 ).</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Picker</source>
        <translation>Conta-gotas</translation>
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
        <translation>Girar</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Trocar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>     File options.</source>
        <translation>     Opções de arquivo.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Load Image File...</source>
        <translation>Carregar arquivo de imagem...</translation>
    </message>
    <message>
        <source>Extract Textures...</source>
        <translation>Extrair texturas...</translation>
    </message>
    <message>
        <source>Extract Animated Textures...</source>
        <translation>Extrair texturas animadas...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Reload a Texture Set File...</source>
        <translation>Recarregar um conjunto de texturas...</translation>
    </message>
    <message>
        <source>Create New</source>
        <translation>Criar novo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>     Undoes the last change to the Target.</source>
        <translation>     Desfaz a última alteração no destino.</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>     Redoes the last change undone on the Target.</source>
        <translation>     Refaz a última alteração desfeita no destino.</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar tudo</translation>
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
        <translation>Desfazer: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer: %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Grid shown</source>
        <translation>Mostrar grade</translation>
    </message>
    <message>
        <source>     Zoom of the canvas under the pointer.</source>
        <translation>     Zoom da tela sob o ponteiro.</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>Alpha layer</source>
        <translation>Canal alfa</translation>
    </message>
    <message>
        <source>     Alpha: shows the alpha channel of the Source Canvas.</source>
        <translation>     Alfa: mostra o canal alfa da tela de origem.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>     Help &amp; Credits</source>
        <translation>     Ajuda e créditos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memória insuficiente.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles</source>
        <translation>Adicionar imagens como tiles</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles…</source>
        <translation>Adicionar imagens como tiles…</translation>
    </message>
    <message>
        <source>     Add Pictures as Tiles: each picture goes into the next free cells of the Target.</source>
        <translation>     Adicionar imagens como tiles: cada imagem vai para as próximas células livres do destino.</translation>
    </message>
    <message>
        <source>Tile Census</source>
        <translation>Censo de tiles</translation>
    </message>
    <message>
        <source>     Tile Census: numbers the Target&apos;s twin cells and shades its empty ones.</source>
        <translation>     Censo de tiles: numera as células gêmeas do destino e sombreia as vazias.</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be added as tiles:

%3</source>
        <translation>Não foi possível adicionar como tiles %1 de %2 imagens:

%3</translation>
    </message>
    <message>
        <source>24-bit %1</source>
        <extracomment>%1 is the file&apos;s format: BMP, PNG, ...</extracomment>
        <translation>%1 de 24 bits</translation>
    </message>
    <message>
        <source>uncompressed 24-bit TGA</source>
        <translation>TGA de 24 bits sem compressão</translation>
    </message>
    <message>
        <source>     Saved %1: %2 x %3 pixels, %4, %5 bytes</source>
        <translation>     Salvo %1: %2 x %3 pixels, %4, %5 bytes</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… e mais %1.</translation>
    </message>
    <message>
        <source>Duplicates Up to Rotation and Mirror</source>
        <translation>Duplicatas a menos de rotação e espelho</translation>
    </message>
    <message>
        <source>     Census: cells that are the same when turned or mirrored count as duplicates.</source>
        <translation>     Censo: células iguais quando giradas ou espelhadas contam como duplicatas.</translation>
    </message>
    <message>
        <source>Near Duplicates</source>
        <translation>Quase duplicatas</translation>
    </message>
    <message>
        <source>     Census: cells within the tolerance of a group&apos;s first cell count as duplicates.</source>
        <translation>     Censo: células dentro da tolerância da primeira célula de um grupo contam como duplicatas.</translation>
    </message>
    <message>
        <source>Near Duplicates Tolerance…</source>
        <translation>Tolerância das quase duplicatas…</translation>
    </message>
    <message>
        <source>Compact Set…</source>
        <translation>Compactar conjunto…</translation>
    </message>
    <message>
        <source>     Compact Set: drops the Target&apos;s empty and duplicate cells and moves the others to the front.</source>
        <translation>     Compactar conjunto: remove as células vazias e duplicadas do Destino e adianta as demais.</translation>
    </message>
    <message>
        <source>Near Duplicates (Tolerance %1)</source>
        <translation>Quase duplicatas (tolerância %1)</translation>
    </message>
    <message>
        <source>Compact Set</source>
        <translation>Compactar conjunto</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Compactar</translation>
    </message>
    <message>
        <source>Move maps (*.csv)</source>
        <translation>Mapas de movimentos (*.csv)</translation>
    </message>
    <message>
        <source>Cells are near duplicates when no channel of any pixel differs by more than:</source>
        <translation>Células são quase duplicatas quando nenhum canal de nenhum pixel difere em mais de:</translation>
    </message>
    <message>
        <source>The Target cannot be compacted: %1</source>
        <translation>O Destino não pode ser compactado: %1</translation>
    </message>
    <message>
        <source>Alpha → Magenta</source>
        <translation>Alfa → Magenta</translation>
    </message>
    <message>
        <source>Pixels of a picture with transparency whose alpha is below the threshold become magenta</source>
        <translation>Pixels de uma imagem com transparência cujo alfa está abaixo do limiar viram magenta</translation>
    </message>
    <message>
        <source>Clean fringe</source>
        <translation>Limpar borda</translation>
    </message>
    <message>
        <source>This picture has transparency: TRANSPARENCY ▸ Alpha → Magenta keys it for the level editor</source>
        <translation>Esta imagem tem transparência: TRANSPARÊNCIA ▸ Alfa → Magenta a converte em magenta para o editor de níveis</translation>
    </message>
    <message>
        <source>%1 frames, delays in ms: %2</source>
        <translation>%1 quadros, atrasos em ms: %2</translation>
    </message>
    <message>
        <source>Extract Level Textures as Tiles...</source>
        <translation>Extrair texturas do nível como ladrilhos...</translation>
    </message>
    <message>
        <source>Save into Object Library…</source>
        <translation>Salvar na biblioteca de objetos…</translation>
    </message>
    <message>
        <source>     Save into Object Library: the Target&apos;s pages become the texture pages of a .wad, the old file kept as .bak.wad.</source>
        <translation>     Salvar na biblioteca de objetos: as páginas do Destino passam a ser as páginas de texturas de um .wad; o arquivo antigo fica guardado como .bak.wad.</translation>
    </message>
    <message>
        <source>Save into Object Library</source>
        <translation>Salvar na biblioteca de objetos</translation>
    </message>
    <message>
        <source>Object Libraries</source>
        <translation>Bibliotecas de objetos</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Save the Move Map: where each used cell of the old set now stands (CSV)</source>
        <translation>Salvar o mapa de movimentos: onde está agora cada célula usada do set antigo (CSV)</translation>
    </message>
    <message>
        <source>Compact the Target?

Duplicates: %1
Cells: %2 → %3 (the 64 x 64 places of the shown pages)
Pages: %4 → %5
Tiles: %6 → %7 (the cells that hold something; the level editor takes %8)

Each cell moves on its own: a texture that spans several cells may be split.
Afterwards you can save the move map, which tells a level&apos;s faces where their cells went.</source>
        <translation>Compactar o Destino?

Duplicatas: %1
Células: %2 → %3 (os lugares de 64 x 64 das páginas mostradas)
Páginas: %4 → %5
Tiles: %6 → %7 (as células que contêm algo; o editor de níveis aceita %8)

Cada célula é movida sozinha: uma textura que ocupa várias células pode ser separada.
Depois você pode salvar o mapa de movimentos, que diz às faces de um nível para onde foram suas células.</translation>
    </message>
    <message>
        <source>The compaction is undone. The move map saved with it,
%1,
describes a change that was undone: it no longer fits the Target. Delete it, or keep it only if you compact again the same way.</source>
        <translation>A compactação foi desfeita. O mapa de movimentos salvo com ela,
%1,
descreve uma mudança desfeita: não corresponde mais ao Destino. Apague-o, ou guarde-o só se compactar de novo do mesmo modo.</translation>
    </message>
    <message>
        <source>Also update the project that uses this set…</source>
        <translation>Atualizar também o projeto que usa este set…</translation>
    </message>
    <message>
        <source>The Project That Uses This Set</source>
        <translation>O projeto que usa este set</translation>
    </message>
    <message>
        <source>Level editor projects (*.prj *.PRJ)</source>
        <translation>Projetos do editor de níveis (*.prj *.PRJ)</translation>
    </message>
    <message>
        <source>Keep a Backup</source>
        <translation>Manter um backup</translation>
    </message>
    <message>
        <source>With the project %1: animated cells stay where they are, cells whose settings differ are not merged, and the cells its faces show are used even when empty.</source>
        <translation>Com o projeto %1: as células animadas ficam onde estão, células com configurações diferentes não são juntadas, e as células que suas faces mostram contam como usadas mesmo vazias.</translation>
    </message>
    <message>
        <source>Its texture file is %1, not %2: it is updated all the same.</source>
        <translation>Seu arquivo de texturas é %1, não %2: ele é atualizado mesmo assim.</translation>
    </message>
    <message>
        <source>Nothing was saved: the backup %1 is kept as it was.</source>
        <translation>Nada foi salvo: o backup %1 fica como estava.</translation>
    </message>
    <message>
        <source>Saved the compacted set %1 and the updated project %2.
The old files are kept as %3 and %4.
Open %2 in the level editor: its faces show what they showed.</source>
        <translation>Foram salvos o set compactado %1 e o projeto atualizado %2.
Os arquivos antigos ficam como %3 e %4.
Abra %2 no editor de níveis: suas faces mostram o que mostravam.</translation>
    </message>
    <message>
        <source>     Saved the Target&apos;s pages into %1; the old file is kept as %2</source>
        <translation>     Páginas do Destino salvas em %1; o arquivo antigo fica guardado como %2</translation>
    </message>
    <message>
        <source>%1 already exists: it keeps the file as it was before an earlier save.

Replace it with the file as it is now?</source>
        <translation>%1 já existe: guarda o arquivo como era antes de um salvamento anterior.

Substituí-lo pelo arquivo como está agora?</translation>
    </message>
</context>
<context>
    <name>mosaicor::PictureDialogs</name>
    <message>
        <source>   ----- LOADING IMAGE FILE -----</source>
        <translation>   ----- CARREGANDO ARQUIVO DE IMAGEM -----</translation>
    </message>
    <message>
        <source>   ----- SAVING IMAGE FILE -----</source>
        <translation>   ----- SALVANDO ARQUIVO DE IMAGEM -----</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Supported Input Files</source>
        <translation>Arquivos de entrada suportados</translation>
    </message>
    <message>
        <source>Supported Output Files</source>
        <translation>Arquivos de saída suportados</translation>
    </message>
</context>
<context>
    <name>mosaicor::Reasons</name>
    <message>
        <source>not a level file</source>
        <translation>não é um arquivo de nível</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>arquivo não encontrado</translation>
    </message>
    <message>
        <source>unknown level version</source>
        <translation>versão de nível desconhecida</translation>
    </message>
    <message>
        <source>encrypted TR4 level: not supported</source>
        <translation>nível TR4 criptografado: não suportado</translation>
    </message>
    <message>
        <source>level file ends early</source>
        <translation>o arquivo de nível termina antes do esperado</translation>
    </message>
    <message>
        <source>level file ends early in %1</source>
        <translation>o arquivo de nível termina antes do esperado: %1</translation>
    </message>
    <message>
        <source>32-bit texture pages are missing</source>
        <translation>faltam as páginas de texturas de 32 bits</translation>
    </message>
    <message>
        <source>no texture pages</source>
        <translation>nenhuma página de texturas</translation>
    </message>
    <message>
        <source>no animated textures</source>
        <translation>nenhuma textura animada</translation>
    </message>
    <message>
        <source>damaged compressed data</source>
        <translation>dados compactados danificados</translation>
    </message>
    <message>
        <source>damaged compressed data in %1</source>
        <translation>dados compactados danificados: %1</translation>
    </message>
    <message>
        <source>the %1 at offset %2 (0x%3)</source>
        <translation>seção “%1” no deslocamento %2 (0x%3)</translation>
    </message>
    <message>
        <source>the %1 at offset %2 (0x%3) of the inflated level data</source>
        <translation>seção “%1” no deslocamento %2 (0x%3) dos dados de nível descompactados</translation>
    </message>
    <message>
        <source>room %1 at offset %2 (0x%3)</source>
        <translation>sala %1 no deslocamento %2 (0x%3)</translation>
    </message>
    <message>
        <source>room %1 at offset %2 (0x%3) of the inflated level data</source>
        <translation>sala %1 no deslocamento %2 (0x%3) dos dados de nível descompactados</translation>
    </message>
    <message>
        <source>compressed data unpacks to more than %1 MiB, more than any level holds</source>
        <translation>os dados compactados ocupam mais de %1 MiB ao descompactar, mais do que qualquer nível contém</translation>
    </message>
    <message>
        <source>a %1 picture, not a Tomb Raider level</source>
        <translation>uma imagem %1, não um nível de Tomb Raider</translation>
    </message>
    <message>
        <source>the level claims %1 texture pages (at most %2)</source>
        <translation>o nível declara %1 páginas de texturas (no máximo %2)</translation>
    </message>
    <message>
        <source>the file is too large for a level (%1 MiB; levels are read up to %2 MiB)</source>
        <translation>o arquivo é grande demais para um nível (%1 MiB; níveis são lidos até %2 MiB)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>não é possível abrir: %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>não é possível ler: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1 format not supported.</source>
        <translation>Formato %1 não suportado.</translation>
    </message>
    <message>
        <source>This file has a non supported compression scheme.</source>
        <translation>Este arquivo usa um esquema de compressão não suportado.</translation>
    </message>
    <message>
        <source>a Tomb Raider level, not a picture</source>
        <translation>um nível de Tomb Raider, não uma imagem</translation>
    </message>
    <message>
        <source>the file is too large (%1 MiB; pictures are read up to %2 MiB)</source>
        <translation>o arquivo é grande demais (%1 MiB; imagens são lidas até %2 MiB)</translation>
    </message>
    <message>
        <source>not enough memory for the 32-bit picture</source>
        <translation>memória insuficiente para a imagem de 32 bits</translation>
    </message>
    <message>
        <source>not enough memory for a %1 x %2 picture</source>
        <translation>memória insuficiente para uma imagem de %1 x %2</translation>
    </message>
    <message>
        <source>no picture described</source>
        <translation>nenhuma imagem descrita</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1 x %2)</source>
        <translation>a imagem não tem pixels (%1 x %2)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>a imagem é grande demais (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>the file is shorter than its %1 x %2 picture</source>
        <translation>o arquivo é mais curto que sua imagem de %1 x %2</translation>
    </message>
    <message>
        <source>the file is too short for its %1 x %2 picture</source>
        <translation>o arquivo é curto demais para sua imagem de %1 x %2</translation>
    </message>
    <message>
        <source>not a BMP file</source>
        <translation>não é um arquivo BMP</translation>
    </message>
    <message>
        <source>the file ends inside the BMP header</source>
        <translation>o arquivo termina dentro do cabeçalho BMP</translation>
    </message>
    <message>
        <source>unknown BMP header size %1</source>
        <translation>tamanho de cabeçalho BMP desconhecido %1</translation>
    </message>
    <message>
        <source>OS/2 Huffman and RLE24 bitmaps are not supported</source>
        <translation>bitmaps OS/2 Huffman e RLE24 não são suportados</translation>
    </message>
    <message>
        <source>the file ends inside the colour masks</source>
        <translation>o arquivo termina dentro das máscaras de cor</translation>
    </message>
    <message>
        <source>the pixel data lies outside the file</source>
        <translation>os dados de pixels ficam fora do arquivo</translation>
    </message>
    <message>
        <source>BMP files of %1 bits per pixel are not supported</source>
        <translation>arquivos BMP de %1 bits por pixel não são suportados</translation>
    </message>
    <message>
        <source>BMP compression %1 is not supported for %2 bits per pixel</source>
        <translation>a compressão BMP %1 não é suportada com %2 bits por pixel</translation>
    </message>
    <message>
        <source>a run-length encoded BMP cannot be stored top-down</source>
        <translation>um BMP com codificação RLE não pode ser armazenado de cima para baixo</translation>
    </message>
    <message>
        <source>the picture is too large to decode progressively (%1 x %2 pixels)</source>
        <translation>a imagem é grande demais para decodificação progressiva (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>the file is cut short: it ends before the picture&apos;s last rows</source>
        <translation>o arquivo está cortado: termina antes das últimas linhas da imagem</translation>
    </message>
    <message>
        <source>JPEG error: %1</source>
        <translation>erro de JPEG: %1</translation>
    </message>
    <message>
        <source>not a PCX file</source>
        <translation>não é um arquivo PCX</translation>
    </message>
    <message>
        <source>PCX pictures of %1 bits in %2 planes are not supported</source>
        <translation>imagens PCX de %1 bits em %2 planos não são suportadas</translation>
    </message>
    <message>
        <source>unknown PCX encoding %1</source>
        <translation>codificação PCX desconhecida %1</translation>
    </message>
    <message>
        <source>the PCX rows (%1 bytes) are too short for %2 pixels</source>
        <translation>as linhas PCX (%1 bytes) são curtas demais para %2 pixels</translation>
    </message>
    <message>
        <source>the PCX picture data ends at row %1 of %2</source>
        <translation>os dados de imagem PCX terminam na linha %1 de %2</translation>
    </message>
    <message>
        <source>not a PNG file</source>
        <translation>não é um arquivo PNG</translation>
    </message>
    <message>
        <source>the PNG file does not begin with its header chunk</source>
        <translation>o arquivo PNG não começa com seu bloco de cabeçalho</translation>
    </message>
    <message>
        <source>the PNG chunk &quot;%1&quot; at offset %2 claims %3 bytes, but only %4 are left</source>
        <translation>o bloco PNG “%1” no deslocamento %2 declara %3 bytes, mas restam apenas %4</translation>
    </message>
    <message>
        <source>PNG error: %1</source>
        <translation>erro de PNG: %1</translation>
    </message>
    <message>
        <source>not a Photoshop file</source>
        <translation>não é um arquivo do Photoshop</translation>
    </message>
    <message>
        <source>Photoshop files of version %1 (large documents) are not supported</source>
        <translation>arquivos do Photoshop da versão %1 (documentos grandes) não são suportados</translation>
    </message>
    <message>
        <source>the file ends inside its header sections</source>
        <translation>o arquivo termina dentro de suas seções de cabeçalho</translation>
    </message>
    <message>
        <source>Photoshop colour mode %1 is not supported</source>
        <translation>o modo de cor do Photoshop %1 não é suportado</translation>
    </message>
    <message>
        <source>Photoshop makes no %1 pictures of %2 bits a channel</source>
        <translation>o Photoshop não cria imagens %1 de %2 bits por canal</translation>
    </message>
    <message>
        <source>the picture has %1 channels where its colour mode needs %2</source>
        <translation>a imagem tem %1 canais onde seu modo de cor exige %2</translation>
    </message>
    <message>
        <source>the indexed picture has no palette</source>
        <translation>a imagem indexada não tem paleta</translation>
    </message>
    <message>
        <source>the file ends before its image data</source>
        <translation>o arquivo termina antes de seus dados de imagem</translation>
    </message>
    <message>
        <source>the file ends inside its image data</source>
        <translation>o arquivo termina dentro de seus dados de imagem</translation>
    </message>
    <message>
        <source>Photoshop image data compression %1 is not supported</source>
        <translation>a compressão de dados de imagem do Photoshop %1 não é suportada</translation>
    </message>
    <message>
        <source>the file ends inside its row table</source>
        <translation>o arquivo termina dentro de sua tabela de linhas</translation>
    </message>
    <message>
        <source>the image data is too short for the picture</source>
        <translation>os dados de imagem são curtos demais para a imagem</translation>
    </message>
    <message>
        <source>not a Paint Shop Pro file</source>
        <translation>não é um arquivo do Paint Shop Pro</translation>
    </message>
    <message>
        <source>Paint Shop Pro files of format version %1 are not supported</source>
        <translation>arquivos do Paint Shop Pro com versão de formato %1 não são suportados</translation>
    </message>
    <message>
        <source>the %1 is damaged</source>
        <translation>“%1” está danificado</translation>
    </message>
    <message>
        <source>the block at byte %1 is damaged</source>
        <translation>o bloco no byte %1 está danificado</translation>
    </message>
    <message>
        <source>a channel holds too few bytes for its %1 x %2 pixels</source>
        <translation>um canal contém poucos bytes para seus %1 x %2 pixels</translation>
    </message>
    <message>
        <source>a channel&apos;s compressed data is damaged</source>
        <translation>os dados compactados de um canal estão danificados</translation>
    </message>
    <message>
        <source>a channel unpacks to %1 bytes where %2 x %3 pixels need %4</source>
        <translation>um canal descompacta em %1 bytes onde %2 x %3 pixels precisam de %4</translation>
    </message>
    <message>
        <source>a channel lies outside the file</source>
        <translation>um canal fica fora do arquivo</translation>
    </message>
    <message>
        <source>a layer lacks some of its colour channels</source>
        <translation>falta a uma camada parte de seus canais de cor</translation>
    </message>
    <message>
        <source>the file has no image attributes</source>
        <translation>o arquivo não tem atributos de imagem</translation>
    </message>
    <message>
        <source>Paint Shop Pro pictures of %1 bits per pixel are not supported</source>
        <translation>imagens do Paint Shop Pro de %1 bits por pixel não são suportadas</translation>
    </message>
    <message>
        <source>Paint Shop Pro compression %1 is not supported</source>
        <translation>a compressão do Paint Shop Pro %1 não é suportada</translation>
    </message>
    <message>
        <source>the paletted picture has no palette</source>
        <translation>a imagem com paleta não tem paleta</translation>
    </message>
    <message>
        <source>the file ends inside the TGA header</source>
        <translation>o arquivo termina dentro do cabeçalho TGA</translation>
    </message>
    <message>
        <source>the picture has a pixel depth of 0</source>
        <translation>a imagem tem profundidade de pixel 0</translation>
    </message>
    <message>
        <source>pixel depth %1 is not supported</source>
        <translation>a profundidade de pixel %1 não é suportada</translation>
    </message>
    <message>
        <source>TGA image type %1 is not supported</source>
        <translation>o tipo de imagem TGA %1 não é suportado</translation>
    </message>
    <message>
        <source>colour map entries of %1 bits are not supported</source>
        <translation>entradas de mapa de cores de %1 bits não são suportadas</translation>
    </message>
    <message>
        <source>the file ends inside the image ID</source>
        <translation>o arquivo termina dentro do identificador da imagem</translation>
    </message>
    <message>
        <source>the file ends inside the colour map</source>
        <translation>o arquivo termina dentro do mapa de cores</translation>
    </message>
    <message>
        <source>not a TIFF file</source>
        <translation>não é um arquivo TIFF</translation>
    </message>
    <message>
        <source>not a readable TIFF file</source>
        <translation>não é um arquivo TIFF legível</translation>
    </message>
    <message>
        <source>TIFF error: %1</source>
        <translation>erro de TIFF: %1</translation>
    </message>
    <message>
        <source>the TIFF picture&apos;s strips or tiles do not fit it</source>
        <translation>as faixas ou blocos da imagem TIFF não correspondem a ela</translation>
    </message>
    <message>
        <source>the TIFF picture data is damaged</source>
        <translation>os dados de imagem TIFF estão danificados</translation>
    </message>
    <message>
        <source>unsupported TIFF layout: %1</source>
        <translation>estrutura TIFF não suportada: %1</translation>
    </message>
    <message>
        <source>the TIFF picture has too many samples per pixel (%1)</source>
        <translation>a imagem TIFF tem amostras demais por pixel (%1)</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Não há imagem para salvar.</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels is too large for a BMP file.</source>
        <translation>Uma imagem de %1 x %2 pixels é grande demais para um arquivo BMP.</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels is too large for a TGA file (at most 65535 x 65535); save it as BMP instead.</source>
        <translation>Uma imagem de %1 x %2 pixels é grande demais para um arquivo TGA (no máximo 65535 x 65535); salve-a como BMP.</translation>
    </message>
    <message>
        <source>Cannot write the JPEG picture: %1</source>
        <translation>Não é possível gravar a imagem JPEG: %1</translation>
    </message>
    <message>
        <source>Cannot write the PNG picture: %1</source>
        <translation>Não é possível gravar a imagem PNG: %1</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>a imagem está vazia</translation>
    </message>
    <message>
        <source>cannot resample a %1 x %2 picture</source>
        <translation>não é possível reamostrar uma imagem de %1 x %2</translation>
    </message>
    <message>
        <source>not enough memory to grow the set</source>
        <translation>memória insuficiente para aumentar o conjunto</translation>
    </message>
    <message>
        <source>the tile is empty</source>
        <translation>o bloco está vazio</translation>
    </message>
    <message>
        <source>a %1 x %2 tile is wider than the %3-pixel set</source>
        <translation>um bloco de %1 x %2 é mais largo que o conjunto de %3 pixels</translation>
    </message>
    <message>
        <source>a %1 x %2 tile is higher than %3 pages</source>
        <translation>um bloco de %1 x %2 é mais alto que %3 páginas</translation>
    </message>
    <message>
        <source>no free cells left for a %1 x %2 tile within %3 pages</source>
        <translation>não restam células livres para um bloco de %1 x %2 em %3 páginas</translation>
    </message>
    <message>
        <source>the page counters %1 x %2 are out of range</source>
        <translation>os contadores de páginas %1 x %2 estão fora do intervalo</translation>
    </message>
    <message>
        <source>a %1 x %2 picture does not hold %3 x %4 pages</source>
        <translation>uma imagem de %1 x %2 não comporta %3 x %4 páginas</translation>
    </message>
    <message>
        <source>too many paths</source>
        <translation>caminhos demais</translation>
    </message>
    <message>
        <source>the path %1 is too long</source>
        <translation>o caminho %1 é longo demais</translation>
    </message>
    <message>
        <source>the file ends inside the %1</source>
        <translation>o arquivo termina dentro da seção “%1”</translation>
    </message>
    <message>
        <source>a path of %1 bytes is longer than the file allows</source>
        <translation>um caminho de %1 bytes é mais longo do que o arquivo permite</translation>
    </message>
    <message>
        <source>%1 paths are more than a recovery file holds</source>
        <translation>%1 caminhos são mais do que um arquivo de recuperação comporta</translation>
    </message>
    <message>
        <source>not enough memory for the recovery file</source>
        <translation>memória insuficiente para o arquivo de recuperação</translation>
    </message>
    <message>
        <source>not a recovery file</source>
        <translation>não é um arquivo de recuperação</translation>
    </message>
    <message>
        <source>recovery file version %1 is unknown</source>
        <translation>a versão %1 do arquivo de recuperação é desconhecida</translation>
    </message>
    <message>
        <source>a size in the header is out of range</source>
        <translation>um tamanho no cabeçalho está fora do intervalo</translation>
    </message>
    <message>
        <source>the file holds %1 bytes of pixels where a %2 x %3 picture has %4 bytes</source>
        <translation>o arquivo contém %1 bytes de pixels onde uma imagem de %2 x %3 tem %4 bytes</translation>
    </message>
    <message>
        <source>not enough memory for the recovered picture</source>
        <translation>memória insuficiente para a imagem recuperada</translation>
    </message>
    <message>
        <source>not a GIF file</source>
        <translation>não é um arquivo GIF</translation>
    </message>
    <message>
        <source>this build of Qt has no GIF reader</source>
        <translation>esta compilação do Qt não tem leitor de GIF</translation>
    </message>
    <message>
        <source>the GIF file holds no frame</source>
        <translation>o arquivo GIF não contém nenhum quadro</translation>
    </message>
    <message>
        <source>GIF error in frame %1: %2</source>
        <translation>erro de GIF no quadro %1: %2</translation>
    </message>
    <message>
        <source>not enough memory for a frame</source>
        <translation>memória insuficiente para um quadro</translation>
    </message>
    <message>
        <source>not enough memory for the frames</source>
        <translation>memória insuficiente para os quadros</translation>
    </message>
    <message>
        <source>cannot resample a %1 x %2 frame</source>
        <translation>não é possível reamostrar um quadro de %1 x %2</translation>
    </message>
    <message>
        <source>the picture has %1 frames; 64 pages hold at most %2 frames of %3 x %4</source>
        <translation>a imagem tem %1 quadros; 64 páginas comportam no máximo %2 quadros de %3 x %4</translation>
    </message>
    <message>
        <source>a %1 is %2 x %2 pixels of %3 bits, %4 bytes; this file has %5 bytes</source>
        <translation>um arquivo %1 tem %2 x %2 pixels de %3 bits, %4 bytes; este arquivo tem %5 bytes</translation>
    </message>
    <message>
        <source>not enough memory for a 256 x 256 picture</source>
        <translation>memória insuficiente para uma imagem de 256 x 256</translation>
    </message>
    <message>
        <source>no object textures</source>
        <translation>nenhuma textura de objeto</translation>
    </message>
    <message>
        <source>not enough memory for a texture set</source>
        <translation>memória insuficiente para um conjunto de texturas</translation>
    </message>
    <message>
        <source>A %1 file holds a picture of 256 x 256 pixels; this one is %2 x %3.</source>
        <translation>Um arquivo %1 contém uma imagem de 256 x 256 pixels; esta tem %2 x %3.</translation>
    </message>
    <message>
        <source>the file cannot be replaced</source>
        <translation>o arquivo não pode ser substituído</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>unknown object library version %1 (versions 129 and 130 are read)</source>
        <translation>versão %1 de biblioteca de objetos desconhecida (são lidas as versões 129 e 130)</translation>
    </message>
    <message>
        <source>object library ends early in %1</source>
        <translation>a biblioteca de objetos termina antes do esperado: %1</translation>
    </message>
    <message>
        <source>the file is too large for an object library (%1 MiB; object libraries are read up to %2 MiB)</source>
        <translation>o arquivo é grande demais para uma biblioteca de objetos (%1 MiB; bibliotecas de objetos são lidas até %2 MiB)</translation>
    </message>
    <message>
        <source>the texture set is %1 x %2 pixels, but the object library&apos;s pages are %3 x %4</source>
        <translation>o conjunto de texturas tem %1 x %2 pixels, mas as páginas da biblioteca de objetos têm %3 x %4</translation>
    </message>
    <message>
        <source>an object library, not a picture</source>
        <translation>uma biblioteca de objetos, não uma imagem</translation>
    </message>
    <message>
        <source>the file is too large (%1 MiB; files of this kind are read up to %2 MiB)</source>
        <translation>o arquivo é grande demais (%1 MiB; arquivos deste tipo são lidos até %2 MiB)</translation>
    </message>
    <message>
        <source>the tiles do not fit into %1 pages</source>
        <translation>os tiles não cabem em %1 páginas</translation>
    </message>
    <message>
        <source>not a tiles description (tiles.json): %1</source>
        <translation>não é uma descrição de tiles (tiles.json): %1</translation>
    </message>
    <message>
        <source>the tiles description names no tile on %1</source>
        <translation>a descrição de tiles não cita nenhum tile em %1</translation>
    </message>
    <message>
        <source>not a project of the level editor (no PROJFILE signature)</source>
        <translation>não é um projeto do editor de níveis (sem a assinatura PROJFILE)</translation>
    </message>
    <message>
        <source>a project with 128-pixel tiles (&quot;big textures&quot;): not supported</source>
        <translation>um projeto com tiles de 128 pixels (&quot;big textures&quot;): não suportado</translation>
    </message>
    <message>
        <source>the project uses no texture set (its texture file is NA)</source>
        <translation>o projeto não usa nenhum set de texturas (seu arquivo de texturas é NA)</translation>
    </message>
    <message>
        <source>damaged project: it ends early, at byte %1</source>
        <translation>projeto danificado: termina cedo demais, no byte %1</translation>
    </message>
    <message>
        <source>damaged project: a count of %1 at byte %2</source>
        <translation>projeto danificado: uma contagem de %1 no byte %2</translation>
    </message>
    <message>
        <source>damaged project: an object of unknown kind %1 in room %2</source>
        <translation>projeto danificado: um objeto de tipo desconhecido %1 na sala %2</translation>
    </message>
    <message>
        <source>damaged project: a name longer than %1 bytes at byte %2</source>
        <translation>projeto danificado: um nome com mais de %1 bytes no byte %2</translation>
    </message>
    <message>
        <source>damaged project: %1 bytes follow where its reading ends</source>
        <translation>projeto danificado: seguem %1 bytes onde sua leitura termina</translation>
    </message>
    <message>
        <source>damaged project: a face in room %1 shows texture entry %2 of %3</source>
        <translation>projeto danificado: uma face na sala %1 mostra a entrada de textura %2 de %3</translation>
    </message>
    <message>
        <source>the map names cell %1, which a project cannot have</source>
        <translation>o mapa cita a célula %1, que um projeto não pode ter</translation>
    </message>
    <message>
        <source>the map names cell %1 twice</source>
        <translation>o mapa cita a célula %1 duas vezes</translation>
    </message>
    <message>
        <source>the map moves cell %1, which is animated</source>
        <translation>o mapa move a célula %1, que é animada</translation>
    </message>
    <message>
        <source>the map merges cell %1 into cell %2, which is animated</source>
        <translation>o mapa junta a célula %1 à célula %2, que é animada</translation>
    </message>
    <message>
        <source>the map merges cells %1 and %2, whose settings differ</source>
        <translation>o mapa junta as células %1 e %2, cujas configurações diferem</translation>
    </message>
    <message>
        <source>the map does not say where cell %1 went, which the project uses</source>
        <translation>o mapa não diz para onde foi a célula %1, que o projeto usa</translation>
    </message>
    <message>
        <source>the map moves cell %1, under a texture entry across several cells</source>
        <translation>o mapa move a célula %1, sob uma entrada de textura que ocupa várias células</translation>
    </message>
    <message>
        <source>the map puts cell %1 at %2, beyond the %3 cells a project names</source>
        <translation>o mapa põe a célula %1 em %2, além das %3 células que um projeto nomeia</translation>
    </message>
    <message>
        <source>the map puts cell %1 at %2, beyond the project&apos;s %3 texture entries</source>
        <translation>o mapa põe a célula %1 em %2, além das %3 entradas de textura do projeto</translation>
    </message>
    <message>
        <source>not a move map: its first line must be old_cell,new_cell,transform</source>
        <translation>não é um mapa de movimentos: a primeira linha deve ser old_cell,new_cell,transform</translation>
    </message>
    <message>
        <source>line %1 of the move map is not old_cell,new_cell,transform</source>
        <translation>a linha %1 do mapa de movimentos não é old_cell,new_cell,transform</translation>
    </message>
    <message>
        <source>frame %1 of %2: %3</source>
        <translation>quadro %1 de %2: %3</translation>
    </message>
</context>
<context>
    <name>mosaicor::RecoveryKeeper</name>
    <message>
        <source>     The recovery file could not be written: %1</source>
        <translation>     Não foi possível gravar o arquivo de recuperação: %1</translation>
    </message>
    <message>
        <source>%1
The texture set left by a run that did not end cleanly cannot be recovered: %2</source>
        <translation>%1
O conjunto de texturas de uma sessão que não terminou corretamente não pode ser recuperado: %2</translation>
    </message>
    <message>
        <source>Recover the texture set you were building at %1?</source>
        <translation>Recuperar o conjunto de texturas em que você trabalhava às %1?</translation>
    </message>
    <message>
        <source>No deletes it; Cancel keeps it for the next start.</source>
        <translation>Não o apaga; Cancelar o mantém para a próxima inicialização.</translation>
    </message>
    <message>
        <source>this system names no folder for it</source>
        <translation>este sistema não indica nenhuma pasta para isso</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>não é possível gravar na pasta %1</translation>
    </message>
    <message>
        <source>Until it can be, a crash would lose every change since the last save.</source>
        <translation>Enquanto não for possível, uma falha perderia todas as alterações desde o último salvamento.</translation>
    </message>
    <message>
        <source>The file is kept as %1.</source>
        <translation>O arquivo foi mantido como %1.</translation>
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
        <translation>Criar novo</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recarregar</translation>
    </message>
    <message>
        <source>Drop on Target</source>
        <translation>Soltar no destino</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar tudo</translation>
    </message>
    <message>
        <source>Rotate tile</source>
        <translation>Girar tile</translation>
    </message>
    <message>
        <source>Mirror tile</source>
        <translation>Espelhar tile na horizontal</translation>
    </message>
    <message>
        <source>Invert tile</source>
        <translation>Espelhar tile na vertical</translation>
    </message>
    <message>
        <source>Swap tiles</source>
        <translation>Trocar tiles</translation>
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
        <translation>Colar tile</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles</source>
        <translation>Adicionar imagens como tiles</translation>
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
        <translation>Compactar conjunto</translation>
    </message>
</context>
</TS>
