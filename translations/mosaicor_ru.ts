<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Languages</name>
    <message>
        <source>   --- no SOURCE file loaded ---</source>
        <translation>   --- ИСХОДНЫЙ файл не загружен ---</translation>
    </message>
    <message>
        <source>   --- Load Image File</source>
        <translation>   --- Загрузить изображение</translation>
    </message>
    <message>
        <source>   --- Extract Textures from Tomb Raider Levels</source>
        <translation>   --- Извлечь текстуры из уровней Tomb Raider</translation>
    </message>
    <message>
        <source>   --- Extract Animated Textures from TR Levels</source>
        <translation>   --- Анимированные текстуры из уровней TR</translation>
    </message>
    <message>
        <source>   --- no TARGET file saved ---</source>
        <translation>   --- ЦЕЛЕВОЙ файл не сохранён ---</translation>
    </message>
    <message>
        <source>   --- Save as Image File ( TGA, BMP, JPG )</source>
        <translation>   --- Сохранить как ( TGA, BMP, JPG )</translation>
    </message>
    <message>
        <source>   --- Create New</source>
        <translation>   --- Создать новый</translation>
    </message>
    <message>
        <source>   --- Reload a Texture Set File ( TGA, BMP, JPG )</source>
        <translation>   --- Загрузить набор текстур ( TGA, BMP, JPG )</translation>
    </message>
    <message>
        <source>   --- no TEXTURES extracted ---</source>
        <translation>   --- ТЕКСТУРЫ не извлечены ---</translation>
    </message>
    <message>
        <source>GRID</source>
        <translation>СЕТКА</translation>
    </message>
    <message>
        <source>TRANSPARENCY</source>
        <translation>ПРОЗРАЧНОСТЬ</translation>
    </message>
    <message>
        <source>ANIMATION</source>
        <translation>АНИМАЦИЯ</translation>
    </message>
    <message>
        <source>TRANSFORMATIONS</source>
        <translation>ПРЕОБРАЗОВАНИЯ</translation>
    </message>
    <message>
        <source>Copy All ---&gt;</source>
        <translation>Копировать ---&gt;</translation>
    </message>
    <message>
        <source>  Current Tile  </source>
        <translation>  Текущий тайл  </translation>
    </message>
    <message>
        <source>  Clipboard  </source>
        <translation>  Буфер обмена  </translation>
    </message>
    <message>
        <source>      Multi Tile</source>
        <translation>      Мульти</translation>
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
        <translation>      Авторазмер</translation>
    </message>
    <message>
        <source>      Scroll Tile</source>
        <translation>      Скролл</translation>
    </message>
    <message>
        <source>%1 x %2 pixels x %3</source>
        <translation>%1 x %2 пикс. x %3</translation>
    </message>
    <message>
        <source>%1 x %2 pixels (%3 x %4 = %5 txtrs)</source>
        <translation>%1 x %2 пикс. (%3 x %4 = %5 тайлов)</translation>
    </message>
    <message>
        <source>This image was too big! It was cropped to %1 pixels.
The right canvas must be used with standard Texture Sets, only.</source>
        <translation>Это изображение было слишком большим! Оно обрезано до %1 пикселей.
Правый холст предназначен только для стандартных наборов текстур.</translation>
    </message>
    <message>
        <source>     SOURCE CANVAS. Left-click and drag to select, right-click and drag to animate.</source>
        <translation>     ИСХОДНЫЙ ХОЛСТ. Щёлкните левой кнопкой и тяните, чтобы выделить; правой — чтобы анимировать.</translation>
    </message>
    <message>
        <source>     File options.</source>
        <translation>     Действия с файлом.</translation>
    </message>
    <message>
        <source>     Source area info.</source>
        <translation>     Сведения об исходной области.</translation>
    </message>
    <message>
        <source>     Reset: the grid goes back to the origin&apos;s position.</source>
        <translation>     Сброс: сетка возвращается в исходное положение.</translation>
    </message>
    <message>
        <source>     View: toggles the grid&apos;s visibility.</source>
        <translation>     Вид: показывает или скрывает сетку.</translation>
    </message>
    <message>
        <source>     Style: selects the design of the grid.</source>
        <translation>     Стиль: выбирает вид сетки.</translation>
    </message>
    <message>
        <source>     Size: selects the resolution of the grid, in pixels ( 8x8, 16x16, 32x32, 64x64 ).</source>
        <translation>     Размер: выбирает шаг сетки в пикселях ( 8x8, 16x16, 32x32, 64x64 ).</translation>
    </message>
    <message>
        <source>     None: textures are extracted as they are in-file.</source>
        <translation>     Нет: текстуры извлекаются такими, какие они в файле.</translation>
    </message>
    <message>
        <source>     Convert: textures are rendered using magenta as transparent colour.</source>
        <translation>     Преобразовать: текстуры выводятся с пурпурным в качестве прозрачного цвета.</translation>
    </message>
    <message>
        <source>     Colour Picker: selects the colour to be replaced with magenta.</source>
        <translation>     Пипетка: выбирает цвет, который заменяется пурпурным.</translation>
    </message>
    <message>
        <source>     Alpha: extracts the alpha channel from the Source Canvas.</source>
        <translation>     Альфа: извлекает альфа-канал из исходного холста.</translation>
    </message>
    <message>
        <source>     Stop: stops the texture animation.</source>
        <translation>     Стоп: останавливает анимацию текстур.</translation>
    </message>
    <message>
        <source>     Speed: slows down the speed of the texture animation.</source>
        <translation>     Скорость: замедляет анимацию текстур.</translation>
    </message>
    <message>
        <source>     CENTRAL PANEL. Left-click on empty space to cancel animations, transformations or pasting.</source>
        <translation>     ЦЕНТРАЛЬНАЯ ПАНЕЛЬ. Щелчок левой кнопкой по пустому месту отменяет анимацию, преобразования или вставку.</translation>
    </message>
    <message>
        <source>     Replaces the Target Canvas with the Source Canvas, using the Grid.</source>
        <translation>     Заменяет целевой холст исходным, по сетке.</translation>
    </message>
    <message>
        <source>     Resizes the selected tiles to standard sizes.</source>
        <translation>     Приводит выбранные тайлы к стандартным размерам.</translation>
    </message>
    <message>
        <source>     Colour pot: default transparent colour ( magenta = 255,0,255 )</source>
        <translation>     Образец цвета: прозрачный цвет по умолчанию ( пурпурный = 255,0,255 )</translation>
    </message>
    <message>
        <source>     Colour pot: default empty colour ( black = 0,0,0 )</source>
        <translation>     Образец цвета: пустой цвет по умолчанию ( чёрный = 0,0,0 )</translation>
    </message>
    <message>
        <source>     Colour pot: suggested filler colour ( maroon = 128,0,0 ). Double-click to change the colour</source>
        <translation>     Образец цвета: предлагаемый цвет заливки ( тёмно-бордовый = 128,0,0 ). Двойной щелчок меняет цвет</translation>
    </message>
    <message>
        <source>     Tile viewer.</source>
        <translation>     Просмотр тайла.</translation>
    </message>
    <message>
        <source>     Export tiles to the Clipboard</source>
        <translation>     Экспорт тайлов в буфер обмена</translation>
    </message>
    <message>
        <source>     Import tiles from the Clipboard</source>
        <translation>     Импорт тайлов из буфера обмена</translation>
    </message>
    <message>
        <source>     Export tiles to the Clipboard automatically</source>
        <translation>     Автоматический экспорт тайлов в буфер обмена</translation>
    </message>
    <message>
        <source>     Import tiles from the Clipboard automatically</source>
        <translation>     Автоматический импорт тайлов из буфера обмена</translation>
    </message>
    <message>
        <source>     Help &amp; Credits</source>
        <translation>     Справка и авторы</translation>
    </message>
    <message>
        <source>     TARGET CANVAS. Press [CTRL] to repeat pasting. Right-click to cancel animations, transformations or pasting.</source>
        <translation>     ЦЕЛЕВОЙ ХОЛСТ. Удерживайте [CTRL], чтобы вставлять повторно. Правая кнопка отменяет анимацию, преобразования или вставку.</translation>
    </message>
    <message>
        <source>     Target Canvas width in pages ( 1 or 2 ), being 1 = 256 pixels for the Level Editors, 2 = 512 pixels for Libraries.</source>
        <translation>     Ширина целевого холста в страницах ( 1 или 2 ): 1 = 256 пикселей для редакторов уровней, 2 = 512 пикселей для библиотек.</translation>
    </message>
    <message>
        <source>     Target Canvas height in pages, 1 to 64.</source>
        <translation>     Высота целевого холста в страницах, от 1 до 64.</translation>
    </message>
    <message>
        <source>     Target area info. Goes red if the number of tiles exceeds 256.</source>
        <translation>     Сведения о целевой области. Становится красной, если тайлов больше 256.</translation>
    </message>
    <message>
        <source>     Stop: cancels the Transformations Mode.</source>
        <translation>     Стоп: выключает режим преобразований.</translation>
    </message>
    <message>
        <source>     Rotation: rotates a tile 90 degrees.</source>
        <translation>     Поворот: поворачивает тайл на 90 градусов.</translation>
    </message>
    <message>
        <source>     HFlip: mirrors a tile.</source>
        <translation>     Отразить Г: отражает тайл по горизонтали.</translation>
    </message>
    <message>
        <source>     VFlip: inverts a tile.</source>
        <translation>     Отразить В: отражает тайл по вертикали.</translation>
    </message>
    <message>
        <source>     Swap: click-and-drag to exchange the position of two tiles.</source>
        <translation>     Обмен: щёлкните и перетащите, чтобы поменять местами два тайла.</translation>
    </message>
    <message>
        <source>     Move: click-and-drag to move one tile to another position.</source>
        <translation>     Перенос: щёлкните и перетащите, чтобы перенести тайл на другое место.</translation>
    </message>
    <message>
        <source>   --- Extract Level Textures as Tiles</source>
        <translation>   --- Извлечь текстуры уровня как плитки</translation>
    </message>
    <message>
        <source>page %1 · %2 × %3 at %4, %5</source>
        <translation>страница %1 · %2 × %3 в %4, %5</translation>
    </message>
    <message>
        <source>1 object texture</source>
        <translation>1 текстура объекта</translation>
    </message>
    <message>
        <source>%1 object textures</source>
        <translation>текстур объектов: %1</translation>
    </message>
    <message>
        <source>animated</source>
        <translation>анимированная</translation>
    </message>
