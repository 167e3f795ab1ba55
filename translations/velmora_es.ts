<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>velmora::app::CommandLine</name>
    <message>
        <source>Shows this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>Writes the diagram (or the chart --plot names) to FILE: .png, .svg or .pdf for the picture, .csv for its data.</source>
        <translation>Escribe el diagrama (o el gráfico que indique --plot) en ARCHIVO: .png, .svg o .pdf para la imagen, .csv para sus datos.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --export, as its description names it.</extracomment>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>One to four comma-separated pKa values from 0 to 14, not decreasing (default %1); for --solve and the solution&apos;s charts one to six from -5 to 25.</source>
        <translation>De uno a cuatro valores de pKa separados por comas, de 0 a 14, en orden no decreciente (por defecto %1); para --solve y los gráficos de la disolución, de uno a seis, de -5 a 25.</translation>
    </message>
    <message>
        <source>LIST</source>
        <extracomment>The value of --pka and --names: a comma-separated list.</extracomment>
        <translation>LISTA</translation>
    </message>
    <message>
        <source>PNG only: whole-number magnification 1 to 8 (default 1).</source>
        <translation>Solo PNG: ampliación entera de 1 a 8 (por defecto 1).</translation>
    </message>
    <message>
        <source>CSV only: pH step from 0.001 to 1 (default 0.1); for --plot titration the volume step, 0.001 mL to the end volume (default 0.05), at most a million rows.</source>
        <translation>Solo CSV: paso de pH de 0.001 a 1 (por defecto 0.1); con --plot titration, el paso de volumen, de 0.001 mL al volumen final (por defecto 0.05), como máximo un millón de filas.</translation>
    </message>
    <message>
        <source>Uses an example acid with its literature values and formulas instead of --pka (see --list-presets).</source>
        <translation>Usa un ácido de ejemplo con sus valores bibliográficos y sus fórmulas en lugar de --pka (véase --list-presets).</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>The value of --preset: the name of an example acid as --list-presets shows it.</extracomment>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>Lists the example acids that --preset takes.</source>
        <translation>Enumera los ácidos de ejemplo que admite --preset.</translation>
    </message>
    <message>
        <source>Opens the solution window beside the main window (no other option).</source>
        <translation>Abre la ventana de la disolución junto a la ventana principal (sin ninguna otra opción).</translation>
    </message>
    <message>
        <source>--solution opens the window and takes no other option</source>
        <translation>--solution abre la ventana y no admite ninguna otra opción</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--solve: use either --solve or --export, not both</source>
        <translation>--solve: use --solve o --export, no ambos</translation>
    </message>
    <message>
        <source>--export: no file name given</source>
        <translation>--export: no se ha indicado ningún nombre de archivo</translation>
    </message>
    <message>
        <source>--export: unknown file type of &apos;%1&apos; (use .png, .svg, .pdf or .csv)</source>
        <translation>--export: tipo de archivo desconocido en &apos;%1&apos; (use .png, .svg, .pdf o .csv)</translation>
    </message>
    <message>
        <source>--scale applies to .png only</source>
        <translation>--scale solo se aplica a .png</translation>
    </message>
    <message>
        <source>--step applies to .csv only</source>
        <translation>--step solo se aplica a .csv</translation>
    </message>
    <message>
        <source>--preset applies to --plot main only</source>
        <translation>--preset solo se aplica a --plot main</translation>
    </message>
    <message>
        <source>--preset: use either --preset or --pka, not both</source>
        <translation>--preset: use --preset o --pka, no ambos</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>warning: the diagram&apos;s font %1 is missing and no installed font stands in for it; the texts in %2 show as empty boxes</source>
        <translation>aviso: falta la fuente %1 del diagrama y ninguna fuente instalada la sustituye; los textos de %2 aparecen como recuadros vacíos</translation>
    </message>
    <message>
        <source>cannot open a window: no display (set DISPLAY or WAYLAND_DISPLAY, or use --export)</source>
        <translation>no se puede abrir una ventana: no hay pantalla (defina DISPLAY o WAYLAND_DISPLAY, o use --export)</translation>
    </message>
    <message>
        <source>cannot load the window: not found in %1 or %2</source>
        <extracomment>%1 and %2 are the two places the window module is looked for in.</extracomment>
        <translation>no se puede cargar la ventana: no se encontró ni en %1 ni en %2</translation>
    </message>
    <message>
        <source>cannot load the window: %1</source>
        <translation>no se puede cargar la ventana: %1</translation>
    </message>
    <message>
        <source>cannot open a window: no display could be opened (set DISPLAY or WAYLAND_DISPLAY, or use --export)</source>
        <translation>no se puede abrir una ventana: no se pudo abrir ninguna pantalla (defina DISPLAY o WAYLAND_DISPLAY, o use --export)</translation>
    </message>
    <message>
        <source>cannot open a window: no display could be opened: %1 (set DISPLAY or WAYLAND_DISPLAY, or use --export)</source>
        <translation>no se puede abrir una ventana: no se pudo abrir ninguna pantalla: %1 (defina DISPLAY o WAYLAND_DISPLAY, o use --export)</translation>
    </message>
    <message>
        <source>warning: the diagram&apos;s font %1 is missing and no installed font stands in for it; the texts in %2 keep that font&apos;s name and show in whatever font the viewer has</source>
        <translation>aviso: falta la fuente %1 del diagrama y ninguna fuente instalada la sustituye; los textos de %2 conservan el nombre de esa fuente y se muestran con la fuente que tenga el visor</translation>
    </message>
    <message>
        <source>--pka %1 was read as two values, %2 and %3; write decimals with a point: %4</source>
        <extracomment>The user&apos;s locale writes decimals with a comma: &quot;--pka 9,25 was read as two values, 9 and 25; write decimals with a point: 9.25&quot;. Keep the option and the point as they are.</extracomment>
        <translation>--pka %1 se leyó como dos valores, %2 y %3; escriba los decimales con punto: %4</translation>
    </message>
    <message>
        <source>--pka %1 was read as %2 values: %3; write decimals with a point</source>
        <extracomment>The user&apos;s locale writes decimals with a comma: &quot;--pka 2,7,12 was read as 3 values: 2, 7, 12; write decimals with a point&quot;. Keep the option and the point as they are.</extracomment>
        <translation>--pka %1 se leyó como %2 valores: %3; escriba los decimales con punto</translation>
    </message>
    <message>
        <source>Lists the acids, bases and salts that --add and --titrant take by their key.</source>
        <translation>Enumera los ácidos, bases y sales que admiten --add y --titrant por su clave.</translation>
    </message>
    <message>
        <source>%1 %2: %3 was read as two values, %4 and %5; write decimals with a point: %6</source>
        <extracomment>The user&apos;s locale writes decimals with a comma: &quot;--add 0.1:9,25: 9,25 was read as two values, 9 and 25; write decimals with a point: 9.25&quot;. Keep the point.</extracomment>
        <translation>%1 %2: %3 se leyó como dos valores, %4 y %5; escriba los decimales con punto: %6</translation>
    </message>
    <message>
        <source>%1 %2: %3 was read as %4 values: %5; write decimals with a point</source>
        <extracomment>As &quot;--add 0.1:2,7,12: 2,7,12 was read as 3 values: 2, 7, 12; write decimals with a point&quot;.</extracomment>
        <translation>%1 %2: %3 se leyó como %4 valores: %5; escriba los decimales con punto</translation>
    </message>
    <message>
        <source>--data applies to --export with --plot measured, gran or derivative only</source>
        <translation>--data solo se aplica a --export con --plot measured, gran o derivative</translation>
    </message>
    <message>
        <source>%1: use either %1 or --export, not both</source>
        <translation>%1: use %1 o --export, no ambos</translation>
    </message>
    <message>
        <source>%1: use either %1 or --solve, not both</source>
        <translation>%1: use %1 o --solve, no ambos</translation>
    </message>
    <message>
        <source>--plot measured needs the measured titration: --data FILE</source>
        <translation>--plot measured necesita la valoración medida: --data FILE</translation>
    </message>
    <message>
        <source>Distribution diagrams of mono- to tetraprotic acids; the pH, log-concentration diagram and titration curve of an acid&apos;s solution.
Without options the window opens; with --export a drawing or its data is written to a file, with --solve a solution&apos;s pH and species are printed, with --fit and --endpoints a measured titration is fitted or its end points are found, and no display is needed.</source>
        <translation>Diagramas de distribución de ácidos mono- a tetrapróticos; el pH, el diagrama logarítmico de concentraciones y la curva de valoración de la disolución de un ácido.
Sin opciones se abre la ventana; con --export se escribe un dibujo o sus datos en un archivo, con --solve se muestran el pH y las especies de una disolución, con --fit y --endpoints se ajusta una valoración medida o se hallan sus puntos finales, y no hace falta pantalla.</translation>
    </message>
    <message>
        <source>--preset: unknown acid &apos;%1&apos;; the example acids are %2</source>
        <extracomment>%2 lists the names --preset takes: &quot;acetic, oxalic, ...&quot;.</extracomment>
        <translation>--preset: ácido desconocido &apos;%1&apos;; los ácidos de ejemplo son %2</translation>
    </message>
</context>
<context>
    <name>velmora::app::MeasuredOptions</name>
    <message>
        <source>--vary applies to --fit and --plot measured only</source>
        <translation>--vary solo se aplica a --fit y --plot measured</translation>
    </message>
    <message>
        <source>Fits the titration of the sample (--pka or --add, with --volume, --titrant, --activity and --temperature as the starting guess) to the measured titration in FILE and prints each fitted value with its standard error, the residual standard deviation s in pH, the points used n and the parameters&apos; correlations.</source>
        <translation>Ajusta la valoración de la muestra (--pka o --add, con --volume, --titrant, --activity y --temperature como valores iniciales) a la valoración medida en ARCHIVO y muestra cada valor ajustado con su error estándar, la desviación estándar residual s en pH, los puntos usados n y las correlaciones de los parámetros.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --fit, --endpoints and --data, as their descriptions name it.</extracomment>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Prints the end points of the measured titration in FILE by the first and second derivative and by Gran&apos;s method (with --volume, the sample&apos;s volume).</source>
        <translation>Muestra los puntos finales de la valoración medida en ARCHIVO por la primera y la segunda derivada y por el método de Gran (con --volume, el volumen de la muestra).</translation>
    </message>
    <message>
        <source>With --export and --plot measured (the measured points over the sample&apos;s titration, fitted where --vary is given), gran or derivative: the measured titration in FILE.</source>
        <translation>Con --export y --plot measured (los puntos medidos sobre la valoración de la muestra, ajustada si se indica --vary), gran o derivative: la valoración medida en ARCHIVO.</translation>
    </message>
    <message>
        <source>The parameters --fit fits: conc, pka1 (pkb1 for a base given by pKb), conc:2 and pka1:2 for the second substance, strong, titrant, offset (default: the sample&apos;s concentration and every pKa within the measured pH range).</source>
        <translation>Los parámetros que ajusta --fit: conc, pka1 (pkb1 para una base dada por pKb), conc:2 y pka1:2 para la segunda sustancia, strong, titrant, offset (por defecto: la concentración de la muestra y cada pKa dentro del intervalo de pH medido).</translation>
    </message>
    <message>
        <source>LIST</source>
        <extracomment>The value of --vary: a comma-separated list.</extracomment>
        <translation>LISTA</translation>
    </message>
    <message>
        <source>The measured file&apos;s volume and pH columns, by header name or 1-based position (V,pH or 2,3), where its headers do not say.</source>
        <translation>Las columnas de volumen y pH del archivo medido, por nombre de encabezado o posición desde 1 (V,pH o 2,3), cuando los encabezados no lo indican.</translation>
    </message>
    <message>
        <source>%1: use either %1 or %2, not both</source>
        <extracomment>%1 and %2 are two of --fit, --endpoints and --data.</extracomment>
        <translation>%1: use %1 o %2, no ambos</translation>
    </message>
    <message>
        <source>%1: no file name given</source>
        <translation>%1: no se ha indicado ningún nombre de archivo</translation>
    </message>
    <message>
        <source>--columns applies to --fit, --endpoints and --data only</source>
        <translation>--columns solo se aplica a --fit, --endpoints y --data</translation>
    </message>
    <message>
        <source>--columns: &apos;%1&apos; is not V,PH: the volume&apos;s and the pH&apos;s column, each a header name or a position from 1</source>
        <extracomment>Keep V,PH as it is: it stands for the two columns&apos; names or positions.</extracomment>
        <translation>--columns: &apos;%1&apos; no es V,PH: la columna del volumen y la del pH, cada una un nombre de encabezado o una posición desde 1</translation>
    </message>
    <message>
        <source>%1: %2: %3</source>
        <extracomment>%1 is the option, %2 the parameter&apos;s name as given, %3 what is wrong with it.</extracomment>
        <translation>%1: %2: %3</translation>
    </message>
