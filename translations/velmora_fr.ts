<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>velmora::app::CommandLine</name>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>Writes the diagram (or the chart --plot names) to FILE: .png, .svg or .pdf for the picture, .csv for its data.</source>
        <translation>Écrit le diagramme (ou celui que choisit --plot) dans FICHIER&#xa0;: .png, .svg ou .pdf pour l’image, .csv pour ses données.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --export, as its description names it.</extracomment>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>One to four comma-separated pKa values from 0 to 14, not decreasing (default %1); for --solve and the solution&apos;s charts one to six from -5 to 25.</source>
        <translation>Une à quatre valeurs de pKa séparées par des virgules, de 0 à 14, non décroissantes (par défaut %1)&#xa0;; pour --solve et les diagrammes de la solution, une à six, de -5 à 25.</translation>
    </message>
    <message>
        <source>LIST</source>
        <extracomment>The value of --pka and --names: a comma-separated list.</extracomment>
        <translation>LISTE</translation>
    </message>
    <message>
        <source>PNG only: whole-number magnification 1 to 8 (default 1).</source>
        <translation>PNG uniquement&#xa0;: agrandissement entier de 1 à 8 (par défaut 1).</translation>
    </message>
    <message>
        <source>CSV only: pH step from 0.001 to 1 (default 0.1); for --plot titration the volume step, 0.001 mL to the end volume (default 0.05), at most a million rows.</source>
        <translation>CSV uniquement&#xa0;: le pas de pH, de 0.001 à 1 (par défaut 0.1)&#xa0;; pour --plot titration, le pas de volume, de 0.001 mL au volume final (par défaut 0.05), au plus un million de lignes.</translation>
    </message>
    <message>
        <source>Uses an example acid with its literature values and formulas instead of --pka (see --list-presets).</source>
        <translation>Utilise un exemple d’acide, avec ses valeurs tirées de la littérature et ses formules, au lieu de --pka (voir --list-presets).</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>The value of --preset: the name of an example acid as --list-presets shows it.</extracomment>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Lists the example acids that --preset takes.</source>
        <translation>Liste les exemples d’acides que --preset accepte.</translation>
    </message>
    <message>
        <source>Opens the solution window beside the main window (no other option).</source>
        <translation>Ouvre la fenêtre de la solution à côté de la fenêtre principale (sans autre option).</translation>
    </message>
    <message>
        <source>--solution opens the window and takes no other option</source>
        <translation>--solution ouvre la fenêtre et n’accepte aucune autre option</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--solve: use either --solve or --export, not both</source>
        <translation>--solve: utiliser soit --solve, soit --export, pas les deux</translation>
    </message>
    <message>
        <source>--export: no file name given</source>
        <translation>--export: aucun nom de fichier indiqué</translation>
    </message>
    <message>
        <source>--export: unknown file type of &apos;%1&apos; (use .png, .svg, .pdf or .csv)</source>
        <translation>--export: type de fichier de «&#xa0;%1&#xa0;» inconnu (utiliser .png, .svg, .pdf ou .csv)</translation>
    </message>
    <message>
        <source>--scale applies to .png only</source>
        <translation>--scale ne s’applique qu’à .png</translation>
    </message>
    <message>
        <source>--step applies to .csv only</source>
        <translation>--step ne s’applique qu’à .csv</translation>
    </message>
    <message>
        <source>--preset applies to --plot main only</source>
        <translation>--preset ne s’applique qu’à --plot main</translation>
    </message>
    <message>
        <source>--preset: use either --preset or --pka, not both</source>
        <translation>--preset: utiliser soit --preset, soit --pka, pas les deux</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d’écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>warning: the diagram&apos;s font %1 is missing and no installed font stands in for it; the texts in %2 show as empty boxes</source>
        <translation>avertissement&#xa0;: la police %1 du diagramme est absente et aucune police installée ne la remplace&#xa0;; les textes de %2 apparaissent comme des rectangles vides</translation>
    </message>
    <message>
        <source>cannot open a window: no display (set DISPLAY or WAYLAND_DISPLAY, or use --export)</source>
        <translation>impossible d’ouvrir une fenêtre&#xa0;: aucun affichage graphique (définir DISPLAY ou WAYLAND_DISPLAY, ou utiliser --export)</translation>
    </message>
    <message>
        <source>cannot load the window: not found in %1 or %2</source>
        <extracomment>%1 and %2 are the two places the window module is looked for in.</extracomment>
        <translation>impossible de charger la fenêtre&#xa0;: introuvable ni dans %1 ni dans %2</translation>
    </message>
    <message>
        <source>cannot load the window: %1</source>
        <translation>impossible de charger la fenêtre&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot open a window: no display could be opened (set DISPLAY or WAYLAND_DISPLAY, or use --export)</source>
        <translation>impossible d’ouvrir une fenêtre&#xa0;: aucun affichage graphique n’a pu être ouvert (définir DISPLAY ou WAYLAND_DISPLAY, ou utiliser --export)</translation>
    </message>
    <message>
        <source>cannot open a window: no display could be opened: %1 (set DISPLAY or WAYLAND_DISPLAY, or use --export)</source>
        <translation>impossible d’ouvrir une fenêtre&#xa0;: aucun affichage graphique n’a pu être ouvert&#xa0;: %1 (définir DISPLAY ou WAYLAND_DISPLAY, ou utiliser --export)</translation>
    </message>
    <message>
        <source>warning: the diagram&apos;s font %1 is missing and no installed font stands in for it; the texts in %2 keep that font&apos;s name and show in whatever font the viewer has</source>
        <translation>avertissement&#xa0;: la police %1 du diagramme est absente et aucune police installée ne la remplace&#xa0;; les textes de %2 gardent le nom de cette police et s’affichent dans la police dont dispose la visionneuse</translation>
    </message>
    <message>
        <source>--pka %1 was read as two values, %2 and %3; write decimals with a point: %4</source>
        <extracomment>The user&apos;s locale writes decimals with a comma: &quot;--pka 9,25 was read as two values, 9 and 25; write decimals with a point: 9.25&quot;. Keep the option and the point as they are.</extracomment>
        <translation>--pka %1 a été lu comme deux valeurs, %2 et %3&#xa0;; écrivez les décimales avec un point&#xa0;: %4</translation>
    </message>
    <message>
        <source>--pka %1 was read as %2 values: %3; write decimals with a point</source>
        <extracomment>The user&apos;s locale writes decimals with a comma: &quot;--pka 2,7,12 was read as 3 values: 2, 7, 12; write decimals with a point&quot;. Keep the option and the point as they are.</extracomment>
        <translation>--pka %1 a été lu comme %2 valeurs&#xa0;: %3&#xa0;; écrivez les décimales avec un point</translation>
    </message>
    <message>
        <source>Lists the acids, bases and salts that --add and --titrant take by their key.</source>
        <translation>Liste les acides, bases et sels que --add et --titrant acceptent par leur clé.</translation>
    </message>
    <message>
        <source>%1 %2: %3 was read as two values, %4 and %5; write decimals with a point: %6</source>
        <extracomment>The user&apos;s locale writes decimals with a comma: &quot;--add 0.1:9,25: 9,25 was read as two values, 9 and 25; write decimals with a point: 9.25&quot;. Keep the point.</extracomment>
        <translation>%1 %2&#xa0;: %3 a été lu comme deux valeurs, %4 et %5&#xa0;; écrivez les décimales avec un point&#xa0;: %6</translation>
    </message>
    <message>
        <source>%1 %2: %3 was read as %4 values: %5; write decimals with a point</source>
        <extracomment>As &quot;--add 0.1:2,7,12: 2,7,12 was read as 3 values: 2, 7, 12; write decimals with a point&quot;.</extracomment>
        <translation>%1 %2&#xa0;: %3 a été lu comme %4 valeurs&#xa0;: %5&#xa0;; écrivez les décimales avec un point</translation>
    </message>
    <message>
        <source>--data applies to --export with --plot measured, gran or derivative only</source>
        <translation>--data ne s’applique qu’à --export avec --plot measured, gran ou derivative</translation>
    </message>
    <message>
        <source>%1: use either %1 or --export, not both</source>
        <translation>%1: utiliser soit %1, soit --export, pas les deux</translation>
    </message>
    <message>
        <source>%1: use either %1 or --solve, not both</source>
        <translation>%1: utiliser soit %1, soit --solve, pas les deux</translation>
    </message>
    <message>
        <source>--plot measured needs the measured titration: --data FILE</source>
        <translation>--plot measured a besoin du titrage mesuré&#xa0;: --data FILE</translation>
    </message>
    <message>
        <source>Distribution diagrams of mono- to tetraprotic acids; the pH, log-concentration diagram and titration curve of an acid&apos;s solution.
Without options the window opens; with --export a drawing or its data is written to a file, with --solve a solution&apos;s pH and species are printed, with --fit and --endpoints a measured titration is fitted or its end points are found, and no display is needed.</source>
        <translation>Diagrammes de distribution des acides mono- à tétraprotiques&#xa0;; le pH, le diagramme log c et la courbe de titrage de la solution d’un acide.
Sans option, la fenêtre s’ouvre&#xa0;; avec --export, un dessin ou ses données sont écrits dans un fichier, avec --solve, le pH et les espèces d’une solution sont affichés, avec --fit et --endpoints, un titrage mesuré est ajusté ou ses points d’équivalence sont trouvés, et aucun écran n’est nécessaire.</translation>
    </message>
    <message>
        <source>--preset: unknown acid &apos;%1&apos;; the example acids are %2</source>
        <extracomment>%2 lists the names --preset takes: &quot;acetic, oxalic, ...&quot;.</extracomment>
        <translation>--preset: acide inconnu «&#xa0;%1&#xa0;»&#xa0;; les exemples d’acides sont %2</translation>
    </message>
</context>
<context>
    <name>velmora::app::MeasuredOptions</name>
    <message>
        <source>--vary applies to --fit and --plot measured only</source>
        <translation>--vary ne s’applique qu’à --fit et --plot measured</translation>
    </message>
    <message>
        <source>Fits the titration of the sample (--pka or --add, with --volume, --titrant, --activity and --temperature as the starting guess) to the measured titration in FILE and prints each fitted value with its standard error, the residual standard deviation s in pH, the points used n and the parameters&apos; correlations.</source>
        <translation>Ajuste le titrage de l’échantillon (--pka ou --add, avec --volume, --titrant, --activity et --temperature comme valeurs de départ) au titrage mesuré dans FICHIER et affiche chaque valeur ajustée avec son écart-type, l’écart-type résiduel s en pH, le nombre n de points utilisés et les corrélations des paramètres.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --fit, --endpoints and --data, as their descriptions name it.</extracomment>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Prints the end points of the measured titration in FILE by the first and second derivative and by Gran&apos;s method (with --volume, the sample&apos;s volume).</source>
        <translation>Affiche les points d’équivalence du titrage mesuré dans FICHIER par la dérivée première et seconde et par la méthode de Gran (avec --volume, le volume de l’échantillon).</translation>
    </message>
    <message>
        <source>With --export and --plot measured (the measured points over the sample&apos;s titration, fitted where --vary is given), gran or derivative: the measured titration in FILE.</source>
        <translation>Avec --export et --plot measured (les points mesurés sur le titrage de l’échantillon, ajusté si --vary est donné), gran ou derivative&#xa0;: le titrage mesuré dans FICHIER.</translation>
    </message>
    <message>
        <source>The parameters --fit fits: conc, pka1 (pkb1 for a base given by pKb), conc:2 and pka1:2 for the second substance, strong, titrant, offset (default: the sample&apos;s concentration and every pKa within the measured pH range).</source>
        <translation>Les paramètres que --fit ajuste&#xa0;: conc, pka1 (pkb1 pour une base donnée par ses pKb), conc:2 et pka1:2 pour la deuxième substance, strong, titrant, offset (par défaut&#xa0;: la concentration de l’échantillon et chaque pKa compris dans le domaine de pH mesuré).</translation>
    </message>
    <message>
        <source>LIST</source>
        <extracomment>The value of --vary: a comma-separated list.</extracomment>
        <translation>LISTE</translation>
    </message>
    <message>
        <source>The measured file&apos;s volume and pH columns, by header name or 1-based position (V,pH or 2,3), where its headers do not say.</source>
        <translation>Les colonnes du volume et du pH du fichier mesuré, par nom d’en-tête ou par position à partir de 1 (V,pH ou 2,3), quand ses en-têtes ne le disent pas.</translation>
    </message>
    <message>
        <source>%1: use either %1 or %2, not both</source>
        <extracomment>%1 and %2 are two of --fit, --endpoints and --data.</extracomment>
        <translation>%1: utiliser soit %1, soit %2, pas les deux</translation>
    </message>
    <message>
        <source>%1: no file name given</source>
        <translation>%1: aucun nom de fichier indiqué</translation>
    </message>
    <message>
        <source>--columns applies to --fit, --endpoints and --data only</source>
        <translation>--columns ne s’applique qu’à --fit, --endpoints et --data</translation>
    </message>
    <message>
        <source>--columns: &apos;%1&apos; is not V,PH: the volume&apos;s and the pH&apos;s column, each a header name or a position from 1</source>
        <extracomment>Keep V,PH as it is: it stands for the two columns&apos; names or positions.</extracomment>
        <translation>--columns: «&#xa0;%1&#xa0;» n’est pas V,PH&#xa0;: la colonne du volume et celle du pH, chacune un nom d’en-tête ou une position à partir de 1</translation>
    </message>
    <message>
        <source>%1: %2: %3</source>
        <extracomment>%1 is the option, %2 the parameter&apos;s name as given, %3 what is wrong with it.</extracomment>
        <translation>%1&#xa0;: %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>velmora::app::MeasuredWork</name>
    <message>
        <source>%1: &apos;%2&apos;: %3</source>
        <extracomment>%1 is the option, %2 the file&apos;s name, %3 what is wrong (&quot;line 7: ...&quot; where on a line).</extracomment>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>--endpoints: &apos;%1&apos;: no end point found: the pH has no jump that stands out</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>--endpoints: «&#xa0;%1&#xa0;»&#xa0;: aucun point d’équivalence trouvé&#xa0;: le pH n’a pas de saut qui se détache</translation>
    </message>