</context>
<context>
    <name>PictureFormat</name>
    <message>
        <source>Windows or OS/2 Bitmap</source>
        <translation>Точечный рисунок Windows или OS/2</translation>
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
        <translation>Небо редактора уровней</translation>
    </message>
    <message>
        <source>Level Editor Font</source>
        <translation>Шрифт редактора уровней</translation>
    </message>
</context>
<context>
    <name>PixelFormat</name>
    <message>
        <source>1 bit</source>
        <translation>1 бит</translation>
    </message>
    <message>
        <source>4 bits (16 col)</source>
        <translation>4 бита (16 цв.)</translation>
    </message>
    <message>
        <source>8 bits (256 col)</source>
        <translation>8 бит (256 цв.)</translation>
    </message>
    <message>
        <source>15 bits</source>
        <translation>15 бит</translation>
    </message>
    <message>
        <source>16 bits</source>
        <translation>16 бит</translation>
    </message>
    <message>
        <source>24 bits</source>
        <translation>24 бита</translation>
    </message>
    <message>
        <source>32 bits</source>
        <translation>32 бита</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
</context>
<context>
    <name>TileCensus</name>
    <message>
        <source>%1 cells: %2 used, %3 unique, %4 empty</source>
        <translation>Ячеек: %1; занято: %2, уникальных: %3, пустых: %4</translation>
    </message>
</context>
<context>
    <name>mosaicor</name>
    <message>
        <source>copies, also turned or mirrored</source>
        <translation>копии, в том числе повёрнутые или отражённые</translation>
    </message>
    <message>
        <source>exact copies</source>
        <translation>точные копии</translation>
    </message>
    <message>
        <source>, near ones with every channel within %1</source>
        <translation>, и похожие, каждый канал в пределах %1</translation>
    </message>
</context>
<context>
    <name>mosaicor::AboutWindow</name>
    <message>
        <source>   About,   Help   &amp;   Credits</source>
        <translation>   О программе,   Справка   и   Авторы</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Texture sets builder
for the Tomb Raider legacy level editors</source>
        <translation>Сборщик наборов текстур
для классических редакторов уровней Tomb Raider</translation>
    </message>
    <message>
        <source>Made by the Mosaicor developers.
CREDITS names the libraries it is built on.</source>
        <translation>Создано разработчиками Mosaicor.
В разделе АВТОРЫ перечислены библиотеки, на которых он основан.</translation>
    </message>
    <message>
        <source>The manual and the credits are in English.</source>
        <translation>Руководство и список авторов — на английском языке.</translation>
    </message>
    <message>
        <source>Mosaicor is a fan-made tool, free to use. It is not made, endorsed or supported by the owners of the Tomb Raider games and their level editors, and it is not affiliated with them. Tomb Raider is a trademark of its owner. Keep copies of your work: the tool comes with no warranty.</source>
        <translation>Mosaicor — бесплатный инструмент, созданный фанатами. Он не создан, не одобрен и не поддерживается владельцами игр Tomb Raider и их редакторов уровней и никак с ними не связан. Tomb Raider — товарный знак своего владельца. Храните копии своей работы: инструмент предоставляется без каких-либо гарантий.</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>СПРАВКА</translation>
    </message>
    <message>
        <source>CREDITS</source>
        <translation>АВТОРЫ</translation>
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
        <translation>Авторы</translation>
    </message>
</context>
<context>
    <name>mosaicor::HelpWindow</name>
    <message>
        <source>   Help</source>
        <translation>   Справка</translation>
    </message>