</context>
<context>
    <name>velmora::app::MeasuredWork</name>
    <message>
        <source>%1: &apos;%2&apos;: %3</source>
        <extracomment>%1 is the option, %2 the file&apos;s name, %3 what is wrong (&quot;line 7: ...&quot; where on a line).</extracomment>
        <translation>%1: &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>--endpoints: &apos;%1&apos;: no end point found: the pH has no jump that stands out</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>--endpoints: &apos;%1&apos;: no se ha hallado ningún punto final: el pH no tiene ningún salto que destaque</translation>
    </message>
</context>
<context>
    <name>velmora::app::OptionValue</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1: &apos;%2&apos; no es un número</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a whole number</source>
        <translation>%1: &apos;%2&apos; no es un número entero</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>A value out of range: %1 is the option, %2 the value given, %3 the problem with it.</extracomment>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 se ha indicado más de una vez</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a whole number from %3 to %4</source>
        <extracomment>%1 is the option, %2 the value given, %3 and %4 the least and the greatest allowed.</extracomment>
        <translation>%1: &apos;%2&apos; no es un número entero de %3 a %4</translation>
    </message>
    <message>
        <source>%1: at most %2 values, got %3</source>
        <translation>%1: como máximo %2 valores, pero hay %3</translation>
    </message>
    <message>
        <source>%1: value %2 is 0, which marks an absent constant</source>
        <extracomment>%2 counts the values from 1.</extracomment>
        <translation>%1: el valor %2 es 0, lo que indica una constante ausente</translation>
    </message>
    <message>
        <source>%1: values must not decrease (%2 after %3)</source>
        <translation>%1: los valores no deben disminuir (%2 después de %3)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not UTF-8 text</source>
        <translation>%1: &apos;%2&apos; no es texto UTF-8</translation>
    </message>
    <message>
        <source>%1: %2 is out of range (%3 to %4)</source>
        <extracomment>%1 is the option, %2 the value given, %3 and %4 the least and the greatest allowed.</extracomment>
        <translation>%1: %2 está fuera del intervalo (de %3 a %4)</translation>
    </message>
    <message>
        <source>%1 is only used with --export</source>
        <translation>%1 solo se usa con --export</translation>
    </message>
</context>
<context>
    <name>velmora::app::SolutionOptions</name>
    <message>
        <source>KIND</source>
        <extracomment>The value of --plot: which chart.</extracomment>
        <translation>TIPO</translation>
    </message>
    <message>
        <source>Charge of the fully protonated acid, -6 to 6 (default 0; 1 for NH4+).</source>
        <translation>Carga del ácido totalmente protonado, de -6 a 6 (por defecto 0; 1 para NH4+).</translation>
    </message>
    <message>
        <source>The species the acid is dissolved as: 0 (the acid itself, default) to n (its salt without protons), with Na+ or Cl- as counter-ions.</source>
        <translation>La especie con la que se prepara la disolución del ácido: de 0 (el propio ácido, por defecto) a n (su sal sin protones), con Na+ o Cl- como contraiones.</translation>
    </message>
    <message>
        <source>Strong base added (as NaOH), 0 to 10 mol/L (default 0).</source>
        <translation>Base fuerte añadida (como NaOH), de 0 a 10 mol/L (por defecto 0).</translation>
    </message>
    <message>
        <source>Strong acid added (as HCl), 0 to 10 mol/L (default 0).</source>
        <translation>Ácido fuerte añadido (como HCl), de 0 a 10 mol/L (por defecto 0).</translation>
    </message>
    <message>
        <source>The species&apos; formulas, n + 1 of them comma-separated, fully protonated first; charges after a caret (H2PO4^-,HPO4^2-).</source>
        <translation>Las fórmulas de las especies, n + 1 separadas por comas, primero la totalmente protonada; las cargas, tras el signo ^ (H2PO4^-,HPO4^2-).</translation>
    </message>
    <message>
        <source>LIST</source>
        <extracomment>The value of --names: a comma-separated list.</extracomment>
        <translation>LISTA</translation>
    </message>
    <message>
        <source>A chart&apos;s size in pixels, 320x200 to 4096x4096 (default 960x600).</source>
        <translation>Tamaño del gráfico en píxeles, de 320x200 a 4096x4096 (por defecto 960x600).</translation>
    </message>
    <message>
        <source>%1 is only used with --export or --solve</source>
        <translation>%1 solo se usa con --export o --solve</translation>
    </message>
    <message>
        <source>--solve needs the acid&apos;s constants: --pka LIST</source>
        <translation>--solve necesita las constantes del ácido: --pka LISTA</translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not WIDTHxHEIGHT in pixels (such as 960x600)</source>
        <translation>--size: &apos;%1&apos; no es ANCHOxALTO en píxeles (por ejemplo, 960x600)</translation>
    </message>
    <message>
        <source>--size: %1 is out of range (320x200 to 4096x4096)</source>
        <translation>--size: %1 está fuera del intervalo (de 320x200 a 4096x4096)</translation>
    </message>
    <message>
        <source>--scale: %1x%2 at %3 would be more than %4 pixels a side</source>
        <translation>--scale: %1x%2 multiplicado por %3 daría más de %4 píxeles por lado</translation>
    </message>
    <message>
        <source>--to: the default end volume %1 mL %2; give --to</source>
        <extracomment>%1 is the volume, %2 the problem with it (&quot;must be from 0.001 to 100000 mL&quot;).</extracomment>
        <translation>--to: el volumen final por defecto, %1 mL, %2; indique --to</translation>
    </message>
    <message>
        <source>--step: %1 is out of range (0.001 to %2 mL, the end volume)</source>
        <translation>--step: %1 está fuera del intervalo (de 0.001 a %2 mL, el volumen final)</translation>
    </message>
    <message>
        <source>--step: a step of %1 mL up to %2 mL gives %3 rows, more than %4; give a larger --step or a smaller --to</source>
        <extracomment>%1 is the step in mL, %2 the end volume in mL, %3 the rows it would give, %4 the most.</extracomment>
        <translation>--step: un paso de %1 mL hasta %2 mL da %3 filas, más de %4; indique un --step mayor o un --to menor</translation>
    </message>
    <message>
        <source>--step: the default step of %1 mL up to %2 mL gives %3 rows, more than %4; give a larger --step or a smaller --to</source>
        <translation>--step: el paso por defecto de %1 mL hasta %2 mL da %3 filas, más de %4; indique un --step mayor o un --to menor</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; %3</source>
        <extracomment>%1 is the option, %2 the substance as given, %3 what is wrong with it.</extracomment>
        <translation>%1: &apos;%2&apos; %3</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos;: %3 %4</source>
        <extracomment>%1 is the option, %2 the substance as given, %3 the part of it that is wrong, %4 why.</extracomment>
        <translation>%1: &apos;%2&apos;: %3 %4</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos;: %3</source>
        <extracomment>%1 is the option, %2 the file&apos;s name, %3 what is wrong with it.</extracomment>
        <translation>%1: &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>--activity: &apos;%1&apos; is not ideal or davies</source>
        <translation>--activity: &apos;%1&apos; no es ideal ni davies</translation>
    </message>
    <message>
        <source>%1 applies to the acid of --pka; give the mixture&apos;s substances with --add</source>
        <translation>%1 se aplica al ácido de --pka; indique las sustancias de la mezcla con --add</translation>
    </message>
    <message>
        <source>%1: the strong acids or bases in all %2</source>
        <extracomment>%1 is the option, %2 what is wrong with the sum (&quot;must be from 0 to 10 mol/L&quot;).</extracomment>
        <translation>%1: los ácidos o bases fuertes en total: %2</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos;: the solution %3</source>
        <extracomment>%1 is the option, %2 the substance as given, %3 what is wrong with the solution.</extracomment>
        <translation>%1: &apos;%2&apos;: la disolución %3</translation>
    </message>
    <message>
        <source>the solution %1</source>
        <translation>la disolución %1</translation>
    </message>
    <message>
        <source>Adds a substance to the solution, a mixture of up to 8 acid-base systems; repeatable. SUBSTANCE is C:WHAT[:KEY=VALUE]...: C in mol/L (0 to 10), WHAT a key of --list-substances (acetic, sodium-acetate, HCl), pKa values (4.76 or 2.148,7.198,12.319) or pkb=LIST for a base; for typed values charge=Z and as=K.</source>
        <translation>Añade una sustancia a la disolución, una mezcla de hasta 8 sistemas ácido-base; se puede repetir. SUBSTANCE es C:WHAT[:KEY=VALUE]...: C en mol/L (de 0 a 10), WHAT una clave de --list-substances (acetic, sodium-acetate, HCl), valores de pKa (4.76 o 2.148,7.198,12.319) o pkb=LIST para una base; para valores escritos, charge=Z y as=K.</translation>
    </message>
    <message>
        <source>A mixture&apos;s activities: ideal (default) or davies.</source>
        <translation>Las actividades de una mezcla: ideal (por defecto) o davies.</translation>
    </message>
    <message>
        <source>MODEL</source>
        <extracomment>The value of --activity: ideal or davies.</extracomment>
        <translation>MODELO</translation>
    </message>
    <message>
        <source>A mixture&apos;s temperature, 0 to 100 °C (default 25).</source>
        <translation>La temperatura de una mezcla, de 0 a 100 °C (por defecto 25).</translation>
    </message>
    <message>
        <source>Reads a mixture (and its titration) from a recipe file (JSON); --add, --activity, --temperature, --volume, --titrant and --to add to it or change it.</source>
        <translation>Lee una mezcla (y su valoración) de un archivo de receta (JSON); --add, --activity, --temperature, --volume, --titrant y --to la amplían o la cambian.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --recipe, as its description names it.</extracomment>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Prints the pH of a solution of the acid (--pka) and every species&apos; concentration and share; takes --charge, --conc, --as, --base, --acid and --names. For a mixture (--add, --recipe, --activity, --temperature) every species of every substance, with activities and the ionic strength with --activity davies.</source>
        <translation>Muestra el pH de una disolución del ácido (--pka) y la concentración y proporción de cada especie; admite --charge, --conc, --as, --base, --acid y --names. Para una mezcla (--add, --recipe, --activity, --temperature), cada especie de cada sustancia, con actividades y fuerza iónica con --activity davies.</translation>
    </message>
    <message>
        <source>--titrant: &apos;%1&apos; is not base:CT or acid:CT, nor a substance as --add takes it (C:WHAT, such as 0.1:ammonia)</source>
        <extracomment>Keep base:CT, acid:CT and C:WHAT as they are.</extracomment>
        <translation>--titrant: &apos;%1&apos; no es base:CT ni acid:CT, ni una sustancia tal como la admite --add (C:WHAT, como 0.1:ammonia)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos;: %3 is not a number; write decimals with a point: %4</source>
        <extracomment>%1 is the option, %2 the substance as given, %3 a number written with a decimal comma, %4 the same with a point. Keep the point.</extracomment>
        <translation>%1: &apos;%2&apos;: %3 no es un número; escriba los decimales con punto: %4</translation>
    </message>
    <message>
        <source>%1 applies to --plot titration or derivative only</source>
        <translation>%1 solo se aplica a --plot titration o derivative</translation>
    </message>
    <message>
        <source>Total concentration of the acid, 1e-10 to 10 mol/L (default 0.1). Given, the fractions, logc and buffer charts mark the solution&apos;s pH.</source>
        <translation>Concentración total del ácido, de 1e-10 a 10 mol/L (por defecto 0.1). Si se indica, los gráficos fractions, logc y buffer marcan el pH de la disolución.</translation>
    </message>
    <message>
        <source>Titration and derivative: the sample&apos;s volume, 0.1 to 1000 mL (default 25).</source>
        <translation>Valoración y derivada: el volumen de la muestra, de 0.1 a 1000 mL (por defecto 25).</translation>
    </message>
    <message>
        <source>Titration and derivative: base:CT or acid:CT, a strong base or acid of CT mol/L, 1e-6 to 10 (default base:0.1), or any substance as --add takes it (0.1:ammonia).</source>
        <translation>Valoración y derivada: base:CT o acid:CT, una base o un ácido fuerte de CT mol/L, de 1e-6 a 10 (por defecto base:0.1), o cualquier sustancia tal como la admite --add (0.1:ammonia).</translation>
    </message>
    <message>
        <source>Titration and derivative: the last volume added, 0.001 to 100000 mL (default 20 % past the last equivalence point the titrant reaches).</source>
        <translation>Valoración y derivada: el último volumen añadido, de 0.001 a 100000 mL (por defecto, un 20 % más allá del último punto de equivalencia que alcanza el valorante).</translation>
    </message>
    <message>
        <source>%1 applies to --plot fractions, logc, titration, buffer or derivative only</source>
        <translation>%1 solo se aplica a --plot fractions, logc, titration, buffer o derivative</translation>
    </message>
    <message>
        <source>%1 needs the sample the data were measured on: --pka LIST, --add SUBSTANCE or --recipe FILE</source>
        <extracomment>%1 is --fit or --data. Keep the options as they are.</extracomment>
        <translation>%1 necesita la muestra en la que se midieron los datos: --pka LIST, --add SUBSTANCE o --recipe FILE</translation>
    </message>
    <message>
        <source>%1 does not apply to --endpoints (only --volume, --columns)</source>
        <extracomment>%1 is an option that --endpoints does not take.</extracomment>
        <translation>%1 no se aplica a --endpoints (solo --volume, --columns)</translation>
    </message>
    <message>
        <source>With --export: main (the distribution diagram, default), fractions, logc, titration, buffer (the buffer capacity against pH), derivative (the titration curve&apos;s slope dpH/dV), gran (Gran&apos;s plot) or measured (the measured points of --data over the titration). These take --pka with 1 to 6 values, the solution&apos;s options and --size.</source>
        <translation>Con --export: main (el diagrama de distribución, por defecto), fractions, logc, titration, buffer (la capacidad amortiguadora frente al pH), derivative (la pendiente dpH/dV de la curva de valoración), gran (el gráfico de Gran) o measured (los puntos medidos de --data sobre la valoración). Estos admiten --pka con 1 a 6 valores, las opciones de la disolución y --size.</translation>
    </message>
    <message>
        <source>--plot: unknown kind &apos;%1&apos; (use main, fractions, logc, titration, buffer, derivative, gran or measured)</source>
        <translation>--plot: tipo desconocido &apos;%1&apos; (use main, fractions, logc, titration, buffer, derivative, gran o measured)</translation>
    </message>