</context>
<context>
    <name>velmora::app::OptionValue</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1: «&#xa0;%2&#xa0;» n’est pas un nombre</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a whole number</source>
        <translation>%1: «&#xa0;%2&#xa0;» n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>A value out of range: %1 is the option, %2 the value given, %3 the problem with it.</extracomment>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 apparaît plus d’une fois</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a whole number from %3 to %4</source>
        <extracomment>%1 is the option, %2 the value given, %3 and %4 the least and the greatest allowed.</extracomment>
        <translation>%1: «&#xa0;%2&#xa0;» n’est pas un nombre entier de %3 à %4</translation>
    </message>
    <message>
        <source>%1: at most %2 values, got %3</source>
        <translation>%1: au plus %2 valeurs, et non %3</translation>
    </message>
    <message>
        <source>%1: value %2 is 0, which marks an absent constant</source>
        <extracomment>%2 counts the values from 1.</extracomment>
        <translation>%1: la valeur n°&#xa0;%2 vaut 0, ce qui désigne une constante absente</translation>
    </message>
    <message>
        <source>%1: values must not decrease (%2 after %3)</source>
        <translation>%1: les valeurs ne doivent pas décroître (%2 après %3)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not UTF-8 text</source>
        <translation>%1: «&#xa0;%2&#xa0;» n’est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>%1: %2 is out of range (%3 to %4)</source>
        <extracomment>%1 is the option, %2 the value given, %3 and %4 the least and the greatest allowed.</extracomment>
        <translation>%1: %2 est hors limites (%3 à %4)</translation>
    </message>
    <message>
        <source>%1 is only used with --export</source>
        <translation>%1 ne s’emploie qu’avec --export</translation>
    </message>