</context>
<context>
    <name>mosaicor::LevelLoadingWindow</name>
    <message>
        <source>|TR1 (1996) - Tomb Raider (*.phd)|*.PHD|TR1 (1999) - Tomb Raider Gold (*.tub)|*.TUB|TR2 (1997) - Starring Lara Croft (*.tr2)|*.TR2|TR2 (1997) - Golden Mask (*.tr2)|*.TR2|TR3 (1998) - Adventures of Lara Croft (*.tr2)|*.TR2|TR3 (2000) - The Lost Artifact (*.tr2)|*.TR2|TR4 (1999) - The Last Revelation (*.tr4)|*.TR4|TR5 (2000) - Chronicles (*.trc)|*.TRC|All Files (*.*)|*.*</source>
        <extracomment>Name|patterns pairs: translate the names only, keep every | and pattern.</extracomment>
        <translation>|TR1 (1996) - Tomb Raider (*.phd)|*.PHD|TR1 (1999) - Tomb Raider Gold (*.tub)|*.TUB|TR2 (1997) - Starring Lara Croft (*.tr2)|*.TR2|TR2 (1997) - Golden Mask (*.tr2)|*.TR2|TR3 (1998) - Adventures of Lara Croft (*.tr2)|*.TR2|TR3 (2000) - The Lost Artifact (*.tr2)|*.TR2|TR4 (1999) - The Last Revelation (*.tr4)|*.TR4|TR5 (2000) - Chronicles (*.trc)|*.TRC|Все файлы (*.*)|*.*</translation>
    </message>
    <message>
        <source>Tomb Raider Files</source>
        <translation>Файлы Tomb Raider</translation>
    </message>
    <message>
        <source>   Loading...</source>
        <translation>   Загрузка...</translation>
    </message>
    <message>
        <source>   ----- EXTRACT TOMB RAIDER TEXTURES -----</source>
        <translation>   ----- ИЗВЛЕЧЕНИЕ ТЕКСТУР TOMB RAIDER -----</translation>
    </message>
    <message>
        <source>Object Libraries</source>
        <translation>Библиотеки объектов</translation>
    </message>
    <message>
        <source>   ----- EXTRACT LEVEL TEXTURES AS TILES -----</source>
        <translation>   ----- ИЗВЛЕЧЕНИЕ ТЕКСТУР УРОВНЯ КАК ПЛИТОК -----</translation>
    </message>
</context>
<context>
    <name>mosaicor::MainWindow</name>
    <message>
        <source>The texture set has changes that are not saved.</source>
        <translation>В наборе текстур есть несохранённые изменения.</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>Сохранить их сначала?</translation>
    </message>
    <message>
        <source>x %1, y %2 · tile %3 · page %4</source>
        <translation>x %1, y %2 · тайл %3 · страница %4</translation>
    </message>
    <message>
        <source>     Zoom: shows the canvas larger ( Ctrl + wheel, Ctrl++, Ctrl+-, Ctrl+0 ).</source>
        <translation>     Масштаб: показывает холст крупнее ( Ctrl + колесо, Ctrl++, Ctrl+-, Ctrl+0 ).</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Стиль</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Преобразовать</translation>
    </message>
    <message>
        <source>Picker</source>
        <translation>Пипетка</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Альфа</translation>
    </message>
    <message>
        <source>AUTO EXPORT</source>
        <translation>АВТОЭКСПОРТ</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>AUTO IMPORT</source>
        <translation>АВТОИМПОРТ</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Обмен</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Перенос</translation>
    </message>
    <message>
        <source>     File options.</source>
        <translation>     Действия с файлом.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Load Image File...</source>
        <translation>Загрузить изображение...</translation>
    </message>
    <message>
        <source>Extract Textures...</source>
        <translation>Извлечь текстуры...</translation>
    </message>
    <message>
        <source>Extract Animated Textures...</source>
        <translation>Извлечь анимированные текстуры...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Reload a Texture Set File...</source>
        <translation>Перезагрузить набор текстур...</translation>
    </message>
    <message>
        <source>Create New</source>
        <translation>Создать новый</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>     Undoes the last change to the Target.</source>
        <translation>     Отменяет последнее изменение целевого холста.</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>     Redoes the last change undone on the Target.</source>
        <translation>     Повторяет последнее отменённое изменение целевого холста.</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Копировать всё</translation>
    </message>
    <message>
        <source>Export tile</source>
        <translation>Экспорт тайла</translation>
    </message>
    <message>
        <source>Import tile</source>
        <translation>Импорт тайла</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторить: %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Grid shown</source>
        <translation>Показывать сетку</translation>
    </message>
    <message>
        <source>     Zoom of the canvas under the pointer.</source>
        <translation>     Масштаб холста под указателем.</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Реальный размер</translation>
    </message>
    <message>
        <source>Alpha layer</source>
        <translation>Альфа-канал</translation>
    </message>
    <message>
        <source>     Alpha: shows the alpha channel of the Source Canvas.</source>
        <translation>     Альфа: показывает альфа-канал исходного холста.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>     Help &amp; Credits</source>
        <translation>     Справка и авторы</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Недостаточно памяти.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Произошла непредвиденная ошибка.</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles</source>
        <translation>Добавить изображения как тайлы</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles…</source>
        <translation>Добавить изображения как тайлы…</translation>
    </message>
    <message>
        <source>     Add Pictures as Tiles: each picture goes into the next free cells of the Target.</source>
        <translation>     Добавить изображения как тайлы: каждое изображение занимает следующие свободные ячейки целевого холста.</translation>
    </message>
    <message>
        <source>Tile Census</source>
        <translation>Учёт тайлов</translation>
    </message>
    <message>
        <source>     Tile Census: numbers the Target&apos;s twin cells and shades its empty ones.</source>
        <translation>     Учёт тайлов: нумерует одинаковые ячейки целевого холста и затеняет пустые.</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be added as tiles:

%3</source>
        <translation>Не удалось добавить как тайлы изображений: %1 из %2:

%3</translation>
    </message>
    <message>
        <source>24-bit %1</source>
        <extracomment>%1 is the file&apos;s format: BMP, PNG, ...</extracomment>
        <translation>%1, 24 бита</translation>
    </message>
    <message>
        <source>uncompressed 24-bit TGA</source>
        <translation>TGA 24 бита без сжатия</translation>
    </message>
    <message>
        <source>     Saved %1: %2 x %3 pixels, %4, %5 bytes</source>
        <translation>     Сохранено %1: %2 x %3 пикс., %4, байт: %5</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>… и ещё %1.</translation>
    </message>
    <message>
        <source>Duplicates Up to Rotation and Mirror</source>
        <translation>Дубликаты с точностью до поворота и отражения</translation>
    </message>
    <message>
        <source>     Census: cells that are the same when turned or mirrored count as duplicates.</source>
        <translation>     Перепись: ячейки, одинаковые после поворота или отражения, считаются дубликатами.</translation>
    </message>
    <message>
        <source>Near Duplicates</source>
        <translation>Почти дубликаты</translation>
    </message>
    <message>
        <source>     Census: cells within the tolerance of a group&apos;s first cell count as duplicates.</source>
        <translation>     Перепись: ячейки в пределах допуска от первой ячейки группы считаются дубликатами.</translation>
    </message>
    <message>
        <source>Near Duplicates Tolerance…</source>
        <translation>Допуск почти дубликатов…</translation>
    </message>
    <message>
        <source>Compact Set…</source>
        <translation>Уплотнить набор…</translation>
    </message>
    <message>
        <source>     Compact Set: drops the Target&apos;s empty and duplicate cells and moves the others to the front.</source>
        <translation>     Уплотнить набор: убирает пустые и повторные ячейки Цели и сдвигает остальные в начало.</translation>
    </message>
    <message>
        <source>Near Duplicates (Tolerance %1)</source>
        <translation>Почти дубликаты (допуск %1)</translation>
    </message>
    <message>
        <source>Compact Set</source>
        <translation>Уплотнить набор</translation>
    </message>
    <message>
        <source>Compact</source>
        <translation>Уплотнить</translation>
    </message>
    <message>
        <source>Move maps (*.csv)</source>
        <translation>Карты перемещений (*.csv)</translation>
    </message>
    <message>
        <source>Cells are near duplicates when no channel of any pixel differs by more than:</source>
        <translation>Ячейки — почти дубликаты, если ни один канал ни одного пикселя не отличается больше чем на:</translation>
    </message>
    <message>
        <source>The Target cannot be compacted: %1</source>
        <translation>Цель нельзя уплотнить: %1</translation>
    </message>
    <message>
        <source>Alpha → Magenta</source>
        <translation>Альфа → Пурпур</translation>
    </message>
    <message>
        <source>Pixels of a picture with transparency whose alpha is below the threshold become magenta</source>
        <translation>Пиксели изображения с прозрачностью, у которых альфа ниже порога, становятся пурпурными</translation>
    </message>
    <message>
        <source>Clean fringe</source>
        <translation>Очистить кайму</translation>
    </message>
    <message>
        <source>This picture has transparency: TRANSPARENCY ▸ Alpha → Magenta keys it for the level editor</source>
        <translation>У изображения есть прозрачность: ПРОЗРАЧНОСТЬ ▸ Альфа → Пурпур превращает её в пурпур для редактора уровней</translation>
    </message>
    <message>
        <source>%1 frames, delays in ms: %2</source>
        <translation>%1 кадров, задержки в мс: %2</translation>
    </message>
    <message>
        <source>Extract Level Textures as Tiles...</source>
        <translation>Извлечь текстуры уровня как плитки...</translation>
    </message>
    <message>
        <source>Save into Object Library…</source>
        <translation>Сохранить в библиотеку объектов…</translation>
    </message>
    <message>
        <source>     Save into Object Library: the Target&apos;s pages become the texture pages of a .wad, the old file kept as .bak.wad.</source>
        <translation>     Сохранить в библиотеку объектов: страницы Цели становятся страницами текстур файла .wad; старый файл сохраняется как .bak.wad.</translation>
    </message>
    <message>
        <source>Save into Object Library</source>
        <translation>Сохранить в библиотеку объектов</translation>
    </message>
    <message>
        <source>Object Libraries</source>
        <translation>Библиотеки объектов</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Save the Move Map: where each used cell of the old set now stands (CSV)</source>
        <translation>Сохранить карту перемещений: где теперь стоит каждая занятая ячейка прежнего набора (CSV)</translation>
    </message>
    <message>
        <source>Compact the Target?

Duplicates: %1
Cells: %2 → %3 (the 64 x 64 places of the shown pages)
Pages: %4 → %5
Tiles: %6 → %7 (the cells that hold something; the level editor takes %8)

Each cell moves on its own: a texture that spans several cells may be split.
Afterwards you can save the move map, which tells a level&apos;s faces where their cells went.</source>
        <translation>Уплотнить Цель?

Дубликаты: %1
Ячейки: %2 → %3 (места 64 x 64 на показанных страницах)
Страницы: %4 → %5
Тайлы: %6 → %7 (ячейки, в которых что-то есть; редактор уровней принимает %8)

Каждая ячейка перемещается отдельно: текстура на нескольких ячейках может быть разделена.
Затем можно сохранить карту перемещений, которая сообщает граням уровня, куда ушли их ячейки.</translation>
    </message>
    <message>
        <source>The compaction is undone. The move map saved with it,
%1,
describes a change that was undone: it no longer fits the Target. Delete it, or keep it only if you compact again the same way.</source>
        <translation>Уплотнение отменено. Сохранённая с ним карта перемещений,
%1,
описывает отменённое изменение: она больше не подходит к Цели. Удалите её или сохраните, только если снова уплотните так же.</translation>
    </message>
    <message>
        <source>Also update the project that uses this set…</source>
        <translation>Обновить и проект, который использует этот набор…</translation>
    </message>
    <message>
        <source>The Project That Uses This Set</source>
        <translation>Проект, который использует этот набор</translation>
    </message>
    <message>
        <source>Level editor projects (*.prj *.PRJ)</source>
        <translation>Проекты редактора уровней (*.prj *.PRJ)</translation>
    </message>
    <message>
        <source>Keep a Backup</source>
        <translation>Сохранить резервную копию</translation>
    </message>
    <message>
        <source>With the project %1: animated cells stay where they are, cells whose settings differ are not merged, and the cells its faces show are used even when empty.</source>
        <translation>С проектом %1: анимированные ячейки остаются на месте, ячейки с разными настройками не сливаются, а ячейки, которые показывают его грани, считаются занятыми, даже если пусты.</translation>
    </message>
    <message>
        <source>Its texture file is %1, not %2: it is updated all the same.</source>
        <translation>Его файл текстур — %1, а не %2: он всё равно будет обновлён.</translation>
    </message>
    <message>
        <source>Nothing was saved: the backup %1 is kept as it was.</source>
        <translation>Ничего не сохранено: резервная копия %1 осталась как была.</translation>
    </message>
    <message>
        <source>Saved the compacted set %1 and the updated project %2.
The old files are kept as %3 and %4.
Open %2 in the level editor: its faces show what they showed.</source>
        <translation>Сохранены уплотнённый набор %1 и обновлённый проект %2.
Прежние файлы сохранены как %3 и %4.
Откройте %2 в редакторе уровней: его грани показывают то же, что и раньше.</translation>
    </message>
    <message>
        <source>     Saved the Target&apos;s pages into %1; the old file is kept as %2</source>
        <translation>     Страницы Цели сохранены в %1; старый файл сохранён как %2</translation>
    </message>
    <message>
        <source>%1 already exists: it keeps the file as it was before an earlier save.

Replace it with the file as it is now?</source>
        <translation>%1 уже существует: в нём хранится файл в том виде, каким он был до прошлого сохранения.

Заменить его файлом в нынешнем виде?</translation>
    </message>