</context>
<context>
    <name>velmora::diagram::Encode</name>
    <message>
        <source>a drawing is not a table</source>
        <translation>un dibujo no es una tabla</translation>
    </message>
    <message>
        <source>the drawing could not be encoded</source>
        <translation>no se pudo codificar el dibujo</translation>
    </message>
</context>
<context>
    <name>velmora::io::AtomicFile</name>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>es un FIFO, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a character device, not a regular file</source>
        <translation>es un dispositivo de caracteres, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a block device, not a regular file</source>
        <translation>es un dispositivo de bloques, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es un socket, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a special file, not a regular file</source>
        <translation>es un archivo especial, no un archivo normal</translation>
    </message>
    <message>
        <source>%1 (the link leads to %2)</source>
        <translation>%1 (el enlace apunta a %2)</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>no se ha indicado ningún nombre de archivo</translation>
    </message>
</context>
<context>
    <name>velmora::io::MeasurementFile</name>
    <message>
        <source>it is larger than %1 MiB, too large for a measured titration</source>
        <extracomment>%1 is the largest size of a measured-titration file the program reads, in MiB.</extracomment>
        <translation>ocupa más de %1 MiB, demasiado para una valoración medida</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>A problem on one line of a measured-titration file: %1 the line (from 1), %2 the problem.</extracomment>
        <translation>línea %1: %2</translation>
    </message>
</context>
<context>
    <name>velmora::io::RecipeFile</name>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where in a recipe file a problem lies: %1 the line, %2 the column, both from 1.</extracomment>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>%1: unknown field</source>
        <extracomment>A field of a recipe file that the program does not know.</extracomment>
        <translation>%1: campo desconocido</translation>
    </message>
    <message>
        <source>%1: must be an object with &quot;conc&quot; and &quot;substance&quot;, &quot;pka&quot; or &quot;pkb&quot;</source>
        <translation>%1: debe ser un objeto con &quot;conc&quot; y &quot;substance&quot;, &quot;pka&quot; o &quot;pkb&quot;</translation>
    </message>
    <message>
        <source>%1: needs &quot;conc&quot;, the concentration in mol/L</source>
        <translation>%1: necesita &quot;conc&quot;, la concentración en mol/L</translation>
    </message>
    <message>
        <source>must be a number from 0 to 10 mol/L</source>
        <translation>debe ser un número de 0 a 10 mol/L</translation>
    </message>
    <message>
        <source>%1: needs one of &quot;substance&quot;, &quot;pka&quot; or &quot;pkb&quot;</source>
        <translation>%1: necesita exactamente uno de &quot;substance&quot;, &quot;pka&quot; o &quot;pkb&quot;</translation>
    </message>
    <message>
        <source>must be a list of 1 to 6 numbers from -5 to 25</source>
        <translation>debe ser una lista de 1 a 6 números de -5 a 25</translation>
    </message>
    <message>
        <source>must be a whole number from -6 to 6</source>
        <translation>debe ser un número entero de -6 a 6</translation>
    </message>
    <message>
        <source>%1: does not apply to a base given by &quot;pkb&quot;, which is dissolved as the base</source>
        <translation>%1: no se aplica a una base dada con &quot;pkb&quot;, que se disuelve como la propia base</translation>
    </message>
    <message>
        <source>must be a species index from 0 to %1</source>
        <extracomment>%1 is the number of constants, the last species.</extracomment>
        <translation>debe ser un índice de especie de 0 a %1</translation>
    </message>
    <message>
        <source>%1: applies to &quot;pka&quot; and &quot;pkb&quot; only, not to a substance of the library</source>
        <translation>%1: solo se aplica a &quot;pka&quot; y &quot;pkb&quot;, no a una sustancia de la biblioteca</translation>
    </message>
    <message>
        <source>%1: must be the key of a substance of the library</source>
        <translation>%1: debe ser la clave de una sustancia de la biblioteca</translation>
    </message>
    <message>
        <source>%1: must be an object</source>
        <translation>%1: debe ser un objeto</translation>
    </message>
    <message>
        <source>must be a number from 0.1 to 1000 mL</source>
        <translation>debe ser un número de 0.1 a 1000 mL</translation>
    </message>
    <message>
        <source>must be a number from 0.001 to 100000 mL</source>
        <translation>debe ser un número de 0.001 a 100000 mL</translation>
    </message>
    <message>
        <source>must be a number from 0 to 100 °C</source>
        <translation>debe ser un número de 0 a 100 °C</translation>
    </message>
    <message>
        <source>activity: must be &quot;ideal&quot; or &quot;davies&quot;</source>
        <translation>activity: debe ser &quot;ideal&quot; o &quot;davies&quot;</translation>
    </message>
    <message>
        <source>substances: must be a list of substances</source>
        <translation>substances: debe ser una lista de sustancias</translation>
    </message>
    <message>
        <source>%1: not UTF-8 text</source>
        <extracomment>%1 is where: &quot;line 2, column 5&quot;.</extracomment>
        <translation>%1: no es texto UTF-8</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not a recipe: the file must hold one JSON object</source>
        <translation>no es una receta: el archivo debe contener un objeto JSON</translation>
    </message>
    <message>
        <source>not a recipe: &quot;format&quot; must be &quot;%1&quot;</source>
        <translation>no es una receta: &quot;format&quot; debe ser &quot;%1&quot;</translation>
    </message>
    <message>
        <source>version %1 is not one this program reads (%2)</source>
        <extracomment>%1 is the version given, %2 the one the program reads.</extracomment>
        <translation>este programa no lee la versión %1 (%2)</translation>
    </message>
    <message>
        <source>it is larger than %1 KiB, too large for a recipe</source>
        <translation>ocupa más de %1 KiB, demasiado para una receta</translation>
    </message>
    <message>
        <source>must be a list of %1 formulas, one for each species</source>
        <extracomment>%1 is how many species the constants give.</extracomment>
        <translation>debe ser una lista de %1 fórmulas, una por especie</translation>
    </message>
    <message>
        <source>%1: applies to a weak acid or base only; a salt or a strong acid or base is dissolved as it is</source>
        <translation>%1: solo se aplica a un ácido o una base débil; una sal o un ácido o una base fuerte se disuelve tal como es</translation>
    </message>
</context>
<context>
    <name>velmora::io::SettingsFile</name>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>ocupa más de %1 MiB</translation>
    </message>
</context>
<context>
    <name>velmora::model::Preset</name>
    <message>
        <source>Acetic acid</source>
        <extracomment>The example acids&apos; names and notes show in the plot&apos;s menu and readout and in the help of --list-presets. Keep formulas as written.</extracomment>
        <translation>Ácido acético</translation>
    </message>
    <message>
        <source>Oxalic acid</source>
        <translation>Ácido oxálico</translation>
    </message>
    <message>
        <source>Carbonic acid</source>
        <translation>Ácido carbónico</translation>
    </message>
    <message>
        <source>The first value is the apparent one that counts dissolved CO2 as H2CO3; the true H2CO3 value is about 3.6.</source>
        <translation>El primer valor es el aparente, que cuenta el CO2 disuelto como H2CO3; el valor real del H2CO3 es de aproximadamente 3.6.</translation>
    </message>
    <message>
        <source>Glycine</source>
        <translation>Glicina</translation>
    </message>
    <message>
        <source>HGly is the zwitterion H3N+ CH2 COO-, with no net charge.</source>
        <translation>HGly es el zwitterión H3N+ CH2 COO-, sin carga neta.</translation>
    </message>
    <message>
        <source>Phosphoric acid</source>
        <translation>Ácido fosfórico</translation>
    </message>
    <message>
        <source>Citric acid</source>
        <translation>Ácido cítrico</translation>
    </message>
    <message>
        <source>Arsenic acid</source>
        <translation>Ácido arsénico</translation>
    </message>
    <message>
        <source>EDTA</source>
        <translation>EDTA</translation>
    </message>
    <message>
        <source>The two further constants of H6Y2+ (about 0.0 and 1.5) are not shown.</source>
        <translation>Las otras dos constantes del H6Y2+ (aproximadamente 0.0 y 1.5) no se muestran.</translation>
    </message>
    <message>
        <source>The second value is the source&apos;s 4.266, rounded.</source>
        <translation>El segundo valor es el 4.266 de la fuente, redondeado.</translation>
    </message>
    <message>
        <source>Sulfurous acid</source>
        <translation>Ácido sulfuroso</translation>
    </message>
    <message>
        <source>The first value is the apparent one that counts dissolved SO2 as H2SO3; the source gives 1.857 and 7.172.</source>
        <translation>El primer valor es el aparente, que cuenta el SO2 disuelto como H2SO3; la fuente da 1.857 y 7.172.</translation>
    </message>