</context>
<context>
    <name>velmora::app::SolutionOptions</name>
    <message>
        <source>KIND</source>
        <extracomment>The value of --plot: which chart.</extracomment>
        <translation>TYPE</translation>
    </message>
    <message>
        <source>Charge of the fully protonated acid, -6 to 6 (default 0; 1 for NH4+).</source>
        <translation>Charge de l’acide entièrement protoné, de -6 à 6 (par défaut 0&#xa0;; 1 pour NH4+).</translation>
    </message>
    <message>
        <source>The species the acid is dissolved as: 0 (the acid itself, default) to n (its salt without protons), with Na+ or Cl- as counter-ions.</source>
        <translation>L’espèce sous la forme de laquelle l’acide est dissous&#xa0;: de 0 (l’acide lui-même, par défaut) à n (son sel sans protons), avec Na+ ou Cl- comme contre-ions.</translation>
    </message>
    <message>
        <source>Strong base added (as NaOH), 0 to 10 mol/L (default 0).</source>
        <translation>Base forte ajoutée (sous forme de NaOH), de 0 à 10 mol/L (par défaut 0).</translation>
    </message>
    <message>
        <source>Strong acid added (as HCl), 0 to 10 mol/L (default 0).</source>
        <translation>Acide fort ajouté (sous forme de HCl), de 0 à 10 mol/L (par défaut 0).</translation>
    </message>
    <message>
        <source>The species&apos; formulas, n + 1 of them comma-separated, fully protonated first; charges after a caret (H2PO4^-,HPO4^2-).</source>
        <translation>Les formules des espèces, n + 1 séparées par des virgules, la forme entièrement protonée en premier&#xa0;; les charges après le signe ^ (H2PO4^-,HPO4^2-).</translation>
    </message>
    <message>
        <source>LIST</source>
        <extracomment>The value of --names: a comma-separated list.</extracomment>
        <translation>LISTE</translation>
    </message>
    <message>
        <source>A chart&apos;s size in pixels, 320x200 to 4096x4096 (default 960x600).</source>
        <translation>Taille d’un diagramme en pixels, de 320x200 à 4096x4096 (par défaut 960x600).</translation>
    </message>
    <message>
        <source>%1 is only used with --export or --solve</source>
        <translation>%1 ne s’emploie qu’avec --export ou --solve</translation>
    </message>
    <message>
        <source>--solve needs the acid&apos;s constants: --pka LIST</source>
        <translation>--solve a besoin des constantes de l’acide&#xa0;: --pka LISTE</translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not WIDTHxHEIGHT in pixels (such as 960x600)</source>
        <translation>--size: «&#xa0;%1&#xa0;» n’est pas de la forme LARGEURxHAUTEUR en pixels (par exemple 960x600)</translation>
    </message>
    <message>
        <source>--size: %1 is out of range (320x200 to 4096x4096)</source>
        <translation>--size: %1 est hors limites (320x200 à 4096x4096)</translation>
    </message>
    <message>
        <source>--scale: %1x%2 at %3 would be more than %4 pixels a side</source>
        <translation>--scale: %1x%2 multiplié par %3 dépasserait %4 pixels de côté</translation>
    </message>
    <message>
        <source>--to: the default end volume %1 mL %2; give --to</source>
        <extracomment>%1 is the volume, %2 the problem with it (&quot;must be from 0.001 to 100000 mL&quot;).</extracomment>
        <translation>--to: le volume final par défaut, %1 mL, %2&#xa0;; indiquer --to</translation>
    </message>
    <message>
        <source>--step: %1 is out of range (0.001 to %2 mL, the end volume)</source>
        <translation>--step: %1 est hors limites (0.001 à %2 mL, le volume final)</translation>
    </message>
    <message>
        <source>--step: a step of %1 mL up to %2 mL gives %3 rows, more than %4; give a larger --step or a smaller --to</source>
        <extracomment>%1 is the step in mL, %2 the end volume in mL, %3 the rows it would give, %4 the most.</extracomment>
        <translation>--step: un pas de %1 mL jusqu’à %2 mL donne %3 lignes, plus de %4&#xa0;; indiquer un --step plus grand ou un --to plus petit</translation>
    </message>
    <message>
        <source>--step: the default step of %1 mL up to %2 mL gives %3 rows, more than %4; give a larger --step or a smaller --to</source>
        <translation>--step: le pas par défaut de %1 mL jusqu’à %2 mL donne %3 lignes, plus de %4&#xa0;; indiquer un --step plus grand ou un --to plus petit</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; %3</source>
        <extracomment>%1 is the option, %2 the substance as given, %3 what is wrong with it.</extracomment>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» %3</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos;: %3 %4</source>
        <extracomment>%1 is the option, %2 the substance as given, %3 the part of it that is wrong, %4 why.</extracomment>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;»&#xa0;: %3 %4</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos;: %3</source>
        <extracomment>%1 is the option, %2 the file&apos;s name, %3 what is wrong with it.</extracomment>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>--activity: &apos;%1&apos; is not ideal or davies</source>
        <translation>--activity&#xa0;: «&#xa0;%1&#xa0;» n’est ni ideal ni davies</translation>
    </message>
    <message>
        <source>%1 applies to the acid of --pka; give the mixture&apos;s substances with --add</source>
        <translation>%1 s’applique à l’acide de --pka&#xa0;; indiquez les substances du mélange avec --add</translation>
    </message>
    <message>
        <source>%1: the strong acids or bases in all %2</source>
        <extracomment>%1 is the option, %2 what is wrong with the sum (&quot;must be from 0 to 10 mol/L&quot;).</extracomment>
        <translation>%1&#xa0;: les acides ou bases forts au total&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos;: the solution %3</source>
        <extracomment>%1 is the option, %2 the substance as given, %3 what is wrong with the solution.</extracomment>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;»&#xa0;: la solution %3</translation>
    </message>
    <message>
        <source>the solution %1</source>
        <translation>la solution %1</translation>
    </message>
    <message>
        <source>Adds a substance to the solution, a mixture of up to 8 acid-base systems; repeatable. SUBSTANCE is C:WHAT[:KEY=VALUE]...: C in mol/L (0 to 10), WHAT a key of --list-substances (acetic, sodium-acetate, HCl), pKa values (4.76 or 2.148,7.198,12.319) or pkb=LIST for a base; for typed values charge=Z and as=K.</source>
        <translation>Ajoute une substance à la solution, un mélange d’au plus 8 systèmes acide-base&#xa0;; répétable. SUBSTANCE s’écrit C:WHAT[:KEY=VALUE]...: C en mol/L (de 0 à 10), WHAT une clé de --list-substances (acetic, sodium-acetate, HCl), des valeurs de pKa (4.76 ou 2.148,7.198,12.319) ou pkb=LIST pour une base&#xa0;; pour des valeurs saisies, charge=Z et as=K.</translation>
    </message>
    <message>
        <source>A mixture&apos;s activities: ideal (default) or davies.</source>
        <translation>Les activités d’un mélange&#xa0;: ideal (par défaut) ou davies.</translation>
    </message>
    <message>
        <source>MODEL</source>
        <extracomment>The value of --activity: ideal or davies.</extracomment>
        <translation>MODÈLE</translation>
    </message>
    <message>
        <source>A mixture&apos;s temperature, 0 to 100 °C (default 25).</source>
        <translation>La température d’un mélange, de 0 à 100 °C (par défaut 25).</translation>
    </message>
    <message>
        <source>Reads a mixture (and its titration) from a recipe file (JSON); --add, --activity, --temperature, --volume, --titrant and --to add to it or change it.</source>
        <translation>Lit un mélange (et son titrage) dans un fichier de recette (JSON)&#xa0;; --add, --activity, --temperature, --volume, --titrant et --to le complètent ou le modifient.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --recipe, as its description names it.</extracomment>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Prints the pH of a solution of the acid (--pka) and every species&apos; concentration and share; takes --charge, --conc, --as, --base, --acid and --names. For a mixture (--add, --recipe, --activity, --temperature) every species of every substance, with activities and the ionic strength with --activity davies.</source>
        <translation>Affiche le pH d’une solution de l’acide (--pka) ainsi que la concentration et la part de chaque espèce&#xa0;; accepte --charge, --conc, --as, --base, --acid et --names. Pour un mélange (--add, --recipe, --activity, --temperature), chaque espèce de chaque substance, avec les activités et la force ionique avec --activity davies.</translation>
    </message>
    <message>
        <source>--titrant: &apos;%1&apos; is not base:CT or acid:CT, nor a substance as --add takes it (C:WHAT, such as 0.1:ammonia)</source>
        <extracomment>Keep base:CT, acid:CT and C:WHAT as they are.</extracomment>
        <translation>--titrant&#xa0;: «&#xa0;%1&#xa0;» n’est ni base:CT ni acid:CT, ni une substance telle que --add l’accepte (C:WHAT, comme 0.1:ammonia)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos;: %3 is not a number; write decimals with a point: %4</source>
        <extracomment>%1 is the option, %2 the substance as given, %3 a number written with a decimal comma, %4 the same with a point. Keep the point.</extracomment>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;»&#xa0;: %3 n’est pas un nombre&#xa0;; écrivez les décimales avec un point&#xa0;: %4</translation>
    </message>
    <message>
        <source>%1 applies to --plot titration or derivative only</source>
        <translation>%1 ne s’applique qu’à --plot titration ou derivative</translation>
    </message>
    <message>
        <source>Total concentration of the acid, 1e-10 to 10 mol/L (default 0.1). Given, the fractions, logc and buffer charts mark the solution&apos;s pH.</source>
        <translation>Concentration totale de l’acide, de 1e-10 à 10 mol/L (par défaut 0.1). Si elle est indiquée, les diagrammes fractions, logc et buffer marquent le pH de la solution.</translation>
    </message>
    <message>
        <source>Titration and derivative: the sample&apos;s volume, 0.1 to 1000 mL (default 25).</source>
        <translation>Titrage et dérivée&#xa0;: le volume de la prise d’essai, de 0.1 à 1000 mL (par défaut 25).</translation>
    </message>
    <message>
        <source>Titration and derivative: base:CT or acid:CT, a strong base or acid of CT mol/L, 1e-6 to 10 (default base:0.1), or any substance as --add takes it (0.1:ammonia).</source>
        <translation>Titrage et dérivée&#xa0;: base:CT ou acid:CT, une base ou un acide fort à CT mol/L, de 1e-6 à 10 (par défaut base:0.1), ou toute substance telle que --add l’accepte (0.1:ammonia).</translation>
    </message>
    <message>
        <source>Titration and derivative: the last volume added, 0.001 to 100000 mL (default 20 % past the last equivalence point the titrant reaches).</source>
        <translation>Titrage et dérivée&#xa0;: le dernier volume versé, de 0.001 à 100000 mL (par défaut 20&#xa0;% au-delà du dernier point d’équivalence qu’atteint la solution titrante).</translation>
    </message>
    <message>
        <source>%1 applies to --plot fractions, logc, titration, buffer or derivative only</source>
        <translation>%1 ne s’applique qu’à --plot fractions, logc, titration, buffer ou derivative</translation>
    </message>
    <message>
        <source>%1 needs the sample the data were measured on: --pka LIST, --add SUBSTANCE or --recipe FILE</source>
        <extracomment>%1 is --fit or --data. Keep the options as they are.</extracomment>
        <translation>%1 a besoin de l’échantillon sur lequel les données ont été mesurées&#xa0;: --pka LIST, --add SUBSTANCE ou --recipe FILE</translation>
    </message>
    <message>
        <source>%1 does not apply to --endpoints (only --volume, --columns)</source>
        <extracomment>%1 is an option that --endpoints does not take.</extracomment>
        <translation>%1 ne s’applique pas à --endpoints (seulement --volume, --columns)</translation>
    </message>
    <message>
        <source>With --export: main (the distribution diagram, default), fractions, logc, titration, buffer (the buffer capacity against pH), derivative (the titration curve&apos;s slope dpH/dV), gran (Gran&apos;s plot) or measured (the measured points of --data over the titration). These take --pka with 1 to 6 values, the solution&apos;s options and --size.</source>
        <translation>Avec --export&#xa0;: main (le diagramme de distribution, par défaut), fractions, logc, titration, buffer (le pouvoir tampon en fonction du pH), derivative (la pente dpH/dV de la courbe de titrage), gran (le diagramme de Gran) ou measured (les points mesurés de --data sur le titrage). Ceux-ci acceptent --pka avec 1 à 6 valeurs, les options de la solution et --size.</translation>
    </message>
    <message>
        <source>--plot: unknown kind &apos;%1&apos; (use main, fractions, logc, titration, buffer, derivative, gran or measured)</source>
        <translation>--plot: type inconnu «&#xa0;%1&#xa0;» (utiliser main, fractions, logc, titration, buffer, derivative, gran ou measured)</translation>
    </message>
</context>
<context>
    <name>velmora::diagram::Encode</name>
    <message>
        <source>a drawing is not a table</source>
        <translation>un dessin n’est pas un tableau</translation>
    </message>
    <message>
        <source>the drawing could not be encoded</source>
        <translation>le dessin n’a pas pu être encodé</translation>
    </message>
</context>
<context>
    <name>velmora::io::AtomicFile</name>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>c’est un tube nommé (FIFO), pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a character device, not a regular file</source>
        <translation>c’est un périphérique en mode caractère, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a block device, not a regular file</source>
        <translation>c’est un périphérique en mode bloc, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>c’est un socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a special file, not a regular file</source>
        <translation>c’est un fichier spécial, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 (the link leads to %2)</source>
        <translation>%1 (le lien mène à %2)</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>aucun nom de fichier indiqué</translation>
    </message>
</context>
<context>
    <name>velmora::io::MeasurementFile</name>
    <message>
        <source>it is larger than %1 MiB, too large for a measured titration</source>
        <extracomment>%1 is the largest size of a measured-titration file the program reads, in MiB.</extracomment>
        <translation>il dépasse %1&#xa0;Mio, trop pour un titrage mesuré</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>A problem on one line of a measured-titration file: %1 the line (from 1), %2 the problem.</extracomment>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>velmora::io::RecipeFile</name>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where in a recipe file a problem lies: %1 the line, %2 the column, both from 1.</extracomment>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1: unknown field</source>
        <extracomment>A field of a recipe file that the program does not know.</extracomment>
        <translation>%1&#xa0;: champ inconnu</translation>
    </message>
    <message>
        <source>%1: must be an object with &quot;conc&quot; and &quot;substance&quot;, &quot;pka&quot; or &quot;pkb&quot;</source>
        <translation>%1&#xa0;: doit être un objet avec &quot;conc&quot; et &quot;substance&quot;, &quot;pka&quot; ou &quot;pkb&quot;</translation>
    </message>
    <message>
        <source>%1: needs &quot;conc&quot;, the concentration in mol/L</source>
        <translation>%1&#xa0;: il faut &quot;conc&quot;, la concentration en mol/L</translation>
    </message>
    <message>
        <source>must be a number from 0 to 10 mol/L</source>
        <translation>doit être un nombre de 0 à 10 mol/L</translation>
    </message>
    <message>
        <source>%1: needs one of &quot;substance&quot;, &quot;pka&quot; or &quot;pkb&quot;</source>
        <translation>%1&#xa0;: il faut un seul de &quot;substance&quot;, &quot;pka&quot; ou &quot;pkb&quot;</translation>
    </message>
    <message>
        <source>must be a list of 1 to 6 numbers from -5 to 25</source>
        <translation>doit être une liste de 1 à 6 nombres de -5 à 25</translation>
    </message>
    <message>
        <source>must be a whole number from -6 to 6</source>
        <translation>doit être un nombre entier de -6 à 6</translation>
    </message>
    <message>
        <source>%1: does not apply to a base given by &quot;pkb&quot;, which is dissolved as the base</source>
        <translation>%1&#xa0;: ne s’applique pas à une base donnée par &quot;pkb&quot;, qui est dissoute telle quelle</translation>
    </message>
    <message>
        <source>must be a species index from 0 to %1</source>
        <extracomment>%1 is the number of constants, the last species.</extracomment>
        <translation>doit être un numéro d’espèce de 0 à %1</translation>
    </message>
    <message>
        <source>%1: applies to &quot;pka&quot; and &quot;pkb&quot; only, not to a substance of the library</source>
        <translation>%1&#xa0;: ne s’applique qu’à &quot;pka&quot; et &quot;pkb&quot;, pas à une substance de la bibliothèque</translation>
    </message>
    <message>
        <source>%1: must be the key of a substance of the library</source>
        <translation>%1&#xa0;: doit être la clé d’une substance de la bibliothèque</translation>
    </message>
    <message>
        <source>%1: must be an object</source>
        <translation>%1&#xa0;: doit être un objet</translation>
    </message>
    <message>
        <source>must be a number from 0.1 to 1000 mL</source>
        <translation>doit être un nombre de 0.1 à 1000 mL</translation>
    </message>
    <message>
        <source>must be a number from 0.001 to 100000 mL</source>
        <translation>doit être un nombre de 0.001 à 100000 mL</translation>
    </message>
    <message>
        <source>must be a number from 0 to 100 °C</source>
        <translation>doit être un nombre de 0 à 100 °C</translation>
    </message>
    <message>
        <source>activity: must be &quot;ideal&quot; or &quot;davies&quot;</source>
        <translation>activity&#xa0;: doit être &quot;ideal&quot; ou &quot;davies&quot;</translation>
    </message>
    <message>
        <source>substances: must be a list of substances</source>
        <translation>substances&#xa0;: doit être une liste de substances</translation>
    </message>
    <message>
        <source>%1: not UTF-8 text</source>
        <extracomment>%1 is where: &quot;line 2, column 5&quot;.</extracomment>
        <translation>%1&#xa0;: pas du texte UTF-8</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not a recipe: the file must hold one JSON object</source>
        <translation>pas une recette&#xa0;: le fichier doit contenir un objet JSON</translation>
    </message>
    <message>
        <source>not a recipe: &quot;format&quot; must be &quot;%1&quot;</source>
        <translation>pas une recette&#xa0;: &quot;format&quot; doit valoir &quot;%1&quot;</translation>
    </message>
    <message>
        <source>version %1 is not one this program reads (%2)</source>
        <extracomment>%1 is the version given, %2 the one the program reads.</extracomment>
        <translation>ce programme ne lit pas la version %1 (%2)</translation>
    </message>
    <message>
        <source>it is larger than %1 KiB, too large for a recipe</source>
        <translation>il dépasse %1&#xa0;Kio, trop pour une recette</translation>
    </message>
    <message>
        <source>must be a list of %1 formulas, one for each species</source>
        <extracomment>%1 is how many species the constants give.</extracomment>
        <translation>doit être une liste de %1 formules, une par espèce</translation>
    </message>
    <message>
        <source>%1: applies to a weak acid or base only; a salt or a strong acid or base is dissolved as it is</source>
        <translation>%1&#xa0;: ne s’applique qu’à un acide ou une base faible&#xa0;; un sel ou un acide ou une base fort se dissout tel quel</translation>
    </message>
</context>
<context>
    <name>velmora::io::SettingsFile</name>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>il dépasse %1 Mio</translation>
    </message>
</context>
<context>
    <name>velmora::model::Preset</name>
    <message>
        <source>Acetic acid</source>
        <extracomment>The example acids&apos; names and notes show in the plot&apos;s menu and readout and in the help of --list-presets. Keep formulas as written.</extracomment>
        <translation>Acide acétique</translation>
    </message>
    <message>
        <source>Oxalic acid</source>
        <translation>Acide oxalique</translation>
    </message>
    <message>
        <source>Carbonic acid</source>
        <translation>Acide carbonique</translation>
    </message>
    <message>
        <source>The first value is the apparent one that counts dissolved CO2 as H2CO3; the true H2CO3 value is about 3.6.</source>
        <translation>La première valeur est la valeur apparente, qui compte le CO2 dissous comme H2CO3&#xa0;; la vraie valeur de H2CO3 est d’environ 3.6.</translation>
    </message>
    <message>
        <source>Glycine</source>
        <translation>Glycine</translation>
    </message>
    <message>
        <source>HGly is the zwitterion H3N+ CH2 COO-, with no net charge.</source>
        <translation>HGly est le zwitterion H3N+ CH2 COO-, de charge globale nulle.</translation>
    </message>
    <message>
        <source>Phosphoric acid</source>
        <translation>Acide phosphorique</translation>
    </message>
    <message>
        <source>Citric acid</source>
        <translation>Acide citrique</translation>
    </message>
    <message>
        <source>Arsenic acid</source>
        <translation>Acide arsénique</translation>
    </message>
    <message>
        <source>EDTA</source>
        <translation>EDTA</translation>
    </message>
    <message>
        <source>The two further constants of H6Y2+ (about 0.0 and 1.5) are not shown.</source>
        <translation>Les deux autres constantes de H6Y2+ (environ 0.0 et 1.5) ne sont pas représentées.</translation>
    </message>
    <message>
        <source>The second value is the source&apos;s 4.266, rounded.</source>
        <translation>La seconde valeur est le 4.266 de la source, arrondi.</translation>
    </message>
    <message>
        <source>Sulfurous acid</source>
        <translation>Acide sulfureux</translation>
    </message>
    <message>
        <source>The first value is the apparent one that counts dissolved SO2 as H2SO3; the source gives 1.857 and 7.172.</source>
        <translation>La première valeur est la valeur apparente, qui compte le SO2 dissous comme H2SO3&#xa0;; la source donne 1.857 et 7.172.</translation>
    </message>
</context>
<context>
    <name>velmora::model::Problem</name>
    <message>
        <source>needs 1 to 6 values</source>
        <extracomment>The problems of the model are shown beside an input field (&quot;must be from 1e-10 to 10 mol/L&quot;) and on the command line after the option and its value (&quot;--conc: 20 must be from 1e-10 to 10 mol/L&quot;); keep the numbers as they are written.</extracomment>
        <translation>attend de 1 à 6 valeurs</translation>
    </message>
    <message>
        <source>values must be from -5 to 25</source>
        <translation>les valeurs doivent se situer entre -5 et 25</translation>
    </message>
    <message>
        <source>values must be in non-decreasing order</source>
        <translation>les valeurs ne doivent pas décroître</translation>
    </message>
    <message>
        <source>must be a whole number from -6 to 6</source>
        <translation>doit être un nombre entier de -6 à 6</translation>
    </message>
    <message>
        <source>needs %1 names, one per species</source>
        <translation>attend %1 noms, un par espèce</translation>
    </message>
    <message>
        <source>each name needs 1 to 49 characters</source>
        <translation>chaque nom doit compter de 1 à 49 caractères</translation>
    </message>
    <message>
        <source>a name may not start or end with a blank</source>
        <translation>un nom ne peut ni commencer ni finir par un espace</translation>
    </message>
    <message>
        <source>a name may not contain commas or control characters</source>
        <translation>un nom ne peut contenir ni virgule ni caractère de contrôle</translation>
    </message>
    <message>
        <source>must be from 1e-10 to 10 mol/L</source>
        <translation>doit se situer entre 1e-10 et 10 mol/L</translation>
    </message>
    <message>
        <source>must be a species index from 0 to %1</source>
        <translation>doit être un numéro d’espèce de 0 à %1</translation>
    </message>
    <message>
        <source>must be from 0 to 10 mol/L</source>
        <translation>doit se situer entre 0 et 10 mol/L</translation>
    </message>
    <message>
        <source>must be from 0.1 to 1000 mL</source>
        <translation>doit se situer entre 0.1 et 1000 mL</translation>
    </message>
    <message>
        <source>must be from 1e-6 to 10 mol/L</source>
        <translation>doit se situer entre 1e-6 et 10 mol/L</translation>
    </message>
    <message>
        <source>must be from 0.001 to 100000 mL</source>
        <translation>doit se situer entre 0.001 et 100000 mL</translation>
    </message>
    <message>
        <source>a name must be UTF-8 text</source>
        <translation>un nom doit être du texte UTF-8</translation>
    </message>
    <message>
        <source>must be from 0 to 100 °C</source>
        <translation>doit se situer entre 0 et 100 °C</translation>
    </message>
    <message>
        <source>needs no enthalpy or one from -500 to 500 kJ/mol per constant</source>
        <translation>demande une enthalpie de -500 à 500 kJ/mol par constante, ou aucune</translation>
    </message>
    <message>
        <source>may hold at most %1 acid-base systems</source>
        <translation>peut contenir au plus %1 systèmes acide-base</translation>
    </message>
    <message>
        <source>ion charges must be from 1 to 3</source>
        <translation>les charges des ions doivent se situer entre 1 et 3</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>n’est pas un nombre</translation>
    </message>
    <message>
        <source>is not a substance of the library</source>
        <translation>n’est pas une substance de la bibliothèque</translation>
    </message>
    <message>
        <source>is not C:WHAT[:KEY=VALUE]... (such as 0.1:acetic or 0.1:4.76)</source>
        <translation>n’a pas la forme C:WHAT[:KEY=VALUE]... (comme 0.1:acetic ou 0.1:4.76)</translation>
    </message>
    <message>
        <source>is no option of a substance (use charge=Z or as=K)</source>
        <translation>n’est pas une option de substance (utilisez charge=Z ou as=K)</translation>
    </message>
    <message>
        <source>applies to constants typed as numbers only, not to a substance of the library</source>
        <translation>ne s’applique qu’aux constantes saisies en nombres, pas à une substance de la bibliothèque</translation>
    </message>
    <message>
        <source>is given more than once</source>
        <translation>est donné plus d’une fois</translation>
    </message>
    <message>
        <source>does not apply to a base given by pKb, which is dissolved as the base</source>
        <translation>ne s’applique pas à une base donnée par son pKb, qui est dissoute telle quelle</translation>
    </message>
    <message>
        <source>is not a whole number</source>
        <translation>n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>is not in the library</source>
        <translation>ne figure pas dans la bibliothèque</translation>
    </message>
    <message>
        <source>the strong acids add up to more than %1 mol/L</source>
        <translation>les acides forts dépassent au total %1&#xa0;mol/L</translation>
    </message>
    <message>
        <source>the strong bases add up to more than %1 mol/L</source>
        <translation>les bases fortes dépassent au total %1&#xa0;mol/L</translation>
    </message>
    <message>
        <source>applies to a weak acid or base only; a salt or a strong acid or base is dissolved as it is</source>
        <translation>ne s’applique qu’à un acide ou une base faible&#xa0;; un sel ou un acide ou une base fort se dissout tel quel</translation>
    </message>
    <message>
        <source>is not a solution the model takes</source>
        <translation>n’est pas une solution que le programme peut calculer</translation>
    </message>
    <message>
        <source>has its first weak acid or base at less than 1e-10 mol/L, too little for the window&apos;s acid</source>
        <translation>contient son premier acide ou sa première base faible à moins de 1e-10 mol/L, trop peu pour l’acide de la fenêtre</translation>
    </message>
    <message>
        <source>has its first weak acid or base with constants the window&apos;s acid does not take</source>
        <translation>contient son premier acide ou sa première base faible avec des constantes que l’acide de la fenêtre n’accepte pas</translation>
    </message>
    <message>
        <source>has no weak acid or base for the window&apos;s acid</source>
        <translation>ne contient aucun acide ni aucune base faible pour l’acide de la fenêtre</translation>
    </message>
    <message>
        <source>lists more than %1 substances besides the acid</source>
        <translation>contient plus de %1 substances en plus de l’acide</translation>
    </message>
    <message>
        <source>titrates with constants typed as numbers; the window titrates with a substance of the library</source>
        <translation>titre avec des constantes saisies comme nombres&#xa0;; la fenêtre titre avec une substance de la bibliothèque</translation>
    </message>
    <message>
        <source>titrates with a concentration outside 1e-6 to 10 mol/L</source>
        <translation>titre avec une concentration hors de l’intervalle de 1e-6 à 10 mol/L</translation>
    </message>
    <message>
        <source>titrates with a substance the window does not titrate with</source>
        <translation>titre avec une substance que la fenêtre n’utilise pas pour titrer</translation>
    </message>
    <message>
        <source>must give off from 0 to 6 protons completely</source>
        <translation>doit céder complètement de 0 à 6 protons</translation>
    </message>
    <message>
        <source>no column is named &apos;%1&apos; for the volume</source>
        <translation>aucune colonne ne s’appelle «&#xa0;%1&#xa0;» pour le volume</translation>
    </message>
    <message>
        <source>no column is named &apos;%1&apos; for the pH</source>
        <translation>aucune colonne ne s’appelle «&#xa0;%1&#xa0;» pour le pH</translation>
    </message>
    <message>
        <source>there is no row of numbers in it</source>
        <translation>il ne contient aucune ligne de nombres</translation>
    </message>
    <message>
        <source>it has more than %1 rows of data, too many</source>
        <translation>il a plus de %1 lignes de données, c’est trop</translation>
    </message>
    <message>
        <source>there is no column %1: the table has %2</source>
        <translation>il n’y a pas de colonne %1&#xa0;: le tableau en a %2</translation>
    </message>
    <message>
        <source>has %1 columns, no column %2</source>
        <translation>a %1 colonnes, pas de colonne %2</translation>
    </message>
    <message>
        <source>the volume &apos;%1&apos; is not a number</source>
        <translation>le volume «&#xa0;%1&#xa0;» n’est pas un nombre</translation>
    </message>
    <message>
        <source>the pH &apos;%1&apos; is not a number</source>
        <translation>le pH «&#xa0;%1&#xa0;» n’est pas un nombre</translation>
    </message>
    <message>
        <source>the volume %1 mL is negative</source>
        <translation>le volume %1&#xa0;mL est négatif</translation>
    </message>
    <message>
        <source>the volume %1 mL is smaller than the one before (%2 mL)</source>
        <translation>le volume %1&#xa0;mL est inférieur au précédent (%2&#xa0;mL)</translation>
    </message>
    <message>
        <source>the pH %1 lies outside %2 to %3</source>
        <translation>le pH %1 est hors de l’intervalle de %2 à %3</translation>
    </message>
    <message>
        <source>it has %1 different volumes, fewer than the %2 a titration needs</source>
        <translation>il a %1 volumes différents, moins que les %2 qu’il faut à un titrage</translation>
    </message>
    <message>
        <source>the sample has no strong acid or base</source>
        <translation>l’échantillon n’a ni acide ni base forte</translation>
    </message>
    <message>
        <source>not a parameter (conc, pka1, pkb1, conc:2, pka1:2, strong, titrant, offset)</source>
        <translation>n’est pas un paramètre (conc, pka1, pkb1, conc:2, pka1:2, strong, titrant, offset)</translation>
    </message>
    <message>
        <source>the sample has no weak acid or base number %1</source>
        <translation>l’échantillon n’a pas d’acide ni de base faible numéro %1</translation>
    </message>
    <message>
        <source>the base is given by its pKb values: write pkb</source>
        <translation>la base est donnée par ses pKb&#xa0;: écrire pkb</translation>
    </message>
    <message>
        <source>the acid is given by its pKa values: write pka</source>
        <translation>l’acide est donné par ses pKa&#xa0;: écrire pka</translation>
    </message>
    <message>
        <source>the weak acid or base has %1 constants</source>
        <translation>l’acide ou la base faible a %1 constantes</translation>
    </message>
    <message>
        <source>an empty parameter name</source>
        <translation>un nom de paramètre vide</translation>
    </message>
    <message>
        <source>named twice</source>
        <translation>nommé deux fois</translation>
    </message>
    <message>
        <source>names no parameter to fit</source>
        <translation>ne nomme aucun paramètre à ajuster</translation>
    </message>
    <message>
        <source>needs more measured points (%1) than parameters to fit (%2)</source>
        <translation>il faut plus de points mesurés (%1) que de paramètres à ajuster (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be fitted here</source>
        <translation>%1 ne peut pas être ajusté ici</translation>
    </message>
    <message>
        <source>%1: the pKa %2 lies outside the measured pH range %3 to %4, so the data do not determine it</source>
        <translation>%1&#xa0;: le pKa %2 est en dehors du domaine de pH mesuré, de %3 à %4, les données ne le déterminent donc pas</translation>
    </message>
    <message>
        <source>%1 needs a starting value above 0</source>
        <translation>%1 a besoin d’une valeur de départ supérieure à 0</translation>
    </message>
    <message>
        <source>%1 is not determined by the measured data</source>
        <translation>%1 n’est pas déterminé par les données mesurées</translation>
    </message>
    <message>
        <source>the fit did not converge; try other starting values</source>
        <translation>l’ajustement n’a pas convergé&#xa0;; essayer d’autres valeurs de départ</translation>
    </message>
    <message>
        <source>the fit is of another solution than the one shown now</source>
        <translation>l’ajustement porte sur une autre solution que celle affichée</translation>
    </message>
</context>
<context>
    <name>velmora::model::Source</name>
    <message>
        <source>CRC Handbook of Chemistry and Physics, 97th ed., dissociation constants of inorganic acids and bases; 25 °C, I = 0</source>
        <extracomment>Where an acid&apos;s constants come from, shown in the example acids&apos; menu and readout, in --list-presets and --list-substances. Keep book titles, authors and journal names as they are published; &quot;ed.&quot; is the edition, &quot;I&quot; the ionic strength.</extracomment>
        <translation>CRC Handbook of Chemistry and Physics, 97e éd., constantes de dissociation des acides et bases inorganiques&#xa0;; 25 °C, I = 0</translation>
    </message>
    <message>
        <source>CRC Handbook of Chemistry and Physics, 97th ed., dissociation constants of organic acids and bases; 25 °C, I = 0</source>
        <translation>CRC Handbook of Chemistry and Physics, 97e éd., constantes de dissociation des acides et bases organiques&#xa0;; 25 °C, I = 0</translation>
    </message>
    <message>
        <source>CRC Handbook of Chemistry and Physics, 97th ed., properties of amino acids; 25 °C</source>
        <translation>CRC Handbook of Chemistry and Physics, 97e éd., propriétés des acides aminés&#xa0;; 25 °C</translation>
    </message>
    <message>
        <source>Harris, Quantitative Chemical Analysis, 9th ed., appendix G; 25 °C, I = 0</source>
        <translation>Harris, Quantitative Chemical Analysis, 9e éd., annexe G&#xa0;; 25 °C, I = 0</translation>
    </message>
    <message>
        <source>Harris, Quantitative Chemical Analysis, 9th ed., appendix G; 25 °C, I = 0.1 M</source>
        <translation>Harris, Quantitative Chemical Analysis, 9e éd., annexe G&#xa0;; 25 °C, I = 0,1 M</translation>
    </message>
    <message>
        <source>Skoog, West, Holler and Crouch, Fundamentals of Analytical Chemistry, 9th ed., appendix 3; 25 °C, I = 0</source>
        <translation>Skoog, West, Holler et Crouch, Fundamentals of Analytical Chemistry, 9e éd., annexe 3&#xa0;; 25 °C, I = 0</translation>
    </message>
    <message>
        <source>Goldberg, Kishore and Lennen, J. Phys. Chem. Ref. Data 31, 231 (2002); 25 °C, I = 0</source>
        <translation>Goldberg, Kishore et Lennen, J. Phys. Chem. Ref. Data 31, 231 (2002)&#xa0;; 25 °C, I = 0</translation>
    </message>
</context>
<context>
    <name>velmora::model::Substance</name>
    <message>
        <source>Formic acid</source>
        <extracomment>A substance&apos;s name in the library of --list-substances.</extracomment>
        <translation>Acide formique</translation>
    </message>
    <message>
        <source>Propanoic acid</source>
        <translation>Acide propanoïque</translation>
    </message>
    <message>
        <source>Chloroacetic acid</source>
        <translation>Acide chloroacétique</translation>
    </message>
    <message>
        <source>Benzoic acid</source>
        <translation>Acide benzoïque</translation>
    </message>
    <message>
        <source>Lactic acid</source>
        <translation>Acide lactique</translation>
    </message>
    <message>
        <source>Phenol</source>
        <translation>Phénol</translation>
    </message>
    <message>
        <source>Hydrofluoric acid</source>
        <translation>Acide fluorhydrique</translation>
    </message>
    <message>
        <source>Hydrocyanic acid</source>
        <translation>Acide cyanhydrique</translation>
    </message>
    <message>
        <source>Nitrous acid</source>
        <translation>Acide nitreux</translation>
    </message>
    <message>
        <source>Hypochlorous acid</source>
        <translation>Acide hypochloreux</translation>
    </message>
    <message>
        <source>Boric acid</source>
        <translation>Acide borique</translation>
    </message>
    <message>
        <source>Ammonia</source>
        <translation>Ammoniac</translation>
    </message>
    <message>
        <source>Methylamine</source>
        <translation>Méthylamine</translation>
    </message>
    <message>
        <source>Dimethylamine</source>
        <translation>Diméthylamine</translation>
    </message>
    <message>
        <source>Trimethylamine</source>
        <translation>Triméthylamine</translation>
    </message>
    <message>
        <source>Ethylamine</source>
        <translation>Éthylamine</translation>
    </message>
    <message>
        <source>Ethanolamine</source>
        <translation>Éthanolamine</translation>
    </message>
    <message>
        <source>Pyridine</source>
        <translation>Pyridine</translation>
    </message>
    <message>
        <source>Aniline</source>
        <translation>Aniline</translation>
    </message>
    <message>
        <source>Hydrazine</source>
        <translation>Hydrazine</translation>
    </message>
    <message>
        <source>Hydroxylamine</source>
        <translation>Hydroxylamine</translation>
    </message>
    <message>
        <source>Imidazole</source>
        <translation>Imidazole</translation>
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
        <translation>Hydrogénosulfate</translation>
    </message>
    <message>
        <source>Malonic acid</source>
        <translation>Acide malonique</translation>
    </message>
    <message>
        <source>Succinic acid</source>
        <translation>Acide succinique</translation>
    </message>
    <message>
        <source>Tartaric acid</source>
        <translation>Acide tartrique</translation>
    </message>
    <message>
        <source>Maleic acid</source>
        <translation>Acide maléique</translation>
    </message>
    <message>
        <source>Fumaric acid</source>
        <translation>Acide fumarique</translation>
    </message>
    <message>
        <source>Phthalic acid</source>
        <translation>Acide phtalique</translation>
    </message>
    <message>
        <source>Ascorbic acid</source>
        <translation>Acide ascorbique</translation>
    </message>
    <message>
        <source>Salicylic acid</source>
        <translation>Acide salicylique</translation>
    </message>
    <message>
        <source>Alanine</source>
        <translation>Alanine</translation>
    </message>
    <message>
        <source>Histidine</source>
        <translation>Histidine</translation>
    </message>
    <message>
        <source>Aspartic acid</source>
        <translation>Acide aspartique</translation>
    </message>
    <message>
        <source>Glutamic acid</source>
        <translation>Acide glutamique</translation>
    </message>
    <message>
        <source>Lysine</source>
        <translation>Lysine</translation>
    </message>
    <message>
        <source>Cysteine</source>
        <translation>Cystéine</translation>
    </message>
    <message>
        <source>Hydrochloric acid</source>
        <translation>Acide chlorhydrique</translation>
    </message>
    <message>
        <source>Hydrobromic acid</source>
        <translation>Acide bromhydrique</translation>
    </message>
    <message>
        <source>Hydroiodic acid</source>
        <translation>Acide iodhydrique</translation>
    </message>
    <message>
        <source>Nitric acid</source>
        <translation>Acide nitrique</translation>
    </message>
    <message>
        <source>Perchloric acid</source>
        <translation>Acide perchlorique</translation>
    </message>
    <message>
        <source>Sulfuric acid</source>
        <translation>Acide sulfurique</translation>
    </message>
    <message>
        <source>Sodium hydroxide</source>
        <translation>Hydroxyde de sodium</translation>
    </message>
    <message>
        <source>Potassium hydroxide</source>
        <translation>Hydroxyde de potassium</translation>
    </message>
    <message>
        <source>Sodium chloride</source>
        <translation>Chlorure de sodium</translation>
    </message>
    <message>
        <source>Potassium chloride</source>
        <translation>Chlorure de potassium</translation>
    </message>
    <message>
        <source>Potassium nitrate</source>
        <translation>Nitrate de potassium</translation>
    </message>
    <message>
        <source>Sodium formate</source>
        <translation>Formiate de sodium</translation>
    </message>
    <message>
        <source>Sodium acetate</source>
        <translation>Acétate de sodium</translation>
    </message>
    <message>
        <source>Sodium benzoate</source>
        <translation>Benzoate de sodium</translation>
    </message>
    <message>
        <source>Sodium fluoride</source>
        <translation>Fluorure de sodium</translation>
    </message>
    <message>
        <source>Sodium cyanide</source>
        <translation>Cyanure de sodium</translation>
    </message>
    <message>
        <source>Sodium nitrite</source>
        <translation>Nitrite de sodium</translation>
    </message>
    <message>
        <source>Sodium hypochlorite</source>
        <translation>Hypochlorite de sodium</translation>
    </message>
    <message>
        <source>Ammonium chloride</source>
        <translation>Chlorure d’ammonium</translation>
    </message>
    <message>
        <source>Tris hydrochloride</source>
        <translation>Chlorhydrate de Tris</translation>
    </message>
    <message>
        <source>Sodium hydrogen sulfate</source>
        <translation>Hydrogénosulfate de sodium</translation>
    </message>
    <message>
        <source>Sodium sulfate</source>
        <translation>Sulfate de sodium</translation>
    </message>
    <message>
        <source>Sodium oxalate</source>
        <translation>Oxalate de sodium</translation>
    </message>
    <message>
        <source>Sodium hydrogen carbonate</source>
        <translation>Hydrogénocarbonate de sodium</translation>
    </message>
    <message>
        <source>Sodium carbonate</source>
        <translation>Carbonate de sodium</translation>
    </message>
    <message>
        <source>Potassium hydrogen phthalate</source>
        <translation>Hydrogénophtalate de potassium</translation>
    </message>
    <message>
        <source>Sodium dihydrogen phosphate</source>
        <translation>Dihydrogénophosphate de sodium</translation>
    </message>
    <message>
        <source>Potassium dihydrogen phosphate</source>
        <translation>Dihydrogénophosphate de potassium</translation>
    </message>
    <message>
        <source>Disodium hydrogen phosphate</source>
        <translation>Hydrogénophosphate de disodium</translation>
    </message>
    <message>
        <source>Dipotassium hydrogen phosphate</source>
        <translation>Hydrogénophosphate de dipotassium</translation>
    </message>
    <message>
        <source>Trisodium phosphate</source>
        <translation>Phosphate trisodique</translation>
    </message>
    <message>
        <source>Trisodium citrate</source>
        <translation>Citrate trisodique</translation>
    </message>
    <message>
        <source>Disodium EDTA</source>
        <translation>EDTA disodique</translation>
    </message>
    <message>
        <source>strong acid</source>
        <translation>acide fort</translation>
    </message>
    <message>
        <source>strong base</source>
        <translation>base forte</translation>
    </message>
    <message>
        <source>no acid or base</source>
        <translation>ni acide ni base</translation>
    </message>
    <message>
        <source>Hydrogen sulfide</source>
        <translation>Sulfure d’hydrogène</translation>
    </message>
</context>
<context>
    <name>velmora::model::Summary</name>
    <message>
        <source>Monoprotic acid.</source>
        <extracomment>The spoken description of the diagram starts with the acid&apos;s kind.</extracomment>
        <translation>Monoacide.</translation>
    </message>
    <message>
        <source>Diprotic acid.</source>
        <translation>Diacide.</translation>
    </message>
    <message>
        <source>Triprotic acid.</source>
        <translation>Triacide.</translation>
    </message>
    <message>
        <source>Tetraprotic acid.</source>
        <translation>Tétraacide.</translation>
    </message>
    <message>
        <source>%1 predominates over the whole range from pH 0 to 14.</source>
        <extracomment>%1 is a species&apos; formula.</extracomment>
        <translation>%1 prédomine sur tout le domaine de pH 0 à 14.</translation>
    </message>
    <message>
        <source>%1 predominates below pH %2</source>
        <extracomment>The first species of the spoken description: %1 its formula, %2 a pH.</extracomment>
        <translation>%1 prédomine en dessous de pH %2</translation>
    </message>
    <message>
        <source>, %1 above %2.</source>
        <extracomment>The last species of the spoken description: %1 its formula, %2 a pH.</extracomment>
        <translation>, %1 au-dessus de %2.</translation>
    </message>
    <message>
        <source>, %1 from %2 to %3</source>
        <extracomment>A species in the middle of the spoken description: %1 its formula, %2 and %3 pH.</extracomment>
        <translation>, %1 de %2 à %3</translation>
    </message>
</context>
<context>
    <name>velmora::resources::Picture</name>
    <message>
        <source>Theory</source>
        <extracomment>The word on the Theory button&apos;s face; it has room for about eight letters.</extracomment>
        <translation>Théorie</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The word on the About button&apos;s face; it has room for about eight letters.</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The word on the Exit button&apos;s face; it has room for about eight letters.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The word on the About window&apos;s Cancel button, which closes the window; it has room for about six letters.</extracomment>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>velmora::ui::About</name>
    <message>
        <source>a new e-mail to the author</source>
        <extracomment>Takes the place of %1 in &quot;The desktop could not open %1.&quot;</extracomment>
        <translation>un nouveau courriel à l’auteur</translation>
    </message>
    <message>
        <source>the web page of further chemistry programs</source>
        <extracomment>Takes the place of %1 in &quot;The desktop could not open %1.&quot;</extracomment>
        <translation>la page web d’autres programmes de chimie</translation>
    </message>
    <message>
        <source> About</source>
        <translation> À propos</translation>
    </message>
    <message>
        <source>The program calculates the concentration fractions of polyprotic acids species as functions of pH</source>
        <translation>Le programme calcule la proportion de chaque espèce des polyacides en fonction du pH</translation>
    </message>
    <message>
        <source>Acknowledgement</source>
        <translation>Remerciements</translation>
    </message>
    <message>
        <source>Our thanks go to the chemistry teachers and students who tried the first drafts in their lessons, told us where the diagrams were hard to read and helped us make them clearer.</source>
        <translation>Merci aux professeurs de chimie et à leurs élèves qui ont testé les premières versions en classe, nous ont montré les diagrammes peu lisibles et ont aidé à les rendre plus clairs.</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Auteur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Find more chemical programs here:</source>
        <translation>Découvrez d’autres programmes de chimie ici&#xa0;:</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::ChartTexts</name>
    <message>
        <source>fraction α</source>
        <extracomment>The fractions chart&apos;s y axis: α is the share of the acid&apos;s total concentration that a species has (0 to 1), not a mole fraction.</extracomment>
        <translation>proportion α</translation>
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
        <translation>V %1&#xa0;mL</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A species&apos; share in the readout; %1 is the number of percent with one decimal.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Species fractions vs pH</source>
        <extracomment>The title of the fractions chart&apos;s file or print job.</extracomment>
        <translation>Proportions des espèces en fonction du pH</translation>
    </message>
    <message>
        <source>Log concentrations vs pH</source>
        <extracomment>The title of the log-c chart&apos;s file or print job: log c of each species plotted against the pH (a linear axis of log c, not a logarithmic axis).</extracomment>
        <translation>Diagramme log c en fonction du pH</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <extracomment>The title of the titration chart&apos;s file or print job.</extracomment>
        <translation>Courbe de titrage</translation>
    </message>
    <message>
        <source>equivalence point</source>
        <extracomment>The key of a titration&apos;s marks: a filled dot.</extracomment>
        <translation>point d’équivalence</translation>
    </message>
    <message>
        <source>half-equivalence point</source>
        <extracomment>The key of a titration&apos;s marks: an open dot.</extracomment>
        <translation>point de demi-équivalence</translation>
    </message>
    <message>
        <source>%1 mL · pH %2</source>
        <extracomment>An equivalence point&apos;s label: %1 the volume in mL, %2 the pH (&quot;25.00 mL · pH 8.73&quot;).</extracomment>
        <translation>%1&#xa0;mL · pH %2</translation>
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
        <translation>Pouvoir tampon en fonction du pH</translation>
    </message>
    <message>
        <source>First derivative of the titration curve</source>
        <extracomment>The title of the derivative chart&apos;s file or print job: dpH/dV against the added volume.</extracomment>
        <translation>Dérivée première de la courbe de titrage</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The acid constant of one system of a mixture: %1 its name (&quot;pKa2&quot;), %2 the system&apos;s acid (&quot;H₃PO₄&quot;), as in &quot;pH = pKa2 (H₃PO₄) = 7.20&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Gran plot</source>
        <extracomment>The title of the file or print job of Gran&apos;s plot of a measured titration.</extracomment>
        <translation>Diagramme de Gran</translation>
    </message>
    <message>
        <source>ΔpH</source>
        <extracomment>The axis of the strip of residuals under a measured titration: measured minus model pH.</extracomment>
        <translation>ΔpH</translation>
    </message>
    <message>
        <source>Gran function (scaled)</source>
        <extracomment>The y axis of Gran&apos;s plot: Gran&apos;s function, scaled to a largest value of 1.</extracomment>
        <translation>Fonction de Gran (mise à l’échelle)</translation>
    </message>
    <message>
        <source>before</source>
        <extracomment>Gran&apos;s line before the end point, in the readout.</extracomment>
        <translation>avant</translation>
    </message>
    <message>
        <source>after</source>
        <extracomment>Gran&apos;s line of the excess titrant after the end point, in the readout.</extracomment>
        <translation>après</translation>
    </message>
    <message>
        <source>dpH/dV max %1 mL</source>
        <extracomment>An end point at the largest slope of the measured points; %1 its volume in mL.</extracomment>
        <translation>dpH/dV max %1&#xa0;mL</translation>
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
        <translation>Le bureau n’a pas pu ouvrir %1.

%2</translation>
    </message>
    <message>
        <source>The opener xdg-open stopped unexpectedly.</source>
        <translation>Le programme d’ouverture xdg-open s’est arrêté de façon inattendue.</translation>
    </message>
    <message>
        <source>The file does not exist (xdg-open ended with status 2).</source>
        <translation>Le fichier n’existe pas (xdg-open s’est terminé avec le code de sortie 2).</translation>
    </message>
    <message>
        <source>No program to open it was found; is one installed? (xdg-open ended with status 3.)</source>
        <translation>Aucun programme capable de l’ouvrir n’a été trouvé&#xa0;; un tel programme est-il installé&#xa0;? (xdg-open s’est terminé avec le code de sortie 3.)</translation>
    </message>
    <message>
        <source>The program for it failed (xdg-open ended with status 4).</source>
        <translation>Le programme associé a échoué (xdg-open s’est terminé avec le code de sortie 4).</translation>
    </message>
    <message>
        <source>The opener xdg-open ended with status %1.</source>
        <translation>Le programme d’ouverture xdg-open s’est terminé avec le code de sortie %1.</translation>
    </message>
    <message>
        <source>The opener xdg-open, which hands documents to their programs, is not installed.</source>
        <translation>Le programme d’ouverture xdg-open, qui confie les documents à leurs programmes, n’est pas installé.</translation>
    </message>
    <message>
        <source>The opener xdg-open could not be started: %1</source>
        <translation>Le programme d’ouverture xdg-open n’a pas pu être lancé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::DiagramCommands</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save diagram</source>
        <translation>Enregistrer le diagramme</translation>
    </message>
    <message>
        <source>The diagram was not saved to %1.

The file name must end in .png, .svg or .pdf, which decides the kind of file.</source>
        <translation>Le diagramme n’a pas été enregistré dans %1.

Le nom du fichier doit se terminer par .png, .svg ou .pdf&#xa0;; cette extension détermine le type de fichier.</translation>
    </message>
    <message>
        <source>The diagram could not be saved to %1.

%2</source>
        <translation>Le diagramme n’a pas pu être enregistré dans %1.

%2</translation>
    </message>
    <message>
        <source>Export data</source>
        <translation>Exporter les données</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>The data could not be exported to %1.

%2</source>
        <translation>Les données n’ont pas pu être exportées vers %1.

%2</translation>
    </message>
    <message>
        <source>Print diagram</source>
        <translation>Imprimer le diagramme</translation>
    </message>
    <message>
        <source>The diagram could not be printed on %1.

The printer or its file could not be opened.</source>
        <translation>Le diagramme n’a pas pu être imprimé sur %1.

L’imprimante ou son fichier n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>the printer</source>
        <extracomment>Takes the place of %1 in &quot;The diagram could not be printed on %1.&quot; when the printer has no name.</extracomment>
        <translation>l’imprimante</translation>
    </message>
    <message>
        <source>The diagram could not be copied.

%1</source>
        <translation>Le diagramme n’a pas pu être copié.

%1</translation>
    </message>
    <message>
        <source>The diagram could not be printed.

%1</source>
        <translation>Le diagramme n’a pas pu être imprimé.

%1</translation>
    </message>
    <message>
        <source>&amp;Copy diagram</source>
        <translation>&amp;Copier le diagramme</translation>
    </message>
    <message>
        <source>&amp;Save diagram…</source>
        <translation>&amp;Enregistrer le diagramme…</translation>
    </message>
    <message>
        <source>&amp;Export data…</source>
        <translation>E&amp;xporter les données…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
</context>
<context>
    <name>velmora::ui::ExampleAcids</name>
    <message>
        <source>Example acids</source>
        <translation>Exemples d’acides</translation>
    </message>
    <message>
        <source>pKa %1 (25 °C)</source>
        <extracomment>The readout&apos;s line of an example acid&apos;s values: &quot;pKa 2.15, 7.20, 12.35&quot;.</extracomment>
        <translation>pKa %1 (25&#xa0;°C)</translation>
    </message>
</context>
<context>
    <name>velmora::ui::MainWindow</name>
    <message>
        <source>Theory</source>
        <translation>Théorie</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Type of acid</source>
        <translation>Type d’acide</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Monoprotic acid HA</source>
        <translation>Monoacide HA</translation>
    </message>
    <message>
        <source>Diprotic acid H2A</source>
        <translation>Diacide H2A</translation>
    </message>
    <message>
        <source>Triprotic acid H3A</source>
        <translation>Triacide H3A</translation>
    </message>
    <message>
        <source>Tetraprotic acid H4A</source>
        <translation>Tétraacide H4A</translation>
    </message>
    <message>
        <source>pKa %1</source>
        <translation>pKa %1</translation>
    </message>
    <message>
        <source>Value of pKa %1</source>
        <translation>Valeur du pKa %1</translation>
    </message>
    <message>
        <source>Bar %1</source>
        <translation>Barre %1</translation>
    </message>
    <message>
        <source>Distribution diagram</source>
        <translation>Diagramme de distribution</translation>
    </message>
    <message>
        <source> Value of pKa(%1) </source>
        <extracomment>The tooltips of the main window begin and end with a blank, as drawn.</extracomment>
        <translation> Valeur du pKa(%1) </translation>
    </message>
    <message>
        <source> Theory of polyprotic acids from Wikipedia </source>
        <translation> Théorie des polyacides sur Wikipédia </translation>
    </message>
    <message>
        <source> About this program </source>
        <translation> À propos de ce programme </translation>
    </message>
    <message>
        <source> Do you really want to exit? </source>
        <translation> Voulez-vous vraiment quitter&#xa0;? </translation>
    </message>
</context>
<context>
    <name>velmora::ui::MeasuredCommands</name>
    <message>
        <source>Open &amp;measured titration…</source>
        <translation>Ouvrir un titrage &amp;mesuré…</translation>
    </message>
    <message>
        <source>&amp;Paste measured titration</source>
        <translation>Co&amp;ller un titrage mesuré</translation>
    </message>
    <message>
        <source>C&amp;lear measured data</source>
        <translation>E&amp;ffacer les mesures</translation>
    </message>
    <message>
        <source>Copy &amp;fit results</source>
        <translation>Copier les résultats de l’a&amp;justement</translation>
    </message>
    <message>
        <source>Open measured titration</source>
        <translation>Ouvrir un titrage mesuré</translation>
    </message>
    <message>
        <source>Measured titrations (*.csv *.txt *.tsv *.dat);;All files (*)</source>
        <extracomment>The file dialog&apos;s filter of measured titrations.</extracomment>
        <translation>Titrages mesurés (*.csv *.txt *.tsv *.dat);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>velmora::ui::MeasuredData</name>
    <message>
        <source>pasted data</source>
        <extracomment>Where the measured points shown came from when they were pasted or dropped as text.</extracomment>
        <translation>données collées</translation>
    </message>
    <message>
        <source>%1 was not taken: %2</source>
        <extracomment>%1 is the file (or &quot;pasted data&quot;), %2 why it is no measured titration.</extracomment>
        <translation>%1 n’a pas été repris&#xa0;: %2</translation>
    </message>
    <message>
        <source>There are no measured points to fit.</source>
        <translation>Il n’y a pas de points mesurés à ajuster.</translation>
    </message>
    <message>
        <source>Choose at least one value to fit.</source>
        <translation>Choisissez au moins une valeur à ajuster.</translation>
    </message>
    <message>
        <source>%1 cannot be fitted: %2</source>
        <extracomment>%1 is the parameter as the command line names it (pka2), %2 why.</extracomment>
        <translation>%1 ne peut pas être ajusté&#xa0;: %2</translation>
    </message>
    <message>
        <source>No fit: %1</source>
        <translation>Pas d’ajustement&#xa0;: %1</translation>
    </message>
    <message>
        <source>There is no fit to use.</source>
        <translation>Il n’y a pas d’ajustement à reprendre.</translation>
    </message>
    <message>
        <source>The fitted values cannot be used: %1</source>
        <extracomment>%1 says why the fitted values do not fit the solution&apos;s fields.</extracomment>
        <translation>Les valeurs ajustées ne peuvent pas être reprises&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::MeasuredPanel</name>
    <message>
        <source>Derivative</source>
        <extracomment>An end point found at the largest slope of the measured points.</extracomment>
        <translation>Dérivée</translation>
    </message>
    <message>
        <source>Second derivative</source>
        <extracomment>An end point found where the second derivative of the measured points is zero.</extracomment>
        <translation>Dérivée seconde</translation>
    </message>
    <message>
        <source>Gran</source>
        <translation>Gran</translation>
    </message>
    <message>
        <source>Gran, excess titrant</source>
        <extracomment>Gran&apos;s method applied to the points after the end point.</extracomment>
        <translation>Gran, excès de solution titrante</translation>
    </message>
    <message>
        <source>Strong acid or base</source>
        <translation>Acide ou base fort</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Concentration</translation>
    </message>
    <message>
        <source>Titrant</source>
        <extracomment>The titrant&apos;s concentration as a value to fit.</extracomment>
        <translation>Solution titrante</translation>
    </message>
    <message>
        <source>pH offset</source>
        <extracomment>The electrode&apos;s calibration error added to every pH, as a value to fit.</extracomment>
        <translation>Décalage du pH</translation>
    </message>
    <message>
        <source>%1, system %2</source>
        <extracomment>%1 is a value to fit, %2 the number of the weak system (the acid is 1).</extracomment>
        <translation>%1, système %2</translation>
    </message>
    <message>
        <source>Measured titration</source>
        <translation>Titrage mesuré</translation>
    </message>
    <message>
        <source>Why the measured data were not taken</source>
        <translation>Pourquoi les mesures n’ont pas été reprises</translation>
    </message>
    <message>
        <source>End points</source>
        <translation>Points de fin</translation>
    </message>
    <message>
        <source>Clear measured data</source>
        <translation>Effacer les mesures</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Values to fit, starting from the solution&apos;s:</source>
        <translation>Valeurs à ajuster, en partant de celles de la solution&#xa0;:</translation>
    </message>
    <message>
        <source>Use fitted values</source>
        <translation>Reprendre les valeurs ajustées</translation>
    </message>
    <message>
        <source>Fit the solution to the measured points</source>
        <translation>Ajuster la solution aux points mesurés</translation>
    </message>
    <message>
        <source>Why there is no fit</source>
        <translation>Pourquoi il n’y a pas d’ajustement</translation>
    </message>
    <message>
        <source>Fitted values</source>
        <translation>Valeurs ajustées</translation>
    </message>
    <message>
        <source>Copy fit results</source>
        <translation>Copier les résultats</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <extracomment>%1 is the file&apos;s name (or &quot;pasted data&quot;), %2 the number of points.</extracomment>
        <translation>%1&#xa0;: %2 points</translation>
    </message>
    <message>
        <source>No measured data. Open a file from the File menu, drop one on the window or paste cells on the titration drawing (Ctrl+V).</source>
        <translation>Pas de mesures. Ouvrez un fichier depuis le menu Fichier, déposez-en un sur la fenêtre ou collez des cellules sur le diagramme du titrage (Ctrl+V).</translation>
    </message>
    <message>
        <source>%1 mL</source>
        <translation>%1&#xa0;mL</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An end point&apos;s method and its volumes (one per jump).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No end point found.</source>
        <translation>Aucun point de fin trouvé.</translation>
    </message>
    <message>
        <source>Fit %1</source>
        <extracomment>A box that chooses a value to fit; %1 is its name (&quot;pKa 2&quot;).</extracomment>
        <translation>Ajuster %1</translation>
    </message>
    <message>
        <source>%1 mol/L</source>
        <translation>%1&#xa0;mol/L</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Std. error</source>
        <translation>Erreur type</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
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
        <translation>Solution à %1&#xa0;°C&#xa0;: pH %2</translation>
    </message>
    <message>
        <source>I = %1 mol/L</source>
        <extracomment>The ionic strength of the solution, in mol/L.</extracomment>
        <translation>I = %1&#xa0;mol/L</translation>
    </message>
    <message>
        <source>the Davies equation is not reliable above I = %1 mol/L</source>
        <translation>l’équation de Davies n’est plus fiable au-delà de I = %1&#xa0;mol/L</translation>
    </message>
    <message>
        <source>constants at 25 °C: %1</source>
        <extracomment>A note under the drawings: the constants of these systems are not known at other temperatures and are used at their 25 °C values.</extracomment>
        <translation>constantes à 25&#xa0;°C&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 mL of the solution with %2 mol/L %3 · no equivalence point</source>
        <extracomment>The titration line of a solution of several substances when the titrant reaches no equivalence point: &quot;25 mL of the solution with 0.1 mol/L NaOH · no equivalence point&quot;.</extracomment>
        <translation>%1&#xa0;mL de la solution titrés par %3 à %2&#xa0;mol/L · aucun point d’équivalence</translation>
    </message>
    <message>
        <source>%1 mL of the solution with %2 mol/L %3 · equivalence at %4</source>
        <extracomment>The titration line of a solution of several substances: %1 the sample&apos;s volume, %2 the titrant&apos;s concentration, %3 the titrant, %4 the equivalence points.</extracomment>
        <translation>%1&#xa0;mL de la solution titrés par %3 à %2&#xa0;mol/L · équivalence à %4</translation>
    </message>
</context>
<context>
    <name>velmora::ui::RecipeCommands</name>
    <message>
        <source>Recipes (*.json);;All files (*)</source>
        <extracomment>The file dialogs&apos; filter of recipe files.</extracomment>
        <translation>Recettes (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Open recipe…</source>
        <translation>&amp;Ouvrir une recette…</translation>
    </message>
    <message>
        <source>Save &amp;recipe…</source>
        <translation>&amp;Enregistrer la recette…</translation>
    </message>
    <message>
        <source>Open &amp;again</source>
        <extracomment>File → open the recipe used last again; %1 is its file name.</extracomment>
        <translation>&amp;Rouvrir</translation>
    </message>
    <message>
        <source>Open &amp;again: %1</source>
        <translation>&amp;Rouvrir&#xa0;: %1</translation>
    </message>
    <message>
        <source>the recipe %1</source>
        <extracomment>Why a recipe is not opened: it holds what the solution window cannot show.</extracomment>
        <translation>la recette %1</translation>
    </message>
    <message>
        <source>The recipe %1 was not opened.

%2</source>
        <extracomment>%1 is the file, %2 why it was not opened.</extracomment>
        <translation>La recette %1 n’a pas été ouverte.

%2</translation>
    </message>
    <message>
        <source>The recipe could not be saved to %1.

%2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>La recette n’a pas pu être enregistrée dans %1.

%2</translation>
    </message>
    <message>
        <source>Open recipe</source>
        <translation>Ouvrir une recette</translation>
    </message>
    <message>
        <source>Save recipe</source>
        <translation>Enregistrer la recette</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SolutionCompanion</name>
    <message>
        <source>Solution…</source>
        <translation>Solution…</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SolutionPanel</name>
    <message>
        <source>Follow the main window</source>
        <translation>Suivre la fenêtre principale</translation>
    </message>
    <message>
        <source>Acid</source>
        <translation>Acide</translation>
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
        <translation>A&amp;jouter une constante</translation>
    </message>
    <message>
        <source>Add a constant</source>
        <translation>Ajouter une constante</translation>
    </message>
    <message>
        <source>&amp;Remove constant</source>
        <translation>&amp;Retirer une constante</translation>
    </message>
    <message>
        <source>Remove the last constant</source>
        <translation>Retirer la dernière constante</translation>
    </message>
    <message>
        <source>Charge of the fully protonated form</source>
        <translation>Charge de la forme entièrement protonée</translation>
    </message>
    <message>
        <source>Char&amp;ge of the fully protonated form</source>
        <translation>C&amp;harge de la forme entièrement protonée</translation>
    </message>
    <message>
        <source>Formulas of the species:</source>
        <translation>Formules des espèces&#xa0;:</translation>
    </message>
    <message>
        <source>Formula of species %1</source>
        <translation>Formule de l’espèce %1</translation>
    </message>
    <message>
        <source>Caret notation: HPO4^2-, NH4^+</source>
        <translation>Charge après le signe ^&#xa0;: HPO4^2-, NH4^+</translation>
    </message>
    <message>
        <source>Generic &amp;names</source>
        <translation>&amp;Noms génériques</translation>
    </message>
    <message>
        <source>Generic names</source>
        <translation>Noms génériques</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Concentration in mol/L</source>
        <translation>Concentration en mol/L</translation>
    </message>
    <message>
        <source>Conc&amp;entration (mol/L)</source>
        <translation>&amp;Concentration (mol/L)</translation>
    </message>
    <message>
        <source>Concentration on a logarithmic scale</source>
        <translation>Concentration sur une échelle logarithmique</translation>
    </message>
    <message>
        <source>10⁻⁶ to 1 mol/L</source>
        <translation>10⁻⁶ à 1 mol/L</translation>
    </message>
    <message>
        <source>Species dissolved</source>
        <translation>Soluté apporté</translation>
    </message>
    <message>
        <source>&amp;Dissolved</source>
        <translation>S&amp;oluté apporté</translation>
    </message>
    <message>
        <source>Titration</source>
        <translation>Titrage</translation>
    </message>
    <message>
        <source>strong base (NaOH)</source>
        <translation>base forte (NaOH)</translation>
    </message>
    <message>
        <source>strong acid (HCl)</source>
        <translation>acide fort (HCl)</translation>
    </message>
    <message>
        <source>Titrant</source>
        <translation>Solution titrante</translation>
    </message>
    <message>
        <source>&amp;Titrant</source>
        <translation>Solution &amp;titrante</translation>
    </message>
    <message>
        <source>Titrant concentration in mol/L</source>
        <translation>Concentration de la solution titrante en mol/L</translation>
    </message>
    <message>
        <source>Its concentration (mo&amp;l/L)</source>
        <translation>Sa concentration (mo&amp;l/L)</translation>
    </message>
    <message>
        <source>Start volume in mL</source>
        <translation>Volume initial en mL</translation>
    </message>
    <message>
        <source>Start vol&amp;ume (mL)</source>
        <translation>&amp;Volume initial (mL)</translation>
    </message>
    <message>
        <source>Strong acid added, HCl, in mol/L</source>
        <translation>Acide fort ajouté, HCl, en mol/L</translation>
    </message>
    <message>
        <source>Strong &amp;base added (mol/L)</source>
        <extracomment>A strong base added to the solution, as --base on the command line.</extracomment>
        <translation>&amp;Base forte ajoutée (mol/L)</translation>
    </message>
    <message>
        <source>Strong base added, NaOH, in mol/L</source>
        <translation>Base forte ajoutée, NaOH, en mol/L</translation>
    </message>
    <message>
        <source>End volume of the titration in mL, empty for automatic</source>
        <translation>Volume final du titrage en mL, vide pour automatique</translation>
    </message>
    <message>
        <source>automatic</source>
        <extracomment>The end volume&apos;s field when it is empty: the titration ends past its last equivalence point.</extracomment>
        <translation>automatique</translation>
    </message>
    <message>
        <source>Empty: 20 % past the last equivalence point</source>
        <translation>Vide&#xa0;: 20&#xa0;% au-delà du dernier point d’équivalence</translation>
    </message>
    <message>
        <source>pKa %1: %2</source>
        <extracomment>A pKa field whose text is no number: &quot;pKa 2: is not a number&quot;.</extracomment>
        <translation>pKa %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 mol/L</source>
        <translation>%1 mol/L</translation>
    </message>
    <message>
        <source>strong acid %1 mol/L</source>
        <translation>acide fort %1 mol/L</translation>
    </message>
    <message>
        <source>strong base %1 mol/L</source>
        <translation>base forte %1 mol/L</translation>
    </message>
    <message>
        <source>titrant %1 mol/L</source>
        <translation>solution titrante %1 mol/L</translation>
    </message>
    <message>
        <source>start volume %1 mL</source>
        <translation>volume initial %1 mL</translation>
    </message>
    <message>
        <source>end volume automatic</source>
        <translation>volume final automatique</translation>
    </message>
    <message>
        <source>end volume %1 mL</source>
        <translation>volume final %1 mL</translation>
    </message>
    <message>
        <source>Not current: showing %1, as before the edit</source>
        <extracomment>Over the drawings while a field is not fine: they show the values from before its edit. %1 lists them: &quot;0,1 mol/L, start volume 25 mL&quot;.</extracomment>
        <translation>Pas à jour&#xa0;: affichage de %1, comme avant la saisie</translation>
    </message>
    <message>
        <source>Strong ac&amp;id added (mol/L)</source>
        <extracomment>A strong acid added to the solution, as --acid on the command line.</extracomment>
        <translation>Acide fort ajo&amp;uté (mol/L)</translation>
    </message>
    <message>
        <source>End v&amp;olume (mL)</source>
        <translation>Volu&amp;me final (mL)</translation>
    </message>
    <message>
        <source>Tem&amp;perature (°C)</source>
        <translation>Tem&amp;pérature (°C)</translation>
    </message>
    <message>
        <source>Temperature in degrees Celsius</source>
        <translation>Température en degrés Celsius</translation>
    </message>
    <message>
        <source>0 to 100 °C</source>
        <translation>de 0 à 100&#xa0;°C</translation>
    </message>
    <message>
        <source>ideal</source>
        <extracomment>Activities taken as the concentrations.</extracomment>
        <translation>idéales</translation>
    </message>
    <message>
        <source>Davies</source>
        <extracomment>Activity coefficients by the Davies equation.</extracomment>
        <translation>Davies</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>Activités</translation>
    </message>
    <message>
        <source>Davies: activity coefficients from the ionic strength, good up to about 0.5 mol/L</source>
        <translation>Davies&#xa0;: coefficients d’activité tirés de la force ionique, valables jusqu’à 0,5&#xa0;mol/L environ</translation>
    </message>
    <message>
        <source>Activitie&amp;s</source>
        <translation>Act&amp;ivités</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1&#xa0;°C</translation>
    </message>
    <message>
        <source>the substances listed before</source>
        <extracomment>What the drawings show of the listed substances while a field of theirs is not fine.</extracomment>
        <translation>les autres substances telles qu’avant</translation>
    </message>
    <message>
        <source>Follo&amp;w the main window</source>
        <translation>&amp;Suivre la fenêtre principale</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SolutionWindow</name>
    <message>
        <source>Fractions</source>
        <translation>Fractions</translation>
    </message>
    <message>
        <source>Fractions chart</source>
        <translation>Diagramme des proportions des espèces</translation>
    </message>
    <message>
        <source>Log c</source>
        <extracomment>The tab of the chart of log c, as its axis names it.</extracomment>
        <translation>Log c</translation>
    </message>
    <message>
        <source>Log-concentration chart</source>
        <translation>Diagramme log c en fonction du pH</translation>
    </message>
    <message>
        <source>Titration</source>
        <translation>Titrage</translation>
    </message>
    <message>
        <source>Titration chart</source>
        <translation>Courbe de titrage</translation>
    </message>
    <message>
        <source>Velmora – Solution</source>
        <translation>Velmora – Solution</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Diagramme</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>the solution window&apos;s settings in %1 are not used (%2); it starts with its defaults and remembers nothing</source>
        <translation>les réglages de la fenêtre de la solution dans %1 ne sont pas utilisés (%2)&#xa0;; elle démarre avec ses valeurs par défaut et ne retient rien</translation>
    </message>
    <message>
        <source>the solution window&apos;s settings could not be written to %1: %2</source>
        <translation>les réglages de la fenêtre de la solution n’ont pas pu être écrits dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&amp;Larger text</source>
        <translation>Texte plus &amp;grand</translation>
    </message>
    <message>
        <source>&amp;Smaller text</source>
        <translation>Texte plus &amp;petit</translation>
    </message>
    <message>
        <source>&amp;Normal text size</source>
        <translation>Taille de texte &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Fractions</source>
        <extracomment>The View menu&apos;s entry of the fractions chart, with its mnemonic.</extracomment>
        <translation>&amp;Fractions</translation>
    </message>
    <message>
        <source>L&amp;og c</source>
        <extracomment>The View menu&apos;s entry of the log c chart, with its mnemonic.</extracomment>
        <translation>L&amp;og c</translation>
    </message>
    <message>
        <source>&amp;Titration</source>
        <extracomment>The View menu&apos;s entry of the titration chart, with its mnemonic.</extracomment>
        <translation>&amp;Titrage</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Show &amp;inputs</source>
        <translation>&amp;Afficher les données d’entrée</translation>
    </message>
    <message>
        <source>Buffer</source>
        <extracomment>The tab of the buffer-capacity chart.</extracomment>
        <translation>Tampon</translation>
    </message>
    <message>
        <source>Buffer-capacity chart</source>
        <translation>Graphique du pouvoir tampon</translation>
    </message>
    <message>
        <source>&amp;Buffer capacity</source>
        <extracomment>The View menu&apos;s entry of the buffer-capacity chart, with its mnemonic.</extracomment>
        <translation>Pouvoir ta&amp;mpon</translation>
    </message>
    <message>
        <source>Derivative</source>
        <extracomment>The tab of the chart of the titration curve&apos;s slope, dpH/dV.</extracomment>
        <translation>Dérivée</translation>
    </message>
    <message>
        <source>Derivative chart</source>
        <translation>Graphique de la dérivée</translation>
    </message>
    <message>
        <source>&amp;Derivative</source>
        <extracomment>The View menu&apos;s entry of the derivative chart, with its mnemonic.</extracomment>
        <translation>&amp;Dérivée</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Gran</source>
        <extracomment>The tab of Gran&apos;s plot of a measured titration.</extracomment>
        <translation>Gran</translation>
    </message>
    <message>
        <source>Gran plot</source>
        <translation>Diagramme de Gran</translation>
    </message>
    <message>
        <source>&amp;Gran plot</source>
        <extracomment>The View menu&apos;s entry of Gran&apos;s plot, with its mnemonic.</extracomment>
        <translation>Diagramme de G&amp;ran</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SpeciesText</name>
    <message>
        <source>as %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 mol/L %2: pH %3 · %4 mol/L</source>
        <extracomment>The solution line under the drawing: &quot;0.1 mol/L as H₃A: pH 1.62 · H₃A 0.0760, H₂A⁻ 0.0240, … mol/L&quot;. %1 is the concentration, %2 what was dissolved (&quot;as H₃A&quot;), %3 the pH and %4 the species with their concentrations.</extracomment>
        <translation>%2 à %1 mol/L&#xa0;: pH %3 · %4 mol/L</translation>
    </message>
    <message>
        <source>%1 mL (pH %2)</source>
        <extracomment>One equivalence point in the titration line: %1 the volume in mL, %2 the pH.</extracomment>
        <translation>%1&#xa0;mL (pH&#xa0;%2)</translation>
    </message>
    <message>
        <source>%1 mL of %2 mol/L %3 with %4 mol/L %5 · no equivalence point</source>
        <extracomment>The titration line when the titrant reaches no equivalence point: &quot;25 mL of 0.1 mol/L CH₃COO⁻ with 0.1 mol/L NaOH · no equivalence point&quot;.</extracomment>
        <translation>%1&#xa0;mL de %3 à %2&#xa0;mol/L titrés par %5 à %4&#xa0;mol/L · aucun point d’équivalence</translation>
    </message>
    <message>
        <source>%1 mL of %2 mol/L %3 with %4 mol/L %5 · equivalence at %6</source>
        <extracomment>The titration line under the drawing: &quot;25 mL of 0.1 mol/L CH₃COOH with 0.1 mol/L NaOH · equivalence at 25.00 mL (pH 8.73)&quot;. %1 the sample&apos;s volume, %2 its concentration, %3 what was dissolved, %4 the titrant&apos;s concentration, %5 the titrant, %6 the equivalence points.</extracomment>
        <translation>%1&#xa0;mL de %3 à %2&#xa0;mol/L titrés par %5 à %4&#xa0;mol/L · équivalence à %6</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SubstanceChooser</name>
    <message>
        <source>Add from library</source>
        <translation>Ajouter depuis la bibliothèque</translation>
    </message>
    <message>
        <source>Name or key, e.g. acetic</source>
        <translation>Nom ou clé, par ex. acétique</translation>
    </message>
    <message>
        <source>Find a substance</source>
        <translation>Rechercher une substance</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Substances of the library</source>
        <translation>Substances de la bibliothèque</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An entry of the library&apos;s list: the substance&apos;s name and its key (&quot;Acetic acid (acetic)&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The solution holds as many acid-base systems as it can.</source>
        <translation>La solution contient déjà autant de systèmes acide-base qu’elle le peut.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SubstanceListView</name>
    <message>
        <source>Base with typed pKb</source>
        <translation>Base aux pKb saisis</translation>
    </message>
    <message>
        <source>Acid with typed pKa</source>
        <translation>Acide aux pKa saisis</translation>
    </message>
    <message>
        <source>Further substances</source>
        <translation>Autres substances</translation>
    </message>
    <message>
        <source>Add fro&amp;m library…</source>
        <translation>Ajouter d&amp;epuis la bibliothèque…</translation>
    </message>
    <message>
        <source>Add a substance from the library</source>
        <translation>Ajouter une substance de la bibliothèque</translation>
    </message>
    <message>
        <source>Add t&amp;yped</source>
        <translation>Saisir un s&amp;ystème</translation>
    </message>
    <message>
        <source>Add a system with typed constants</source>
        <translation>Ajouter un système aux constantes saisies</translation>
    </message>
    <message>
        <source>A weak acid or base with pKa or pKb values you type</source>
        <translation>Un acide ou une base faible dont vous saisissez les pKa ou pKb</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>The Remove button of a listed substance, for screen readers: &quot;Remove Acetic acid&quot;.</extracomment>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>pKa of the acid</source>
        <translation>pKa de l’acide</translation>
    </message>
    <message>
        <source>pKb of the base</source>
        <translation>pKb de la base</translation>
    </message>
    <message>
        <source>Constants given as</source>
        <translation>Constantes données en</translation>
    </message>
    <message>
        <source>Typed constants</source>
        <translation>Constantes saisies</translation>
    </message>
    <message>
        <source>Values separated by semicolons: 2.15; 7.2; 12.35</source>
        <extracomment>The typed constants&apos; field: values separated by semicolons.</extracomment>
        <translation>Valeurs séparées par des points-virgules&#xa0;: 2,15&#xa0;; 7,2&#xa0;; 12,35</translation>
    </message>
    <message>
        <source>Concentration of %1 in mol/L</source>
        <translation>Concentration de %1 en mol/L</translation>
    </message>
    <message>
        <source>Concentration (mol/L)</source>
        <translation>Concentration (mol/L)</translation>
    </message>
    <message>
        <source>Species of %1 dissolved</source>
        <translation>Espèce apportée de %1</translation>
    </message>
    <message>
        <source>Dissolved</source>
        <translation>Soluté apporté</translation>
    </message>
    <message>
        <source>%1, strong acid</source>
        <extracomment>A listed strong acid: &quot;HCl, strong acid&quot;.</extracomment>
        <translation>%1, acide fort</translation>
    </message>
    <message>
        <source>%1, strong base</source>
        <translation>%1, base forte</translation>
    </message>
    <message>
        <source>%1, inert salt</source>
        <extracomment>A listed salt that takes no part in the acid-base reactions: &quot;NaCl, inert salt&quot;.</extracomment>
        <translation>%1, sel indifférent</translation>
    </message>
    <message>
        <source>as the base</source>
        <extracomment>A base with typed constants is dissolved as the base itself.</extracomment>
        <translation>sous forme de la base elle-même</translation>
    </message>
</context>
<context>
    <name>velmora::ui::TheoryDocument</name>
    <message>
        <source>the theory document</source>
        <extracomment>Takes the place of %1 in &quot;The desktop could not open %1.&quot;</extracomment>
        <translation>le document de théorie</translation>
    </message>
    <message>
        <source>The theory document %1 was not found.

Looked in:
%2</source>
        <translation>Le document de théorie %1 est introuvable.

Emplacements examinés&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Its edition in your language, %1, was looked for there too.</source>
        <extracomment>Follows the list of folders where the theory document was not found; %1 is the document&apos;s file name in the user&apos;s language.</extracomment>
        <translation>Son édition dans votre langue, %1, y a aussi été cherchée.</translation>
    </message>
</context>
<context>
    <name>velmora::ui::TypedNumber</name>
    <message>
        <source>is empty</source>
        <translation>est vide</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>n’est pas un nombre</translation>
    </message>
    <message>
        <source>write decimals with a point</source>
        <translation>écrivez les décimales avec un point</translation>
    </message>
    <message>
        <source>write the number without group separators or blanks</source>
        <translation>écrivez le nombre sans séparateur de milliers ni espace</translation>
    </message>
    <message>
        <source>is ambiguous: write %1 or %2</source>
        <translation>est ambigu&#xa0;: écrivez %1 ou %2</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>est trop grand</translation>
    </message>
    <message>
        <source>has more than %1 decimals</source>
        <translation>a plus de %1 décimales</translation>
    </message>
</context>
</TS>