</context>
<context>
    <name>mosaicor::PictureDialogs</name>
    <message>
        <source>   ----- LOADING IMAGE FILE -----</source>
        <translation>   ----- ЗАГРУЗКА ИЗОБРАЖЕНИЯ -----</translation>
    </message>
    <message>
        <source>   ----- SAVING IMAGE FILE -----</source>
        <translation>   ----- СОХРАНЕНИЕ ИЗОБРАЖЕНИЯ -----</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Supported Input Files</source>
        <translation>Поддерживаемые входные файлы</translation>
    </message>
    <message>
        <source>Supported Output Files</source>
        <translation>Поддерживаемые выходные файлы</translation>
    </message>
</context>
<context>
    <name>mosaicor::Reasons</name>
    <message>
        <source>not a level file</source>
        <translation>не файл уровня</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>файл не найден</translation>
    </message>
    <message>
        <source>unknown level version</source>
        <translation>неизвестная версия уровня</translation>
    </message>
    <message>
        <source>encrypted TR4 level: not supported</source>
        <translation>зашифрованный уровень TR4: не поддерживается</translation>
    </message>
    <message>
        <source>level file ends early</source>
        <translation>файл уровня обрывается раньше времени</translation>
    </message>
    <message>
        <source>level file ends early in %1</source>
        <translation>файл уровня обрывается раньше времени: %1</translation>
    </message>
    <message>
        <source>32-bit texture pages are missing</source>
        <translation>отсутствуют 32-битные страницы текстур</translation>
    </message>
    <message>
        <source>no texture pages</source>
        <translation>нет страниц текстур</translation>
    </message>
    <message>
        <source>no animated textures</source>
        <translation>нет анимированных текстур</translation>
    </message>
    <message>
        <source>damaged compressed data</source>
        <translation>повреждённые сжатые данные</translation>
    </message>
    <message>
        <source>damaged compressed data in %1</source>
        <translation>повреждённые сжатые данные: %1</translation>
    </message>
    <message>
        <source>the %1 at offset %2 (0x%3)</source>
        <translation>раздел «%1» по смещению %2 (0x%3)</translation>
    </message>
    <message>
        <source>the %1 at offset %2 (0x%3) of the inflated level data</source>
        <translation>раздел «%1» по смещению %2 (0x%3) распакованных данных уровня</translation>
    </message>
    <message>
        <source>room %1 at offset %2 (0x%3)</source>
        <translation>комната %1 по смещению %2 (0x%3)</translation>
    </message>
    <message>
        <source>room %1 at offset %2 (0x%3) of the inflated level data</source>
        <translation>комната %1 по смещению %2 (0x%3) распакованных данных уровня</translation>
    </message>
    <message>
        <source>compressed data unpacks to more than %1 MiB, more than any level holds</source>
        <translation>сжатые данные распаковываются более чем в %1 МиБ — больше, чем содержит любой уровень</translation>
    </message>
    <message>
        <source>a %1 picture, not a Tomb Raider level</source>
        <translation>изображение %1, а не уровень Tomb Raider</translation>
    </message>
    <message>
        <source>the level claims %1 texture pages (at most %2)</source>
        <translation>уровень заявляет %1 страниц текстур (не более %2)</translation>
    </message>
    <message>
        <source>the file is too large for a level (%1 MiB; levels are read up to %2 MiB)</source>
        <translation>файл слишком велик для уровня (%1 МиБ; уровни читаются до %2 МиБ)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>это папка, а не файл</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>не удаётся открыть: %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>не удаётся прочитать: %1</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>%1 format not supported.</source>
        <translation>Формат %1 не поддерживается.</translation>
    </message>
    <message>
        <source>This file has a non supported compression scheme.</source>
        <translation>Этот файл использует неподдерживаемый способ сжатия.</translation>
    </message>
    <message>
        <source>a Tomb Raider level, not a picture</source>
        <translation>уровень Tomb Raider, а не изображение</translation>
    </message>
    <message>
        <source>the file is too large (%1 MiB; pictures are read up to %2 MiB)</source>
        <translation>файл слишком велик (%1 МиБ; изображения читаются до %2 МиБ)</translation>
    </message>
    <message>
        <source>not enough memory for the 32-bit picture</source>
        <translation>недостаточно памяти для 32-битного изображения</translation>
    </message>
    <message>
        <source>not enough memory for a %1 x %2 picture</source>
        <translation>недостаточно памяти для изображения %1 x %2</translation>
    </message>
    <message>
        <source>no picture described</source>
        <translation>изображение не описано</translation>
    </message>
    <message>
        <source>the picture has no pixels (%1 x %2)</source>
        <translation>в изображении нет пикселей (%1 x %2)</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>изображение слишком велико (%1 x %2 пикселей)</translation>
    </message>
    <message>
        <source>the file is shorter than its %1 x %2 picture</source>
        <translation>файл короче своего изображения %1 x %2</translation>
    </message>
    <message>
        <source>the file is too short for its %1 x %2 picture</source>
        <translation>файл слишком короток для своего изображения %1 x %2</translation>
    </message>
    <message>
        <source>not a BMP file</source>
        <translation>не файл BMP</translation>
    </message>
    <message>
        <source>the file ends inside the BMP header</source>
        <translation>файл обрывается внутри заголовка BMP</translation>
    </message>
    <message>
        <source>unknown BMP header size %1</source>
        <translation>неизвестный размер заголовка BMP %1</translation>
    </message>
    <message>
        <source>OS/2 Huffman and RLE24 bitmaps are not supported</source>
        <translation>растры OS/2 Huffman и RLE24 не поддерживаются</translation>
    </message>
    <message>
        <source>the file ends inside the colour masks</source>
        <translation>файл обрывается внутри цветовых масок</translation>
    </message>
    <message>
        <source>the pixel data lies outside the file</source>
        <translation>данные пикселей лежат за пределами файла</translation>
    </message>
    <message>
        <source>BMP files of %1 bits per pixel are not supported</source>
        <translation>файлы BMP с %1 бит на пиксель не поддерживаются</translation>
    </message>
    <message>
        <source>BMP compression %1 is not supported for %2 bits per pixel</source>
        <translation>сжатие BMP %1 не поддерживается при %2 бит на пиксель</translation>
    </message>
    <message>
        <source>a run-length encoded BMP cannot be stored top-down</source>
        <translation>BMP со сжатием RLE не может храниться сверху вниз</translation>
    </message>
    <message>
        <source>the picture is too large to decode progressively (%1 x %2 pixels)</source>
        <translation>изображение слишком велико для прогрессивного декодирования (%1 x %2 пикселей)</translation>
    </message>
    <message>
        <source>the file is cut short: it ends before the picture&apos;s last rows</source>
        <translation>файл обрезан: он заканчивается раньше последних строк изображения</translation>
    </message>
    <message>
        <source>JPEG error: %1</source>
        <translation>ошибка JPEG: %1</translation>
    </message>
    <message>
        <source>not a PCX file</source>
        <translation>не файл PCX</translation>
    </message>
    <message>
        <source>PCX pictures of %1 bits in %2 planes are not supported</source>
        <translation>изображения PCX с %1 бит в %2 плоскостях не поддерживаются</translation>
    </message>
    <message>
        <source>unknown PCX encoding %1</source>
        <translation>неизвестная кодировка PCX %1</translation>
    </message>
    <message>
        <source>the PCX rows (%1 bytes) are too short for %2 pixels</source>
        <translation>строки PCX (%1 байт) слишком коротки для %2 пикселей</translation>
    </message>
    <message>
        <source>the PCX picture data ends at row %1 of %2</source>
        <translation>данные изображения PCX заканчиваются на строке %1 из %2</translation>
    </message>
    <message>
        <source>not a PNG file</source>
        <translation>не файл PNG</translation>
    </message>
    <message>
        <source>the PNG file does not begin with its header chunk</source>
        <translation>файл PNG не начинается с блока заголовка</translation>
    </message>
    <message>
        <source>the PNG chunk &quot;%1&quot; at offset %2 claims %3 bytes, but only %4 are left</source>
        <translation>блок PNG «%1» по смещению %2 заявляет %3 байт, но осталось только %4</translation>
    </message>
    <message>
        <source>PNG error: %1</source>
        <translation>ошибка PNG: %1</translation>
    </message>
    <message>
        <source>not a Photoshop file</source>
        <translation>не файл Photoshop</translation>
    </message>
    <message>
        <source>Photoshop files of version %1 (large documents) are not supported</source>
        <translation>файлы Photoshop версии %1 (большие документы) не поддерживаются</translation>
    </message>
    <message>
        <source>the file ends inside its header sections</source>
        <translation>файл обрывается внутри разделов заголовка</translation>
    </message>
    <message>
        <source>Photoshop colour mode %1 is not supported</source>
        <translation>цветовой режим Photoshop %1 не поддерживается</translation>
    </message>
    <message>
        <source>Photoshop makes no %1 pictures of %2 bits a channel</source>
        <translation>Photoshop не создаёт изображения %1 с %2 бит на канал</translation>
    </message>
    <message>
        <source>the picture has %1 channels where its colour mode needs %2</source>
        <translation>в изображении %1 каналов, а его цветовому режиму нужно %2</translation>
    </message>
    <message>
        <source>the indexed picture has no palette</source>
        <translation>у индексированного изображения нет палитры</translation>
    </message>
    <message>
        <source>the file ends before its image data</source>
        <translation>файл обрывается до данных изображения</translation>
    </message>
    <message>
        <source>the file ends inside its image data</source>
        <translation>файл обрывается внутри данных изображения</translation>
    </message>
    <message>
        <source>Photoshop image data compression %1 is not supported</source>
        <translation>сжатие данных изображения Photoshop %1 не поддерживается</translation>
    </message>
    <message>
        <source>the file ends inside its row table</source>
        <translation>файл обрывается внутри таблицы строк</translation>
    </message>
    <message>
        <source>the image data is too short for the picture</source>
        <translation>данных изображения слишком мало для картинки</translation>
    </message>
    <message>
        <source>not a Paint Shop Pro file</source>
        <translation>не файл Paint Shop Pro</translation>
    </message>
    <message>
        <source>Paint Shop Pro files of format version %1 are not supported</source>
        <translation>файлы Paint Shop Pro версии формата %1 не поддерживаются</translation>
    </message>
    <message>
        <source>the %1 is damaged</source>
        <translation>«%1» повреждён</translation>
    </message>
    <message>
        <source>the block at byte %1 is damaged</source>
        <translation>блок на байте %1 повреждён</translation>
    </message>
    <message>
        <source>a channel holds too few bytes for its %1 x %2 pixels</source>
        <translation>в канале слишком мало байт для его %1 x %2 пикселей</translation>
    </message>
    <message>
        <source>a channel&apos;s compressed data is damaged</source>
        <translation>сжатые данные канала повреждены</translation>
    </message>
    <message>
        <source>a channel unpacks to %1 bytes where %2 x %3 pixels need %4</source>
        <translation>канал распаковывается в %1 байт, а %2 x %3 пикселям нужно %4</translation>
    </message>
    <message>
        <source>a channel lies outside the file</source>
        <translation>канал лежит за пределами файла</translation>
    </message>
    <message>
        <source>a layer lacks some of its colour channels</source>
        <translation>у слоя не хватает некоторых цветовых каналов</translation>
    </message>
    <message>
        <source>the file has no image attributes</source>
        <translation>в файле нет атрибутов изображения</translation>
    </message>
    <message>
        <source>Paint Shop Pro pictures of %1 bits per pixel are not supported</source>
        <translation>изображения Paint Shop Pro с %1 бит на пиксель не поддерживаются</translation>
    </message>
    <message>
        <source>Paint Shop Pro compression %1 is not supported</source>
        <translation>сжатие Paint Shop Pro %1 не поддерживается</translation>
    </message>
    <message>
        <source>the paletted picture has no palette</source>
        <translation>у палитрового изображения нет палитры</translation>
    </message>
    <message>
        <source>the file ends inside the TGA header</source>
        <translation>файл обрывается внутри заголовка TGA</translation>
    </message>
    <message>
        <source>the picture has a pixel depth of 0</source>
        <translation>у изображения глубина пикселя 0</translation>
    </message>
    <message>
        <source>pixel depth %1 is not supported</source>
        <translation>глубина пикселя %1 не поддерживается</translation>
    </message>
    <message>
        <source>TGA image type %1 is not supported</source>
        <translation>тип изображения TGA %1 не поддерживается</translation>
    </message>
    <message>
        <source>colour map entries of %1 bits are not supported</source>
        <translation>элементы цветовой карты по %1 бит не поддерживаются</translation>
    </message>
    <message>
        <source>the file ends inside the image ID</source>
        <translation>файл обрывается внутри идентификатора изображения</translation>
    </message>
    <message>
        <source>the file ends inside the colour map</source>
        <translation>файл обрывается внутри цветовой карты</translation>
    </message>
    <message>
        <source>not a TIFF file</source>
        <translation>не файл TIFF</translation>
    </message>
    <message>
        <source>not a readable TIFF file</source>
        <translation>не читаемый файл TIFF</translation>
    </message>
    <message>
        <source>TIFF error: %1</source>
        <translation>ошибка TIFF: %1</translation>
    </message>
    <message>
        <source>the TIFF picture&apos;s strips or tiles do not fit it</source>
        <translation>полосы или плитки изображения TIFF ему не соответствуют</translation>
    </message>
    <message>
        <source>the TIFF picture data is damaged</source>
        <translation>данные изображения TIFF повреждены</translation>
    </message>
    <message>
        <source>unsupported TIFF layout: %1</source>
        <translation>неподдерживаемая структура TIFF: %1</translation>
    </message>
    <message>
        <source>the TIFF picture has too many samples per pixel (%1)</source>
        <translation>в изображении TIFF слишком много отсчётов на пиксель (%1)</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Нет изображения для сохранения.</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels is too large for a BMP file.</source>
        <translation>Изображение %1 x %2 пикселей слишком велико для файла BMP.</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels is too large for a TGA file (at most 65535 x 65535); save it as BMP instead.</source>
        <translation>Изображение %1 x %2 пикселей слишком велико для файла TGA (не более 65535 x 65535); сохраните его как BMP.</translation>
    </message>
    <message>
        <source>Cannot write the JPEG picture: %1</source>
        <translation>Не удаётся записать изображение JPEG: %1</translation>
    </message>
    <message>
        <source>Cannot write the PNG picture: %1</source>
        <translation>Не удаётся записать изображение PNG: %1</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>изображение пустое</translation>
    </message>
    <message>
        <source>cannot resample a %1 x %2 picture</source>
        <translation>не удаётся пересчитать изображение %1 x %2</translation>
    </message>
    <message>
        <source>not enough memory to grow the set</source>
        <translation>недостаточно памяти, чтобы увеличить набор</translation>
    </message>
    <message>
        <source>the tile is empty</source>
        <translation>плитка пуста</translation>
    </message>
    <message>
        <source>a %1 x %2 tile is wider than the %3-pixel set</source>
        <translation>плитка %1 x %2 шире набора в %3 пикселей</translation>
    </message>
    <message>
        <source>a %1 x %2 tile is higher than %3 pages</source>
        <translation>плитка %1 x %2 выше %3 страниц</translation>
    </message>
    <message>
        <source>no free cells left for a %1 x %2 tile within %3 pages</source>
        <translation>не осталось свободных ячеек для плитки %1 x %2 в пределах %3 страниц</translation>
    </message>
    <message>
        <source>the page counters %1 x %2 are out of range</source>
        <translation>счётчики страниц %1 x %2 вне допустимого диапазона</translation>
    </message>
    <message>
        <source>a %1 x %2 picture does not hold %3 x %4 pages</source>
        <translation>изображение %1 x %2 не вмещает %3 x %4 страниц</translation>
    </message>
    <message>
        <source>too many paths</source>
        <translation>слишком много путей</translation>
    </message>
    <message>
        <source>the path %1 is too long</source>
        <translation>путь %1 слишком длинный</translation>
    </message>
    <message>
        <source>the file ends inside the %1</source>
        <translation>файл обрывается внутри раздела «%1»</translation>
    </message>
    <message>
        <source>a path of %1 bytes is longer than the file allows</source>
        <translation>путь длиной %1 байт длиннее, чем допускает файл</translation>
    </message>
    <message>
        <source>%1 paths are more than a recovery file holds</source>
        <translation>%1 путей — больше, чем вмещает файл восстановления</translation>
    </message>
    <message>
        <source>not enough memory for the recovery file</source>
        <translation>недостаточно памяти для файла восстановления</translation>
    </message>
    <message>
        <source>not a recovery file</source>
        <translation>не файл восстановления</translation>
    </message>
    <message>
        <source>recovery file version %1 is unknown</source>
        <translation>версия файла восстановления %1 неизвестна</translation>
    </message>
    <message>
        <source>a size in the header is out of range</source>
        <translation>размер в заголовке вне допустимого диапазона</translation>
    </message>
    <message>
        <source>the file holds %1 bytes of pixels where a %2 x %3 picture has %4 bytes</source>
        <translation>в файле %1 байт пикселей, а у изображения %2 x %3 их %4</translation>
    </message>
    <message>
        <source>not enough memory for the recovered picture</source>
        <translation>недостаточно памяти для восстановленного изображения</translation>
    </message>
    <message>
        <source>not a GIF file</source>
        <translation>не файл GIF</translation>
    </message>
    <message>
        <source>this build of Qt has no GIF reader</source>
        <translation>в этой сборке Qt нет чтения GIF</translation>
    </message>
    <message>
        <source>the GIF file holds no frame</source>
        <translation>в файле GIF нет ни одного кадра</translation>
    </message>
    <message>
        <source>GIF error in frame %1: %2</source>
        <translation>ошибка GIF в кадре %1: %2</translation>
    </message>
    <message>
        <source>not enough memory for a frame</source>
        <translation>недостаточно памяти для кадра</translation>
    </message>
    <message>
        <source>not enough memory for the frames</source>
        <translation>недостаточно памяти для кадров</translation>
    </message>
    <message>
        <source>cannot resample a %1 x %2 frame</source>
        <translation>невозможно пересчитать кадр %1 x %2</translation>
    </message>
    <message>
        <source>the picture has %1 frames; 64 pages hold at most %2 frames of %3 x %4</source>
        <translation>в изображении %1 кадров; 64 страницы вмещают не более %2 кадров %3 x %4</translation>
    </message>
    <message>
        <source>a %1 is %2 x %2 pixels of %3 bits, %4 bytes; this file has %5 bytes</source>
        <translation>файл %1 — это %2 x %2 пикселей по %3 бит, %4 байт; в этом файле %5 байт</translation>
    </message>
    <message>
        <source>not enough memory for a 256 x 256 picture</source>
        <translation>недостаточно памяти для изображения 256 x 256</translation>
    </message>
    <message>
        <source>no object textures</source>
        <translation>нет текстур объектов</translation>
    </message>
    <message>
        <source>not enough memory for a texture set</source>
        <translation>недостаточно памяти для набора текстур</translation>
    </message>
    <message>
        <source>A %1 file holds a picture of 256 x 256 pixels; this one is %2 x %3.</source>
        <translation>Файл %1 содержит изображение 256 x 256 пикселей; это — %2 x %3.</translation>
    </message>
    <message>
        <source>the file cannot be replaced</source>
        <translation>файл невозможно заменить</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>unknown object library version %1 (versions 129 and 130 are read)</source>
        <translation>неизвестная версия %1 библиотеки объектов (читаются версии 129 и 130)</translation>
    </message>
    <message>
        <source>object library ends early in %1</source>
        <translation>библиотека объектов обрывается раньше времени: %1</translation>
    </message>
    <message>
        <source>the file is too large for an object library (%1 MiB; object libraries are read up to %2 MiB)</source>
        <translation>файл слишком велик для библиотеки объектов (%1 МиБ; библиотеки объектов читаются до %2 МиБ)</translation>
    </message>
    <message>
        <source>the texture set is %1 x %2 pixels, but the object library&apos;s pages are %3 x %4</source>
        <translation>набор текстур имеет размер %1 x %2 пикселей, а страницы библиотеки объектов — %3 x %4</translation>
    </message>
    <message>
        <source>an object library, not a picture</source>
        <translation>библиотека объектов, а не изображение</translation>
    </message>
    <message>
        <source>the file is too large (%1 MiB; files of this kind are read up to %2 MiB)</source>
        <translation>файл слишком велик (%1 МиБ; файлы этого вида читаются до %2 МиБ)</translation>
    </message>
    <message>
        <source>the tiles do not fit into %1 pages</source>
        <translation>тайлы не помещаются в %1 страниц</translation>
    </message>
    <message>
        <source>not a tiles description (tiles.json): %1</source>
        <translation>это не описание тайлов (tiles.json): %1</translation>
    </message>
    <message>
        <source>the tiles description names no tile on %1</source>
        <translation>описание тайлов не называет ни одного тайла на %1</translation>
    </message>
    <message>
        <source>not a project of the level editor (no PROJFILE signature)</source>
        <translation>это не проект редактора уровней (нет подписи PROJFILE)</translation>
    </message>
    <message>
        <source>a project with 128-pixel tiles (&quot;big textures&quot;): not supported</source>
        <translation>проект с тайлами по 128 пикселей («big textures»): не поддерживается</translation>
    </message>
    <message>
        <source>the project uses no texture set (its texture file is NA)</source>
        <translation>проект не использует набор текстур (его файл текстур — NA)</translation>
    </message>
    <message>
        <source>damaged project: it ends early, at byte %1</source>
        <translation>повреждённый проект: он обрывается на байте %1</translation>
    </message>
    <message>
        <source>damaged project: a count of %1 at byte %2</source>
        <translation>повреждённый проект: количество %1 на байте %2</translation>
    </message>
    <message>
        <source>damaged project: an object of unknown kind %1 in room %2</source>
        <translation>повреждённый проект: объект неизвестного вида %1 в комнате %2</translation>
    </message>
    <message>
        <source>damaged project: a name longer than %1 bytes at byte %2</source>
        <translation>повреждённый проект: имя длиннее %1 байт на байте %2</translation>
    </message>
    <message>
        <source>damaged project: %1 bytes follow where its reading ends</source>
        <translation>повреждённый проект: после конца чтения идут ещё %1 байт</translation>
    </message>
    <message>
        <source>damaged project: a face in room %1 shows texture entry %2 of %3</source>
        <translation>повреждённый проект: грань в комнате %1 показывает запись текстуры %2 из %3</translation>
    </message>
    <message>
        <source>the map names cell %1, which a project cannot have</source>
        <translation>карта называет ячейку %1, которой в проекте быть не может</translation>
    </message>
    <message>
        <source>the map names cell %1 twice</source>
        <translation>карта называет ячейку %1 дважды</translation>
    </message>
    <message>
        <source>the map moves cell %1, which is animated</source>
        <translation>карта перемещает ячейку %1, которая анимирована</translation>
    </message>
    <message>
        <source>the map merges cell %1 into cell %2, which is animated</source>
        <translation>карта сливает ячейку %1 с ячейкой %2, которая анимирована</translation>
    </message>
    <message>
        <source>the map merges cells %1 and %2, whose settings differ</source>
        <translation>карта сливает ячейки %1 и %2 с разными настройками</translation>
    </message>
    <message>
        <source>the map does not say where cell %1 went, which the project uses</source>
        <translation>карта не говорит, куда ушла ячейка %1, которую использует проект</translation>
    </message>
    <message>
        <source>the map moves cell %1, under a texture entry across several cells</source>
        <translation>карта перемещает ячейку %1 под записью текстуры на нескольких ячейках</translation>
    </message>
    <message>
        <source>the map puts cell %1 at %2, beyond the %3 cells a project names</source>
        <translation>карта ставит ячейку %1 на %2, за пределами %3 ячеек, которые называет проект</translation>
    </message>
    <message>
        <source>the map puts cell %1 at %2, beyond the project&apos;s %3 texture entries</source>
        <translation>карта ставит ячейку %1 на %2, за пределами %3 записей текстур проекта</translation>
    </message>
    <message>
        <source>not a move map: its first line must be old_cell,new_cell,transform</source>
        <translation>это не карта перемещений: её первая строка должна быть old_cell,new_cell,transform</translation>
    </message>
    <message>
        <source>line %1 of the move map is not old_cell,new_cell,transform</source>
        <translation>строка %1 карты перемещений не в виде old_cell,new_cell,transform</translation>
    </message>
    <message>
        <source>frame %1 of %2: %3</source>
        <translation>кадр %1 из %2: %3</translation>
    </message>