</context>
<context>
    <name>velmora::model::Problem</name>
    <message>
        <source>needs 1 to 6 values</source>
        <extracomment>The problems of the model are shown beside an input field (&quot;must be from 1e-10 to 10 mol/L&quot;) and on the command line after the option and its value (&quot;--conc: 20 must be from 1e-10 to 10 mol/L&quot;); keep the numbers as they are written.</extracomment>
        <translation>necesita de 1 a 6 valores</translation>
    </message>
    <message>
        <source>values must be from -5 to 25</source>
        <translation>los valores deben estar entre -5 y 25</translation>
    </message>
    <message>
        <source>values must be in non-decreasing order</source>
        <translation>los valores no deben disminuir</translation>
    </message>
    <message>
        <source>must be a whole number from -6 to 6</source>
        <translation>debe ser un número entero de -6 a 6</translation>
    </message>
    <message>
        <source>needs %1 names, one per species</source>
        <translation>necesita %1 nombres, uno por especie</translation>
    </message>
    <message>
        <source>each name needs 1 to 49 characters</source>
        <translation>cada nombre necesita de 1 a 49 caracteres</translation>
    </message>
    <message>
        <source>a name may not start or end with a blank</source>
        <translation>un nombre no puede empezar ni terminar con un espacio</translation>
    </message>
    <message>
        <source>a name may not contain commas or control characters</source>
        <translation>un nombre no puede contener comas ni caracteres de control</translation>
    </message>
    <message>
        <source>must be from 1e-10 to 10 mol/L</source>
        <translation>debe estar entre 1e-10 y 10 mol/L</translation>
    </message>
    <message>
        <source>must be a species index from 0 to %1</source>
        <translation>debe ser un número de especie de 0 a %1</translation>
    </message>
    <message>
        <source>must be from 0 to 10 mol/L</source>
        <translation>debe estar entre 0 y 10 mol/L</translation>
    </message>
    <message>
        <source>must be from 0.1 to 1000 mL</source>
        <translation>debe estar entre 0.1 y 1000 mL</translation>
    </message>
    <message>
        <source>must be from 1e-6 to 10 mol/L</source>
        <translation>debe estar entre 1e-6 y 10 mol/L</translation>
    </message>
    <message>
        <source>must be from 0.001 to 100000 mL</source>
        <translation>debe estar entre 0.001 y 100000 mL</translation>
    </message>
    <message>
        <source>a name must be UTF-8 text</source>
        <translation>un nombre debe ser texto UTF-8</translation>
    </message>
    <message>
        <source>must be from 0 to 100 °C</source>
        <translation>debe estar entre 0 y 100 °C</translation>
    </message>
    <message>
        <source>needs no enthalpy or one from -500 to 500 kJ/mol per constant</source>
        <translation>necesita una entalpía de -500 a 500 kJ/mol por constante, o ninguna</translation>
    </message>
    <message>
        <source>may hold at most %1 acid-base systems</source>
        <translation>puede contener como máximo %1 sistemas ácido-base</translation>
    </message>
    <message>
        <source>ion charges must be from 1 to 3</source>
        <translation>las cargas de los iones deben estar entre 1 y 3</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>is not a substance of the library</source>
        <translation>no es una sustancia de la biblioteca</translation>
    </message>
    <message>
        <source>is not C:WHAT[:KEY=VALUE]... (such as 0.1:acetic or 0.1:4.76)</source>
        <translation>no tiene la forma C:WHAT[:KEY=VALUE]... (como 0.1:acetic o 0.1:4.76)</translation>
    </message>
    <message>
        <source>is no option of a substance (use charge=Z or as=K)</source>
        <translation>no es una opción de una sustancia (use charge=Z o as=K)</translation>
    </message>
    <message>
        <source>applies to constants typed as numbers only, not to a substance of the library</source>
        <translation>solo se aplica a constantes escritas como números, no a una sustancia de la biblioteca</translation>
    </message>
    <message>
        <source>is given more than once</source>
        <translation>aparece más de una vez</translation>
    </message>
    <message>
        <source>does not apply to a base given by pKb, which is dissolved as the base</source>
        <translation>no se aplica a una base dada por su pKb, que se disuelve como la propia base</translation>
    </message>
    <message>
        <source>is not a whole number</source>
        <translation>no es un número entero</translation>
    </message>
    <message>
        <source>is not in the library</source>
        <translation>no está en la biblioteca</translation>
    </message>
    <message>
        <source>the strong acids add up to more than %1 mol/L</source>
        <translation>los ácidos fuertes suman más de %1 mol/L</translation>
    </message>
    <message>
        <source>the strong bases add up to more than %1 mol/L</source>
        <translation>las bases fuertes suman más de %1 mol/L</translation>
    </message>
    <message>
        <source>applies to a weak acid or base only; a salt or a strong acid or base is dissolved as it is</source>
        <translation>solo se aplica a un ácido o una base débil; una sal o un ácido o una base fuerte se disuelve tal como es</translation>
    </message>
    <message>
        <source>is not a solution the model takes</source>
        <translation>no es una solución que el programa pueda calcular</translation>
    </message>
    <message>
        <source>has its first weak acid or base at less than 1e-10 mol/L, too little for the window&apos;s acid</source>
        <translation>contiene su primer ácido o base débil a menos de 1e-10 mol/L, demasiado poco para el ácido de la ventana</translation>
    </message>
    <message>
        <source>has its first weak acid or base with constants the window&apos;s acid does not take</source>
        <translation>contiene su primer ácido o base débil con constantes que el ácido de la ventana no admite</translation>
    </message>
    <message>
        <source>has no weak acid or base for the window&apos;s acid</source>
        <translation>no contiene ningún ácido ni base débil para el ácido de la ventana</translation>
    </message>
    <message>
        <source>lists more than %1 substances besides the acid</source>
        <translation>contiene más de %1 sustancias además del ácido</translation>
    </message>
    <message>
        <source>titrates with constants typed as numbers; the window titrates with a substance of the library</source>
        <translation>valora con constantes escritas como números; la ventana valora con una sustancia de la biblioteca</translation>
    </message>
    <message>
        <source>titrates with a concentration outside 1e-6 to 10 mol/L</source>
        <translation>valora con una concentración fuera del intervalo de 1e-6 a 10 mol/L</translation>
    </message>
    <message>
        <source>titrates with a substance the window does not titrate with</source>
        <translation>valora con una sustancia con la que la ventana no valora</translation>
    </message>
    <message>
        <source>must give off from 0 to 6 protons completely</source>
        <translation>debe ceder por completo de 0 a 6 protones</translation>
    </message>
    <message>
        <source>no column is named &apos;%1&apos; for the volume</source>
        <translation>ninguna columna se llama &apos;%1&apos; para el volumen</translation>
    </message>
    <message>
        <source>no column is named &apos;%1&apos; for the pH</source>
        <translation>ninguna columna se llama &apos;%1&apos; para el pH</translation>
    </message>
    <message>
        <source>there is no row of numbers in it</source>
        <translation>no contiene ninguna fila de números</translation>
    </message>
    <message>
        <source>it has more than %1 rows of data, too many</source>
        <translation>tiene más de %1 filas de datos, demasiadas</translation>
    </message>
    <message>
        <source>there is no column %1: the table has %2</source>
        <translation>no hay columna %1: la tabla tiene %2</translation>
    </message>
    <message>
        <source>has %1 columns, no column %2</source>
        <translation>tiene %1 columnas, no hay columna %2</translation>
    </message>
    <message>
        <source>the volume &apos;%1&apos; is not a number</source>
        <translation>el volumen &apos;%1&apos; no es un número</translation>
    </message>
    <message>
        <source>the pH &apos;%1&apos; is not a number</source>
        <translation>el pH &apos;%1&apos; no es un número</translation>
    </message>
    <message>
        <source>the volume %1 mL is negative</source>
        <translation>el volumen %1 mL es negativo</translation>
    </message>
    <message>
        <source>the volume %1 mL is smaller than the one before (%2 mL)</source>
        <translation>el volumen %1 mL es menor que el anterior (%2 mL)</translation>
    </message>
    <message>
        <source>the pH %1 lies outside %2 to %3</source>
        <translation>el pH %1 está fuera del intervalo de %2 a %3</translation>
    </message>
    <message>
        <source>it has %1 different volumes, fewer than the %2 a titration needs</source>
        <translation>tiene %1 volúmenes distintos, menos de los %2 que necesita una valoración</translation>
    </message>
    <message>
        <source>the sample has no strong acid or base</source>
        <translation>la muestra no tiene ácido ni base fuerte</translation>
    </message>
    <message>
        <source>not a parameter (conc, pka1, pkb1, conc:2, pka1:2, strong, titrant, offset)</source>
        <translation>no es un parámetro (conc, pka1, pkb1, conc:2, pka1:2, strong, titrant, offset)</translation>
    </message>
    <message>
        <source>the sample has no weak acid or base number %1</source>
        <translation>la muestra no tiene ácido ni base débil número %1</translation>
    </message>
    <message>
        <source>the base is given by its pKb values: write pkb</source>
        <translation>la base se da por sus valores de pKb: escriba pkb</translation>
    </message>
    <message>
        <source>the acid is given by its pKa values: write pka</source>
        <translation>el ácido se da por sus valores de pKa: escriba pka</translation>
    </message>
    <message>
        <source>the weak acid or base has %1 constants</source>
        <translation>el ácido o la base débil tiene %1 constantes</translation>
    </message>
    <message>
        <source>an empty parameter name</source>
        <translation>un nombre de parámetro vacío</translation>
    </message>
    <message>
        <source>named twice</source>
        <translation>nombrado dos veces</translation>
    </message>
    <message>
        <source>names no parameter to fit</source>
        <translation>no nombra ningún parámetro que ajustar</translation>
    </message>
    <message>
        <source>needs more measured points (%1) than parameters to fit (%2)</source>
        <translation>necesita más puntos medidos (%1) que parámetros que ajustar (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be fitted here</source>
        <translation>%1 no se puede ajustar aquí</translation>
    </message>
    <message>
        <source>%1: the pKa %2 lies outside the measured pH range %3 to %4, so the data do not determine it</source>
        <translation>%1: el pKa %2 está fuera del intervalo de pH medido, de %3 a %4, así que los datos no lo determinan</translation>
    </message>
    <message>
        <source>%1 needs a starting value above 0</source>
        <translation>%1 necesita un valor inicial mayor que 0</translation>
    </message>
    <message>
        <source>%1 is not determined by the measured data</source>
        <translation>%1 no queda determinado por los datos medidos</translation>
    </message>
    <message>
        <source>the fit did not converge; try other starting values</source>
        <translation>el ajuste no ha convergido; pruebe otros valores iniciales</translation>
    </message>
    <message>
        <source>the fit is of another solution than the one shown now</source>
        <translation>el ajuste es de otra disolución que la que se muestra ahora</translation>
    </message>
</context>
<context>
    <name>velmora::model::Source</name>
    <message>
        <source>CRC Handbook of Chemistry and Physics, 97th ed., dissociation constants of inorganic acids and bases; 25 °C, I = 0</source>
        <extracomment>Where an acid&apos;s constants come from, shown in the example acids&apos; menu and readout, in --list-presets and --list-substances. Keep book titles, authors and journal names as they are published; &quot;ed.&quot; is the edition, &quot;I&quot; the ionic strength.</extracomment>
        <translation>CRC Handbook of Chemistry and Physics, 97.ª ed., constantes de disociación de ácidos y bases inorgánicos; 25 °C, I = 0</translation>
    </message>
    <message>
        <source>CRC Handbook of Chemistry and Physics, 97th ed., dissociation constants of organic acids and bases; 25 °C, I = 0</source>
        <translation>CRC Handbook of Chemistry and Physics, 97.ª ed., constantes de disociación de ácidos y bases orgánicos; 25 °C, I = 0</translation>
    </message>
    <message>
        <source>CRC Handbook of Chemistry and Physics, 97th ed., properties of amino acids; 25 °C</source>
        <translation>CRC Handbook of Chemistry and Physics, 97.ª ed., propiedades de los aminoácidos; 25 °C</translation>
    </message>
    <message>
        <source>Harris, Quantitative Chemical Analysis, 9th ed., appendix G; 25 °C, I = 0</source>
        <translation>Harris, Quantitative Chemical Analysis, 9.ª ed., apéndice G; 25 °C, I = 0</translation>
    </message>
    <message>
        <source>Harris, Quantitative Chemical Analysis, 9th ed., appendix G; 25 °C, I = 0.1 M</source>
        <translation>Harris, Quantitative Chemical Analysis, 9.ª ed., apéndice G; 25 °C, I = 0,1 M</translation>
    </message>
    <message>
        <source>Skoog, West, Holler and Crouch, Fundamentals of Analytical Chemistry, 9th ed., appendix 3; 25 °C, I = 0</source>
        <translation>Skoog, West, Holler y Crouch, Fundamentals of Analytical Chemistry, 9.ª ed., apéndice 3; 25 °C, I = 0</translation>
    </message>
    <message>
        <source>Goldberg, Kishore and Lennen, J. Phys. Chem. Ref. Data 31, 231 (2002); 25 °C, I = 0</source>
        <translation>Goldberg, Kishore y Lennen, J. Phys. Chem. Ref. Data 31, 231 (2002); 25 °C, I = 0</translation>
    </message>
</context>
<context>
    <name>velmora::model::Substance</name>
    <message>
        <source>Formic acid</source>
        <extracomment>A substance&apos;s name in the library of --list-substances.</extracomment>
        <translation>Ácido fórmico</translation>
    </message>
    <message>
        <source>Propanoic acid</source>
        <translation>Ácido propanoico</translation>
    </message>
    <message>
        <source>Chloroacetic acid</source>
        <translation>Ácido cloroacético</translation>
    </message>
    <message>
        <source>Benzoic acid</source>
        <translation>Ácido benzoico</translation>
    </message>
    <message>
        <source>Lactic acid</source>
        <translation>Ácido láctico</translation>
    </message>
    <message>
        <source>Phenol</source>
        <translation>Fenol</translation>
    </message>
    <message>
        <source>Hydrofluoric acid</source>
        <translation>Ácido fluorhídrico</translation>
    </message>
    <message>
        <source>Hydrocyanic acid</source>
        <translation>Ácido cianhídrico</translation>
    </message>
    <message>
        <source>Nitrous acid</source>
        <translation>Ácido nitroso</translation>
    </message>
    <message>
        <source>Hypochlorous acid</source>
        <translation>Ácido hipocloroso</translation>
    </message>
    <message>
        <source>Boric acid</source>
        <translation>Ácido bórico</translation>
    </message>
    <message>
        <source>Ammonia</source>
        <translation>Amoníaco</translation>
    </message>
    <message>
        <source>Methylamine</source>
        <translation>Metilamina</translation>
    </message>
    <message>
        <source>Dimethylamine</source>
        <translation>Dimetilamina</translation>
    </message>
    <message>
        <source>Trimethylamine</source>
        <translation>Trimetilamina</translation>
    </message>
    <message>
        <source>Ethylamine</source>
        <translation>Etilamina</translation>
    </message>
    <message>
        <source>Ethanolamine</source>
        <translation>Etanolamina</translation>
    </message>
    <message>
        <source>Pyridine</source>
        <translation>Piridina</translation>
    </message>
    <message>
        <source>Aniline</source>
        <translation>Anilina</translation>
    </message>
    <message>
        <source>Hydrazine</source>
        <translation>Hidracina</translation>
    </message>
    <message>
        <source>Hydroxylamine</source>
        <translation>Hidroxilamina</translation>
    </message>
    <message>
        <source>Imidazole</source>
        <translation>Imidazol</translation>
    </message>
    <message>
        <source>Tris</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>MES</source>
        <translation>MES</translation>
    </message>
    <message>
        <source>MOPS</source>
        <translation>MOPS</translation>
    </message>
    <message>
        <source>HEPES</source>
        <translation>HEPES</translation>
    </message>
    <message>
        <source>Hydrogen sulfate</source>
        <translation>Hidrogenosulfato</translation>
    </message>
    <message>
        <source>Malonic acid</source>
        <translation>Ácido malónico</translation>
    </message>
    <message>
        <source>Succinic acid</source>
        <translation>Ácido succínico</translation>
    </message>
    <message>
        <source>Tartaric acid</source>
        <translation>Ácido tartárico</translation>
    </message>
    <message>
        <source>Maleic acid</source>
        <translation>Ácido maleico</translation>
    </message>
    <message>
        <source>Fumaric acid</source>
        <translation>Ácido fumárico</translation>
    </message>
    <message>
        <source>Phthalic acid</source>
        <translation>Ácido ftálico</translation>
    </message>
    <message>
        <source>Ascorbic acid</source>
        <translation>Ácido ascórbico</translation>
    </message>
    <message>
        <source>Salicylic acid</source>
        <translation>Ácido salicílico</translation>
    </message>
    <message>
        <source>Alanine</source>
        <translation>Alanina</translation>
    </message>
    <message>
        <source>Histidine</source>
        <translation>Histidina</translation>
    </message>
    <message>
        <source>Aspartic acid</source>
        <translation>Ácido aspártico</translation>
    </message>
    <message>
        <source>Glutamic acid</source>
        <translation>Ácido glutámico</translation>
    </message>
    <message>
        <source>Lysine</source>
        <translation>Lisina</translation>
    </message>
    <message>
        <source>Cysteine</source>
        <translation>Cisteína</translation>
    </message>
    <message>
        <source>Hydrochloric acid</source>
        <translation>Ácido clorhídrico</translation>
    </message>
    <message>
        <source>Hydrobromic acid</source>
        <translation>Ácido bromhídrico</translation>
    </message>
    <message>
        <source>Hydroiodic acid</source>
        <translation>Ácido yodhídrico</translation>
    </message>
    <message>
        <source>Nitric acid</source>
        <translation>Ácido nítrico</translation>
    </message>
    <message>
        <source>Perchloric acid</source>
        <translation>Ácido perclórico</translation>
    </message>
    <message>
        <source>Sulfuric acid</source>
        <translation>Ácido sulfúrico</translation>
    </message>
    <message>
        <source>Sodium hydroxide</source>
        <translation>Hidróxido de sodio</translation>
    </message>
    <message>
        <source>Potassium hydroxide</source>
        <translation>Hidróxido de potasio</translation>
    </message>
    <message>
        <source>Sodium chloride</source>
        <translation>Cloruro de sodio</translation>
    </message>
    <message>
        <source>Potassium chloride</source>
        <translation>Cloruro de potasio</translation>
    </message>
    <message>
        <source>Potassium nitrate</source>
        <translation>Nitrato de potasio</translation>
    </message>
    <message>
        <source>Sodium formate</source>
        <translation>Formiato de sodio</translation>
    </message>
    <message>
        <source>Sodium acetate</source>
        <translation>Acetato de sodio</translation>
    </message>
    <message>
        <source>Sodium benzoate</source>
        <translation>Benzoato de sodio</translation>
    </message>
    <message>
        <source>Sodium fluoride</source>
        <translation>Fluoruro de sodio</translation>
    </message>
    <message>
        <source>Sodium cyanide</source>
        <translation>Cianuro de sodio</translation>
    </message>
    <message>
        <source>Sodium nitrite</source>
        <translation>Nitrito de sodio</translation>
    </message>
    <message>
        <source>Sodium hypochlorite</source>
        <translation>Hipoclorito de sodio</translation>
    </message>
    <message>
        <source>Ammonium chloride</source>
        <translation>Cloruro de amonio</translation>
    </message>
    <message>
        <source>Tris hydrochloride</source>
        <translation>Clorhidrato de Tris</translation>
    </message>
    <message>
        <source>Sodium hydrogen sulfate</source>
        <translation>Hidrogenosulfato de sodio</translation>
    </message>
    <message>
        <source>Sodium sulfate</source>
        <translation>Sulfato de sodio</translation>
    </message>
    <message>
        <source>Sodium oxalate</source>
        <translation>Oxalato de sodio</translation>
    </message>
    <message>
        <source>Sodium hydrogen carbonate</source>
        <translation>Hidrogenocarbonato de sodio</translation>
    </message>
    <message>
        <source>Sodium carbonate</source>
        <translation>Carbonato de sodio</translation>
    </message>
    <message>
        <source>Potassium hydrogen phthalate</source>
        <translation>Hidrogenoftalato de potasio</translation>
    </message>
    <message>
        <source>Sodium dihydrogen phosphate</source>
        <translation>Dihidrogenofosfato de sodio</translation>
    </message>
    <message>
        <source>Potassium dihydrogen phosphate</source>
        <translation>Dihidrogenofosfato de potasio</translation>
    </message>
    <message>
        <source>Disodium hydrogen phosphate</source>
        <translation>Hidrogenofosfato de disodio</translation>
    </message>
    <message>
        <source>Dipotassium hydrogen phosphate</source>
        <translation>Hidrogenofosfato de dipotasio</translation>
    </message>
    <message>
        <source>Trisodium phosphate</source>
        <translation>Fosfato trisódico</translation>
    </message>
    <message>
        <source>Trisodium citrate</source>
        <translation>Citrato trisódico</translation>
    </message>
    <message>
        <source>Disodium EDTA</source>
        <translation>EDTA disódico</translation>
    </message>
    <message>
        <source>strong acid</source>
        <translation>ácido fuerte</translation>
    </message>
    <message>
        <source>strong base</source>
        <translation>base fuerte</translation>
    </message>
    <message>
        <source>no acid or base</source>
        <translation>ni ácido ni base</translation>
    </message>
    <message>
        <source>Hydrogen sulfide</source>
        <translation>Sulfuro de hidrógeno</translation>
    </message>
</context>
<context>
    <name>velmora::model::Summary</name>
    <message>
        <source>Monoprotic acid.</source>
        <extracomment>The spoken description of the diagram starts with the acid&apos;s kind.</extracomment>
        <translation>Ácido monoprótico.</translation>
    </message>
    <message>
        <source>Diprotic acid.</source>
        <translation>Ácido diprótico.</translation>
    </message>
    <message>
        <source>Triprotic acid.</source>
        <translation>Ácido triprótico.</translation>
    </message>
    <message>
        <source>Tetraprotic acid.</source>
        <translation>Ácido tetraprótico.</translation>
    </message>
    <message>
        <source>%1 predominates over the whole range from pH 0 to 14.</source>
        <extracomment>%1 is a species&apos; formula.</extracomment>
        <translation>%1 predomina en todo el intervalo de pH 0 a 14.</translation>
    </message>
    <message>
        <source>%1 predominates below pH %2</source>
        <extracomment>The first species of the spoken description: %1 its formula, %2 a pH.</extracomment>
        <translation>%1 predomina por debajo de pH %2</translation>
    </message>
    <message>
        <source>, %1 above %2.</source>
        <extracomment>The last species of the spoken description: %1 its formula, %2 a pH.</extracomment>
        <translation>, %1 por encima de %2.</translation>
    </message>
    <message>
        <source>, %1 from %2 to %3</source>
        <extracomment>A species in the middle of the spoken description: %1 its formula, %2 and %3 pH.</extracomment>
        <translation>, %1 de %2 a %3</translation>
    </message>
</context>
<context>
    <name>velmora::resources::Picture</name>
    <message>
        <source>Theory</source>
        <extracomment>The word on the Theory button&apos;s face; it has room for about eight letters.</extracomment>
        <translation>Teoría</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The word on the About button&apos;s face; it has room for about eight letters.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The word on the Exit button&apos;s face; it has room for about eight letters.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The word on the About window&apos;s Cancel button, which closes the window; it has room for about six letters.</extracomment>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>velmora::ui::About</name>
    <message>
        <source>a new e-mail to the author</source>
        <extracomment>Takes the place of %1 in &quot;The desktop could not open %1.&quot;</extracomment>
        <translation>un correo electrónico nuevo al autor</translation>
    </message>
    <message>
        <source>the web page of further chemistry programs</source>
        <extracomment>Takes the place of %1 in &quot;The desktop could not open %1.&quot;</extracomment>
        <translation>la página web de otros programas de química</translation>
    </message>
    <message>
        <source> About</source>
        <translation> Acerca de</translation>
    </message>
    <message>
        <source>The program calculates the concentration fractions of polyprotic acids species as functions of pH</source>
        <translation>El programa calcula la fracción de cada especie de los ácidos polipróticos en función del pH</translation>
    </message>
    <message>
        <source>Acknowledgement</source>
        <translation>Agradecimientos</translation>
    </message>
    <message>
        <source>Our thanks go to the chemistry teachers and students who tried the first drafts in their lessons, told us where the diagrams were hard to read and helped us make them clearer.</source>
        <translation>Damos las gracias a los profesores de química y a los alumnos que probaron los primeros borradores en sus clases, nos señalaron dónde costaba leer los diagramas y nos ayudaron a hacerlos más claros.</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Find more chemical programs here:</source>
        <translation>Encuentre más programas de química aquí:</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::ChartTexts</name>
    <message>
        <source>fraction α</source>
        <extracomment>The fractions chart&apos;s y axis: α is the share of the acid&apos;s total concentration that a species has (0 to 1), not a mole fraction.</extracomment>
        <translation>fracción α</translation>
    </message>
    <message>
        <source>log c / (mol/L)</source>
        <extracomment>The log-c chart&apos;s y axis: the decimal logarithm of each concentration in mol/L; the axis itself is linear in log c.</extracomment>
        <translation>log c / (mol/L)</translation>
    </message>
    <message>
        <source>V / mL</source>
        <extracomment>The titration chart&apos;s x axis: the added volume of titrant in millilitres.</extracomment>
        <translation>V / mL</translation>
    </message>
    <message>
        <source>pH</source>
        <extracomment>The pH axis of the charts.</extracomment>
        <translation>pH</translation>
    </message>
    <message>
        <source>pH %1</source>
        <extracomment>A pH marked in a chart and heading the readout; %1 is the pH with two decimals.</extracomment>
        <translation>pH %1</translation>
    </message>
    <message>
        <source>V %1 mL</source>
        <extracomment>The titration readout&apos;s heading; %1 is the added volume with two decimals.</extracomment>
        <translation>V %1 mL</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A species&apos; share in the readout; %1 is the number of percent with one decimal.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Species fractions vs pH</source>
        <extracomment>The title of the fractions chart&apos;s file or print job.</extracomment>
        <translation>Fracciones de las especies frente al pH</translation>
    </message>
    <message>
        <source>Log concentrations vs pH</source>
        <extracomment>The title of the log-c chart&apos;s file or print job: log c of each species plotted against the pH (a linear axis of log c, not a logarithmic axis).</extracomment>
        <translation>Diagrama log c frente al pH</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <extracomment>The title of the titration chart&apos;s file or print job.</extracomment>
        <translation>Curva de valoración</translation>
    </message>
    <message>
        <source>equivalence point</source>
        <extracomment>The key of a titration&apos;s marks: a filled dot.</extracomment>
        <translation>punto de equivalencia</translation>
    </message>
    <message>
        <source>half-equivalence point</source>
        <extracomment>The key of a titration&apos;s marks: an open dot.</extracomment>
        <translation>punto de semiequivalencia</translation>
    </message>
    <message>
        <source>%1 mL · pH %2</source>
        <extracomment>An equivalence point&apos;s label: %1 the volume in mL, %2 the pH (&quot;25.00 mL · pH 8.73&quot;).</extracomment>
        <translation>%1 mL · pH %2</translation>
    </message>
    <message>
        <source>pH = %1 = %2</source>
        <extracomment>A half-equivalence point whose pH equals its pKa at the digits shown: %1 the pKa&apos;s name (&quot;pKa&quot;, &quot;pKa2&quot;), %2 the value (&quot;pH = pKa = 4.76&quot;).</extracomment>
        <translation>pH = %1 = %2</translation>
    </message>
    <message>
        <source>pH %1 ≈ %2</source>
        <extracomment>A half-equivalence point whose pH is close to its pKa: %1 the pH, %2 the pKa&apos;s name (&quot;pH 4.79 ≈ pKa&quot;).</extracomment>
        <translation>pH %1 ≈ %2</translation>
    </message>
    <message>
        <source>pKa</source>
        <extracomment>The acid constant of an acid with one constant.</extracomment>
        <translation>pKa</translation>
    </message>
    <message>
        <source>pKa%1</source>
        <extracomment>The acid constant number %1 of an acid with several (&quot;pKa2&quot;).</extracomment>
        <translation>pKa%1</translation>
    </message>
    <message>
        <source>β / (mol/(L·pH))</source>
        <extracomment>The buffer-capacity chart&apos;s y axis: β, the moles of strong base per litre that raise the pH by one unit, in mol/(L·pH).</extracomment>
        <translation>β / (mol/(L·pH))</translation>
    </message>
    <message>
        <source>dpH/dV / (pH/mL)</source>
        <extracomment>The derivative chart&apos;s y axis: the slope of the titration curve, pH units per millilitre of titrant added.</extracomment>
        <translation>dpH/dV / (pH/mL)</translation>
    </message>
    <message>
        <source>β</source>
        <extracomment>The buffer capacity&apos;s symbol in the readout.</extracomment>
        <translation>β</translation>
    </message>
    <message>
        <source>dpH/dV</source>
        <extracomment>The titration curve&apos;s slope in the readout.</extracomment>
        <translation>dpH/dV</translation>
    </message>
    <message>
        <source>Buffer capacity vs pH</source>
        <extracomment>The title of the buffer-capacity chart&apos;s file or print job.</extracomment>
        <translation>Capacidad amortiguadora frente al pH</translation>
    </message>
    <message>
        <source>First derivative of the titration curve</source>
        <extracomment>The title of the derivative chart&apos;s file or print job: dpH/dV against the added volume.</extracomment>
        <translation>Primera derivada de la curva de valoración</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The acid constant of one system of a mixture: %1 its name (&quot;pKa2&quot;), %2 the system&apos;s acid (&quot;H₃PO₄&quot;), as in &quot;pH = pKa2 (H₃PO₄) = 7.20&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Gran plot</source>
        <extracomment>The title of the file or print job of Gran&apos;s plot of a measured titration.</extracomment>
        <translation>Gráfico de Gran</translation>
    </message>
    <message>
        <source>ΔpH</source>
        <extracomment>The axis of the strip of residuals under a measured titration: measured minus model pH.</extracomment>
        <translation>ΔpH</translation>
    </message>
    <message>
        <source>Gran function (scaled)</source>
        <extracomment>The y axis of Gran&apos;s plot: Gran&apos;s function, scaled to a largest value of 1.</extracomment>
        <translation>Función de Gran (escalada)</translation>
    </message>
    <message>
        <source>before</source>
        <extracomment>Gran&apos;s line before the end point, in the readout.</extracomment>
        <translation>antes</translation>
    </message>
    <message>
        <source>after</source>
        <extracomment>Gran&apos;s line of the excess titrant after the end point, in the readout.</extracomment>
        <translation>después</translation>
    </message>
    <message>
        <source>dpH/dV max %1 mL</source>
        <extracomment>An end point at the largest slope of the measured points; %1 its volume in mL.</extracomment>
        <translation>dpH/dV máx. %1&#xa0;mL</translation>
    </message>
    <message>
        <source>d²pH/dV² = 0 %1 mL</source>
        <extracomment>An end point where the second derivative of the measured points is zero; %1 its volume.</extracomment>
        <translation>d²pH/dV² = 0 %1&#xa0;mL</translation>
    </message>
    <message>
        <source>Gran %1 mL</source>
        <extracomment>An end point by Gran&apos;s method; %1 its volume in mL.</extracomment>
        <translation>Gran %1&#xa0;mL</translation>
    </message>
</context>
<context>
    <name>velmora::ui::Desktop</name>
    <message>
        <source>The desktop could not open %1.

%2</source>
        <extracomment>%1 names what was to be opened (&quot;the theory document&quot;), %2 is its address.</extracomment>
        <translation>El escritorio no pudo abrir %1.

%2</translation>
    </message>
    <message>
        <source>The opener xdg-open stopped unexpectedly.</source>
        <translation>El programa de apertura xdg-open se detuvo de forma inesperada.</translation>
    </message>
    <message>
        <source>The file does not exist (xdg-open ended with status 2).</source>
        <translation>El archivo no existe (xdg-open terminó con el estado 2).</translation>
    </message>
    <message>
        <source>No program to open it was found; is one installed? (xdg-open ended with status 3.)</source>
        <translation>No se encontró ningún programa para abrirlo; ¿hay alguno instalado? (xdg-open terminó con el estado 3.)</translation>
    </message>
    <message>
        <source>The program for it failed (xdg-open ended with status 4).</source>
        <translation>El programa correspondiente falló (xdg-open terminó con el estado 4).</translation>
    </message>
    <message>
        <source>The opener xdg-open ended with status %1.</source>
        <translation>El programa de apertura xdg-open terminó con el estado %1.</translation>
    </message>
    <message>
        <source>The opener xdg-open, which hands documents to their programs, is not installed.</source>
        <translation>El programa de apertura xdg-open, que entrega cada documento a su programa, no está instalado.</translation>
    </message>
    <message>
        <source>The opener xdg-open could not be started: %1</source>
        <translation>No se pudo iniciar el programa de apertura xdg-open: %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::DiagramCommands</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save diagram</source>
        <translation>Guardar diagrama</translation>
    </message>
    <message>
        <source>The diagram was not saved to %1.

The file name must end in .png, .svg or .pdf, which decides the kind of file.</source>
        <translation>El diagrama no se guardó en %1.

El nombre del archivo debe terminar en .png, .svg o .pdf; la extensión determina el tipo de archivo.</translation>
    </message>
    <message>
        <source>The diagram could not be saved to %1.

%2</source>
        <translation>No se pudo guardar el diagrama en %1.

%2</translation>
    </message>
    <message>
        <source>Export data</source>
        <translation>Exportar datos</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>The data could not be exported to %1.

%2</source>
        <translation>No se pudieron exportar los datos a %1.

%2</translation>
    </message>
    <message>
        <source>Print diagram</source>
        <translation>Imprimir diagrama</translation>
    </message>
    <message>
        <source>The diagram could not be printed on %1.

The printer or its file could not be opened.</source>
        <translation>No se pudo imprimir el diagrama en %1.

No se pudo abrir la impresora o su archivo.</translation>
    </message>
    <message>
        <source>the printer</source>
        <extracomment>Takes the place of %1 in &quot;The diagram could not be printed on %1.&quot; when the printer has no name.</extracomment>
        <translation>la impresora</translation>
    </message>
    <message>
        <source>The diagram could not be copied.

%1</source>
        <translation>No se pudo copiar el diagrama.

%1</translation>
    </message>
    <message>
        <source>The diagram could not be printed.

%1</source>
        <translation>No se pudo imprimir el diagrama.

%1</translation>
    </message>
    <message>
        <source>&amp;Copy diagram</source>
        <translation>&amp;Copiar diagrama</translation>
    </message>
    <message>
        <source>&amp;Save diagram…</source>
        <translation>&amp;Guardar diagrama…</translation>
    </message>
    <message>
        <source>&amp;Export data…</source>
        <translation>&amp;Exportar datos…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
</context>
<context>
    <name>velmora::ui::ExampleAcids</name>
    <message>
        <source>Example acids</source>
        <translation>Ácidos de ejemplo</translation>
    </message>
    <message>
        <source>pKa %1 (25 °C)</source>
        <extracomment>The readout&apos;s line of an example acid&apos;s values: &quot;pKa 2.15, 7.20, 12.35&quot;.</extracomment>
        <translation>pKa %1 (25 °C)</translation>
    </message>
</context>
<context>
    <name>velmora::ui::MainWindow</name>
    <message>
        <source>Theory</source>
        <translation>Teoría</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Type of acid</source>
        <translation>Tipo de ácido</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>Monoprotic acid HA</source>
        <translation>Ácido monoprótico HA</translation>
    </message>
    <message>
        <source>Diprotic acid H2A</source>
        <translation>Ácido diprótico H2A</translation>
    </message>
    <message>
        <source>Triprotic acid H3A</source>
        <translation>Ácido triprótico H3A</translation>
    </message>
    <message>
        <source>Tetraprotic acid H4A</source>
        <translation>Ácido tetraprótico H4A</translation>
    </message>
    <message>
        <source>pKa %1</source>
        <translation>pKa %1</translation>
    </message>
    <message>
        <source>Value of pKa %1</source>
        <translation>Valor de pKa %1</translation>
    </message>
    <message>
        <source>Bar %1</source>
        <translation>Barra %1</translation>
    </message>
    <message>
        <source>Distribution diagram</source>
        <translation>Diagrama de distribución</translation>
    </message>
    <message>
        <source> Value of pKa(%1) </source>
        <extracomment>The tooltips of the main window begin and end with a blank, as drawn.</extracomment>
        <translation> Valor de pKa(%1) </translation>
    </message>
    <message>
        <source> Theory of polyprotic acids from Wikipedia </source>
        <translation> Teoría de los ácidos polipróticos, de la Wikipedia </translation>
    </message>
    <message>
        <source> About this program </source>
        <translation> Acerca de este programa </translation>
    </message>
    <message>
        <source> Do you really want to exit? </source>
        <translation> ¿Realmente desea salir del programa? </translation>
    </message>
</context>
<context>
    <name>velmora::ui::MeasuredCommands</name>
    <message>
        <source>Open &amp;measured titration…</source>
        <translation>Abrir valoración &amp;medida…</translation>
    </message>
    <message>
        <source>&amp;Paste measured titration</source>
        <translation>&amp;Pegar valoración medida</translation>
    </message>
    <message>
        <source>C&amp;lear measured data</source>
        <translation>&amp;Quitar los datos medidos</translation>
    </message>
    <message>
        <source>Copy &amp;fit results</source>
        <translation>&amp;Copiar los resultados del ajuste</translation>
    </message>
    <message>
        <source>Open measured titration</source>
        <translation>Abrir valoración medida</translation>
    </message>
    <message>
        <source>Measured titrations (*.csv *.txt *.tsv *.dat);;All files (*)</source>
        <extracomment>The file dialog&apos;s filter of measured titrations.</extracomment>
        <translation>Valoraciones medidas (*.csv *.txt *.tsv *.dat);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>velmora::ui::MeasuredData</name>
    <message>
        <source>pasted data</source>
        <extracomment>Where the measured points shown came from when they were pasted or dropped as text.</extracomment>
        <translation>datos pegados</translation>
    </message>
    <message>
        <source>%1 was not taken: %2</source>
        <extracomment>%1 is the file (or &quot;pasted data&quot;), %2 why it is no measured titration.</extracomment>
        <translation>%1 no se ha tomado: %2</translation>
    </message>
    <message>
        <source>There are no measured points to fit.</source>
        <translation>No hay puntos medidos que ajustar.</translation>
    </message>
    <message>
        <source>Choose at least one value to fit.</source>
        <translation>Elija al menos un valor que ajustar.</translation>
    </message>
    <message>
        <source>%1 cannot be fitted: %2</source>
        <extracomment>%1 is the parameter as the command line names it (pka2), %2 why.</extracomment>
        <translation>%1 no se puede ajustar: %2</translation>
    </message>
    <message>
        <source>No fit: %1</source>
        <translation>Sin ajuste: %1</translation>
    </message>
    <message>
        <source>There is no fit to use.</source>
        <translation>No hay ningún ajuste que usar.</translation>
    </message>
    <message>
        <source>The fitted values cannot be used: %1</source>
        <extracomment>%1 says why the fitted values do not fit the solution&apos;s fields.</extracomment>
        <translation>Los valores ajustados no se pueden usar: %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::MeasuredPanel</name>
    <message>
        <source>Derivative</source>
        <extracomment>An end point found at the largest slope of the measured points.</extracomment>
        <translation>Derivada</translation>
    </message>
    <message>
        <source>Second derivative</source>
        <extracomment>An end point found where the second derivative of the measured points is zero.</extracomment>
        <translation>Segunda derivada</translation>
    </message>
    <message>
        <source>Gran</source>
        <translation>Gran</translation>
    </message>
    <message>
        <source>Gran, excess titrant</source>
        <extracomment>Gran&apos;s method applied to the points after the end point.</extracomment>
        <translation>Gran, exceso de valorante</translation>
    </message>
    <message>
        <source>Strong acid or base</source>
        <translation>Ácido o base fuerte</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Concentración</translation>
    </message>
    <message>
        <source>Titrant</source>
        <extracomment>The titrant&apos;s concentration as a value to fit.</extracomment>
        <translation>Valorante</translation>
    </message>
    <message>
        <source>pH offset</source>
        <extracomment>The electrode&apos;s calibration error added to every pH, as a value to fit.</extracomment>
        <translation>Desviación del pH</translation>
    </message>
    <message>
        <source>%1, system %2</source>
        <extracomment>%1 is a value to fit, %2 the number of the weak system (the acid is 1).</extracomment>
        <translation>%1, sistema %2</translation>
    </message>
    <message>
        <source>Measured titration</source>
        <translation>Valoración medida</translation>
    </message>
    <message>
        <source>Why the measured data were not taken</source>
        <translation>Por qué no se han tomado los datos medidos</translation>
    </message>
    <message>
        <source>End points</source>
        <translation>Puntos finales</translation>
    </message>
    <message>
        <source>Clear measured data</source>
        <translation>Quitar los datos medidos</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Values to fit, starting from the solution&apos;s:</source>
        <translation>Valores que ajustar, partiendo de los de la disolución:</translation>
    </message>
    <message>
        <source>Use fitted values</source>
        <translation>Usar los valores ajustados</translation>
    </message>
    <message>
        <source>Fit the solution to the measured points</source>
        <translation>Ajustar la disolución a los puntos medidos</translation>
    </message>
    <message>
        <source>Why there is no fit</source>
        <translation>Por qué no hay ajuste</translation>
    </message>
    <message>
        <source>Fitted values</source>
        <translation>Valores ajustados</translation>
    </message>
    <message>
        <source>Copy fit results</source>
        <translation>Copiar los resultados</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <extracomment>%1 is the file&apos;s name (or &quot;pasted data&quot;), %2 the number of points.</extracomment>
        <translation>%1: %2 puntos</translation>
    </message>
    <message>
        <source>No measured data. Open a file from the File menu, drop one on the window or paste cells on the titration drawing (Ctrl+V).</source>
        <translation>No hay datos medidos. Abra un archivo desde el menú Archivo, arrastre uno a la ventana o pegue celdas sobre el gráfico de la valoración (Ctrl+V).</translation>
    </message>
    <message>
        <source>%1 mL</source>
        <translation>%1&#xa0;mL</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An end point&apos;s method and its volumes (one per jump).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No end point found.</source>
        <translation>No se ha encontrado ningún punto final.</translation>
    </message>
    <message>
        <source>Fit %1</source>
        <extracomment>A box that chooses a value to fit; %1 is its name (&quot;pKa 2&quot;).</extracomment>
        <translation>Ajustar %1</translation>
    </message>
    <message>
        <source>%1 mol/L</source>
        <translation>%1&#xa0;mol/L</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Std. error</source>
        <translation>Error típico</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>mol/L</source>
        <translation>mol/L</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>s = %1 pH, n = %2</source>
        <extracomment>The residual standard deviation of the fit in pH, and the number of points used.</extracomment>
        <translation>s = %1 pH, n = %2</translation>
    </message>
    <message>
        <source>r(%1, %2) = %3</source>
        <extracomment>The correlation coefficient of two fitted values, as r(conc, pka1) = −0.42.</extracomment>
        <translation>r(%1, %2) = %3</translation>
    </message>
</context>
<context>
    <name>velmora::ui::MixtureText</name>
    <message>
        <source>Solution at %1 °C: pH %2</source>
        <extracomment>The line under the drawings for a solution of several substances: %1 its temperature in °C, %2 its pH.</extracomment>
        <translation>Disolución a %1 °C: pH %2</translation>
    </message>
    <message>
        <source>I = %1 mol/L</source>
        <extracomment>The ionic strength of the solution, in mol/L.</extracomment>
        <translation>I = %1 mol/L</translation>
    </message>
    <message>
        <source>the Davies equation is not reliable above I = %1 mol/L</source>
        <translation>la ecuación de Davies no es fiable por encima de I = %1 mol/L</translation>
    </message>
    <message>
        <source>constants at 25 °C: %1</source>
        <extracomment>A note under the drawings: the constants of these systems are not known at other temperatures and are used at their 25 °C values.</extracomment>
        <translation>constantes a 25 °C: %1</translation>
    </message>
    <message>
        <source>%1 mL of the solution with %2 mol/L %3 · no equivalence point</source>
        <extracomment>The titration line of a solution of several substances when the titrant reaches no equivalence point: &quot;25 mL of the solution with 0.1 mol/L NaOH · no equivalence point&quot;.</extracomment>
        <translation>%1 mL de la disolución con %3 %2 mol/L · sin punto de equivalencia</translation>
    </message>
    <message>
        <source>%1 mL of the solution with %2 mol/L %3 · equivalence at %4</source>
        <extracomment>The titration line of a solution of several substances: %1 the sample&apos;s volume, %2 the titrant&apos;s concentration, %3 the titrant, %4 the equivalence points.</extracomment>
        <translation>%1 mL de la disolución con %3 %2 mol/L · equivalencia en %4</translation>
    </message>
</context>
<context>
    <name>velmora::ui::RecipeCommands</name>
    <message>
        <source>Recipes (*.json);;All files (*)</source>
        <extracomment>The file dialogs&apos; filter of recipe files.</extracomment>
        <translation>Recetas (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Open recipe…</source>
        <translation>&amp;Abrir receta…</translation>
    </message>
    <message>
        <source>Save &amp;recipe…</source>
        <translation>&amp;Guardar receta…</translation>
    </message>
    <message>
        <source>Open &amp;again</source>
        <extracomment>File → open the recipe used last again; %1 is its file name.</extracomment>
        <translation>Abrir de &amp;nuevo</translation>
    </message>
    <message>
        <source>Open &amp;again: %1</source>
        <translation>Abrir de &amp;nuevo: %1</translation>
    </message>
    <message>
        <source>the recipe %1</source>
        <extracomment>Why a recipe is not opened: it holds what the solution window cannot show.</extracomment>
        <translation>la receta %1</translation>
    </message>
    <message>
        <source>The recipe %1 was not opened.

%2</source>
        <extracomment>%1 is the file, %2 why it was not opened.</extracomment>
        <translation>La receta %1 no se ha abierto.

%2</translation>
    </message>
    <message>
        <source>The recipe could not be saved to %1.

%2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>No se ha podido guardar la receta en %1.

%2</translation>
    </message>
    <message>
        <source>Open recipe</source>
        <translation>Abrir receta</translation>
    </message>
    <message>
        <source>Save recipe</source>
        <translation>Guardar receta</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SolutionCompanion</name>
    <message>
        <source>Solution…</source>
        <translation>Disolución…</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SolutionPanel</name>
    <message>
        <source>Follow the main window</source>
        <translation>Seguir la ventana principal</translation>
    </message>
    <message>
        <source>Acid</source>
        <translation>Ácido</translation>
    </message>
    <message>
        <source>pKa %1</source>
        <extracomment>What the drawings show of the acid while its fields are not fine: &quot;pKa 2,15; 7,20&quot;.</extracomment>
        <translation>pKa %1</translation>
    </message>
    <message>
        <source>pKa &amp;%1</source>
        <translation>pKa &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Add constant</source>
        <translation>&amp;Añadir constante</translation>
    </message>
    <message>
        <source>Add a constant</source>
        <translation>Añadir una constante</translation>
    </message>
    <message>
        <source>&amp;Remove constant</source>
        <translation>&amp;Quitar constante</translation>
    </message>
    <message>
        <source>Remove the last constant</source>
        <translation>Quitar la última constante</translation>
    </message>
    <message>
        <source>Charge of the fully protonated form</source>
        <translation>Carga de la forma totalmente protonada</translation>
    </message>
    <message>
        <source>Char&amp;ge of the fully protonated form</source>
        <translation>&amp;Carga de la forma totalmente protonada</translation>
    </message>
    <message>
        <source>Formulas of the species:</source>
        <translation>Fórmulas de las especies:</translation>
    </message>
    <message>
        <source>Formula of species %1</source>
        <translation>Fórmula de la especie %1</translation>
    </message>
    <message>
        <source>Caret notation: HPO4^2-, NH4^+</source>
        <translation>Carga tras el signo ^: HPO4^2-, NH4^+</translation>
    </message>
    <message>
        <source>Generic &amp;names</source>
        <translation>&amp;Nombres genéricos</translation>
    </message>
    <message>
        <source>Generic names</source>
        <translation>Nombres genéricos</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Disolución</translation>
    </message>
    <message>
        <source>Concentration in mol/L</source>
        <translation>Concentración en mol/L</translation>
    </message>
    <message>
        <source>Conc&amp;entration (mol/L)</source>
        <translation>C&amp;oncentración (mol/L)</translation>
    </message>
    <message>
        <source>Concentration on a logarithmic scale</source>
        <translation>Concentración en escala logarítmica</translation>
    </message>
    <message>
        <source>10⁻⁶ to 1 mol/L</source>
        <translation>De 10⁻⁶ a 1 mol/L</translation>
    </message>
    <message>
        <source>Species dissolved</source>
        <translation>Especie disuelta</translation>
    </message>
    <message>
        <source>&amp;Dissolved</source>
        <translation>&amp;Disuelto</translation>
    </message>
    <message>
        <source>Titration</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>strong base (NaOH)</source>
        <translation>base fuerte (NaOH)</translation>
    </message>
    <message>
        <source>strong acid (HCl)</source>
        <translation>ácido fuerte (HCl)</translation>
    </message>
    <message>
        <source>Titrant</source>
        <translation>Valorante</translation>
    </message>
    <message>
        <source>&amp;Titrant</source>
        <translation>Valoran&amp;te</translation>
    </message>
    <message>
        <source>Titrant concentration in mol/L</source>
        <translation>Concentración del valorante en mol/L</translation>
    </message>
    <message>
        <source>Its concentration (mo&amp;l/L)</source>
        <translation>Su concentración (mo&amp;l/L)</translation>
    </message>
    <message>
        <source>Start volume in mL</source>
        <translation>Volumen inicial en mL</translation>
    </message>
    <message>
        <source>Start vol&amp;ume (mL)</source>
        <translation>Volumen &amp;inicial (mL)</translation>
    </message>
    <message>
        <source>Strong acid added, HCl, in mol/L</source>
        <translation>Ácido fuerte añadido, HCl, en mol/L</translation>
    </message>
    <message>
        <source>Strong &amp;base added (mol/L)</source>
        <extracomment>A strong base added to the solution, as --base on the command line.</extracomment>
        <translation>&amp;Base fuerte añadida (mol/L)</translation>
    </message>
    <message>
        <source>Strong base added, NaOH, in mol/L</source>
        <translation>Base fuerte añadida, NaOH, en mol/L</translation>
    </message>
    <message>
        <source>End volume of the titration in mL, empty for automatic</source>
        <translation>Volumen final de la valoración en mL, vacío para automático</translation>
    </message>
    <message>
        <source>automatic</source>
        <extracomment>The end volume&apos;s field when it is empty: the titration ends past its last equivalence point.</extracomment>
        <translation>automático</translation>
    </message>
    <message>
        <source>Empty: 20 % past the last equivalence point</source>
        <translation>Vacío: un 20 % más allá del último punto de equivalencia</translation>
    </message>
    <message>
        <source>pKa %1: %2</source>
        <extracomment>A pKa field whose text is no number: &quot;pKa 2: is not a number&quot;.</extracomment>
        <translation>pKa %1: %2</translation>
    </message>
    <message>
        <source>%1 mol/L</source>
        <translation>%1 mol/L</translation>
    </message>
    <message>
        <source>strong acid %1 mol/L</source>
        <translation>ácido fuerte %1 mol/L</translation>
    </message>
    <message>
        <source>strong base %1 mol/L</source>
        <translation>base fuerte %1 mol/L</translation>
    </message>
    <message>
        <source>titrant %1 mol/L</source>
        <translation>valorante %1 mol/L</translation>
    </message>
    <message>
        <source>start volume %1 mL</source>
        <translation>volumen inicial %1 mL</translation>
    </message>
    <message>
        <source>end volume automatic</source>
        <translation>volumen final automático</translation>
    </message>
    <message>
        <source>end volume %1 mL</source>
        <translation>volumen final %1 mL</translation>
    </message>
    <message>
        <source>Not current: showing %1, as before the edit</source>
        <extracomment>Over the drawings while a field is not fine: they show the values from before its edit. %1 lists them: &quot;0,1 mol/L, start volume 25 mL&quot;.</extracomment>
        <translation>No actualizado: se muestra %1, como antes de la edición</translation>
    </message>
    <message>
        <source>Strong ac&amp;id added (mol/L)</source>
        <extracomment>A strong acid added to the solution, as --acid on the command line.</extracomment>
        <translation>Ácido fue&amp;rte añadido (mol/L)</translation>
    </message>
    <message>
        <source>End v&amp;olume (mL)</source>
        <translation>Volumen &amp;final (mL)</translation>
    </message>
    <message>
        <source>Tem&amp;perature (°C)</source>
        <translation>Temperat&amp;ura (°C)</translation>
    </message>
    <message>
        <source>Temperature in degrees Celsius</source>
        <translation>Temperatura en grados Celsius</translation>
    </message>
    <message>
        <source>0 to 100 °C</source>
        <translation>de 0 a 100 °C</translation>
    </message>
    <message>
        <source>ideal</source>
        <extracomment>Activities taken as the concentrations.</extracomment>
        <translation>ideales</translation>
    </message>
    <message>
        <source>Davies</source>
        <extracomment>Activity coefficients by the Davies equation.</extracomment>
        <translation>Davies</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>Actividades</translation>
    </message>
    <message>
        <source>Davies: activity coefficients from the ionic strength, good up to about 0.5 mol/L</source>
        <translation>Davies: coeficientes de actividad a partir de la fuerza iónica, válidos hasta unos 0,5 mol/L</translation>
    </message>
    <message>
        <source>Activitie&amp;s</source>
        <translation>Actividad&amp;es</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>the substances listed before</source>
        <extracomment>What the drawings show of the listed substances while a field of theirs is not fine.</extracomment>
        <translation>las demás sustancias como antes</translation>
    </message>
    <message>
        <source>Follo&amp;w the main window</source>
        <translation>&amp;Seguir la ventana principal</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SolutionWindow</name>
    <message>
        <source>Fractions</source>
        <translation>Fracciones</translation>
    </message>
    <message>
        <source>Fractions chart</source>
        <translation>Gráfico de fracciones de las especies</translation>
    </message>
    <message>
        <source>Log c</source>
        <extracomment>The tab of the chart of log c, as its axis names it.</extracomment>
        <translation>Log c</translation>
    </message>
    <message>
        <source>Log-concentration chart</source>
        <translation>Gráfico de log c frente al pH</translation>
    </message>
    <message>
        <source>Titration</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>Titration chart</source>
        <translation>Curva de valoración</translation>
    </message>
    <message>
        <source>Velmora – Solution</source>
        <translation>Velmora – Disolución</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Disolución</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>the solution window&apos;s settings in %1 are not used (%2); it starts with its defaults and remembers nothing</source>
        <translation>no se usa la configuración de la ventana de la disolución en %1 (%2); la ventana empieza con sus valores predeterminados y no recuerda nada</translation>
    </message>
    <message>
        <source>the solution window&apos;s settings could not be written to %1: %2</source>
        <translation>no se pudo escribir la configuración de la ventana de la disolución en %1: %2</translation>
    </message>
    <message>
        <source>&amp;Larger text</source>
        <translation>Texto más &amp;grande</translation>
    </message>
    <message>
        <source>&amp;Smaller text</source>
        <translation>Texto más &amp;pequeño</translation>
    </message>
    <message>
        <source>&amp;Normal text size</source>
        <translation>Tamaño de texto &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Fractions</source>
        <extracomment>The View menu&apos;s entry of the fractions chart, with its mnemonic.</extracomment>
        <translation>&amp;Fracciones</translation>
    </message>
    <message>
        <source>L&amp;og c</source>
        <extracomment>The View menu&apos;s entry of the log c chart, with its mnemonic.</extracomment>
        <translation>L&amp;og c</translation>
    </message>
    <message>
        <source>&amp;Titration</source>
        <extracomment>The View menu&apos;s entry of the titration chart, with its mnemonic.</extracomment>
        <translation>&amp;Valoración</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Show &amp;inputs</source>
        <translation>&amp;Mostrar los datos de entrada</translation>
    </message>
    <message>
        <source>Buffer</source>
        <extracomment>The tab of the buffer-capacity chart.</extracomment>
        <translation>Tampón</translation>
    </message>
    <message>
        <source>Buffer-capacity chart</source>
        <translation>Gráfico de la capacidad tampón</translation>
    </message>
    <message>
        <source>&amp;Buffer capacity</source>
        <extracomment>The View menu&apos;s entry of the buffer-capacity chart, with its mnemonic.</extracomment>
        <translation>Capacidad &amp;tampón</translation>
    </message>
    <message>
        <source>Derivative</source>
        <extracomment>The tab of the chart of the titration curve&apos;s slope, dpH/dV.</extracomment>
        <translation>Derivada</translation>
    </message>
    <message>
        <source>Derivative chart</source>
        <translation>Gráfico de la derivada</translation>
    </message>
    <message>
        <source>&amp;Derivative</source>
        <extracomment>The View menu&apos;s entry of the derivative chart, with its mnemonic.</extracomment>
        <translation>&amp;Derivada</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Arc&amp;hivo</translation>
    </message>
    <message>
        <source>Gran</source>
        <extracomment>The tab of Gran&apos;s plot of a measured titration.</extracomment>
        <translation>Gran</translation>
    </message>
    <message>
        <source>Gran plot</source>
        <translation>Gráfico de Gran</translation>
    </message>
    <message>
        <source>&amp;Gran plot</source>
        <extracomment>The View menu&apos;s entry of Gran&apos;s plot, with its mnemonic.</extracomment>
        <translation>Gráfico de G&amp;ran</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SpeciesText</name>
    <message>
        <source>as %1</source>
        <translation>como %1</translation>
    </message>
    <message>
        <source>%1 mol/L %2: pH %3 · %4 mol/L</source>
        <extracomment>The solution line under the drawing: &quot;0.1 mol/L as H₃A: pH 1.62 · H₃A 0.0760, H₂A⁻ 0.0240, … mol/L&quot;. %1 is the concentration, %2 what was dissolved (&quot;as H₃A&quot;), %3 the pH and %4 the species with their concentrations.</extracomment>
        <translation>%1 mol/L %2: pH %3 · %4 mol/L</translation>
    </message>
    <message>
        <source>%1 mL (pH %2)</source>
        <extracomment>One equivalence point in the titration line: %1 the volume in mL, %2 the pH.</extracomment>
        <translation>%1 mL (pH %2)</translation>
    </message>
    <message>
        <source>%1 mL of %2 mol/L %3 with %4 mol/L %5 · no equivalence point</source>
        <extracomment>The titration line when the titrant reaches no equivalence point: &quot;25 mL of 0.1 mol/L CH₃COO⁻ with 0.1 mol/L NaOH · no equivalence point&quot;.</extracomment>
        <translation>%1 mL de %3 %2 mol/L con %5 %4 mol/L · sin punto de equivalencia</translation>
    </message>
    <message>
        <source>%1 mL of %2 mol/L %3 with %4 mol/L %5 · equivalence at %6</source>
        <extracomment>The titration line under the drawing: &quot;25 mL of 0.1 mol/L CH₃COOH with 0.1 mol/L NaOH · equivalence at 25.00 mL (pH 8.73)&quot;. %1 the sample&apos;s volume, %2 its concentration, %3 what was dissolved, %4 the titrant&apos;s concentration, %5 the titrant, %6 the equivalence points.</extracomment>
        <translation>%1 mL de %3 %2 mol/L con %5 %4 mol/L · equivalencia en %6</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SubstanceChooser</name>
    <message>
        <source>Add from library</source>
        <translation>Añadir de la biblioteca</translation>
    </message>
    <message>
        <source>Name or key, e.g. acetic</source>
        <translation>Nombre o clave, p. ej. acético</translation>
    </message>
    <message>
        <source>Find a substance</source>
        <translation>Buscar una sustancia</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Substances of the library</source>
        <translation>Sustancias de la biblioteca</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An entry of the library&apos;s list: the substance&apos;s name and its key (&quot;Acetic acid (acetic)&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The solution holds as many acid-base systems as it can.</source>
        <translation>La disolución ya contiene todos los sistemas ácido-base que admite.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SubstanceListView</name>
    <message>
        <source>Base with typed pKb</source>
        <translation>Base con pKb propios</translation>
    </message>
    <message>
        <source>Acid with typed pKa</source>
        <translation>Ácido con pKa propios</translation>
    </message>
    <message>
        <source>Further substances</source>
        <translation>Otras sustancias</translation>
    </message>
    <message>
        <source>Add fro&amp;m library…</source>
        <translation>To&amp;mar de la biblioteca…</translation>
    </message>
    <message>
        <source>Add a substance from the library</source>
        <translation>Añadir una sustancia de la biblioteca</translation>
    </message>
    <message>
        <source>Add t&amp;yped</source>
        <translation>Sistema &amp;propio</translation>
    </message>
    <message>
        <source>Add a system with typed constants</source>
        <translation>Añadir un sistema con constantes tecleadas</translation>
    </message>
    <message>
        <source>A weak acid or base with pKa or pKb values you type</source>
        <translation>Un ácido o una base débil con los valores de pKa o pKb que teclee</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>The Remove button of a listed substance, for screen readers: &quot;Remove Acetic acid&quot;.</extracomment>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>pKa of the acid</source>
        <translation>pKa del ácido</translation>
    </message>
    <message>
        <source>pKb of the base</source>
        <translation>pKb de la base</translation>
    </message>
    <message>
        <source>Constants given as</source>
        <translation>Constantes dadas como</translation>
    </message>
    <message>
        <source>Typed constants</source>
        <translation>Constantes tecleadas</translation>
    </message>
    <message>
        <source>Values separated by semicolons: 2.15; 7.2; 12.35</source>
        <extracomment>The typed constants&apos; field: values separated by semicolons.</extracomment>
        <translation>Valores separados por punto y coma: 2,15; 7,2; 12,35</translation>
    </message>
    <message>
        <source>Concentration of %1 in mol/L</source>
        <translation>Concentración de %1 en mol/L</translation>
    </message>
    <message>
        <source>Concentration (mol/L)</source>
        <translation>Concentración (mol/L)</translation>
    </message>
    <message>
        <source>Species of %1 dissolved</source>
        <translation>Especie disuelta de %1</translation>
    </message>
    <message>
        <source>Dissolved</source>
        <translation>Disuelto</translation>
    </message>
    <message>
        <source>%1, strong acid</source>
        <extracomment>A listed strong acid: &quot;HCl, strong acid&quot;.</extracomment>
        <translation>%1, ácido fuerte</translation>
    </message>
    <message>
        <source>%1, strong base</source>
        <translation>%1, base fuerte</translation>
    </message>
    <message>
        <source>%1, inert salt</source>
        <extracomment>A listed salt that takes no part in the acid-base reactions: &quot;NaCl, inert salt&quot;.</extracomment>
        <translation>%1, sal inerte</translation>
    </message>
    <message>
        <source>as the base</source>
        <extracomment>A base with typed constants is dissolved as the base itself.</extracomment>
        <translation>como la propia base</translation>
    </message>
</context>
<context>
    <name>velmora::ui::TheoryDocument</name>
    <message>
        <source>the theory document</source>
        <extracomment>Takes the place of %1 in &quot;The desktop could not open %1.&quot;</extracomment>
        <translation>el documento de teoría</translation>
    </message>
    <message>
        <source>The theory document %1 was not found.

Looked in:
%2</source>
        <translation>No se encontró el documento de teoría %1.

Se buscó en:
%2</translation>
    </message>
    <message>
        <source>Its edition in your language, %1, was looked for there too.</source>
        <extracomment>Follows the list of folders where the theory document was not found; %1 is the document&apos;s file name in the user&apos;s language.</extracomment>
        <translation>También se buscó allí la edición en su idioma, %1.</translation>
    </message>
</context>
<context>
    <name>velmora::ui::TypedNumber</name>
    <message>
        <source>is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>write decimals with a point</source>
        <translation>escriba los decimales con punto</translation>
    </message>
    <message>
        <source>write the number without group separators or blanks</source>
        <translation>escriba el número sin separadores de miles ni espacios</translation>
    </message>
    <message>
        <source>is ambiguous: write %1 or %2</source>
        <translation>es ambiguo: escriba %1 o %2</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>has more than %1 decimals</source>
        <translation>tiene más de %1 decimales</translation>
    </message>
</context>
</TS>