</context>
<context>
    <name>mosaicor::RecoveryKeeper</name>
    <message>
        <source>     The recovery file could not be written: %1</source>
        <translation>     Не удалось записать файл восстановления: %1</translation>
    </message>
    <message>
        <source>%1
The texture set left by a run that did not end cleanly cannot be recovered: %2</source>
        <translation>%1
Набор текстур после некорректно завершённого сеанса восстановить нельзя: %2</translation>
    </message>
    <message>
        <source>Recover the texture set you were building at %1?</source>
        <translation>Восстановить набор текстур, над которым вы работали в %1?</translation>
    </message>
    <message>
        <source>No deletes it; Cancel keeps it for the next start.</source>
        <translation>«Нет» удаляет его; «Отмена» сохраняет его до следующего запуска.</translation>
    </message>
    <message>
        <source>this system names no folder for it</source>
        <translation>система не указывает для него папку</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>нельзя записывать в папку %1</translation>
    </message>
    <message>
        <source>Until it can be, a crash would lose every change since the last save.</source>
        <translation>Пока это невозможно, сбой приведёт к потере всех изменений с последнего сохранения.</translation>
    </message>
    <message>
        <source>The file is kept as %1.</source>
        <translation>Файл сохранён как %1.</translation>
    </message>
</context>
<context>
    <name>mosaicor::TargetCensus</name>
    <message>
        <source>%1 / %2 tiles</source>
        <translation>%1 / %2 тайлов</translation>
    </message>
    <message>
        <source>Compact: %1 → %2 tiles</source>
        <translation>Уплотнение: %1 → %2 тайлов</translation>
    </message>
</context>
<context>
    <name>mosaicor::TargetHistory</name>
    <message>
        <source>Create New</source>
        <translation>Создать новый</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Перезагрузка</translation>
    </message>
    <message>
        <source>Drop on Target</source>
        <translation>Перетаскивание на цель</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Копировать всё</translation>
    </message>
    <message>
        <source>Rotate tile</source>
        <translation>Поворот тайла</translation>
    </message>
    <message>
        <source>Mirror tile</source>
        <translation>Отражение тайла по горизонтали</translation>
    </message>
    <message>
        <source>Invert tile</source>
        <translation>Отражение тайла по вертикали</translation>
    </message>
    <message>
        <source>Swap tiles</source>
        <translation>Обмен тайлов</translation>
    </message>
    <message>
        <source>Move tile</source>
        <translation>Перенос тайла</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Преобразование</translation>
    </message>
    <message>
        <source>Paste tile</source>
        <translation>Вставка тайла</translation>
    </message>
    <message>
        <source>Add Pictures as Tiles</source>
        <translation>Добавление изображений как тайлов</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Восстановление</translation>
    </message>
    <message>
        <source>Page count</source>
        <translation>Число страниц</translation>
    </message>
    <message>
        <source>Compact Set</source>
        <translation>Уплотнить набор</translation>
    </message>
</context>
</TS>
